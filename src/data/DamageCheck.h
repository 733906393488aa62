#pragma once

#include <QString>
#include <QStringList>
#include <atomic>
#include <thread>

namespace yb {

// SQLite's quick check of a database file, run on a connection and a thread
// of its own from the moment it is made: opening the database does not wait
// for it, the first write does (through result()).
class DamageCheck {
public:
    struct Result {
        int rc = 0;           // 0 when the check ran to its end; else the SQLite error that stopped it
        QString error;        // that error in words
        QStringList problems; // what the check found; empty for a sound file
    };

    explicit DamageCheck(const QString &path);
    ~DamageCheck(); // stops a check still running
    DamageCheck(const DamageCheck &) = delete;
    DamageCheck &operator=(const DamageCheck &) = delete;

    // Waits for the check to end.
    const Result &result();

private:
    void run(const QString &path);

    std::atomic<bool> m_stop{false};
    Result m_result;
    std::thread m_thread;
};

} // namespace yb
