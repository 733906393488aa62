#include "dbwidgets/DBGrid.h"

#include "dbwidgets/MarcadorFila.h"
#include "dialogs/PoliticaErrores.h"

#include <QHeaderView>
#include <QMetaProperty>
#include <QScopedValueRollback>
#include <QScrollBar>
#include <QStyle>

namespace yb {

DBGrid::DBGrid(QWidget *parent) : QTableView(parent), m_model(new CursorModel(this))
{
    setVerticalHeader(new MarcadorFila(this));
    setModel(m_model);
    setSelectionMode(QAbstractItemView::SingleSelection);
    setSelectionBehavior(QAbstractItemView::SelectRows);
    connect(selectionModel(), &QItemSelectionModel::currentRowChanged, this, [this](const QModelIndex &current) {
        verticalHeader()->viewport()->update();
        viewRowChanged(current);
    });
    connect(m_model, &QAbstractItemModel::modelReset, this, manejador([this] { followCursor(); }));
    connect(m_model, &CursorModel::errorOccurred, this, &DBGrid::modelError);
    updateEditing();
}

void DBGrid::setDataSource(DataSource *source)
{
    if (source == m_source)
        return;
    m_connections.disconnectAll();
    m_source = source;
    if (source) {
        m_connections << connect(source, &DataSource::cursorChanged, this,
                                 manejador([this] { m_model->setCursor(cursor()); }))
                      << connect(source, &DataSource::currentChanged, this, manejador([this] { followCursor(); }))
                      << connect(source, &DataSource::autoEditChanged, this, &DBGrid::updateEditing)
                      << connect(source, &QObject::destroyed, this, [this] { m_model->setCursor(nullptr); });
    }
    m_model->setCursor(cursor());
    updateEditing();
    followCursor();
}

void DBGrid::setColumns(const QList<Column> &columns)
{
    m_model->setColumns(columns);
    for (int i = 0; i < columns.size(); ++i)
        if (columns[i].width > 0)
            setColumnWidth(i, columns[i].width);
    followCursor();
}

void DBGrid::setReadOnly(bool on)
{
    m_readOnly = on;
    updateEditing();
}

Cursor *DBGrid::cursor() const { return m_source ? m_source->cursor() : nullptr; }

void DBGrid::updateEditing()
{
    const bool editable = !m_readOnly && m_source && m_source->autoEdit();
    m_model->setReadOnly(!editable);
    setEditTriggers(editable ? QAbstractItemView::DoubleClicked | QAbstractItemView::EditKeyPressed |
                                   QAbstractItemView::AnyKeyPressed
                             : QAbstractItemView::NoEditTriggers);
}

// The view's current row becomes the cursor's.
void DBGrid::followCursor()
{
    if (m_following)
        return;
    const QScopedValueRollback following(m_following, true);
    Cursor *c = cursor();
    if (auto *marker = qobject_cast<MarcadorFila *>(verticalHeader())) {
        const Cursor::State state = c ? c->state() : Cursor::State::Inactive;
        marker->setEstado(state == Cursor::State::Edit     ? MarcadorFila::Estado::Editando
                          : state == Cursor::State::Insert ? MarcadorFila::Estado::Insertando
                                                           : MarcadorFila::Estado::Navegando);
    }
    const int row = c && c->isOpen() ? c->recNo() - 1 : -1;
    if (row < 0 || row >= m_model->rowCount() || m_model->columnCount() == 0) {
        if (currentIndex().isValid())
            selectionModel()->clearCurrentIndex();
        selectionModel()->clearSelection();
        return;
    }
    if (currentIndex().row() == row && selectionModel()->isRowSelected(row))
        return;
    const int column = currentIndex().isValid() ? currentIndex().column() : 0;
    const QModelIndex index = m_model->index(row, column);
    selectionModel()->setCurrentIndex(index, QItemSelectionModel::ClearAndSelect | QItemSelectionModel::Rows);
    scrollTo(index);
}

// The cursor moves to the row the user chose in the view.
void DBGrid::viewRowChanged(const QModelIndex &current)
{
    Cursor *c = cursor();
    if (m_following || !current.isValid() || !c || !c->isOpen())
        return;
    const int recNo = current.row() + 1;
    if (c->recNo() != recNo) {
        try {
            c->setRecNo(recNo);
        } catch (const DbError &e) {
            if (m_source)
                m_source->reportError(e);
        }
    }
    if (c->recNo() != recNo)
        followCursor(); // the cursor stayed: the view goes back to it
}

QModelIndex DBGrid::moveCursor(CursorAction action, Qt::KeyboardModifiers modifiers)
{
    if (selectionBehavior() == QAbstractItemView::SelectRows && (action == MoveHome || action == MoveEnd))
        modifiers |= Qt::ControlModifier; // the view's Ctrl+Home and Ctrl+End: first and last row
    return QTableView::moveCursor(action, modifiers);
}

void DBGrid::modelError(const DbError &error)
{
    if (m_committing)
        m_commitError = error; // told when the editor has closed
    else if (m_source)
        m_source->reportError(error);
}

void DBGrid::commitData(QWidget *editor)
{
    // Read first: starting the edit shows the record's value in the open editor again.
    const QVariant typed = editor->metaObject()->userProperty().read(editor);
    const QModelIndex cell = indexAt(editor->geometry().center());
    m_commitError.reset();
    {
        const QScopedValueRollback committing(m_committing, true);
        QTableView::commitData(editor);
    }
    if (m_commitError) {
        m_refusal = Refusal{*std::exchange(m_commitError, std::nullopt), cell, typed};
        return;
    }
    m_committed = true;
}

void DBGrid::closeEditor(QWidget *editor, QAbstractItemDelegate::EndEditHint hint)
{
    const std::optional<Refusal> refusal = std::exchange(m_refusal, std::nullopt);
    Cursor *c = cursor();
    // When the view is moving to another row the cursor follows it and stores the record itself.
    const bool post = std::exchange(m_committed, false) && m_postOnCommit && c && c->isOpen() &&
                      currentIndex().row() == c->recNo() - 1;
    // Posting rebuilds the rows, and a refused value comes back to its own cell,
    // so no editor is opened on a neighbour cell first.
    const bool moves = hint == QAbstractItemDelegate::EditNextItem || hint == QAbstractItemDelegate::EditPreviousItem;
    QTableView::closeEditor(editor, (post || refusal) && moves ? QAbstractItemDelegate::NoHint : hint);
    if (refusal)
        offerAgain(*refusal);
    else if (post)
        postCommitted();
}

void DBGrid::postCommitted()
{
    Cursor *c = cursor();
    if (!c || !c->isOpen() || c->state() == Cursor::State::Browse)
        return;
    try {
        c->post();
    } catch (const DbError &e) {
        // The record stays in editing with the value, which its cell shows: the
        // next post, from the cell or on leaving the row, stores it.
        if (m_source)
            m_source->reportError(e);
    }
}

void DBGrid::offerAgain(const Refusal &refusal)
{
    if (m_source)
        m_source->reportError(refusal.error);
    // Only while the view and the cursor are still on that row: elsewhere the
    // value would be typed into another record.
    const Cursor *c = cursor();
    if (!refusal.cell.isValid() || !c || !c->isOpen() || currentIndex().row() != refusal.cell.row() ||
        c->recNo() - 1 != refusal.cell.row())
        return;
    setCurrentIndex(refusal.cell);
    edit(refusal.cell);
    if (QWidget *editor = indexWidget(refusal.cell))
        editor->metaObject()->userProperty().write(editor, refusal.typed);
}

int anchoParaColumnas(const QTableView *grid)
{
    const QHeaderView *cabecera = grid->verticalHeader();
    // As the view lays its header out, also before it is shown.
    const int marcador =
        cabecera->isHidden()
            ? 0
            : std::min(std::max(cabecera->minimumWidth(), cabecera->sizeHint().width()), cabecera->maximumWidth());
    const int barra = grid->style()->pixelMetric(QStyle::PM_ScrollBarExtent, nullptr, grid->verticalScrollBar());
    return grid->width() - 2 * grid->frameWidth() - marcador - barra;
}

void ajustarColumna(QTableView *grid)
{
    const QAbstractItemModel *model = grid ? grid->model() : nullptr;
    if (!model)
        return;
    const int columns = model->columnCount();
    if (columns == 1)
        grid->setColumnWidth(0, std::max(0, anchoParaColumnas(grid)));
    else if (columns == 2)
        grid->setColumnWidth(0, std::max(0, anchoParaColumnas(grid) - grid->columnWidth(1)));
}

} // namespace yb
