#pragma once

#include "data/Database.h"

#include <QList>
#include <QVariant>

namespace yb {

// A filter expression "Field=Value and Field=Value", parsed into field
// indexes and typed values that are bound as parameters, never pasted as SQL.
struct FilterTerm {
    int field = -1;
    QVariant value;
};

namespace FilterExpression {

// Parses the text against a table's fields; throws DbError(BadFilter) or
// DbError(UnknownField) with a message that names what is wrong.
// An empty or blank text gives no terms.
QList<FilterTerm> parse(const QString &text, const TableInfo &table);

} // namespace FilterExpression
} // namespace yb
