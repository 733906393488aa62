#include "formats/Rtf.h"

#include "formats/RtfLector.h"
#include "formats/RtfTokens.h"

#include <QHash>
#include <QTextBlock>
#include <QTextDocument>
#include <QTextFragment>
#include <cmath>

namespace yb::Rtf {

namespace {

// The code-page 1252 byte of a character, or -1 when the code page lacks it.
int byte1252(char16_t c)
{
    if (c < 0x80 || (c >= 0xA0 && c <= 0xFF))
        return c;
    for (int b = 0x80; b < 0xA0; ++b) {
        const char16_t m = caracter1252(quint8(b));
        if (m == c && m >= 0x100) // bytes the code page leaves undefined stay \u
            return b;
    }
    return -1;
}

void escribirNumero(QString &rtf, QStringView palabra, int numero)
{
    rtf += palabra;
    rtf += QString::number(numero);
}

// Text as RTF: syntax characters escaped, tabs and line breaks as control
// words, code-page characters as \'hh and any other as \uN with '?' for readers
// that do not know it.
void escribirTexto(QString &rtf, QStringView texto)
{
    static const char16_t hex[] = u"0123456789abcdef";
    for (const QChar qc : texto) {
        const char16_t c = qc.unicode();
        if (c == u'\\' || c == u'{' || c == u'}') {
            rtf += u'\\';
            rtf += qc;
        } else if (c == u'\t') {
            rtf += u"\\tab ";
        } else if (c == QChar::LineSeparator || c == QChar::ParagraphSeparator) {
            rtf += u"\\line ";
        } else if (c == QChar::Nbsp) {
            rtf += u"\\~";
        } else if (c < 0x20 || c == QChar::ObjectReplacementCharacter || c == 0xFDD0 || c == 0xFDD1) {
            // control characters, images and frame marks carry no text
        } else if (c < 0x80) {
            rtf += qc;
        } else if (const int b = byte1252(c); b >= 0) {
            rtf += u"\\'";
            rtf += hex[b >> 4];
            rtf += hex[b & 0xF];
        } else {
            escribirNumero(rtf, u"\\u", qint16(c));
            rtf += u'?';
        }
    }
}

// Turns a document into RTF, collecting the fonts and colours its runs use in
// the order they first appear (runs without a font take the document's).
class Escritor {
public:
    explicit Escritor(const QTextDocument &documento) : m_documento(documento)
    {
        const QFont base = documento.defaultFont();
        m_puntosBase = base.pointSizeF() > 0 ? base.pointSizeF() : 12.0;
        m_familiaBase = base.family().isEmpty() ? QStringLiteral("Arial") : base.family();
    }

    QString escribir()
    {
        QString cuerpo;
        cuerpo.reserve(m_documento.characterCount() * 5 / 4 + 64);
        Formato escrito; // RTF's defaults: \plain with the first font, which \deff0 makes the default
        escrito.fuente = 0;
        for (QTextBlock bloque = m_documento.begin(); bloque.isValid(); bloque = bloque.next()) {
            cuerpo += u"\\pard";
            for (auto it = bloque.begin(); !it.atEnd(); ++it) {
                const QTextFragment fragmento = it.fragment();
                if (!fragmento.isValid())
                    continue;
                const Formato f = formatoDe(fragmento.charFormat());
                const bool cambia = !(f == escrito);
                cambiarFormato(cuerpo, escrito, f);
                escrito = f;
                if (cambia || cuerpo.endsWith(u"\\pard"))
                    cuerpo += u' ';
                escribirTexto(cuerpo, fragmento.text());
            }
            cuerpo += u"\\par\r\n";
        }

        if (m_fuentes.isEmpty())
            indiceFuente(m_familiaBase); // \deff0 names a font of the table
        QString rtf;
        rtf.reserve(cuerpo.size() + 256);
        rtf += u"{\\rtf1\\ansi\\ansicpg1252\\deff0{\\fonttbl";
        for (qsizetype i = 0; i < m_fuentes.size(); ++i) {
            escribirNumero(rtf, u"{\\f", int(i));
            rtf += u"\\fnil\\fcharset0 ";
            escribirTexto(rtf, QString(m_fuentes[i]).remove(u';'));
            rtf += u";}";
        }
        rtf += u"}\r\n{\\colortbl ;";
        for (const QColor &c : m_colores) {
            escribirNumero(rtf, u"\\red", c.red());
            escribirNumero(rtf, u"\\green", c.green());
            escribirNumero(rtf, u"\\blue", c.blue());
            rtf += u';';
        }
        rtf += u"}\r\n\\viewkind4\\uc1";
        rtf += cuerpo;
        rtf += u'}';
        return rtf;
    }

private:
    int indiceFuente(const QString &familia)
    {
        const auto it = m_indiceFuentes.constFind(familia);
        if (it != m_indiceFuentes.constEnd())
            return *it;
        m_fuentes.append(familia);
        m_indiceFuentes.insert(familia, int(m_fuentes.size() - 1));
        return int(m_fuentes.size() - 1);
    }

    int indiceColor(const QColor &color)
    {
        const QRgb rgb = color.rgb() & 0xFFFFFF;
        const auto it = m_indiceColores.constFind(rgb);
        if (it != m_indiceColores.constEnd())
            return *it;
        m_colores.append(color);
        m_indiceColores.insert(rgb, int(m_colores.size())); // index 0 is the automatic colour
        return int(m_colores.size());
    }

    Formato formatoDe(const QTextCharFormat &c)
    {
        Formato f;
        f.negrita = c.fontWeight() >= QFont::DemiBold;
        f.cursiva = c.fontItalic();
        f.subrayado = c.fontUnderline();
        const double puntos = c.fontPointSize() > 0 ? c.fontPointSize() : m_puntosBase;
        f.medioPuntos = std::clamp(int(std::lround(puntos * 2)), 2, 3276);
        f.color = c.foreground().style() != Qt::NoBrush ? indiceColor(c.foreground().color()) : 0;
        const QString familia = c.property(QTextFormat::FontFamilies).toStringList().value(0);
        f.fuente = indiceFuente(familia.isEmpty() ? m_familiaBase : familia);
        return f;
    }

    static void cambiarFormato(QString &rtf, const Formato &antes, const Formato &ahora)
    {
        if (ahora.negrita != antes.negrita)
            rtf += ahora.negrita ? u"\\b" : u"\\b0";
        if (ahora.cursiva != antes.cursiva)
            rtf += ahora.cursiva ? u"\\i" : u"\\i0";
        if (ahora.subrayado != antes.subrayado)
            rtf += ahora.subrayado ? u"\\ul" : u"\\ulnone";
        if (ahora.fuente != antes.fuente)
            escribirNumero(rtf, u"\\f", ahora.fuente);
        if (ahora.medioPuntos != antes.medioPuntos)
            escribirNumero(rtf, u"\\fs", ahora.medioPuntos);
        if (ahora.color != antes.color)
            escribirNumero(rtf, u"\\cf", ahora.color);
    }

    const QTextDocument &m_documento;
    double m_puntosBase = 12.0;
    QString m_familiaBase;
    QStringList m_fuentes;
    QHash<QString, int> m_indiceFuentes;
    QList<QColor> m_colores;
    QHash<QRgb, int> m_indiceColores;
};

} // namespace

QString escribir(const QTextDocument &documento)
{
    return Escritor(documento).escribir();
}

} // namespace yb::Rtf
