#include "dialogs/CajaEdicion.h"

namespace yb {

bool cajaEdicion(QString &, QWidget *, const QRect &, bool) { return false; }

} // namespace yb
