#pragma once

#include "data/Cursor.h"
#include "dbwidgets/ConnectionSet.h"

#include <QAbstractTableModel>
#include <QHash>
#include <QPointer>

namespace yb {

// A table model over a cursor: one row per record of the cursor, one column per
// chosen field, read without moving the cursor.
class CursorModel : public QAbstractTableModel {
    Q_OBJECT
public:
    // A column of a grid: the field it shows, its title, an optional display
    // format for numbers ("0.0 %"), its width in pixels (0: the view's default).
    struct Column {
        Column() = default;
        Column(QString field, QString title = {}, QString format = {}, int width = 0, bool readOnly = false)
            : field(std::move(field)),
              title(std::move(title)),
              format(std::move(format)),
              width(width),
              readOnly(readOnly)
        {}

        QString field;
        QString title;
        QString format;
        int width = 0;
        bool readOnly = false;
    };

    explicit CursorModel(QObject *parent = nullptr);

    Cursor *cursor() const { return m_cursor; }
    void setCursor(Cursor *cursor); // may be null
    const QList<Column> &columns() const { return m_columns; }
    void setColumns(const QList<Column> &columns);

    // A read-only model refuses every edit, whatever its columns say.
    bool isReadOnly() const { return m_readOnly; }
    void setReadOnly(bool on);
    // A stored field in a column that is not read-only.
    bool isColumnEditable(int column) const;

    int rowCount(const QModelIndex &parent = {}) const override;
    int columnCount(const QModelIndex &parent = {}) const override;
    QVariant data(const QModelIndex &index, int role = Qt::DisplayRole) const override;
    QVariant headerData(int section, Qt::Orientation orientation, int role = Qt::DisplayRole) const override;
    Qt::ItemFlags flags(const QModelIndex &index) const override;
    // Moves the cursor to the row, starts editing and assigns the field; posting is left to the cursor.
    bool setData(const QModelIndex &index, const QVariant &value, int role = Qt::EditRole) override;

signals:
    // An error of the table engine met while assigning a value.
    void errorOccurred(const yb::DbError &error);

private:
    void reload();
    void tableChanged(const QString &table);
    void resolveFields();
    void currentRowChanged();
    void recordEdited();
    void refreshRow(int row);
    const QVariantList &rowValues(int row) const;

    static constexpr int kCacheRows = 256;

    QPointer<Cursor> m_cursor;
    ConnectionSet m_connections;
    QList<Column> m_columns;
    QList<int> m_fields;        // field index of each column, -1 when the cursor lacks it
    QList<FieldType> m_types;   // type of each column's field
    QList<int> m_readFields;    // the valid field indexes, asked of recordAt
    QStringList m_lookupTables; // tables the lookup columns read from
    int m_rowCount = 0;         // as of the last reset
    bool m_readOnly = false;
    int m_lastRow = -1;
    Cursor::State m_lastState = Cursor::State::Inactive;
    mutable QHash<int, QVariantList> m_cache; // row -> column values
};

} // namespace yb
