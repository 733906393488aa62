#include "data/RecordBuffer.h"

#include <limits>

namespace yb {

using Schema::quoted;

bool RecordBuffer::load(qint64 rowId)
{
    if (m_loaded)
        return false;
    const int stored = m_fields.storedCount();
    m_graphicLoaded.assign(size_t(stored), false);
    if (rowId == 0) {
        m_values.clear();
        for (int i = 0; i < m_fields.firstLookup(); ++i)
            m_values << QVariant();
    } else {
        m_values = readRow(rowId, false);
    }
    m_loaded = true;
    return rowId != 0;
}

void RecordBuffer::open()
{
    clearModified();
    m_state = RecordState::Browse;
}

void RecordBuffer::close()
{
    m_state = RecordState::Inactive;
    m_values.clear();
    m_loaded = false;
}

void RecordBuffer::beginEdit()
{
    clearModified();
    m_state = RecordState::Edit;
}

void RecordBuffer::beginInsert()
{
    m_values.clear();
    for (int i = 0; i < m_fields.firstLookup(); ++i)
        m_values << QVariant();
    m_loaded = true;
    m_graphicLoaded.assign(size_t(m_fields.storedCount()), true);
    clearModified();
    m_state = RecordState::Insert;
}

void RecordBuffer::endEdit()
{
    m_state = RecordState::Browse;
    clearModified();
    m_loaded = false;
}

QVariant RecordBuffer::value(int field, qint64 rowId)
{
    if (field < m_fields.storedCount() && m_fields.info().fields[field].type == FieldType::Graphic &&
        !m_graphicLoaded[size_t(field)]) {
        m_graphicLoaded[size_t(field)] = true;
        if (rowId != 0 && !(holdsChanges() && m_modified[size_t(field)])) {
            Statement s(m_db, QStringLiteral("SELECT %1 FROM %2 WHERE rowid = ?")
                                  .arg(quoted(m_fields.info().fields[field].name), quoted(m_fields.table())));
            s.bind(1, rowId);
            if (s.step())
                m_values[field] = s.value(0, FieldType::Graphic);
        }
    }
    return m_values[field];
}

void RecordBuffer::assign(int field, const QVariant &value)
{
    const int stored = m_fields.storedCount();
    if (!holdsChanges())
        throw DbError(DbError::Code::NotEditing,
                      QStringLiteral("The table %1 is not being edited, so %2 cannot be changed.")
                          .arg(m_fields.table(), field >= 0 && field < stored ? m_fields.info().fields[field].name
                                                                              : QString::number(field)));
    if (field < 0 || field >= stored)
        throw DbError(DbError::Code::UnknownField,
                      QStringLiteral("Only stored fields of %1 can be changed.").arg(m_fields.table()));
    // Holding changes, the buffer is loaded: edit and insert begin on a loaded one.
    m_values[field] = coerce(m_fields.info().fields[field], value, m_fields.table());
    m_modified[size_t(field)] = true;
    m_graphicLoaded[size_t(field)] = true;
}

void RecordBuffer::setCalculated(int field, const QVariant &value)
{
    QVariant v = value;
    const int width = m_fields.calculatedWidth(field);
    if (width > 0 && v.typeId() == QMetaType::QString)
        v = v.toString().left(width);
    m_values[field] = v;
}

QVariantList RecordBuffer::readRow(qint64 rowId, bool withGraphics, const QList<int> &only) const
{
    const TableInfo &table = m_fields.info();
    QVariantList row;
    const int stored = int(table.fields.size());
    QString sql = QStringLiteral("SELECT ");
    QList<int> columns;
    for (int i = 0; i < stored; ++i) {
        if (!withGraphics && table.fields[i].type == FieldType::Graphic)
            continue;
        if (!only.isEmpty() && !only.contains(i))
            continue;
        sql += (columns.isEmpty() ? QString() : QStringLiteral(", ")) + quoted(table.fields[i].name);
        columns << i;
    }
    const int total = m_fields.firstLookup();
    row.reserve(total);
    for (int i = 0; i < total; ++i)
        row << QVariant();
    if (columns.isEmpty())
        return row;
    sql += QStringLiteral(" FROM %1 WHERE rowid = ?").arg(quoted(m_fields.table()));
    Statement s(m_db, sql);
    s.bind(1, rowId);
    if (s.step())
        for (int k = 0; k < columns.size(); ++k)
            row[columns[k]] = s.value(k, table.fields[columns[k]].type);
    return row;
}

QVariant RecordBuffer::coerce(const FieldDef &field, const QVariant &value, const QString &table)
{
    if (!value.isValid() || value.isNull())
        return {};
    const auto bad = [&] {
        return DbError(DbError::Code::BadValue, QStringLiteral("\"%1\" is not a valid value for the field %2 of %3.")
                                                    .arg(value.toString(), field.name, table));
    };
    const bool isText = value.typeId() == QMetaType::QString;
    if (!field.isText() && field.type != FieldType::Graphic && isText && value.toString().trimmed().isEmpty())
        return {}; // an empty text clears a number
    bool ok = true;
    switch (field.type) {
    case FieldType::Alpha: return value.toString().left(field.size);
    case FieldType::Memo: return value.toString();
    case FieldType::Long:
    case FieldType::AutoInc:
    case FieldType::Short: {
        const qlonglong n = isText ? value.toString().trimmed().toLongLong(&ok) : value.toLongLong(&ok);
        if (!isText && value.typeId() == QMetaType::Double && value.toDouble() != double(n))
            ok = false;
        const qlonglong lo = field.type == FieldType::Short ? -32768 : std::numeric_limits<qint32>::min();
        const qlonglong hi = field.type == FieldType::Short ? 32767 : std::numeric_limits<qint32>::max();
        if (!ok || n < lo || n > hi)
            throw bad();
        return int(n);
    }
    case FieldType::Logical: {
        if (value.typeId() == QMetaType::Bool)
            return value.toBool();
        const QString t = value.toString().trimmed();
        if (t.compare(u"true", Qt::CaseInsensitive) == 0 || t == u"1")
            return true;
        if (t.compare(u"false", Qt::CaseInsensitive) == 0 || t == u"0")
            return false;
        throw bad();
    }
    case FieldType::Number: {
        const double d = isText ? value.toString().trimmed().toDouble(&ok) : value.toDouble(&ok);
        if (!ok)
            throw bad();
        return d;
    }
    case FieldType::Graphic: return value.toByteArray();
    }
    return value;
}

} // namespace yb
