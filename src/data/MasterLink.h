#pragma once

#include "data/Database.h"

#include <QStringList>
#include <vector>

namespace yb {

class Cursor;

// The link of a cursor to its master, whose fields its leading index fields
// must equal, and the detail cursors that follow it in turn. The cursors are
// only held here; the cursor that owns the link reads and tells them.
class MasterLink {
public:
    void setMaster(Cursor *master, const QStringList &fields)
    {
        m_master = master;
        m_fields = fields;
    }
    Cursor *master() const { return m_master; }
    const QStringList &fields() const { return m_fields; }
    // The master is going away; the fields stay as they were given.
    void forgetMaster() { m_master = nullptr; }

    void attach(Cursor *detail) { m_details.push_back(detail); }
    void detach(Cursor *detail) { std::erase(m_details, detail); }
    const std::vector<Cursor *> &details() const { return m_details; }

    // Throws DbError(UnknownIndex) when a linked cursor's index has fewer leading fields than the master's fields.
    void checkIndex(const IndexInfo &index, const QString &indexName, const QString &table) const;
    // The link as SQL conditions on the index's leading fields (the row id for
    // the primary order), with the master's values.
    void conditions(const QVariantList &values, const IndexInfo &index, const TableInfo &table, QStringList &where,
                    QVariantList &params) const;
    // The field a new row takes the master's value number `i` into; -1 when none.
    int seededField(int i, const IndexInfo &index, const TableInfo &table) const;
    // Whether a change to these fields may take a row out of the master's rows.
    bool dependsOn(const std::vector<bool> &modified, const IndexInfo &index) const;

private:
    Cursor *m_master = nullptr;
    QStringList m_fields;
    std::vector<Cursor *> m_details;
};

} // namespace yb
