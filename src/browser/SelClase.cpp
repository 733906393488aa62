#include "browser/SelClase.h"

namespace yb {

TFSelClase::TFSelClase(Database &db, QWidget *parent) : TVentana(parent), m_clases(db, QStringLiteral("Clases"))
{
    setObjectName(QStringLiteral("FSelClase"));
}

bool TFSelClase::elegir(int, int &) { return false; }

void TFSelClase::TextosIngles() {}

} // namespace yb
