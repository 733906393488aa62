#include "dbwidgets/EditarCelda.h"

namespace yb {

bool EditarCelda(DBGrid *) { return false; }

} // namespace yb
