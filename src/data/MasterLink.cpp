#include "data/MasterLink.h"

#include "data/Collation.h"
#include "data/CursorFields.h"

#include <algorithm>

namespace yb {

void MasterLink::checkIndex(const IndexInfo &index, const QString &indexName, const QString &table) const
{
    if (m_master && m_fields.size() > std::max<qsizetype>(1, index.columns.size()))
        throw DbError(DbError::Code::UnknownIndex,
                      QStringLiteral("The index %1 of %2 cannot follow %3 fields of its master.")
                          .arg(indexName, table)
                          .arg(m_fields.size()));
}

void MasterLink::conditions(const QVariantList &values, const IndexInfo &index, const TableInfo &table,
                            QStringList &where, QVariantList &params) const
{
    if (!m_master)
        return;
    for (int i = 0; i < values.size(); ++i) {
        if (index.columns.isEmpty()) {
            where << QStringLiteral("rowid = ?");
        } else {
            const IndexColumn &c = index.columns[i];
            where << Schema::quoted(table.fields[c.field].name) + QStringLiteral(" = ?") +
                         (c.caseInsensitive ? QStringLiteral(" COLLATE ") + QLatin1String(Collation::kName)
                                            : QString());
        }
        params << values[i];
    }
}

int MasterLink::seededField(int i, const IndexInfo &index, const TableInfo &table) const
{
    return index.columns.isEmpty() ? table.fieldIndex(table.rowIdField) : index.columns[i].field;
}

bool MasterLink::dependsOn(const std::vector<bool> &modified, const IndexInfo &index) const
{
    for (int i = 0; i < m_fields.size() && i < index.columns.size(); ++i)
        if (wasModified(modified, index.columns[i].field))
            return true;
    return false;
}

} // namespace yb
