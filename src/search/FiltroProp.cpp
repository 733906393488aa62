#include "search/FiltroProp.h"

namespace yb {

TFFiltroProp::TFFiltroProp(QWidget *parent) : TVentana(parent)
{
    setObjectName(QStringLiteral("FFiltroProp"));
    setWindowTitle(QStringLiteral("Yerbalia"));
}

} // namespace yb
