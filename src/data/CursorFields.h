#pragma once

#include "data/Database.h"

#include <QList>
#include <QString>
#include <QStringList>
#include <memory>
#include <vector>

namespace yb {

class Cursor;

// A field whose value is read from another cursor by key on every read.
struct LookupField {
    QString name;
    QString keyField; // field of this cursor holding the key
    Cursor *source = nullptr;
    QString sourceKeyField; // field of the source the key is matched against
    QString resultField;    // field of the source whose value is shown
    int width = 0;
};

// Whether a field is among those a change assigned (out of range: not assigned).
inline bool wasModified(const std::vector<bool> &modified, int field)
{
    return field >= 0 && size_t(field) < modified.size() && modified[size_t(field)];
}

// The table a cursor reads and the fields it offers, numbered in this order:
// the stored fields of the table, the calculated fields, the lookup fields.
class CursorFields {
public:
    CursorFields(Database &db, const QString &table) : m_db(db), m_table(table) {}

    const QString &table() const { return m_table; }
    // Takes the table's name as the file spells it and reads its description
    // again: the schema may have changed since the last open.
    void open();

    // The table's description: the one the cursor opened with, or the current one while closed.
    const TableInfo &info() const;
    int storedCount() const { return m_info ? int(m_info->fields.size()) : 0; }
    int firstLookup() const { return storedCount() + int(m_calcs.size()); }
    int count() const { return firstLookup() + int(m_lookups.size()); }
    bool isCalculated(int field) const { return field >= storedCount() && field < firstLookup(); }

    int indexOf(QStringView name) const;           // throws DbError(UnknownField)
    int calculatedIndexOf(QStringView name) const; // throws DbError(UnknownField) for another kind of field
    bool has(QStringView name) const;
    const FieldDef &def(int index) const; // a plain text field for calculated and lookup fields
    QStringList names() const;

    void addCalculated(const QString &name, int width) { m_calcs << Calculated{name, width}; }
    int calculatedWidth(int field) const { return m_calcs[field - storedCount()].width; }

    void addLookup(const LookupField &field) { m_lookups << field; }
    LookupField &lookup(QStringView name); // throws DbError(UnknownField)
    const LookupField &lookupAt(int index) const { return m_lookups[index]; }
    // Whether reading these fields (none: all) needs the whole row: a calculated field is among them.
    bool needsWholeRow(const QList<int> &fields) const;
    // The stored fields that reading these fields needs: the stored ones and the keys of the lookups.
    QList<int> storedFor(const QList<int> &fields) const;
    int lookupCount() const { return int(m_lookups.size()); }
    const QList<LookupField> &lookups() const { return m_lookups; }

private:
    struct Calculated {
        QString name;
        int width;
    };

    Database &m_db;
    QString m_table;
    // Read when first asked for while closed; replaced by each open.
    mutable std::shared_ptr<const TableInfo> m_info;
    QList<Calculated> m_calcs;
    QList<LookupField> m_lookups;
};

} // namespace yb
