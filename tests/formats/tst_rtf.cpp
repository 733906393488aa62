// The RTF codec: plain text of RTF, reading into a document with its styles,
// malformed input, writing and reading back, and a short random-mutation fuzz.
#include "formats/Rtf.h"

#include "TextosComparables.h"

#include <QElapsedTimer>
#include <QFile>
#include <QRandomGenerator>
#include <QTest>
#include <QTextBlock>
#include <QTextCursor>
#include <QTextDocument>
#include <QTextList>
#include <QTextTable>

namespace Rtf = yb::Rtf;
namespace prueba = yb::Rtf::prueba;

namespace {

// The header a Windows rich-text control writes, around a body.
QString rtf(const char *cuerpo)
{
    return QStringLiteral(R"({\rtf1\ansi\ansicpg1252\deff0{\fonttbl{\f0\fswiss Arial;}}\viewkind4\uc1\pard\f0\fs20 )") +
           QString::fromUtf8(cuerpo) + u'}';
}

// Real monograph texts of the bundled sample data.
const char *const kMuestras[] = {
    R"({\rtf1\ansi\ansicpg1252\deff0{\fonttbl{\f0\fswiss Arial;}}\viewkind4\uc1\pard\f0\fs20 Shu Di Huang, Shan Zhu Yu, Shan Yao, Ze Xie, Mu Dan Pi y Fu Ling. \b Nutre el yin del ri\'f1\'f3n\b0  y del h\'edgado.\par Tres hierbas tonifican (ri\'f1\'f3n, h\'edgado y bazo) y tres drenan, de modo que la f\'f3rmula nutre sin estancar. Procede del Xiao Er Yao Zheng Zhi Jue de Qian Yi (1119), que la deriv\'f3 de una p\'edldora del Jin Gui Yao Lue.\par})",
    R"({\rtf1\ansi\ansicpg1252\deff0{\fonttbl{\f0\fswiss Arial;}}\viewkind4\uc1\pard\f0\fs20 Dosis: 2-10 g en decocci\'f3n.\par \i Zhi Gan Cao\i0  (tostado con miel) para tonificar el qi; crudo para eliminar el calor y las toxinas.\par})",
    R"({\rtf1\ansi\ansicpg1252\deff0{\fonttbl{\f0\fswiss Arial;}{\f1\froman\fcharset0 Times New Roman;}}{\colortbl ;\red255\green0\blue0;\red0\green0\blue255;}{\*\generator Riched20 10.0.19041}\viewkind4\uc1\pard\f0\fs20 Tonifica el \b qi\b0  del bazo y del est\'f3mago.\par\cf1\ul Dosis:\ulnone\cf0  3-9 g\tab (\u8364\'80 4)\line\f1\fs28\i Nota\i0 {\b\cf2 final}\par})",
};

// The format of the character at a position of a document.
QTextCharFormat formatoEn(QTextDocument &doc, int posicion)
{
    QTextCursor c(&doc);
    c.setPosition(posicion);
    c.setPosition(posicion + 1, QTextCursor::KeepAnchor);
    return c.charFormat();
}

// What a reader sees of a character's format, the document's defaults filled in.
struct Estilo {
    bool negrita, cursiva, subrayado;
    double puntos;
    QColor color;
    QString familia;
    bool operator==(const Estilo &) const = default;
};

Estilo estiloEn(QTextDocument &doc, int posicion)
{
    const QTextCharFormat f = formatoEn(doc, posicion);
    return {f.fontWeight() >= QFont::DemiBold,
            f.fontItalic(),
            f.fontUnderline(),
            f.fontPointSize() > 0 ? f.fontPointSize() : doc.defaultFont().pointSizeF(),
            f.foreground().style() == Qt::NoBrush ? QColor() : f.foreground().color(),
            f.property(QTextFormat::FontFamilies).toStringList().value(0)};
}

QString describir(const Estilo &e)
{
    return QStringLiteral("b%1 i%2 u%3 %4pt %5 %6")
        .arg(e.negrita)
        .arg(e.cursiva)
        .arg(e.subrayado)
        .arg(e.puntos)
        .arg(e.color.isValid() ? e.color.name() : QStringLiteral("auto"), e.familia);
}

// A fixture of tests/formats/fixtures, its bytes as the characters of a stored text.
QString fixture(const QString &nombre)
{
    QFile archivo(QStringLiteral(YB_FIXTURES "/") + nombre);
    return archivo.open(QIODevice::ReadOnly) ? QString::fromLatin1(archivo.readAll()) : QString();
}

QString nombreDeEstilo(QTextListFormat::Style estilo)
{
    switch (estilo) {
    case QTextListFormat::ListDisc: return QStringLiteral("disc");
    case QTextListFormat::ListCircle: return QStringLiteral("circle");
    case QTextListFormat::ListSquare: return QStringLiteral("square");
    case QTextListFormat::ListDecimal: return QStringLiteral("1");
    case QTextListFormat::ListLowerAlpha: return QStringLiteral("a");
    case QTextListFormat::ListUpperAlpha: return QStringLiteral("A");
    case QTextListFormat::ListLowerRoman: return QStringLiteral("i");
    case QTextListFormat::ListUpperRoman: return QStringLiteral("I");
    default: return QString::number(estilo);
    }
}

// What a reader sees of each block's place, one line per block: its table
// (numbered as they come), size and cell; its list (numbered as they come),
// style, level and number; its alignment; its text.
QString estructura(QTextDocument &doc)
{
    QHash<const QTextTable *, int> tablas;
    QHash<const QTextList *, int> listas;
    QStringList lineas;
    for (QTextBlock b = doc.begin(); b.isValid(); b = b.next()) {
        QString linea;
        if (const QTextTable *tabla = QTextCursor(b).currentTable()) {
            if (!tablas.contains(tabla))
                tablas.insert(tabla, int(tablas.size()));
            const QTextTableCell celda = tabla->cellAt(b.position());
            linea += QStringLiteral("T%1(%2x%3)[%4,%5] ")
                         .arg(tablas[tabla])
                         .arg(tabla->rows())
                         .arg(tabla->columns())
                         .arg(celda.row())
                         .arg(celda.column());
        }
        if (QTextList *lista = b.textList()) {
            if (!listas.contains(lista))
                listas.insert(lista, int(listas.size()));
            const QTextListFormat f = lista->format();
            linea +=
                QStringLiteral("L%1 %2 level %3 ").arg(listas[lista]).arg(nombreDeEstilo(f.style())).arg(f.indent());
            if (f.style() <= QTextListFormat::ListDecimal)
                linea += lista->itemText(b) + u' ';
        }
        const Qt::Alignment alineacion = b.blockFormat().alignment() & Qt::AlignHorizontal_Mask;
        if (alineacion & Qt::AlignHCenter)
            linea += QStringLiteral("centre ");
        else if (alineacion & Qt::AlignRight)
            linea += QStringLiteral("right ");
        else if (alineacion & Qt::AlignJustify)
            linea += QStringLiteral("justify ");
        lineas << linea + b.text();
    }
    return lineas.join(u'\n');
}

// Same text, block by block, the same place of every block and the same style at every character.
void compararDocumentos(QTextDocument &a, QTextDocument &b, bool compararFamilia)
{
    QCOMPARE(b.blockCount(), a.blockCount());
    QCOMPARE(b.toRawText(), a.toRawText());
    QCOMPARE(estructura(b), estructura(a));
    for (int p = 0; p + 1 < a.characterCount(); ++p) {
        if (a.characterAt(p) == QChar::ParagraphSeparator)
            continue;
        Estilo ea = estiloEn(a, p), eb = estiloEn(b, p);
        if (!compararFamilia || ea.familia.isEmpty())
            ea.familia = eb.familia = QString();
        if (!(ea == eb))
            QFAIL(qPrintable(QStringLiteral("position %1 ('%2'): %3 became %4")
                                 .arg(p)
                                 .arg(a.characterAt(p))
                                 .arg(describir(ea), describir(eb))));
    }
}

// ASCII only, as RTF files are.
bool soloAscii(const QString &s)
{
    return std::all_of(s.begin(), s.end(), [](QChar c) { return c.unicode() < 0x80; });
}

// The document shows the text that textoPlano gives.
void muestraElTexto(QTextDocument &doc, const QString &plano)
{
    const prueba::TextosComparables textos = prueba::comparables(doc, plano);
    QCOMPARE(textos.documento, textos.plano);
}

// Both readings of an input, the plain text and the document, give the expected text.
void leeComo(const QString &entrada, const QString &esperado)
{
    QCOMPARE(Rtf::textoPlano(entrada), esperado);
    QTextDocument doc;
    Rtf::leer(entrada, doc);
    muestraElTexto(doc, esperado);
}

// A text without the control characters that RTF cannot carry (tab stays).
QString sinControles(QString s)
{
    s.removeIf([](QChar c) { return c.unicode() < 0x20 && c != u'\t'; });
    return s;
}

} // namespace

class TestRtf : public QObject {
    Q_OBJECT

private slots:
    void reconoceRtf_data()
    {
        QTest::addColumn<QString>("texto");
        QTest::addColumn<bool>("esRtf");
        QTest::newRow("rtf") << rtf("x") << true;
        QTest::newRow("leading white space") << QStringLiteral(" \r\n\t{\\rtf1 x}") << true;
        QTest::newRow("bare header") << QStringLiteral("{\\rtf") << true;
        QTest::newRow("plain") << QStringLiteral("Tonifica el qi") << false;
        QTest::newRow("empty") << QString() << false;
        QTest::newRow("rtf later in the text") << QStringLiteral("Nota {\\rtf1 x}") << false;
        QTest::newRow("other group") << QStringLiteral("{\\b x}") << false;
    }
    void reconoceRtf()
    {
        QFETCH(QString, texto);
        QFETCH(bool, esRtf);
        QCOMPARE(Rtf::esRtf(texto), esRtf);
    }

    void textoPlano_data()
    {
        QTest::addColumn<QString>("entrada");
        QTest::addColumn<QString>("esperado");
        // clang-format off
        QTest::newRow("monograph") << QString::fromLatin1(kMuestras[0])
                                   << QStringLiteral(
                                          "Shu Di Huang, Shan Zhu Yu, Shan Yao, Ze Xie, Mu Dan Pi y Fu Ling. "
                                          "Nutre el yin del riñón y del hígado.\nTres hierbas tonifican "
                                          "(riñón, hígado y bazo) y tres drenan, de modo que la fórmula nutre "
                                          "sin estancar. Procede del Xiao Er Yao Zheng Zhi Jue de Qian Yi "
                                          "(1119), que la derivó de una píldora del Jin Gui Yao Lue.");
        QTest::newRow("styles and tables")
            << QString::fromLatin1(kMuestras[2])
            << QStringLiteral("Tonifica el qi del bazo y del estómago.\nDosis: 3-9 g\t(€ 4)\nNotafinal");
        QTest::newRow("word delimiter") << rtf(R"(el \b qi\b0  del\fs24x\b1-y)") << QStringLiteral("el qi delx-y");
        QTest::newRow("code page 1252") << rtf(R"(\'80 \'93x\'94\'85 \'C1\'e9\'f1\'fc \'8c\'9f)")
                                        << QStringLiteral("€ “x”… Áéñü ŒŸ");
        QTest::newRow("unicode, one fallback") << rtf(R"(caf\u233?s \u20013?\u25991?)") << QStringLiteral("cafés 中文");
        QTest::newRow("unicode, escaped fallback") << rtf(R"(\u8220\'93x\u8221\'94)") << QStringLiteral("“x”");
        QTest::newRow("unicode, \\uc2") << rtf(R"(\uc2 \u8364 EUx\uc2\u8364\'80\'80y)") << QStringLiteral("€x€y");
        QTest::newRow("unicode, \\uc0") << rtf(R"(\uc0\u8364 x)") << QStringLiteral("€x");
        QTest::newRow("unicode, negative") << rtf(R"(\u-21504?\u-10179?\u-8704?)") << QStringLiteral("가😀");
        QTest::newRow("unicode, group ends fallback") << rtf(R"(\uc3{\u8364}ab)") << QStringLiteral("€ab");
        QTest::newRow("unicode, \\uc per group") << rtf(R"({\uc2 a}\u8364?b)") << QStringLiteral("a€b");
        QTest::newRow("escapes") << rtf(R"(a\\b \{c\} d\~e co\-mo f\_g)")
                                 << QStringLiteral("a\\b {c} d\u00A0e como f\u2011g");
        QTest::newRow("named characters")
            << rtf(R"(a\emdash b\endash c\bullet d\lquote e\rquote f\ldblquote g\rdblquote h)")
            << QStringLiteral("a—b–c•d‘e’f“g”h");
        QTest::newRow("tab, line, paragraph") << rtf(R"(a\tab b\line c\par d)") << QStringLiteral("a\tb\nc\nd");
        QTest::newRow("last paragraph mark adds nothing")
            << rtf(R"(a\par\par b\par\par)") << QStringLiteral("a\n\nb\n");
        QTest::newRow("line ends ignored, backslash-newline is a paragraph")
            << rtf("a\r\nb\\\r\nc\n\\par\r\nd") << QStringLiteral("ab\nc\nd");
        QTest::newRow("literal tab") << rtf("a\tb") << QStringLiteral("a\tb");
        QTest::newRow("nested groups") << rtf(R"(a{\b b{\i c{{d}}}e}f)") << QStringLiteral("abcdef");
        QTest::newRow("skipped destinations")
            << rtf(R"(a{\*\generator Riched20 10.0;}{\info{\title T}{\author A}}{\stylesheet{\s0 Normal;}})"
                   R"({\pict\wmetafile8 0123abcd}{\header H}{\footer F}b{\*\unknown {nested} x}c)"
                   R"({\object{\*\objdata 01}{\result R}}{\colortbl ;\red255\green0\blue0;})")
            << QStringLiteral("abc");
        QTest::newRow("field result kept")
            << rtf(R"({\field{\*\fldinst HYPERLINK "x"}{\fldrslt enlace}})") << QStringLiteral("enlace");
        QTest::newRow("font table without groups")
            << QStringLiteral(R"({\rtf1{\fonttbl\f0\fswiss Arial;\f1 Times;}x})") << QStringLiteral("x");
        QTest::newRow("unknown control words") << rtf(R"(\foo123 x\bar y\zz-4 z)") << QStringLiteral("xyz");
        QTest::newRow("binary data") << rtf(R"(a\bin3 {}\b{\*\x \bin2 }}}c)") << QStringLiteral("abc");
        QTest::newRow("text after the closing brace") << QStringLiteral(R"({\rtf1 a}b)") << QStringLiteral("a");
        QTest::newRow("leading white space") << QStringLiteral("\r\n {\\rtf1 x}") << QStringLiteral("x");
        // clang-format on
    }
    void textoPlano()
    {
        QFETCH(QString, entrada);
        QFETCH(QString, esperado);
        leeComo(entrada, esperado);
    }

    void textoNoRtfQuedaComoEsta_data()
    {
        QTest::addColumn<QString>("texto");
        QTest::newRow("plain") << QStringLiteral("Tonifica el qi\r\ndel bazo {y} \\par del estómago");
        QTest::newRow("empty") << QString();
        QTest::newRow("only spaces") << QStringLiteral("  ");
        QTest::newRow("group that is not rtf") << QStringLiteral("{\\b negrita}");
    }
    void textoNoRtfQuedaComoEsta()
    {
        QFETCH(QString, texto);
        QCOMPARE(Rtf::textoPlano(texto), texto);
        QTextDocument doc;
        doc.setPlainText(QStringLiteral("old"));
        Rtf::leer(texto, doc);
        QTextDocument esperado;
        esperado.setPlainText(texto);
        QCOMPARE(doc.toPlainText(), esperado.toPlainText());
        QCOMPARE(doc.blockCount(), esperado.blockCount());
    }

    void estilos_data()
    {
        QTest::addColumn<int>("posicion");
        QTest::addColumn<QChar>("caracter");
        QTest::addColumn<bool>("negrita");
        QTest::addColumn<bool>("cursiva");
        QTest::addColumn<bool>("subrayado");
        QTest::addColumn<double>("puntos");
        QTest::addColumn<QColor>("color");
        QTest::addColumn<QString>("familia");
        const QString arial = QStringLiteral("Arial"), times = QStringLiteral("Times New Roman");
        const QColor automatico, rojo(255, 0, 0), azul(0, 0, 255);
        QTest::newRow("plain run") << 0 << QChar('n') << false << false << false << 10.0 << automatico << arial;
        QTest::newRow("bold") << 1 << QChar('b') << true << false << false << 10.0 << automatico << arial;
        QTest::newRow("italic") << 2 << QChar('i') << false << true << false << 10.0 << automatico << arial;
        QTest::newRow("underline") << 3 << QChar('u') << false << false << true << 10.0 << automatico << arial;
        QTest::newRow("size") << 4 << QChar('g') << false << false << false << 16.0 << automatico << arial;
        QTest::newRow("colour 1") << 5 << QChar('r') << false << false << false << 10.0 << rojo << arial;
        QTest::newRow("colour 2") << 6 << QChar('a') << false << false << false << 10.0 << azul << arial;
        QTest::newRow("font 1") << 7 << QChar('t') << false << false << false << 10.0 << automatico << times;
        QTest::newRow("group") << 8 << QChar('x') << true << true << false << 10.0 << automatico << arial;
        QTest::newRow("after the group") << 9 << QChar('y') << false << false << false << 10.0 << automatico << arial;
        QTest::newRow("plain resets") << 10 << QChar('z') << false << false << false << 12.0 << automatico << arial;
        QTest::newRow("ul0 variant") << 11 << QChar('v') << false << false << true << 12.0 << automatico << arial;
        QTest::newRow("ul0 ends") << 12 << QChar('w') << false << false << false << 12.0 << automatico << arial;
        QTest::newRow("b1 and i0") << 13 << QChar('k') << true << false << false << 12.0 << automatico << arial;
        QTest::newRow("unknown colour") << 14 << QChar('c') << true << false << false << 12.0 << automatico << arial;
        QTest::newRow("next paragraph") << 16 << QChar('p') << true << false << false << 12.0 << rojo << arial;
    }
    void estilos()
    {
        QFETCH(int, posicion);
        QFETCH(QChar, caracter);
        QFETCH(bool, negrita);
        QFETCH(bool, cursiva);
        QFETCH(bool, subrayado);
        QFETCH(double, puntos);
        QFETCH(QColor, color);
        QFETCH(QString, familia);
        QTextDocument doc;
        Rtf::leer(QStringLiteral(R"({\rtf1\ansi\deff0{\fonttbl{\f0\fswiss Arial;}{\f1\froman Times New Roman;}})"
                                 R"({\colortbl ;\red255\green0\blue0;\red0\green0\blue255;}\pard\f0\fs20 )"
                                 R"(n\b b\b0 \i i\i0 \ul u\ulnone \fs32 g\fs20 \cf1 r\cf2 a\cf0 \f1 t\f0 {\b\i x}y)"
                                 R"(\plain z\ul v\ul0 w\b1\i0 k\cf9 c\cf1\par p})"),
                  doc);
        QCOMPARE(doc.characterAt(posicion), caracter);
        const Estilo e = estiloEn(doc, posicion);
        QCOMPARE(e.negrita, negrita);
        QCOMPARE(e.cursiva, cursiva);
        QCOMPARE(e.subrayado, subrayado);
        QCOMPARE(e.puntos, puntos);
        QCOMPARE(e.color, color);
        QCOMPARE(e.familia, familia);
    }

    void parrafosYSaltos()
    {
        QTextDocument doc;
        doc.setPlainText(QStringLiteral("previous content"));
        Rtf::leer(rtf(R"(a\line b\tab c\par\par d\par)"), doc);
        QCOMPARE(doc.blockCount(), 3);
        QCOMPARE(doc.begin().text(), QStringLiteral("a\u2028b\tc"));
        QCOMPARE(doc.begin().next().text(), QString());
        QCOMPARE(doc.lastBlock().text(), QStringLiteral("d"));
        QVERIFY(!doc.isUndoAvailable());
        QVERIFY(!doc.isModified());
    }

    void entradaMalformada_data()
    {
        QTest::addColumn<QString>("entrada");
        QTest::addColumn<QString>("esperado");
        // clang-format off
        QTest::newRow("missing closing braces") << QStringLiteral(R"({\rtf1 a{\b b)") << QStringLiteral("ab");
        QTest::newRow("extra closing braces") << QStringLiteral(R"({\rtf1 {\b a}}} b})") << QStringLiteral("a");
        QTest::newRow("quote escape at the end") << QStringLiteral(R"({\rtf1 a\')") << QStringLiteral("a");
        QTest::newRow("quote escape without hex") << QStringLiteral(R"({\rtf1 a\'z1})") << QStringLiteral("az1");
        QTest::newRow("quote escape with one digit") << QStringLiteral(R"({\rtf1 \'e\'4g})") << QStringLiteral("g");
        QTest::newRow("backslash at the end") << QStringLiteral(R"({\rtf1 a\)") << QStringLiteral("a");
        QTest::newRow("huge numbers") << QStringLiteral(
                                             R"({\rtf1\fs999999999999 a\u-99999999999 b\uc99999999999 \u65 xyz}c)")
                                      << QStringLiteral("aA");
        QTest::newRow("negative size and colour")
            << QStringLiteral(R"({\rtf1\fs-5\cf-3\f-2 x})") << QStringLiteral("x");
        QTest::newRow("\\u without number") << QStringLiteral(R"({\rtf1 \u x\u-y})") << QStringLiteral("x-y");
        QTest::newRow("control characters") << QStringLiteral("{\\rtf1 a\x01"
                                                              "b\x7f}")
                                                   .replace(u'\x7f', QChar(0))
                                            << QStringLiteral("ab");
        QTest::newRow("huge \\bin") << QStringLiteral(R"({\rtf1 a\bin99999999999 bcd})") << QStringLiteral("a");
        QTest::newRow("negative \\bin") << QStringLiteral(R"({\rtf1 a\bin-5 b})") << QStringLiteral("ab");
        QTest::newRow("unterminated destination") << QStringLiteral(R"({\rtf1 a{\*\gen b)") << QStringLiteral("a");
        QTest::newRow("truncated font table") << QStringLiteral(R"({\rtf1{\fonttbl{\f0 Ari)") << QString();
        QTest::newRow("destinations in the outer group")
            << QStringLiteral(R"({\rtf1\*\info\pict a})") << QStringLiteral("a");
        QTest::newRow("bare header") << QStringLiteral(R"({\rtf)") << QString();
        QTest::newRow("empty document") << QStringLiteral(R"({\rtf1})") << QString();
        QTest::newRow("long control word")
            << QStringLiteral("{\\rtf1 \\%1 x}").arg(QString(100000, u'a')) << QStringLiteral("x");
        QTest::newRow("long number") << QStringLiteral("{\\rtf1 \\fs%1 x}").arg(QString(100000, u'9'))
                                     << QStringLiteral("x");
        QTest::newRow("deep nesting, balanced")
            << QStringLiteral("{\\rtf1 %1\\b x%2y}").arg(QString(5000, u'{'), QString(5000, u'}'))
            << QStringLiteral("xy");
        QTest::newRow("deep nesting, never closed")
            << QStringLiteral("{\\rtf1 %1z").arg(QString(100000, u'{')) << QStringLiteral("z");
        QTest::newRow("deep nesting with destinations")
            << QStringLiteral("{\\rtf1 %1a{\\*\\x b}c{\\fonttbl d}e").arg(QString(300, u'{')) << QStringLiteral("ace");
        QTest::newRow("raw bytes") << QStringLiteral("{\\rtf1 \u00e9\u00ff\u4e2d}") << QStringLiteral("éÿ中");
        // clang-format on
    }
    void entradaMalformada()
    {
        QFETCH(QString, entrada);
        QFETCH(QString, esperado);
        leeComo(entrada, esperado);
    }

    // Inputs that a reader taking more than linear time would never finish.
    void entradasGrandesEnTiempoLineal_data()
    {
        QTest::addColumn<QString>("entrada");
        const int n = 100000;
        // clang-format off
        QTest::newRow("open braces") << QStringLiteral("{\\rtf1 ") + QString(n * 4, u'{') + u'x';
        QTest::newRow("ignorable groups") << QStringLiteral("{\\rtf1 ") + QStringLiteral("{\\*").repeated(n) + u'x';
        QTest::newRow("fallbacks") << QStringLiteral("{\\rtf1\\uc1000 ") + QStringLiteral("\\u65 xy").repeated(n);
        QTest::newRow("font table") << QStringLiteral("{\\rtf1{\\fonttbl") + QStringLiteral("\\f7 a;").repeated(n) +
                                           u'}';
        QTest::newRow("colour table") << QStringLiteral("{\\rtf1{\\colortbl") + QString(n * 4, u';') + u'}';
        QTest::newRow("format changes") << QStringLiteral("{\\rtf1 ") +
                                               QStringLiteral("\\b a\\b0 b\\cf2 ").repeated(n / 4);
        QTest::newRow("paragraphs") << QStringLiteral("{\\rtf1 ") + QStringLiteral("\\par x").repeated(n / 4);
        QTest::newRow("table rows") << QStringLiteral("{\\rtf1 ") +
                                           QStringLiteral("\\intbl a\\cell b\\cell\\row").repeated(n / 8);
        QTest::newRow("wide table") << QStringLiteral("{\\rtf1 \\intbl ") + QStringLiteral("x\\cell").repeated(n / 16) +
                                           QStringLiteral("\\row") +
                                           QStringLiteral("\\intbl y\\cell\\row").repeated(n / 16);
        QTest::newRow("list items") << QStringLiteral("{\\rtf1 ") + QStringLiteral("\\ls1 x\\par").repeated(n / 4);
        QTest::newRow("list levels")
            << QStringLiteral("{\\rtf1 ") +
                   QStringLiteral("\\ls1\\ilvl0 a\\par\\ilvl8 b\\par\\ls2 c\\par").repeated(n / 16);
        QTest::newRow("list definitions")
            << QStringLiteral("{\\rtf1{\\*\\listtable") +
                   QStringLiteral("{\\list{\\listlevel\\levelnfc0}\\listid7}").repeated(n / 8) +
                   QStringLiteral("}\\ls7 x}");
        QTest::newRow("double-byte text") << QStringLiteral("{\\rtf1{\\fonttbl{\\f0\\fcharset134 S;}}\\f0 ") +
                                                 QStringLiteral("\\'c8\\'cb\\'b2@").repeated(n / 4);
        QTest::newRow("symbol font text") << QStringLiteral("{\\rtf1{\\fonttbl{\\f0\\fcharset2 Wingdings;}}\\f0 ") +
                                                 QStringLiteral("l\\'a7 abc ").repeated(n / 4);
        QTest::newRow("font changes") << QStringLiteral(
                                             "{\\rtf1{\\fonttbl{\\f0\\fcharset134 S;}{\\f1\\fcharset204 C;}}") +
                                             QStringLiteral("\\f0\\'c8\\'cb\\f1\\'cf").repeated(n / 4);
        QTest::newRow("marked words") << QStringLiteral("{\\rtf1 {") + QStringLiteral("\\*\\x a").repeated(n / 2) +
                                             u'}';
        // clang-format on
    }
    void entradasGrandesEnTiempoLineal()
    {
        QFETCH(QString, entrada);
        QElapsedTimer reloj;
        reloj.start();
        const QString plano = Rtf::textoPlano(entrada);
        QTextDocument doc;
        Rtf::leer(entrada, doc);
        QVERIFY(plano.size() <= entrada.size());
        muestraElTexto(doc, plano);
        QVERIFY2(reloj.elapsed() < 20000, qPrintable(QString::number(reloj.elapsed())));
    }

    void idaYVuelta_data()
    {
        QTest::addColumn<QString>("entrada");
        for (size_t i = 0; i < std::size(kMuestras); ++i)
            QTest::addRow("sample %d", int(i)) << QString::fromLatin1(kMuestras[i]);
        // clang-format off
        QTest::newRow("accents, braces, backslashes") << rtf(
            R"(Coraz\'f3n, \'e1cido {\b ni\'f1o} \{llaves\} y \\barra\\ \ldblquote cita\rdblquote  \'bfqu\'e9?\par\par )"
            R"(\u20013?\u25991? \u-10179?\u-8704? a\~b\tab c\line d\'80)");
        // clang-format on
        for (const char *archivo : {"listas.rtf", "tabla.rtf", "nota.rtf"})
            QTest::addRow("LibreOffice %s", archivo) << fixture(QString::fromLatin1(archivo));
        // clang-format off
        QTest::newRow("lists and tables") << QStringLiteral(
            R"({\rtf1{\fonttbl{\f0 Arial;}{\f1\fcharset134 SimSun;}}\pard\qc\b T\'edtulo\b0\par)"
            R"(\pard\ls1 uno\par\ls1\ilvl1 dos\par\pard{\*\pn\pnlvlbody\pnucrm}tres\par)"
            R"(\pard\intbl\f1\'c8\'cb\cell\f0\cell\pard\intbl\qr a\par b\cell\row\pard\intbl c\cell\row)"
            R"(\pard\qj fin\par})");
        QTest::newRow("font named twice") << QStringLiteral(R"({\rtf1 {\fonttbl\f2 Symbol\f2}\f2\'b7 l})");
        QTest::newRow("text before its font's entry") // found by the fuzzer
            << QStringLiteral(R"({\rtf1 {\f3 n\fonttbl\f3 Wingdings;}n{\colortbl;\red9;}\cf1 x{\colortbl;\red7;}y})");
        QTest::newRow("table first and last") << QStringLiteral(R"({\rtf1 \intbl a\cell\row\intbl\cell b\cell\row})");
        QTest::newRow("every style") << QStringLiteral(
            R"({\rtf1\ansi\deff0{\fonttbl{\f0 Arial;}{\f1 Courier New;}})"
            R"({\colortbl ;\red0\green128\blue0;\red10\green20\blue30;}\pard\fs20 a\b b\i c\ul d)"
            R"(\b0\i0\ulnone\fs31 e\fs7 f\cf1 g\cf2\f1 h\cf0\f0\fs24 i\par\par{\b\i\ul\cf1 j}\par})");
        // clang-format on
    }
    void idaYVuelta()
    {
        QFETCH(QString, entrada);
        QTextDocument original;
        Rtf::leer(entrada, original);
        const QString escrito = Rtf::escribir(original);
        QVERIFY(Rtf::esRtf(escrito));
        QVERIFY2(soloAscii(escrito), qPrintable(escrito));
        QVERIFY(escrito.contains(u"{\\fonttbl"));
        QVERIFY(escrito.contains(u"{\\colortbl ;"));
        QTextDocument leido;
        Rtf::leer(escrito, leido);
        compararDocumentos(original, leido, true);
        if (prueba::tieneTablas(original)) // every row is written as wide as the table
            QCOMPARE(prueba::alisado(Rtf::textoPlano(escrito)), prueba::alisado(Rtf::textoPlano(entrada)));
        else
            QCOMPARE(Rtf::textoPlano(escrito), Rtf::textoPlano(entrada));
        QCOMPARE(Rtf::escribir(leido), escrito); // writing is stable
    }

    void escribeUnDocumentoHecho()
    {
        QTextDocument doc;
        QTextCursor c(&doc);
        QTextCharFormat normal;
        c.insertText(QStringLiteral("Tonifica el "), normal);
        QTextCharFormat negrita;
        negrita.setFontWeight(QFont::Bold);
        c.insertText(QStringLiteral("qi"), negrita);
        QTextCharFormat otro;
        otro.setFontItalic(true);
        otro.setFontUnderline(true);
        otro.setFontPointSize(14);
        otro.setForeground(QColor(200, 0, 50));
        otro.setFontFamilies({QStringLiteral("Times New Roman")});
        c.insertText(QStringLiteral(" del estómago {y} \\ € 中"), otro);
        c.insertBlock();
        c.insertBlock();
        c.insertText(QStringLiteral("Dosis:\t3-9 g"), normal);

        const QString escrito = Rtf::escribir(doc);
        QVERIFY(soloAscii(escrito));
        QVERIFY2(escrito.contains(u"\\'f3"), qPrintable(escrito));
        QVERIFY(escrito.contains(u"\\{y\\} \\\\ \\'80 \\u20013?"));
        QVERIFY(escrito.contains(u"\\red200\\green0\\blue50;"));
        QVERIFY(escrito.contains(u"Times New Roman;"));
        QVERIFY(escrito.contains(u"\\b qi\\b0"));
        QVERIFY(escrito.contains(u"\\fs28"));
        QCOMPARE(escrito.count(u"\\par"), 6); // three \pard, three \par
        QTextDocument leido;
        Rtf::leer(escrito, leido);
        compararDocumentos(doc, leido, true);
        QCOMPARE(Rtf::textoPlano(escrito), QStringLiteral("Tonifica el qi del estómago {y} \\ € 中\n\nDosis:\t3-9 g"));
    }

    void escribeUnDocumentoVacio()
    {
        QTextDocument doc;
        const QString escrito = Rtf::escribir(doc);
        QVERIFY(Rtf::esRtf(escrito));
        QTextDocument leido;
        leido.setPlainText(QStringLiteral("x"));
        Rtf::leer(escrito, leido);
        QVERIFY(leido.isEmpty());
        QCOMPARE(Rtf::textoPlano(escrito), QString());
    }

    // \* marks the destination that follows it. At the start of a group the
    // group is skipped; elsewhere (older word processors put it there) the text
    // after the marked word, up to the end of the group, must stay.
    void asteriscoMarcaSoloSuDestino_data()
    {
        QTest::addColumn<QString>("entrada");
        QTest::addColumn<QString>("esperado");
        // clang-format off
        QTest::newRow("marked word inside a group")
            << rtf(R"({\b Tonifica \*\revauthor1 el qi} y la sangre)") << QStringLiteral("Tonifica el qi y la sangre");
        QTest::newRow("marked word in the paragraph")
            << rtf(R"({Tonifica\*\xyz  el qi\par Dosis})") << QStringLiteral("Tonifica el qi\nDosis");
        QTest::newRow("marked paragraph word before the text")
            << rtf(R"({\pard\*\pnlvlbody Uno} dos)") << QStringLiteral("Uno dos");
        QTest::newRow("marked word before binary data") << rtf(R"({a\*\bin2 }}b}c)") << QStringLiteral("abc");
        QTest::newRow("several marked words") << rtf(R"({a\*\x b\*\y c\*\z} d)") << QStringLiteral("abc d");
        QTest::newRow("marked group") << rtf(R"(a{\*\foo oculto}b)") << QStringLiteral("ab");
        QTest::newRow("marked group inside a group")
            << rtf(R"({\b negrita {\*\foo oculto} sigue})") << QStringLiteral("negrita  sigue");
        QTest::newRow("marked group with groups inside") << rtf(R"(a{\*\foo {x}{\b y} z}b)") << QStringLiteral("ab");
        QTest::newRow("marked known destination") << rtf(R"(a{\*\fldinst HYPERLINK "x"}b)") << QStringLiteral("ab");
        QTest::newRow("marked tables that are read")
            << rtf(R"(a{\*\listtable{\list{\listlevel\levelnfc23{\leveltext\'01\u8226 ?;}}\listid1}})"
                   R"({\*\listoverridetable{\listoverride\listid1\ls1}}b)")
            << QStringLiteral("ab");
        // clang-format on
    }
    void asteriscoMarcaSoloSuDestino()
    {
        QFETCH(QString, entrada);
        QFETCH(QString, esperado);
        leeComo(entrada, esperado);
    }

    // The text after a marked word keeps the formatting of its group.
    void asteriscoConservaElFormato()
    {
        QTextDocument doc;
        Rtf::leer(rtf(R"({\b negrita \*\revauthor1 sigue} normal)"), doc);
        QCOMPARE(doc.toPlainText(), QStringLiteral("negrita sigue normal"));
        QVERIFY(estiloEn(doc, 8).negrita);   // "sigue"
        QVERIFY(!estiloEn(doc, 14).negrita); // "normal"
    }

    // \'hh in the code page of the document (\ansicpg) or of the font in force
    // (\fcharset, \cpg), through glibc's converters.
    void paginasDeCodigos_data()
    {
        QTest::addColumn<QString>("entrada");
        QTest::addColumn<QString>("esperado");
        const auto documento = [](int pagina, const char *cuerpo) {
            return QStringLiteral(R"({\rtf1\ansi\ansicpg%1\deff0{\fonttbl{\f0\fnil\fcharset0 Arial;}}\pard\f0 )")
                       .arg(pagina) +
                   QString::fromLatin1(cuerpo) + u'}';
        };
        QTest::newRow("ansicpg 1250") << documento(1250, R"(\'8a\'9a\'e8)") << QStringLiteral("Ššč");
        QTest::newRow("ansicpg 1251") << documento(1251, R"(\'cf\'f0\'e8\'e2\'e5\'f2)") << QStringLiteral("Привет");
        QTest::newRow("ansicpg 1253") << documento(1253, R"(\'e1\'e2\'e3)") << QStringLiteral("αβγ");
        QTest::newRow("ansicpg 1254") << documento(1254, R"(\'f0\'fe\'fd)") << QStringLiteral("ğşı");
        QTest::newRow("ansicpg 1255") << documento(1255, R"(\'f9\'ec\'e5\'ed)") << QStringLiteral("שלום");
        QTest::newRow("ansicpg 1256") << documento(1256, R"(\'e3\'d1\'cd\'c8\'c7)") << QStringLiteral("مرحبا");
        QTest::newRow("ansicpg 1257") << documento(1257, R"(\'e0\'e8\'eb)") << QStringLiteral("ąčė");
        QTest::newRow("ansicpg 1258") << documento(1258, R"(\'f0\'f5n)") << QStringLiteral("đơn");
        QTest::newRow("ansicpg 874") << documento(874, R"(\'ca\'c7\'d1\'ca\'b4\'d5)") << QStringLiteral("สวัสดี");
        QTest::newRow("ansicpg 936") << documento(936, R"(\'c8\'cb\'b2\'ce)") << QStringLiteral("人参");
        QTest::newRow("ansicpg unknown is 1252") << documento(99999, R"(\'e9\'80)") << QStringLiteral("é€");
        QTest::newRow("ansicpg that is no code page") << documento(65001, R"(\'e9)") << QStringLiteral("é");

        // A second font with the character set given, between text in the first.
        const auto fuente = [](int juego, const char *cuerpo) {
            return QStringLiteral(R"({\rtf1\ansi\ansicpg1252\deff0{\fonttbl{\f0\fswiss\fcharset0 Arial;})"
                                  R"({\f1\fnil\fcharset%1 Otra;}}\pard\f0 \'e9\f1 )")
                       .arg(juego) +
                   QString::fromLatin1(cuerpo) + QStringLiteral(R"(\f0 \'e9})");
        };
        // clang-format off
        QTest::newRow("fcharset 238") << fuente(238, R"(\'8a\'9a\'e8)") << QStringLiteral("éŠščé");
        QTest::newRow("fcharset 204") << fuente(204, R"(\'cf\'f0\'e8)") << QStringLiteral("éПриé");
        QTest::newRow("fcharset 161") << fuente(161, R"(\'e1\'e2)") << QStringLiteral("éαβé");
        QTest::newRow("fcharset 162") << fuente(162, R"(\'f0\'fe)") << QStringLiteral("éğşé");
        QTest::newRow("fcharset 177") << fuente(177, R"(\'f9\'ec)") << QStringLiteral("éשלé");
        QTest::newRow("fcharset 178") << fuente(178, R"(\'e3\'d1)") << QStringLiteral("éمرé");
        QTest::newRow("fcharset 186") << fuente(186, R"(\'e0\'e8)") << QStringLiteral("éąčé");
        QTest::newRow("fcharset 163") << fuente(163, R"(\'f0)") << QStringLiteral("éđé");
        QTest::newRow("fcharset 222") << fuente(222, R"(\'ca\'c7)") << QStringLiteral("éสวé");
        QTest::newRow("fcharset 134") << fuente(134, R"(\'c8\'cb\'b2\'ce)") << QStringLiteral("é人参é");
        QTest::newRow("fcharset 128") << fuente(128, R"(\'93\'fa\'96\'7b)") << QStringLiteral("é日本é");
        QTest::newRow("fcharset 129") << fuente(129, R"(\'c7\'d1\'b1\'b9)") << QStringLiteral("é한국é");
        QTest::newRow("fcharset 136") << fuente(136, R"(\'a4\'a4\'a4\'e5)") << QStringLiteral("é中文é");
        QTest::newRow("fcharset 0 is the document's")
            << QStringLiteral(R"({\rtf1\ansi\ansicpg1251{\fonttbl{\f0\fcharset0 Arial;}}\f0 \'cf})")
            << QStringLiteral("П");
        QTest::newRow("cpg of a font") << QStringLiteral(
                                              R"({\rtf1{\fonttbl{\f0 Arial;}{\f1\cpg1253 G;}}\f1 \'e1\f0 \'e1})")
                                       << QStringLiteral("αá");
        QTest::newRow("font of a group") << fuente(134, R"({\f0 \'e9}\'c8\'cb)") << QStringLiteral("éé人é");
        QTest::newRow("plain goes back to deff")
            << QStringLiteral(R"({\rtf1\deff1{\fonttbl{\f0 A;}{\f1\fcharset204 B;}}\f0\'cf\plain\'cf})")
            << QStringLiteral("ÏП");
        // clang-format on

        // Double-byte pages: a lead byte and the byte after it, whatever it is written as.
        // clang-format off
        QTest::newRow("pair, trail a literal character") << fuente(136, R"(\'a4@)") << QStringLiteral("é一é");
        QTest::newRow("pair in 936, trail a literal character") << fuente(134, R"(\'81@)") << QStringLiteral("é丂é");
        QTest::newRow("pair, trail an escaped brace") << fuente(128, R"(\'93\'fa\'96\{)") << QStringLiteral("é日本é");
        QTest::newRow("pair, trail an escaped backslash") << fuente(128, R"(\'95\\)") << QStringLiteral("é表é");
        QTest::newRow("single byte of a double-byte page") << fuente(128, R"(\'b1Ren)") << QStringLiteral("éｱRené");
        QTest::newRow("pair, trail starting a run") << fuente(136, R"(\'a4@abc)") << QStringLiteral("é一abcé");
        QTest::newRow("lead byte at the end of a group")
            << fuente(134, R"({\'c8}\'c8\'cb)") << QStringLiteral("é\uFFFD人é");
        QTest::newRow("lead byte before a control word")
            << fuente(134, R"(\'c8\par \'b2\'ce)") << QStringLiteral("é\uFFFD\n参é");
        QTest::newRow("lead byte at the end of the text")
            << QStringLiteral(R"({\rtf1{\fonttbl{\f1\fcharset134 S;}}\f1 a\'c8)") << QStringLiteral("a\uFFFD");
        QTest::newRow("invalid pair") << fuente(134, R"(\'c8\'20)") << QStringLiteral("é\uFFFDé");
        QTest::newRow("unicode with a double-byte fallback")
            << fuente(134, R"(\uc2\u20154\'c8\'cb\u21442\'b2\'ce)") << QStringLiteral("é人参é");
        QTest::newRow("rich-text control's Chinese")
            << QStringLiteral(
                   R"({\rtf1\ansi\ansicpg1252\deff0\deflang1033\deflangfe2052{\fonttbl{\f0\fnil\fcharset134 )"
                   R"(\'cb\'ce\'cc\'e5;}{\f1\fnil\fcharset0 Arial;}})"
                   "\r\n"
                   R"(\viewkind4\uc1\pard\lang2052\f0\fs20\'c8\'cb\'b2\'ce\lang1033\f1 (Ren Shen)\par)"
                   "\r\n}")
            << QStringLiteral("人参(Ren Shen)");
        // clang-format on
    }
    void paginasDeCodigos()
    {
        QFETCH(QString, entrada);
        QFETCH(QString, esperado);
        leeComo(entrada, esperado);
    }

    // A font's name is written in its own character set.
    void nombreDeFuenteEnSuJuego()
    {
        QTextDocument doc;
        Rtf::leer(QStringLiteral(R"({\rtf1{\fonttbl{\f0\fnil\fcharset134 \'cb\'ce\'cc\'e5;}}\f0 \'c8\'cb})"), doc);
        QCOMPARE(doc.toPlainText(), QStringLiteral("人"));
        QCOMPARE(estiloEn(doc, 0).familia, QStringLiteral("宋体"));
    }

    // Bullets drawn by symbol fonts read as the bullet they show; their other
    // characters, and the same bytes in text fonts, stay as they were read.
    void vinetasDeSimbolos_data()
    {
        QTest::addColumn<QString>("entrada");
        QTest::addColumn<QString>("esperado");
        const auto conSimbolos = [](const char *cuerpo) {
            return QStringLiteral(R"({\rtf1\ansi\deff0{\fonttbl{\f0\fswiss\fcharset0 Arial;})"
                                  R"({\f1\ftech\fcharset2 Symbol;}{\f2\fnil\fcharset2 Wingdings;}{\f3\fnil Wingdings;})"
                                  R"({\f4\fnil\fcharset2 OpenSymbol;}{\f5\fnil Symbol;}}\pard\f0 )") +
                   QString::fromLatin1(cuerpo) + u'}';
        };
        // clang-format off
        QTest::newRow("Symbol") << conSimbolos(R"({\f1\'b7}\tab Tos\par{\f1\'b7}\tab Asma)")
                                << QStringLiteral("•\tTos\n•\tAsma");
        QTest::newRow("Symbol by name only") << conSimbolos(R"({\f5\'b7} Tos)") << QStringLiteral("• Tos");
        QTest::newRow("Symbol's bullet as unicode")
            << conSimbolos(R"({\f1\u-3913 ?}\tab Tos)") << QStringLiteral("•\tTos");
        QTest::newRow("Symbol's private-use bullet in a text font")
            << conSimbolos(R"(\u-3913 ?Tos)") << QStringLiteral("•Tos");
        QTest::newRow("Wingdings bytes") << conSimbolos(R"({\f2\'9f\'a7\'d8})") << QStringLiteral("•••");
        QTest::newRow("Wingdings letters") << conSimbolos(R"({\f2 l n q u v w})") << QStringLiteral("• • • • • •");
        QTest::newRow("Wingdings by name only") << conSimbolos(R"({\f3 l\'a7})") << QStringLiteral("••");
        QTest::newRow("Wingdings private-use codes")
            << conSimbolos(R"({\f2\u-3988 ?\u-3929 ?})") << QStringLiteral("••");
        QTest::newRow("other symbol font") << conSimbolos(R"({\f4\'b7} x)") << QStringLiteral("• x");
        QTest::newRow("other characters of symbol fonts stay")
            << conSimbolos(R"({\f1 abc\'e9}{\f2 abc\'e9})") << QStringLiteral("abcéabcé");
        QTest::newRow("the same bytes in a text font stay")
            << conSimbolos(R"(\'b7 l n \'9f \'a7)") << QStringLiteral("· l n Ÿ §");
        QTest::newRow("a nameless entry keeps the font") // found by the fuzzer
            << QStringLiteral(R"({\rtf1 {\fonttbl\f2Symbol\f2}\f2\'b7})") << QStringLiteral("•");
        QTest::newRow("code page set within a list table") // found by the fuzzer: both readings read it
            << QStringLiteral(R"({\rtf1 {\listtable\ansicpg1251}\'cf})") << QStringLiteral("П");
        QTest::newRow("default font set within a colour table")
            << QStringLiteral(R"({\rtf1{\fonttbl{\f1\fcharset2 Symbol;}}{\colortbl\deff1;}\plain\'b7})")
            << QStringLiteral("•");
        QTest::newRow("symbol font ends with its group") << conSimbolos(R"({\f2 l}l)") << QStringLiteral("•l");
        // clang-format on
    }
    void vinetasDeSimbolos()
    {
        QFETCH(QString, entrada);
        QFETCH(QString, esperado);
        leeComo(entrada, esperado);
    }

    void listas_data()
    {
        QTest::addColumn<QString>("entrada");
        QTest::addColumn<QString>("esperado");
        // clang-format off
        QTest::newRow("LibreOffice") << fixture(QStringLiteral("listas.rtf"))
                                     << QStringLiteral("Tonifica el qi del bazo y del estómago; nutre la sangre.\n"
                                                       "L0 disc level 1 Deficiencia de qi del bazo \n"
                                                       "L0 disc level 1 Cansancio y falta de apetito \n"
                                                       "L0 disc level 1 Diarrea crónica \n"
                                                       "Combinaciones habituales:\n"
                                                       "L1 1 level 1 1. Con Ren Shen para el qi \n"
                                                       "L1 1 level 1 2. Con Huang Qi para la superficie \n"
                                                       "L2 disc level 2 en polvo\n"
                                                       "L2 disc level 2 en decocción\n"
                                                       "L1 1 level 1 3. Con Gan Cao para armonizar \n"
                                                       "Fin de la nota.");
        QTest::newRow("WordPad bullets and numbers")
            << QStringLiteral(
                   R"({\rtf1\ansi\deff0{\fonttbl{\f0\fnil\fcharset0 Arial;}{\f1\fnil\fcharset2 Symbol;}})"
                   "\r\n"
                   R"(\viewkind4\uc1\pard\f0\fs20 Usos:\par)"
                   "\r\n"
                   R"(\pard{\pntext\f1\'B7\tab}{\*\pn\pnlvlblt\pnf1\pnindent0{\pntxtb\'B7}}\fi-720\li720 Tos\par)"
                   "\r\n"
                   R"({\pntext\f1\'B7\tab}Asma\par)"
                   "\r\n"
                   R"(\pard{\pntext\f0 1.\tab}{\*\pn\pnlvlbody\pnf0\pnindent0\pnstart1\pndec{\pntxta.}})"
                   R"(\fi-720\li720 Uno\par)"
                   "\r\n"
                   R"({\pntext\f0 2.\tab}Dos\par)"
                   "\r\n"
                   R"(\pard Fin\par)"
                   "\r\n"
                   R"(\pard{\pntext\f0 a.\tab}{\*\pn\pnlvlbody\pnlcltr{\pntxta.}}Otra\par})")
            << QStringLiteral("Usos:\nL0 disc level 1 Tos\nL0 disc level 1 Asma\nL1 1 level 1 1. Uno\n"
                              "L1 1 level 1 2. Dos\nFin\nL2 a level 1 a. Otra");
        QTest::newRow("Word's levels")
            << QStringLiteral(
                   R"({\rtf1\ansi{\fonttbl{\f0 Arial;}{\f3\fcharset2 Symbol;}}{\*\listtable{\list\listtemplateid7)"
                   R"({\listlevel\levelnfc4\levelstartat1{\leveltext\'02\'00);}{\levelnumbers\'01;}})"
                   R"({\listlevel\levelnfc23{\leveltext\'01\u-3913 ?;}{\levelnumbers;}\f3})"
                   R"({\listlevel\levelnfc23{\leveltext\'01o;}{\levelnumbers;}})"
                   R"({\listlevel\levelnfc2{\leveltext\'02\'03.;}{\levelnumbers\'01;}})"
                   R"({\listlevel\levelnfc255{\leveltext\'00;}{\levelnumbers;}}\listid99}})"
                   R"({\*\listoverridetable{\listoverride\listid99\listoverridecount0\ls4}})"
                   R"(\pard\ls4 uno\par\pard\ls4\ilvl1 dos\par\pard\ls4\ilvl2 tres\par\pard\ls4\ilvl3 cuatro\par)"
                   R"(\pard\ls4\ilvl4 sin numero\par\pard\ls4 cinco\par})")
            << QStringLiteral("L0 a level 1 a. uno\nL1 disc level 2 dos\nL2 circle level 3 tres\n"
                              "L3 i level 4 i. cuatro\nsin numero\nL0 a level 1 b. cinco");
        QTest::newRow("sublists start again under each item")
            << QStringLiteral(R"({\rtf1{\*\listtable{\list{\listlevel\levelnfc0}{\listlevel\levelnfc0}\listid1}})"
                              R"({\*\listoverridetable{\listoverride\listid1\ls1}})"
                              R"(\pard\ls1 a\par\ls1\ilvl1 b\par\ls1\ilvl1 c\par\ls1\ilvl0 d\par\ls1\ilvl1 e\par})")
            << QStringLiteral("L0 1 level 1 1. a\nL1 1 level 2 1. b\nL1 1 level 2 2. c\nL0 1 level 1 2. d\n"
                              "L2 1 level 2 1. e");
        QTest::newRow("a list goes on after other paragraphs")
            << QStringLiteral(R"({\rtf1{\*\listtable{\list{\listlevel\levelnfc0}\listid1}})"
                              R"({\*\listoverridetable{\listoverride\listid1\ls1}})"
                              R"(\pard\ls1 a\par\pard x\par\pard\ls1 b\par})")
            << QStringLiteral("L0 1 level 1 1. a\nx\nL0 1 level 1 2. b");
        QTest::newRow("a list the header lacks is bulleted")
            << QStringLiteral(R"({\rtf1 \pard\ls3\ilvl1 a\par\pard b\par})") << QStringLiteral("L0 disc level 2 a\nb");
        QTest::newRow("alignment") << QStringLiteral(R"({\rtf1 \pard\qc a\par\qr b\par\pard\qj c\par\pard d\par\ql e})")
                                   << QStringLiteral("centre a\nright b\njustify c\nd\ne");
        QTest::newRow("alignment is a paragraph's, kept in its group")
            << QStringLiteral(R"({\rtf1 {\pard\qc a\par}b})") << QStringLiteral("centre a\nb");
        // clang-format on
    }
    void listas()
    {
        QFETCH(QString, entrada);
        QFETCH(QString, esperado);
        QVERIFY(!entrada.isEmpty());
        QTextDocument doc;
        Rtf::leer(entrada, doc);
        QCOMPARE(estructura(doc), esperado);
        muestraElTexto(doc, Rtf::textoPlano(entrada));
    }

    void tablas_data()
    {
        QTest::addColumn<QString>("entrada");
        QTest::addColumn<QString>("esperado");
        QTest::addColumn<QString>("plano");
        // clang-format off
        QTest::newRow("LibreOffice") << fixture(QStringLiteral("tabla.rtf"))
                                     << QStringLiteral("centre Dosis y preparación\n"
                                                       "T0(3x3)[0,0] Forma\nT0(3x3)[0,1] Dosis\nT0(3x3)[0,2] Nota\n"
                                                       "T0(3x3)[1,0] Decocción\nT0(3x3)[1,1] 3-9 g\n"
                                                       "T0(3x3)[1,2] Hervir 30 minutos\n"
                                                       "T0(3x3)[2,0] Polvo\nT0(3x3)[2,1] 1-3 g\n"
                                                       "T0(3x3)[2,2] Dos veces al día.\nT0(3x3)[2,2] Con agua tibia.\n"
                                                       "Texto después de la tabla, en azul y grande.")
                                     << QStringLiteral("Dosis y preparación\nForma\tDosis\tNota\n"
                                                       "Decocción\t3-9 g\tHervir 30 minutos\n"
                                                       "Polvo\t1-3 g\tDos veces al día.\nCon agua tibia.\n"
                                                       "Texto después de la tabla, en azul y grande.");
        QTest::newRow("LibreOffice note") << fixture(QStringLiteral("nota.rtf"))
                                          << QStringLiteral("Ren Shen 人参  raíz; véase la ficha completa.\n"
                                                            "L0 disc level 1 Tonifica el yuan qi\n"
                                                            "L0 disc level 1 Genera líquidos\n"
                                                            "T0(2x2)[0,0] Dosis\nT0(2x2)[0,1] 3-9 g\n"
                                                            "T0(2x2)[1,0] Forma\nT0(2x2)[1,1] decocción\n"
                                                            "right Nota del usuario.")
                                          << QStringLiteral("Ren Shen 人参  raíz; véase la ficha completa.\n"
                                                            "Tonifica el yuan qi\nGenera líquidos\n"
                                                            "Dosis\t3-9 g\nForma\tdecocción\nNota del usuario.");
        QTest::newRow("rows of different lengths")
            << QStringLiteral(R"({\rtf1 \trowd\cellx1000\cellx2000\pard\intbl a\cell b\cell\row)"
                              R"(\trowd\cellx1000\cellx2000\cellx3000\pard\intbl c\cell d\cell e\cell\row\pard f\par})")
            << QStringLiteral("\nT0(2x3)[0,0] a\nT0(2x3)[0,1] b\nT0(2x3)[0,2] \n"
                              "T0(2x3)[1,0] c\nT0(2x3)[1,1] d\nT0(2x3)[1,2] e\nf")
            << QStringLiteral("a\tb\nc\td\te\nf");
        QTest::newRow("table first, empty cells")
            << QStringLiteral(R"({\rtf1 \pard\intbl\cell x\cell\row\pard y})")
            << QStringLiteral("\nT0(1x2)[0,0] \nT0(1x2)[0,1] x\ny") << QStringLiteral("\tx\ny");
        QTest::newRow("row properties after the cells")
            << QStringLiteral(R"({\rtf1 a\par\pard\intbl b\cell c\cell\pard\intbl{\trowd\cellx1\cellx2\row}\pard d})")
            << QStringLiteral("a\nT0(1x2)[0,0] b\nT0(1x2)[0,1] c\nd") << QStringLiteral("a\nb\tc\nd");
        QTest::newRow("two tables") << QStringLiteral(R"({\rtf1 \intbl a\cell\row\pard b\par\intbl c\cell\row})")
                                    << QStringLiteral("\nT0(1x1)[0,0] a\nb\nT1(1x1)[0,0] c\n")
                                    << QStringLiteral("a\nb\nc");
        QTest::newRow("a cell no row closes ends the table")
            << QStringLiteral(R"({\rtf1 \intbl a\cell b\cell\pard c})")
            << QStringLiteral("\nT0(1x2)[0,0] a\nT0(1x2)[0,1] b\nc") << QStringLiteral("a\tb\nc");
        // clang-format on
        {
            QString entrada = QStringLiteral("{\\rtf1 \\intbl ");
            QStringList esperado{QString()}, plano;
            for (int celda = 1; celda <= 70; ++celda) {
                entrada += QStringLiteral("x%1\\cell ").arg(celda);
                plano << QStringLiteral("x%1").arg(celda);
                if (celda < 64)
                    esperado << QStringLiteral("T0(1x64)[0,%1] x%2").arg(celda - 1).arg(celda);
            }
            esperado << QStringLiteral("T0(1x64)[0,63] ") + plano.mid(63).join(u'\t') << QString();
            // clang-format off
            QTest::newRow("cells past 64 columns go on after tabs")
                << entrada + QStringLiteral("\\row}") << esperado.join(u'\n') << plano.join(u'\t');
            // clang-format on
        }
        // clang-format off
        QTest::newRow("cell outside a table is a tab")
            << QStringLiteral(R"({\rtf1 a\cell b\row c})") << QStringLiteral("a\tb\nc") << QStringLiteral("a\tb\nc");
        QTest::newRow("list in a cell") << QStringLiteral(R"({\rtf1 \pard\intbl\ls1 a\par\ls1 b\cell\row})")
                                        << QStringLiteral(
                                               "\nT0(1x1)[0,0] L0 disc level 1 a\nT0(1x1)[0,0] L0 disc level 1 b\n")
                                        << QStringLiteral("a\nb");
        QTest::newRow("nested cells stay in their cell")
            << QStringLiteral(R"({\rtf1 \intbl a\nestcell b\nestrow\cell\row})")
            << QStringLiteral("\nT0(1x1)[0,0] a\tb\n") << QStringLiteral("a\tb");
        // clang-format on
    }
    void tablas()
    {
        QFETCH(QString, entrada);
        QFETCH(QString, esperado);
        QFETCH(QString, plano);
        QVERIFY(!entrada.isEmpty());
        QTextDocument doc;
        Rtf::leer(entrada, doc);
        QCOMPARE(estructura(doc), esperado);
        QCOMPARE(Rtf::textoPlano(entrada), plano);
        muestraElTexto(doc, plano);
    }

    // A text written by another word processor, one word changed as the panel
    // changes it, written and read again: the same paragraphs, styles, lists
    // and tables, with the new word in the old word's style.
    void editarYGuardar_data()
    {
        QTest::addColumn<QString>("archivo");
        QTest::addColumn<QString>("palabra");
        QTest::addColumn<QString>("nueva");
        QTest::addColumn<QString>("linea"); // the edited paragraph as estructura() shows it
        // clang-format off
        QTest::newRow("bold word of a list item")
            << QStringLiteral("listas.rtf") << QStringLiteral("falta") << QStringLiteral("pérdida")
            << QStringLiteral("L0 disc level 1 Cansancio y pérdida de apetito ");
        QTest::newRow("item of a sublist") << QStringLiteral("listas.rtf") << QStringLiteral("polvo")
                                           << QStringLiteral("píldoras") << QStringLiteral("L2 disc level 2 en píldoras");
        QTest::newRow("numbered item") << QStringLiteral("listas.rtf") << QStringLiteral("Gan Cao")
                                       << QStringLiteral("Da Zao")
                                       << QStringLiteral("L1 1 level 1 3. Con Da Zao para armonizar ");
        QTest::newRow("italic words in a cell") << QStringLiteral("tabla.rtf") << QStringLiteral("minutos")
                                                << QStringLiteral("min") << QStringLiteral("T0(3x3)[1,2] Hervir 30 min");
        QTest::newRow("coloured heading") << QStringLiteral("tabla.rtf") << QStringLiteral("Dosis y")
                                          << QStringLiteral("Dosis, uso y")
                                          << QStringLiteral("centre Dosis, uso y preparación");
        QTest::newRow("second paragraph of a cell")
            << QStringLiteral("tabla.rtf") << QStringLiteral("tibia") << QStringLiteral("caliente")
            << QStringLiteral("T0(3x3)[2,2] Con agua caliente.");
        QTest::newRow("coloured word of a list") << QStringLiteral("nota.rtf") << QStringLiteral("líquidos")
                                                 << QStringLiteral("fluidos")
                                                 << QStringLiteral("L0 disc level 1 Genera fluidos");
        QTest::newRow("cell of the note's table") << QStringLiteral("nota.rtf") << QStringLiteral("3-9 g")
                                                  << QStringLiteral("6-12 g") << QStringLiteral("T0(2x2)[0,1] 6-12 g");
        QTest::newRow("right-aligned paragraph") << QStringLiteral("nota.rtf") << QStringLiteral("usuario")
                                                 << QStringLiteral("autor") << QStringLiteral("right Nota del autor.");
        // clang-format on
    }
    void editarYGuardar()
    {
        QFETCH(QString, archivo);
        QFETCH(QString, palabra);
        QFETCH(QString, nueva);
        QFETCH(QString, linea);
        const QString entrada = fixture(archivo);
        QVERIFY(!entrada.isEmpty());
        QTextDocument doc;
        Rtf::leer(entrada, doc);
        const QString antes = estructura(doc);
        QTextCursor cursor = doc.find(palabra);
        QVERIFY(!cursor.isNull());
        const int posicion = cursor.selectionStart();
        const Estilo estilo = estiloEn(doc, posicion);
        cursor.insertText(nueva, formatoEn(doc, posicion));

        const QString escrito = Rtf::escribir(doc);
        QVERIFY(soloAscii(escrito));
        QTextDocument leido;
        Rtf::leer(escrito, leido);
        compararDocumentos(doc, leido, true);
        QCOMPARE(estructura(leido), QString(antes).replace(palabra, nueva));
        QVERIFY2(estructura(leido).split(u'\n').contains(linea), qPrintable(estructura(leido)));
        QVERIFY(estiloEn(leido, posicion) == estilo);
        QVERIFY(estiloEn(leido, posicion + int(nueva.size()) - 1) == estilo);
        QCOMPARE(Rtf::textoPlano(escrito), QString(Rtf::textoPlano(entrada)).replace(palabra, nueva));
    }

    // What the fixtures show in particular, after the round trip.
    void idaYVueltaConservaLoQueSeVe()
    {
        QTextDocument original;
        Rtf::leer(fixture(QStringLiteral("tabla.rtf")), original);
        QTextDocument tabla;
        Rtf::leer(Rtf::escribir(original), tabla);
        const Estilo titulo = estiloEn(tabla, 0);
        QVERIFY(titulo.negrita);
        QCOMPARE(titulo.puntos, 16.0);
        QCOMPARE(titulo.color, QColor(0xc0, 0, 0));
        QCOMPARE(tabla.begin().blockFormat().alignment() & Qt::AlignHorizontal_Mask, Qt::AlignHCenter);
        const int cursiva = tabla.find(QStringLiteral("30 minutos")).selectionStart();
        QVERIFY(estiloEn(tabla, cursiva).cursiva);
        QVERIFY(!estiloEn(tabla, cursiva - 2).cursiva);
        const int azul = tabla.find(QStringLiteral("azul")).selectionStart();
        QCOMPARE(estiloEn(tabla, azul).color, QColor(0, 0, 255));
        QCOMPARE(estiloEn(tabla, tabla.find(QStringLiteral("grande")).selectionStart()).puntos, 14.0);
        QCOMPARE(estiloEn(tabla, azul).familia, QStringLiteral("Liberation Sans"));
    }

    // Random mutations of real texts: every one must be read, both ways alike,
    // and what is written of it must read back to the same text.
    void mutacionesAleatorias()
    {
        static const char *const piezas[] = {
            "{",   "}",     "\\",        "\\'",        "\\'f", "0",    "7",   "9", "-", "\\u", "\\uc",   "\\bin",
            "\\*", "\\par", "\\fonttbl", "\\colortbl", "\\fs", "\\cf", "\\f", ";", " ", "\\b", "\\line", "\r\n"};
        QRandomGenerator azar(20240611);
        QList<QString> semillas;
        for (const char *m : kMuestras)
            semillas << QString::fromLatin1(m);
        semillas << rtf(R"(\u20013?\u-10179?\u-8704?\uc2\u8364\'80\'80{\*\x{y}}\bin2 ab{\field{\fldrslt z}})");
        semillas << QStringLiteral(
            R"({\rtf1\ansi\ansicpg1251{\fonttbl{\f0 Arial;}{\f1\fcharset134 S;}{\f2\fcharset2 Symbol;}})"
            R"({\*\listtable{\list{\listlevel\levelnfc23{\leveltext\'01\u8226 ?;}}{\listlevel\levelnfc0}\listid1}})"
            R"({\*\listoverridetable{\listoverride\listid1\ls1}}\pard\qc\'cf\f1\'c8\'cb\'a4@\f2\'b7\f0\par)"
            R"(\pard\ls1 a\par\ls1\ilvl1 b\*\x c\par\pard{\*\pn\pnlvlblt}d\par)"
            R"(\trowd\cellx1\pard\intbl e\cell f\par g\cell\row\pard h\par})");
        const int casos = 3000;
        QElapsedTimer reloj;
        reloj.start();
        for (int caso = 0; caso < casos; ++caso) {
            QString s = semillas[azar.bounded(int(semillas.size()))];
            for (int m = azar.bounded(1, 9); m > 0; --m) {
                const qsizetype en = s.isEmpty() ? 0 : azar.bounded(int(s.size()));
                switch (azar.bounded(4)) {
                case 0:
                    if (!s.isEmpty())
                        s[en] = QChar(char16_t(azar.bounded(256)));
                    break;
                case 1: s.insert(en, QLatin1String(piezas[azar.bounded(int(std::size(piezas)))])); break;
                case 2: s.remove(en, azar.bounded(1, 16)); break;
                default:
                    if (azar.bounded(4) == 0)
                        s.truncate(en);
                    else
                        s.insert(en, QString::number(azar.bounded(-100000, 100000)));
                    break;
                }
            }
            const QString plano = Rtf::textoPlano(s);
            QVERIFY(plano.size() <= s.size());
            QTextDocument doc;
            Rtf::leer(s, doc);
            if (Rtf::esRtf(s)) {
                muestraElTexto(doc, plano);
                if (QTest::currentTestFailed()) {
                    qWarning("case %d: %s", caso, qPrintable(s));
                    return;
                }
            } else {
                QTextDocument comoTexto;
                comoTexto.setPlainText(s);
                QCOMPARE(doc.toPlainText(), comoTexto.toPlainText());
            }
            const QString escrito = Rtf::escribir(doc);
            QVERIFY(soloAscii(escrito));
            QTextDocument leido;
            Rtf::leer(escrito, leido);
            if (sinControles(leido.toRawText()) != sinControles(doc.toRawText()))
                QFAIL(qPrintable(QStringLiteral("case %1 does not read back:\n%2").arg(caso).arg(s)));
        }
        qInfo("%d mutated inputs in %lld ms", casos, reloj.elapsed());
    }
};

QTEST_MAIN(TestRtf)
#include "tst_rtf.moc"
