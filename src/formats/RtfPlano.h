#pragma once

#include <QString>
#include <QStringView>

namespace yb::Rtf {

// True when the text is RTF ("{\rtf" after optional white space).
bool esRtf(QStringView texto);

// Where the RTF starts ("{\rtf" after white space), or -1 for a text that is not RTF.
qsizetype inicioRtf(QStringView texto);

// The text a reader sees: RTF turned into plain text (paragraphs and line
// breaks as "\n", tabs as "\t", code-page escapes and \u characters decoded,
// destinations such as font tables skipped; the mark that ends the last
// paragraph adds no line); a text that is not RTF is returned as it is.
// One pass over the text, no document. Never fails.
QString textoPlano(QStringView texto);

} // namespace yb::Rtf
