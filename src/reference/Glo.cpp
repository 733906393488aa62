#include "reference/Glo.h"

namespace yb {

TFGlo::TFGlo(QWidget *parent) : TVentana(parent)
{
    setObjectName(QStringLiteral("FGlo"));
    setWindowTitle(QStringLiteral("Yerbalia"));
}

} // namespace yb
