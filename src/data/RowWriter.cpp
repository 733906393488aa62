#include "data/RowWriter.h"

#include <sqlite3.h>

namespace yb {

using Schema::quoted;

std::optional<qint64> RowWriter::post(bool inserting, qint64 rowId, const QVariantList &values,
                                      const std::vector<bool> &modified, const PostErrorHandler &onError)
{
    const TableInfo &table = m_fields.info();
    const QString name = quoted(m_fields.table());
    qint64 id = rowId;
    try {
        Database::Transaction tx(m_db);
        QStringList columns;
        QVariantList params;
        for (int i = 0; i < table.fields.size(); ++i) {
            if (!modified[size_t(i)])
                continue;
            columns << quoted(table.fields[i].name);
            params << values[i];
        }
        if (inserting) {
            QString sql;
            if (columns.isEmpty()) {
                sql = QStringLiteral("INSERT INTO %1 DEFAULT VALUES").arg(name);
            } else {
                QStringList marks;
                for (int i = 0; i < columns.size(); ++i)
                    marks << QStringLiteral("?");
                sql =
                    QStringLiteral("INSERT INTO %1 (%2) VALUES (%3)").arg(name, columns.join(u", "), marks.join(u", "));
            }
            Statement s(m_db, sql);
            s.bindAll(params);
            s.exec();
            id = sqlite3_last_insert_rowid(m_db.handle());
        } else if (!columns.isEmpty()) {
            for (QString &c : columns)
                c += QStringLiteral(" = ?");
            Statement s(m_db, QStringLiteral("UPDATE %1 SET %2 WHERE rowid = ?").arg(name, columns.join(u", ")));
            s.bindAll(params);
            s.bind(int(params.size()) + 1, id);
            s.exec();
        }
        tx.commit();
    } catch (const DbError &e) {
        const DbError error =
            e.code() == DbError::Code::KeyViolation
                ? DbError(e.code(), QStringLiteral("Key violation: the table %1 already has a row with this key.")
                                        .arg(m_fields.table()))
                : e;
        if (onError && onError(error))
            return std::nullopt;
        throw error;
    }
    m_db.bumpGeneration(m_fields.table());
    return id;
}

void RowWriter::remove(qint64 rowId)
{
    {
        Database::Transaction tx(m_db);
        Statement s(m_db, QStringLiteral("DELETE FROM %1 WHERE rowid = ?").arg(quoted(m_fields.table())));
        s.bind(1, rowId);
        s.exec();
        tx.commit();
    }
    m_db.bumpGeneration(m_fields.table());
}

void RowWriter::empty()
{
    {
        Database::Transaction tx(m_db);
        m_db.exec(QStringLiteral("DELETE FROM %1").arg(quoted(m_fields.table())));
        tx.commit();
    }
    m_db.bumpGeneration(m_fields.table());
}

} // namespace yb
