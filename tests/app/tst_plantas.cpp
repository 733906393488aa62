// The main window through a real start: configuration, modes, language,
// colours, text size and closing, driven offscreen by keys and clicks.
#include "app/Aplicacion.h"
#include "app/Ventanas.h"
#include "browser/Colores.h"
#include "browser/Plantas.h"
#include "dbwidgets/DBControls.h"
#include "dbwidgets/DBGrid.h"
#include "dialogs/CajaError.h"
#include "dialogs/MensajesScript.h"
#include "dialogs/Sesion.h"
#include "repertory/Usos.h"
#include "support/AppFixture.h"
#include "support/Fallos.h"
#include "support/Faults.h"
#include "support/Modal.h"

#include <QComboBox>
#include <QFile>
#include <QGuiApplication>
#include <QLineEdit>
#include <QPushButton>
#include <QScreen>
#include <QTabBar>
#include <QTabWidget>
#include <QTest>
#include <QToolButton>

#include <sqlite3.h>

using namespace yb;

using namespace yb::test;

namespace {

// Faults of the data directory found at start-up.
enum class Falla { Danada, Ajena, Vacia, Basura, ArchivoSoloLectura, DirectorioSoloLectura, Bloqueada };

QByteArray leer(const QString &ruta)
{
    QFile f(ruta);
    return f.open(QIODevice::ReadOnly) ? f.readAll() : QByteArray("(missing)");
}

void escribir(const QString &ruta, const QByteArray &bytes, qint64 desde = -1)
{
    QFile f(ruta);
    QVERIFY(f.open(desde < 0 ? QIODevice::WriteOnly | QIODevice::Truncate : QIODevice::ReadWrite));
    if (desde >= 0)
        QVERIFY(f.seek(desde));
    QCOMPARE(f.write(bytes), bytes.size());
}

// A raw SQLite connection of another program on the data directory's database.
struct OtraConexion {
    sqlite3 *db = nullptr;
    explicit OtraConexion(const QString &ruta) { sqlite3_open(QFile::encodeName(ruta).constData(), &db); }
    ~OtraConexion() { sqlite3_close(db); }
    bool exec(const char *sql) { return sqlite3_exec(db, sql, nullptr, nullptr, nullptr) == SQLITE_OK; }
};

// The data directory of `d` with one fault; the mounts and the lock last as long as it does.
struct DatosConFalla {
    std::unique_ptr<test::SoloLectura> soloLectura;
    std::unique_ptr<OtraConexion> otra;
    bool lista = false; // false: the fault cannot be made here

    DatosConFalla(DataDir &d, Falla falla)
    {
        const QString base = Database::filePathIn(d.dir.path());
        switch (falla) {
        case Falla::Danada: // the schema page overwritten past the file header
            escribir(base, QByteArray(4000, '\xA5'), 100);
            break;
        case Falla::Ajena: {
            QFile::remove(base);
            OtraConexion ajena(base);
            QVERIFY(ajena.exec("CREATE TABLE Facturas (Numero INTEGER, Importe REAL)"));
            break;
        }
        case Falla::Vacia: escribir(base, {}); break;
        case Falla::Basura: escribir(base, "this is not a database\n"); break;
        case Falla::ArchivoSoloLectura:
            soloLectura = std::make_unique<test::SoloLectura>(base);
            if (!soloLectura->montado)
                return;
            break;
        case Falla::DirectorioSoloLectura:
            soloLectura = std::make_unique<test::SoloLectura>(d.dir.path());
            if (!soloLectura->montado)
                return;
            break;
        case Falla::Bloqueada: // in a rollback journal an exclusive lock keeps even readers out
            otra = std::make_unique<OtraConexion>(base);
            QVERIFY(otra->exec("PRAGMA journal_mode = DELETE"));
            QVERIFY(otra->exec("BEGIN EXCLUSIVE"));
            break;
        }
        lista = true;
    }
};

QString nativa(const QString &ruta) { return QDir::toNativeSeparators(ruta); }

// A closed cursor or an empty list must not stop the checks below from reading the window.
void verificarVentana(const Run &r, bool editor, bool ingles, int esquema, int letra)
{
    QCOMPARE(r.child<QToolButton>("Modificar")->isVisible(), editor);
    QCOMPARE(r.child<QToolButton>("Modificar")->text(), QString("Modificar"));
    QCOMPARE(r.child<QWidget>("PanHabitat")->isVisible(), editor);
    QVERIFY(!r.child<QWidget>("PanBotSint")->isVisible());
    QVERIFY(!r.child<QWidget>("PanBotIm")->isVisible());
    QVERIFY(!r.child<QWidget>("PanTox")->isVisible());
    auto *tabs = r.child<QTabBar>("TabMemo");
    QCOMPARE(tabs->count(), editor && !ingles ? 5 : 4);
    QCOMPARE(tabs->tabText(0), ingles ? QString("Description") : QString("Descripción"));
    QCOMPARE(r.child<QPushButton>("Salir")->text(), ingles ? QString("Exit") : QString("Salir"));
    QCOMPARE(panelColour(r.child<QWidget>("PanIzq")), ColorBase(esquema));
    QCOMPARE(panelColour(r.child<QWidget>("PanClase")), esquemaColores(esquema).cabecera);
    QCOMPARE(r.child<QWidget>("Memo")->font().pointSize(), letra);
    QCOMPARE(r.child<DBGrid>("GrNom")->font().pointSize(), letra);
}

} // namespace

Q_DECLARE_METATYPE(Falla)

class TestPlantas : public QObject {
    Q_OBJECT
private slots:
    // An error of the engine inside a handler ends that handler and shows in the error box,
    // in the user's words; the window goes on, and the same click works once the fault is gone.
    void anEngineErrorInAHandlerShowsInTheErrorBox()
    {
        DataDir d;
        QStringList errores;
        CajaError::setManejador([&](const QString &m) { errores << m; });
        {
            Run r;
            test::OtherProgram otro(d.dir.filePath(QLatin1String(Database::kFileName)));
            Collation::registerOn(otro.handle());
            QVERIFY(otro.exec("ALTER TABLE Plantas RENAME TO Escondida"));
            QTest::mouseClick(r.child<QPushButton>("VerTodo"), Qt::LeftButton);
            QCOMPARE(errores.size(), 1);
            QVERIFY2(errores.first().contains(QLatin1String("Plantas")), qPrintable(errores.first()));
            QVERIFY(r.w->isVisible());

            QVERIFY(otro.exec("ALTER TABLE Escondida RENAME TO Plantas"));
            QTest::mouseClick(r.child<QPushButton>("VerTodo"), Qt::LeftButton);
            QCOMPARE(errores.size(), 1);
            QCOMPARE(r.app->dm().TPlan.recordCount(), 4);
            r.close(Respuesta::Yes);
        }
        CajaError::setManejador({});
    }

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
        QVERIFY(r.app->sesion().editor());
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
        QVERIFY(!r.app->sesion().editor());
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
        QVERIFY(r.app->sesion().ingles());
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
        // clang-format off
        QTest::newRow("short") << QByteArray("800\r\n");
        QTest::newRow("not numbers") << QByteArray("a\r\nb\r\nc\r\n\r\n");
        QTest::newRow("out of range") << QByteArray("0\r\n0\r\n-5\r\n999999999\r\n1\r\n1\r\n1\r\n1\r\n1\r\n1\r\n1\r\n1\r\n1\r\n900\r\n900\r\n");
        // clang-format on
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

    void noDatabaseIsAClearError_data()
    {
        QTest::addColumn<bool>("ingles");
        QTest::addColumn<QString>("texto");
        // clang-format off
        QTest::newRow("Spanish") << false
                                 << "No hay ninguna base de datos en %1. Cree una con \"yerbalia-db init "
                                    "--sample %1\".";
        QTest::newRow("English") << true
                                 << "There is no database in %1. Create one with \"yerbalia-db init "
                                    "--sample %1\".";
        // clang-format on
    }

    void noDatabaseIsAClearError()
    {
        QFETCH(bool, ingles);
        QFETCH(QString, texto);
        QTemporaryDir empty;
        if (ingles)
            QDir(empty.path()).mkdir("English");
        const QString previous = QDir::currentPath();
        QDir::setCurrent(empty.path());
        try {
            Aplicacion app({});
            QDir::setCurrent(previous);
            QFAIL("started without a database");
        } catch (const DbError &e) {
            QDir::setCurrent(previous);
            QCOMPARE(e.code(), DbError::Code::NoDatabase);
            QCOMPARE(e.message(), texto.arg(nativa(empty.path())));
        }
        Mensajes::setEnglish(false);
    }

    // Every fault found at opening: the window still comes up in reader mode with its
    // colours, text size and language, and one error box says what is wrong in that
    // language, with its button in it too.
    void openingFaultLeavesTheWindowInItsStateAndSaysWhy_data()
    {
        QTest::addColumn<Falla>("falla");
        QTest::addColumn<bool>("ingles");
        QTest::addColumn<QStringList>("args");
        QTest::addColumn<QString>("texto"); // %1: the database file, %2: the data directory
        const QString danadaEs = "La base de datos %1 está dañada. Restáurela desde una copia de seguridad.";
        const QString ajenaEs = "%1 no es una base de datos de Yerbalia.";
        const QString ajenaEn = "%1 is not a Yerbalia database.";
        // clang-format off
        QTest::newRow("damaged") << Falla::Danada << false << QStringList() << danadaEs;
        QTest::newRow("damaged, editor") << Falla::Danada << false << QStringList{"tezlap"} << danadaEs;
        QTest::newRow("damaged, English")
            << Falla::Danada << true << QStringList() << "The database %1 is damaged. Restore it from a backup copy.";
        QTest::newRow("foreign") << Falla::Ajena << false << QStringList() << ajenaEs;
        QTest::newRow("foreign, English") << Falla::Ajena << true << QStringList() << ajenaEn;
        QTest::newRow("zero length") << Falla::Vacia << false << QStringList() << ajenaEs;
        QTest::newRow("garbage, English") << Falla::Basura << true << QStringList() << ajenaEn;
        QTest::newRow("read-only file")
            << Falla::ArchivoSoloLectura << false << QStringList()
            << "El archivo de la base de datos %1 es de solo lectura. Yerbalia guarda en él las notas y los "
               "cambios, así que necesita poder escribirlo.";
        QTest::newRow("read-only file, English")
            << Falla::ArchivoSoloLectura << true << QStringList()
            << "The database file %1 is read-only. Yerbalia stores notes and changes in it, so it needs write "
               "access to it.";
        QTest::newRow("read-only directory")
            << Falla::DirectorioSoloLectura << false << QStringList()
            << "No se puede escribir en el directorio de datos %2. Yerbalia guarda allí las notas y los cambios, "
               "así que necesita poder escribir en él.";
        QTest::newRow("read-only directory, English")
            << Falla::DirectorioSoloLectura << true << QStringList{"tezlap"}
            << "The data directory %2 cannot be written. Yerbalia stores notes and changes there, so it needs "
               "write access to it.";
        QTest::newRow("locked")
            << Falla::Bloqueada << false << QStringList()
            << "La base de datos %1 está en uso por otro programa. Cierre ese programa y vuelva a intentarlo.";
        QTest::newRow("locked, English")
            << Falla::Bloqueada << true << QStringList()
            << "The database %1 is in use by another program. Close that program and try again.";
        // clang-format on
    }

    void openingFaultLeavesTheWindowInItsStateAndSaysWhy()
    {
        QFETCH(Falla, falla);
        QFETCH(bool, ingles);
        QFETCH(QStringList, args);
        QFETCH(QString, texto);
        DataDir d;
        d.writeConfig(config(3, 12));
        if (ingles)
            QDir(d.dir.path()).mkdir("English");
        DatosConFalla datos(d, falla);
        if (!datos.lista)
            QSKIP("a read-only mount needs root");
        const QString base = Database::filePathIn(d.dir.path());
        const QByteArray antes = leer(base);

        QStringList textos, botones;
        alAbrirseCaja(this, [&](QMessageBox *caja) {
            textos << caja->text();
            for (QAbstractButton *b : caja->buttons())
                botones << b->text();
            caja->buttons().value(0)->click();
        });
        {
            Run r(args);
            QCOMPARE(textos,
                     QStringList{QString(texto).replace("%1", nativa(base)).replace("%2", nativa(d.dir.path()))});
            QCOMPARE(botones, QStringList{ingles ? "OK" : "Aceptar"});
            verificarVentana(r, false, ingles, 3, 12); // the editor word too: there is nothing to edit
            QTest::mouseClick(r.child<QPushButton>("Color"), Qt::LeftButton); // still answers
            QCOMPARE(panelColour(r.child<QWidget>("PanIzq")), ColorBase(4));
        }
        Mensajes::setEnglish(false);
        if (falla == Falla::Basura || falla == Falla::Vacia || falla == Falla::Ajena)
            QCOMPARE(leer(base), antes); // a file that is not ours is left as it is
    }

    // Config.Dat cannot be replaced (here: a read-only mount over it): closing says so
    // in the interface language and the old file keeps its bytes.
    void unwritableConfigIsReportedAndKept_data()
    {
        QTest::addColumn<bool>("ingles");
        QTest::addColumn<QString>("texto");
        // clang-format off
        QTest::newRow("Spanish") << false
                                 << "No se pudo guardar la configuración en %1. Se conserva el archivo "
                                    "anterior.";
        QTest::newRow("English") << true
                                 << "The configuration could not be written to %1. The previous file is "
                                    "kept.";
        // clang-format on
    }

    void unwritableConfigIsReportedAndKept()
    {
        QFETCH(bool, ingles);
        QFETCH(QString, texto);
        DataDir d;
        d.writeConfig(config(2, 12));
        if (ingles)
            QDir(d.dir.path()).mkdir("English");
        const QString ruta = d.dir.filePath("Config.Dat");
        const QByteArray antes = leer(ruta);
        test::SoloLectura fija(ruta);
        if (!fija.montado)
            QSKIP("a read-only mount needs root");
        QStringList errores;
        CajaError::setManejador([&](const QString &m) { errores << m; });
        {
            Run r;
            QTest::mouseClick(r.child<QPushButton>("Color"), Qt::LeftButton);
            r.close(Respuesta::Yes);
        }
        CajaError::setManejador({});
        Mensajes::setEnglish(false);
        QCOMPARE(errores, QStringList{texto.arg(nativa(ruta))});
        QCOMPARE(leer(ruta), antes);
    }

    // Sizes and places from Config.Dat that do not fit the screen are brought onto it.
    void storedGeometryIsBroughtOntoTheScreen_data()
    {
        QTest::addColumn<QList<int>>("valores");
        const QRect area = QGuiApplication::primaryScreen()->availableGeometry();
        const auto conVentanas = [](int w, int h, int uLeft, int uTop, int uW, int uH) {
            QList<int> v = config(1, 10, w, h);
            v[ConfigDat::UsosLeft] = uLeft;
            v[ConfigDat::UsosTop] = uTop;
            v[ConfigDat::UsosWidth] = uW;
            v[ConfigDat::UsosHeight] = uH;
            return v;
        };
        // clang-format off
        QTest::newRow("huge") << conVentanas(100000, 100000, 100000, 100000, 100000, 100000);
        QTest::newRow("larger than the screen") << conVentanas(5000, 5000, 5000, 5000, 5000, 5000);
        QTest::newRow("off to the left and above") << conVentanas(700, 500, -5000, -5000, 700, 500);
        QTest::newRow("partly off the right")
            << conVentanas(700, 500, area.right() - 100, area.bottom() - 100, 700, 500);
        // clang-format on
    }

    void storedGeometryIsBroughtOntoTheScreen()
    {
        QFETCH(QList<int>, valores);
        DataDir d;
        d.writeConfig(valores);
        Run r;
        auto *usos = &r.app->ventanas().usos();
        const QRect area = r.w->screen()->availableGeometry();
        QVERIFY2(
            area.contains(r.w->frameGeometry()),
            qPrintable(
                QString("main window %1,%2 %3x%4").arg(r.w->x()).arg(r.w->y()).arg(r.w->width()).arg(r.w->height())));
        QVERIFY(centred(r.w));
        QVERIFY2(area.contains(usos->frameGeometry()), qPrintable(QString("catalogue window %1,%2 %3x%4")
                                                                      .arg(usos->x())
                                                                      .arg(usos->y())
                                                                      .arg(usos->width())
                                                                      .arg(usos->height())));
        QVERIFY(usos->width() >= std::min(700, area.width()));
    }

    // The catalogue window's panel sizes are kept as read while it was never shown.
    void catalogueWindowNeverShownKeepsItsPanelSizes_data()
    {
        QTest::addColumn<bool>("conArchivo");
        QTest::addColumn<QByteArray>("anchoPanIzq");
        QTest::addColumn<QByteArray>("altoPanPlantas");
        QTest::newRow("stored") << true << QByteArray("500") << QByteArray("250");
        QTest::newRow("built in") << false << QByteArray("505") << QByteArray("257");
    }

    void catalogueWindowNeverShownKeepsItsPanelSizes()
    {
        QFETCH(bool, conArchivo);
        QFETCH(QByteArray, anchoPanIzq);
        QFETCH(QByteArray, altoPanPlantas);
        DataDir d;
        if (conArchivo)
            d.writeConfig(config(1, 10));
        Run r;
        r.close(Respuesta::Yes);
        const QList<QByteArray> lines = d.configLines();
        QCOMPARE(lines.size(), 15);
        QCOMPARE(lines[ConfigDat::UsosPanIzqWidth].trimmed(), anchoPanIzq);
        QCOMPARE(lines[ConfigDat::UsosPanPlantasHeight].trimmed(), altoPanPlantas);
    }
};

QTEST_MAIN(TestPlantas)
#include "tst_plantas.moc"
