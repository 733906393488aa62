#pragma once

#include "data/Database.h"
#include "data/FilterExpression.h"

#include <QObject>
#include <QStringList>
#include <QVariant>
#include <functional>
#include <vector>

namespace yb {

class Cursor;

// The values of one row as a cursor reads it, by field name.
class Record {
public:
    Record() = default;
    Record(const Cursor *cursor, QVariantList values) : m_cursor(cursor), m_values(std::move(values)) {}

    QVariant value(QStringView field) const;
    QVariant value(int field) const { return field < m_values.size() ? m_values[field] : QVariant(); }
    bool isNull(QStringView field) const { return !value(field).isValid(); }
    QString asString(QStringView field) const { return value(field).toString(); }
    int asInt(QStringView field) const { return value(field).toInt(); }
    bool asBool(QStringView field) const { return value(field).toBool(); }
    double asDouble(QStringView field) const { return value(field).toDouble(); }

private:
    const Cursor *m_cursor = nullptr;
    QVariantList m_values;
};

// A field whose value is read from another cursor by key on every read.
struct LookupField {
    QString name;
    QString keyField;       // field of this cursor holding the key
    Cursor *source = nullptr;
    QString sourceKeyField; // field of the source the key is matched against
    QString resultField;    // field of the source whose value is shown
    int width = 0;
};

// A table cursor: an ordered, filtered, optionally master-linked view of one
// table with a current row and a record buffer. Every table operation of the
// application goes through it.
class Cursor : public QObject {
    Q_OBJECT
public:
    enum class State { Inactive, Browse, Edit, Insert };
    enum LocateOption { NoLocateOptions = 0, CaseInsensitive = 1, Partial = 2 };
    Q_DECLARE_FLAGS(LocateOptions, LocateOption)
    enum class PostErrorAction { Fail, Abort };
    using Bookmark = qint64;
    using Predicate = std::function<bool(const Record &)>;

    Cursor(Database &db, const QString &table, QObject *parent = nullptr);
    ~Cursor() override;

    Database &database() const { return m_db; }
    QString tableName() const { return m_table; }

    // ---- open and close
    void open();
    void close();
    bool isOpen() const { return m_state != State::Inactive; }
    State state() const { return m_state; }

    // ---- order
    void setIndexName(const QString &index); // "" = primary order; keeps the current row
    QString indexName() const { return m_indexName; }
    void addIndex(const QString &name, const QString &field, bool caseInsensitive = true);
    bool hasIndex(const QString &name) const;

    // ---- navigation
    void first();
    void last();
    void next();
    void prior();
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
    QString filter() const { return m_filterText; }
    void setFilterPredicate(Predicate predicate, const QStringList &fields = {});
    void setFiltered(bool on);
    // Rebuilds the rows (after a predicate's criteria changed), keeping the current row if it still passes.
    void refresh();

    // ---- changes
    void append();
    void insert();
    void edit();
    bool post(); // false when the post-error event aborted it
    void cancel();
    void remove();
    void emptyTable();

    // ---- bookmarks
    Bookmark bookmark() const;
    bool gotoBookmark(Bookmark bookmark);
    qint64 rowId() const;

    // ---- display
    void disableControls();
    void enableControls();
    bool controlsDisabled() const { return m_disableCount > 0; }

    // ---- fields
    QStringList fieldNames() const;
    int fieldIndex(QStringView name) const; // throws DbError(UnknownField)
    bool hasField(QStringView name) const;
    const FieldDef &fieldDef(int index) const;
    int storedFieldCount() const;
    QVariant value(QStringView field) const;
    QVariant value(int field) const;
    bool isNull(QStringView field) const { return !value(field).isValid(); }
    QString asString(QStringView field) const { return value(field).toString(); }
    int asInt(QStringView field) const { return value(field).toInt(); }
    bool asBool(QStringView field) const { return value(field).toBool(); }
    double asDouble(QStringView field) const { return value(field).toDouble(); }
    void setValue(QStringView field, const QVariant &value); // throws DbError(NotEditing, BadValue)
    void setValue(int field, const QVariant &value);
    Record currentRecord() const;
    // The row at a position, without moving. With `fields`, only those are read
    // (stored and lookup fields; calculated fields need the whole row).
    Record recordAt(int recNo, const QList<int> &fields = {}) const;

    void addLookupField(const LookupField &field);
    LookupField &lookupField(QStringView name);
    void addCalcField(const QString &name, int width);

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
    void ensureFresh() const;
    void rebuild(qint64 keepRowId, bool keepPosition) const;
    void invalidateBuffer() const;
    void loadBuffer() const;
    QVariantList readRow(qint64 rowId, bool withGraphics, const QList<int> &only = {}) const;
    QVariant computeLookup(const LookupField &field, const QVariantList &row) const;
    bool checkBrowseMode(bool leaving = true); // false: the post, or beforeScroll when leaving, refused
    void moveTo(int position);
    void notifyMoved();
    void notifyChanged();
    void startNew(int position);
    int positionOf(qint64 rowId) const;
    int compareKeyAt(int position, const QVariantList &values, int count, bool firstLevelOnly = false) const;
    int compareKeys(const QVariantList &key, const QVariantList &values, int count, bool firstLevelOnly = false) const;
    QVariantList seekValues(const QVariantList &values) const;
    QVariantList keyOf(qint64 rowId) const;
    int seekNearest(const QVariantList &values, int count) const;
    bool predicateActive() const;
    void conditions(const QVariantList &linkValues, QStringList &where, QVariantList &params) const;
    bool placePosted(qint64 rowId, bool inserted, const std::vector<bool> &modified);
    QVariantList masterValues() const;
    QString orderClause() const;
    void attachDetail(Cursor *detail);
    void detachDetail(Cursor *detail);
    void masterMoved();
    bool displayHeld() const; // by this cursor's suspension or a master's
    void deliverHeldNotices();
    void tableChanged(const QString &table);
    QVariant coerce(const FieldDef &field, const QVariant &value) const;
    const TableInfo &info() const;

    struct CalcField {
        QString name;
        int width;
    };
    class BufferSwap;

    Database &m_db;
    QString m_table;
    mutable std::shared_ptr<const TableInfo> m_info;
    State m_state = State::Inactive;

    QString m_indexName;
    IndexInfo m_index;
    mutable QString m_keySql; // reads a row's index key

    Cursor *m_master = nullptr;
    QStringList m_masterFields;
    std::vector<Cursor *> m_details;

    QString m_filterText;
    QList<FilterTerm> m_filterTerms;
    Predicate m_predicate;
    QStringList m_predicateFields;
    bool m_filtered = false;

    QList<LookupField> m_lookups;
    QList<CalcField> m_calcs;

    // The rows that pass link and filter, in index order, as row ids.
    mutable std::vector<qint64> m_rows;
    mutable QHash<qint64, int> m_positions; // built on demand
    mutable bool m_positionsValid = false;
    mutable quint64 m_builtGeneration = 0;
    mutable QVariantList m_builtMasterValues;
    mutable int m_pos = -1;
    mutable bool m_bof = true;
    mutable bool m_eof = true;
    mutable qint64 m_stickyRowId = 0; // a just-posted row shown even if it fails the filter

    // The record buffer of the current row (stored fields, then calculated ones).
    mutable QVariantList m_buffer;
    mutable bool m_bufferLoaded = false;
    mutable std::vector<bool> m_graphicLoaded;
    std::vector<bool> m_modified;
    int m_insertReturnPos = -1;

    int m_disableCount = 0;
    mutable bool m_pendingNotify = false;
    mutable bool m_rowsRebuilt = false;
};

Q_DECLARE_OPERATORS_FOR_FLAGS(Cursor::LocateOptions)

} // namespace yb
