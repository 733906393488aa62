#include "data/Cursor.h"

#include "data/Collation.h"

#include <sqlite3.h>
#include <utility>

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

} // namespace

// ---- Record -------------------------------------------------------------------

QVariant Record::value(QStringView field) const
{
    if (!m_cursor)
        return {};
    return value(m_cursor->fieldIndex(field));
}

// ---- Cursor: set-up -----------------------------------------------------------

Cursor::Cursor(Database &db, const QString &table, QObject *parent) : QObject(parent), m_db(db), m_table(table)
{
    connect(&db, &Database::tableChanged, this, &Cursor::tableChanged);
}

Cursor::~Cursor()
{
    if (m_master)
        m_master->detachDetail(this);
    for (Cursor *d : m_details)
        d->m_master = nullptr;
}

void Cursor::requireOpen() const
{
    if (m_state == State::Inactive)
        throw DbError(DbError::Code::Closed, QStringLiteral("The table %1 is not open.").arg(m_table));
}

void Cursor::open()
{
    if (isOpen())
        return;
    m_table = m_db.resolveTable(m_table);
    m_info = m_db.tableInfo(m_table); // read again: the schema may have changed since
    m_index = m_db.indexInfo(m_table, m_indexName);
    m_keySql.clear();
    if (m_master && m_masterFields.size() > std::max<qsizetype>(1, m_index.columns.size()))
        throw DbError(DbError::Code::UnknownIndex,
                      QStringLiteral("The index %1 of %2 cannot follow %3 fields of its master.")
                          .arg(m_indexName, m_table)
                          .arg(m_masterFields.size()));
    m_filterTerms = FilterExpression::parse(m_filterText, *m_info);
    for (const LookupField &l : std::as_const(m_lookups))
        if (l.source && l.source != this)
            l.source->open();
    m_modified.assign(m_info->fields.size(), false);
    m_state = State::Browse;
    rebuild(0, false);
    m_bof = true;
    notifyMoved();
}

void Cursor::close()
{
    if (!isOpen())
        return;
    m_state = State::Inactive;
    m_rows.clear();
    m_positions.clear();
    m_positionsValid = false;
    m_pos = -1;
    m_bof = m_eof = true;
    m_stickyRowId = 0;
    m_buffer.clear();
    m_bufferLoaded = false;
    if (displayHeld()) {
        m_rowsRebuilt = m_pendingNotify = true;
        return;
    }
    emit rowsChanged();
    emit currentChanged();
}

// ---- rows ---------------------------------------------------------------------

QString Cursor::orderClause() const
{
    QStringList terms;
    for (const IndexColumn &c : m_index.columns) {
        QString t = quoted(m_info->fields[c.field].name);
        if (c.caseInsensitive)
            t += QStringLiteral(" COLLATE ") + QLatin1String(Collation::kName);
        if (c.descending)
            t += QStringLiteral(" DESC");
        terms << t;
    }
    terms << QStringLiteral("rowid");
    return QStringLiteral(" ORDER BY ") + terms.join(u", ");
}

QVariantList Cursor::masterValues() const
{
    QVariantList values;
    if (!m_master)
        return values;
    for (const QString &f : m_masterFields)
        values << (m_master->isOpen() ? m_master->value(f) : QVariant());
    return values;
}

void Cursor::ensureFresh() const
{
    if (m_state == State::Inactive)
        return;
    if (m_db.generation(m_table) != m_builtGeneration) {
        rebuild(rowId(), true);
        invalidateBuffer(); // another cursor may have changed this very row
    } else if (m_master && m_state == State::Browse && masterValues() != m_builtMasterValues) {
        m_stickyRowId = 0;
        rebuild(0, false);
        m_bof = true;
    } else {
        return;
    }
    // Rebuilt by a read while the display is held: the views hear of it on resume.
    if (displayHeld())
        m_pendingNotify = true;
}

bool Cursor::predicateActive() const { return m_filtered && bool(m_predicate); }

// The link to the master and the filter's terms, as SQL conditions with their values.
void Cursor::conditions(const QVariantList &linkValues, QStringList &where, QVariantList &params) const
{
    if (m_master) {
        for (int i = 0; i < linkValues.size(); ++i) {
            if (m_index.columns.isEmpty()) {
                where << QStringLiteral("rowid = ?");
            } else {
                const IndexColumn &c = m_index.columns[i];
                where << quoted(m_info->fields[c.field].name) + QStringLiteral(" = ?")
                             + (c.caseInsensitive ? QStringLiteral(" COLLATE ") + QLatin1String(Collation::kName)
                                                  : QString());
            }
            params << linkValues[i];
        }
    }
    if (m_filtered) {
        for (const FilterTerm &t : m_filterTerms) {
            where << quoted(m_info->fields[t.field].name) + QStringLiteral(" = ?");
            params << t.value;
        }
    }
}

void Cursor::rebuild(qint64 keepRowId, bool keepPosition) const
{
    const QVariantList linkValues = masterValues();
    const bool predicate = predicateActive();

    // Which stored fields the predicate reads (all but pictures when it does not say).
    QList<int> predicateColumns;
    if (predicate) {
        if (m_predicateFields.isEmpty()) {
            for (int i = 0; i < m_info->fields.size(); ++i)
                if (m_info->fields[i].type != FieldType::Graphic)
                    predicateColumns << i;
        } else {
            for (const QString &f : m_predicateFields)
                predicateColumns << fieldIndex(f);
        }
    }

    QString sql = QStringLiteral("SELECT rowid");
    for (int c : predicateColumns)
        sql += QStringLiteral(", ") + quoted(m_info->fields[c].name);
    sql += QStringLiteral(" FROM ") + quoted(m_table);
    QStringList where;
    QVariantList params;
    conditions(linkValues, where, params);
    if (!where.isEmpty())
        sql += QStringLiteral(" WHERE ") + where.join(QStringLiteral(" AND "));
    sql += orderClause();

    const int oldPos = m_pos;
    m_rows.clear();
    m_positionsValid = false;
    bool stickyFound = false;
    {
        Statement s(m_db, sql);
        s.bindAll(params);
        QVariantList values;
        if (predicate)
            for (int i = 0; i < m_info->fields.size(); ++i)
                values << QVariant();
        while (s.step()) {
            const qint64 id = s.int64(0);
            if (predicate) {
                for (int k = 0; k < predicateColumns.size(); ++k)
                    values[predicateColumns[k]] = s.value(k + 1, m_info->fields[predicateColumns[k]].type);
                if (!m_predicate(Record(this, values)))
                    continue;
            }
            if (id == m_stickyRowId)
                stickyFound = true;
            m_rows.push_back(id);
        }
    }
    // A row just posted stays in view where it was, even if it fails the filter.
    if (m_stickyRowId != 0 && !stickyFound) {
        Statement exists(m_db, QStringLiteral("SELECT 1 FROM %1 WHERE rowid = ?").arg(quoted(m_table)));
        exists.bind(1, m_stickyRowId);
        if (exists.step()) {
            const int at = std::clamp(oldPos, 0, int(m_rows.size()));
            m_rows.insert(m_rows.begin() + at, m_stickyRowId);
        } else {
            m_stickyRowId = 0;
        }
    }
    m_builtGeneration = m_db.generation(m_table);
    m_builtMasterValues = linkValues;
    m_rowsRebuilt = true;

    const int count = int(m_rows.size());
    int pos = count ? 0 : -1;
    if (keepRowId != 0 && positionOf(keepRowId) >= 0)
        pos = positionOf(keepRowId);
    else if (keepPosition && count)
        pos = std::clamp(oldPos, 0, count - 1);
    if (pos != m_pos || count == 0 || pos < 0 || m_rows[pos] != keepRowId)
        invalidateBuffer();
    m_pos = pos;
    m_bof = m_eof = (count == 0);
}

int Cursor::positionOf(qint64 rowId) const
{
    if (m_rows.size() < 64) {
        for (size_t i = 0; i < m_rows.size(); ++i)
            if (m_rows[i] == rowId)
                return int(i);
        return -1;
    }
    if (!m_positionsValid) {
        m_positions.clear();
        m_positions.reserve(qsizetype(m_rows.size()));
        for (size_t i = 0; i < m_rows.size(); ++i)
            m_positions.insert(m_rows[i], int(i));
        m_positionsValid = true;
    }
    return m_positions.value(rowId, -1);
}

void Cursor::invalidateBuffer() const
{
    if (m_state == State::Edit || m_state == State::Insert)
        return; // the buffer holds the user's changes
    m_bufferLoaded = false;
}

// ---- notifications ------------------------------------------------------------

void Cursor::notifyChanged()
{
    if (displayHeld()) {
        m_pendingNotify = true;
        return;
    }
    m_pendingNotify = false;
    for (Cursor *d : m_details) {
        if (d->isOpen() && d->masterValues() != d->m_builtMasterValues)
            d->masterMoved();
        else
            d->deliverHeldNotices();
    }
    if (m_rowsRebuilt) {
        emit rowsChanged();
        m_rowsRebuilt = false; // also when a view's reads rebuilt the rows meanwhile
    }
    emit currentChanged();
}

bool Cursor::displayHeld() const { return m_disableCount > 0 || (m_master && m_master->displayHeld()); }

void Cursor::deliverHeldNotices()
{
    if (m_pendingNotify) {
        notifyChanged();
        return;
    }
    for (Cursor *d : m_details)
        d->deliverHeldNotices();
}

void Cursor::tableChanged(const QString &table)
{
    if (!isOpen() || table.compare(m_table, Qt::CaseInsensitive) != 0)
        return;
    if (m_builtGeneration == m_db.generation(m_table))
        return; // already up to date: the change was this cursor's own
    if (m_state != State::Browse)
        return; // the buffer holds the user's changes; post or cancel announces
    // Another cursor (or a script) changed the table: the rows and the current
    // row's fields may differ. They are read again when a view asks.
    m_rowsRebuilt = true;
    notifyChanged();
}

void Cursor::notifyMoved()
{
    notifyChanged();
    if (afterScroll)
        afterScroll(*this);
}

void Cursor::masterMoved()
{
    if (!isOpen())
        return;
    if (!checkBrowseMode())
        cancel();
    m_stickyRowId = 0;
    rebuild(0, false);
    m_bof = true;
    notifyMoved();
}

void Cursor::attachDetail(Cursor *detail) { m_details.push_back(detail); }

void Cursor::detachDetail(Cursor *detail) { std::erase(m_details, detail); }

void Cursor::disableControls() { ++m_disableCount; }

void Cursor::enableControls()
{
    if (m_disableCount > 0 && --m_disableCount == 0)
        deliverHeldNotices();
}

// ---- order --------------------------------------------------------------------

void Cursor::setIndexName(const QString &index)
{
    if (index.compare(m_indexName, Qt::CaseInsensitive) == 0 && (isOpen() || index == m_indexName))
        return;
    if (!isOpen()) {
        m_indexName = index;
        return;
    }
    IndexInfo info = m_db.indexInfo(m_table, index); // throws when missing
    if (!checkBrowseMode(false)) // another order keeps the current row
        return;
    m_indexName = index;
    m_index = std::move(info);
    m_keySql.clear();
    rebuild(rowId(), true);
    notifyChanged();
}

bool Cursor::hasIndex(const QString &name) const { return m_db.hasIndex(m_table, name); }

void Cursor::addIndex(const QString &name, const QString &field, bool caseInsensitive)
{
    m_db.createIndex(m_table, name, field, caseInsensitive);
}

// ---- navigation ---------------------------------------------------------------

bool Cursor::checkBrowseMode(bool leaving)
{
    if (leaving && beforeScroll && !beforeScroll(*this))
        return false;
    if (m_state == State::Edit || m_state == State::Insert)
        return post();
    return true;
}

void Cursor::moveTo(int position)
{
    m_stickyRowId = 0;
    const int count = int(m_rows.size());
    m_pos = count ? std::clamp(position, 0, count - 1) : -1;
    m_bof = m_eof = false;
    if (count == 0)
        m_bof = m_eof = true;
    invalidateBuffer();
    notifyMoved();
}

void Cursor::first()
{
    requireOpen();
    ensureFresh();
    if (!checkBrowseMode())
        return;
    moveTo(0);
    m_bof = true;
}

void Cursor::last()
{
    requireOpen();
    ensureFresh();
    if (!checkBrowseMode())
        return;
    moveTo(int(m_rows.size()) - 1);
    m_eof = true;
}

void Cursor::moveBy(int distance)
{
    requireOpen();
    ensureFresh();
    if (!checkBrowseMode())
        return;
    const int count = int(m_rows.size());
    if (count == 0) {
        m_bof = m_eof = true;
        return;
    }
    const int target = m_pos + distance;
    if (target >= count) {
        const bool moved = m_pos != count - 1;
        if (moved)
            moveTo(count - 1);
        m_eof = true;
        return;
    }
    if (target < 0) {
        const bool moved = m_pos != 0;
        if (moved)
            moveTo(0);
        m_bof = true;
        return;
    }
    if (target != m_pos)
        moveTo(target);
}

void Cursor::next() { moveBy(1); }
void Cursor::prior() { moveBy(-1); }

bool Cursor::eof() const
{
    ensureFresh();
    return m_eof || m_rows.empty();
}

bool Cursor::bof() const
{
    ensureFresh();
    return m_bof || m_rows.empty();
}

int Cursor::recordCount() const
{
    requireOpen();
    ensureFresh();
    return int(m_rows.size());
}

int Cursor::recNo() const
{
    if (!isOpen())
        return 0;
    ensureFresh();
    return m_pos + 1;
}

void Cursor::setRecNo(int recNo)
{
    requireOpen();
    ensureFresh();
    if (!checkBrowseMode())
        return;
    moveTo(recNo - 1);
}

qint64 Cursor::rowId() const
{
    if (m_state == State::Insert || m_pos < 0 || m_pos >= int(m_rows.size()))
        return 0;
    return m_rows[size_t(m_pos)];
}

Cursor::Bookmark Cursor::bookmark() const
{
    ensureFresh();
    return rowId();
}

bool Cursor::gotoBookmark(Bookmark bookmark)
{
    requireOpen();
    ensureFresh();
    const int pos = bookmark ? positionOf(bookmark) : -1;
    if (pos < 0)
        return false;
    if (!checkBrowseMode())
        return false;
    moveTo(positionOf(bookmark));
    return true;
}

// ---- searching ----------------------------------------------------------------

QVariantList Cursor::keyOf(qint64 rowId) const
{
    QVariantList key;
    if (m_index.columns.isEmpty()) {
        key << rowId;
        return key;
    }
    if (m_keySql.isEmpty()) {
        QStringList columns;
        for (const IndexColumn &c : m_index.columns)
            columns << quoted(m_info->fields[c.field].name);
        m_keySql = QStringLiteral("SELECT %1 FROM %2 WHERE rowid = ?").arg(columns.join(u", "), quoted(m_table));
    }
    Statement s(m_db, m_keySql);
    s.bind(1, rowId);
    const bool found = s.step();
    for (int i = 0; i < m_index.columns.size(); ++i)
        key << (found ? s.value(i, m_info->fields[m_index.columns[i].field].type) : QVariant());
    return key;
}

int Cursor::compareKeys(const QVariantList &key, const QVariantList &values, int count, bool firstLevelOnly) const
{
    if (m_index.columns.isEmpty()) {
        const qint64 id = key.value(0).toLongLong(), v = values.value(0).toLongLong();
        return id < v ? -1 : (id > v ? 1 : 0);
    }
    for (int i = 0; i < count; ++i) {
        const IndexColumn &c = m_index.columns[i];
        const FieldDef &f = m_info->fields[c.field];
        int r = compareValues(key.value(i), searchValue(f, values.value(i)), c.caseInsensitive, firstLevelOnly);
        if (c.descending)
            r = -r;
        if (r != 0)
            return r;
    }
    return 0;
}

int Cursor::compareKeyAt(int position, const QVariantList &values, int count, bool firstLevelOnly) const
{
    const qint64 id = m_rows[size_t(position)];
    if (m_index.columns.isEmpty())
        return compareKeys({id}, values, count);
    return compareKeys(keyOf(id), values, count, firstLevelOnly);
}

// The values a search on the index starts from: a text of a case-insensitive
// column becomes the least text with its letters, so that the search lands on
// the first row that has them ("PIL" on "Píldora").
QVariantList Cursor::seekValues(const QVariantList &values) const
{
    QVariantList seek = values;
    for (int i = 0; i < seek.size() && i < m_index.columns.size(); ++i) {
        const IndexColumn &c = m_index.columns[i];
        if (c.caseInsensitive && !c.descending && m_info->fields[c.field].isText() && seek[i].isValid())
            seek[i] = Collation::searchKey(seek[i].toString());
    }
    return seek;
}

static int lowerBound(int count, const std::function<int(int)> &compareAt)
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

bool Cursor::findKey(const QVariantList &values)
{
    requireOpen();
    ensureFresh();
    const int count = int(std::min<qsizetype>(values.size(), std::max<qsizetype>(1, m_index.columns.size())));
    if (count == 0)
        return false;
    const int n = int(m_rows.size());
    int pos = -1;
    if (m_index.columns.isEmpty()) {
        pos = positionOf(values[0].toLongLong());
    } else {
        const QVariantList seek = seekValues(values);
        const int at = lowerBound(n, [&](int i) { return compareKeyAt(i, seek, count); });
        if (at < n && compareKeyAt(at, seek, count, true) == 0)
            pos = at;
    }
    if (pos < 0 || !checkBrowseMode())
        return false;
    moveTo(pos);
    return true;
}

void Cursor::findNearest(const QVariantList &values)
{
    requireOpen();
    ensureFresh();
    const int n = int(m_rows.size());
    if (n == 0 || values.isEmpty())
        return;
    const int count = int(std::min<qsizetype>(values.size(), std::max<qsizetype>(1, m_index.columns.size())));
    const QVariantList seek = seekValues(values);
    int at = seekNearest(seek, count);
    if (at < 0)
        at = lowerBound(n, [&](int i) { return compareKeyAt(i, seek, count); });
    if (at >= n)
        at = n - 1;
    if (!checkBrowseMode())
        return;
    moveTo(at);
}

// The first row at or after a one-field key, found by the index itself: one
// query instead of a binary search. -1 when the rows are not all the query's
// (a predicate filter, a just-posted row) and the caller must search.
int Cursor::seekNearest(const QVariantList &values, int count) const
{
    if (count != 1 || m_index.columns.isEmpty() || predicateActive() || m_stickyRowId != 0)
        return -1;
    const IndexColumn &c = m_index.columns[0];
    const FieldDef &f = m_info->fields[c.field];
    const QVariant value = searchValue(f, values[0]);
    if (!value.isValid())
        return -1;
    QStringList where;
    QVariantList params;
    conditions(masterValues(), where, params);
    where << quoted(f.name) + (c.descending ? QStringLiteral(" <= ?") : QStringLiteral(" >= ?"))
                 + (c.caseInsensitive ? QStringLiteral(" COLLATE ") + QLatin1String(Collation::kName) : QString());
    params << value;
    Statement s(m_db, QStringLiteral("SELECT rowid FROM %1 WHERE %2%3 LIMIT 1")
                          .arg(quoted(m_table), where.join(QStringLiteral(" AND ")), orderClause()));
    s.bindAll(params);
    if (!s.step())
        return int(m_rows.size()); // every key is smaller
    return positionOf(s.int64(0));
}

bool Cursor::locate(const QStringList &fields, const QVariantList &values, LocateOptions options)
{
    requireOpen();
    ensureFresh();
    if (fields.size() != values.size() || fields.isEmpty())
        throw DbError(DbError::Code::General, QStringLiteral("Locate needs one value for each field."));
    QStringList where;
    QVariantList params;
    for (int i = 0; i < fields.size(); ++i) {
        const int f = fieldIndex(fields[i]);
        if (f >= m_info->fields.size())
            throw DbError(DbError::Code::UnknownField,
                          QStringLiteral("Only stored fields of %1 can be located; %2 is not one.").arg(m_table, fields[i]));
        const FieldDef &def = m_info->fields[f];
        const QVariant v = searchValue(def, values[i]);
        const QString column = quoted(def.name);
        // Case-insensitive: the letters alone, as the name list's typed search compares them.
        const bool letters = (options & CaseInsensitive) && def.isText();
        const QString collate =
            letters ? QStringLiteral(" COLLATE ") + QLatin1String(Collation::kLettersName) : QString();
        const int next = int(params.size()) + 1;
        if (!v.isValid()) {
            where << column + QStringLiteral(" IS NULL");
        } else if ((options & Partial) && def.isText()) {
            where << QStringLiteral("substr(%1, 1, length(?%2)) = ?%2%3").arg(column, QString::number(next), collate);
            params << v;
        } else if (letters) {
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
                          .arg(quoted(m_table), where.join(QStringLiteral(" AND ")), orderClause()));
    s.bindAll(params);
    int best = -1;
    while (s.step()) {
        const int pos = positionOf(s.int64(0));
        if (pos >= 0 && (best < 0 || pos < best)) {
            best = pos;
            if (m_index.columns.isEmpty() || !m_stickyRowId)
                break; // rows come in the cursor's own order
        }
    }
    if (best < 0 || !checkBrowseMode())
        return false;
    moveTo(best);
    return true;
}

QVariant Cursor::lookup(const QString &keyField, const QVariant &key, const QString &resultField) const
{
    requireOpen();
    ensureFresh();
    const int k = fieldIndex(keyField);
    const int r = fieldIndex(resultField);
    if (k >= m_info->fields.size() || r >= m_info->fields.size())
        throw DbError(DbError::Code::UnknownField, QStringLiteral("Lookups read stored fields of %1 only.").arg(m_table));
    const FieldDef &keyDef = m_info->fields[k];
    const QVariant v = searchValue(keyDef, key);
    if (!v.isValid())
        return {};
    const QString keyColumn = keyDef.name == m_info->rowIdField ? QStringLiteral("rowid") : quoted(keyDef.name);
    const bool everyRow = !m_master && !(m_filtered && (!m_filterTerms.isEmpty() || m_predicate));
    Statement s(m_db, QStringLiteral("SELECT rowid, %1 FROM %2 WHERE %3 = ?%4")
                          .arg(quoted(m_info->fields[r].name), quoted(m_table), keyColumn,
                               everyRow ? QStringLiteral(" LIMIT 1") : QString()));
    s.bind(1, v);
    while (s.step())
        if (everyRow || positionOf(s.int64(0)) >= 0)
            return s.value(1, m_info->fields[r].type);
    return {};
}

// ---- links and filters --------------------------------------------------------

void Cursor::setMasterLink(Cursor *master, const QStringList &masterFields)
{
    if (m_master)
        m_master->detachDetail(this);
    m_master = master;
    m_masterFields = masterFields;
    if (m_master)
        m_master->attachDetail(this);
    if (isOpen()) {
        rebuild(0, false);
        m_bof = true;
        notifyMoved();
    }
}

void Cursor::setFilter(const QString &expression)
{
    if (expression == m_filterText)
        return;
    QList<FilterTerm> terms;
    if (isOpen())
        terms = FilterExpression::parse(expression, *m_info); // throws before anything changes
    m_filterText = expression;
    m_filterTerms = terms;
    if (isOpen() && m_filtered && checkBrowseMode()) {
        m_stickyRowId = 0;
        rebuild(0, false);
        m_bof = true;
        notifyMoved();
    }
}

void Cursor::setFilterPredicate(Predicate predicate, const QStringList &fields)
{
    m_predicate = std::move(predicate);
    m_predicateFields = fields;
}

void Cursor::setFiltered(bool on)
{
    if (on == m_filtered)
        return;
    m_filtered = on;
    if (isOpen() && checkBrowseMode()) {
        m_stickyRowId = 0;
        rebuild(0, false);
        m_bof = true;
        notifyMoved();
    }
}

void Cursor::refresh()
{
    requireOpen();
    if (!checkBrowseMode())
        return;
    m_stickyRowId = 0;
    const qint64 current = rowId();
    rebuild(current, true);
    notifyMoved();
}

// ---- fields -------------------------------------------------------------------

int Cursor::storedFieldCount() const { return m_info ? int(m_info->fields.size()) : 0; }

// The table's description: the one the cursor opened with, or the current one while closed.
const TableInfo &Cursor::info() const
{
    if (!m_info)
        m_info = m_db.tableInfo(m_table);
    return *m_info;
}

int Cursor::fieldIndex(QStringView name) const
{
    const int stored = info().fieldIndex(name);
    if (stored >= 0)
        return stored;
    const int base = int(m_info->fields.size());
    for (int i = 0; i < m_calcs.size(); ++i)
        if (m_calcs[i].name.compare(name, Qt::CaseInsensitive) == 0)
            return base + i;
    for (int i = 0; i < m_lookups.size(); ++i)
        if (m_lookups[i].name.compare(name, Qt::CaseInsensitive) == 0)
            return base + int(m_calcs.size()) + i;
    throw DbError(DbError::Code::UnknownField,
                  QStringLiteral("The table %1 has no field %2.").arg(m_table, name.toString()));
}

bool Cursor::hasField(QStringView name) const
{
    try {
        fieldIndex(name);
        return true;
    } catch (const DbError &) {
        return false;
    }
}

const FieldDef &Cursor::fieldDef(int index) const
{
    static const FieldDef calculated{QString(), FieldType::Alpha, 0};
    return index < info().fields.size() ? m_info->fields[index] : calculated;
}

QStringList Cursor::fieldNames() const
{
    QStringList names;
    for (const FieldDef &f : info().fields)
        names << f.name;
    for (const CalcField &c : m_calcs)
        names << c.name;
    for (const LookupField &l : m_lookups)
        names << l.name;
    return names;
}

void Cursor::addLookupField(const LookupField &field) { m_lookups << field; }

LookupField &Cursor::lookupField(QStringView name)
{
    for (LookupField &l : m_lookups)
        if (l.name.compare(name, Qt::CaseInsensitive) == 0)
            return l;
    throw DbError(DbError::Code::UnknownField, QStringLiteral("The table %1 has no lookup field %2.").arg(m_table, name.toString()));
}

void Cursor::addCalcField(const QString &name, int width) { m_calcs << CalcField{name, width}; }

QVariantList Cursor::readRow(qint64 rowId, bool withGraphics, const QList<int> &only) const
{
    QVariantList row;
    const int stored = int(m_info->fields.size());
    QString sql = QStringLiteral("SELECT ");
    QList<int> columns;
    for (int i = 0; i < stored; ++i) {
        if (!withGraphics && m_info->fields[i].type == FieldType::Graphic)
            continue;
        if (!only.isEmpty() && !only.contains(i))
            continue;
        sql += (columns.isEmpty() ? QString() : QStringLiteral(", ")) + quoted(m_info->fields[i].name);
        columns << i;
    }
    row.reserve(stored + m_calcs.size());
    for (int i = 0; i < stored + m_calcs.size(); ++i)
        row << QVariant();
    if (columns.isEmpty())
        return row;
    sql += QStringLiteral(" FROM %1 WHERE rowid = ?").arg(quoted(m_table));
    Statement s(m_db, sql);
    s.bind(1, rowId);
    if (s.step())
        for (int k = 0; k < columns.size(); ++k)
            row[columns[k]] = s.value(k, m_info->fields[columns[k]].type);
    return row;
}

void Cursor::loadBuffer() const
{
    if (m_bufferLoaded)
        return;
    const qint64 id = rowId();
    m_graphicLoaded.assign(m_info->fields.size(), false);
    if (id == 0) {
        m_buffer.clear();
        for (int i = 0; i < m_info->fields.size() + m_calcs.size(); ++i)
            m_buffer << QVariant();
    } else {
        m_buffer = readRow(id, false);
    }
    m_bufferLoaded = true;
    if (calcFields && id != 0)
        calcFields(const_cast<Cursor &>(*this));
}

QVariant Cursor::computeLookup(const LookupField &field, const QVariantList &row) const
{
    const int key = fieldIndex(field.keyField);
    const QVariant keyValue = key < row.size() ? row[key] : QVariant();
    if (!keyValue.isValid() || !field.source || !field.source->isOpen())
        return {};
    QVariant v = field.source->lookup(field.sourceKeyField, keyValue, field.resultField);
    if (field.width > 0 && v.typeId() == QMetaType::QString && v.toString().size() > field.width)
        v = v.toString().left(field.width);
    return v;
}

QVariant Cursor::value(int field) const
{
    requireOpen();
    ensureFresh();
    loadBuffer();
    const int stored = int(m_info->fields.size());
    if (field < 0)
        throw DbError(DbError::Code::UnknownField, QStringLiteral("The table %1 has no field number %2.").arg(m_table).arg(field));
    if (field < stored) {
        if (m_info->fields[field].type == FieldType::Graphic && !m_graphicLoaded[size_t(field)]) {
            m_graphicLoaded[size_t(field)] = true;
            const qint64 id = rowId();
            if (id != 0 && !(m_state != State::Browse && m_modified[size_t(field)])) {
                Statement s(m_db, QStringLiteral("SELECT %1 FROM %2 WHERE rowid = ?")
                                      .arg(quoted(m_info->fields[field].name), quoted(m_table)));
                s.bind(1, id);
                if (s.step())
                    m_buffer[field] = s.value(0, FieldType::Graphic);
            }
        }
        return m_buffer[field];
    }
    if (field < stored + m_calcs.size())
        return m_buffer[field];
    const int lookup = field - stored - int(m_calcs.size());
    if (lookup >= m_lookups.size())
        throw DbError(DbError::Code::UnknownField, QStringLiteral("The table %1 has no field number %2.").arg(m_table).arg(field));
    return computeLookup(m_lookups[lookup], m_buffer);
}

QVariant Cursor::value(QStringView field) const { return value(fieldIndex(field)); }

Record Cursor::currentRecord() const
{
    QVariantList values;
    const int total = int(m_info->fields.size() + m_calcs.size() + m_lookups.size());
    for (int i = 0; i < total; ++i)
        values << value(i);
    return Record(this, values);
}

// Puts a row into the record buffer for as long as it lives, then the buffer as it was.
class Cursor::BufferSwap {
public:
    BufferSwap(const Cursor &cursor, QVariantList row)
        : m_cursor(cursor), m_buffer(std::exchange(cursor.m_buffer, std::move(row))),
          m_loaded(std::exchange(cursor.m_bufferLoaded, true)),
          m_graphics(std::exchange(cursor.m_graphicLoaded, std::vector<bool>(cursor.m_info->fields.size(), true)))
    {
    }
    ~BufferSwap()
    {
        m_cursor.m_buffer = std::move(m_buffer);
        m_cursor.m_bufferLoaded = m_loaded;
        m_cursor.m_graphicLoaded = std::move(m_graphics);
    }
    BufferSwap(const BufferSwap &) = delete;
    BufferSwap &operator=(const BufferSwap &) = delete;

private:
    const Cursor &m_cursor;
    QVariantList m_buffer;
    bool m_loaded;
    std::vector<bool> m_graphics;
};

Record Cursor::recordAt(int recNo, const QList<int> &fields) const
{
    requireOpen();
    ensureFresh();
    if (recNo < 1 || recNo > int(m_rows.size()))
        return Record(this, {});
    const int stored = int(m_info->fields.size());
    const int firstLookup = stored + int(m_calcs.size());
    const bool wantsCalc = fields.isEmpty()
        || std::any_of(fields.begin(), fields.end(), [&](int f) { return f >= stored && f < firstLookup; });
    if (recNo - 1 == m_pos && (wantsCalc || m_state != State::Browse))
        return currentRecord();

    // Which stored fields to read: the ones asked for and the keys of the lookups asked for.
    QList<int> only;
    if (!wantsCalc) {
        for (int f : fields) {
            if (f < stored)
                only << f;
            else if (f >= firstLookup && f - firstLookup < m_lookups.size())
                only << fieldIndex(m_lookups[f - firstLookup].keyField);
        }
    }
    QVariantList values = readRow(m_rows[size_t(recNo - 1)], true, only);
    if (wantsCalc && calcFields) {
        // The row takes the buffer's place so that calculated fields see it;
        // the current row's buffer comes back however the handler ends.
        const BufferSwap swap(*this, values);
        calcFields(const_cast<Cursor &>(*this));
        values = m_buffer;
    }
    for (int i = 0; i < m_lookups.size(); ++i)
        values << (fields.isEmpty() || fields.contains(firstLookup + i) ? computeLookup(m_lookups[i], values) : QVariant());
    return Record(this, values);
}

void Cursor::setCalcValue(QStringView field, const QVariant &value)
{
    const int f = fieldIndex(field);
    const int stored = int(m_info->fields.size());
    if (f < stored || f >= stored + m_calcs.size())
        throw DbError(DbError::Code::UnknownField, QStringLiteral("%1 is not a calculated field of %2.").arg(field.toString(), m_table));
    QVariant v = value;
    const int width = m_calcs[f - stored].width;
    if (width > 0 && v.typeId() == QMetaType::QString)
        v = v.toString().left(width);
    m_buffer[f] = v;
}

QVariant Cursor::coerce(const FieldDef &field, const QVariant &value) const
{
    if (!value.isValid() || value.isNull())
        return {};
    const auto bad = [&] {
        return DbError(DbError::Code::BadValue, QStringLiteral("\"%1\" is not a valid value for the field %2 of %3.")
                                                    .arg(value.toString(), field.name, m_table));
    };
    const bool isText = value.typeId() == QMetaType::QString;
    if (!field.isText() && field.type != FieldType::Graphic && isText && value.toString().trimmed().isEmpty())
        return {}; // an empty text clears a number
    bool ok = true;
    switch (field.type) {
    case FieldType::Alpha: return value.toString().left(field.size);
    case FieldType::Memo: return value.toString();
    case FieldType::Long:
    case FieldType::AutoInc:
    case FieldType::Short: {
        const qlonglong n = isText ? value.toString().trimmed().toLongLong(&ok) : value.toLongLong(&ok);
        if (!isText && value.typeId() == QMetaType::Double && value.toDouble() != double(n))
            ok = false;
        const qlonglong lo = field.type == FieldType::Short ? -32768 : std::numeric_limits<qint32>::min();
        const qlonglong hi = field.type == FieldType::Short ? 32767 : std::numeric_limits<qint32>::max();
        if (!ok || n < lo || n > hi)
            throw bad();
        return int(n);
    }
    case FieldType::Logical: {
        if (value.typeId() == QMetaType::Bool)
            return value.toBool();
        const QString t = value.toString().trimmed();
        if (t.compare(u"true", Qt::CaseInsensitive) == 0 || t == u"1")
            return true;
        if (t.compare(u"false", Qt::CaseInsensitive) == 0 || t == u"0")
            return false;
        throw bad();
    }
    case FieldType::Number: {
        const double d = isText ? value.toString().trimmed().toDouble(&ok) : value.toDouble(&ok);
        if (!ok)
            throw bad();
        return d;
    }
    case FieldType::Graphic: return value.toByteArray();
    }
    return value;
}

void Cursor::setValue(int field, const QVariant &value)
{
    requireOpen();
    if (m_state != State::Edit && m_state != State::Insert)
        throw DbError(DbError::Code::NotEditing,
                      QStringLiteral("The table %1 is not being edited, so %2 cannot be changed.")
                          .arg(m_table, field < storedFieldCount() ? m_info->fields[field].name : QString::number(field)));
    if (field < 0 || field >= storedFieldCount())
        throw DbError(DbError::Code::UnknownField,
                      QStringLiteral("Only stored fields of %1 can be changed.").arg(m_table));
    loadBuffer();
    m_buffer[field] = coerce(m_info->fields[field], value);
    m_modified[size_t(field)] = true;
    m_graphicLoaded[size_t(field)] = true;
    if (calcFields)
        calcFields(*this);
    if (displayHeld())
        m_pendingNotify = true;
    else
        emit recordChanged();
}

void Cursor::setValue(QStringView field, const QVariant &value) { setValue(fieldIndex(field), value); }

// ---- changes ------------------------------------------------------------------

void Cursor::startNew(int position)
{
    requireOpen();
    ensureFresh();
    if (!checkBrowseMode())
        return;
    m_insertReturnPos = position;
    m_buffer.clear();
    for (int i = 0; i < m_info->fields.size() + m_calcs.size(); ++i)
        m_buffer << QVariant();
    m_bufferLoaded = true;
    m_graphicLoaded.assign(m_info->fields.size(), true);
    m_modified.assign(m_info->fields.size(), false);
    m_state = State::Insert;
    // A row made under a master takes the master's values into the index's leading fields.
    const QVariantList link = masterValues();
    for (int i = 0; i < link.size(); ++i) {
        const int f = m_index.columns.isEmpty() ? m_info->fieldIndex(m_info->rowIdField) : m_index.columns[i].field;
        if (f >= 0) {
            m_buffer[f] = coerce(m_info->fields[f], link[i]);
            m_modified[size_t(f)] = true;
        }
    }
    notifyChanged();
    if (afterInsert)
        afterInsert(*this);
}

void Cursor::append() { startNew(m_pos); }

void Cursor::insert() { startNew(m_pos); }

void Cursor::edit()
{
    requireOpen();
    ensureFresh();
    if (m_state == State::Edit || m_state == State::Insert)
        return;
    if (m_rows.empty()) {
        append();
        return;
    }
    loadBuffer();
    m_modified.assign(m_info->fields.size(), false);
    m_state = State::Edit;
    notifyChanged();
}

bool Cursor::post()
{
    requireOpen();
    if (m_state != State::Edit && m_state != State::Insert)
        return true;
    qint64 id = rowId();
    try {
        Database::Transaction tx(m_db);
        QStringList columns;
        QVariantList params;
        for (int i = 0; i < m_info->fields.size(); ++i) {
            if (!m_modified[size_t(i)])
                continue;
            columns << quoted(m_info->fields[i].name);
            params << m_buffer[i];
        }
        if (m_state == State::Insert) {
            QString sql;
            if (columns.isEmpty()) {
                sql = QStringLiteral("INSERT INTO %1 DEFAULT VALUES").arg(quoted(m_table));
            } else {
                QStringList marks;
                for (int i = 0; i < columns.size(); ++i)
                    marks << QStringLiteral("?");
                sql = QStringLiteral("INSERT INTO %1 (%2) VALUES (%3)")
                          .arg(quoted(m_table), columns.join(u", "), marks.join(u", "));
            }
            Statement s(m_db, sql);
            s.bindAll(params);
            s.exec();
            id = sqlite3_last_insert_rowid(m_db.handle());
        } else if (!columns.isEmpty()) {
            for (QString &c : columns)
                c += QStringLiteral(" = ?");
            Statement s(m_db, QStringLiteral("UPDATE %1 SET %2 WHERE rowid = ?")
                                  .arg(quoted(m_table), columns.join(u", ")));
            s.bindAll(params);
            s.bind(int(params.size()) + 1, id);
            s.exec();
        }
        tx.commit();
    } catch (const DbError &e) {
        const DbError error = e.code() == DbError::Code::KeyViolation
            ? DbError(e.code(), QStringLiteral("Key violation: the table %1 already has a row with this key.").arg(m_table))
            : e;
        if (onPostError && onPostError(*this, error) == PostErrorAction::Abort)
            return false;
        throw error;
    }
    const bool inserted = m_state == State::Insert;
    const bool wasFresh = m_builtGeneration == m_db.generation(m_table);
    const std::vector<bool> modified = m_modified;
    m_state = State::Browse;
    m_modified.assign(m_info->fields.size(), false);
    m_stickyRowId = id;
    m_bufferLoaded = false;
    m_db.bumpGeneration(m_table);
    if (!(wasFresh && placePosted(id, inserted, modified)))
        rebuild(id, true);
    m_db.announceChange(m_table); // others hear of it once this cursor is up to date
    notifyChanged();
    if (afterPost)
        afterPost(*this);
    return true;
}

// Keeps the row list current after a post without reading every row again:
// a new row goes to its place in the order, an edited row moves only when a
// field of the order changed. False when the change may have taken rows in or
// out of view (link, filter or predicate fields), which needs a rebuild.
bool Cursor::placePosted(qint64 rowId, bool inserted, const std::vector<bool> &modified)
{
    const auto changed = [&](int field) { return field >= 0 && size_t(field) < modified.size() && modified[size_t(field)]; };
    bool orderChanged = inserted;
    if (!inserted) {
        for (int i = 0; i < m_masterFields.size() && i < m_index.columns.size(); ++i)
            if (changed(m_index.columns[i].field))
                return false;
        for (const FilterTerm &t : std::as_const(m_filterTerms))
            if (m_filtered && changed(t.field))
                return false;
        if (predicateActive()) {
            if (m_predicateFields.isEmpty())
                return false;
            for (const QString &f : std::as_const(m_predicateFields))
                if (changed(fieldIndex(f)))
                    return false;
        }
        for (const IndexColumn &c : std::as_const(m_index.columns))
            orderChanged = orderChanged || changed(c.field);
    }
    if (orderChanged) {
        std::erase(m_rows, rowId);
        const QVariantList key = keyOf(rowId);
        const int columns = int(m_index.columns.size());
        // Rows are ordered by their key, then by row id.
        const int at = lowerBound(int(m_rows.size()), [&](int i) {
            const qint64 other = m_rows[size_t(i)];
            const int r = columns ? compareKeys(keyOf(other), key, columns) : 0;
            return r != 0 ? r : (other < rowId ? -1 : 1);
        });
        m_rows.insert(m_rows.begin() + at, rowId);
        m_positionsValid = false; // rebuilt when next asked for, not now
        m_rowsRebuilt = true;
        m_pos = at;
    } else {
        m_pos = positionOf(rowId);
    }
    m_bof = m_eof = false;
    m_builtGeneration = m_db.generation(m_table);
    return true;
}

void Cursor::cancel()
{
    if (m_state != State::Edit && m_state != State::Insert)
        return;
    const bool inserting = m_state == State::Insert;
    m_state = State::Browse;
    m_modified.assign(m_info->fields.size(), false);
    m_bufferLoaded = false;
    if (inserting && !m_rows.empty())
        m_pos = std::clamp(m_insertReturnPos, 0, int(m_rows.size()) - 1);
    ensureFresh();
    notifyChanged();
}

void Cursor::remove()
{
    requireOpen();
    if (m_state == State::Insert) {
        cancel();
        return;
    }
    ensureFresh();
    if (beforeScroll && !beforeScroll(*this))
        return;
    const qint64 id = rowId();
    if (id == 0)
        throw DbError(DbError::Code::General, QStringLiteral("There is no row of %1 to delete.").arg(m_table));
    m_state = State::Browse;
    m_bufferLoaded = false;
    {
        Database::Transaction tx(m_db);
        Statement s(m_db, QStringLiteral("DELETE FROM %1 WHERE rowid = ?").arg(quoted(m_table)));
        s.bind(1, id);
        s.exec();
        tx.commit();
    }
    if (m_stickyRowId == id)
        m_stickyRowId = 0;
    m_db.bumpGeneration(m_table);
    rebuild(0, true);
    m_db.announceChange(m_table);
    notifyMoved();
}

void Cursor::emptyTable()
{
    requireOpen();
    cancel();
    {
        Database::Transaction tx(m_db);
        m_db.exec(QStringLiteral("DELETE FROM %1").arg(quoted(m_table)));
        tx.commit();
    }
    m_stickyRowId = 0;
    m_db.bumpGeneration(m_table);
    rebuild(0, false);
    m_db.announceChange(m_table);
    notifyMoved();
}

} // namespace yb
