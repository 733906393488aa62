#include "dbwidgets/EditarCelda.h"

#include "dbwidgets/DBGrid.h"
#include "dialogs/CajaEdicion.h"

namespace yb {

bool editarYGuardar(QString &texto, QWidget *control, const QRect &rect, DataSource &source,
                    const std::function<bool(const QString &)> &guardar)
{
    // A failed post keeps the box and the typing on screen: the user retries once
    // the database can take it, or gives it up with Esc.
    while (cajaEdicion(texto, control, rect, true)) {
        try {
            return guardar(texto);
        } catch (const DbError &e) {
            source.reportError(e);
        }
    }
    return false;
}

bool EditarCelda(DBGrid *grid)
{
    if (!grid || !grid->cursorModel() || !grid->dataSource())
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
    const bool editadoAqui = cursor->state() == Cursor::State::Browse;
    const bool guardado =
        editarYGuardar(texto, grid->viewport(), grid->visualRect(cell), *grid->dataSource(), [&](const QString &t) {
            if (editadoAqui)
                cursor->edit(); // nothing when a failed attempt left the row in editing
            cursor->setValue(field, t);
            return !editadoAqui || cursor->post();
        });
    if (!guardado) {
        // Given up, or turned down by the post-error handler: the row goes back as it was.
        if (editadoAqui)
            cursor->cancel();
        return false;
    }
    grid->viewport()->update();
    return true;
}

} // namespace yb
