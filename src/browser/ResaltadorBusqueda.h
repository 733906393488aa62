#pragma once

#include "dbwidgets/FormatosVista.h"

#include <QStringList>

namespace yb {

// The marks of the full-text search over a paragraph: every occurrence of each
// folded term, overlapping ones too. None for no terms.
FormatosVista::Marcador marcadorDeBusqueda(const QStringList &terminos);

} // namespace yb
