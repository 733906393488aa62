#include "search/TextMatch.h"

namespace yb::Texto {

QString plegar(QStringView texto) { return texto.toString(); }
bool contiene(QStringView, QStringView) { return false; }
bool algunTermino(const QStringList &, QStringView) { return false; }
bool todosLosTerminos(const QStringList &, QStringView) { return true; }
QStringList separarPalabras(QStringView) { return {}; }

} // namespace yb::Texto
