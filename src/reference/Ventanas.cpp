#include "reference/Ventanas.h"

namespace yb {

TFGlo::TFGlo(QWidget *parent) : TVentana(parent)
{
    setObjectName(QStringLiteral("FGlo"));
    setWindowTitle(QStringLiteral("Yerbalia"));
}

TFFuentes::TFFuentes(QWidget *parent) : TVentana(parent)
{
    setObjectName(QStringLiteral("FFuentes"));
    setWindowTitle(QStringLiteral("Yerbalia"));
}

} // namespace yb
