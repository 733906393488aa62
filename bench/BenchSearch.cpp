// bench_search: one full-text search over every row of Plantas (three terms,
// any and every), next to a plain SQLite scan that does the same matching.
#include "BenchSupport.h"
#include "SyntheticDatabase.h"

#include "data/Cursor.h"
#include "data/TagBits.h"
#include "formats/RtfPlano.h"
#include "search/BusquedaTexto.h"
#include "search/TextMatch.h"

#include <QCoreApplication>
#include <QFileInfo>
#include <QTemporaryDir>
#include <QTextStream>
#include <functional>
#include <vector>

using namespace yb;
using bench::duration;
using bench::err;
using bench::out;
using bench::Plain;
using bench::Samples;
using bench::Stopwatch;

namespace {

// One timed way of searching: returns the number of rows found.
struct Line {
    QString what;
    std::function<int()> pass;
    Samples samples;
    int hits = -1;
};

// Each line makes one warm-up pass, then the lines take turns run after run,
// so that none profits alone from pages the one before it brought in.
void measure(std::vector<Line> &lines, int runs)
{
    for (Line &l : lines)
        l.hits = l.pass();
    for (int r = 0; r < runs; ++r) {
        for (Line &l : lines) {
            Stopwatch t;
            const int hits = l.pass();
            l.samples.add(t.ns());
            if (hits != l.hits)
                l.hits = -2;
        }
        err() << "  run " << r + 1 << "/" << runs << Qt::endl;
    }
}

int contar(const TTagBits &hits)
{
    int n = 0;
    for (int k = 0; k < hits.size(); ++k)
        n += hits.test(k);
    return n;
}

// What a user would type: words a reader sees in the texts of a few rows, of
// ASCII letters only (so that SQLite's upper() can find them too) and long
// enough not to be everywhere.
QStringList elegirTerminos(Database &db)
{
    QStringList terminos;
    Statement s(db, QStringLiteral("SELECT Descripcion FROM Plantas ORDER BY Clave"));
    int fila = 0;
    while (terminos.size() < 3 && s.step()) {
        if (++fila % 7 != 1)
            continue;
        for (const QString &palabra : Texto::separarPalabras(Rtf::textoPlano(s.text(0)))) {
            bool letras = palabra.size() >= 7;
            for (const QChar c : palabra)
                letras = letras && c >= u'A' && c <= u'Z';
            if (letras && !terminos.contains(palabra)) {
                terminos << palabra;
                break;
            }
        }
    }
    return terminos;
}

// The plain way: SQLite joins, capitalises and searches the stored texts.
const char kUnido[] = "upper(ifnull(Descripcion,'')||'|'||ifnull(Floracion,'')||'|'||ifnull(Administracion,'')||'|'||"
                      "ifnull(PinYin,'')||'|'||ifnull(Nom0,'')||'|'||ifnull(Nom1,'')||'|'||ifnull(Nom2,'')||'|'||"
                      "ifnull(Nom3,''))";

QByteArray consultaPlana(bool todos, bool unaVez)
{
    const QByteArray y = todos ? " AND " : " OR ";
    QByteArray sql;
    if (unaVez) {
        // LIMIT keeps SQLite from flattening the subquery: the text is built once per row.
        sql = QByteArray("SELECT Clave FROM (SELECT Clave, ") + kUnido + " AS t FROM Plantas LIMIT -1) WHERE ";
        for (int i = 1; i <= 3; ++i)
            sql += (i > 1 ? y : QByteArray()) + "instr(t, ?" + QByteArray::number(i) + ") > 0";
    } else {
        sql = "SELECT Clave FROM Plantas WHERE ";
        for (int i = 1; i <= 3; ++i)
            sql += (i > 1 ? y : QByteArray()) + "instr(" + kUnido + ", ?" + QByteArray::number(i) + ") > 0";
    }
    return sql;
}

int usage()
{
    err() << "usage: bench_search [--scale F] [--runs N] [--dir DIR]\n"
             "  --scale F  size of the synthetic database (1.0: 20,000 herbs and formulas)\n"
             "  --runs N   timed runs per line; medians are printed (default 7)\n"
             "  --dir DIR  use the database in DIR, or generate one there and keep it\n";
    return 2;
}

} // namespace

int main(int argc, char **argv)
{
    QCoreApplication app(argc, argv);
    QStringList args = app.arguments().mid(1);
    double scale = 1.0;
    int runs = 7;
    QString dir;
    while (!args.isEmpty()) {
        const QString arg = args.takeFirst();
        bool ok = !args.isEmpty();
        if (ok && arg == u"--scale")
            scale = args.takeFirst().toDouble(&ok), ok = ok && scale > 0;
        else if (ok && arg == u"--runs")
            runs = args.takeFirst().toInt(&ok), ok = ok && runs > 0;
        else if (ok && arg == u"--dir")
            dir = args.takeFirst();
        else
            ok = false;
        if (!ok)
            return usage();
    }

    try {
        QTemporaryDir temporary;
        std::unique_ptr<Database> db = SyntheticDatabase::openOrGenerate(dir, scale, temporary, out());
        int filas = 0;
        {
            Statement s(*db, QStringLiteral("SELECT count(*) FROM Plantas"));
            s.step();
            filas = int(s.int64(0));
        }
        const QStringList terminos = elegirTerminos(*db);
        if (terminos.size() < 3)
            throw DbError(DbError::Code::General, QStringLiteral("The texts hold too few words to search."));
        QList<QByteArray> terminosUtf8;
        for (const QString &t : terminos)
            terminosUtf8 << t.toUtf8();
        out() << QStringLiteral("Plantas %1 rows; terms %2; %3 runs\n\n").arg(filas).arg(terminos.join(u' ')).arg(runs);
        out().flush();

        TTagBits hits;
        const auto nuestra = [&](bool todos) {
            return [&, todos] {
                buscarTexto(*db, terminos, todos, false, false, hits);
                return contar(hits);
            };
        };
        std::vector<std::unique_ptr<Plain>> planas;
        const auto plana = [&](bool todos, bool unaVez) {
            const QByteArray sql = consultaPlana(todos, unaVez);
            planas.push_back(std::make_unique<Plain>(*db, sql.constData()));
            Plain *p = planas.back().get();
            return [p, &terminosUtf8] {
                for (int i = 0; i < 3; ++i)
                    p->bind(i + 1, terminosUtf8[i]);
                int n = 0;
                while (p->step())
                    ++n;
                p->reset();
                return n;
            };
        };
        // The parts of our search on their own: reading the fields, then turning the RTF into text.
        const QStringList campos = camposDeBusqueda(false, false);
        const auto lectura = [&](bool plano) {
            return [&, plano] {
                Statement s(*db, QStringLiteral("SELECT Clave, %1 FROM Plantas ORDER BY Clave").arg(campos.join(u',')));
                qint64 caracteres = 0;
                while (s.step())
                    for (int i = 1; i <= campos.size(); ++i)
                        caracteres += plano && i <= 3 ? Rtf::textoPlano(s.text(i)).size() : s.text(i).size();
                return int(caracteres / 1024);
            };
        };
        // The same search with a cursor in primary order, row by row.
        const auto conCursor = [&] {
            Cursor c(*db, QStringLiteral("Plantas"));
            c.open();
            QList<int> indices;
            for (const QString &campo : campos)
                indices << c.fieldIndex(campo);
            const int clave = c.fieldIndex(u"Clave");
            indices << clave;
            hits.clear();
            QString texto;
            for (int r = 1, n = c.recordCount(); r <= n; ++r) {
                const Record fila = c.recordAt(r, indices);
                texto.resize(0);
                for (int i = 0; i < campos.size(); ++i) {
                    if (i > 0)
                        texto += u'|';
                    const QString valor = fila.value(indices[i]).toString();
                    texto += i < 3 ? Rtf::textoPlano(valor) : valor;
                }
                Texto::plegarEn(texto, texto);
                hits.set(fila.value(clave).toInt(), Texto::algunTermino(terminos, texto));
            }
            return contar(hits);
        };

        // Our search with the stored RTF taken as text, markup included: what the
        // search costs apart from turning RTF into text.
        const auto sinConvertir = [&](bool todos) {
            return [&, todos] {
                Statement s(*db, QStringLiteral("SELECT Clave, %1 FROM Plantas ORDER BY Clave").arg(campos.join(u',')));
                hits.clear();
                QString texto;
                while (s.step()) {
                    texto.resize(0);
                    for (int i = 1; i <= campos.size(); ++i) {
                        if (i > 1)
                            texto += u'|';
                        texto += s.text(i);
                    }
                    Texto::plegarEn(texto, texto);
                    hits.set(int(s.int64(0)),
                             todos ? Texto::todosLosTerminos(terminos, texto) : Texto::algunTermino(terminos, texto));
                }
                return contar(hits);
            };
        };

        std::vector<Line> lines;
        const auto add = [&](const char *what, std::function<int()> pass) {
            Line l;
            l.what = QString::fromUtf8(what);
            l.pass = std::move(pass);
            lines.push_back(std::move(l));
        };
        add("a. ours, any term (Cualquiera)", nuestra(false));
        add("b. ours, every term (Todos)", nuestra(true));
        add("plain, any: instr(upper(a||'|'||b...)) per term", plana(false, false));
        add("plain, every: the same with AND", plana(true, false));
        add("plain, any: text built once per row", plana(false, true));
        add("plain, every: text built once per row", plana(true, true));
        add("(info) read the 8 fields only", lectura(false));
        add("(info) read + textoPlano of the 3 texts", lectura(true));
        add("(info) ours, any, through a Cursor row by row", conCursor);
        add("(info) ours, any, RTF searched as stored", sinConvertir(false));
        add("(info) ours, every, RTF searched as stored", sinConvertir(true));
        measure(lines, runs);

        out() << QStringLiteral("%1 %2 %3\n")
                     .arg(QStringLiteral("line"), -50)
                     .arg(QStringLiteral("median"), 10)
                     .arg(QStringLiteral("rows found"), 11);
        for (const Line &l : lines) {
            const bool kb = l.what.contains(QLatin1String("read"));
            out() << QStringLiteral("%1 %2 %3\n")
                         .arg(l.what, -50)
                         .arg(duration(l.samples.median()), 10)
                         .arg(l.hits == -2 ? QStringLiteral("varies")
                              : kb         ? QStringLiteral("(%1 KB)").arg(l.hits)
                                           : QString::number(l.hits),
                              11);
        }
        out() << "\nSQLite's upper() capitalises ASCII letters only (no accents folded) and it searches\n"
                 "the stored RTF, markup included: it does less work than ours, and its hits can differ\n"
                 "where a term meets an accent or a control word.\n\n";
        for (int modo = 0; modo < 2; ++modo) {
            const qint64 ours = lines[size_t(modo)].samples.median();
            const qint64 plain =
                std::min(lines[size_t(2 + modo)].samples.median(), lines[size_t(4 + modo)].samples.median());
            const double veces = ours > 0 ? double(plain) / double(ours) : 0;
            out() << QStringLiteral("%1: ours %2, fastest plain %3: %4x faster (target >= 3x: %5; under 300 ms: %6)\n")
                         .arg(modo == 0 ? QStringLiteral("any  ") : QStringLiteral("every"))
                         .arg(duration(ours), duration(plain))
                         .arg(veces, 0, 'f', 2)
                         .arg(veces >= 3 ? QStringLiteral("met") : QStringLiteral("MISSED"))
                         .arg(ours < 300'000'000 ? QStringLiteral("met") : QStringLiteral("MISSED"));
        }
        if (lines[0].hits != lines[2].hits || lines[1].hits != lines[3].hits)
            out() << "note: the plain scan finds a different number of rows (see above)\n";
        if (lines[0].hits != lines[8].hits)
            out() << "note: the search through a cursor finds a different number of rows\n";
        if (scale != 1.0 && temporary.isValid() && dir == temporary.path())
            out() << "\nThe targets are set for the default scale (1.0).\n";
        return 0;
    } catch (const DbError &e) {
        err() << "bench_search: " << e.message() << "\n";
        return 1;
    }
}
