#pragma once

#include <QString>
#include <stdexcept>

namespace yb {

// An error of the table engine: what went wrong, in words a user can read,
// and a code callers can branch on.
class DbError : public std::runtime_error {
public:
    enum class Code {
        General,
        NotADatabase,      // the file is not a database of ours
        Corrupt,           // the database is damaged
        ReadOnly,          // the database file cannot be written
        DirectoryReadOnly, // the data directory cannot be written
        Busy,              // another program holds the database locked
        DiskFull,          // the disk that holds the database is full
        NoDatabase,        // there is no database file where one was expected
        AlreadyExists,     // refusing to overwrite an existing database
        NoTable,           // the table is missing
        MissingColumn,     // a table of the file lacks one of its fields
        UnknownField,      // a field the cursor does not have
        UnknownIndex,      // an index the table does not have
        BadFilter,         // a filter expression that is not Field=Value terms
        BadValue,          // a value that does not fit the field
        KeyViolation,      // a post that would duplicate a key
        NotEditing,        // a field assigned while the cursor is not editing
        Closed,            // an operation on a closed cursor
    };

    DbError(Code code, const QString &message)
        : std::runtime_error(message.toStdString()),
          m_code(code),
          m_message(message)
    {}

    Code code() const { return m_code; }
    QString message() const { return m_message; }

private:
    Code m_code;
    QString m_message;
};

// Runs a step whose errors of the table engine the caller ignores on purpose
// (posting a pending change at a moment where failure changes nothing).
template <typename Step>
void ignorarErrores(Step &&step)
{
    try {
        step();
    } catch (const DbError &) {
    }
}

} // namespace yb
