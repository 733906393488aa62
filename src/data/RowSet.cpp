#include "data/RowSet.h"

#include "data/Collation.h"

namespace yb {
namespace {

using Schema::quoted;

bool isNumeric(const QVariant &v)
{
    switch (v.typeId()) {
    case QMetaType::Bool:
    case QMetaType::Int:
    case QMetaType::UInt:
    case QMetaType::LongLong:
    case QMetaType::ULongLong:
    case QMetaType::Double:
    case QMetaType::Float: return true;
    default: return false;
    }
}

// Orders two values as SQLite orders a column: null, then numbers, then text.
// With `firstLevelOnly`, case-insensitive texts compare by their letters alone.
int compareValues(const QVariant &a, const QVariant &b, bool caseInsensitive, bool firstLevelOnly = false)
{
    const bool nullA = !a.isValid(), nullB = !b.isValid();
    if (nullA || nullB)
        return nullA == nullB ? 0 : (nullA ? -1 : 1);
    const bool numA = isNumeric(a), numB = isNumeric(b);
    if (numA && numB) {
        const double x = a.toDouble(), y = b.toDouble();
        return x < y ? -1 : (x > y ? 1 : 0);
    }
    if (numA != numB)
        return numA ? -1 : 1;
    const QString x = a.toString(), y = b.toString();
    const int c = !caseInsensitive ? x.compare(y)
                  : firstLevelOnly ? Collation::comparePrimary(x, y)
                                   : Collation::compare(x, y);
    return c < 0 ? -1 : (c > 0 ? 1 : 0);
}

// A search value in the type of the field it is compared with.
QVariant searchValue(const FieldDef &field, const QVariant &v)
{
    if (!v.isValid() || v.isNull())
        return {};
    if (field.isText())
        return v.toString();
    if (field.type == FieldType::Number)
        return v.toDouble();
    if (field.isInteger()) {
        bool ok = false;
        const qlonglong n = v.toLongLong(&ok);
        return ok ? QVariant(n) : v;
    }
    return v;
}

// The first of `count` positions at which `compareAt` is not below zero.
template <class CompareAt>
int lowerBound(int count, const CompareAt &compareAt)
{
    int lo = 0, hi = count;
    while (lo < hi) {
        const int mid = lo + (hi - lo) / 2;
        if (compareAt(mid) < 0)
            lo = mid + 1;
        else
            hi = mid;
    }
    return lo;
}

QString collateClause(const char *collation) { return QStringLiteral(" COLLATE ") + QLatin1String(collation); }

} // namespace

// ---- order --------------------------------------------------------------------

void RowSet::setIndex(IndexInfo index)
{
    m_index = std::move(index);
    m_keySql.clear();
    if (m_index.columns.isEmpty())
        return;
    const TableInfo &table = m_fields.info();
    QStringList columns;
    for (const IndexColumn &c : std::as_const(m_index.columns))
        columns << quoted(table.fields[c.field].name);
    m_keySql = QStringLiteral("SELECT %1 FROM %2 WHERE rowid = ?").arg(columns.join(u", "), quoted(m_fields.table()));
}

QString RowSet::orderClause() const
{
    const TableInfo &table = m_fields.info();
    QStringList terms;
    for (const IndexColumn &c : m_index.columns) {
        QString t = quoted(table.fields[c.field].name);
        if (c.caseInsensitive)
            t += collateClause(Collation::kName);
        if (c.descending)
            t += QStringLiteral(" DESC");
        terms << t;
    }
    terms << QStringLiteral("rowid");
    return QStringLiteral(" ORDER BY ") + terms.join(u", ");
}

// ---- building -----------------------------------------------------------------

bool RowSet::rebuild(const RowQuery &query, qint64 keepRowId, bool keepPosition)
{
    const TableInfo &table = m_fields.info();
    QString sql = QStringLiteral("SELECT rowid");
    for (int c : query.predicateColumns)
        sql += QStringLiteral(", ") + quoted(table.fields[c].name);
    sql += QStringLiteral(" FROM ") + quoted(m_fields.table());
    if (!query.where.isEmpty())
        sql += QStringLiteral(" WHERE ") + query.where.join(QStringLiteral(" AND "));
    sql += orderClause();

    const int oldPos = m_pos;
    m_ids.clear();
    m_positions.clear();
    bool keptFound = false;
    {
        Statement s(m_db, sql);
        s.bindAll(query.params);
        QVariantList values;
        if (query.predicate)
            for (int i = 0; i < table.fields.size(); ++i)
                values << QVariant();
        const QList<int> &columns = query.predicateColumns;
        while (s.step()) {
            const qint64 id = s.int64(0);
            if (query.predicate) {
                for (int k = 0; k < columns.size(); ++k)
                    values[columns[k]] = s.value(k + 1, table.fields[columns[k]].type);
                if (!(*query.predicate)(Record(&m_fields, values)))
                    continue;
            }
            if (id == m_kept)
                keptFound = true;
            m_ids.push_back(id);
        }
    }
    // A row just posted stays in view where it was, even if it fails the filter.
    if (m_kept != 0 && !keptFound) {
        Statement exists(m_db, QStringLiteral("SELECT 1 FROM %1 WHERE rowid = ?").arg(quoted(m_fields.table())));
        exists.bind(1, m_kept);
        if (exists.step()) {
            const int at = std::clamp(oldPos, 0, count());
            m_ids.insert(m_ids.begin() + at, m_kept);
        } else {
            m_kept = 0;
        }
    }
    m_builtGeneration = m_db.generation(m_fields.table());
    m_builtLinkValues = query.linkValues;

    const int n = count();
    int pos = n ? 0 : -1;
    const int kept = keepRowId != 0 ? positionOf(keepRowId) : -1;
    if (kept >= 0)
        pos = kept;
    else if (keepPosition && n)
        pos = std::clamp(oldPos, 0, n - 1);
    const bool another = pos != m_pos || n == 0 || pos < 0 || m_ids[size_t(pos)] != keepRowId;
    m_pos = pos;
    m_bof = m_eof = (n == 0);
    return another;
}

void RowSet::clear()
{
    m_ids.clear();
    m_positions.clear();
    m_pos = -1;
    m_bof = m_eof = true;
    m_kept = 0;
}

bool RowSet::placePosted(qint64 rowId, bool inserted, const std::vector<bool> &modified)
{
    bool orderChanged = inserted;
    for (const IndexColumn &c : std::as_const(m_index.columns))
        orderChanged = orderChanged || wasModified(modified, c.field);
    if (orderChanged) {
        std::erase(m_ids, rowId);
        m_positions.clear(); // built again when next asked for, not now
        const QVariantList key = keyOf(rowId);
        const int columns = int(m_index.columns.size());
        // Rows are ordered by their key, then by row id.
        const int at = lowerBound(count(), [&](int i) {
            const qint64 other = m_ids[size_t(i)];
            const int r = columns ? compareKeys(keyOf(other), key, columns) : 0;
            return r != 0 ? r : (other < rowId ? -1 : 1);
        });
        m_ids.insert(m_ids.begin() + at, rowId);
        m_pos = at;
    } else {
        m_pos = positionOf(rowId);
    }
    m_bof = m_eof = false;
    m_builtGeneration = m_db.generation(m_fields.table());
    return orderChanged;
}

// ---- rows and position --------------------------------------------------------

int RowSet::positionOf(qint64 rowId) const
{
    if (m_ids.size() < 64) {
        for (size_t i = 0; i < m_ids.size(); ++i)
            if (m_ids[i] == rowId)
                return int(i);
        return -1;
    }
    if (m_positions.isEmpty()) {
        m_positions.reserve(qsizetype(m_ids.size()));
        for (size_t i = 0; i < m_ids.size(); ++i)
            m_positions.insert(m_ids[i], int(i));
    }
    return m_positions.value(rowId, -1);
}

void RowSet::moveTo(int position)
{
    m_kept = 0;
    const int n = count();
    m_pos = n ? std::clamp(position, 0, n - 1) : -1;
    m_bof = m_eof = (n == 0);
}

RowSet::Step RowSet::step(int distance) const
{
    const int n = count();
    if (n == 0)
        return {-1, true, true};
    const int target = m_pos + distance;
    if (target >= n)
        return {m_pos != n - 1 ? n - 1 : -1, false, true};
    if (target < 0)
        return {m_pos != 0 ? 0 : -1, true, false};
    return {target != m_pos ? target : -1, false, false};
}

// ---- searches -----------------------------------------------------------------

QVariantList RowSet::keyOf(qint64 rowId) const
{
    QVariantList key;
    if (m_index.columns.isEmpty()) {
        key << rowId;
        return key;
    }
    const TableInfo &table = m_fields.info();
    Statement s(m_db, m_keySql);
    s.bind(1, rowId);
    const bool found = s.step();
    for (int i = 0; i < m_index.columns.size(); ++i)
        key << (found ? s.value(i, table.fields[m_index.columns[i].field].type) : QVariant());
    return key;
}

int RowSet::compareKeys(const QVariantList &key, const QVariantList &values, int count, bool firstLevelOnly) const
{
    if (m_index.columns.isEmpty()) {
        const qint64 id = key.value(0).toLongLong(), v = values.value(0).toLongLong();
        return id < v ? -1 : (id > v ? 1 : 0);
    }
    const TableInfo &table = m_fields.info();
    for (int i = 0; i < count; ++i) {
        const IndexColumn &c = m_index.columns[i];
        const FieldDef &f = table.fields[c.field];
        int r = compareValues(key.value(i), searchValue(f, values.value(i)), c.caseInsensitive, firstLevelOnly);
        if (c.descending)
            r = -r;
        if (r != 0)
            return r;
    }
    return 0;
}

int RowSet::compareKeyAt(int position, const QVariantList &values, int count, bool firstLevelOnly) const
{
    const qint64 id = m_ids[size_t(position)];
    if (m_index.columns.isEmpty())
        return compareKeys({id}, values, count);
    return compareKeys(keyOf(id), values, count, firstLevelOnly);
}

// The values a search on the index starts from: a text of a case-insensitive
// column becomes the least text with its letters, so that the search lands on
// the first row that has them ("PIL" on "Píldora").
QVariantList RowSet::seekValues(const QVariantList &values) const
{
    const TableInfo &table = m_fields.info();
    QVariantList seek = values;
    for (int i = 0; i < seek.size() && i < m_index.columns.size(); ++i) {
        const IndexColumn &c = m_index.columns[i];
        if (c.caseInsensitive && !c.descending && table.fields[c.field].isText() && seek[i].isValid())
            seek[i] = Collation::searchKey(seek[i].toString());
    }
    return seek;
}

// How many leading key fields a search compares: those given, at most the index's (one for the row id).
int RowSet::keyCount(const QVariantList &values) const
{
    return int(std::min<qsizetype>(values.size(), std::max<qsizetype>(1, m_index.columns.size())));
}

int RowSet::findKey(const QVariantList &values) const
{
    const int count = keyCount(values);
    if (count == 0)
        return -1;
    if (m_index.columns.isEmpty())
        return positionOf(values[0].toLongLong());
    const int n = this->count();
    const QVariantList seek = seekValues(values);
    const int at = lowerBound(n, [&](int i) { return compareKeyAt(i, seek, count); });
    return at < n && compareKeyAt(at, seek, count, true) == 0 ? at : -1;
}

bool RowSet::seeksWithQuery(const QVariantList &values) const
{
    return !values.isEmpty() && keyCount(values) == 1 && !m_index.columns.isEmpty() && m_kept == 0;
}

int RowSet::findNearest(const QVariantList &values, const RowQuery *query) const
{
    const int n = count();
    if (n == 0 || values.isEmpty())
        return -1;
    const int keys = keyCount(values);
    const QVariantList seek = seekValues(values);
    int at = query ? seekByQuery(seek[0], *query) : -1;
    if (at < 0)
        at = lowerBound(n, [&](int i) { return compareKeyAt(i, seek, keys); });
    return std::min(at, n - 1);
}

// The first row at or after a one-field key, found by the index itself: one
// query instead of a binary search. The row count when every key is smaller;
// -1 when the key is null or its row is not in the set.
int RowSet::seekByQuery(const QVariant &seek, const RowQuery &query) const
{
    const IndexColumn &c = m_index.columns[0];
    const FieldDef &f = m_fields.info().fields[c.field];
    const QVariant value = searchValue(f, seek);
    if (!value.isValid())
        return -1;
    QStringList where = query.where;
    QVariantList params = query.params;
    where << quoted(f.name) + (c.descending ? QStringLiteral(" <= ?") : QStringLiteral(" >= ?")) +
                 (c.caseInsensitive ? collateClause(Collation::kName) : QString());
    params << value;
    Statement s(m_db, QStringLiteral("SELECT rowid FROM %1 WHERE %2%3 LIMIT 1")
                          .arg(quoted(m_fields.table()), where.join(QStringLiteral(" AND ")), orderClause()));
    s.bindAll(params);
    if (!s.step())
        return count();
    return positionOf(s.int64(0));
}

int RowSet::locate(const QStringList &fields, const QVariantList &values, bool letters, bool partial) const
{
    if (fields.size() != values.size() || fields.isEmpty())
        throw DbError(DbError::Code::General, QStringLiteral("Locate needs one value for each field."));
    const TableInfo &table = m_fields.info();
    QStringList where;
    QVariantList params;
    for (int i = 0; i < fields.size(); ++i) {
        const int f = m_fields.indexOf(fields[i]);
        if (f >= m_fields.storedCount())
            throw DbError(DbError::Code::UnknownField,
                          QStringLiteral("Only stored fields of %1 can be located; %2 is not one.")
                              .arg(m_fields.table(), fields[i]));
        const FieldDef &def = table.fields[f];
        const QVariant v = searchValue(def, values[i]);
        const QString column = quoted(def.name);
        // Case-insensitive: the letters alone, as the name list's typed search compares them.
        const bool byLetters = letters && def.isText();
        const QString collate = byLetters ? collateClause(Collation::kLettersName) : QString();
        const int next = int(params.size()) + 1;
        if (!v.isValid()) {
            where << column + QStringLiteral(" IS NULL");
        } else if (partial && def.isText()) {
            where << QStringLiteral("substr(%1, 1, length(?%2)) = ?%2%3").arg(column, QString::number(next), collate);
            params << v;
        } else if (byLetters) {
            // The texts with these letters lie together in the text indexes' order, from
            // the least of them up to it followed by the least character: a range that an
            // index on the field serves, so that a typed synonym is one look-up.
            const QString least = Collation::searchKey(v.toString());
            where << QStringLiteral("%1 >= ?%2 COLLATE %4 AND %1 < ?%3 COLLATE %4 AND %1 = ?%5%6")
                         .arg(column, QString::number(next), QString::number(next + 1), QLatin1String(Collation::kName),
                              QString::number(next + 2), collate);
            params << least << least + QChar(1) << v;
        } else {
            where << column + QStringLiteral(" = ?") + QString::number(next);
            params << v;
        }
    }
    Statement s(m_db, QStringLiteral("SELECT rowid FROM %1 WHERE %2%3")
                          .arg(quoted(m_fields.table()), where.join(QStringLiteral(" AND ")), orderClause()));
    s.bindAll(params);
    int best = -1;
    while (s.step()) {
        const int pos = positionOf(s.int64(0));
        if (pos >= 0 && (best < 0 || pos < best)) {
            best = pos;
            if (m_index.columns.isEmpty() || !m_kept)
                break; // rows come in the cursor's own order
        }
    }
    return best;
}

QVariant RowSet::lookup(const QString &keyField, const QVariant &key, const QString &resultField, bool everyRow) const
{
    const int k = m_fields.indexOf(keyField);
    const int resultIndex = m_fields.indexOf(resultField);
    if (k >= m_fields.storedCount() || resultIndex >= m_fields.storedCount())
        throw DbError(DbError::Code::UnknownField,
                      QStringLiteral("Lookups read stored fields of %1 only.").arg(m_fields.table()));
    const TableInfo &table = m_fields.info();
    const FieldDef &keyDef = table.fields[k];
    const FieldDef &result = table.fields[resultIndex];
    const QVariant v = searchValue(keyDef, key);
    if (!v.isValid())
        return {};
    const QString keyColumn = keyDef.name == table.rowIdField ? QStringLiteral("rowid") : quoted(keyDef.name);
    Statement s(m_db, QStringLiteral("SELECT rowid, %1 FROM %2 WHERE %3 = ?%4")
                          .arg(quoted(result.name), quoted(m_fields.table()), keyColumn,
                               everyRow ? QStringLiteral(" LIMIT 1") : QString()));
    s.bind(1, v);
    while (s.step())
        if (everyRow || positionOf(s.int64(0)) >= 0)
            return s.value(1, result.type);
    return {};
}

} // namespace yb
