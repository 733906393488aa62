#pragma once

#include "data/CursorFields.h"

#include <QVariant>
#include <utility>
#include <vector>

namespace yb {

// What a cursor's record buffer holds: nothing (the cursor is closed), a row
// as stored, the user's changes to it, or a new row.
enum class RecordState { Inactive, Browse, Edit, Insert };

// The record buffer of a cursor's current row: its stored fields, then its
// calculated ones, and its state. Pictures are read when first asked for; the
// buffer knows which fields were assigned since an edit began. A buffer that
// holds the user's changes is never read again behind their back.
class RecordBuffer {
public:
    RecordBuffer(Database &db, const CursorFields &fields) : m_db(db), m_fields(fields) {}

    RecordState state() const { return m_state; }
    bool holdsChanges() const { return m_state == RecordState::Edit || m_state == RecordState::Insert; }
    // Browsing a freshly opened table; closed, the buffer is empty.
    void open();
    void close();

    // Reads the row unless the buffer holds one; true when it read a row just
    // now (one with an id), whose calculated fields are then due.
    bool load(qint64 rowId);
    // The row is read again when next asked for, unless the buffer holds the user's changes.
    void invalidate()
    {
        if (!holdsChanges())
            m_loaded = false;
    }
    // Editing the loaded row, nothing assigned yet.
    void beginEdit();
    // A new row: every field null, no picture to read, nothing assigned.
    void beginInsert();
    // Browsing again (the changes posted, cancelled or deleted): the row is read again.
    void endEdit();

    // A stored or calculated field of the loaded row. A picture is read on its
    // first read, unless it was assigned.
    QVariant value(int field, qint64 rowId);
    const QVariantList &values() const { return m_values; }
    // Assigns a stored field of the row being edited, in the field's type;
    // throws DbError(NotEditing, UnknownField, BadValue).
    void assign(int field, const QVariant &value);
    // Sets a calculated field, a text cut to the field's width.
    void setCalculated(int field, const QVariant &value);

    const std::vector<bool> &modified() const { return m_modified; }

    // A row's stored fields, or only those of `only`; calculated fields null.
    QVariantList readRow(qint64 rowId, bool withGraphics, const QList<int> &only = {}) const;
    // Another row's values with its calculated fields: the row takes the
    // buffer's place while `calculate` sets them, and the current row's buffer
    // comes back however it ends.
    template <class Calculate>
    QVariantList calculated(QVariantList row, Calculate &&calculate);

private:
    // A value in a field's type; throws DbError(BadValue) naming the field and table.
    static QVariant coerce(const FieldDef &field, const QVariant &value, const QString &table);

    Database &m_db;
    const CursorFields &m_fields;
    QVariantList m_values;
    bool m_loaded = false;
    std::vector<bool> m_graphicLoaded;
    std::vector<bool> m_modified;
    RecordState m_state = RecordState::Inactive;

    void clearModified() { m_modified.assign(size_t(m_fields.storedCount()), false); }
};

template <class Calculate>
QVariantList RecordBuffer::calculated(QVariantList row, Calculate &&calculate)
{
    struct Restore {
        RecordBuffer &buffer;
        QVariantList values;
        bool loaded;
        std::vector<bool> graphics;
        ~Restore()
        {
            buffer.m_values = std::move(values);
            buffer.m_loaded = loaded;
            buffer.m_graphicLoaded = std::move(graphics);
        }
    };
    Restore restore{*this, std::exchange(m_values, std::move(row)), std::exchange(m_loaded, true),
                    std::exchange(m_graphicLoaded, std::vector<bool>(size_t(m_fields.storedCount()), true))};
    calculate();
    return m_values;
}

} // namespace yb
