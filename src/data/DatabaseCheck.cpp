#include "data/DatabaseCheck.h"

#include <functional>

namespace yb {
namespace {

using Describe = std::function<QString(const Statement &)>;

void collect(Database &db, const QString &sql, const Describe &describe, QStringList &problems)
{
    Statement s(db, sql);
    while (s.step())
        problems << describe(s);
}

struct LinkCheck {
    QLatin1String table;
    QLatin1String keyField;   // K field
    QLatin1String orderField; // O field
    QLatin1String target;     // table the K field names
};

struct ProfileCheck {
    QLatin1String field;
    int scales;
};

} // namespace

QStringList checkDatabase(Database &db)
{
    QStringList problems = db.integrityProblems();
    if (!problems.isEmpty())
        return problems;
    // Every table with every column: the checks below read them.
    for (const TableDef &t : Schema::tables()) {
        if (t.working)
            continue;
        try {
            db.tableInfo(t.name);
        } catch (const DbError &e) {
            problems << e.message();
        }
    }
    if (!problems.isEmpty())
        return problems;

    for (const char *name : {"Plantas", "Usos", "Sintomas", "Componen"}) {
        const QLatin1String table(name);
        collect(
            db, QStringLiteral("SELECT Clave FROM %1 WHERE Orden IS NULL").arg(Schema::quoted(table)),
            [&](const Statement &s) { return QStringLiteral("%1: row %2 has no Orden").arg(table, s.text(0)); },
            problems);
    }

    const LinkCheck links[] = {
        {QLatin1String("Rel"), QLatin1String("KPlanta"), QLatin1String("OPlanta"), QLatin1String("Plantas")},
        {QLatin1String("Rel"), QLatin1String("KUso"), QLatin1String("OUso"), QLatin1String("Usos")},
        {QLatin1String("RelSint"), QLatin1String("KPlanta"), QLatin1String("OPlanta"), QLatin1String("Plantas")},
        {QLatin1String("RelSint"), QLatin1String("KSint"), QLatin1String("OSint"), QLatin1String("Sintomas")},
        {QLatin1String("RelComp"), QLatin1String("KPlanta"), QLatin1String("OPlanta"), QLatin1String("Plantas")},
        {QLatin1String("RelComp"), QLatin1String("KComp"), QLatin1String("OComp"), QLatin1String("Componen")},
        {QLatin1String("RelForm"), QLatin1String("KFormula"), QLatin1String("OFormula"), QLatin1String("Plantas")},
        {QLatin1String("RelForm"), QLatin1String("KPlanta"), QLatin1String("OPlanta"), QLatin1String("Plantas")},
    };
    for (const LinkCheck &l : links) {
        // Links to rows that were deleted are allowed (nothing cascades); only mismatches count.
        const QString sql = QStringLiteral("SELECT l.%2, l.%3, t.Orden FROM %1 l JOIN %4 t ON t.Clave = l.%2 "
                                           "WHERE l.%3 IS NOT t.Orden")
                                .arg(Schema::quoted(l.table), l.keyField, l.orderField, Schema::quoted(l.target));
        collect(
            db, sql,
            [&](const Statement &s) {
                return QStringLiteral("%1: the link to %2 %3 has %4 = %5, but that row's Orden is %6")
                    .arg(l.table, l.target, s.text(0), l.orderField, s.text(1), s.text(2));
            },
            problems);
    }

    for (const ProfileCheck p : {ProfileCheck{QLatin1String("Meridianos"), 12}, ProfileCheck{QLatin1String("Sabor"), 8},
                                 ProfileCheck{QLatin1String("Energia"), 5}}) {
        const QString sql = QStringLiteral("SELECT Clave, %1 FROM Plantas WHERE %1 IS NOT NULL AND %1 <> '' "
                                           "AND (%1 GLOB '*[^0-9]*' OR length(%1) < %2)")
                                .arg(p.field)
                                .arg(p.scales);
        collect(
            db, sql,
            [&](const Statement &s) {
                return QStringLiteral("Plantas: row %1 has the %2 profile \"%3\", not a string of %4 or more digits")
                    .arg(s.text(0), p.field, s.text(1))
                    .arg(p.scales);
            },
            problems);
    }
    return problems;
}

} // namespace yb
