// bench_storage: times the table operations users wait for, each next to the
// plain-SQL way of doing the same work on the same connection in the same run.
#include "BenchSupport.h"
#include "Random.h"
#include "SyntheticDatabase.h"
#include "data/Collation.h"
#include "data/Cursor.h"
#include "data/DamageCheck.h"

#include <QCoreApplication>
#include <QDir>
#include <QElapsedTimer>
#include <QFile>
#include <QFileInfo>
#include <QTemporaryDir>
#include <QTextStream>
#include <algorithm>
#include <deque>
#include <optional>
#include <sqlite3.h>
#include <vector>

namespace {

using namespace yb::bench;
using yb::Cursor;
using yb::Database;

// What every benchmark works with, and where it puts its result lines.
struct Context {
    Context(Database &database, int runCount) : db(database), runs(runCount) {}

    Database &db;
    int runs;
    yb::Random rng{20240917};
    std::deque<Result> results; // a deque: references to earlier results stay valid

    Result &result(const QString &operation)
    {
        results.push_back({});
        results.back().operation = operation;
        return results.back();
    }
    qint64 scalar(const char *sql)
    {
        Plain s(db, sql);
        return s.step() ? s.int64(0) : 0;
    }
};

QString upperPrefix(yb::Random &rng)
{
    QString p;
    for (int n = rng.between(1, 4); n > 0; --n)
        p += QChar(u'A' + rng.below(26));
    return p;
}

// ---- a. open Plantas in PinYin order --------------------------------------------

void openOrdered(Context &c)
{
    Result &r = c.result(QStringLiteral("a. open Plantas by PorPinYin + recordCount"));
    r.target = Result::Target::WithinRatio;
    r.limit = 2;
    Plain ids(c.db, "SELECT rowid FROM Plantas ORDER BY PinYin COLLATE YBNOCASE, rowid");
    int count = 0;
    size_t plainCount = 0;
    for (int run = -1; run < c.runs; ++run) { // run -1 warms the caches
        {
            Stopwatch t;
            Cursor cursor(c.db, QStringLiteral("Plantas"));
            cursor.setIndexName(QStringLiteral("PorPinYin"));
            cursor.open();
            count = cursor.recordCount();
            if (run >= 0)
                r.ours.add(t.ns());
        }
        // The same work the cursor does: every row id, in index order, into a vector.
        Stopwatch t;
        std::vector<qint64> rows;
        while (ids.step())
            rows.push_back(ids.int64(0));
        ids.reset();
        if (run >= 0)
            r.plain.add(t.ns());
        plainCount = rows.size();
    }
    if (size_t(count) != plainCount)
        r.note = QStringLiteral("count differs: %1 vs %2").arg(count).arg(plainCount);

    // For information: the primary order, which the cursors of d, e, f and h use.
    Result &primary = c.result(QStringLiteral("   (info) same in primary order (rowid)"));
    Plain byRowId(c.db, "SELECT rowid FROM Plantas ORDER BY rowid");
    for (int run = -1; run < c.runs; ++run) {
        {
            Stopwatch t;
            Cursor cursor(c.db, QStringLiteral("Plantas"));
            cursor.open();
            cursor.recordCount();
            if (run >= 0)
                primary.ours.add(t.ns());
        }
        Stopwatch t;
        std::vector<qint64> rows;
        while (byRowId.step())
            rows.push_back(byRowId.int64(0));
        byRowId.reset();
        if (run >= 0)
            primary.plain.add(t.ns());
    }

    // For information: what reading every column of every row in that order costs.
    Result &all = c.result(QStringLiteral("   (info) SELECT * ... ORDER BY PinYin, stepped"));
    Plain every(c.db, "SELECT * FROM Plantas ORDER BY PinYin COLLATE YBNOCASE");
    for (int run = -1; run < std::min(c.runs, 5); ++run) {
        Stopwatch t;
        every.run();
        if (run >= 0)
            all.plain.add(t.ns());
    }
}

// ---- b. find nearest ------------------------------------------------------------

void findNearest(Context &c)
{
    Result &r = c.result(QStringLiteral("b. findNearest, 1-4 capitals (per call)"));
    r.target = Result::Target::Below;
    r.limit = 100'000;
    Cursor cursor(c.db, QStringLiteral("Plantas"));
    cursor.setIndexName(QStringLiteral("PorPinYin"));
    cursor.open();
    const int rows = cursor.recordCount();
    Plain nearest(c.db, "SELECT rowid FROM Plantas WHERE PinYin >= ? COLLATE YBNOCASE "
                        "ORDER BY PinYin COLLATE YBNOCASE, rowid LIMIT 1");
    QStringList prefixes;
    QList<QByteArray> utf8;
    for (int i = 0; i < 1000; ++i) {
        prefixes << upperPrefix(c.rng);
        utf8 << prefixes.last().toUtf8();
    }
    // Each way in a block of its own, so that neither reads pages the other has just cached.
    std::vector<qint64> landed(size_t(prefixes.size()));
    const int repeats = std::max(1, c.runs / 3);
    for (int rep = -1; rep < repeats; ++rep) {
        for (int i = 0; i < prefixes.size(); ++i) {
            Stopwatch t;
            cursor.findNearest({prefixes[i]});
            const qint64 ns = t.ns();
            if (rep >= 0)
                r.ours.add(ns);
            landed[size_t(i)] = cursor.recNo() == rows ? -1 : cursor.rowId();
        }
        for (int i = 0; i < prefixes.size(); ++i) {
            Stopwatch t;
            nearest.bind(1, utf8[i]);
            const qint64 id = nearest.step() ? nearest.int64(0) : -1;
            nearest.reset();
            const qint64 ns = t.ns();
            if (rep >= 0)
                r.plain.add(ns);
            if (id != landed[size_t(i)] && !(id == -1 && landed[size_t(i)] == -1))
                landed[size_t(i)] = -2;
        }
    }
    const auto differ = std::count(landed.begin(), landed.end(), -2);
    r.note = QStringLiteral("%1 calls, 90%: %2").arg(r.ours.ns.size()).arg(duration(r.ours.percentile(0.9)));
    if (differ)
        r.note += QStringLiteral(", %1 land elsewhere than plain").arg(differ);
}

// ---- c. locate ------------------------------------------------------------------

void locate(Context &c)
{
    Result &r = c.result(QStringLiteral("c. locate Nom0 prefix, ci+partial (per call)"));
    Cursor cursor(c.db, QStringLiteral("Plantas"));
    cursor.setIndexName(QStringLiteral("PorPinYin"));
    cursor.open();
    Plain nom0(c.db, "SELECT Nom0 FROM Plantas WHERE rowid = ?");
    Plain plain(c.db, "SELECT rowid FROM Plantas WHERE substr(Nom0, 1, length(?1)) = ?1 COLLATE YBLETTERS "
                      "ORDER BY PinYin COLLATE YBNOCASE, rowid LIMIT 1");
    const int maxKey = int(c.scalar("SELECT max(rowid) FROM Plantas"));
    QStringList values;
    QList<QByteArray> utf8;
    while (values.size() < 200) {
        nom0.bind(1, c.rng.between(1, maxKey));
        QString name = nom0.step() ? QString::fromUtf8(nom0.text(0), nom0.bytes(0)) : QString();
        nom0.reset();
        if (name.isEmpty())
            continue;
        name = name.left(c.rng.between(1, 4));
        values << (c.rng.chance(0.5) ? name.toUpper() : name.toLower());
        utf8 << values.last().toUtf8();
    }
    const QStringList fields{QStringLiteral("Nom0")};
    const auto options = Cursor::CaseInsensitive | Cursor::Partial;
    std::vector<qint64> found(size_t(values.size()));
    const int repeats = std::max(1, c.runs / 5);
    for (int rep = -1; rep < repeats; ++rep) {
        for (int i = 0; i < values.size(); ++i) {
            Stopwatch t;
            const bool ok = cursor.locate(fields, {values[i]}, options);
            const qint64 ns = t.ns();
            if (rep >= 0)
                r.ours.add(ns);
            found[size_t(i)] = ok ? cursor.rowId() : -1;
        }
        for (int i = 0; i < values.size(); ++i) {
            Stopwatch t;
            plain.bind(1, utf8[i]);
            const qint64 id = plain.step() ? plain.int64(0) : -1;
            plain.reset();
            const qint64 ns = t.ns();
            if (rep >= 0)
                r.plain.add(ns);
            if (id != found[size_t(i)])
                found[size_t(i)] = -2;
        }
    }
    const auto differ = std::count(found.begin(), found.end(), -2);
    r.note = QStringLiteral("%1 calls, 90%: %2").arg(r.ours.ns.size()).arg(duration(r.ours.percentile(0.9)));
    if (differ)
        r.note += QStringLiteral(", %1 differ from plain").arg(differ);
}

// ---- d. master move with five details -------------------------------------------

void masterMove(Context &c)
{
    Result &r = c.result(QStringLiteral("d. master next() + 5 linked details (per move)"));
    r.target = Result::Target::Below;
    r.limit = 1'000'000;
    struct Detail {
        const char *table, *index, *field, *plainSql;
    };
    const Detail details[] = {
        {"Rel", "PorOPlanta", "KUso", "SELECT rowid, KUso FROM Rel WHERE OPlanta = ? ORDER BY OPlanta, rowid"},
        {"RelSint", "PorOPlanta", "KSint",
         "SELECT rowid, KSint FROM RelSint WHERE OPlanta = ? ORDER BY OPlanta, rowid"},
        {"RelComp", "PorOPlanta", "KComp",
         "SELECT rowid, KComp FROM RelComp WHERE OPlanta = ? ORDER BY OPlanta, rowid"},
        {"RelForm", "PorOPlanta", "KFormula",
         "SELECT rowid, KFormula FROM RelForm WHERE OPlanta = ? ORDER BY OPlanta, rowid"},
        {"RelForm", "PorOFormula", "KPlanta",
         "SELECT rowid, KPlanta FROM RelForm WHERE OFormula = ? ORDER BY OFormula, rowid"},
    };

    Cursor plan(c.db, QStringLiteral("Plantas"));
    plan.open();
    std::vector<std::unique_ptr<Cursor>> cursors;
    std::vector<int> fields;
    for (const Detail &d : details) {
        auto cursor = std::make_unique<Cursor>(c.db, QLatin1String(d.table));
        cursor->setIndexName(QLatin1String(d.index));
        cursor->setMasterLink(&plan, {QStringLiteral("Orden")});
        cursor->open();
        fields.push_back(cursor->fieldIndex(QString::fromLatin1(d.field)));
        cursors.push_back(std::move(cursor));
    }
    const int rows = plan.recordCount();
    const int moves = 2000;
    qint64 sink = 0, linked = 0;
    for (int rep = -1; rep < std::max(1, c.runs / 5); ++rep) {
        plan.first();
        for (int i = 0; i < moves; ++i) {
            if (plan.recNo() >= rows)
                plan.first();
            Stopwatch t;
            plan.next();
            for (size_t k = 0; k < cursors.size(); ++k) {
                const int n = cursors[k]->recordCount();
                if (n > 0)
                    sink += cursors[k]->value(fields[k]).toInt();
                if (rep == 0)
                    linked += n;
            }
            if (rep >= 0)
                r.ours.add(t.ns());
        }
    }

    // Plain: the next master row's Orden by row id, then each detail's rows by that Orden.
    std::vector<qint64> ids;
    for (Plain all(c.db, "SELECT rowid FROM Plantas ORDER BY rowid"); all.step();)
        ids.push_back(all.int64(0));
    Plain orden(c.db, "SELECT Orden FROM Plantas WHERE rowid = ?");
    std::vector<std::unique_ptr<Plain>> queries;
    for (const Detail &d : details)
        queries.push_back(std::make_unique<Plain>(c.db, d.plainSql));
    qint64 plainLinked = 0;
    for (int rep = -1; rep < std::max(1, c.runs / 5); ++rep) {
        size_t at = 0;
        for (int i = 0; i < moves; ++i) {
            if (at + 1 >= ids.size())
                at = 0;
            Stopwatch t;
            orden.bind(1, ids[++at]);
            const qint64 o = orden.step() ? orden.int64(0) : 0;
            orden.reset();
            for (auto &q : queries) {
                q->bind(1, o);
                int n = 0;
                while (q->step())
                    if (n++ == 0)
                        sink += q->int64(1);
                q->reset();
                if (rep == 0)
                    plainLinked += n;
            }
            if (rep >= 0)
                r.plain.add(t.ns());
        }
    }
    r.note = QStringLiteral("%1 moves, 90%: %2, %3 detail rows per move")
                 .arg(r.ours.ns.size())
                 .arg(duration(r.ours.percentile(0.9)))
                 .arg(double(linked) / moves, 0, 'f', 1);
    if (linked != plainLinked)
        r.note += QStringLiteral(", detail rows differ: %1 vs %2").arg(linked).arg(plainLinked);
    if (sink == 42)
        out() << ""; // keeps the reads from being optimised away
}

// ---- e. post an edited row ------------------------------------------------------

// Distinct random positions 1..count, `n` of them.
std::vector<int> distinctPositions(yb::Random &rng, int count, int n)
{
    std::vector<int> all(static_cast<size_t>(count));
    for (int i = 0; i < count; ++i)
        all[size_t(i)] = i + 1;
    n = std::min(n, count);
    for (int i = 0; i < n; ++i)
        std::swap(all[size_t(i)], all[size_t(i + rng.below(count - i))]);
    all.resize(size_t(n));
    return all;
}

void postEdited(Context &c)
{
    Result &r = c.result(QStringLiteral("e. edit + setValue + post (per post)"));
    Result &ordered = c.result(QStringLiteral("   (info) same, cursor in PorPinYin order"));

    // What the rows held, to put back afterwards.
    std::vector<std::pair<qint64, QByteArray>> saved;
    Plain read(c.db, "SELECT PinYin FROM Plantas WHERE rowid = ?");
    const auto remember = [&](qint64 id) {
        read.bind(1, id);
        if (read.step())
            saved.emplace_back(id, QByteArray(read.text(0), read.bytes(0)));
        read.reset();
    };
    int edits = 0;
    const auto newName = [&] { return QStringLiteral("Zz edited %1").arg(++edits); };
    const auto posts = [&](Cursor &cursor, Samples &samples, const std::vector<int> &positions, size_t from,
                           size_t to) {
        for (size_t i = from; i < to; ++i) {
            cursor.setRecNo(positions[i]);
            remember(cursor.rowId());
            const QString value = newName();
            Stopwatch t;
            cursor.edit();
            cursor.setValue(u"PinYin", value);
            cursor.post();
            samples.add(t.ns());
        }
    };

    Cursor primary(c.db, QStringLiteral("Plantas"));
    primary.open();
    const int rows = primary.recordCount();
    const size_t n = size_t(std::min(200, rows / 3));
    const std::vector<int> positions = distinctPositions(c.rng, rows, int(3 * n));
    posts(primary, r.ours, positions, 0, n);

    Plain savepoint(c.db, "SAVEPOINT bench"), release(c.db, "RELEASE bench");
    Plain update(c.db, "UPDATE Plantas SET PinYin = ? WHERE rowid = ?");
    for (size_t i = n; i < 2 * n; ++i) {
        primary.setRecNo(positions[i]);
        const qint64 id = primary.rowId();
        remember(id);
        const QByteArray value = newName().toUtf8();
        Stopwatch t;
        savepoint.run();
        update.bind(1, value);
        update.bind(2, id);
        update.run();
        release.run();
        r.plain.add(t.ns());
    }
    ordered.plain = r.plain;

    Cursor byPinYin(c.db, QStringLiteral("Plantas"));
    byPinYin.setIndexName(QStringLiteral("PorPinYin"));
    byPinYin.open();
    posts(byPinYin, ordered.ours, positions, 2 * n, 3 * n);

    savepoint.run();
    for (auto it = saved.rbegin(); it != saved.rend(); ++it) { // a row edited twice gets its first value back
        update.bind(1, it->second);
        update.bind(2, it->first);
        update.run();
    }
    release.run();
    c.db.touch(QStringLiteral("Plantas"));
    r.note = QStringLiteral("%1 posts, primary order").arg(n);
}

// ---- f. append ------------------------------------------------------------------

void appendRows(Context &c)
{
    Result &r = c.result(QStringLiteral("f. append + 3 setValue + post (per post)"));
    const qint64 lastKey = c.scalar("SELECT max(rowid) FROM Plantas");
    Cursor cursor(c.db, QStringLiteral("Plantas"));
    cursor.open();
    const int n = 200;
    for (int i = 0; i < n; ++i) {
        Stopwatch t;
        cursor.append();
        cursor.setValue(u"PinYin", QStringLiteral("Zz appended %1").arg(i));
        cursor.setValue(u"EsFormula", false);
        cursor.setValue(u"Orden", int(lastKey) + 1 + i);
        cursor.post();
        r.ours.add(t.ns());
    }

    Plain savepoint(c.db, "SAVEPOINT bench"), release(c.db, "RELEASE bench");
    Plain insert(c.db, "INSERT INTO Plantas (PinYin, EsFormula, Orden) VALUES (?, ?, ?)");
    for (int i = n; i < 2 * n; ++i) {
        const QByteArray value = QStringLiteral("Zz appended %1").arg(i).toUtf8();
        Stopwatch t;
        savepoint.run();
        insert.bind(1, value);
        insert.bind(2, 0);
        insert.bind(3, lastKey + 1 + i);
        insert.run();
        release.run();
        r.plain.add(t.ns());
    }

    // Leave the table as it was, its key counter included.
    Plain cleanup(c.db, "DELETE FROM Plantas WHERE rowid > ?");
    cleanup.bind(1, lastKey);
    cleanup.run();
    // main.: the working tables have a sqlite_sequence of their own in temp.
    Plain sequence(c.db, "UPDATE main.sqlite_sequence SET seq = ? WHERE name = 'Plantas'");
    sequence.bind(1, lastKey);
    sequence.run();
    c.db.touch(QStringLiteral("Plantas"));
    r.note = QStringLiteral("%1 posts, primary order").arg(n);
}

// ---- g. select an index that must first be created ------------------------------

void addIndex(Context &c)
{
    Result &r = c.result(QStringLiteral("g. addIndex PorNom3 + setIndexName"));
    const auto drop = [&] { c.db.exec(QStringLiteral("DROP INDEX IF EXISTS \"Plantas.PorNom3\"")); };
    drop();
    Cursor cursor(c.db, QStringLiteral("Plantas"));
    cursor.open();
    const int runs = std::clamp(c.runs / 3, 3, 5);
    for (int run = 0; run < runs; ++run) {
        cursor.setIndexName(QString());
        drop();
        Stopwatch t;
        cursor.addIndex(QStringLiteral("PorNom3"), QStringLiteral("Nom3"));
        cursor.setIndexName(QStringLiteral("PorNom3"));
        r.ours.add(t.ns());
    }
    cursor.setIndexName(QString());
    for (int run = 0; run < runs; ++run) {
        drop();
        Stopwatch t;
        Plain create(c.db, "CREATE INDEX \"Plantas.PorNom3\" ON Plantas (Nom3 COLLATE YBNOCASE)");
        create.run();
        Plain ids(c.db, "SELECT rowid FROM Plantas ORDER BY Nom3 COLLATE YBNOCASE, rowid");
        std::vector<qint64> rows;
        while (ids.step())
            rows.push_back(ids.int64(0));
        r.plain.add(t.ns());
    }
    drop();
    c.db.touch(QStringLiteral("Plantas"));
    r.note = QStringLiteral("%1 runs").arg(runs);
}

// ---- h. predicate filter --------------------------------------------------------

void predicateFilter(Context &c)
{
    Result &r = c.result(QStringLiteral("h. predicate filter, all rows (refresh)"));
    Result &byNumber = c.result(QStringLiteral("   (info) same, predicate reads by field number"));
    const QStringList fields{QStringLiteral("Clave"), QStringLiteral("Meridianos"), QStringLiteral("Energia"),
                             QStringLiteral("Sabor")};
    Cursor cursor(c.db, QStringLiteral("Plantas"));
    cursor.open();
    // Herbs that reach the fourth meridian.
    cursor.setFilterPredicate(
        [](const yb::Record &rec) {
            const QString m = rec.asString(u"Meridianos");
            return m.size() > 3 && m[3] != u'0';
        },
        fields);
    cursor.setFiltered(true);
    int count = 0;
    for (int run = -1; run < c.runs; ++run) {
        Stopwatch t;
        cursor.refresh();
        count = cursor.recordCount();
        if (run >= 0)
            r.ours.add(t.ns());
    }
    const int meridianos = cursor.fieldIndex(u"Meridianos");
    cursor.setFilterPredicate(
        [meridianos](const yb::Record &rec) {
            const QString m = rec.value(meridianos).toString();
            return m.size() > 3 && m[3] != u'0';
        },
        fields);
    for (int run = -1; run < c.runs; ++run) {
        Stopwatch t;
        cursor.refresh();
        cursor.recordCount();
        if (run >= 0)
            byNumber.ours.add(t.ns());
    }

    Plain all(c.db, "SELECT rowid, Clave, Meridianos, Energia, Sabor FROM Plantas ORDER BY rowid");
    size_t plainCount = 0;
    for (int run = -1; run < c.runs; ++run) {
        Stopwatch t;
        std::vector<qint64> rows;
        while (all.step()) {
            const char *m = all.text(2);
            if (all.bytes(2) > 3 && m[3] != '0')
                rows.push_back(all.int64(0));
        }
        all.reset();
        if (run >= 0) {
            r.plain.add(t.ns());
            byNumber.plain.add(r.plain.ns.back());
        }
        plainCount = rows.size();
    }
    r.note = QStringLiteral("%1 rows pass").arg(count);
    if (size_t(count) != plainCount)
        r.note += QStringLiteral(", plain finds %1").arg(plainCount);
}

// ---- i. the check for damage that the first write waits for -----------------------

void damageCheck(Context &c)
{
    Result &r = c.result(QStringLiteral("i. damage check before the first write"));
    const QByteArray path = QFile::encodeName(c.db.filePath());
    const int runs = std::clamp(c.runs / 3, 3, 5);
    for (int run = 0; run < runs; ++run) {
        Stopwatch t;
        yb::DamageCheck check(c.db.filePath());
        const bool sound = check.result().problems.isEmpty() && check.result().rc == SQLITE_OK;
        r.ours.add(t.ns());
        if (!sound)
            r.note = QStringLiteral("the check found damage! ");
    }
    for (int run = 0; run < runs; ++run) {
        Stopwatch t;
        sqlite3 *db = nullptr;
        sqlite3_open_v2(path.constData(), &db, SQLITE_OPEN_READONLY, nullptr);
        yb::Collation::registerOn(db);
        sqlite3_exec(db, "PRAGMA quick_check", nullptr, nullptr, nullptr);
        sqlite3_close_v2(db);
        r.plain.add(t.ns());
    }
    r.note += QStringLiteral("%1 runs; asked for at once, so it runs on the asking thread").arg(runs);
}

// ---- report ---------------------------------------------------------------------

void printTable(const std::deque<Result> &results)
{
    const auto row = [](const QString &op, const QString &ours, const QString &plain, const QString &ratio,
                        const QString &target, const QString &verdict, const QString &note) {
        out() << op.leftJustified(48) << ours.rightJustified(11) << plain.rightJustified(11) << ratio.rightJustified(9)
              << "  " << target.leftJustified(14) << verdict.leftJustified(8) << note << "\n";
    };
    row(QStringLiteral("operation"), QStringLiteral("ours"), QStringLiteral("plain"), QStringLiteral("ratio"),
        QStringLiteral("target"), QString(), QStringLiteral("notes"));
    out() << QString(120, u'-') << "\n";
    for (const Result &r : results) {
        const double ratio = r.ratio();
        const std::optional<bool> met = r.met();
        row(r.operation, duration(r.ours.median()), duration(r.plain.median()),
            ratio < 0 ? QStringLiteral("-") : QStringLiteral("%1").arg(ratio, 0, 'f', 2), r.targetText(),
            met ? (*met ? QStringLiteral("met") : QStringLiteral("MISSED")) : QString(), r.note);
    }
}

int usage()
{
    err() << "usage: bench_storage [--scale F] [--runs N] [--dir DIR]\n"
             "  --scale F  size of the synthetic database (1.0: 20,000 herbs and formulas, 300,000 links)\n"
             "  --runs N   runs per operation; medians are printed (default 15)\n"
             "  --dir DIR  use the database in DIR, or generate one there and keep it\n"
             "  --mmap MB  try the engine with PRAGMA mmap_size set to MB megabytes (default: as the engine has it)\n";
    return 2;
}

} // namespace

int main(int argc, char **argv)
{
    QCoreApplication app(argc, argv);
    QStringList args = app.arguments().mid(1);
    double scale = 1.0;
    int runs = 15;
    QString dir;
    int mmapMegabytes = -1;
    while (!args.isEmpty()) {
        const QString arg = args.takeFirst();
        bool ok = !args.isEmpty();
        if (ok && arg == u"--scale")
            scale = args.takeFirst().toDouble(&ok), ok = ok && scale > 0;
        else if (ok && arg == u"--runs")
            runs = args.takeFirst().toInt(&ok), ok = ok && runs > 0;
        else if (ok && arg == u"--dir")
            dir = args.takeFirst();
        else if (ok && arg == u"--mmap")
            mmapMegabytes = args.takeFirst().toInt(&ok), ok = ok && mmapMegabytes >= 0;
        else
            ok = false;
        if (!ok)
            return usage();
    }

    try {
        QTemporaryDir temporary;
        std::unique_ptr<Database> db = yb::SyntheticDatabase::openOrGenerate(dir, scale, temporary, out());
        if (mmapMegabytes >= 0) {
            db->exec(QStringLiteral("PRAGMA mmap_size = %1").arg(qint64(mmapMegabytes) << 20));
            out() << "Trying PRAGMA mmap_size = " << mmapMegabytes << " MB\n";
        }
        Context c(*db, runs);
        out() << QStringLiteral("%1 MB; Plantas %2 rows, Rel %3, RelSint %4, RelComp %5, RelForm %6; SQLite %7; "
                                "%8 runs\n")
                     .arg(QFileInfo(db->filePath()).size() / 1048576.0, 0, 'f', 1)
                     .arg(c.scalar("SELECT count(*) FROM Plantas"))
                     .arg(c.scalar("SELECT count(*) FROM Rel"))
                     .arg(c.scalar("SELECT count(*) FROM RelSint"))
                     .arg(c.scalar("SELECT count(*) FROM RelComp"))
                     .arg(c.scalar("SELECT count(*) FROM RelForm"))
                     .arg(QLatin1String(sqlite3_libversion()))
                     .arg(runs);
        {
            // The first write waits for the check of the file that opening started:
            // let it end before anything is timed.
            Stopwatch t;
            Database::Transaction nothing(*db);
            nothing.commit();
            out() << "The check for damage ended " << duration(t.ns()) << " after the timing began\n";
        }
        if (!db->hasIndex(QStringLiteral("Plantas"), QStringLiteral("PorPinYin"))) {
            Stopwatch t;
            Cursor(*db, QStringLiteral("Plantas")).addIndex(QStringLiteral("PorPinYin"), QStringLiteral("PinYin"));
            out() << "Created the index PorPinYin in " << duration(t.ns()) << "\n";
        }
        out() << "\n";
        out().flush();

        for (void (*bench)(Context &) : {openOrdered, findNearest, locate, masterMove, postEdited, appendRows, addIndex,
                                         predicateFilter, damageCheck}) {
            bench(c);
            err() << "  done: " << c.results.back().operation.trimmed() << Qt::endl;
        }
        out() << "\n";
        printTable(c.results);
        if (scale != 1.0 && temporary.isValid() && dir == temporary.path())
            out() << "\nThe targets are set for the default scale (1.0).\n";
        return 0;
    } catch (const yb::DbError &e) {
        err() << "bench_storage: " << e.message() << "\n";
        return 1;
    }
}
