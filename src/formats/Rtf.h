#pragma once

#include "formats/RtfPlano.h"

#include <QString>
#include <QStringView>

class QTextDocument;

// The RTF codec: plain text (RtfPlano.h), and documents read and written.
namespace yb::Rtf {

// Fills a document with the RTF's text and styles (bold, italic, underline,
// font sizes, colours, paragraphs, line breaks, tabs); a text that is not RTF
// becomes plain text. Never fails, whatever the input.
void leer(QStringView texto, QTextDocument &documento);

// The document as RTF that this reader and common word processors read back.
QString escribir(const QTextDocument &documento);

} // namespace yb::Rtf
