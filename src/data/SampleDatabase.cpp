#include "data/SampleDatabase.h"

#include <QDir>
#include <QFile>

namespace yb::SampleDatabase {

QString script()
{
    QString sql;
    const QDir dir(QStringLiteral(":/sample"));
    for (const QString &name : dir.entryList({QStringLiteral("*.sql")}, QDir::Files, QDir::Name)) {
        QFile file(dir.filePath(name));
        if (file.open(QIODevice::ReadOnly))
            sql += QString::fromUtf8(file.readAll()) + u'\n';
    }
    if (sql.isEmpty())
        throw DbError(DbError::Code::General, QStringLiteral("The bundled sample data is missing from this build."));
    return sql;
}

std::unique_ptr<Database> create(const QString &directory)
{
    const QString sql = script();
    std::unique_ptr<Database> db = Database::create(directory);
    try {
        db->runScript(sql);
    } catch (const DbError &) {
        const QString path = db->filePath();
        db.reset();
        for (const char *suffix : {"", "-wal", "-shm"})
            QFile::remove(path + QLatin1String(suffix));
        throw;
    }
    return db;
}

} // namespace yb::SampleDatabase
