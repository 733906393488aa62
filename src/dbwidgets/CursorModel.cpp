#include "dbwidgets/CursorModel.h"

#include "dbwidgets/DisplayFormat.h"
#include "dialogs/PoliticaErrores.h"

#include <optional>

namespace yb {
namespace {

bool isEditing(Cursor::State s) { return s == Cursor::State::Edit || s == Cursor::State::Insert; }

bool isNumeric(FieldType t)
{
    return t == FieldType::Number || t == FieldType::Long || t == FieldType::Short || t == FieldType::AutoInc;
}

} // namespace

CursorModel::CursorModel(QObject *parent) : QAbstractTableModel(parent) {}

void CursorModel::setCursor(Cursor *cursor)
{
    if (cursor == m_cursor)
        return;
    m_connections.disconnectAll();
    m_cursor = cursor;
    if (cursor) {
        m_connections << connect(cursor, &Cursor::rowsChanged, this, manejador([this] { reload(); }))
                      << connect(cursor, &Cursor::currentChanged, this, manejador([this] { currentRowChanged(); }))
                      << connect(cursor, &Cursor::recordChanged, this, manejador([this] { recordEdited(); }))
                      << connect(&cursor->database(), &Database::tableChanged, this,
                                 manejador([this](const QString &table) { tableChanged(table); }))
                      << connect(cursor, &QObject::destroyed, this, [this] {
                             m_connections.disconnectAll();
                             reload();
                         });
    }
    reload();
}

void CursorModel::setColumns(const QList<Column> &columns)
{
    m_columns = columns;
    reload();
}

// The cursor announces changes of its own table; lookup columns read other tables.
void CursorModel::tableChanged(const QString &table)
{
    if (m_cursor && m_lookupTables.contains(table, Qt::CaseInsensitive) && m_rowCount > 0 && !m_columns.isEmpty()) {
        // Same rows, other texts.
        m_cache.clear();
        emit dataChanged(index(0, 0), index(m_rowCount - 1, int(m_columns.size()) - 1));
    }
}

void CursorModel::setReadOnly(bool on) { m_readOnly = on; }

void CursorModel::resolveFields()
{
    m_fields.clear();
    m_types.clear();
    m_readFields.clear();
    m_lookupTables.clear();
    const bool open = m_cursor && m_cursor->isOpen();
    for (const Column &c : std::as_const(m_columns)) {
        const int f = open && m_cursor->hasField(c.field) ? m_cursor->fieldIndex(c.field) : -1;
        m_fields << f;
        m_types << (f >= 0 ? m_cursor->fieldDef(f).type : FieldType::Alpha);
        if (f >= 0 && !m_readFields.contains(f))
            m_readFields << f;
        if (f >= 0 && f >= m_cursor->storedFieldCount()) {
            try {
                if (const Cursor *source = m_cursor->lookupField(c.field).source)
                    m_lookupTables << source->tableName();
            } catch (const DbError &) {
                // a calculated field
            }
        }
    }
}

void CursorModel::reload()
{
    beginResetModel();
    m_cache.clear();
    std::optional<DbError> error;
    try {
        resolveFields();
        const bool open = m_cursor && m_cursor->isOpen();
        m_rowCount = open ? m_cursor->recordCount() : 0;
        m_lastRow = open ? m_cursor->recNo() - 1 : -1;
        m_lastState = open ? m_cursor->state() : Cursor::State::Inactive;
    } catch (const DbError &e) {
        // Rows that cannot be read are not shown; the reset always ends, so the view stays whole.
        error = e;
        m_fields.clear();
        m_rowCount = 0;
        m_lastRow = -1;
        m_lastState = Cursor::State::Inactive;
    }
    endResetModel();
    if (error)
        emit errorOccurred(*error);
}

void CursorModel::refreshRow(int row)
{
    if (row < 0 || row >= m_rowCount || m_columns.isEmpty())
        return;
    m_cache.remove(row);
    emit dataChanged(index(row, 0), index(row, int(m_columns.size()) - 1));
}

void CursorModel::currentRowChanged()
{
    if (!m_cursor || !m_cursor->isOpen())
        return;
    const int row = m_cursor->recNo() - 1;
    const Cursor::State state = m_cursor->state();
    // Starting, cancelling or ending an edit changes what the edited row shows.
    if (isEditing(state) || isEditing(m_lastState)) {
        refreshRow(m_lastRow);
        if (row != m_lastRow)
            refreshRow(row);
    }
    m_lastRow = row;
    m_lastState = state;
}

void CursorModel::recordEdited()
{
    if (m_cursor && m_cursor->isOpen())
        refreshRow(m_cursor->recNo() - 1);
}

const QVariantList &CursorModel::rowValues(int row) const
{
    auto it = m_cache.constFind(row);
    if (it != m_cache.constEnd())
        return *it;
    if (m_cache.size() >= kCacheRows)
        m_cache.clear();
    QVariantList values;
    if (!m_readFields.isEmpty()) {
        try {
            const Record record = m_cursor->recordAt(row + 1, m_readFields);
            for (int f : m_fields)
                values << (f >= 0 ? record.value(f) : QVariant());
        } catch (const DbError &) {
            values.clear();
        }
    }
    return *m_cache.insert(row, values);
}

int CursorModel::rowCount(const QModelIndex &parent) const { return parent.isValid() ? 0 : m_rowCount; }

int CursorModel::columnCount(const QModelIndex &parent) const { return parent.isValid() ? 0 : int(m_columns.size()); }

QVariant CursorModel::data(const QModelIndex &index, int role) const
{
    if (!index.isValid() || index.row() >= m_rowCount || !m_cursor || !m_cursor->isOpen())
        return {};
    const int column = index.column();
    const FieldType type = m_types.value(column);
    switch (role) {
    case Qt::DisplayRole: return displayText(rowValues(index.row()).value(column), type, m_columns[column].format);
    case Qt::EditRole: return editText(rowValues(index.row()).value(column), type);
    case Qt::TextAlignmentRole:
        return QVariant::fromValue(Qt::AlignVCenter | (isNumeric(type) ? Qt::AlignRight : Qt::AlignLeft));
    default: return {};
    }
}

QVariant CursorModel::headerData(int section, Qt::Orientation orientation, int role) const
{
    if (orientation == Qt::Horizontal && role == Qt::DisplayRole && section >= 0 && section < m_columns.size())
        return m_columns[section].title;
    return QAbstractTableModel::headerData(section, orientation, role);
}

bool CursorModel::isColumnEditable(int column) const
{
    if (column < 0 || column >= m_columns.size() || m_columns[column].readOnly || !m_cursor)
        return false;
    const int f = m_fields.value(column, -1);
    return f >= 0 && f < m_cursor->storedFieldCount() && m_types[column] != FieldType::AutoInc;
}

Qt::ItemFlags CursorModel::flags(const QModelIndex &index) const
{
    Qt::ItemFlags f = QAbstractTableModel::flags(index);
    if (index.isValid() && !m_readOnly && isColumnEditable(index.column()))
        f |= Qt::ItemIsEditable;
    return f;
}

bool CursorModel::setData(const QModelIndex &index, const QVariant &value, int role)
{
    if (role != Qt::EditRole || !index.isValid() || index.row() >= m_rowCount || !(flags(index) & Qt::ItemIsEditable) ||
        !m_cursor || !m_cursor->isOpen())
        return false;
    const int field = m_fields[index.column()];
    try {
        if (m_cursor->recNo() != index.row() + 1)
            m_cursor->setRecNo(index.row() + 1);
        if (m_cursor->recNo() != index.row() + 1)
            return false; // the record left could not be stored
        m_cursor->edit();
        m_cursor->setValue(field, value);
    } catch (const DbError &e) {
        emit errorOccurred(e);
        return false;
    }
    return true;
}

} // namespace yb
