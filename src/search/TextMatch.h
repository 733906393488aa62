#pragma once

#include <QString>
#include <QStringList>
#include <QStringView>
#include <utility>

namespace yb::Texto {

// Folds a text for matching: the accented vowels, ñ and ü of the table
// become their capitals without accent (Ñ for ñ), then a-z become A-Z; every
// other character stays. The result has the input's length, character for character.
QString plegar(QStringView texto);
// The same fold written into `destino`, which keeps its allocation from one call
// to the next (a search folds thousands of fields into one buffer). `texto` may
// be `destino` itself.
void plegarEn(QStringView texto, QString &destino);
// The fold of one character: the table below 256, the character itself above.
char16_t plegarCaracter(char16_t c);

// True when the folded term occurs in the folded text; an empty term occurs nowhere.
bool contiene(QStringView termino, QStringView texto);
// True when at least one term occurs (false for no terms).
bool algunTermino(const QStringList &terminos, QStringView texto);
// True when every term occurs (true for no terms).
bool todosLosTerminos(const QStringList &terminos, QStringView texto);
// Every occurrence of every term in a folded text, overlapping ones too, as
// (position, length) pairs in the order of the terms and then of the text.
QList<std::pair<qsizetype, qsizetype>> ocurrencias(const QStringList &terminos, QStringView textoPlegado);

// The words of a text (separated by spaces only), each folded, in their order.
QStringList separarPalabras(QStringView texto);

} // namespace yb::Texto
