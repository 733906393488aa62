#pragma once

#include "data/CursorFields.h"
#include "data/FilterExpression.h"
#include "data/Record.h"

#include <QStringList>
#include <vector>

namespace yb {

// Which rows of its table a cursor shows while filtering is on: those whose
// fields equal an expression's terms and that a predicate accepts.
class RowFilter {
public:
    const QString &expression() const { return m_text; }
    // Takes a new expression; with the table's description (an open cursor) it
    // is parsed first and throws DbError(BadFilter) before anything changes.
    void setExpression(const QString &text, const TableInfo *table);
    // Parses the expression again for a table being opened; throws as setExpression.
    void parse(const TableInfo &table) { m_terms = FilterExpression::parse(m_text, table); }

    // `fields`: the stored fields the predicate reads; empty, every one but pictures.
    void setPredicate(RecordPredicate predicate, const QStringList &fields);
    const RecordPredicate &predicate() const { return m_predicate; }
    bool predicateActive() const { return m_on && bool(m_predicate); }
    // The stored fields a rebuild reads for the predicate.
    QList<int> predicateColumns(const CursorFields &fields) const;

    void setOn(bool on) { m_on = on; }
    bool isOn() const { return m_on; }
    // Whether the filter leaves rows out at all.
    bool narrows() const { return m_on && (!m_terms.isEmpty() || bool(m_predicate)); }

    // The expression's terms as SQL conditions with their values (nothing while off).
    void conditions(const TableInfo &table, QStringList &where, QVariantList &params) const;
    // Whether a change to these fields may take a row into or out of view.
    bool dependsOn(const std::vector<bool> &modified, const CursorFields &fields) const;

private:
    QString m_text;
    QList<FilterTerm> m_terms;
    RecordPredicate m_predicate;
    QStringList m_predicateFields;
    bool m_on = false;
};

} // namespace yb
