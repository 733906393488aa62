#include "data/DamageCheck.h"

#include "data/Collation.h"
#include "data/Database.h"

#include <QFile>
#include <sqlite3.h>

namespace yb {

DamageCheck::DamageCheck(const QString &path) : m_thread([this, path] { run(path); }) {}

DamageCheck::~DamageCheck()
{
    m_stop = true;
    if (m_thread.joinable())
        m_thread.join();
}

const DamageCheck::Result &DamageCheck::result()
{
    if (m_thread.joinable())
        m_thread.join();
    return m_result;
}

void DamageCheck::run(const QString &path)
{
    sqlite3 *db = nullptr;
    int rc = sqlite3_open_v2(QFile::encodeName(path).constData(), &db, SQLITE_OPEN_READONLY | SQLITE_OPEN_NOMUTEX,
                             nullptr);
    sqlite3_stmt *stmt = nullptr;
    if (rc == SQLITE_OK) {
        Collation::registerOn(db);
        sqlite3_busy_timeout(db, Database::kBusyTimeoutMs);
        sqlite3_exec(db, "PRAGMA mmap_size = 268435456", nullptr, nullptr, nullptr);
        // Stops early when the database is closed before the check is done.
        sqlite3_progress_handler(
            db, 10000, [](void *stop) { return static_cast<std::atomic<bool> *>(stop)->load() ? 1 : 0; }, &m_stop);
        rc = sqlite3_prepare_v2(db, "PRAGMA quick_check", -1, &stmt, nullptr);
    }
    while (rc == SQLITE_OK || rc == SQLITE_ROW) {
        rc = sqlite3_step(stmt);
        if (rc != SQLITE_ROW)
            break;
        const auto *line = reinterpret_cast<const char *>(sqlite3_column_text(stmt, 0));
        if (qstrcmp(line, "ok") != 0)
            m_result.problems << QString::fromUtf8(line);
    }
    const int code = rc & 0xFF;
    if (code == SQLITE_CORRUPT || code == SQLITE_NOTADB) {
        m_result.problems << QString::fromUtf8(db ? sqlite3_errmsg(db) : "damaged");
    } else if (rc != SQLITE_DONE) {
        m_result.rc = rc;
        m_result.error = db ? QString::fromUtf8(sqlite3_errmsg(db)) : QStringLiteral("out of memory");
    }
    sqlite3_finalize(stmt);
    sqlite3_close_v2(db);
}

} // namespace yb
