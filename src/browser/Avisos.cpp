#include "browser/Avisos.h"

#include "browser/Textos.h"
#include "browser/TextosError.h"
#include "dbwidgets/DataSource.h"
#include "dialogs/Mensajes.h"
#include "dialogs/PoliticaErrores.h"

namespace yb {

void avisarNoGuardado(const DbError &error, bool ingles) { Mensajes::informar(textoNoGuardado(error, ingles)); }

void avisarFallos(DataSource *source, std::function<bool()> ingles)
{
    QObject::connect(
        source, &DataSource::errorOccurred, source,
        manejador([ingles = std::move(ingles)](const DbError &error) { avisarNoGuardado(error, ingles()); }));
}

} // namespace yb
