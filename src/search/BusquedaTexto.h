#pragma once

#include <QStringList>
#include <functional>

namespace yb {

class Database;
class TTagBits;

// The fields a full-text search reads from each row of Plantas, in the order
// they are joined: the three monograph texts of the language, Aplicacion in
// editor mode, then PinYin and Nom0..Nom3.
QStringList camposDeBusqueda(bool ingles, bool editor);

// How many of the leading fields of camposDeBusqueda() are rich texts.
int textosDeBusqueda(bool editor);

// Fills the search-hit set with the keys of the rows of Plantas whose search
// text holds the folded terms: any of them, or every one of them with `todos`.
// The set is cleared first; every row is read once in key order, whatever
// filter any cursor has. The search text of a row is the fold of its fields
// joined by "|": rich texts as a reader sees them (markup left out), names as
// stored, an empty field as an empty text. `progreso` is told the row count
// before the first row, and the rows done after each one.
void buscarTexto(Database &db, const QStringList &terminosPlegados, bool todos, bool ingles, bool editor,
                 TTagBits &hits, const std::function<void(int hecho, int total)> &progreso = {});

} // namespace yb
