#pragma once

// Faults a test injects into a database file: another program holding a
// lock, and pages scribbled over where only a full check looks.

#include "data/Collation.h"
#include "data/Cursor.h"
#include "data/Database.h"

#include <QDateTime>
#include <QFile>
#include <QFileInfo>
#include <QTemporaryDir>
#include <QTest>
#include <sqlite3.h>

namespace yb::test {

// Another program's connection to a database file, on the plain SQLite API.
class OtherProgram {
public:
    explicit OtherProgram(const QString &path)
    {
        if (sqlite3_open_v2(QFile::encodeName(path).constData(), &m_db, SQLITE_OPEN_READWRITE, nullptr) != SQLITE_OK)
            qFatal("cannot open %s", qPrintable(path));
    }
    ~OtherProgram() { sqlite3_close_v2(m_db); }
    OtherProgram(const OtherProgram &) = delete;
    OtherProgram &operator=(const OtherProgram &) = delete;

    // Runs SQL; false (with the reason in the test log) when it fails.
    bool exec(const char *sql)
    {
        char *error = nullptr;
        const int rc = sqlite3_exec(m_db, sql, nullptr, nullptr, &error);
        if (rc != SQLITE_OK)
            qWarning("%s: %s", sql, error);
        sqlite3_free(error);
        return rc == SQLITE_OK;
    }
    sqlite3 *handle() const { return m_db; }

private:
    sqlite3 *m_db = nullptr;
};

// The whole content of a file; empty when it does not exist.
inline QByteArray fileBytes(const QString &path)
{
    QFile f(path);
    return f.open(QIODevice::ReadOnly) ? f.readAll() : QByteArray();
}

// True when the write-ahead log of a database holds nothing (or is not there).
inline bool walIsEmpty(const QString &databasePath)
{
    const QFileInfo wal(databasePath + QStringLiteral("-wal"));
    return !wal.exists() || wal.size() == 0;
}

// The rows of a test that runs on both journal modes: a bool column "rollbackJournal".
inline void addJournalModeRows()
{
    QTest::addColumn<bool>("rollbackJournal");
    QTest::newRow("WAL") << false;
    QTest::newRow("rollback journal") << true;
}

// Makes a database of ours in `directory` whose header and schema read well,
// while an interior page of the index Usos.PorNom is scribbled over: opening
// it succeeds and only a full check finds the damage. With `rollbackJournal`
// the file is left in rollback-journal mode instead of WAL. Returns its path.
inline QString makeDamagedDatabase(const QString &directory, bool rollbackJournal = false)
{
    QString path;
    qint64 rootPage = 0, pageSize = 0;
    {
        auto db = Database::create(directory);
        Cursor usos(*db, QStringLiteral("Usos"));
        usos.open();
        for (int i = 0; i < 600; ++i) {
            usos.append();
            usos.setValue(u"Nom", QStringLiteral("Acción número %1 ").arg(i).repeated(3));
            usos.post();
        }
        if (rollbackJournal)
            db->exec(QStringLiteral("PRAGMA journal_mode = DELETE"));
        Statement where(*db, QStringLiteral("SELECT rootpage, (SELECT page_size FROM pragma_page_size) "
                                            "FROM sqlite_master WHERE name = 'Usos.PorNom'"));
        if (where.step()) {
            rootPage = where.int64(0);
            pageSize = where.int64(1);
        }
        path = db->filePath();
    }
    if (rootPage <= 1 || pageSize <= 0)
        qFatal("no index page to damage in %s", qPrintable(path));
    // The page header stays; its cell pointers point outside the page.
    QFile f(path);
    if (!f.open(QIODevice::ReadWrite) || !f.seek((rootPage - 1) * pageSize + 12))
        qFatal("cannot damage %s", qPrintable(path));
    f.write(QByteArray(16, '\xff'));
    return path;
}

// Puts a database file back as the first version left it: its text indexes
// in that version's order, and the version recorded.
inline void makeOlderCollation(const QString &path)
{
    OtherProgram older(path);
    Collation::registerOn(older.handle(), 1);
    if (!older.exec("REINDEX YBNOCASE; PRAGMA user_version = 1"))
        qFatal("cannot rebuild %s in the older order", qPrintable(path));
}

// A damaged database file in a directory of its own, with what it held when made.
struct DamagedFile {
    QTemporaryDir dir;
    QString path;
    QByteArray bytes;
    QDateTime modified;

    explicit DamagedFile(bool rollbackJournal)
        : path(makeDamagedDatabase(dir.path(), rollbackJournal)),
          bytes(fileBytes(path)),
          modified(QFileInfo(path).lastModified())
    {}
    // Same bytes, same time stamp: nothing was written.
    bool unchanged() const { return fileBytes(path) == bytes && QFileInfo(path).lastModified() == modified; }
    bool hasLogFiles() const
    {
        return QFileInfo::exists(path + QStringLiteral("-wal")) || QFileInfo::exists(path + QStringLiteral("-shm"));
    }
};

} // namespace yb::test
