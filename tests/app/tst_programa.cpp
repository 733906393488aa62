// The yerbalia program as a user starts it: its command line, help and version
// without a display, and a screenshot run that never waits on a dialog.
#include "app/LineaOrdenes.h"
#include "support/AppFixture.h"

#include <QProcess>
#include <QTest>

using namespace yb;
using namespace yb::test;

Q_DECLARE_METATYPE(yb::LineaOrdenes::Accion)

namespace {

struct Salida {
    int codigo = -1;
    QString out, err;
};

// Runs the program in `directorio`; `sinPantalla` takes every way to a display away.
Salida ejecutar(const QStringList &argumentos, const QString &directorio, bool sinPantalla = false)
{
    QProcess p;
    QProcessEnvironment env = QProcessEnvironment::systemEnvironment();
    if (sinPantalla) {
        for (const char *v : {"DISPLAY", "WAYLAND_DISPLAY", "QT_QPA_PLATFORM"})
            env.remove(QLatin1String(v));
    } else {
        env.insert("QT_QPA_PLATFORM", "offscreen");
    }
    p.setProcessEnvironment(env);
    p.setWorkingDirectory(directorio);
    p.start(QStringLiteral(YERBALIA_BIN), argumentos);
    Salida s;
    if (!p.waitForFinished(30000)) {
        p.kill();
        p.waitForFinished();
        s.err = "(did not end: waiting on something)";
        return s;
    }
    s.codigo = p.exitStatus() == QProcess::NormalExit ? p.exitCode() : -1;
    s.out = QString::fromLocal8Bit(p.readAllStandardOutput());
    s.err = QString::fromLocal8Bit(p.readAllStandardError());
    return s;
}

} // namespace

class TestPrograma : public QObject {
    Q_OBJECT
private slots:
    void commandLine_data()
    {
        using A = LineaOrdenes::Accion;
        QTest::addColumn<QStringList>("args");
        QTest::addColumn<A>("accion");
        QTest::addColumn<QStringList>("palabras");
        QTest::addColumn<QString>("captura");
        // clang-format off
        QTest::newRow("nothing") << QStringList{} << A::Iniciar << QStringList{} << "";
        QTest::newRow("editor word") << QStringList{"tezlap"} << A::Iniciar << QStringList{"tezlap"} << "";
        QTest::newRow("a name with a dash") << QStringList{"-Gan"} << A::Iniciar << QStringList{"-Gan"} << "";
        QTest::newRow("a dashed name, then a screenshot")
            << QStringList{"-Gan", "--screenshot", "a.png"} << A::Iniciar << QStringList{"-Gan"} << "a.png";
        QTest::newRow("a screenshot, then a name")
            << QStringList{"--screenshot=a.png", "Gan Cao"} << A::Iniciar << QStringList{"Gan Cao"} << "a.png";
        QTest::newRow("-h") << QStringList{"-h"} << A::Ayuda << QStringList{} << "";
        QTest::newRow("--help after a name") << QStringList{"-Gan", "--help"} << A::Ayuda << QStringList{"-Gan"} << "";
        QTest::newRow("-v") << QStringList{"-v"} << A::Version << QStringList{} << "";
        QTest::newRow("--version") << QStringList{"--version"} << A::Version << QStringList{} << "";
        QTest::newRow("after --, an option is a word")
            << QStringList{"--", "-h"} << A::Iniciar << QStringList{"-h"} << "";
        QTest::newRow("unknown option after the word")
            << QStringList{"Gan", "--bogus"} << A::Error << QStringList{} << "";
        QTest::newRow("screenshot without a file") << QStringList{"--screenshot"} << A::Error << QStringList{} << "";
        // clang-format on
    }

    void commandLine()
    {
        QFETCH(QStringList, args);
        QFETCH(LineaOrdenes::Accion, accion);
        QFETCH(QStringList, palabras);
        QFETCH(QString, captura);
        const LineaOrdenes orden = LineaOrdenes::analizar(QStringList{"yerbalia"} + args);
        QCOMPARE(orden.accion, accion);
        if (accion == LineaOrdenes::Accion::Error) {
            QVERIFY(!orden.error.isEmpty());
            return;
        }
        QCOMPARE(orden.palabras, palabras);
        QCOMPARE(orden.captura, captura);
    }

    void helpAndVersionNeedNoDisplay_data()
    {
        QTest::addColumn<QString>("opcion");
        QTest::addColumn<QString>("texto");
        // clang-format off
        QTest::newRow("--help") << "--help"
                                << "--screenshot <file>";
        QTest::newRow("-h") << "-h"
                            << "The first argument is the editor word";
        QTest::newRow("--version") << "--version"
                                   << "Yerbalia " YERBALIA_VERSION;
        // clang-format on
    }

    void helpAndVersionNeedNoDisplay()
    {
        QFETCH(QString, opcion);
        QFETCH(QString, texto);
        QTemporaryDir dir;
        const Salida s = ejecutar({opcion}, dir.path(), true);
        QCOMPARE(s.codigo, 0);
        QVERIFY2(s.out.contains(texto), qPrintable(s.out + s.err));
    }

    // A screenshot run with an opening error prints the error and fails, in the
    // interface language, without a picture.
    void screenshotOfAFaultPrintsItAndFails_data()
    {
        QTest::addColumn<bool>("baseDanada"); // false: no database at all
        QTest::addColumn<bool>("ingles");
        QTest::addColumn<QString>("texto");
        QTest::newRow("no database") << false << false << "No hay ninguna base de datos en";
        QTest::newRow("no database, English") << false << true << "There is no database in";
        QTest::newRow("damaged") << true << false << "no es una base de datos de Yerbalia.";
        QTest::newRow("damaged, English") << true << true << "is not a Yerbalia database.";
    }

    void screenshotOfAFaultPrintsItAndFails()
    {
        QFETCH(bool, baseDanada);
        QFETCH(bool, ingles);
        QFETCH(QString, texto);
        QTemporaryDir dir;
        if (baseDanada) {
            QFile f(dir.filePath("Yerbalia.sqlite3"));
            QVERIFY(f.open(QIODevice::WriteOnly));
            f.write("this is not a database\n");
        }
        if (ingles)
            QDir(dir.path()).mkdir("English");
        const Salida s = ejecutar({"--screenshot", "out.png"}, dir.path());
        QVERIFY2(s.codigo > 0, qPrintable(QString("exit %1: %2").arg(s.codigo).arg(s.err)));
        QVERIFY2(s.err.contains(texto), qPrintable(s.err));
        QVERIFY(!QFile::exists(dir.filePath("out.png")));
    }

    void aDashedFirstArgumentIsTheStartName()
    {
        DataDir d;
        const Salida s = ejecutar({"-Gan", "--screenshot", "out.png"}, d.dir.path());
        QVERIFY2(s.codigo == 0, qPrintable(QString("exit %1: %2").arg(s.codigo).arg(s.err)));
        QVERIFY(QFileInfo(d.dir.filePath("out.png")).size() > 0);
    }

    void unknownOptionIsRefused()
    {
        DataDir d;
        const Salida s = ejecutar({"Gan", "--bogus"}, d.dir.path());
        QCOMPARE(s.codigo, 2);
        QVERIFY2(s.err.contains("bogus"), qPrintable(s.err));
    }
};

QTEST_GUILESS_MAIN(TestPrograma)
#include "tst_programa.moc"
