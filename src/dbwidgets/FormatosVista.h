#pragma once

#include <QList>
#include <QSyntaxHighlighter>
#include <functional>
#include <utility>

namespace yb {

// Formats laid over a shown text, never part of its document, so never stored:
// every size scaled by one factor, and marks (bold, underlined) where a marker
// finds them.
class FormatosVista : public QSyntaxHighlighter {
    Q_OBJECT
public:
    // Where a paragraph's marks fall, as (position in the paragraph, length).
    using Marcador = std::function<QList<std::pair<int, int>>(const QString &parrafo)>;

    explicit FormatosVista(QTextDocument *documento);

    qreal escala() const { return m_escala; }
    void setEscala(qreal escala);
    // Null: no marks.
    void setMarcador(Marcador marcador);

protected:
    void highlightBlock(const QString &texto) override;

private:
    void escalarTamanos();

    qreal m_escala = 1.0;
    Marcador m_marcador;
};

} // namespace yb
