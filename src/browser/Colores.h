#pragma once

#include <QColor>

namespace yb {

// The three colours of a colour scheme: panels, header bars, grids and texts.
struct EsquemaColores {
    QColor base, cabecera, claro;
};

// Colour schemes 1 to 5; any other number gives black for all three.
EsquemaColores esquemaColores(int esquema);
// The base colour of a scheme; black outside 1 to 5.
QColor ColorBase(int esquema);
// The scheme after this one: 1 to 5 cycle; any other number starts again at 1.
int siguienteEsquema(int esquema);

// Text size rules: at least 10; one byte, so at most 255.
int letraAplicable(int size);
int letraMayor(int current);
int letraMenor(int current); // unchanged at 10 or below

} // namespace yb
