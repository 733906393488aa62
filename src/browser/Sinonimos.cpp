#include "browser/Sinonimos.h"

namespace yb {

TFSinonimos::TFSinonimos(QWidget *parent) : TVentana(parent)
{
    setObjectName(QStringLiteral("FSinonimos"));
    setWindowTitle(QStringLiteral("Yerbalia"));
}

} // namespace yb
