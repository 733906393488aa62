// The monograph text panel: tabs and fields by mode and language, who may
// type where, storing on a change of tab or record, and the search marks.
#include "browser/ResaltadorBusqueda.h"
#include "dbwidgets/DBRichEdit.h"
#include "formats/Rtf.h"
#include "support/AppFixture.h"

#include <QApplication>
#include <QLabel>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QTextBlock>
#include <QTextLayout>
#include <QTimer>
#include <QTabBar>
#include <QToolButton>

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
        QTest::newRow("Spanish reader") << false << false << es
                                        << QStringList{"Descripcion", "Floracion", "Administracion", "Memo"};
        QTest::newRow("Spanish editor") << false << true << (es + QStringList{"Aplicación"})
                                        << QStringList{"Descripcion", "Floracion", "Administracion", "Memo", "Aplicacion"};
        QTest::newRow("English reader") << true << false << en
                                        << QStringList{"DescripcionIng", "FloracionIng", "AdministracionIng", "Memo"};
        QTest::newRow("English editor") << true << true << en
                                        << QStringList{"DescripcionIng", "FloracionIng", "AdministracionIng", "Memo"};
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
        QList<std::pair<int, QString>> marks;
        QVERIFY(r.w->resaltador());
        for (QTextBlock b = r.memo()->document()->begin(); b.isValid(); b = b.next())
            for (const auto &[en, largo] : r.w->resaltador()->marcas(b))
                marks << std::pair{b.position() + en, text.mid(b.position() + en, largo)};
        const int aaa = int(text.indexOf("AAA"));
        QCOMPARE(marks, (QList<std::pair<int, QString>>{{3, "raíz"}, {int(text.indexOf("Raíz")), "Raíz"},
                                                         {aaa, "AA"}, {aaa + 1, "AA"}}));
        // Display only: the stored text has no trace of the marks.
        QVERIFY(!r.stored("Plantas", "Descripcion", 1).contains("\\b"));
        QVERIFY(!r.stored("Plantas", "Descripcion", 1).contains("\\ul"));
        QTest::mouseClick(r.child<QPushButton>("VerTodo"), Qt::LeftButton);
        QVERIFY(r.w->resaltador()->marcas(r.memo()->document()->begin()).isEmpty());
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
