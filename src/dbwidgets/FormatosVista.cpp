#include "dbwidgets/FormatosVista.h"

#include <QTextBlock>
#include <QTextDocument>

namespace yb {

FormatosVista::FormatosVista(QTextDocument *documento) : QSyntaxHighlighter(documento) {}

void FormatosVista::setEscala(qreal escala)
{
    if (escala <= 0 || qFuzzyCompare(escala, m_escala))
        return;
    m_escala = escala;
    rehighlight();
}

void FormatosVista::setMarcador(Marcador marcador)
{
    if (!marcador && !m_marcador)
        return;
    m_marcador = std::move(marcador);
    rehighlight();
}

void FormatosVista::highlightBlock(const QString &texto)
{
    if (!qFuzzyCompare(m_escala, 1.0))
        escalarTamanos();
    if (!m_marcador)
        return;
    for (const auto &[en, largo] : m_marcador(texto)) {
        // Char by char: a mark may cross runs whose sizes were scaled apart.
        for (int i = en; i < en + largo && i < texto.size(); ++i) {
            QTextCharFormat f = format(i);
            f.setFontWeight(QFont::Bold);
            f.setFontUnderline(true);
            setFormat(i, 1, f);
        }
    }
}

// Each run shows at its own size times the scale; a run without a size of its
// own has the document's.
void FormatosVista::escalarTamanos()
{
    const QTextBlock bloque = currentBlock();
    const QFont base = document()->defaultFont();
    for (auto it = bloque.begin(); !it.atEnd(); ++it) {
        const QTextFragment fragmento = it.fragment();
        if (!fragmento.isValid())
            continue;
        const QTextCharFormat propio = fragmento.charFormat();
        if (propio.isImageFormat())
            continue;
        QTextCharFormat escalado;
        if (propio.hasProperty(QTextFormat::FontPixelSize) && !propio.hasProperty(QTextFormat::FontPointSize)) {
            escalado.setProperty(QTextFormat::FontPixelSize,
                                 qRound(propio.intProperty(QTextFormat::FontPixelSize) * m_escala));
        } else {
            const qreal puntos =
                propio.hasProperty(QTextFormat::FontPointSize) ? propio.fontPointSize() : base.pointSizeF();
            if (puntos <= 0)
                continue;
            escalado.setFontPointSize(puntos * m_escala);
        }
        setFormat(fragmento.position() - bloque.position(), fragmento.length(), escalado);
    }
}

} // namespace yb
