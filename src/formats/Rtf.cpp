#include "formats/Rtf.h"

#include "formats/RtfDocumento.h"
#include "formats/RtfLector.h"

#include <QTextDocument>

namespace yb::Rtf {

namespace {

// Where the RTF starts ("{\rtf" after white space), or -1 for a text that is not RTF.
qsizetype inicioRtf(QStringView texto)
{
    qsizetype i = 0;
    while (i < texto.size() && texto[i].isSpace())
        ++i;
    return texto.sliced(i).startsWith(u"{\\rtf") ? i : -1;
}

// Collects the text as a reader sees it: paragraphs, rows and line breaks as
// "\n", the cells of a row separated by tabs.
class DestinoPlano : public Destino {
public:
    explicit DestinoPlano(QString &texto) : m_texto(texto) {}
    void texto(QStringView texto, const Formato &) override { m_texto.append(texto); }
    bool usaFormato() const override { return false; }
    void salto(const Formato &) override { m_texto.append(u'\n'); }
    void parrafo(const FormatoParrafo &formato, Separacion antes) override
    {
        if (antes == Separacion::Celda && formato.enTabla)
            m_texto.append(u'\t');
        else if (antes != Separacion::Ninguna)
            m_texto.append(u'\n'); // also after a cell that no row closes: the table ended there
    }

private:
    QString &m_texto;
};

} // namespace

bool esRtf(QStringView texto)
{
    return inicioRtf(texto) >= 0;
}

QString textoPlano(QStringView texto)
{
    const qsizetype inicio = inicioRtf(texto);
    if (inicio < 0)
        return texto.toString();
    QString plano;
    plano.reserve(texto.size() - inicio);
    DestinoPlano destino(plano);
    interpretar(texto.sliced(inicio), destino);
    return plano;
}

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
