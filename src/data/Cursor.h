#pragma once

// The table cursor is a façade over parts of its own, which never call it:
//   Cursor -> RowSet, RowFilter, MasterLink, RecordBuffer, RowWriter, CursorNotices
//   RowSet, RowFilter, MasterLink, RecordBuffer, RowWriter -> CursorFields -> Database
// The parts get what they need as arguments or as references to the parts
// they depend on. Only the façade reads other cursors (a master's fields, a
// lookup's source), runs the events and emits the signals.

#include "data/CursorFields.h"
#include "data/CursorNotices.h"
#include "data/Database.h"
#include "data/MasterLink.h"
#include "data/Record.h"
#include "data/RecordBuffer.h"
#include "data/RowFilter.h"
#include "data/RowSet.h"
#include "data/RowWriter.h"

#include <QObject>
#include <QStringList>
#include <QVariant>
#include <functional>
#include <vector>

namespace yb {

// A table cursor: an ordered, filtered, optionally master-linked view of one
// table with a current row and a record buffer. Every table operation of the
// application goes through it.
class Cursor : public QObject {
    Q_OBJECT
public:
    using State = RecordState; // Inactive, Browse, Edit, Insert
    enum LocateOption { NoLocateOptions = 0, CaseInsensitive = 1, Partial = 2 };
    Q_DECLARE_FLAGS(LocateOptions, LocateOption)
    enum class PostErrorAction { Fail, Abort };
    using Bookmark = qint64;
    using Predicate = RecordPredicate;

    Cursor(Database &db, const QString &table, QObject *parent = nullptr);
    ~Cursor() override;

    Database &database() const { return m_db; }
    QString tableName() const { return m_fields.table(); }

    // ---- open and close
    void open();
    void close();
    bool isOpen() const { return m_record.state() != State::Inactive; }
    State state() const { return m_record.state(); }

    // ---- order
    void setIndexName(const QString &index); // "" = primary order; keeps the current row
    QString indexName() const { return m_indexName; }
    void addIndex(const QString &name, const QString &field, bool caseInsensitive = true)
    {
        m_db.createIndex(m_fields.table(), name, field, caseInsensitive);
    }
    bool hasIndex(const QString &name) const { return m_db.hasIndex(m_fields.table(), name); }

    // ---- navigation
    void first();
    void last();
    void next() { moveBy(1); }
    void prior() { moveBy(-1); }
    void moveBy(int distance);
    bool eof() const;
    bool bof() const;
    bool isEmpty() const { return recordCount() == 0; }
    int recordCount() const;
    int recNo() const; // 1-based position, 0 when empty
    void setRecNo(int recNo);

    // ---- searching
    bool findKey(const QVariantList &values);
    void findNearest(const QVariantList &values);
    bool locate(const QStringList &fields, const QVariantList &values, LocateOptions options = {});
    QVariant lookup(const QString &keyField, const QVariant &key, const QString &resultField) const;

    // ---- master link: rows whose leading index fields equal the master's fields
    void setMasterLink(Cursor *master, const QStringList &masterFields);

    // ---- filters
    void setFilter(const QString &expression); // throws DbError(BadFilter)
    QString filter() const { return m_filter.expression(); }
    void setFilterPredicate(Predicate predicate, const QStringList &fields = {})
    {
        m_filter.setPredicate(std::move(predicate), fields);
    }
    void setFiltered(bool on);
    // Rebuilds the rows (after a predicate's criteria changed), keeping the current row if it still passes.
    void refresh();

    // ---- changes
    void append();
    void insert() { append(); } // a new row takes its place in the order when posted, wherever begun
    void edit();
    bool post(); // false when the post-error event aborted it
    void cancel();
    void remove();
    void emptyTable();

    // ---- bookmarks
    Bookmark bookmark() const;
    bool gotoBookmark(Bookmark bookmark);
    qint64 rowId() const { return state() == State::Insert ? 0 : m_rows.currentId(); }

    // ---- display
    void disableControls() { m_notices.suspend(); }
    void enableControls();
    bool controlsDisabled() const { return m_notices.isSuspended(); }

    // ---- fields
    QStringList fieldNames() const { return m_fields.names(); }
    int fieldIndex(QStringView name) const { return m_fields.indexOf(name); } // throws DbError(UnknownField)
    bool hasField(QStringView name) const { return m_fields.has(name); }
    const FieldDef &fieldDef(int index) const { return m_fields.def(index); }
    int storedFieldCount() const { return m_fields.storedCount(); }
    QVariant value(QStringView field) const { return value(fieldIndex(field)); }
    QVariant value(int field) const;
    bool isNull(QStringView field) const { return !value(field).isValid(); }
    QString asString(QStringView field) const { return value(field).toString(); }
    int asInt(QStringView field) const { return value(field).toInt(); }
    bool asBool(QStringView field) const { return value(field).toBool(); }
    double asDouble(QStringView field) const { return value(field).toDouble(); }
    // Assigns a stored field of the record being edited; throws DbError(NotEditing, BadValue).
    void setValue(QStringView field, const QVariant &value) { setValue(fieldIndex(field), value); }
    void setValue(int field, const QVariant &value);
    Record currentRecord() const;
    // The row at a position, without moving. With `fields`, only those are read
    // (stored and lookup fields; calculated fields need the whole row).
    Record recordAt(int recNo, const QList<int> &fields = {}) const;

    void addLookupField(const LookupField &field) { m_fields.addLookup(field); }
    LookupField &lookupField(QStringView name) { return m_fields.lookup(name); }
    void addCalcField(const QString &name, int width) { m_fields.addCalculated(name, width); }

    // ---- events, assigned like handlers
    // Before the current row may be left (a move, a new filter, an append, a delete):
    // false keeps the cursor where it is.
    std::function<bool(Cursor &)> beforeScroll;
    std::function<void(Cursor &)> afterScroll;
    std::function<void(Cursor &)> afterInsert;
    std::function<void(Cursor &)> afterPost;
    std::function<void(Cursor &)> calcFields; // sets calculated fields with setCalcValue
    std::function<PostErrorAction(Cursor &, const DbError &)> onPostError;
    void setCalcValue(QStringView field, const QVariant &value);

signals:
    // The set or order of rows changed (open, close, filter, order, link, post,
    // delete, also by another cursor on the table).
    void rowsChanged();
    // The current row, the cursor's state or the current row's fields changed
    // (also by another cursor's post). While the display is held, notices wait
    // for the resume.
    void currentChanged();
    // A field of the record being edited was assigned.
    void recordChanged();

private:
    void requireOpen() const;
    void requireFresh() const; // open, and the rows up to date
    bool editing() const { return m_record.holdsChanges(); }
    // Brings the rows up to date when the table changed or the master moved since they were built.
    void ensureFresh() const;
    void rebuildRows(qint64 keepRowId, bool keepPosition) const;
    void rebuildFromFirst() const;
    // The link's and the filter's conditions, without the predicate's columns.
    RowQuery conditions() const;
    QVariantList masterValues() const;
    void loadRecord() const;
    void runCalcFields() const;
    QVariant lookupValue(const LookupField &field, const QVariantList &row) const;
    bool checkBrowseMode(bool leaving = true); // false: the post, or beforeScroll when leaving, refused
    bool readyToMove();                        // open, up to date, and the current row may be left
    bool moveToFound(int position);            // false when not found (-1) or the current row may not be left
    void moveTo(int position);
    void notifyMoved();
    void notifyChanged();
    void masterMoved();
    bool displayHeld() const; // by this cursor's suspension or a master's
    void deliverHeldNotices();
    void tableChanged(const QString &table);

    Database &m_db;
    CursorFields m_fields;
    QString m_indexName;
    MasterLink m_link;
    RowFilter m_filter;
    RowWriter m_writer;
    int m_insertReturnPos = -1;

    // Reads bring these up to date: another cursor's post, or a master's move,
    // is seen when this cursor is next read.
    mutable RowSet m_rows;
    mutable RecordBuffer m_record;
    mutable CursorNotices m_notices;

    // The cursor handed to the calculated-fields event, which a read runs when
    // it brings in a row: this cursor, bound once when it is made.
    Cursor &m_self = *this;
};

Q_DECLARE_OPERATORS_FOR_FLAGS(Cursor::LocateOptions)

} // namespace yb
