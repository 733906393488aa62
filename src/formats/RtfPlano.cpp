#include "formats/RtfPlano.h"

#include "formats/RtfLector.h"

namespace yb::Rtf {

namespace {

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

qsizetype inicioRtf(QStringView texto)
{
    qsizetype i = 0;
    while (i < texto.size() && texto[i].isSpace())
        ++i;
    return texto.sliced(i).startsWith(u"{\\rtf") ? i : -1;
}

bool esRtf(QStringView texto) { return inicioRtf(texto) >= 0; }

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

} // namespace yb::Rtf
