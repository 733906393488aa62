#include "formats/Rtf.h"

#include <QTextDocument>

namespace yb::Rtf {

bool esRtf(QStringView texto) { return texto.trimmed().startsWith(u"{\\rtf"); }

QString textoPlano(QStringView texto) { return texto.toString(); }

void leer(QStringView texto, QTextDocument &documento) { documento.setPlainText(texto.toString()); }

QString escribir(const QTextDocument &documento) { return documento.toPlainText(); }

} // namespace yb::Rtf
