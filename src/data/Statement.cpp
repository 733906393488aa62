#include "data/Database.h"

#include <sqlite3.h>

namespace yb {

// A prepared statement of the connection's cache: binding, stepping, reading columns.

Statement::Statement(Database &db, const QString &sql) : m_db(db), m_sql(sql) { m_stmt = db.acquire(sql, m_busy); }

Statement::~Statement()
{
    if (!m_stmt)
        return;
    if (m_busy) {
        sqlite3_reset(m_stmt);
        sqlite3_clear_bindings(m_stmt);
        *m_busy = false;
    } else {
        sqlite3_finalize(m_stmt);
    }
}

void Statement::bind(int index, const QVariant &value)
{
    int rc = SQLITE_OK;
    if (!value.isValid() || value.isNull()) {
        rc = sqlite3_bind_null(m_stmt, index);
    } else {
        switch (value.typeId()) {
        case QMetaType::Bool:
        case QMetaType::Int:
        case QMetaType::UInt:
        case QMetaType::LongLong:
        case QMetaType::ULongLong:
        case QMetaType::Short:
        case QMetaType::Long: rc = sqlite3_bind_int64(m_stmt, index, value.toLongLong()); break;
        case QMetaType::Double:
        case QMetaType::Float: rc = sqlite3_bind_double(m_stmt, index, value.toDouble()); break;
        case QMetaType::QByteArray: {
            const QByteArray bytes = value.toByteArray();
            rc = sqlite3_bind_blob64(m_stmt, index, bytes.constData(), sqlite3_uint64(bytes.size()), SQLITE_TRANSIENT);
            break;
        }
        default: {
            const QByteArray utf8 = value.toString().toUtf8();
            rc = sqlite3_bind_text64(m_stmt, index, utf8.constData(), sqlite3_uint64(utf8.size()), SQLITE_TRANSIENT,
                                     SQLITE_UTF8);
        }
        }
    }
    if (rc != SQLITE_OK)
        m_db.fail(rc, m_sql);
}

void Statement::bindAll(const QVariantList &values)
{
    for (int i = 0; i < values.size(); ++i)
        bind(i + 1, values[i]);
}

bool Statement::step()
{
    if (m_db.writesGuarded() && !sqlite3_stmt_readonly(m_stmt))
        m_db.beforeWrite();
    const int rc = sqlite3_step(m_stmt);
    if (rc == SQLITE_ROW)
        return true;
    if (rc == SQLITE_DONE)
        return false;
    sqlite3_reset(m_stmt);
    m_db.fail(rc, m_sql);
}

void Statement::reset() { sqlite3_reset(m_stmt); }

qint64 Statement::int64(int column) const { return sqlite3_column_int64(m_stmt, column); }

bool Statement::isNull(int column) const { return sqlite3_column_type(m_stmt, column) == SQLITE_NULL; }

QString Statement::text(int column) const
{
    const auto *p = reinterpret_cast<const char *>(sqlite3_column_text(m_stmt, column));
    return QString::fromUtf8(p, sqlite3_column_bytes(m_stmt, column));
}

QVariant Statement::value(int column, FieldType type) const
{
    if (sqlite3_column_type(m_stmt, column) == SQLITE_NULL)
        return {};
    switch (type) {
    case FieldType::Alpha:
    case FieldType::Memo: return text(column);
    case FieldType::Long:
    case FieldType::Short:
    case FieldType::AutoInc: return int(sqlite3_column_int64(m_stmt, column));
    case FieldType::Logical: return sqlite3_column_int64(m_stmt, column) != 0;
    case FieldType::Number: return sqlite3_column_double(m_stmt, column);
    case FieldType::Graphic: {
        const auto *p = static_cast<const char *>(sqlite3_column_blob(m_stmt, column));
        return QByteArray(p, sqlite3_column_bytes(m_stmt, column));
    }
    }
    return {};
}

} // namespace yb
