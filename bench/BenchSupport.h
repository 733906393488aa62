#pragma once

// Measuring helpers of the benchmarks: samples and medians, plain statements,
// durations as people read them, result lines with their targets.

#include "data/Database.h"

#include <QElapsedTimer>
#include <QString>
#include <QTextStream>
#include <algorithm>
#include <optional>
#include <sqlite3.h>
#include <vector>

namespace yb::bench {

// Where the benchmarks print their tables and their complaints.
inline QTextStream &out()
{
    static QTextStream s(stdout);
    return s;
}

inline QTextStream &err()
{
    static QTextStream s(stderr);
    return s;
}

// Timings in nanoseconds; the median is what the table shows.
struct Samples {
    std::vector<qint64> ns;

    void add(qint64 v) { ns.push_back(v); }
    bool isEmpty() const { return ns.empty(); }
    qint64 percentile(double q) const
    {
        if (ns.empty())
            return -1;
        std::vector<qint64> v = ns;
        const size_t at = std::min(v.size() - 1, size_t(q * double(v.size())));
        std::nth_element(v.begin(), v.begin() + qsizetype(at), v.end());
        return v[at];
    }
    qint64 median() const
    {
        if (ns.empty())
            return -1;
        std::vector<qint64> v = ns;
        const size_t mid = v.size() / 2;
        std::nth_element(v.begin(), v.begin() + qsizetype(mid), v.end());
        if (v.size() % 2)
            return v[mid];
        const qint64 upper = v[mid];
        return (*std::max_element(v.begin(), v.begin() + qsizetype(mid)) + upper) / 2;
    }
};

// A statement of our own, prepared once and reset after each use: the plain-SQL way.
class Plain {
public:
    Plain(Database &db, const char *sql) : m_db(db.handle())
    {
        if (sqlite3_prepare_v3(m_db, sql, -1, SQLITE_PREPARE_PERSISTENT, &m_stmt, nullptr) != SQLITE_OK)
            throw DbError(DbError::Code::General,
                          QStringLiteral("%1 (%2)").arg(QString::fromUtf8(sqlite3_errmsg(m_db)), QLatin1String(sql)));
    }
    ~Plain() { sqlite3_finalize(m_stmt); }
    Plain(const Plain &) = delete;
    Plain &operator=(const Plain &) = delete;

    void bind(int i, qint64 v) { sqlite3_bind_int64(m_stmt, i, v); }
    void bind(int i, const QByteArray &utf8)
    {
        sqlite3_bind_text(m_stmt, i, utf8.constData(), int(utf8.size()), SQLITE_STATIC);
    }
    bool step()
    {
        const int rc = sqlite3_step(m_stmt);
        if (rc == SQLITE_ROW)
            return true;
        if (rc != SQLITE_DONE)
            throw DbError(DbError::Code::General, QString::fromUtf8(sqlite3_errmsg(m_db)));
        return false;
    }
    void reset() { sqlite3_reset(m_stmt); }
    void run()
    {
        while (step()) {
        }
        reset();
    }
    qint64 int64(int c) const { return sqlite3_column_int64(m_stmt, c); }
    const char *text(int c) const { return reinterpret_cast<const char *>(sqlite3_column_text(m_stmt, c)); }
    int bytes(int c) const { return sqlite3_column_bytes(m_stmt, c); }

private:
    sqlite3 *m_db;
    sqlite3_stmt *m_stmt = nullptr;
};

class Stopwatch {
public:
    Stopwatch() { m_timer.start(); }
    qint64 ns() const { return m_timer.nsecsElapsed(); }

private:
    QElapsedTimer m_timer;
};

inline QString duration(qint64 ns)
{
    if (ns < 0)
        return QStringLiteral("-");
    if (ns < 1'000'000)
        return QStringLiteral("%1 us").arg(ns / 1e3, 0, 'f', ns < 10'000 ? 2 : 1);
    if (ns < 10'000'000'000)
        return QStringLiteral("%1 ms").arg(ns / 1e6, 0, 'f', ns < 100'000'000 ? 2 : 1);
    return QStringLiteral("%1 s").arg(ns / 1e9, 0, 'f', 1);
}

struct Result {
    enum class Target { None, Below, WithinRatio };
    QString operation;
    Samples ours, plain;
    Target target = Target::None;
    double limit = 0; // nanoseconds for Below, a ratio for WithinRatio
    QString note;

    double ratio() const
    {
        return ours.isEmpty() || plain.isEmpty() || plain.median() <= 0
                   ? -1
                   : double(ours.median()) / double(plain.median());
    }
    QString targetText() const
    {
        switch (target) {
        case Target::None: return QStringLiteral("-");
        case Target::Below: return QStringLiteral("< %1").arg(duration(qint64(limit)));
        case Target::WithinRatio: return QStringLiteral("<= %1x plain").arg(limit);
        }
        return {};
    }
    std::optional<bool> met() const
    {
        switch (target) {
        case Target::None: return std::nullopt;
        case Target::Below: return ours.median() < limit;
        case Target::WithinRatio: return ratio() >= 0 && ratio() <= limit;
        }
        return std::nullopt;
    }
};

} // namespace yb::bench
