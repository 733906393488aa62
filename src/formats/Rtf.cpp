#include "formats/Rtf.h"

#include "formats/RtfDocumento.h"

#include <QTextDocument>

namespace yb::Rtf {

void leer(QStringView texto, QTextDocument &documento)
{
    const qsizetype inicio = inicioRtf(texto);
    const bool deshacer = documento.isUndoRedoEnabled();
    documento.setUndoRedoEnabled(false); // loading is not an edit to undo
    if (inicio < 0) {
        documento.setPlainText(texto.toString());
    } else {
        documento.clear();
        construirDocumento(texto.sliced(inicio), documento);
    }
    documento.setUndoRedoEnabled(deshacer);
    documento.setModified(false);
}

} // namespace yb::Rtf
