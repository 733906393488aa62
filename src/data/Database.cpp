#include "data/Database.h"

#include "data/Collation.h"
#include "data/DamageCheck.h"

#include <QDir>
#include <QFileInfo>
#include <QUrl>
#include <sqlite3.h>

namespace yb {
namespace {

DbError::Code codeFor(int rc)
{
    switch (rc & 0xFF) {
    case SQLITE_NOTADB: return DbError::Code::NotADatabase;
    case SQLITE_CORRUPT: return DbError::Code::Corrupt;
    case SQLITE_READONLY:
    case SQLITE_CANTOPEN:
    case SQLITE_PERM: return DbError::Code::ReadOnly;
    case SQLITE_CONSTRAINT: return DbError::Code::KeyViolation;
    case SQLITE_BUSY:
    case SQLITE_LOCKED: return DbError::Code::Busy;
    case SQLITE_FULL: return DbError::Code::DiskFull;
    default: return DbError::Code::General;
    }
}

} // namespace

// ---- TableInfo ----------------------------------------------------------------

int TableInfo::fieldIndex(QStringView name) const
{
    for (int i = 0; i < fields.size(); ++i)
        if (fields[i].name.size() == name.size() && fields[i].name.compare(name, Qt::CaseInsensitive) == 0)
            return i;
    return -1;
}

// ---- Database -----------------------------------------------------------------

QString Database::filePathIn(const QString &directory)
{
    return QDir(directory).filePath(QString::fromLatin1(kFileName));
}

Database::Database(const QString &directory, sqlite3 *db) : m_directory(directory), m_db(db) {}

Database::~Database()
{
    m_damageCheck.reset(); // stops a check still running
    for (CachedStatement *c : std::as_const(m_statements)) {
        sqlite3_finalize(c->stmt);
        delete c;
    }
    sqlite3_close_v2(m_db);
}

// A connection is used by one thread only (the search's and the damage check's
// threads open their own), so it needs no mutex of its own: without one,
// every call into SQLite is cheaper once the process has a second thread.
static sqlite3 *openConnection(const QString &path, int flags)
{
    sqlite3 *db = nullptr;
    const int rc = sqlite3_open_v2(QFile::encodeName(path).constData(), &db, flags | SQLITE_OPEN_NOMUTEX, nullptr);
    if (rc != SQLITE_OK) {
        const QString why = db ? QString::fromUtf8(sqlite3_errmsg(db)) : QStringLiteral("out of memory");
        sqlite3_close_v2(db);
        throw DbError(codeFor(rc), QStringLiteral("Cannot open the database %1: %2").arg(path, why));
    }
    return db;
}

// A connection that reads the file and writes nothing, not even the files of
// the write-ahead log: without a log to read, the file is opened as immutable.
static sqlite3 *openForReading(const QString &path)
{
    if (QFileInfo::exists(path + QStringLiteral("-wal")))
        return openConnection(path, SQLITE_OPEN_READONLY);
    const QString uri = QStringLiteral("file:") + QString::fromLatin1(QUrl::toPercentEncoding(path, "/")) +
                        QStringLiteral("?immutable=1");
    return openConnection(uri, SQLITE_OPEN_READONLY | SQLITE_OPEN_URI);
}

static void requireWritable(const QString &directory, const QString &path)
{
    // The directory first: on a read-only medium it is the cause, not the file in it.
    const QFileInfo dir(directory);
    if (!dir.isWritable())
        throw DbError(DbError::Code::DirectoryReadOnly,
                      QStringLiteral("The data directory %1 cannot be written. Yerbalia keeps the database's "
                                     "journal there, so it needs write access to it.")
                          .arg(QDir::toNativeSeparators(dir.absoluteFilePath())));
    const QFileInfo file(path);
    if (file.exists() && !file.isWritable())
        throw DbError(DbError::Code::ReadOnly,
                      QStringLiteral("The database file %1 is read-only. Yerbalia stores notes and changes in it, "
                                     "so it needs write access to it.")
                          .arg(QDir::toNativeSeparators(file.absoluteFilePath())));
}

std::unique_ptr<Database> Database::open(const QString &directory, Access access)
{
    const QString path = filePathIn(directory);
    if (!QFileInfo(path).isFile())
        throw DbError(DbError::Code::NoDatabase,
                      QStringLiteral("There is no database in %1 (expected the file %2). Create one with "
                                     "\"yerbalia-db init --sample %1\".")
                          .arg(QDir::toNativeSeparators(QFileInfo(directory).absoluteFilePath()),
                               QString::fromLatin1(kFileName)));
    const bool readOnly = access == Access::ReadOnly;
    if (!readOnly)
        requireWritable(directory, path);

    std::unique_ptr<Database> db(
        new Database(directory, readOnly ? openForReading(path) : openConnection(path, SQLITE_OPEN_READWRITE)));
    db->m_readOnly = readOnly;
    db->configure();
    // Read before anything is written: a file that is not ours stays as it is.
    const qint64 applicationId = [&] {
        Statement id(*db, QStringLiteral("PRAGMA application_id"));
        return id.step() ? id.int64(0) : 0;
    }();
    if (applicationId != Schema::kApplicationId || !db->hasTable(QStringLiteral("Plantas")))
        throw DbError(DbError::Code::NotADatabase,
                      QStringLiteral("%1 is not a Yerbalia database.").arg(QDir::toNativeSeparators(path)));
    const int version = [&] {
        Statement v(*db, QStringLiteral("PRAGMA user_version"));
        return v.step() ? int(v.int64(0)) : 0;
    }();
    if (readOnly) {
        // Its text indexes are read in the order they were built with.
        Collation::registerOn(db->m_db, Schema::collationVersion(version));
        return db;
    }
    db->requireWriteLock();
    db->createWorkingTables();
    // From here on every write first waits for the check of the file.
    db->m_walPending = [&] {
        Statement mode(*db, QStringLiteral("PRAGMA journal_mode"));
        return !(mode.step() && mode.text(0).compare(u"wal", Qt::CaseInsensitive) == 0);
    }();
    db->m_damageCheck = std::make_unique<DamageCheck>(path);
    if (Schema::collationVersion(version) < Collation::kVersion)
        db->rebuildTextIndexes();
    return db;
}

std::unique_ptr<Database> Database::create(const QString &directory)
{
    const QString path = filePathIn(directory);
    if (QFileInfo::exists(path))
        throw DbError(DbError::Code::AlreadyExists,
                      QStringLiteral("%1 already exists; it is left as it is.").arg(QDir::toNativeSeparators(path)));
    if (!QDir().mkpath(directory))
        throw DbError(DbError::Code::DirectoryReadOnly,
                      QStringLiteral("Cannot create the directory %1.").arg(QDir::toNativeSeparators(directory)));
    requireWritable(directory, path);

    std::unique_ptr<Database> db(
        new Database(directory, openConnection(path, SQLITE_OPEN_READWRITE | SQLITE_OPEN_CREATE)));
    db->configure();
    db->exec(QStringLiteral("PRAGMA journal_mode = WAL"));
    db->createSchema();
    return db;
}

std::unique_ptr<Database> Database::createInMemory()
{
    std::unique_ptr<Database> db(new Database(
        QString(), openConnection(QStringLiteral(":memory:"), SQLITE_OPEN_READWRITE | SQLITE_OPEN_CREATE)));
    db->configure();
    db->createSchema();
    return db;
}

void Database::createSchema()
{
    Database *db = this;
    {
        Transaction tx(*db);
        for (const TableDef &t : Schema::tables()) {
            if (t.working)
                continue;
            db->exec(Schema::createTableSql(t));
            if (!t.key.isEmpty() && !(t.key.size() == 1 && t.fields.first().type == FieldType::AutoInc &&
                                      t.fields.first().name == t.key.first()))
                db->exec(Schema::createIndexSql(t.name, {QString::fromLatin1(Schema::kKeyIndexName), t.key, true},
                                                t.fields));
            for (const IndexDef &i : t.indexes)
                db->exec(Schema::createIndexSql(t.name, i, t.fields));
        }
        db->exec(QStringLiteral("PRAGMA application_id = %1").arg(Schema::kApplicationId));
        db->exec(QStringLiteral("PRAGMA user_version = %1").arg(Schema::kVersion));
        tx.commit();
    }
    db->loadTableNames();
    db->createWorkingTables();
}

// Settings of the connection only: nothing here writes to the file.
void Database::configure()
{
    Collation::registerOn(m_db);
    sqlite3_busy_timeout(m_db, kBusyTimeoutMs);
    sqlite3_extended_result_codes(m_db, 1);
    // Reading through a memory map halves the time of walks over large rows.
    exec(QStringLiteral("PRAGMA mmap_size = 268435456"));
    exec(QStringLiteral("PRAGMA foreign_keys = OFF"));
    if (!m_readOnly)
        exec(QStringLiteral("PRAGMA synchronous = NORMAL"));
    loadTableNames();
}

// Another program in the middle of a write keeps the database locked: that is
// said at once, not at the first note the user types.
void Database::requireWriteLock()
{
    exec(QStringLiteral("BEGIN IMMEDIATE"));
    exec(QStringLiteral("ROLLBACK"));
}

// Text indexes built in an older order are built again, once: the file then
// records the version of its order.
void Database::rebuildTextIndexes()
{
    Transaction tx(*this);
    exec(QStringLiteral("REINDEX %1").arg(QLatin1String(Collation::kName)));
    exec(QStringLiteral("PRAGMA user_version = %1").arg(Schema::kVersion));
    tx.commit();
}

void Database::beforeWrite()
{
    if (m_damage)
        throw *m_damage;
    if (m_damageCheck) {
        const DamageCheck::Result result = m_damageCheck->result();
        m_damageCheck.reset();
        if (!result.problems.isEmpty()) {
            m_damage = DbError(DbError::Code::Corrupt,
                               QStringLiteral("The database %1 is damaged (%2). Nothing was written to it; restore it "
                                              "from a copy.")
                                   .arg(QDir::toNativeSeparators(filePath()), result.problems.first()));
            throw *m_damage;
        }
        if (result.rc != SQLITE_OK) {
            m_damageCheck = std::make_unique<DamageCheck>(filePath()); // checked again before the next write
            throw errorFor(result.rc, result.error, QStringLiteral("checking the file before writing"));
        }
    }
    if (m_walPending && sqlite3_get_autocommit(m_db)) {
        m_walPending = false;
        exec(QStringLiteral("PRAGMA journal_mode = WAL"));
    }
}

void Database::createWorkingTables()
{
    for (const TableDef &t : Schema::tables()) {
        if (!t.working || hasTable(t.name))
            continue;
        exec(Schema::createTableSql(t));
        if (t.fields.first().type != FieldType::AutoInc)
            exec(Schema::createIndexSql(t.name, {QString::fromLatin1(Schema::kKeyIndexName), t.key, true}, t.fields));
        for (const IndexDef &i : t.indexes)
            exec(Schema::createIndexSql(t.name, i, t.fields));
    }
    loadTableNames();
}

void Database::loadTableNames()
{
    m_tableNames.clear();
    Statement s(*this, QStringLiteral("SELECT name FROM sqlite_master WHERE type='table' UNION ALL "
                                      "SELECT name FROM sqlite_temp_master WHERE type='table'"));
    while (s.step()) {
        const QString name = s.text(0);
        if (!name.startsWith(u"sqlite_"))
            m_tableNames.insert(name.toLower(), name);
    }
}

void Database::fail(int rc, const QString &context) const
{
    throw errorFor(rc, QString::fromUtf8(sqlite3_errmsg(m_db)), context);
}

DbError Database::errorFor(int rc, const QString &why, const QString &context) const
{
    const DbError::Code code = codeFor(rc);
    const QString file = QDir::toNativeSeparators(filePath());
    switch (code) {
    case DbError::Code::NotADatabase: return DbError(code, QStringLiteral("%1 is not a Yerbalia database.").arg(file));
    case DbError::Code::Corrupt:
        return DbError(code, QStringLiteral("The database %1 is damaged (%2). Restore it from a copy.").arg(file, why));
    case DbError::Code::ReadOnly:
        return DbError(code, QStringLiteral("The database %1 cannot be written: %2").arg(file, why));
    case DbError::Code::Busy:
        return DbError(code, QStringLiteral("The database %1 is in use by another program, which keeps it locked. "
                                            "Close that program, or wait until it has finished, and try again.")
                                 .arg(file));
    default: return DbError(code, QStringLiteral("%1 (%2)").arg(why, context));
    }
}

sqlite3_stmt *Database::acquire(const QString &sql, bool *&busy)
{
    CachedStatement *cached = m_statements.value(sql);
    if (!cached) {
        sqlite3_stmt *stmt = nullptr;
        const QByteArray utf8 = sql.toUtf8();
        const int rc =
            sqlite3_prepare_v3(m_db, utf8.constData(), int(utf8.size()), SQLITE_PREPARE_PERSISTENT, &stmt, nullptr);
        if (rc != SQLITE_OK)
            fail(rc, sql);
        cached = new CachedStatement{stmt, false};
        m_statements.insert(sql, cached);
    }
    if (!cached->busy) {
        cached->busy = true;
        busy = &cached->busy;
        return cached->stmt;
    }
    // The cached one is being stepped further up the stack: use one of our own.
    sqlite3_stmt *stmt = nullptr;
    const QByteArray utf8 = sql.toUtf8();
    const int rc = sqlite3_prepare_v2(m_db, utf8.constData(), int(utf8.size()), &stmt, nullptr);
    if (rc != SQLITE_OK)
        fail(rc, sql);
    busy = nullptr;
    return stmt;
}

void Database::exec(const QString &sql)
{
    const QByteArray utf8 = sql.toUtf8();
    const char *next = utf8.constData();
    const char *const end = next + utf8.size();
    while (next < end) {
        sqlite3_stmt *raw = nullptr;
        const char *tail = nullptr;
        int rc = sqlite3_prepare_v2(m_db, next, int(end - next), &raw, &tail);
        if (rc != SQLITE_OK)
            fail(rc, sql.left(200));
        next = tail;
        if (!raw)
            continue; // a comment or white space
        const std::unique_ptr<sqlite3_stmt, int (*)(sqlite3_stmt *)> stmt(raw, &sqlite3_finalize);
        if (writesGuarded() && !sqlite3_stmt_readonly(raw))
            beforeWrite();
        while ((rc = sqlite3_step(raw)) == SQLITE_ROW) {
        }
        if (rc != SQLITE_DONE)
            fail(rc, sql.left(200));
    }
}

void Database::runScript(const QString &sql)
{
    Transaction tx(*this);
    exec(sql);
    tx.commit();
    loadTableNames();
    touchAll();
}

QStringList Database::integrityProblems()
{
    QStringList problems;
    try {
        Statement s(*this, QStringLiteral("PRAGMA integrity_check"));
        while (s.step()) {
            const QString line = s.text(0);
            if (line != u"ok")
                problems << line;
        }
    } catch (const DbError &e) {
        problems << e.message();
    }
    return problems;
}

QString Database::resolveTable(const QString &name)
{
    QString base = name;
    base = base.mid(std::max(base.lastIndexOf(u'\\'), base.lastIndexOf(u'/')) + 1);
    if (const qsizetype dot = base.lastIndexOf(u'.'); dot > 0)
        base.truncate(dot);
    QString found = m_tableNames.value(base.toLower());
    if (found.isEmpty()) {
        loadTableNames();
        found = m_tableNames.value(base.toLower());
    }
    if (found.isEmpty())
        throw DbError(DbError::Code::NoTable, QStringLiteral("The table %1 is missing from the database %2.")
                                                  .arg(name, QDir::toNativeSeparators(filePath())));
    return found;
}

bool Database::hasTable(const QString &name)
{
    try {
        resolveTable(name);
        return true;
    } catch (const DbError &) {
        return false;
    }
}

std::shared_ptr<const TableInfo> Database::tableInfo(const QString &table)
{
    const QString name = resolveTable(table);
    if (auto found = m_tableInfo.value(name))
        return found;
    auto info = std::make_shared<TableInfo>();
    info->name = name;
    Statement s(*this, QStringLiteral("SELECT name, type, pk FROM pragma_table_info(?)"));
    s.bind(1, name);
    while (s.step()) {
        FieldDef f = Schema::fieldFromDeclared(s.text(0), s.text(1), s.int64(2) != 0);
        if (f.type == FieldType::AutoInc)
            info->rowIdField = f.name;
        info->fields << f;
    }
    // Fields in their declared order, whatever order the file stores them in.
    if (const TableDef *def = Schema::find(name)) {
        for (const FieldDef &f : def->fields)
            if (info->fieldIndex(f.name) < 0)
                throw DbError(DbError::Code::MissingColumn,
                              QStringLiteral("The table %1 of the database %2 has no column %3. The file is damaged "
                                             "or was changed by another program; restore it from a copy.")
                                  .arg(name, QDir::toNativeSeparators(filePath()), f.name));
        const auto rank = [def](const FieldDef &f) {
            for (int i = 0; i < def->fields.size(); ++i)
                if (def->fields[i].name.compare(f.name, Qt::CaseInsensitive) == 0)
                    return i;
            return int(def->fields.size()); // a column the schema does not know goes last
        };
        std::stable_sort(info->fields.begin(), info->fields.end(),
                         [&](const FieldDef &a, const FieldDef &b) { return rank(a) < rank(b); });
    }
    m_tableInfo.insert(name, info);
    return info;
}

bool Database::hasIndex(const QString &table, const QString &index)
{
    if (index.isEmpty())
        return true;
    const QString name = resolveTable(table);
    Statement s(*this, QStringLiteral("SELECT 1 FROM sqlite_master WHERE type='index' AND name=?1 COLLATE NOCASE "
                                      "UNION ALL SELECT 1 FROM sqlite_temp_master WHERE type='index' AND "
                                      "name=?1 COLLATE NOCASE"));
    s.bind(1, Schema::physicalIndexName(name, index));
    return s.step();
}

IndexInfo Database::indexInfo(const QString &table, const QString &index)
{
    const auto described = tableInfo(table);
    const TableInfo &info = *described;
    IndexInfo result;
    result.name = index;
    QString physical = Schema::physicalIndexName(info.name, index);
    if (index.isEmpty()) {
        result.unique = true;
        if (!info.rowIdField.isEmpty())
            return result; // the row id is the key
        physical = Schema::physicalIndexName(info.name, QString::fromLatin1(Schema::kKeyIndexName));
        if (!hasIndex(info.name, QString::fromLatin1(Schema::kKeyIndexName)))
            return result; // no key: insertion order
    } else if (!hasIndex(info.name, index)) {
        throw DbError(DbError::Code::UnknownIndex,
                      QStringLiteral("The table %1 has no index %2.").arg(info.name, index));
    }
    Statement s(*this, QStringLiteral("SELECT name, desc, coll, key FROM pragma_index_xinfo(?) WHERE key=1 "
                                      "ORDER BY seqno"));
    s.bind(1, physical);
    while (s.step()) {
        IndexColumn c;
        c.field = info.fieldIndex(s.text(0));
        c.descending = s.int64(1) != 0;
        c.caseInsensitive = s.text(2).compare(QLatin1String(Collation::kName), Qt::CaseInsensitive) == 0;
        if (c.field >= 0)
            result.columns << c;
    }
    Statement u(*this, QStringLiteral("SELECT \"unique\" FROM pragma_index_list(?) WHERE name=? COLLATE NOCASE"));
    u.bind(1, info.name);
    u.bind(2, physical);
    if (u.step())
        result.unique = u.int64(0) != 0;
    return result;
}

void Database::createIndex(const QString &table, const QString &index, const QString &field, bool caseInsensitive)
{
    const auto described = tableInfo(table);
    const TableInfo &info = *described;
    const int f = info.fieldIndex(field);
    if (f < 0)
        throw DbError(DbError::Code::UnknownField,
                      QStringLiteral("The table %1 has no field %2.").arg(info.name, field));
    QList<FieldDef> fields = info.fields;
    if (!caseInsensitive)
        fields[f].type = FieldType::Long; // no collation clause
    exec(Schema::createIndexSql(info.name, {index, {info.fields[f].name}}, fields));
    touch(info.name);
}

void Database::touchAll()
{
    m_tableInfo.clear();
    for (const QString &name : std::as_const(m_tableNames))
        touch(name);
}

// ---- Transaction --------------------------------------------------------------

Database::Transaction::Transaction(Database &db) : m_db(db)
{
    // Before the transaction opens: the journal can change to WAL only outside one.
    if (m_db.writesGuarded())
        m_db.beforeWrite();
    m_db.exec(QStringLiteral("SAVEPOINT yb"));
}

Database::Transaction::~Transaction()
{
    if (m_done)
        return;
    sqlite3_exec(m_db.m_db, "ROLLBACK TO yb; RELEASE yb", nullptr, nullptr, nullptr);
}

void Database::Transaction::commit()
{
    m_db.exec(QStringLiteral("RELEASE yb"));
    m_done = true;
}

} // namespace yb
