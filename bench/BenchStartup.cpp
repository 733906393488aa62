// bench_startup: how long the main window takes from start to its first
// refresh on a large database, and how long one refresh after a move takes.
#include "BenchSupport.h"
#include "SyntheticDatabase.h"

#include "app/Aplicacion.h"
#include "browser/ComboIdioma.h"
#include "browser/PanelLista.h"
#include "browser/Plantas.h"
#include "dbwidgets/DBGrid.h"

#include <QApplication>
#include <QComboBox>
#include <QCommandLineParser>
#include <QDir>
#include <QFileInfo>
#include <QKeyEvent>
#include <QTemporaryDir>
#include <QTextStream>

using namespace yb;
using bench::duration;
using bench::Samples;

namespace {

QTextStream out(stdout);

// One start as from the command line: every window created, the main window
// shown; its first showing ends with the refresh of the first record.
qint64 start(std::unique_ptr<Aplicacion> &app)
{
    QElapsedTimer t;
    t.start();
    app = std::make_unique<Aplicacion>(QStringList{});
    app->plantas().show();
    return t.nsecsElapsed();
}

} // namespace

int main(int argc, char **argv)
{
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM"))
        qputenv("QT_QPA_PLATFORM", "offscreen");
    QApplication qt(argc, argv);
    registrarFuentes();
    QCommandLineParser parser;
    parser.addHelpOption();
    const QCommandLineOption scaleOpt("scale", "Synthetic database scale (1.0: 20,000 records).", "F", "1.0");
    const QCommandLineOption runsOpt("runs", "Starts to time (the first, which creates the list's index, apart).", "N",
                                     "9");
    const QCommandLineOption movesOpt("moves", "Moves to time.", "N", "2000");
    const QCommandLineOption dirOpt("dir", "Use (or create and keep) the database in DIR.", "DIR");
    parser.addOptions({scaleOpt, runsOpt, movesOpt, dirOpt});
    parser.process(qt);

    QTemporaryDir temp;
    QString dir;
    {
        // The application opens the database itself: this one only finds or makes it.
        const auto db =
            SyntheticDatabase::openOrGenerate(parser.value(dirOpt), parser.value(scaleOpt).toDouble(), temp, out);
        dir = db->directory();
    }
    QDir::setCurrent(dir);

    // Starts: the first may create the PinYin index; the others find it.
    const int runs = std::max(1, parser.value(runsOpt).toInt());
    std::unique_ptr<Aplicacion> app;
    const qint64 first = start(app);
    Samples starts;
    for (int i = 1; i < runs; ++i) {
        app.reset();
        starts.add(start(app));
    }
    const int records = app->dm().TPlan.recordCount();

    // Moves through the list: linked cursors, grids, captions, name rows, notes row.
    Cursor &plan = app->dm().TPlan;
    Samples moves, refreshes;
    const int count = parser.value(movesOpt).toInt();
    plan.first();
    for (int i = 0; i < count; ++i) {
        QElapsedTimer t;
        t.start();
        plan.next();
        moves.add(t.nsecsElapsed());
        if (plan.eof())
            plan.first();
    }
    for (int i = 0; i < count; ++i) {
        QElapsedTimer t;
        t.start();
        app->dm().TPlanAfterScroll();
        refreshes.add(t.nsecsElapsed());
    }

    // Typed search in the list: each key goes through the window as the user's would.
    TFPlantas &w = app->plantas();
    Samples letters;
    const char *palabras[] = {"GAN", "REN", "BAI", "DANG", "HUANG", "ZHI", "SHU", "FU", "MA", "CHUAN"};
    for (int round = 0; round < 20; ++round) {
        for (const char *palabra : palabras) {
            const auto tecla = [&](int key) {
                QKeyEvent press(QEvent::KeyPress, key, Qt::NoModifier);
                QElapsedTimer t;
                t.start();
                QCoreApplication::sendEvent(w.lista().GrNom, &press);
                return t.nsecsElapsed();
            };
            for (const char *c = palabra; *c; ++c)
                letters.add(tecla(*c));
            for (const char *c = palabra; *c; ++c)
                tecla(Qt::Key_Backspace);
        }
    }

    // The name language: the first time creates the index, the second only selects it.
    Samples firstSwitch, secondSwitch;
    for (int pass = 0; pass < 2; ++pass) {
        for (int item : {1, 2, 3, 4}) {
            QElapsedTimer t;
            t.start();
            w.lista().CBIdioma->setCurrentIndex(item);
            w.lista().CBIdiomaChange();
            (pass == 0 ? firstSwitch : secondSwitch).add(t.nsecsElapsed());
        }
        w.lista().CBIdioma->setCurrentIndex(0);
        w.lista().CBIdiomaChange();
    }

    // The list filter with a class criterion, and back to the whole list.
    Samples classFilter, allAgain;
    for (int clase = 1; clase <= 20; ++clase) {
        QElapsedTimer t;
        t.start();
        w.filtrarPorClase(clase, 0);
        classFilter.add(t.nsecsElapsed());
        t.restart();
        w.filtrarPorClase(0, 0);
        allAgain.add(t.nsecsElapsed());
    }

    out << "\nMain window on " << records << " records (offscreen)\n";
    out << QStringLiteral("%1 %2  target\n").arg("operation", -52).arg("median", 10);
    const auto line = [](const QString &what, qint64 ns, const QString &target) {
        out << QStringLiteral("%1 %2  %3\n").arg(what, -52).arg(duration(ns), 10).arg(target);
    };
    line("first start to first refresh (creates PorPinYin)", first, "-");
    line(QStringLiteral("start to first refresh (median of %1)").arg(starts.ns.size()), starts.median(), "< 500 ms");
    line(QStringLiteral("move + refresh, TPlan.next() (median of %1)").arg(count), moves.median(), "-");
    line(QStringLiteral("one refresh, TPlanAfterScroll (median of %1)").arg(count), refreshes.median(), "< 2 ms");
    line(QStringLiteral("typed letter in GrNom, end to end (median of %1)").arg(letters.ns.size()), letters.median(),
         "< 5 ms");
    line("name language, first switch (creates the index)", firstSwitch.median(), "< 300 ms");
    line("name language, second switch", secondSwitch.median(), "-");
    line("ComponerFiltro with a class criterion", classFilter.median(), "-");
    line("ComponerFiltro back to the whole list", allAgain.median(), "-");
    out << QStringLiteral("  slowest first switch %1; 90th percentile of a typed letter %2\n")
               .arg(duration(*std::max_element(firstSwitch.ns.begin(), firstSwitch.ns.end())),
                    duration(letters.percentile(0.9)));
    out << QStringLiteral("  90th percentiles: start %1, move %2, refresh %3\n")
               .arg(duration(starts.percentile(0.9)), duration(moves.percentile(0.9)),
                    duration(refreshes.percentile(0.9)));
    app.reset();
    return 0;
}
