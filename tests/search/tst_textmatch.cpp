// Text matching: the fold table, substring tests on folded texts, term lists, word split.
#include "search/TextMatch.h"

#include <QRandomGenerator>
#include <QTest>

using namespace yb;

namespace {

// The fold written out from its rule, one character at a time: the reference
// the fast fold is checked against.
char16_t foldedByRule(char16_t c)
{
    static const QString from = QStringLiteral("áéíóúñüÁÉÍÓÚ");
    static const QString to = QStringLiteral("AEIOUÑUAEIOU");
    const qsizetype at = from.indexOf(QChar(c));
    if (at >= 0)
        return to[at].unicode();
    if (c >= u'a' && c <= u'z')
        return char16_t(c - u'a' + u'A');
    return c;
}

QString foldedByRule(const QString &s)
{
    QString r = s;
    for (QChar &c : r)
        c = QChar(foldedByRule(c.unicode()));
    return r;
}

} // namespace

class TestTextMatch : public QObject {
    Q_OBJECT

private slots:
    void fold_data()
    {
        QTest::addColumn<QString>("text");
        QTest::addColumn<QString>("folded");
        const QString from = QStringLiteral("áéíóúñüÁÉÍÓÚ");
        const QString to = QStringLiteral("AEIOUÑUAEIOU");
        for (qsizetype i = 0; i < from.size(); ++i)
            QTest::addRow("pair %lld", qlonglong(i)) << QString(from[i]) << QString(to[i]);
        // clang-format off
        QTest::newRow("whole first row") << from << to;
        QTest::newRow("Ácido") << QStringLiteral("Ácido") << QStringLiteral("ACIDO");
        QTest::newRow("ñandú") << QStringLiteral("ñandú") << QStringLiteral("ÑANDU");
        QTest::newRow("Ñandú") << QStringLiteral("Ñandú") << QStringLiteral("ÑANDU");
        QTest::newRow("pingüino") << QStringLiteral("pingüino") << QStringLiteral("PINGUINO");
        QTest::newRow("Über keeps Ü") << QStringLiteral("Über") << QStringLiteral("ÜBER");
        QTest::newRow("ça keeps ç") << QStringLiteral("ça") << QStringLiteral("çA");
        QTest::newRow("accents outside the table")
            << QStringLiteral("à è â ç ö Ñ Ü À") << QStringLiteral("à è â ç ö Ñ Ü À");
        QTest::newRow("CR LF in place") << QStringLiteral("línea\r\notra\r\n") << QStringLiteral("LINEA\r\nOTRA\r\n");
        QTest::newRow("digits and punctuation")
            << QStringLiteral("12,5% (x3); ¿qué? ¡sí! \t#") << QStringLiteral("12,5% (X3); ¿QUE? ¡SI! \t#");
        QTest::newRow("edges of a-z") << QStringLiteral("`az{@AZ[`az{") << QStringLiteral("`AZ{@AZ[`AZ{");
        QTest::newRow("long plain text") << QStringLiteral("raiz de ginseng coreano, cocida")
                                         << QStringLiteral("RAIZ DE GINSENG COREANO, COCIDA");
        QTest::newRow("above 255 unchanged") << QStringLiteral("人参 rén ā € ŝ") << QStringLiteral("人参 REN ā € ŝ");
        QTest::newRow("empty") << QString() << QString();
        // clang-format on
    }
    void fold()
    {
        QFETCH(QString, text);
        QFETCH(QString, folded);
        const QString r = Texto::plegar(text);
        QCOMPARE(r, folded);
        QCOMPARE(r.size(), text.size());

        QString buffer = QStringLiteral("a longer text already in the buffer, to be replaced");
        Texto::plegarEn(text, buffer);
        QCOMPARE(buffer, folded);

        const QString original(text.constData(), text.size()); // a deep copy
        QString inPlace(text.constData(), text.size());        // shares nothing
        Texto::plegarEn(inPlace, inPlace);
        QCOMPARE(inPlace, folded);

        QString shared = text; // shares its data with `text`, which must not change
        Texto::plegarEn(shared, shared);
        QCOMPARE(shared, folded);
        QCOMPARE(text, original);
    }

    // Every UTF-16 code unit, and every start offset and length of a mixed text,
    // folds exactly as the rule says, at its own position.
    void foldFollowsTheRuleForEveryCharacterAndPosition()
    {
        QString all(0x10000, Qt::Uninitialized);
        for (int c = 0; c < 0x10000; ++c)
            all[c] = QChar(char16_t(c));
        const QString folded = Texto::plegar(all);
        QCOMPARE(folded.size(), all.size());
        for (int c = 0; c < 0x10000; ++c) {
            QCOMPARE(folded[c].unicode(), foldedByRule(char16_t(c)));
            QCOMPARE(Texto::plegarCaracter(char16_t(c)), foldedByRule(char16_t(c)));
        }

        const QString mixed = QStringLiteral("Raíz de ginseng, PINGÜINO; ñandú\r\nÁrbol çà 人参 sí. Über alles x");
        for (qsizetype from = 0; from < 10; ++from) {
            for (qsizetype n = 0; from + n <= mixed.size(); ++n) {
                const QString part = mixed.mid(from, n);
                QCOMPARE(Texto::plegar(part), foldedByRule(part));
            }
        }
    }

    void contains_data()
    {
        QTest::addColumn<QString>("term");
        QTest::addColumn<QString>("text");
        QTest::addColumn<bool>("contained");
        const QString longText = QString(100, u'A') + QStringLiteral("RAIZ") + QString(20, u'B');
        const auto row = [](const char *name, const QString &term, const QString &text, bool contained) {
            QTest::newRow(name) << term << text << contained;
        };
        row("inside a word", "RAIZ", "CORAIZON", true);
        row("end of a word", "ZON", "CORAIZON", true);
        row("at start", "RAIZ", "RAIZ DE GINSENG", true);
        row("at end", "GINSENG", "RAIZ DE GINSENG", true);
        row("whole text", "RAIZ", "RAIZ", true);
        row("empty term", "", "RAIZ", false);
        row("empty term, empty text", "", "", false);
        row("empty text", "RAIZ", "", false);
        row("term longer than text", "RAICES", "RAIZ", false);
        row("no folding here", "raiz", "RAIZ", false);
        row("first and last match, middle not", "RAIZ", "ROOZ RAOZ RAIS", false);
        row("one character", "Ñ", "AÑO", true);
        row("one character absent", "Ñ", "ANO", false);
        row("two characters", "DE", "RAIZ DE GINSENG", true);
        row("repeated prefix", "AAB", QString(17, u'A') + u'B', true);
        row("long text, middle", "RAIZ", longText, true);
        row("long text, start", "AAAR", longText, true);
        row("long text, end", "ZBB", longText, true);
        row("long text, absent", "ARAIZA", longText, false);
        row("long text, beyond Latin-1", QStringLiteral("人参 ÑANDU"), longText + QStringLiteral("人参 ÑANDU"), true);
        row("long text, near misses", "RAIZ", QStringLiteral("RAI RAZ RIZ AIZ ").repeated(8), false);
    }
    void contains()
    {
        QFETCH(QString, term);
        QFETCH(QString, text);
        QFETCH(bool, contained);
        QCOMPARE(Texto::contiene(term, text), contained);
    }

    // Many small texts over a three-letter alphabet: the same answers as a plain index search.
    void containsAgreesWithIndexOf()
    {
        QRandomGenerator rng(20240611);
        const auto randomText = [&](int n) {
            QString s(n, Qt::Uninitialized);
            for (QChar &c : s)
                c = QChar(u"AB "[rng.bounded(3)]);
            return s;
        };
        int found = 0;
        for (int round = 0; round < 20000; ++round) {
            const QString text = randomText(rng.bounded(0, 48));
            const QString term = randomText(rng.bounded(1, 6));
            const bool expected = text.indexOf(term) >= 0;
            found += expected;
            QVERIFY2(Texto::contiene(term, text) == expected, qPrintable(term + u'|' + text));
        }
        QVERIFY(found > 1000 && found < 19000); // both answers were exercised
    }

    void termLists_data()
    {
        QTest::addColumn<QStringList>("terms");
        QTest::addColumn<QString>("text");
        QTest::addColumn<bool>("any");
        QTest::addColumn<bool>("every");
        const QString text = QStringLiteral("RAIZ DE GINSENG");
        QTest::newRow("no terms") << QStringList() << text << false << true;
        QTest::newRow("no terms, empty text") << QStringList() << QString() << false << true;
        QTest::newRow("one inside a word") << QStringList{"AIZ"} << text << true << true;
        QTest::newRow("all present") << QStringList{"RAIZ", "GINSENG"} << text << true << true;
        QTest::newRow("first present") << QStringList{"RAIZ", "HOJA"} << text << true << false;
        QTest::newRow("last present") << QStringList{"HOJA", "RAIZ"} << text << true << false;
        QTest::newRow("none present") << QStringList{"HOJA", "FLOR"} << text << false << false;
        QTest::newRow("empty term occurs nowhere") << QStringList{"", "RAIZ"} << text << true << false;
        QTest::newRow("only the empty term") << QStringList{""} << text << false << false;
    }
    void termLists()
    {
        QFETCH(QStringList, terms);
        QFETCH(QString, text);
        QFETCH(bool, any);
        QFETCH(bool, every);
        QCOMPARE(Texto::algunTermino(terms, text), any);
        QCOMPARE(Texto::todosLosTerminos(terms, text), every);
        QStringList reversed(terms.crbegin(), terms.crend());
        QCOMPARE(Texto::algunTermino(reversed, text), any);
        QCOMPARE(Texto::todosLosTerminos(reversed, text), every);
    }

    void wordSplit_data()
    {
        QTest::addColumn<QString>("text");
        QTest::addColumn<QStringList>("words");
        // clang-format off
        QTest::newRow("runs of spaces") << QStringLiteral("  raíz   de  ginseng ")
                                        << QStringList{"RAIZ", "DE", "GINSENG"};
        QTest::newRow("empty") << QString() << QStringList();
        QTest::newRow("spaces only") << QStringLiteral("     ") << QStringList();
        QTest::newRow("one word") << QStringLiteral("Ácido") << QStringList{"ACIDO"};
        QTest::newRow("tab is not a separator") << QStringLiteral("raíz\tde") << QStringList{"RAIZ\tDE"};
        QTest::newRow("line break is not a separator") << QStringLiteral("raíz\r\nde") << QStringList{"RAIZ\r\nDE"};
        QTest::newRow("no-break space is not a separator")
            << QStringLiteral("raíz\u00A0de") << QStringList{QStringLiteral("RAIZ\u00A0DE")};
        QTest::newRow("punctuation belongs to words")
            << QStringLiteral("ñandú, pingüino.") << QStringList{QStringLiteral("ÑANDU,"), "PINGUINO."};
        QTest::newRow("repeats kept") << QStringLiteral("raíz de Raíz") << QStringList{"RAIZ", "DE", "RAIZ"};
        // clang-format on
    }
    void wordSplit()
    {
        QFETCH(QString, text);
        QFETCH(QStringList, words);
        QCOMPARE(Texto::separarPalabras(text), words);
    }
};

QTEST_GUILESS_MAIN(TestTextMatch)
#include "tst_textmatch.moc"
