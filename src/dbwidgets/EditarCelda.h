#pragma once

#include <QRect>
#include <QString>
#include <functional>

class QWidget;

namespace yb {

class DataSource;
class DBGrid;

// Edits the grid's selected cell in place and stores it: true when the value
// was changed and stored; false for a key or read-only field, or on cancel.
// A value that cannot be stored is never dropped: see editarYGuardar.
bool EditarCelda(DBGrid *grid);

// The in-place edit box over `rect` of `control`, until what is typed in it is
// stored or given up. `guardar` stores the text: true when stored, false when
// the table's post-error handler turned it down (that handler told the user).
// When it throws, the error goes to `source`, whose window tells the user, and
// the box opens again holding the text as typed: Enter tries again, Esc gives
// the change up. True when stored; `texto` is then what was stored.
bool editarYGuardar(QString &texto, QWidget *control, const QRect &rect, DataSource &source,
                    const std::function<bool(const QString &)> &guardar);

} // namespace yb
