#pragma once

#include "data/CursorFields.h"

#include <QVariant>
#include <functional>
#include <optional>
#include <vector>

namespace yb {

// Writes a cursor's changes to its table, each in one transaction: a posted
// row, a deleted row, an emptied table. Every change raises the table's
// generation; the other cursors hear of it when the writer announces it.
class RowWriter {
public:
    // Decides a post that failed: true abandons it quietly, false lets the error go on.
    using PostErrorHandler = std::function<bool(const DbError &)>;

    RowWriter(Database &db, const CursorFields &fields) : m_db(db), m_fields(fields) {}

    // Inserts a new row, or updates the row `rowId`, with the assigned fields.
    // The row's id; none when the handler abandoned a failed post. A key
    // violation is named as such; every other error is passed on as it came.
    std::optional<qint64> post(bool inserting, qint64 rowId, const QVariantList &values,
                               const std::vector<bool> &modified, const PostErrorHandler &onError);
    void remove(qint64 rowId);
    void empty();
    // Tells the other cursors on the table; the writer's own cursor is up to date first.
    void announce() { m_db.announceChange(m_fields.table()); }

private:
    Database &m_db;
    const CursorFields &m_fields;
};

} // namespace yb
