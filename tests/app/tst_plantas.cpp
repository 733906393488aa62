// The main window through a real start: configuration, modes, language,
// colours, text size and closing, driven offscreen by keys and clicks.
#include "app/Aplicacion.h"
#include "browser/Colores.h"
#include "browser/Plantas.h"
#include "dbwidgets/DBControls.h"
#include "dbwidgets/DBGrid.h"
#include "dialogs/CajaError.h"
#include "dialogs/MensajesScript.h"
#include "support/AppFixture.h"

#include <QComboBox>
#include <QFile>
#include <QLineEdit>
#include <QGuiApplication>
#include <QPushButton>
#include <QScreen>
#include <QTabBar>
#include <QTabWidget>
#include <QTest>
#include <QToolButton>

using namespace yb;

using namespace yb::test;

class TestPlantas : public QObject {
    Q_OBJECT
private slots:
    void withoutConfigTheWindowIsCentredAndClosingWritesFifteenLines()
    {
        DataDir d;
        Run r;
        QCOMPARE(r.w->size(), QSize(1024, 700));
        QVERIFY(centred(r.w));
        r.close(Respuesta::Yes);
        QVERIFY(!r.w->isVisible());
        const QList<QByteArray> lines = d.configLines();
        QCOMPARE(lines.size(), 15);
        for (const QByteArray &l : lines) {
            QVERIFY(l.endsWith('\r'));
            bool ok = false;
            l.trimmed().toInt(&ok);
            QVERIFY(ok);
        }
        QCOMPARE(lines[2].trimmed(), QByteArray("1024"));
        QCOMPARE(lines[13].trimmed(), QByteArray("1")); // scheme 0 was shown as 1
        QCOMPARE(lines[14].trimmed(), QByteArray("10"));
    }

    void storedPlaceIsIgnoredButSizeKept()
    {
        DataDir d;
        d.writeConfig(config(2, 12, 900, 650, 0, 0));
        Run r;
        QCOMPARE(r.w->size(), QSize(900, 650));
        QVERIFY(centred(r.w));
    }

    void maximisedWindowStoresItsNormalSize()
    {
        DataDir d;
        d.writeConfig(config(1, 10, 700, 500));
        Run r;
        r.w->showMaximized();
        QTRY_VERIFY(r.w->isMaximized());
        r.close(Respuesta::Yes);
        const QList<QByteArray> lines = d.configLines();
        QCOMPARE(lines[2].trimmed(), QByteArray("700"));
        QCOMPARE(lines[3].trimmed(), QByteArray("500"));
    }

    void colourSchemesCycle_data()
    {
        QTest::addColumn<int>("stored");
        QTest::addColumn<int>("shown");
        QTest::addColumn<int>("afterColor");
        QTest::newRow("5 then 1") << 5 << 5 << 1;
        QTest::newRow("0 shows 1, then 2") << 0 << 1 << 2;
        QTest::newRow("3 then 4") << 3 << 3 << 4;
    }

    void colourSchemesCycle()
    {
        QFETCH(int, stored);
        QFETCH(int, shown);
        QFETCH(int, afterColor);
        DataDir d;
        d.writeConfig(config(stored, 10));
        Run r;
        QCOMPARE(panelColour(r.child<QWidget>("PanIzq")), ColorBase(shown));
        QCOMPARE(panelColour(r.child<QWidget>("PanClase")), esquemaColores(shown).cabecera);
        QTest::mouseClick(r.child<QPushButton>("Color"), Qt::LeftButton);
        QCOMPARE(panelColour(r.child<QWidget>("PanIzq")), ColorBase(afterColor));
        QCOMPARE(r.child<DBGrid>("GrNom")->palette().color(QPalette::Base), esquemaColores(afterColor).claro);
        r.close(Respuesta::Yes);
        QCOMPARE(d.configLines()[13].trimmed(), QByteArray::number(afterColor));
    }

    void textSize()
    {
        DataDir d;
        d.writeConfig(config(1, 8));
        Run r;
        auto *grNom = r.child<DBGrid>("GrNom");
        auto *memo = r.child<QWidget>("Memo");
        QCOMPARE(memo->font().pointSize(), 10); // 8 is raised to 10
        QTest::mouseClick(r.child<QToolButton>("Menos"), Qt::LeftButton);
        QCOMPARE(memo->font().pointSize(), 10);
        QTest::mouseClick(r.child<QToolButton>("Mas"), Qt::LeftButton);
        QCOMPARE(memo->font().pointSize(), 11);
        QCOMPARE(grNom->font().pointSize(), 11);
        QCOMPARE(r.child<DBGrid>("GrAcc")->font().pointSize(), 11);
        QTest::mouseClick(r.child<QToolButton>("Menos"), Qt::LeftButton);
        QCOMPARE(grNom->font().pointSize(), 10);
    }

    void editorWordStartsEditorMode()
    {
        DataDir d;
        Run r({"tezlap"});
        QVERIFY(r.app->ajustes().editor);
        auto *modificar = r.child<QToolButton>("Modificar");
        QVERIFY(modificar->isVisible());
        QCOMPARE(modificar->text(), QString("Modificar"));
        QCOMPARE(r.child<QTabBar>("TabMemo")->count(), 5);
        QVERIFY(r.child<QWidget>("PanHabitat")->isVisible());
        QVERIFY(!r.child<QWidget>("PanBotSint")->isVisible());
        QTest::mouseClick(modificar, Qt::LeftButton);
        QCOMPARE(modificar->text(), QString("Editando"));
        QVERIFY(r.child<QWidget>("PanBotSint")->isVisible());
        QVERIFY(r.child<QWidget>("PanBotIm")->isVisible());
        QVERIFY(r.child<QWidget>("PanTox")->isVisible());
        QTest::mouseClick(modificar, Qt::LeftButton);
        QCOMPARE(modificar->text(), QString("Modificar"));
        QVERIFY(!r.child<QWidget>("PanBotSint")->isVisible());
    }

    void readerMode_data()
    {
        QTest::addColumn<QStringList>("args");
        QTest::addColumn<QString>("current");
        QTest::newRow("no argument") << QStringList() << "Bai Zhu";
        QTest::newRow("editor word in capitals") << QStringList{"TEZLAP"} << "Ren Shen"; // nearest to it
        QTest::newRow("a herb's name") << QStringList{"Gan Cao"} << "Gan Cao";
        QTest::newRow("a prefix in lower case") << QStringList{"gu"} << "Gui Zhi Tang";
    }

    void readerMode()
    {
        QFETCH(QStringList, args);
        QFETCH(QString, current);
        DataDir d;
        Run r(args);
        QVERIFY(!r.app->ajustes().editor);
        QVERIFY(!r.child<QToolButton>("Modificar")->isVisible());
        QCOMPARE(r.child<QTabBar>("TabMemo")->count(), 4);
        QVERIFY(!r.child<QWidget>("PanHabitat")->isVisible());
        QCOMPARE(r.current(), current);
        QVERIFY(r.child<DBGrid>("GrNom")->currentIndex().isValid());
    }

    void readerModeHidesEmptyAndOneLetterNames()
    {
        DataDir d;
        Run r({"Ren Shen"});
        QCOMPARE(r.current(), QString("Ren Shen"));
        QVERIFY(r.child<QWidget>("Panel11")->isVisibleTo(r.w));  // Nom0, a long name
        QVERIFY(!r.child<QWidget>("Panel19")->isVisibleTo(r.w)); // Nom5 (Italian) empty
        QVERIFY(!r.child<QWidget>("Panel20")->isVisibleTo(r.w)); // Nom6, one letter
        QVERIFY(r.child<QWidget>("Panel21")->isVisibleTo(r.w));  // Nom7, two letters
        QVERIFY(r.child<QWidget>("Panel3")->isVisibleTo(r.w));   // PinYin always
    }

    void movingInTheListCreatesEachNotesRowOnce()
    {
        DataDir d;
        Run r;
        const auto notes = [&] {
            Statement s(r.app->database(), "SELECT count(*), count(DISTINCT KPlanta) FROM Notas");
            s.step();
            return QPair<int, int>(int(s.int64(0)), int(s.int64(1)));
        };
        QCOMPARE(notes(), qMakePair(1, 1)); // the first record, shown at start
        auto *grNom = r.child<DBGrid>("GrNom");
        grNom->setFocus();
        QTest::keyClick(grNom, Qt::Key_Down);
        QCOMPARE(r.current(), QString("Gan Cao"));
        QCOMPARE(notes(), qMakePair(2, 2));
        QTest::keyClick(grNom, Qt::Key_Up);
        QTest::keyClick(grNom, Qt::Key_Down);
        QCOMPARE(notes(), qMakePair(2, 2));
        QCOMPARE(r.app->dm().TNotas.asInt(u"KPlanta"), r.app->dm().claveActual());
    }

    void newRecordTakesItsKindAndOrder()
    {
        DataDir d;
        Run r({"tezlap"});
        QTest::mouseClick(r.child<QToolButton>("Modificar"), Qt::LeftButton);
        Cursor &plan = r.app->dm().TPlan;
        const int before = plan.recordCount();
        {
            Mensajes::Script script({Respuesta::Ok});
            plan.append(); // kind "Todo"
            QCOMPARE(script.texts(), QStringList({"Deberá seleccionar \"Plantas\" o \"Fórmulas\""}));
        }
        QCOMPARE(plan.state(), Cursor::State::Browse);
        QCOMPARE(plan.recordCount(), before);
        QTest::mouseClick(r.w->findChild<QAbstractButton *>("SelPlanForm_1"), Qt::LeftButton);
        plan.append();
        plan.setValue(u"PinYin", "Si Jun Zi Tang");
        QVERIFY(plan.post());
        QVERIFY(plan.asBool(u"EsFormula"));
        QCOMPARE(plan.asInt(u"Orden"), plan.asInt(u"Clave"));
        QCOMPARE(r.child<QLineEdit>("EdPinYin")->text(), QString("Si Jun Zi Tang"));
    }

    void englishInterface()
    {
        DataDir d;
        QDir(d.dir.path()).mkdir("english"); // any case
        Run r({"tezlap"});
        QVERIFY(r.app->ajustes().ingles);
        QCOMPARE(r.child<QPushButton>("Salir")->text(), QString("Exit"));
        QCOMPARE(r.child<QLabel>("Label30")->text(), QString("     Languages"));
        QCOMPARE(r.child<QLabel>("Label48")->text(), QString("Lu"));
        QCOMPARE(r.child<QLabel>("Label48")->toolTip(), QString("Lung"));
        QCOMPARE(r.child<QWidget>("ProgressBar25")->toolTip(), QString("Triple Burner"));
        QCOMPARE(r.child<QLabel>("Label19")->text(), QString("Gallego")); // kept in Spanish
        auto *tabs = r.child<QTabBar>("TabMemo");
        QCOMPARE(tabs->count(), 4); // editor mode too
        QStringList names;
        for (int i = 0; i < tabs->count(); ++i)
            names << tabs->tabText(i);
        QCOMPARE(names, QStringList({"Description", "Warnings", "Drugstore", "Notes"}));
        QCOMPARE(r.child<QComboBox>("CBIdioma")->itemText(1), QString("Pharmaceutical"));
        QVERIFY(r.child<QTabWidget>("Ficha")->tabText(0).startsWith("Actions: "));
        r.app->dm().TPlan.first(); // Bai Zhu; the editor word started the list near "tezlap"
        QCOMPARE(r.app->dm().TPlan.asString(u"Clase"), QString("Tonics"));
        QCOMPARE(r.child<DBText>("DBText1")->text(), QString("Tonics"));
        r.close(Respuesta::No);
        Mensajes::Script script({Respuesta::No});
        r.w->close();
        QCOMPARE(script.texts(), QStringList({"Do you want to exit Yerbalia ?"}));
        Mensajes::setEnglish(false);
    }

    void escapeAsksBeforeClosing()
    {
        DataDir d;
        Run r;
        {
            Mensajes::Script script({Respuesta::No});
            QTest::keyClick(r.child<DBGrid>("GrNom"), Qt::Key_Escape);
            QCOMPARE(script.texts(), QStringList({"Desea salir de la aplicación Yerbalia ?"}));
        }
        QVERIFY(r.w->isVisible());
        QVERIFY(!QFile::exists(d.dir.filePath("Config.Dat")));
        {
            Mensajes::Script script({Respuesta::Yes});
            QTest::keyClick(r.child<DBGrid>("GrNom"), Qt::Key_Escape);
        }
        QVERIFY(!r.w->isVisible());
        QVERIFY(QFile::exists(d.dir.filePath("Config.Dat")));
        QVERIFY(!r.app->dm().TPlan.isOpen());
    }

    void badConfigFallsBackAndIsRewrittenClean_data()
    {
        QTest::addColumn<QByteArray>("content");
        QTest::newRow("short") << QByteArray("800\r\n");
        QTest::newRow("not numbers") << QByteArray("a\r\nb\r\nc\r\n\r\n");
        QTest::newRow("out of range") << QByteArray("0\r\n0\r\n-5\r\n999999999\r\n1\r\n1\r\n1\r\n1\r\n1\r\n1\r\n1\r\n1\r\n1\r\n900\r\n900\r\n");
    }

    void badConfigFallsBackAndIsRewrittenClean()
    {
        QFETCH(QByteArray, content);
        DataDir d;
        QFile f(d.dir.filePath("Config.Dat"));
        QVERIFY(f.open(QIODevice::WriteOnly));
        f.write(content);
        f.close();
        Run r;
        QVERIFY(r.w->width() > 100);
        QVERIFY(r.w->height() > 100);
        r.close(Respuesta::Yes);
        const QList<QByteArray> lines = d.configLines();
        QCOMPARE(lines.size(), 15);
        ConfigDat back;
        QVERIFY(back.read(d.dir.filePath("Config.Dat")));
        QVERIFY(back[ConfigDat::ColorScheme] >= 1 && back[ConfigDat::ColorScheme] <= 5);
        QVERIFY(back[ConfigDat::TextSize] >= 10);
    }

    void noDatabaseIsAClearError()
    {
        QTemporaryDir empty;
        const QString previous = QDir::currentPath();
        QDir::setCurrent(empty.path());
        try {
            Aplicacion app({});
            QDir::setCurrent(previous);
            QFAIL("started without a database");
        } catch (const DbError &e) {
            QDir::setCurrent(previous);
            QCOMPARE(e.code(), DbError::Code::NoDatabase);
            QVERIFY(e.message().contains("yerbalia-db init"));
        }
    }

    void damagedDatabaseShowsTheErrorAndTheWindow()
    {
        QTemporaryDir dir;
        const QByteArray garbage("this is not a database\n");
        {
            QFile f(Database::filePathIn(dir.path()));
            QVERIFY(f.open(QIODevice::WriteOnly));
            f.write(garbage);
        }
        const QString previous = QDir::currentPath();
        QDir::setCurrent(dir.path());
        QStringList errors;
        CajaError::setManejador([&](const QString &m) { errors << m; });
        {
            Run r;
            QCOMPARE(errors.size(), 1);
            QVERIFY(errors.first().contains("not a Yerbalia database"));
            QVERIFY(r.w->isVisible());
        }
        CajaError::setManejador({});
        QDir::setCurrent(previous);
        QFile f(Database::filePathIn(dir.path()));
        QVERIFY(f.open(QIODevice::ReadOnly));
        QCOMPARE(f.readAll(), garbage);
    }
};

QTEST_MAIN(TestPlantas)
#include "tst_plantas.moc"
