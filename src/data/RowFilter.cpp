#include "data/RowFilter.h"

namespace yb {

void RowFilter::setExpression(const QString &text, const TableInfo *table)
{
    QList<FilterTerm> terms;
    if (table)
        terms = FilterExpression::parse(text, *table);
    m_text = text;
    m_terms = terms;
}

void RowFilter::setPredicate(RecordPredicate predicate, const QStringList &fields)
{
    m_predicate = std::move(predicate);
    m_predicateFields = fields;
}

QList<int> RowFilter::predicateColumns(const CursorFields &fields) const
{
    QList<int> columns;
    if (m_predicateFields.isEmpty()) {
        const TableInfo &table = fields.info();
        for (int i = 0; i < table.fields.size(); ++i)
            if (table.fields[i].type != FieldType::Graphic)
                columns << i;
    } else {
        for (const QString &f : m_predicateFields)
            columns << fields.indexOf(f);
    }
    return columns;
}

void RowFilter::conditions(const TableInfo &table, QStringList &where, QVariantList &params) const
{
    if (!m_on)
        return;
    for (const FilterTerm &t : m_terms) {
        where << Schema::quoted(table.fields[t.field].name) + QStringLiteral(" = ?");
        params << t.value;
    }
}

bool RowFilter::dependsOn(const std::vector<bool> &modified, const CursorFields &fields) const
{
    if (!m_on)
        return false;
    for (const FilterTerm &t : m_terms)
        if (wasModified(modified, t.field))
            return true;
    if (m_predicate) {
        if (m_predicateFields.isEmpty())
            return true;
        for (const QString &f : m_predicateFields)
            if (wasModified(modified, fields.indexOf(f)))
                return true;
    }
    return false;
}

} // namespace yb
