// yerbalia-synth: writes a synthetic herbal database of a chosen size into a
// new data directory, for benchmarks and for trying the application on large data.
#include "SyntheticDatabase.h"

#include <QCoreApplication>
#include <QElapsedTimer>
#include <QFileInfo>
#include <QTextStream>

namespace {

QTextStream &out()
{
    static QTextStream s(stdout);
    return s;
}

QTextStream &err()
{
    static QTextStream s(stderr);
    return s;
}

int usage()
{
    err() << "usage: yerbalia-synth [--scale F] [--seed N] DIR\n"
             "  Creates DIR/"
          << yb::Database::kFileName
          << " filled with made-up data.\n"
             "  --scale F  size relative to the default (1.0: 20,000 herbs and formulas, 3,000 actions,\n"
             "             3,000 indications, 300 components, 300,000 links)\n"
             "  --seed N   another seed gives other data of the same size (default 1)\n";
    return 2;
}

int count(yb::Database &db, const char *table)
{
    yb::Statement s(db, QStringLiteral("SELECT count(*) FROM \"%1\"").arg(QLatin1String(table)));
    s.step();
    return int(s.int64(0));
}

} // namespace

int main(int argc, char **argv)
{
    QCoreApplication app(argc, argv);
    QStringList args = app.arguments().mid(1);
    double factor = 1.0;
    quint64 seed = 1;
    QString dir;
    while (!args.isEmpty()) {
        const QString arg = args.takeFirst();
        bool ok = true;
        if (arg == u"--scale" && !args.isEmpty())
            factor = args.takeFirst().toDouble(&ok), ok = ok && factor > 0;
        else if (arg == u"--seed" && !args.isEmpty())
            seed = args.takeFirst().toULongLong(&ok);
        else if (!arg.startsWith(u"--") && dir.isEmpty())
            dir = arg;
        else
            ok = false;
        if (!ok)
            return usage();
    }
    if (dir.isEmpty())
        return usage();

    try {
        QElapsedTimer timer;
        timer.start();
        auto db = yb::SyntheticDatabase::create(dir, yb::SyntheticScale::scaled(factor, seed));
        const double seconds = timer.nsecsElapsed() / 1e9;
        out() << "Created " << db->filePath()
              << QStringLiteral(" in %1 s (%2 MB)\n")
                     .arg(seconds, 0, 'f', 1)
                     .arg(QFileInfo(db->filePath()).size() / 1048576.0, 0, 'f', 1);
        for (const char *t : {"Plantas", "Clases", "Fuentes", "Usos", "Sintomas", "Componen", "Rel", "RelSint",
                              "RelComp", "RelForm", "Notas", "Sinonimos", "Glosario", "Glossary"})
            out() << QStringLiteral("  %1 %2 rows\n").arg(QLatin1String(t), -10).arg(count(*db, t), 7);
        return 0;
    } catch (const yb::DbError &e) {
        err() << "yerbalia-synth: " << e.message() << "\n";
        return 1;
    }
}
