#include "dbwidgets/EditarCelda.h"

#include "dbwidgets/DBGrid.h"
#include "dialogs/CajaEdicion.h"

namespace yb {

bool EditarCelda(DBGrid *grid)
{
    if (!grid || !grid->cursorModel())
        return false;
    CursorModel *model = grid->cursorModel();
    Cursor *cursor = model->cursor();
    if (!cursor || !cursor->isOpen() || cursor->recordCount() == 0)
        return false;
    const int column = grid->currentIndex().isValid() ? grid->currentIndex().column() : 0;
    // A key numbered by the table, a lookup or calculated field, a read-only column.
    if (!model->isColumnEditable(column))
        return false;
    const QModelIndex cell = model->index(cursor->recNo() - 1, column);
    if (!cell.isValid())
        return false;
    const QString field = model->columns().at(column).field;

    grid->scrollTo(cell);
    QString texto = model->data(cell, Qt::EditRole).toString();
    if (!cajaEdicion(texto, grid->viewport(), grid->visualRect(cell), true))
        return false;

    const bool editadoAqui = cursor->state() == Cursor::State::Browse;
    try {
        if (editadoAqui)
            cursor->edit();
        cursor->setValue(field, texto);
        if (editadoAqui && !cursor->post()) {
            cursor->cancel(); // the post-error handler turned the change down
            return false;
        }
    } catch (const DbError &) {
        // The row goes back to how it was; whoever runs the handler shows the error.
        if (editadoAqui)
            cursor->cancel();
        throw;
    }
    grid->viewport()->update();
    return true;
}

} // namespace yb
