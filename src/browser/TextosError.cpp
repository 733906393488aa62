#include "browser/TextosError.h"

#include "data/Database.h"

#include <QDir>

namespace yb {
namespace {

// The path a text names with %1.
enum class Nombra { Base, Directorio };

struct TextoError {
    DbError::Code code;
    Nombra nombra;
    const char *esp;
    const char *ing;
};

constexpr TextoError kTextos[] = {
    {DbError::Code::NoDatabase, Nombra::Directorio,
     "No hay ninguna base de datos en %1. Cree una con \"yerbalia-db init --sample %1\".",
     "There is no database in %1. Create one with \"yerbalia-db init --sample %1\"."},
    {DbError::Code::NotADatabase, Nombra::Base, "%1 no es una base de datos de Yerbalia.",
     "%1 is not a Yerbalia database."},
    {DbError::Code::Corrupt, Nombra::Base, "La base de datos %1 está dañada. Restáurela desde una copia de seguridad.",
     "The database %1 is damaged. Restore it from a backup copy."},
    {DbError::Code::ReadOnly, Nombra::Base,
     "El archivo de la base de datos %1 es de solo lectura. Yerbalia guarda en él las notas y los cambios, así "
     "que necesita poder escribirlo.",
     "The database file %1 is read-only. Yerbalia stores notes and changes in it, so it needs write access to it."},
    {DbError::Code::DirectoryReadOnly, Nombra::Directorio,
     "No se puede escribir en el directorio de datos %1. Yerbalia guarda allí las notas y los cambios, así que "
     "necesita poder escribir en él.",
     "The data directory %1 cannot be written. Yerbalia stores notes and changes there, so it needs write access "
     "to it."},
    {DbError::Code::Busy, Nombra::Base,
     "La base de datos %1 está en uso por otro programa. Cierre ese programa y vuelva a intentarlo.",
     "The database %1 is in use by another program. Close that program and try again."},
};

} // namespace

QString textoError(const DbError &error, const QString &directorio, bool ingles)
{
    for (const TextoError &t : kTextos) {
        if (t.code != error.code())
            continue;
        const QString ruta = t.nombra == Nombra::Directorio ? QFileInfo(directorio).absoluteFilePath()
                                                            : Database::filePathIn(directorio);
        return QString::fromUtf8(ingles ? t.ing : t.esp).arg(QDir::toNativeSeparators(ruta));
    }
    return error.message();
}

QString textoConfigNoGuardada(const QString &ruta, bool ingles)
{
    const QString texto = ingles ? QStringLiteral("The configuration could not be written to %1. The previous file "
                                                  "is kept.")
                                 : QStringLiteral("No se pudo guardar la configuración en %1. Se conserva el "
                                                  "archivo anterior.");
    return texto.arg(QDir::toNativeSeparators(ruta));
}

} // namespace yb
