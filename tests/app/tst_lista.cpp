// The name list of the main window: filter composition, typed search,
// synonyms, deleting, language, and the overlay's frames, through keys and clicks.
#include "browser/Calco.h"
#include "dbwidgets/DBGrid.h"
#include "support/AppFixture.h"

#include <QAbstractButton>
#include <QApplication>
#include <QComboBox>
#include <QLabel>
#include <QPushButton>
#include <QTimer>
#include <QToolButton>

using namespace yb;
using namespace yb::test;

namespace {

// Accepts the class picker once it shows, on the row with that name.
void aceptarClaseCuandoSalga(const QString &nombre)
{
    QTimer::singleShot(0, [nombre] {
        QWidget *picker = QApplication::activeModalWidget();
        QVERIFY(picker);
        auto *grid = picker->findChild<DBGrid *>("Gr");
        QVERIFY(grid);
        Cursor *c = grid->dataSource()->cursor();
        QVERIFY(c->locate({"NomEsp"}, {nombre}));
        QTest::mouseClick(picker->findChild<QPushButton *>("Aceptar"), Qt::LeftButton);
    });
}

void cancelarCuandoSalga()
{
    QTimer::singleShot(0, [] {
        QWidget *picker = QApplication::activeModalWidget();
        QVERIFY(picker);
        QTest::mouseClick(picker->findChild<QPushButton *>("Cancelar"), Qt::LeftButton);
    });
}

struct Lista : Run {
    using Run::Run;
    Cursor &plan() const { return app->dm().TPlan; }
    DBGrid *grNom() const { return child<DBGrid>("GrNom"); }
    QLabel *labBus() const { return child<QLabel>("LabBus"); }
    QLabel *labCant() const { return child<QLabel>("LabCant"); }
    void kind(int item)
    {
        QTest::mouseClick(w->findChild<QAbstractButton *>(QString("SelPlanForm_%1").arg(item)), Qt::LeftButton);
    }
    void type(const QString &keys)
    {
        grNom()->setFocus();
        for (QChar c : keys)
            QTest::keyClick(grNom(), c == u' ' ? Qt::Key_Space : Qt::Key(c.toUpper().unicode()));
    }
    QStringList framed() const
    {
        QStringList names;
        for (QWidget *p : w->PintarCalco())
            names << p->objectName();
        return names;
    }
};

} // namespace

class TestLista : public QObject {
    Q_OBJECT
private slots:
    void kindComposesTheFilter_data()
    {
        QTest::addColumn<int>("kind");
        QTest::addColumn<QString>("expression");
        QTest::addColumn<int>("count");
        QTest::newRow("herbs") << 0 << "EsFormula=False" << 3;
        QTest::newRow("formulas") << 1 << "EsFormula=True" << 1;
        QTest::newRow("all") << 2 << "" << 4;
    }

    void kindComposesTheFilter()
    {
        QFETCH(int, kind);
        QFETCH(QString, expression);
        QFETCH(int, count);
        DataDir d;
        Lista r;
        r.kind(kind == 2 ? 0 : 2); // start from another kind
        r.kind(kind);
        QCOMPARE(r.plan().filter(), expression);
        QCOMPARE(r.plan().recordCount(), count);
        QVERIFY(!r.labCant()->isVisible()); // the kind alone puts no filter in force
        QVERIFY(!r.w->filtroEnVigor());
        QVERIFY(!r.app->plantas().findChild<TFCalco *>()->isVisible());
    }

    void kindKeepsTheRecordWhenItStays()
    {
        DataDir d;
        Lista r({"Gan Cao"});
        r.kind(0);
        QCOMPARE(r.current(), QString("Gan Cao"));
        r.kind(1);
        QCOMPARE(r.current(), QString("Gui Zhi Tang"));
    }

    void classAndSubClassCriteria()
    {
        DataDir d;
        Lista r({"Bai Zhu"});
        r.kind(0);
        aceptarClaseCuandoSalga("Tónicos");
        QTest::mouseClick(r.child<QPushButton>("BotClase"), Qt::LeftButton);
        QCOMPARE(r.plan().filter(), QString("EsFormula=False and KClase=1"));
        QCOMPARE(r.plan().recordCount(), 2);
        QVERIFY(r.labCant()->isVisible());
        QCOMPARE(r.labCant()->text(), QString("Seleccionados: 2"));
        QCOMPARE(r.framed(), QStringList({"PanClase", "PanInd"}));
        QTRY_VERIFY(r.app->plantas().findChild<TFCalco *>()->isVisible()); // after a move settles

        r.plan().first(); // Bai Zhu, whose class has a sub-class
        aceptarClaseCuandoSalga("Tónicos del qi");
        QTest::mouseClick(r.child<QPushButton>("BotSubClase"), Qt::LeftButton);
        QCOMPARE(r.plan().filter(), QString("EsFormula=False and KSubClase=2"));
        QCOMPARE(r.plan().recordCount(), 1);
        QCOMPARE(r.framed(), QStringList({"PanClase", "PanSubClase", "PanInd"}));

        cancelarCuandoSalga(); // cancelling the class picker removes both criteria
        QTest::mouseClick(r.child<QPushButton>("BotClase"), Qt::LeftButton);
        QCOMPARE(r.plan().filter(), QString("EsFormula=False"));
        QVERIFY(!r.labCant()->isVisible());
        QVERIFY(!r.app->plantas().findChild<TFCalco *>()->isVisible());
    }

    void subClassWithoutClassAsksForOne()
    {
        DataDir d;
        Lista r;
        Mensajes::Script script({Respuesta::Ok});
        QTest::mouseClick(r.child<QPushButton>("BotSubClase"), Qt::LeftButton);
        QCOMPARE(script.texts(), QStringList({"Deberá seleccionar una Clase"}));
    }

    void verTodoKeepsTheKind()
    {
        DataDir d;
        Lista r({"Bai Zhu"});
        r.kind(1);
        aceptarClaseCuandoSalga("Tónicos");
        QTest::mouseClick(r.child<QPushButton>("BotClase"), Qt::LeftButton);
        QCOMPARE(r.plan().recordCount(), 0);
        QVERIFY(r.child<QPushButton>("VerTodo")->isVisible());
        QTest::mouseClick(r.child<QPushButton>("VerTodo"), Qt::LeftButton);
        QCOMPARE(r.plan().filter(), QString("EsFormula=True"));
        QCOMPARE(r.plan().recordCount(), 1);
        QVERIFY(!r.labCant()->isVisible());
        QCOMPARE(r.framed(), QStringList({"PanInd"}));
        QVERIFY(!r.app->plantas().findChild<TFCalco *>()->isVisible());
    }

    void typedSearch()
    {
        DataDir d;
        Lista r;
        r.type("gu");
        QCOMPARE(r.labBus()->text(), QString("GU"));
        QVERIFY(r.labBus()->isVisible());
        QCOMPARE(r.current(), QString("Gui Zhi Tang"));
        QTest::keyClick(r.grNom(), Qt::Key_Backspace);
        QCOMPARE(r.labBus()->text(), QString("G"));
        QCOMPARE(r.current(), QString("Gan Cao"));
        QTest::keyClick(r.grNom(), Qt::Key_Backspace);
        QTest::keyClick(r.grNom(), Qt::Key_Backspace); // on an empty text: the first record
        QCOMPARE(r.labBus()->text(), QString());
        QCOMPARE(r.current(), QString("Bai Zhu"));
        r.type("ren s");
        QCOMPARE(r.labBus()->text(), QString("REN S"));
        QCOMPARE(r.current(), QString("Ren Shen"));
    }

    void keysOfAnotherWindowAreNotTheLists()
    {
        DataDir d;
        Lista r;
        bool abierta = false;
        QTimer::singleShot(0, [&] {
            QWidget *busqueda = QApplication::activeModalWidget();
            QVERIFY(busqueda);
            abierta = true;
            QWidget *memo = busqueda->findChild<QWidget *>("Memo");
            QTest::keyClick(memo, Qt::Key_G); // typed in the search window's own text
            QCOMPARE(r.labBus()->text(), QString());
            QTest::keyClick(memo, Qt::Key_Escape); // leaves the search window only
        });
        QTest::mouseClick(r.child<QPushButton>("Buscar"), Qt::LeftButton);
        QVERIFY(abierta);
        QVERIFY(r.w->isVisible());
        QCOMPARE(r.labBus()->text(), QString());
        QCOMPARE(r.current(), QString("Bai Zhu"));
        r.type("g"); // the list's own keys still reach its typed search
        QCOMPARE(r.labBus()->text(), QString("G"));
        QCOMPARE(r.current(), QString("Gan Cao"));
    }

    void otherKeysClearTheTypedText_data()
    {
        QTest::addColumn<int>("key");
        QTest::newRow("digit") << int(Qt::Key_5);
        QTest::newRow("arrow") << int(Qt::Key_Up);
        QTest::newRow("page down") << int(Qt::Key_PageDown);
    }

    void otherKeysClearTheTypedText()
    {
        QFETCH(int, key);
        DataDir d;
        Lista r;
        r.type("gan");
        QCOMPARE(r.current(), QString("Gan Cao"));
        QTest::keyClick(r.grNom(), Qt::Key(key));
        QCOMPARE(r.labBus()->text(), QString());
        QVERIFY(!r.labBus()->isVisible());
        if (key == Qt::Key_Up) // and the key still acts in the list
            QCOMPARE(r.current(), QString("Bai Zhu"));
    }

    void tabMovesTheFocusNotTheRecord_data()
    {
        QTest::addColumn<int>("modifiers");
        QTest::newRow("Tab") << int(Qt::NoModifier);
        QTest::newRow("Shift+Tab") << int(Qt::ShiftModifier);
    }

    void tabMovesTheFocusNotTheRecord()
    {
        QFETCH(int, modifiers);
        DataDir d;
        Lista r;
        r.type("gan");
        QVERIFY(r.grNom()->hasFocus());
        QTest::keyClick(r.grNom(), Qt::Key_Tab, Qt::KeyboardModifiers(modifiers));
        QVERIFY(!r.grNom()->hasFocus());
        QVERIFY(QApplication::focusWidget() && QApplication::focusWidget()->window() == r.w);
        QCOMPARE(r.current(), QString("Gan Cao"));
        QCOMPARE(r.labBus()->text(), QString());
        // And back the other way, to the list, still on the same record.
        QTest::keyClick(QApplication::focusWidget(), Qt::Key_Tab, Qt::KeyboardModifiers(modifiers ^ Qt::ShiftModifier));
        QVERIFY(r.grNom()->hasFocus());
        QCOMPARE(r.current(), QString("Gan Cao"));
    }

    // Keys are told by their key code, as the original platform reported them: a
    // letter reached through a dead key (an accented vowel) is its base letter; keys
    // of their own (digits, punctuation, ñ, ç) only clear the typed text and do not
    // move the list by the text they carry.
    void keysBesidesTheLetters_data()
    {
        QTest::addColumn<int>("key");
        QTest::addColumn<QString>("text");
        QTest::addColumn<QString>("typed");
        QTest::addColumn<QString>("current");
        // clang-format off
        QTest::newRow("í is I") << int(Qt::Key_Iacute) << "í" << "GI" << "Gui Zhi Tang";
        QTest::newRow("ü is U") << int(Qt::Key_Udiaeresis) << "ü" << "GU" << "Gui Zhi Tang";
        QTest::newRow("Á is A") << int(Qt::Key_Aacute) << "Á" << "GA" << "Gan Cao";
        QTest::newRow("digit") << int(Qt::Key_5) << "5" << "" << "Gan Cao";
        QTest::newRow("punctuation") << int(Qt::Key_ParenLeft) << "(" << "" << "Gan Cao";
        QTest::newRow("ñ") << int(Qt::Key_Ntilde) << "ñ" << "" << "Gan Cao";
        QTest::newRow("ç") << int(Qt::Key_Ccedilla) << "ç" << "" << "Gan Cao";
        QTest::newRow("Home") << int(Qt::Key_Home) << "" << "" << "<first>";
        QTest::newRow("End") << int(Qt::Key_End) << "" << "" << "<last>";
        // clang-format on
    }

    void keysBesidesTheLetters()
    {
        QFETCH(int, key);
        QFETCH(QString, text);
        QFETCH(QString, typed);
        QFETCH(QString, current);
        DataDir d;
        {
            // Names the grid's own search by shown text would jump to.
            auto db = Database::open(d.dir.path());
            Cursor plantas(*db, QStringLiteral("Plantas"));
            plantas.open();
            for (const char *nombre : {"5 Wei Zi", "(Ba) Zhi", "ñu Zhen", "ç Cao"}) {
                plantas.append();
                plantas.setValue(u"PinYin", QString::fromUtf8(nombre));
                plantas.setValue(u"EsFormula", false);
                QVERIFY(plantas.post());
            }
        }
        Lista r;
        r.type("g");
        QCOMPARE(r.current(), QString("Gan Cao"));
        QTest::sendKeyEvent(QTest::Click, r.grNom(), Qt::Key(key), text, Qt::NoModifier);
        QCOMPARE(r.labBus()->text(), typed);
        QCOMPARE(r.labBus()->isVisible(), !typed.isEmpty());
        if (current == "<first>")
            QCOMPARE(r.plan().recNo(), 1);
        else if (current == "<last>")
            QCOMPARE(r.plan().recNo(), r.plan().recordCount());
        else
            QCOMPARE(r.current(), current);
        QCOMPARE(r.grNom()->currentIndex().row() + 1, r.plan().recNo()); // the list shows the record
    }

    void synonymJump()
    {
        DataDir d;
        Lista r;
        r.type("regaliz");
        auto *boton = r.child<QPushButton>("BotBusSinon");
        QVERIFY(boton->isVisible());
        Mensajes::Script script({Respuesta::Ok});
        QTest::keyClick(r.grNom(), Qt::Key_Return);
        QCOMPARE(script.texts(), QStringList({"REGALIZ = GAN CAO"}));
        QCOMPARE(r.current(), QString("Gan Cao"));
        QVERIFY(!boton->isVisible());
        QVERIFY(!r.labBus()->isVisible());
    }

    void leavingTheListKeepsTheTextOnlyForTheSynonymButton()
    {
        DataDir d;
        Lista r;
        r.type("gan");
        r.child<QWidget>("CBIdioma")->setFocus();
        QTRY_VERIFY(!r.labBus()->isVisible());
        r.type("regaliz");
        r.child<QWidget>("CBIdioma")->setFocus();
        QTest::qWait(0);
        QCOMPARE(r.labBus()->text(), QString("REGALIZ"));
    }

    void controlDeleteOnlyWhileEditing()
    {
        DataDir d;
        Lista r({"tezlap"});
        r.plan().first();
        const int before = r.plan().recordCount();
        QTest::keyClick(r.grNom(), Qt::Key_Delete, Qt::ControlModifier); // editing off: nothing
        QCOMPARE(r.plan().recordCount(), before);
        QTest::mouseClick(r.child<QToolButton>("Modificar"), Qt::LeftButton);
        {
            Mensajes::Script script({Respuesta::Cancel});
            QTest::keyClick(r.grNom(), Qt::Key_Delete, Qt::ControlModifier);
            QCOMPARE(script.texts(), QStringList({"Delete record?"}));
        }
        QCOMPARE(r.plan().recordCount(), before);
        {
            Mensajes::Script script({Respuesta::Ok});
            QTest::keyClick(r.grNom(), Qt::Key_Delete, Qt::ControlModifier);
        }
        QCOMPARE(r.plan().recordCount(), before - 1);
        QCOMPARE(r.current(), QString("Gan Cao"));
    }

    void insertAddsARecordOnlyWhileEditing()
    {
        DataDir d;
        Lista r({"tezlap"});
        QTest::keyClick(r.grNom(), Qt::Key_Insert);
        QCOMPARE(r.plan().state(), Cursor::State::Browse);
        QTest::mouseClick(r.child<QToolButton>("Modificar"), Qt::LeftButton);
        {
            Mensajes::Script script({Respuesta::Ok}); // kind "Todo": refused
            QTest::keyClick(r.grNom(), Qt::Key_Insert);
            QCOMPARE(script.texts().size(), 1);
        }
        QCOMPARE(r.plan().state(), Cursor::State::Browse);
        r.kind(0);
        QTest::keyClick(r.grNom(), Qt::Key_Insert);
        QCOMPARE(r.plan().state(), Cursor::State::Insert);
        QVERIFY(!r.plan().asBool(u"EsFormula"));
        r.plan().cancel();
    }

    void languageSwitchKeepsTheRecord()
    {
        DataDir d;
        Lista r({"Ren Shen"});
        auto *combo = r.child<QComboBox>("CBIdioma");
        QVERIFY(!r.plan().hasIndex("PorNom0"));
        combo->setCurrentIndex(1);
        emit combo->activated(1);
        QVERIFY(r.plan().hasIndex("PorNom0"));
        QCOMPARE(r.plan().indexName(), QString("PorNom0"));
        QCOMPARE(r.current(), QString("Ren Shen"));
        QCOMPARE(r.child<QLabel>("LabNom")->text(), QString("Farmacéutico"));
        QCOMPARE(r.grNom()->cursorModel()->columns().first().field, QString("Nom0"));
        r.type("RADIX G"); // typed search follows the new order
        QCOMPARE(r.plan().asString(u"Nom0"), QString("Radix Ginseng"));
    }

    void readOnlyNameBoxesGiveTheFocusBack()
    {
        DataDir d;
        Lista r;
        r.grNom()->setFocus();
        auto *ed0 = r.child<QWidget>("Ed0");
        QTest::mouseMove(ed0);
        QCOMPARE(ed0->toolTip(), QString("Rhizoma Atractylodis"));
        ed0->setFocus();
        QTRY_VERIFY(r.grNom()->hasFocus());
    }
};

QTEST_MAIN(TestLista)
#include "tst_lista.moc"
