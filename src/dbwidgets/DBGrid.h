#pragma once

#include "dbwidgets/ConnectionSet.h"
#include "dbwidgets/CursorModel.h"
#include "dbwidgets/DataSource.h"

#include <QPersistentModelIndex>
#include <QPointer>
#include <QTableView>
#include <optional>

namespace yb {

// A grid over a data source: one row per record, the current row is the cursor's,
// cells editable in place while the data source lets controls edit. Every error
// of the table engine goes to the data source; what the user typed is never
// dropped for it: a value whose post fails stays in the record being edited (and
// in its cell) until a later post stores it, and a value the field refuses is
// offered again in the cell's editor, as typed.
class DBGrid : public QTableView {
    Q_OBJECT
public:
    using Column = CursorModel::Column;

    explicit DBGrid(QWidget *parent = nullptr);

    DataSource *dataSource() const { return m_source; }
    void setDataSource(DataSource *source);
    void setColumns(const QList<Column> &columns);
    CursorModel *cursorModel() const { return m_model; }

    // A read-only grid never edits, whatever the data source allows.
    bool isReadOnly() const { return m_readOnly; }
    void setReadOnly(bool on);
    // Whether an edit committed from a cell is posted at once (the default) or left
    // to the cursor's normal flow (moving away or an explicit post).
    bool postOnCommit() const { return m_postOnCommit; }
    void setPostOnCommit(bool on) { m_postOnCommit = on; }

    // Typing does not search the shown texts: the windows that search by typing do
    // so through the cursor, by their own rule.
    void keyboardSearch(const QString &) override {}

protected:
    // With whole rows selected, Home and End go to the first and the last record.
    QModelIndex moveCursor(CursorAction action, Qt::KeyboardModifiers modifiers) override;

protected slots:
    void commitData(QWidget *editor) override;
    void closeEditor(QWidget *editor, QAbstractItemDelegate::EndEditHint hint) override;

private:
    Cursor *cursor() const;
    void updateEditing();
    void followCursor();
    void viewRowChanged(const QModelIndex &current);
    void postCommitted();
    void modelError(const DbError &error);

    // A value the field refused when the cell's editor committed it: told once
    // the editor has closed (a message shown over an open editor would commit it
    // again), then typed into the cell's editor again.
    struct Refusal {
        DbError error;
        QPersistentModelIndex cell;
        QVariant typed;
    };
    void offerAgain(const Refusal &refusal);

    CursorModel *m_model;
    QPointer<DataSource> m_source;
    ConnectionSet m_connections;
    bool m_readOnly = false;
    bool m_postOnCommit = true;
    bool m_committed = false;
    bool m_committing = false;
    std::optional<DbError> m_commitError;
    std::optional<Refusal> m_refusal;
    bool m_following = false;
};

// Fits a grid's columns to its width: a single column gets the room beside the row
// marker and the vertical scroll bar; with two, the first gets that room less the
// second's width. The room is reserved whether the scroll bar shows or not, so no
// column ever lies under it.
void ajustarColumna(QTableView *grid);
// The width the columns of a grid may take: its width less its frame, its row
// marker and a vertical scroll bar.
int anchoParaColumnas(const QTableView *grid);

} // namespace yb
