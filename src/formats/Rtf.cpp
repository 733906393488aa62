#include "formats/Rtf.h"

#include "formats/RtfLector.h"

#include <QHash>
#include <QTextCursor>
#include <QTextDocument>
#include <vector>

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

// Characters a document keeps for its own structure (frame marks, objects) or
// that are no characters at all: kept out of the document's text.
bool reservadoDelDocumento(char16_t c)
{
    return c >= 0xFDD0 && (c <= 0xFDEF || c == 0xFFFC || c == 0xFFFE || c == 0xFFFF);
}

// Collects the text as a reader sees it: paragraphs and line breaks as "\n".
class DestinoPlano : public Destino {
public:
    explicit DestinoPlano(QString &texto) : m_texto(texto) {}
    void texto(QStringView texto, const Formato &) override { m_texto.append(texto); }
    bool usaFormato() const override { return false; }
    void salto(const Formato &) override { m_texto.append(u'\n'); }
    void parrafo() override { m_texto.append(u'\n'); }

private:
    QString &m_texto;
};

// Builds a document: runs of text with their character format, one block per
// paragraph, line breaks as line separators. Text in one format is gathered
// and inserted at once.
class DestinoDocumento : public Destino {
public:
    explicit DestinoDocumento(QTextCursor &cursor) : m_cursor(cursor) {}

    void texto(QStringView texto, const Formato &formato) override
    {
        if (formato != m_formato) {
            volcar();
            m_formato = formato;
        }
        qsizetype desde = 0;
        for (qsizetype i = 0; i < texto.size(); ++i) {
            if (reservadoDelDocumento(texto[i].unicode())) {
                m_pendiente.append(texto.sliced(desde, i - desde));
                desde = i + 1;
            }
        }
        m_pendiente.append(texto.sliced(desde));
    }
    void salto(const Formato &formato) override { texto(QStringView(u"\u2028"), formato); }
    void parrafo() override
    {
        volcar();
        m_cursor.insertBlock(QTextBlockFormat(), formatoDe(m_formato));
    }
    bool quiereTablas() const override { return true; }
    void fuente(int numero, const QString &nombre) override
    {
        m_fuentes.insert(numero, nombre);
        m_cacheValida = false;
    }
    void color(int indice, const QColor &color) override
    {
        if (size_t(indice) >= m_colores.size())
            m_colores.resize(size_t(indice) + 1);
        m_colores[size_t(indice)] = color;
        m_cacheValida = false;
    }

    void volcar()
    {
        if (m_pendiente.isEmpty())
            return;
        const QTextCharFormat &f = formatoDe(m_formato);
        if (m_cursor.atBlockStart())
            m_cursor.setBlockCharFormat(f);
        m_cursor.insertText(m_pendiente, f);
        m_pendiente.clear();
    }

private:
    const QTextCharFormat &formatoDe(const Formato &formato)
    {
        if (m_cacheValida && formato == m_cacheFormato)
            return m_cache;
        QTextCharFormat f;
        f.setFontWeight(formato.negrita ? QFont::Bold : QFont::Normal);
        f.setFontItalic(formato.cursiva);
        f.setFontUnderline(formato.subrayado);
        f.setFontPointSize(formato.medioPuntos / 2.0);
        if (size_t(formato.color) < m_colores.size() && m_colores[size_t(formato.color)].isValid())
            f.setForeground(m_colores[size_t(formato.color)]);
        if (const auto it = m_fuentes.constFind(formato.fuente); it != m_fuentes.constEnd())
            f.setFontFamilies({*it});
        m_cache = f;
        m_cacheFormato = formato;
        m_cacheValida = true;
        return m_cache;
    }

    QTextCursor &m_cursor;
    QString m_pendiente;
    Formato m_formato;
    QHash<int, QString> m_fuentes;
    std::vector<QColor> m_colores;
    QTextCharFormat m_cache;
    Formato m_cacheFormato;
    bool m_cacheValida = false;
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
        QTextCursor cursor(&documento);
        cursor.beginEditBlock();
        DestinoDocumento destino(cursor);
        interpretar(texto.sliced(inicio), destino);
        destino.volcar();
        cursor.endEditBlock();
    }
    documento.setUndoRedoEnabled(deshacer);
    documento.setModified(false);
}

} // namespace yb::Rtf
