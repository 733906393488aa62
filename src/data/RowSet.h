#pragma once

#include "data/CursorFields.h"
#include "data/Record.h"

#include <QHash>
#include <QStringList>
#include <algorithm>
#include <vector>

namespace yb {

// What a rebuild of the rows selects: SQL conditions (the link to a master and
// the filter's terms) with their values, and a predicate applied to each row.
struct RowQuery {
    QVariantList linkValues; // the master's values the conditions hold
    QStringList where;
    QVariantList params;
    const RecordPredicate *predicate = nullptr; // null: every row the conditions select
    QList<int> predicateColumns;                // the stored fields the predicate reads
};

// The ordered row set of a cursor: the ids of the rows that pass its link and
// filter in the order of its index, a current position on them, and the
// searches on that order. A row just posted is kept in view where it was
// until the cursor moves, even if it fails the filter.
class RowSet {
public:
    RowSet(Database &db, const CursorFields &fields) : m_db(db), m_fields(fields) {}

    // ---- order
    void setIndex(IndexInfo index);
    const IndexInfo &index() const { return m_index; }

    // ---- building
    // Reads the rows again, on `keepRowId` if it is still there, else at the
    // same position with `keepPosition`, else on the first row. True when the
    // current row is now another one (or none).
    bool rebuild(const RowQuery &query, qint64 keepRowId, bool keepPosition);
    void clear();
    // Built after the table's last change.
    bool isCurrent() const { return m_builtGeneration == m_db.generation(m_fields.table()); }
    const QVariantList &builtLinkValues() const { return m_builtLinkValues; }
    // Puts a posted row at its place in the order and on it without reading
    // every row again: a new row is placed by its key, an edited one moves only
    // when a field of the order changed. The caller knows the row is in view.
    // True when the order of the rows changed.
    bool placePosted(qint64 rowId, bool inserted, const std::vector<bool> &modified);

    // ---- rows and position
    int count() const { return int(m_ids.size()); }
    bool isEmpty() const { return m_ids.empty(); }
    qint64 at(int position) const { return m_ids[size_t(position)]; }
    int positionOf(qint64 rowId) const; // -1 when not in the set
    int position() const { return m_pos; }
    qint64 currentId() const { return m_pos >= 0 && m_pos < count() ? m_ids[size_t(m_pos)] : 0; }
    // Goes to a position (clamped to the rows) and lets go of the row kept in view.
    void moveTo(int position);
    // Goes back to a position without announcing a move (a new row abandoned).
    void returnTo(int position)
    {
        if (!m_ids.empty())
            m_pos = std::clamp(position, 0, count() - 1);
    }
    bool bof() const { return m_bof || m_ids.empty(); }
    bool eof() const { return m_eof || m_ids.empty(); }
    void markBof() { m_bof = true; }
    void markEof() { m_eof = true; }
    // Where a move by a distance goes: a position, or -1 to stay; and whether it
    // ends at the first or the last row (marked once the move is announced).
    struct Step {
        int target = -1;
        bool bof = false;
        bool eof = false;
    };
    Step step(int distance) const;

    // ---- the row kept in view after a post
    void keep(qint64 rowId) { m_kept = rowId; }
    void release() { m_kept = 0; }
    qint64 keptRow() const { return m_kept; }

    // ---- searches; each gives a position or -1
    // The row with these leading key values; a case-insensitive text compares by its letters.
    int findKey(const QVariantList &values) const;
    // Whether findNearest can seek these values with the rows' own query: a one-field
    // key and no row kept in view (the caller knows whether a predicate leaves rows out).
    bool seeksWithQuery(const QVariantList &values) const;
    // The first row at or after these key values, the last row when every key is
    // smaller; -1 when there are no rows or no values. `query`: the rows' own
    // conditions, when seeksWithQuery said so.
    int findNearest(const QVariantList &values, const RowQuery *query) const;
    // The first row in order whose stored fields hold these values; with
    // `letters`, texts compare by their letters alone; with `partial`, a text
    // matches the start of the field. Throws DbError for fields it cannot search.
    int locate(const QStringList &fields, const QVariantList &values, bool letters, bool partial) const;
    // The value of a stored field of the first row whose key field holds `key`;
    // with `everyRow`, any row of the table, else one of this set.
    QVariant lookup(const QString &keyField, const QVariant &key, const QString &resultField, bool everyRow) const;

private:
    QString orderClause() const; // " ORDER BY <index fields>, rowid"
    QVariantList keyOf(qint64 rowId) const;
    int compareKeys(const QVariantList &key, const QVariantList &values, int count, bool firstLevelOnly = false) const;
    int compareKeyAt(int position, const QVariantList &values, int count, bool firstLevelOnly = false) const;
    QVariantList seekValues(const QVariantList &values) const;
    int seekByQuery(const QVariant &seek, const RowQuery &query) const;
    int keyCount(const QVariantList &values) const;

    Database &m_db;
    const CursorFields &m_fields;
    IndexInfo m_index;
    QString m_keySql; // reads a row's index key

    std::vector<qint64> m_ids;
    // Row id -> position for a large set, built when first asked for; empty until then.
    mutable QHash<qint64, int> m_positions;
    quint64 m_builtGeneration = 0;
    QVariantList m_builtLinkValues;
    int m_pos = -1;
    bool m_bof = true;
    bool m_eof = true;
    qint64 m_kept = 0;
};

} // namespace yb
