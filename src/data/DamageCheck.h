#pragma once

#include <QString>
#include <QStringList>
#include <memory>
#include <optional>

namespace yb {

// SQLite's quick check of a database file. Made, it starts on a connection and
// a thread of its own, at idle priority and kStartDelayMs later: opening the
// database does not wait for it, and the program's start, which reads the
// same file, does not share the processor or the file with it. The first
// write asks for its result.
class DamageCheck {
public:
    static constexpr int kStartDelayMs = 2000;

    struct Result {
        int rc = 0;           // 0 when the check ran to its end; else the SQLite error that stopped it
        QString error;        // that error in words
        QStringList problems; // what the check found; empty for a sound file
    };

    explicit DamageCheck(const QString &path);
    ~DamageCheck(); // stops a check still running, without waiting for it
    DamageCheck(const DamageCheck &) = delete;
    DamageCheck &operator=(const DamageCheck &) = delete;

    // The check's result: the idle thread's when it has finished; else that
    // thread is stopped and the check runs here, at the caller's priority
    // (an idle thread may wait long for the processor).
    const Result &result();

    // Runs the check on the calling thread.
    static Result run(const QString &path);

    struct Background;

private:
    static Result check(const QString &path, Background *background);

    QString m_path;
    std::shared_ptr<Background> m_background; // shared with the thread, which may outlive this object
    std::optional<Result> m_result;
};

} // namespace yb
