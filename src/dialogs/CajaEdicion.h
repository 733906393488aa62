#pragma once

#include <QRect>
#include <QString>

class QWidget;

namespace yb {

// The in-place edit box: a borderless box exactly over a value shown in a
// control (a grid cell, a label). Enter accepts, Esc cancels. On acceptance
// `texto` becomes what was typed; on cancel it is left as it was.
bool cajaEdicion(QString &texto, QWidget *control, const QRect &rect, bool seleccionarTodo = true);

} // namespace yb
