#include "browser/Ventanas.h"

namespace yb {

TFSelClase::TFSelClase(QWidget *parent) : TVentana(parent)
{
    setObjectName(QStringLiteral("FSelClase"));
    setWindowTitle(QStringLiteral("Yerbalia"));
}

TFSinonimos::TFSinonimos(QWidget *parent) : TVentana(parent)
{
    setObjectName(QStringLiteral("FSinonimos"));
    setWindowTitle(QStringLiteral("Yerbalia"));
}

TFCalco::TFCalco(QWidget *parent) : TVentana(parent)
{
    setObjectName(QStringLiteral("FCalco"));
    setAttribute(Qt::WA_TransparentForMouseEvents);
}

} // namespace yb
