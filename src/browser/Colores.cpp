#include "browser/Colores.h"

#include <algorithm>

namespace yb {

EsquemaColores esquemaColores(int esquema)
{
    switch (esquema) {
    case 1: return {QColor(167, 196, 214), QColor(206, 223, 234), QColor(225, 235, 242)};
    case 2: return {QColor(191, 191, 191), QColor(209, 209, 209), QColor(228, 228, 228)};
    case 3: return {QColor(215, 193, 162), QColor(221, 202, 174), QColor(232, 219, 200)};
    case 4: return {QColor(148, 148, 148), QColor(177, 177, 177), QColor(200, 200, 200)};
    case 5: return {QColor(169, 199, 187), QColor(193, 210, 201), QColor(215, 226, 220)};
    default: return {QColor(0, 0, 0), QColor(0, 0, 0), QColor(0, 0, 0)};
    }
}

QColor ColorBase(int esquema) { return esquemaColores(esquema).base; }

int siguienteEsquema(int esquema) { return esquema >= 1 && esquema < 5 ? esquema + 1 : 1; }

int letraAplicable(int size) { return std::clamp(size, 10, 255); }

int letraMayor(int current) { return std::min(current + 1, 255); }

int letraMenor(int current) { return current <= 10 ? current : current - 1; }

} // namespace yb
