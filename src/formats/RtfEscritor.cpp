#include "formats/Rtf.h"

#include "formats/RtfLector.h"
#include "formats/RtfTokens.h"

#include <QHash>
#include <QTextBlock>
#include <QTextDocument>
#include <QTextFragment>
#include <QTextList>
#include <QTextTable>
#include <algorithm>
#include <cmath>
#include <utility>

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

// Every block of a frame from `it` on, in order, those of nested frames and
// tables included.
template <typename Bloque>
void cadaBloque(QTextFrame::iterator it, const Bloque &bloque)
{
    for (; !it.atEnd(); ++it) {
        if (QTextFrame *marco = it.currentFrame())
            cadaBloque(marco->begin(), bloque);
        else
            bloque(it.currentBlock());
    }
}

// How a list level is numbered in RTF: \levelnfc and, for bullets, the bullet.
struct Numeracion {
    int formato;
    char16_t vineta = 0;
};

Numeracion numeracionDe(QTextListFormat::Style estilo)
{
    switch (estilo) {
    case QTextListFormat::ListDecimal: return {0};
    case QTextListFormat::ListUpperRoman: return {1};
    case QTextListFormat::ListLowerRoman: return {2};
    case QTextListFormat::ListUpperAlpha: return {3};
    case QTextListFormat::ListLowerAlpha: return {4};
    case QTextListFormat::ListCircle: return {23, 0x25E6};
    case QTextListFormat::ListSquare: return {23, 0x25AA};
    default: return {23, 0x2022};
    }
}

// A table's width when written, shared evenly by its columns: the reader
// keeps no widths, and word processors want some.
constexpr int kAnchoTabla = 9000; // twips
constexpr int kNivelesLista = 9;

// Turns a document into RTF, collecting the fonts, colours and lists its
// paragraphs use in the order they first appear (runs without a font take the
// document's). Tables are written as rows of cells, each cell's paragraphs
// marked \intbl; a table within a table is written as the paragraphs of its cell.
class Escritor {
public:
    explicit Escritor(const QTextDocument &documento) : m_documento(documento)
    {
        const QFont base = documento.defaultFont();
        m_puntosBase = base.pointSizeF() > 0 ? base.pointSizeF() : 12.0;
        m_familiaBase = base.family().isEmpty() ? QStringLiteral("Arial") : base.family();
        m_escrito.fuente = 0; // RTF's defaults: \plain with the first font, which \deff0 makes the default
    }

    QString escribir()
    {
        m_cuerpo.reserve(m_documento.characterCount() * 5 / 4 + 64);
        QTextFrame *raiz = m_documento.rootFrame();
        for (auto it = raiz->begin(); !it.atEnd(); ++it) {
            if (QTextTable *tabla = qobject_cast<QTextTable *>(it.currentFrame()))
                escribirTabla(*tabla);
            else if (QTextFrame *marco = it.currentFrame())
                cadaBloque(marco->begin(), [this](const QTextBlock &b) { escribirParrafoSuelto(b); });
            else if (!(it == raiz->begin() && vacioAntesDeTabla(it))) // the reader makes that one itself
                escribirParrafoSuelto(it.currentBlock());
        }

        if (m_fuentes.isEmpty())
            indiceFuente(m_familiaBase); // \deff0 names a font of the table
        QString rtf;
        rtf.reserve(m_cuerpo.size() + 256);
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
        rtf += u"}\r\n";
        escribirListas(rtf);
        rtf += u"\\viewkind4\\uc1";
        rtf += m_cuerpo;
        rtf += u'}';
        return rtf;
    }

private:
    static bool vacioAntesDeTabla(QTextFrame::iterator it)
    {
        if (it.currentBlock().length() > 1)
            return false;
        ++it;
        return !it.atEnd() && qobject_cast<QTextTable *>(it.currentFrame());
    }

    void escribirParrafoSuelto(const QTextBlock &bloque)
    {
        escribirParrafo(bloque, false);
        m_cuerpo += u"\\par\r\n";
    }

    void escribirTabla(const QTextTable &tabla)
    {
        const int columnas = tabla.columns();
        const int ancho = kAnchoTabla / qMax(columnas, 1);
        for (int fila = 0; fila < tabla.rows(); ++fila) {
            m_cuerpo += u"\\trowd\\trgaph60";
            for (int columna = 1; columna <= columnas; ++columna) {
                m_cuerpo += u"\\clbrdrt\\brdrs\\brdrw10\\clbrdrl\\brdrs\\brdrw10\\clbrdrb\\brdrs\\brdrw10"
                            u"\\clbrdrr\\brdrs\\brdrw10";
                escribirNumero(m_cuerpo, u"\\cellx", columna * ancho);
            }
            m_cuerpo += u"\r\n";
            for (int columna = 0; columna < columnas; ++columna) {
                const QTextTableCell celda = tabla.cellAt(fila, columna);
                bool primero = true;
                if (celda.row() == fila && celda.column() == columna) { // a merged cell is written once
                    cadaBloque(celda.begin(), [&](const QTextBlock &b) {
                        if (!std::exchange(primero, false))
                            m_cuerpo += u"\\par\r\n";
                        escribirParrafo(b, true);
                    });
                }
                if (primero)
                    m_cuerpo += u"\\pard\\intbl";
                m_cuerpo += u"\\cell\r\n";
            }
            m_cuerpo += u"\\row\r\n";
        }
    }

    // A paragraph up to its mark: its formatting, its list number, its runs.
    void escribirParrafo(const QTextBlock &bloque, bool enTabla)
    {
        m_cuerpo += u"\\pard";
        if (enTabla)
            m_cuerpo += u"\\intbl";
        const Qt::Alignment alineacion = bloque.blockFormat().alignment() & Qt::AlignHorizontal_Mask;
        if (alineacion & Qt::AlignHCenter)
            m_cuerpo += u"\\qc";
        else if (alineacion & Qt::AlignJustify)
            m_cuerpo += u"\\qj";
        else if (alineacion & (Qt::AlignRight | Qt::AlignTrailing))
            m_cuerpo += u"\\qr";
        if (QTextList *lista = bloque.textList())
            escribirItem(*lista, bloque);
        bool delimitar = true;
        for (auto it = bloque.begin(); !it.atEnd(); ++it) {
            const QTextFragment fragmento = it.fragment();
            if (!fragmento.isValid())
                continue;
            const Formato f = formatoDe(fragmento.charFormat());
            if (!(f == m_escrito)) {
                cambiarFormato(m_cuerpo, m_escrito, f);
                m_escrito = f;
                delimitar = true;
            }
            if (std::exchange(delimitar, false))
                m_cuerpo += u' ';
            escribirTexto(m_cuerpo, fragmento.text());
        }
    }

    // The list and level of an item, with its number as text for readers that know no lists.
    void escribirItem(QTextList &lista, const QTextBlock &bloque)
    {
        const int nivel = std::clamp(lista.format().indent() - 1, 0, kNivelesLista - 1);
        m_cuerpo += u"{\\listtext\\pard\\plain ";
        const char16_t vineta = numeracionDe(lista.format().style()).vineta;
        escribirTexto(m_cuerpo, vineta ? QString(QChar(vineta)) : lista.itemText(bloque));
        m_cuerpo += u"\\tab}";
        escribirNumero(m_cuerpo, u"\\ls", indiceLista(lista));
        escribirNumero(m_cuerpo, u"\\ilvl", nivel);
        escribirNumero(m_cuerpo, u"\\li", 720 * (nivel + 1));
        m_cuerpo += u"\\fi-360";
    }

    // One list definition per Qt list, all its levels numbered alike, and the
    // \ls number that the items give for it.
    void escribirListas(QString &rtf) const
    {
        if (m_listas.isEmpty())
            return;
        rtf += u"{\\*\\listtable";
        for (qsizetype i = 0; i < m_listas.size(); ++i) {
            const Numeracion numeracion = numeracionDe(m_listas[i].style());
            escribirNumero(rtf, u"\r\n{\\list\\listtemplateid", int(i + 1));
            for (int nivel = 0; nivel < kNivelesLista; ++nivel) {
                escribirNumero(rtf, u"{\\listlevel\\levelnfc", numeracion.formato);
                escribirNumero(rtf, u"\\levelnfcn", numeracion.formato);
                rtf += u"\\leveljc0\\leveljcn0\\levelfollow0\\levelstartat1";
                if (numeracion.vineta) {
                    escribirNumero(rtf, u"{\\leveltext\\'01\\u", numeracion.vineta);
                    rtf += u" ?;}{\\levelnumbers;}";
                } else { // the level's number, then a full stop
                    escribirNumero(rtf, u"{\\leveltext\\'02\\'0", nivel);
                    rtf += u".;}{\\levelnumbers\\'01;}";
                }
                escribirNumero(rtf, u"\\fi-360\\li", 720 * (nivel + 1));
                rtf += u'}';
            }
            escribirNumero(rtf, u"\\listid", int(i + 1));
            rtf += u'}';
        }
        rtf += u"}\r\n{\\*\\listoverridetable";
        for (qsizetype i = 1; i <= m_listas.size(); ++i) {
            escribirNumero(rtf, u"{\\listoverride\\listid", int(i));
            escribirNumero(rtf, u"\\listoverridecount0\\ls", int(i));
            rtf += u'}';
        }
        rtf += u"}\r\n";
    }

    int indiceLista(QTextList &lista)
    {
        const auto it = m_indiceListas.constFind(&lista);
        if (it != m_indiceListas.constEnd())
            return *it;
        m_listas.append(lista.format());
        m_indiceListas.insert(&lista, int(m_listas.size()));
        return int(m_listas.size());
    }

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
    QString m_cuerpo;
    Formato m_escrito;
    double m_puntosBase = 12.0;
    QString m_familiaBase;
    QStringList m_fuentes;
    QHash<QString, int> m_indiceFuentes;
    QList<QColor> m_colores;
    QHash<QRgb, int> m_indiceColores;
    QList<QTextListFormat> m_listas; // \ls 1, 2...
    QHash<const QTextList *, int> m_indiceListas;
};

} // namespace

QString escribir(const QTextDocument &documento) { return Escritor(documento).escribir(); }

} // namespace yb::Rtf
