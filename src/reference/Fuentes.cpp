#include "reference/Fuentes.h"

namespace yb {

TFFuentes::TFFuentes(QWidget *parent) : TVentana(parent)
{
    setObjectName(QStringLiteral("FFuentes"));
    setWindowTitle(QStringLiteral("Yerbalia"));
}

} // namespace yb
