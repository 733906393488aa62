#pragma once

#include <QString>
#include <QStringView>

class QTextDocument;

namespace yb::Rtf {

// True when the text is RTF ("{\rtf" after optional white space).
bool esRtf(QStringView texto);

// The text a reader sees: RTF turned into plain text (paragraphs and line
// breaks as "\n", tabs as "\t", code-page escapes and \u characters decoded,
// destinations such as font tables skipped; the mark that ends the last
// paragraph adds no line); a text that is not RTF is returned as it is.
// One pass over the text, no document. Never fails.
QString textoPlano(QStringView texto);

// Fills a document with the RTF's text and styles (bold, italic, underline,
// font sizes, colours, paragraphs, line breaks, tabs); a text that is not RTF
// becomes plain text. Never fails, whatever the input.
void leer(QStringView texto, QTextDocument &documento);

// The document as RTF that this reader and common word processors read back.
QString escribir(const QTextDocument &documento);

} // namespace yb::Rtf
