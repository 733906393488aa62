#include "data/DamageCheck.h"

#include "data/Collation.h"
#include "data/Database.h"

#include <QFile>
#include <atomic>
#include <condition_variable>
#include <mutex>
#include <sqlite3.h>
#include <thread>
#ifdef __linux__
#include <sched.h>
#endif

namespace yb {

// What the check's thread and its owner share.
struct DamageCheck::Background {
    std::atomic<bool> stopped{false};
    std::atomic<bool> finished{false};
    std::mutex lock; // guards the two below
    sqlite3 *connection = nullptr;
    Result result;
    std::condition_variable stopping;

    void stop()
    {
        stopped = true; // seen by the progress handler while the check has not started
        const std::lock_guard guard(lock);
        if (connection)
            sqlite3_interrupt(connection); // stops a running check
        stopping.notify_all();
    }

    // Waits out the start of the program; false when stopped meanwhile.
    bool waitForTheStart()
    {
        std::unique_lock guard(lock);
        return !stopping.wait_for(guard, std::chrono::milliseconds(kStartDelayMs), [this] { return stopped.load(); });
    }
};

DamageCheck::DamageCheck(const QString &path) : m_path(path), m_background(std::make_shared<Background>())
{
    std::thread([background = m_background, path] {
#ifdef __linux__
        sched_param none{};
        sched_setscheduler(0, SCHED_IDLE, &none); // 0: this thread
#endif
        if (!background->waitForTheStart())
            return;
        Result result = check(path, background.get());
        const std::lock_guard guard(background->lock);
        background->result = std::move(result);
        background->finished = true;
    }).detach();
}

DamageCheck::~DamageCheck() { m_background->stop(); }

const DamageCheck::Result &DamageCheck::result()
{
    if (!m_result) {
        if (m_background->finished) {
            const std::lock_guard guard(m_background->lock);
            m_result = m_background->result;
        } else {
            m_background->stop();
            m_result = run(m_path);
        }
    }
    return *m_result;
}

DamageCheck::Result DamageCheck::run(const QString &path) { return check(path, nullptr); }

// The check on a read-only connection; with `background`, stoppable from another thread.
DamageCheck::Result DamageCheck::check(const QString &path, Background *background)
{
    Result result;
    sqlite3 *db = nullptr;
    int rc = sqlite3_open_v2(QFile::encodeName(path).constData(), &db, SQLITE_OPEN_READONLY, nullptr);
    sqlite3_stmt *stmt = nullptr;
    if (rc == SQLITE_OK) {
        Collation::registerOn(db);
        sqlite3_busy_timeout(db, Database::kBusyTimeoutMs);
        if (background) {
            const std::lock_guard guard(background->lock);
            background->connection = db;
            // sqlite3_interrupt stops a running statement only: a stop asked
            // for before the check got going is seen at its first instructions.
            sqlite3_progress_handler(
                db, 1, [](void *stopped) { return static_cast<std::atomic<bool> *>(stopped)->load() ? 1 : 0; },
                &background->stopped);
        }
        rc = sqlite3_prepare_v2(db, "PRAGMA quick_check", -1, &stmt, nullptr);
    }
    while (rc == SQLITE_OK || rc == SQLITE_ROW) {
        rc = sqlite3_step(stmt);
        if (rc != SQLITE_ROW)
            break;
        const auto *line = reinterpret_cast<const char *>(sqlite3_column_text(stmt, 0));
        if (qstrcmp(line, "ok") != 0)
            result.problems << QString::fromUtf8(line);
    }
    const int code = rc & 0xFF;
    if (code == SQLITE_CORRUPT || code == SQLITE_NOTADB) {
        result.problems << QString::fromUtf8(db ? sqlite3_errmsg(db) : "damaged");
    } else if (rc != SQLITE_DONE) {
        result.rc = rc;
        result.error = db ? QString::fromUtf8(sqlite3_errmsg(db)) : QStringLiteral("out of memory");
    }
    sqlite3_finalize(stmt);
    if (background) {
        const std::lock_guard guard(background->lock);
        background->connection = nullptr;
    }
    sqlite3_close_v2(db);
    return result;
}

} // namespace yb
