// The monograph text panel: tabs and fields by mode and language, who may
// type where, storing on a change of tab or record, and the search marks.
#include "dbwidgets/DBRichEdit.h"
#include "formats/Rtf.h"
#include "support/AppFixture.h"

#include <QApplication>
#include <QLabel>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QTabBar>
#include <QTextBlock>
#include <QTextLayout>
#include <QTimer>
#include <QToolButton>
#include <optional>

using namespace yb;
using namespace yb::test;

namespace {

struct Texto : Run {
    using Run::Run;
    DBRichEdit *memo() const { return child<DBRichEdit>("Memo"); }
    QTabBar *tabs() const { return child<QTabBar>("TabMemo"); }
    QStringList tabTexts() const
    {
        QStringList t;
        for (int i = 0; i < tabs()->count(); ++i)
            t << tabs()->tabText(i);
        return t;
    }
    void typeInMemo(const QString &text)
    {
        memo()->setFocus();
        memo()->moveCursor(QTextCursor::End);
        QTest::keyClicks(memo(), text);
    }
    QString stored(const char *table, const char *field, int key)
    {
        Statement s(app->database(), QString("SELECT %1 FROM %2 WHERE %3 = ?")
                                         .arg(field, table, QString(table) == "Notas" ? "KPlanta" : "Clave"));
        s.bind(1, key);
        return s.step() ? s.text(0) : QString();
    }
    // Opens the search window, types the terms and presses Buscar; with `cancelar`, leaves it with Esc.
    void search(const QString &terms, bool cancelar = false)
    {
        QTimer::singleShot(0, [=] {
            QWidget *ventana = QApplication::activeModalWidget();
            QVERIFY(ventana);
            auto *memoBusqueda = ventana->findChild<QPlainTextEdit *>("Memo");
            if (cancelar) {
                QTest::keyClick(memoBusqueda, Qt::Key_Escape);
                return;
            }
            memoBusqueda->setPlainText(terms);
            QTest::mouseClick(ventana->findChild<QPushButton *>("Aceptar"), Qt::LeftButton);
        });
        QTest::mouseClick(child<QPushButton>("Buscar"), Qt::LeftButton);
    }
    void click(const char *name) { QTest::mouseClick(child<QAbstractButton>(name), Qt::LeftButton); }
    void key(int k) { QTest::keyClick(child<QWidget>("GrNom"), Qt::Key(k)); }
    // The runs of the shown text that are laid out bold and underlined, with their text.
    QList<std::pair<int, QString>> laidOutMarks() const
    {
        QList<std::pair<int, QString>> marks;
        const QString text = memo()->toPlainText();
        for (QTextBlock b = memo()->document()->begin(); b.isValid(); b = b.next())
            for (const QTextLayout::FormatRange &r : b.layout()->formats())
                if (r.format.fontUnderline() && r.format.fontWeight() >= QFont::Bold)
                    marks << std::pair{b.position() + r.start, text.mid(b.position() + r.start, r.length)};
        return marks;
    }
    // The point size the shown text is laid out in at the first occurrence of a word:
    // its own format with the display formats laid over it.
    qreal laidOutSize(const QString &word) const
    {
        const int at = int(memo()->toPlainText().indexOf(word));
        const QTextBlock b = memo()->document()->findBlock(at);
        QTextCursor c(b);
        c.setPosition(at + 1);
        QTextCharFormat f = c.charFormat();
        for (const QTextLayout::FormatRange &r : b.layout()->formats())
            if (r.start <= at - b.position() && at - b.position() < r.start + r.length)
                f.merge(r.format);
        return f.hasProperty(QTextFormat::FontPointSize) ? f.fontPointSize()
                                                         : memo()->document()->defaultFont().pointSizeF();
    }
};

// Puts a text in a field of a record before the application starts; the notes
// go to the record's notes row.
void storeText(const DataDir &d, const QString &table, const QString &field, int key, const QString &text)
{
    auto db = Database::open(d.dir.path());
    if (table == "Notas") {
        Statement s(*db, "INSERT INTO Notas (KPlanta, Memo) VALUES (?, ?)");
        s.bind(1, key);
        s.bind(2, text);
        s.exec();
        return;
    }
    Statement s(*db, QString("UPDATE %1 SET %2 = ? WHERE Clave = ?").arg(table, field));
    s.bind(1, text);
    s.bind(2, key);
    s.exec();
}

// RTF as an outside word processor writes it: a table, a field, a picture and a
// list, which this program's writer would not give back as they are.
const char *const kRtfAjeno =
    "{\\rtf1\\ansi\\ansicpg1252\\deff0{\\fonttbl{\\f0\\fswiss Arial;}{\\f1\\fnil Symbol;}}"
    "{\\colortbl;\\red255\\green0\\blue0;}{\\*\\generator LibreOffice}\\viewkind4\\uc1\r\n"
    "\\trowd\\cellx2000\\cellx4000\\intbl ra\\'edz\\cell\\intbl tos\\cell\\row\r\n"
    "\\pard{\\field{\\*\\fldinst HYPERLINK \"http://example.org\"}{\\fldrslt enlace}}\\par\r\n"
    "{\\pict\\pngblip\\picw10\\pich10 89504e470d0a1a0a}\\par\r\n"
    "{\\pntext\\f1\\'b7\\tab}{\\*\\pn\\pnlvlblt\\pnf1{\\pntxtb\\'b7}}\\fi-360\\li720 Seca la ra\\'edz\\par\r\n"
    "\\pard\\f0\\fs20\\cf1 La ra\\'edz seca y la tos.\\par\r\n}";

// Bai Zhu's notes hold an outside RTF, shown on the notes tab.
struct NotaAjena {
    DataDir d;
    std::optional<Texto> r;
    NotaAjena()
    {
        storeText(d, "Notas", "Memo", 1, kRtfAjeno);
        r.emplace(QStringList{"Bai Zhu"});
        r->tabs()->setCurrentIndex(3);
    }
};

} // namespace

class TestTexto : public QObject {
    Q_OBJECT
private slots:
    void tabsAndFieldsByModeAndLanguage_data()
    {
        QTest::addColumn<bool>("english");
        QTest::addColumn<bool>("editor");
        QTest::addColumn<QStringList>("tabs");
        QTest::addColumn<QStringList>("fields");
        const QStringList es{"Descripción", "Advertencias", "Botica", "Notas"};
        const QStringList en{"Description", "Warnings", "Drugstore", "Notes"};
        // clang-format off
        QTest::newRow("Spanish reader") << false << false << es
                                        << QStringList{"Descripcion", "Floracion", "Administracion", "Memo"};
        QTest::newRow("Spanish editor") << false << true << (es + QStringList{"Aplicación"})
                                        << QStringList{"Descripcion", "Floracion", "Administracion", "Memo", "Aplicacion"};
        QTest::newRow("English reader") << true << false << en
                                        << QStringList{"DescripcionIng", "FloracionIng", "AdministracionIng", "Memo"};
        QTest::newRow("English editor") << true << true << en
                                        << QStringList{"DescripcionIng", "FloracionIng", "AdministracionIng", "Memo"};
        // clang-format on
    }

    void tabsAndFieldsByModeAndLanguage()
    {
        QFETCH(bool, english);
        QFETCH(bool, editor);
        QFETCH(QStringList, tabs);
        QFETCH(QStringList, fields);
        DataDir d;
        if (english)
            QDir(d.dir.path()).mkdir("English");
        Texto r(editor ? QStringList{"tezlap"} : QStringList{});
        QCOMPARE(r.tabTexts(), tabs);
        for (int i = 0; i < tabs.size(); ++i) {
            r.tabs()->setCurrentIndex(i);
            QCOMPARE(r.memo()->dataField(), fields[i]);
            QCOMPARE(r.child<QLabel>("LabMemo")->text(), tabs[i]);
        }
        Mensajes::setEnglish(false);
    }

    void descriptionShowsTheTextAReaderSees()
    {
        DataDir d;
        Texto r({"Bai Zhu"});
        QCOMPARE(r.memo()->toPlainText().trimmed(), QString("Tonifica el qi"));
    }

    void notesTypedInReaderModeStay()
    {
        DataDir d;
        Texto r({"Bai Zhu"});
        r.tabs()->setCurrentIndex(3);
        r.typeInMemo("Buena respuesta");
        QTest::keyClick(r.child<QWidget>("GrNom"), Qt::Key_Down); // away
        QCOMPARE(r.current(), QString("Gan Cao"));
        QVERIFY(r.memo()->toPlainText().trimmed().isEmpty());
        QTest::keyClick(r.child<QWidget>("GrNom"), Qt::Key_Up); // and back
        QCOMPARE(r.memo()->toPlainText().trimmed(), QString("Buena respuesta"));
        QVERIFY(Rtf::textoPlano(r.stored("Notas", "Memo", 1)).contains("Buena respuesta"));
    }

    void descriptionCannotBeChangedWithEditingOff()
    {
        DataDir d;
        Texto r({"tezlap"});
        r.app->dm().TPlan.first();
        const QString before = r.stored("Plantas", "Descripcion", 1);
        r.typeInMemo("xyz");
        QCOMPARE(r.memo()->toPlainText().trimmed(), QString("Tonifica el qi"));
        QCOMPARE(r.app->dm().TPlan.state(), Cursor::State::Browse);
        QCOMPARE(r.stored("Plantas", "Descripcion", 1), before);
    }

    void searchMarksAccentedAndOverlappingOccurrences()
    {
        DataDir d;
        {
            auto db = Database::open(d.dir.path());
            Statement s(*db, "UPDATE Plantas SET Descripcion = ? WHERE Clave = 1");
            s.bind(1, QString("{\\rtf1\\ansi La ra\\'edz seca. AAA y Ra\\'edz.\\par}"));
            s.exec();
        }
        Texto r({"Bai Zhu"});
        QTimer::singleShot(0, [&] {
            QWidget *ventana = QApplication::activeModalWidget();
            QVERIFY(ventana);
            ventana->findChild<QPlainTextEdit *>("Memo")->setPlainText("raíz\naa");
            QTest::mouseClick(ventana->findChild<QPushButton *>("Aceptar"), Qt::LeftButton);
        });
        QTest::mouseClick(r.child<QPushButton>("Buscar"), Qt::LeftButton);
        QCOMPARE(r.current(), QString("Bai Zhu"));
        const QString text = r.memo()->toPlainText();
        QCOMPARE(text.trimmed(), QString("La raíz seca. AAA y Raíz."));
        // On screen: the two overlapping occurrences of AA mark all of AAA.
        const int aaa = int(text.indexOf("AAA"));
        QCOMPARE(r.laidOutMarks(),
                 (QList<std::pair<int, QString>>{{3, "raíz"}, {aaa, "AAA"}, {int(text.indexOf("Raíz")), "Raíz"}}));
        // Display only: the stored text has no trace of the marks.
        QVERIFY(!r.stored("Plantas", "Descripcion", 1).contains("\\b"));
        QVERIFY(!r.stored("Plantas", "Descripcion", 1).contains("\\ul"));
        QTest::mouseClick(r.child<QPushButton>("VerTodo"), Qt::LeftButton);
        QVERIFY(r.laidOutMarks().isEmpty());
    }

    // Showing a text, marking it, reloading it and sizing it never store it:
    // only the user's own change may.
    void showingNeverRewritesTheText_data()
    {
        QTest::addColumn<bool>("editing");
        QTest::addColumn<int>("tab");
        QTest::addColumn<QString>("table");
        QTest::addColumn<QString>("field");
        QTest::addColumn<QString>("text");
        const QString plain = "Raíz de la planta: sin formato.";
        // clang-format off
        QTest::newRow("plain note, reader") << false << 3 << "Notas" << "Memo" << plain;
        QTest::newRow("outside RTF note, reader") << false << 3 << "Notas" << "Memo" << QString(kRtfAjeno);
        QTest::newRow("plain note, editing on") << true << 3 << "Notas" << "Memo" << plain;
        QTest::newRow("outside RTF description, editing on")
            << true << 0 << "Plantas" << "Descripcion" << QString(kRtfAjeno);
        QTest::newRow("outside RTF warnings, editing on") << true << 1 << "Plantas" << "Floracion" << QString(kRtfAjeno);
        // clang-format on
    }

    void showingNeverRewritesTheText()
    {
        QFETCH(bool, editing);
        QFETCH(int, tab);
        QFETCH(QString, table);
        QFETCH(QString, field);
        QFETCH(QString, text);
        DataDir d;
        storeText(d, "Plantas", "Descripcion", 1, "{\\rtf1\\ansi Ra\\'edz tonificante.\\par}"); // a hit of the search
        storeText(d, table, field, 1, text);
        Texto r(editing ? QStringList{"tezlap"} : QStringList{"Bai Zhu"});
        if (editing) {
            r.click("Modificar");
            r.app->dm().TPlan.first();
        }
        r.tabs()->setCurrentIndex(tab);
        QCOMPARE(r.current(), QString("Bai Zhu"));
        QVERIFY(r.memo()->toPlainText().contains("Raíz") || r.memo()->toPlainText().contains("raíz"));

        r.search("raíz");
        QCOMPARE(r.current(), QString("Bai Zhu"));
        r.search({}, true); // Esc
        r.search("raíz");
        r.click("VerTodo");
        r.key(Qt::Key_Down); // away and back
        r.key(Qt::Key_Up);
        r.click("Mas");
        r.click("Mas");
        r.click("Menos");
        if (editing) {
            r.click("Modificar");
            r.click("Modificar");
        }
        r.key(Qt::Key_Down); // a posting point
        r.key(Qt::Key_Up);
        QCOMPARE(r.current(), QString("Bai Zhu"));
        QCOMPARE(r.stored(table.toLatin1(), field.toLatin1(), 1), text);
        QCOMPARE(r.app->dm().TNotas.state(), Cursor::State::Browse);
        QCOMPARE(r.app->dm().TPlan.state(), Cursor::State::Browse);
    }

    void typedChangeOfAnOutsideRtfNoteIsStored()
    {
        NotaAjena n;
        Texto &r = *n.r;
        r.search("qi");
        QCOMPARE(r.current(), QString("Bai Zhu"));
        r.typeInMemo(" Nuevo.");
        r.tabs()->setCurrentIndex(0); // a posting point
        const QString stored = r.stored("Notas", "Memo", 1);
        QVERIFY(stored != QString(kRtfAjeno));
        QVERIFY(Rtf::textoPlano(stored).contains("la tos. Nuevo."));
    }

    void undoingEveryChangeGivesBackTheStoredBytes()
    {
        NotaAjena n;
        Texto &r = *n.r;
        r.typeInMemo("xy");
        QCOMPARE(r.app->dm().TNotas.state(), Cursor::State::Edit);
        QTest::keyClick(r.memo(), Qt::Key_Z, Qt::ControlModifier);
        QTest::keyClick(r.memo(), Qt::Key_Z, Qt::ControlModifier);
        r.key(Qt::Key_Down);
        QCOMPARE(r.stored("Notas", "Memo", 1), QString(kRtfAjeno));
    }

    // The marks of a search are on screen as soon as the search ends, on the
    // record it leaves current, whether it was current before or not.
    void marksAreLaidOutRightAfterASearch_data()
    {
        QTest::addColumn<bool>("editing");
        QTest::addColumn<QString>("before");
        QTest::newRow("reader, the record stays") << false << "Bai Zhu";
        QTest::newRow("reader, another record comes") << false << "Ren Shen";
        QTest::newRow("editing on, the record stays") << true << "Bai Zhu";
        QTest::newRow("editing on, another record comes") << true << "Ren Shen";
    }

    void marksAreLaidOutRightAfterASearch()
    {
        QFETCH(bool, editing);
        QFETCH(QString, before);
        DataDir d;
        const QString rtf = "{\\rtf1\\ansi La ra\\'edz seca y la Ra\\'edz.\\par}";
        storeText(d, "Plantas", "Descripcion", 1, rtf);
        Texto r(editing ? QStringList{"tezlap"} : QStringList{before});
        if (editing) {
            r.click("Modificar");
            r.app->dm().TPlan.locate({"PinYin"}, {before});
        }
        QCOMPARE(r.current(), before);
        QVERIFY(r.laidOutMarks().isEmpty());
        r.search("raiz");
        QCOMPARE(r.current(), QString("Bai Zhu"));
        QCOMPARE(r.laidOutMarks(), (QList<std::pair<int, QString>>{{3, "raíz"}, {18, "Raíz"}}));
        QCOMPARE(r.stored("Plantas", "Descripcion", 1), rtf);
        r.click("VerTodo");
        QVERIFY(r.laidOutMarks().isEmpty());
    }

    // A+ and A- scale the shown text, the sizes of its own runs too, and store nothing.
    void textSizeScalesTheShownTextOnly_data()
    {
        QTest::addColumn<QString>("text");
        QTest::addColumn<QStringList>("words");
        QTest::addColumn<QList<qreal>>("sizes"); // at text size 10
        // clang-format off
        QTest::newRow("RTF with two sizes")
            << "{\\rtf1\\ansi\\deff0{\\fonttbl{\\f0 Arial;}}\\f0\\fs20 Chica \\fs40 Grande\\par}"
            << QStringList{"Chica", "Grande"} << QList<qreal>{10, 20};
        QTest::newRow("plain text") << "Sin formato" << QStringList{"formato"} << QList<qreal>{10};
        // clang-format on
    }

    void textSizeScalesTheShownTextOnly()
    {
        QFETCH(QString, text);
        QFETCH(QStringList, words);
        QFETCH(QList<qreal>, sizes);
        DataDir d;
        storeText(d, "Plantas", "Descripcion", 1, text);
        Texto r({"Bai Zhu"});
        const auto laidOut = [&] {
            QList<qreal> s;
            for (const QString &w : words)
                s << r.laidOutSize(w);
            return s;
        };
        const auto lineHeight = [&] { return r.memo()->document()->begin().layout()->lineAt(0).height(); };
        QCOMPARE(laidOut(), sizes);
        const qreal before = lineHeight();
        for (int i = 0; i < 4; ++i)
            r.click("Mas");
        QList<qreal> larger;
        for (qreal s : sizes)
            larger << s * 1.4;
        QCOMPARE(laidOut(), larger);
        QVERIFY2(lineHeight() > before * 1.3, qPrintable(QString("%1 -> %2").arg(before).arg(lineHeight())));
        for (int i = 0; i < 4; ++i)
            r.click("Menos");
        QCOMPARE(laidOut(), sizes);
        r.key(Qt::Key_Down);
        QCOMPARE(r.stored("Plantas", "Descripcion", 1), text);
    }

    void changedTextIsStoredOnAChangeOfTab()
    {
        DataDir d;
        Texto r({"tezlap"});
        r.app->dm().TPlan.first();
        QTest::mouseClick(r.child<QToolButton>("Modificar"), Qt::LeftButton);
        r.typeInMemo(" y el bazo");
        QCOMPARE(r.app->dm().TPlan.state(), Cursor::State::Edit);
        r.tabs()->setCurrentIndex(1);
        QCOMPARE(r.app->dm().TPlan.state(), Cursor::State::Browse);
        const QString stored = r.stored("Plantas", "Descripcion", 1);
        QVERIFY(Rtf::esRtf(stored));
        QCOMPARE(Rtf::textoPlano(stored).trimmed(), QString("Tonifica el qi y el bazo"));
    }
};

QTEST_MAIN(TestTexto)
#include "tst_texto.moc"
