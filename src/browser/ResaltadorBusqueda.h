#pragma once

#include <QStringList>
#include <QHash>
#include <QSyntaxHighlighter>
#include <QTextBlock>

namespace yb {

// Marks every occurrence of the search terms in a text, bold and underlined,
// overlapping ones too. The marks are layout formats laid over the text: they
// are shown, never part of the document, so they are never stored.
class ResaltadorBusqueda : public QSyntaxHighlighter {
    Q_OBJECT
public:
    explicit ResaltadorBusqueda(QTextDocument *documento);

    // The folded terms to mark; none clears every mark.
    void setTerminos(const QStringList &terminos);
    // The marks of a paragraph as (position in the paragraph, length), as last laid over it.
    QList<std::pair<int, int>> marcas(const QTextBlock &bloque) const;

protected:
    void highlightBlock(const QString &texto) override;

private:
    QStringList m_terminos;
    QHash<int, QList<std::pair<int, int>>> m_marcas; // by paragraph number
};

} // namespace yb
