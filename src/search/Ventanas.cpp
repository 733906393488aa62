#include "search/Ventanas.h"

namespace yb {

TFBuscar::TFBuscar(QWidget *parent) : TVentana(parent)
{
    setObjectName(QStringLiteral("FBuscar"));
    setWindowTitle(QStringLiteral("Yerbalia"));
}

TFFiltroProp::TFFiltroProp(QWidget *parent) : TVentana(parent)
{
    setObjectName(QStringLiteral("FFiltroProp"));
    setWindowTitle(QStringLiteral("Yerbalia"));
}

} // namespace yb
