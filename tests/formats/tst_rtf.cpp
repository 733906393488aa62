// The RTF codec: plain text of RTF, reading into a document with its styles,
// malformed input, writing and reading back, and a short random-mutation fuzz.
#include "formats/Rtf.h"

#include <QElapsedTimer>
#include <QRandomGenerator>
#include <QTest>
#include <QTextBlock>
#include <QTextCursor>
#include <QTextDocument>

namespace Rtf = yb::Rtf;

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

// Same text, block by block, and the same style at every character.
void compararDocumentos(QTextDocument &a, QTextDocument &b, bool compararFamilia)
{
    QCOMPARE(b.blockCount(), a.blockCount());
    QCOMPARE(b.toRawText(), a.toRawText());
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

// A document's text as textoPlano gives it, for comparing the two ways of reading.
QString comoPlano(const QString &plano)
{
    QString s = plano;
    s.replace(QChar::Nbsp, u' ').replace(QChar::LineSeparator, u'\n').replace(QChar::ParagraphSeparator, u'\n');
    s.removeIf([](QChar c) {
        const char16_t u = c.unicode();
        return (u >= 0xFDD0 && u <= 0xFDEF) || u == 0xFFFC || u == 0xFFFE || u == 0xFFFF;
    });
    return s;
}

// Both readings of an input, the plain text and the document, give the expected text.
void leeComo(const QString &entrada, const QString &esperado)
{
    QCOMPARE(Rtf::textoPlano(entrada), esperado);
    QTextDocument doc;
    Rtf::leer(entrada, doc);
    QCOMPARE(doc.toPlainText(), comoPlano(esperado));
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
        QTest::newRow("open braces") << QStringLiteral("{\\rtf1 ") + QString(n * 4, u'{') + u'x';
        QTest::newRow("ignorable groups") << QStringLiteral("{\\rtf1 ") + QStringLiteral("{\\*").repeated(n) + u'x';
        QTest::newRow("fallbacks") << QStringLiteral("{\\rtf1\\uc1000 ") + QStringLiteral("\\u65 xy").repeated(n);
        QTest::newRow("font table") << QStringLiteral("{\\rtf1{\\fonttbl") + QStringLiteral("\\f7 a;").repeated(n) +
                                           u'}';
        QTest::newRow("colour table") << QStringLiteral("{\\rtf1{\\colortbl") + QString(n * 4, u';') + u'}';
        QTest::newRow("format changes") << QStringLiteral("{\\rtf1 ") +
                                               QStringLiteral("\\b a\\b0 b\\cf2 ").repeated(n / 4);
        QTest::newRow("paragraphs") << QStringLiteral("{\\rtf1 ") + QStringLiteral("\\par x").repeated(n / 4);
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
        QCOMPARE(doc.toPlainText(), comoPlano(plano));
        QVERIFY2(reloj.elapsed() < 20000, qPrintable(QString::number(reloj.elapsed())));
    }

    void idaYVuelta_data()
    {
        QTest::addColumn<QString>("entrada");
        for (size_t i = 0; i < std::size(kMuestras); ++i)
            QTest::addRow("sample %d", int(i)) << QString::fromLatin1(kMuestras[i]);
        QTest::newRow("accents, braces, backslashes") << rtf(
            R"(Coraz\'f3n, \'e1cido {\b ni\'f1o} \{llaves\} y \\barra\\ \ldblquote cita\rdblquote  \'bfqu\'e9?\par\par )"
            R"(\u20013?\u25991? \u-10179?\u-8704? a\~b\tab c\line d\'80)");
        QTest::newRow("every style") << QStringLiteral(
            R"({\rtf1\ansi\deff0{\fonttbl{\f0 Arial;}{\f1 Courier New;}})"
            R"({\colortbl ;\red0\green128\blue0;\red10\green20\blue30;}\pard\fs20 a\b b\i c\ul d)"
            R"(\b0\i0\ulnone\fs31 e\fs7 f\cf1 g\cf2\f1 h\cf0\f0\fs24 i\par\par{\b\i\ul\cf1 j}\par})");
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
                case 1:
                    s.insert(en, QLatin1String(piezas[azar.bounded(int(std::size(piezas)))]));
                    break;
                case 2:
                    s.remove(en, azar.bounded(1, 16));
                    break;
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
                QCOMPARE(doc.toPlainText(), comoPlano(plano));
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
