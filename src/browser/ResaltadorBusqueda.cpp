#include "browser/ResaltadorBusqueda.h"

#include "search/TextMatch.h"

namespace yb {

FormatosVista::Marcador marcadorDeBusqueda(const QStringList &terminos)
{
    if (terminos.isEmpty())
        return nullptr;
    // A term is one line: it never spans two paragraphs, so each is marked on its own.
    // The fold keeps every character in its place, so positions carry over.
    return [terminos](const QString &parrafo) {
        QList<std::pair<int, int>> marcas;
        for (const auto &[en, largo] : Texto::ocurrencias(terminos, Texto::plegar(parrafo)))
            marcas.append({int(en), int(largo)});
        return marcas;
    };
}

} // namespace yb
