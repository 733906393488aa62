#include "data/CursorFields.h"

#include <algorithm>

namespace yb {

void CursorFields::open()
{
    m_table = m_db.resolveTable(m_table);
    m_info = m_db.tableInfo(m_table);
}

const TableInfo &CursorFields::info() const
{
    if (!m_info)
        m_info = m_db.tableInfo(m_table);
    return *m_info;
}

int CursorFields::indexOf(QStringView name) const
{
    const int stored = info().fieldIndex(name);
    if (stored >= 0)
        return stored;
    const int base = storedCount();
    for (int i = 0; i < m_calcs.size(); ++i)
        if (m_calcs[i].name.compare(name, Qt::CaseInsensitive) == 0)
            return base + i;
    for (int i = 0; i < m_lookups.size(); ++i)
        if (m_lookups[i].name.compare(name, Qt::CaseInsensitive) == 0)
            return base + int(m_calcs.size()) + i;
    throw DbError(DbError::Code::UnknownField,
                  QStringLiteral("The table %1 has no field %2.").arg(m_table, name.toString()));
}

int CursorFields::calculatedIndexOf(QStringView name) const
{
    const int f = indexOf(name);
    if (!isCalculated(f))
        throw DbError(DbError::Code::UnknownField,
                      QStringLiteral("%1 is not a calculated field of %2.").arg(name.toString(), m_table));
    return f;
}

bool CursorFields::has(QStringView name) const
{
    try {
        indexOf(name);
        return true;
    } catch (const DbError &) {
        return false;
    }
}

const FieldDef &CursorFields::def(int index) const
{
    static const FieldDef calculated{QString(), FieldType::Alpha, 0};
    return index < info().fields.size() ? m_info->fields[index] : calculated;
}

QStringList CursorFields::names() const
{
    QStringList names;
    for (const FieldDef &f : info().fields)
        names << f.name;
    for (const Calculated &c : m_calcs)
        names << c.name;
    for (const LookupField &l : m_lookups)
        names << l.name;
    return names;
}

bool CursorFields::needsWholeRow(const QList<int> &fields) const
{
    return fields.isEmpty() || std::any_of(fields.begin(), fields.end(), [&](int f) { return isCalculated(f); });
}

QList<int> CursorFields::storedFor(const QList<int> &fields) const
{
    QList<int> stored;
    for (int f : fields) {
        if (f < storedCount())
            stored << f;
        else if (f >= firstLookup() && f - firstLookup() < m_lookups.size())
            stored << indexOf(m_lookups[f - firstLookup()].keyField);
    }
    return stored;
}

LookupField &CursorFields::lookup(QStringView name)
{
    for (LookupField &l : m_lookups)
        if (l.name.compare(name, Qt::CaseInsensitive) == 0)
            return l;
    throw DbError(DbError::Code::UnknownField,
                  QStringLiteral("The table %1 has no lookup field %2.").arg(m_table, name.toString()));
}

} // namespace yb
