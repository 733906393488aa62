#include "repertory/SelArch.h"

namespace yb {

TFSelArch::TFSelArch(QWidget *parent) : TVentana(parent)
{
    setObjectName(QStringLiteral("FSelArch"));
    setWindowTitle(QStringLiteral("Yerbalia"));
}

} // namespace yb
