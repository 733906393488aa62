#pragma once

#include <QPixmap>

namespace yb {

// The built-in placeholder pictures of the photo area: a leaf for a herb
// without a photograph, a mortar for a formula.
QPixmap imagenHierba();
QPixmap imagenFormula();

} // namespace yb
