// yerbalia-db: command-line tool that creates, checks and shows the database
// of a data directory.
#include "data/Cursor.h"
#include "data/DatabaseCheck.h"
#include "data/SampleDatabase.h"

#include <QCoreApplication>
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
    err() << "usage: yerbalia-db init [--sample] DIR   create a database in DIR (with the sample data)\n"
             "       yerbalia-db check DIR            check integrity and invariants\n"
             "       yerbalia-db show DIR             list what the database holds\n";
    return 2;
}

int count(yb::Database &db, const QString &table)
{
    yb::Statement s(db, QStringLiteral("SELECT count(*) FROM %1").arg(yb::Schema::quoted(db.resolveTable(table))));
    s.step();
    return int(s.int64(0));
}

void show(yb::Database &db)
{
    out() << "Database " << db.filePath() << "\n";
    for (const char *t : {"Plantas", "Especies", "Clases", "Fuentes", "Usos", "Sintomas", "Componen", "Rel", "RelSint",
                          "RelComp", "RelForm", "Notas", "Sinonimos", "Glosario", "Glossary"})
        out() << QStringLiteral("  %1 %2 rows\n").arg(QLatin1String(t), -10).arg(count(db, QLatin1String(t)), 6);

    yb::Cursor plan(db, QStringLiteral("Plantas"));
    plan.open();
    for (bool formulas : {false, true}) {
        plan.setFilter(formulas ? QStringLiteral("EsFormula=True") : QStringLiteral("EsFormula=False"));
        plan.setFiltered(true);
        out() << (formulas ? "\nFormulas" : "\nSingle herbs") << " (" << plan.recordCount() << "):\n";
        QStringList names;
        for (plan.first(); !plan.eof(); plan.next())
            names << plan.asString(u"PinYin");
        names.sort(Qt::CaseInsensitive);
        out() << "  " << names.join(QStringLiteral(", ")) << "\n";
    }
}

} // namespace

int main(int argc, char **argv)
{
    QCoreApplication app(argc, argv);
    QStringList args = app.arguments().mid(1);
    if (args.isEmpty())
        return usage();
    const QString command = args.takeFirst();
    const bool sample = args.removeAll(QStringLiteral("--sample")) > 0;
    if (args.size() != 1)
        return usage();
    const QString dir = args.first();
    try {
        if (command == u"init") {
            auto db = sample ? yb::SampleDatabase::create(dir) : yb::Database::create(dir);
            out() << "Created " << db->filePath() << (sample ? " with the sample data" : "") << "\n";
            return 0;
        }
        if (sample)
            return usage();
        // Checking and showing only look: the file stays exactly as it is.
        auto db = yb::Database::open(dir, yb::Database::Access::ReadOnly);
        if (command == u"check") {
            const QStringList problems = yb::checkDatabase(*db);
            for (const QString &p : problems)
                out() << p << "\n";
            out() << (problems.isEmpty() ? QStringLiteral("%1: no problems found\n").arg(db->filePath())
                                         : QStringLiteral("%1 problem(s) found\n").arg(problems.size()));
            return problems.isEmpty() ? 0 : 1;
        }
        if (command == u"show") {
            show(*db);
            return 0;
        }
        return usage();
    } catch (const yb::DbError &e) {
        err() << "yerbalia-db: " << e.message() << "\n";
        return 1;
    }
}
