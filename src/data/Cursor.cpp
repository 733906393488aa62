#include "data/Cursor.h"

namespace yb {

// ---- set-up -------------------------------------------------------------------

Cursor::Cursor(Database &db, const QString &table, QObject *parent)
    : QObject(parent),
      m_db(db),
      m_fields(db, table),
      m_writer(db, m_fields),
      m_rows(db, m_fields),
      m_record(db, m_fields)
{
    connect(&db, &Database::tableChanged, this, &Cursor::tableChanged);
}

Cursor::~Cursor()
{
    if (Cursor *master = m_link.master())
        master->m_link.detach(this);
    for (Cursor *d : m_link.details())
        d->m_link.forgetMaster();
}

void Cursor::requireOpen() const
{
    if (!isOpen())
        throw DbError(DbError::Code::Closed, QStringLiteral("The table %1 is not open.").arg(m_fields.table()));
}

void Cursor::requireFresh() const
{
    requireOpen();
    ensureFresh();
}

void Cursor::open()
{
    if (isOpen())
        return;
    m_fields.open();
    const TableInfo &info = m_fields.info();
    m_rows.setIndex(m_db.indexInfo(m_fields.table(), m_indexName));
    m_link.checkIndex(m_rows.index(), m_indexName, m_fields.table());
    m_filter.parse(info);
    for (const LookupField &l : m_fields.lookups())
        if (l.source && l.source != this)
            l.source->open();
    m_record.open();
    rebuildRows(0, false);
    m_rows.markBof();
    notifyMoved();
}

void Cursor::close()
{
    if (!isOpen())
        return;
    m_record.close();
    m_rows.clear();
    if (displayHeld()) {
        m_notices.rowsChanged();
        m_notices.defer();
        return;
    }
    emit rowsChanged();
    emit currentChanged();
}

// ---- rows ---------------------------------------------------------------------

QVariantList Cursor::masterValues() const
{
    QVariantList values;
    const Cursor *master = m_link.master();
    if (!master)
        return values;
    for (const QString &f : m_link.fields())
        values << (master->isOpen() ? master->value(f) : QVariant());
    return values;
}

RowQuery Cursor::conditions() const
{
    RowQuery query;
    query.linkValues = masterValues();
    m_link.conditions(query.linkValues, m_rows.index(), m_fields.info(), query.where, query.params);
    m_filter.conditions(m_fields.info(), query.where, query.params);
    return query;
}

void Cursor::rebuildRows(qint64 keepRowId, bool keepPosition) const
{
    RowQuery query = conditions();
    if (m_filter.predicateActive()) {
        query.predicate = &m_filter.predicate();
        query.predicateColumns = m_filter.predicateColumns(m_fields);
    }
    if (m_rows.rebuild(query, keepRowId, keepPosition))
        m_record.invalidate();
    m_notices.rowsChanged();
}

// The rows read again on the first row, the row kept in view let go (a new master row, a new filter).
void Cursor::rebuildFromFirst() const
{
    m_rows.release();
    rebuildRows(0, false);
    m_rows.markBof();
}

void Cursor::ensureFresh() const
{
    if (!isOpen())
        return;
    if (!m_rows.isCurrent()) {
        rebuildRows(rowId(), true);
        m_record.invalidate(); // another cursor may have changed this very row
    } else if (m_link.master() && !editing() && masterValues() != m_rows.builtLinkValues()) {
        rebuildFromFirst();
    } else {
        return;
    }
    // Rebuilt by a read while the display is held: the views hear of it on resume.
    if (displayHeld())
        m_notices.defer();
}

// ---- notifications ------------------------------------------------------------

void Cursor::notifyChanged()
{
    if (!m_notices.announce(displayHeld()))
        return;
    for (Cursor *d : m_link.details()) {
        if (d->isOpen() && d->masterValues() != d->m_rows.builtLinkValues())
            d->masterMoved();
        else
            d->deliverHeldNotices();
    }
    if (m_notices.takeRowsChanged()) // also when a view's reads rebuilt the rows meanwhile
        emit rowsChanged();
    emit currentChanged();
}

bool Cursor::displayHeld() const
{
    const Cursor *master = m_link.master();
    return m_notices.isSuspended() || (master && master->displayHeld());
}

void Cursor::deliverHeldNotices()
{
    if (m_notices.isPending()) {
        notifyChanged();
        return;
    }
    for (Cursor *d : m_link.details())
        d->deliverHeldNotices();
}

void Cursor::tableChanged(const QString &table)
{
    if (!isOpen() || table.compare(m_fields.table(), Qt::CaseInsensitive) != 0)
        return;
    if (m_rows.isCurrent())
        return; // already up to date: the change was this cursor's own
    if (editing())
        return; // the buffer holds the user's changes; post or cancel announces
    // Another cursor (or a script) changed the table: the rows and the current
    // row's fields may differ. They are read again when a view asks.
    m_notices.rowsChanged();
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
    rebuildFromFirst();
    notifyMoved();
}

void Cursor::enableControls()
{
    if (m_notices.resume())
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
    IndexInfo info = m_db.indexInfo(m_fields.table(), index); // throws when missing
    if (!checkBrowseMode(false))                              // another order keeps the current row
        return;
    m_indexName = index;
    m_rows.setIndex(std::move(info));
    rebuildRows(rowId(), true);
    notifyChanged();
}

// ---- navigation ---------------------------------------------------------------

bool Cursor::readyToMove()
{
    requireFresh();
    return checkBrowseMode();
}

bool Cursor::checkBrowseMode(bool leaving)
{
    if (leaving && beforeScroll && !beforeScroll(*this))
        return false;
    if (editing())
        return post();
    return true;
}

void Cursor::moveTo(int position)
{
    m_rows.moveTo(position);
    m_record.invalidate();
    notifyMoved();
}

void Cursor::first()
{
    if (!readyToMove())
        return;
    moveTo(0);
    m_rows.markBof();
}

void Cursor::last()
{
    if (!readyToMove())
        return;
    moveTo(m_rows.count() - 1);
    m_rows.markEof();
}

void Cursor::moveBy(int distance)
{
    if (!readyToMove())
        return;
    const RowSet::Step step = m_rows.step(distance);
    if (step.target >= 0)
        moveTo(step.target);
    if (step.bof)
        m_rows.markBof();
    if (step.eof)
        m_rows.markEof();
}

bool Cursor::eof() const
{
    ensureFresh();
    return m_rows.eof();
}

bool Cursor::bof() const
{
    ensureFresh();
    return m_rows.bof();
}

int Cursor::recordCount() const
{
    requireFresh();
    return m_rows.count();
}

int Cursor::recNo() const
{
    if (!isOpen())
        return 0;
    ensureFresh();
    return m_rows.position() + 1;
}

void Cursor::setRecNo(int recNo)
{
    if (readyToMove())
        moveTo(recNo - 1);
}

Cursor::Bookmark Cursor::bookmark() const
{
    ensureFresh();
    return rowId();
}

bool Cursor::gotoBookmark(Bookmark bookmark)
{
    requireFresh();
    const int pos = bookmark ? m_rows.positionOf(bookmark) : -1;
    if (pos < 0 || !checkBrowseMode())
        return false;
    moveTo(m_rows.positionOf(bookmark)); // the post may have moved it
    return true;
}

// ---- searching ----------------------------------------------------------------

bool Cursor::moveToFound(int position)
{
    if (position < 0 || !checkBrowseMode())
        return false;
    moveTo(position);
    return true;
}

bool Cursor::findKey(const QVariantList &values)
{
    requireFresh();
    return moveToFound(m_rows.findKey(values));
}

void Cursor::findNearest(const QVariantList &values)
{
    requireFresh();
    // Every row the conditions select is in view: the index itself can find the key.
    const bool byQuery = !m_rows.isEmpty() && !m_filter.predicateActive() && m_rows.seeksWithQuery(values);
    const RowQuery query = byQuery ? conditions() : RowQuery();
    moveToFound(m_rows.findNearest(values, byQuery ? &query : nullptr));
}

bool Cursor::locate(const QStringList &fields, const QVariantList &values, LocateOptions options)
{
    requireFresh();
    return moveToFound(m_rows.locate(fields, values, options & CaseInsensitive, options & Partial));
}

QVariant Cursor::lookup(const QString &keyField, const QVariant &key, const QString &resultField) const
{
    requireFresh();
    return m_rows.lookup(keyField, key, resultField, !m_link.master() && !m_filter.narrows());
}

// ---- links and filters --------------------------------------------------------

void Cursor::setMasterLink(Cursor *master, const QStringList &masterFields)
{
    if (Cursor *old = m_link.master())
        old->m_link.detach(this);
    m_link.setMaster(master, masterFields);
    if (master)
        master->m_link.attach(this);
    if (isOpen()) {
        rebuildRows(0, false);
        m_rows.markBof();
        notifyMoved();
    }
}

void Cursor::setFilter(const QString &expression)
{
    if (expression == m_filter.expression())
        return;
    m_filter.setExpression(expression, isOpen() ? &m_fields.info() : nullptr); // throws before anything changes
    if (isOpen() && m_filter.isOn() && checkBrowseMode()) {
        rebuildFromFirst();
        notifyMoved();
    }
}

void Cursor::setFiltered(bool on)
{
    if (on == m_filter.isOn())
        return;
    m_filter.setOn(on);
    if (isOpen() && checkBrowseMode()) {
        rebuildFromFirst();
        notifyMoved();
    }
}

void Cursor::refresh()
{
    requireOpen();
    if (!checkBrowseMode())
        return;
    m_rows.release();
    rebuildRows(rowId(), true);
    notifyMoved();
}

// ---- fields -------------------------------------------------------------------

void Cursor::runCalcFields() const
{
    if (calcFields)
        calcFields(m_self);
}

void Cursor::loadRecord() const
{
    if (m_record.load(rowId()))
        runCalcFields();
}

// A lookup field's value: the source cursor's value for the key in `row`.
QVariant Cursor::lookupValue(const LookupField &field, const QVariantList &row) const
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
    requireFresh();
    loadRecord();
    if (field < 0 || field >= m_fields.count())
        throw DbError(DbError::Code::UnknownField,
                      QStringLiteral("The table %1 has no field number %2.").arg(m_fields.table()).arg(field));
    if (field < m_fields.firstLookup())
        return m_record.value(field, rowId());
    return lookupValue(m_fields.lookupAt(field - m_fields.firstLookup()), m_record.values());
}

Record Cursor::currentRecord() const
{
    QVariantList values;
    const int total = m_fields.count();
    for (int i = 0; i < total; ++i)
        values << value(i);
    return Record(&m_fields, values);
}

Record Cursor::recordAt(int recNo, const QList<int> &fields) const
{
    requireFresh();
    if (recNo < 1 || recNo > m_rows.count())
        return Record(&m_fields, {});
    const bool wantsCalc = m_fields.needsWholeRow(fields);
    if (recNo - 1 == m_rows.position() && (wantsCalc || editing()))
        return currentRecord();
    const qint64 id = m_rows.at(recNo - 1);
    QVariantList values = m_record.readRow(id, true, wantsCalc ? QList<int>() : m_fields.storedFor(fields));
    if (wantsCalc && calcFields)
        values = m_record.calculated(std::move(values), [this] { runCalcFields(); });
    const int firstLookup = m_fields.firstLookup();
    for (int i = 0; i < m_fields.lookupCount(); ++i)
        values << (fields.isEmpty() || fields.contains(firstLookup + i) ? lookupValue(m_fields.lookupAt(i), values)
                                                                        : QVariant());
    return Record(&m_fields, values);
}

void Cursor::setCalcValue(QStringView field, const QVariant &value)
{
    m_record.setCalculated(m_fields.calculatedIndexOf(field), value);
}

void Cursor::setValue(int field, const QVariant &value)
{
    requireOpen();
    m_record.assign(field, value);
    if (calcFields)
        calcFields(*this);
    if (m_notices.announceAssignment(displayHeld()))
        emit recordChanged();
}

// ---- changes ------------------------------------------------------------------

void Cursor::append()
{
    const int returnTo = m_rows.position();
    if (!readyToMove())
        return;
    m_insertReturnPos = returnTo;
    m_record.beginInsert();
    // A row made under a master takes the master's values into the index's leading fields.
    const QVariantList link = masterValues();
    for (int i = 0; i < link.size(); ++i) {
        const int f = m_link.seededField(i, m_rows.index(), m_fields.info());
        if (f >= 0)
            m_record.assign(f, link[i]);
    }
    notifyChanged();
    if (afterInsert)
        afterInsert(*this);
}

void Cursor::edit()
{
    requireFresh();
    if (editing())
        return;
    if (m_rows.isEmpty()) {
        append();
        return;
    }
    loadRecord();
    m_record.beginEdit();
    notifyChanged();
}

bool Cursor::post()
{
    requireOpen();
    if (!editing())
        return true;
    const bool inserted = state() == State::Insert;
    const bool wasFresh = m_rows.isCurrent();
    const std::optional<qint64> id =
        m_writer.post(inserted, rowId(), m_record.values(), m_record.modified(), [this](const DbError &e) {
            return onPostError && onPostError(*this, e) == PostErrorAction::Abort;
        });
    if (!id)
        return false;
    const std::vector<bool> modified = m_record.modified();
    m_record.endEdit();
    m_rows.keep(*id);
    // The row list stays current without reading every row again, unless the
    // change may have taken rows into or out of view.
    const bool inView =
        inserted || !(m_link.dependsOn(modified, m_rows.index()) || m_filter.dependsOn(modified, m_fields));
    if (wasFresh && inView) {
        if (m_rows.placePosted(*id, inserted, modified))
            m_notices.rowsChanged();
    } else {
        rebuildRows(*id, true);
    }
    m_writer.announce(); // others hear of it once this cursor is up to date
    notifyChanged();
    if (afterPost)
        afterPost(*this);
    return true;
}

void Cursor::cancel()
{
    if (!editing())
        return;
    const bool inserting = state() == State::Insert;
    m_record.endEdit();
    if (inserting)
        m_rows.returnTo(m_insertReturnPos);
    ensureFresh();
    notifyChanged();
}

void Cursor::remove()
{
    requireOpen();
    if (state() == State::Insert) {
        cancel();
        return;
    }
    ensureFresh();
    if (beforeScroll && !beforeScroll(*this))
        return;
    const qint64 id = rowId();
    if (id == 0)
        throw DbError(DbError::Code::General, QStringLiteral("There is no row of %1 to delete.").arg(m_fields.table()));
    m_record.endEdit();
    m_writer.remove(id);
    if (m_rows.keptRow() == id)
        m_rows.release();
    rebuildRows(0, true);
    m_writer.announce();
    notifyMoved();
}

void Cursor::emptyTable()
{
    requireOpen();
    cancel();
    m_writer.empty();
    m_rows.release();
    rebuildRows(0, false);
    m_writer.announce();
    notifyMoved();
}

} // namespace yb
