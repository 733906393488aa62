#include "browser/ResaltadorBusqueda.h"

#include "search/TextMatch.h"

namespace yb {

ResaltadorBusqueda::ResaltadorBusqueda(QTextDocument *documento) : QSyntaxHighlighter(documento) {}

void ResaltadorBusqueda::setTerminos(const QStringList &terminos)
{
    if (terminos == m_terminos)
        return;
    m_terminos = terminos;
    rehighlight();
}

QList<std::pair<int, int>> ResaltadorBusqueda::marcas(const QTextBlock &bloque) const
{
    return m_marcas.value(bloque.blockNumber());
}

void ResaltadorBusqueda::highlightBlock(const QString &texto)
{
    QList<std::pair<int, int>> &marcas = m_marcas[currentBlock().blockNumber()];
    marcas.clear();
    if (m_terminos.isEmpty())
        return;
    QTextCharFormat marca;
    marca.setFontWeight(QFont::Bold);
    marca.setFontUnderline(true);
    // A term is one line: it never spans two paragraphs, so each is marked on its own.
    // The fold keeps every character in its place, so positions carry over.
    for (const auto &[en, largo] : Texto::ocurrencias(m_terminos, Texto::plegar(texto))) {
        setFormat(int(en), int(largo), marca);
        marcas.append({int(en), int(largo)});
    }
}

} // namespace yb
