#pragma once

#include "data/Database.h"

#include <QString>
#include <memory>

class QTemporaryDir;
class QTextStream;

namespace yb {

// How much a synthetic database holds. The defaults are the size the
// benchmarks are judged at; scaled() multiplies every count by a factor.
struct SyntheticScale {
    int herbs = 20000;                // rows of Plantas, formulas included
    double formulaShare = 0.15;       // share of Plantas rows that are formulas
    int actions = 3000;               // Usos
    int indications = 3000;           // Sintomas
    int components = 300;             // Componen
    int links = 300000;               // rows of Rel and RelSint together
    double componentLinkShare = 0.05; // rows of RelComp, as a share of links
    int classes = 30;                 // top-level classes, each with a few sub-classes
    int glossaryTerms = 400;          // rows of Glosario and of Glossary
    int memoBytes = 2048;             // typical size of one monograph text (RTF)
    quint64 seed = 1;

    static SyntheticScale scaled(double factor, quint64 seed = 1);
};

// Generates large, realistic-looking herbal databases for benchmarks.
namespace SyntheticDatabase {

// Creates a new database in the directory and fills it with made-up herbs,
// formulas, catalogues, links, notes and monograph texts. The same scale and
// seed always give the same data. Refuses to overwrite an existing database;
// leaves no file behind on failure.
std::unique_ptr<Database> create(const QString &directory, const SyntheticScale &scale = {});

// The database a benchmark runs on: the one in `directory` when there is one,
// else a new one at that scale generated there (in `temporary` when
// `directory` is empty). Says on `log` which it is.
std::unique_ptr<Database> openOrGenerate(const QString &directory, double scale, QTemporaryDir &temporary,
                                         QTextStream &log);

} // namespace SyntheticDatabase
} // namespace yb
