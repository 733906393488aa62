#pragma once

#include "data/CursorFields.h"

#include <QVariant>
#include <functional>

namespace yb {

// The values of one row as a cursor reads it, by field name.
class Record {
public:
    Record() = default;
    Record(const CursorFields *fields, QVariantList values) : m_fields(fields), m_values(std::move(values)) {}

    QVariant value(QStringView field) const { return m_fields ? value(m_fields->indexOf(field)) : QVariant(); }
    QVariant value(int field) const { return field < m_values.size() ? m_values[field] : QVariant(); }
    bool isNull(QStringView field) const { return !value(field).isValid(); }
    QString asString(QStringView field) const { return value(field).toString(); }
    int asInt(QStringView field) const { return value(field).toInt(); }
    bool asBool(QStringView field) const { return value(field).toBool(); }
    double asDouble(QStringView field) const { return value(field).toDouble(); }

private:
    const CursorFields *m_fields = nullptr;
    QVariantList m_values;
};

// Whether a row passes a filter, decided by the application from the row's values.
using RecordPredicate = std::function<bool(const Record &)>;

} // namespace yb
