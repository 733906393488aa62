#include "app/Aplicacion.h"

#include "app/Ventanas.h"
#include "browser/Calco.h"
#include "browser/Plantas.h"
#include "browser/Textos.h"
#include "browser/TextosError.h"
#include "dialogs/Mensajes.h"
#include "dialogs/PoliticaErrores.h"
#include "dialogs/Sesion.h"
#include "search/Buscar.h"

#include <QApplication>
#include <QDir>
#include <QFont>

namespace yb {
namespace {

// An error is kept in the user's words: the start-up shows it as it is.
std::unique_ptr<Database> abrirDatos(std::optional<DbError> &error, bool ingles)
{
    const QString directorio = QDir::currentPath();
    try {
        return Database::open(directorio);
    } catch (const DbError &e) {
        const DbError paraElUsuario(e.code(), textoError(e, directorio, ingles));
        if (e.code() == DbError::Code::NoDatabase)
            throw paraElUsuario;
        error = paraElUsuario; // shown by the first showing; nothing is written to that file
        return Database::createInMemory();
    }
}

} // namespace

Aplicacion::Aplicacion(const QStringList &argumentos) : m_sesion(std::make_unique<Sesion>())
{
    // The language is fixed first, so that every message of the start-up is in it.
    const bool ingles = interfazInglesa();
    Mensajes::setEnglish(ingles);
    PoliticaErrores::setTexto([s = m_sesion.get()](const std::exception &e) {
        if (const auto *error = dynamic_cast<const DbError *>(&e))
            return textoError(*error, QDir::currentPath(), s->ingles());
        return QString::fromLocal8Bit(e.what());
    });
    std::optional<DbError> error;
    m_db = abrirDatos(error, ingles);
    m_plantas = std::make_unique<TFPlantas>(*m_sesion, argumentos);
    m_dm = std::make_unique<TDM>(*m_db, m_plantas->ListaEsp);
    if (error)
        m_dm->setErrorApertura(*error);
    m_plantas->setDataModule(m_dm.get());

    m_ventanas = std::make_unique<Ventanas>(*m_sesion, *m_db, *m_dm, *m_plantas);
    m_plantas->setVentanas({&m_ventanas->calco(), &m_ventanas->selClase(), &m_ventanas->buscar(), m_ventanas->todas()});
    // The main window turns English first, then every other window in creation order.
    m_sesion->setIngles(ingles);
}

Aplicacion::~Aplicacion() = default;

void registrarFuentes()
{
    QFont::insertSubstitution(QStringLiteral("Arial"), QStringLiteral("Liberation Sans"));
    QFont::insertSubstitution(QStringLiteral("Verdana"), QStringLiteral("DejaVu Sans"));
    QApplication::setFont(QFont(QStringLiteral("Arial"), 9));
}

} // namespace yb
