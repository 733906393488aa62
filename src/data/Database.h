#pragma once

#include "data/DbError.h"
#include "data/Schema.h"

#include <QHash>
#include <QObject>
#include <QString>
#include <QVariant>
#include <memory>
#include <optional>

struct sqlite3;
struct sqlite3_stmt;

namespace yb {

class Database;
class DamageCheck;

// A prepared statement borrowed from the connection's cache; reset when it goes.
class Statement {
public:
    Statement(Database &db, const QString &sql);
    ~Statement();
    Statement(const Statement &) = delete;
    Statement &operator=(const Statement &) = delete;

    void bind(int index, const QVariant &value); // 1-based
    void bindAll(const QVariantList &values);
    bool step(); // true while there is a row; throws DbError on failure
    // Runs to the end and makes the statement ready to be bound and run again.
    void exec()
    {
        while (step()) {
        }
        reset();
    }
    void reset();

    qint64 int64(int column) const;
    bool isNull(int column) const;
    QString text(int column) const;
    // The column as the field type reads it: null stays an invalid QVariant.
    QVariant value(int column, FieldType type) const;

private:
    Database &m_db;
    sqlite3_stmt *m_stmt = nullptr;
    bool *m_busy = nullptr; // the cache's flag, or null for a statement of our own
    QString m_sql;
};

// How a table is laid out in the file: its fields and its key.
struct TableInfo {
    QString name;
    QList<FieldDef> fields;
    QString rowIdField;                     // the AutoInc key field, which is SQLite's row id
    int fieldIndex(QStringView name) const; // -1 when missing
};

// One column of an index: the field it orders by and how.
struct IndexColumn {
    int field = -1;
    bool caseInsensitive = false;
    bool descending = false;
};

struct IndexInfo {
    QString name;               // logical name; empty for the primary order
    QList<IndexColumn> columns; // empty: row id order
    bool unique = false;
};

// One SQLite connection to the database file in a data directory.
class Database : public QObject {
    Q_OBJECT
public:
    static constexpr const char *kFileName = "Yerbalia.sqlite3";
    // How long a statement waits for another program's lock before the
    // database is reported in use.
    static constexpr int kBusyTimeoutMs = 2000;

    // ReadOnly opens the file for looking only: no journal change, no working
    // tables, nothing written, not even the files of the write-ahead log.
    enum class Access { ReadWrite, ReadOnly };

    // Opens the database of a data directory; throws DbError with a clear message.
    // Read-write, it fails at once when another program holds the database locked
    // (DbError::Busy, after kBusyTimeoutMs); its first write waits for the check
    // for damage that starts in the background here, and a damaged file is
    // never written (DbError::Corrupt).
    static std::unique_ptr<Database> open(const QString &directory, Access access = Access::ReadWrite);
    // Creates a new empty database there; refuses to overwrite one.
    static std::unique_ptr<Database> create(const QString &directory);
    // An empty database in memory, with every table: stands in while a data
    // directory's database cannot be opened, so that nothing is written to it.
    static std::unique_ptr<Database> createInMemory();
    static QString filePathIn(const QString &directory);

    ~Database() override;

    QString directory() const { return m_directory; }
    QString filePath() const { return filePathIn(m_directory); }
    sqlite3 *handle() const { return m_db; }

    // The table password is kept for importers of protected tables; SQLite has none.
    void setPassword(const QString &password) { m_password = password; }
    QString password() const { return m_password; }

    // Runs one or more SQL statements.
    void exec(const QString &sql);
    // Runs a whole SQL script in one transaction; nothing is kept when it fails.
    void runScript(const QString &sql);
    // Problems the integrity check finds; empty for a sound database.
    QStringList integrityProblems();

    // Case-insensitive name resolution: "USOS.DB", "English\\Glossary.DB" -> "Usos", "Glossary".
    QString resolveTable(const QString &name);
    bool hasTable(const QString &name);
    // How a table is laid out. Shared: a cursor keeps the description it opened
    // with even when a script changes the schema and the descriptions are read again.
    std::shared_ptr<const TableInfo> tableInfo(const QString &table);

    // Indexes: "" is the primary order (the key).
    bool hasIndex(const QString &table, const QString &index);
    IndexInfo indexInfo(const QString &table, const QString &index);
    void createIndex(const QString &table, const QString &index, const QString &field, bool caseInsensitive);

    // Change tracking: every change to a table raises its generation.
    quint64 generation(const QString &table) const { return m_generations.value(table); }
    void touch(const QString &table)
    {
        bumpGeneration(table);
        announceChange(table);
    }
    // The two halves of touch, for a writer that brings itself up to date in between.
    void bumpGeneration(const QString &table) { ++m_generations[table]; }
    void announceChange(const QString &table) { emit tableChanged(table); }
    void touchAll();

    // Nested transactions as savepoints; rolled back unless committed.
    class Transaction {
    public:
        explicit Transaction(Database &db);
        ~Transaction();
        void commit();

    private:
        Database &m_db;
        bool m_done = false;
    };

    // Turns the connection's last error into a DbError with context.
    [[noreturn]] void fail(int rc, const QString &context) const;
    // The DbError for an SQLite result code and its reason in words.
    DbError errorFor(int rc, const QString &why, const QString &context) const;

signals:
    void tableChanged(const QString &table);

private:
    friend class Statement;
    Database(const QString &directory, sqlite3 *db);
    void configure();
    void requireWriteLock();
    void rebuildTextIndexes();
    // Runs before any statement that may change the file: waits for the damage
    // check, refuses a damaged file, turns the journal to WAL.
    bool writesGuarded() const { return m_damageCheck || m_damage || m_walPending; }
    void beforeWrite();
    void createSchema();
    void createWorkingTables();
    void loadTableNames();
    sqlite3_stmt *acquire(const QString &sql, bool *&busy);

    struct CachedStatement {
        sqlite3_stmt *stmt = nullptr;
        bool busy = false;
    };

    QString m_directory;
    sqlite3 *m_db = nullptr;
    bool m_readOnly = false;
    std::unique_ptr<DamageCheck> m_damageCheck; // pending until the first write
    std::optional<DbError> m_damage;            // found damage: every write is refused
    bool m_walPending = false;                  // the journal turns to WAL at the first write
    QString m_password;
    QHash<QString, CachedStatement *> m_statements;
    QHash<QString, QString> m_tableNames; // lower-case name -> name
    QHash<QString, std::shared_ptr<const TableInfo>> m_tableInfo;
    QHash<QString, quint64> m_generations;
};

} // namespace yb
