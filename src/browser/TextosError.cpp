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

namespace {

// That what was typed was not stored, and why: the first line of both texts.
QString noSeGuardo(const DbError &error, bool ingles)
{
    QString motivo;
    switch (error.code()) {
    case DbError::Code::Busy:
        motivo = ingles ? QStringLiteral("another program is using the database")
                        : QStringLiteral("otro programa está usando la base de datos");
        break;
    case DbError::Code::ReadOnly:
        motivo = ingles ? QStringLiteral("the database cannot be written")
                        : QStringLiteral("la base de datos no se puede escribir");
        break;
    case DbError::Code::DiskFull:
        motivo = ingles ? QStringLiteral("the disk is full") : QStringLiteral("el disco está lleno");
        break;
    case DbError::Code::BadValue:
        motivo = ingles ? QStringLiteral("the value does not fit the field")
                        : QStringLiteral("el valor no es válido para el campo");
        break;
    default:
        motivo = (ingles ? QStringLiteral("the database did not take it (%1)")
                         : QStringLiteral("la base de datos no lo aceptó (%1)"))
                     .arg(error.message());
    }
    return (ingles ? QStringLiteral("What you typed could not be saved: %1.")
                   : QStringLiteral("No se pudo guardar lo escrito: %1."))
        .arg(motivo);
}

} // namespace

QString textoNoGuardado(const DbError &error, bool ingles)
{
    if (error.code() == DbError::Code::BadValue) // no later attempt takes it as it is
        return noSeGuardo(error, ingles) + (ingles ? QStringLiteral("\r\nCorrect it and try again.")
                                                   : QStringLiteral("\r\nCorríjalo y vuelva a intentarlo."));
    return noSeGuardo(error, ingles) +
           (ingles ? QStringLiteral("\r\nIt stays on screen, on its record; try again later.")
                   : QStringLiteral("\r\nSigue en pantalla, en su ficha; vuelva a intentarlo más tarde."));
}

QString preguntaSeguirSinGuardar(const DbError &error, bool ingles)
{
    return noSeGuardo(error, ingles) + (ingles ? QStringLiteral("\r\nStay in Yerbalia so as not to lose it?")
                                               : QStringLiteral("\r\n¿Seguir en Yerbalia para no perderlo?"));
}

} // namespace yb
