#include "data/Schema.h"

#include "data/Collation.h"

#include <algorithm>

namespace yb::Schema {
namespace {

FieldDef alpha(const char *name, int size) { return {QString::fromLatin1(name), FieldType::Alpha, size}; }
FieldDef typed(const char *name, FieldType type) { return {QString::fromLatin1(name), type, 0}; }
IndexDef index(const char *name, QStringList fields, bool unique = false, bool descending = false)
{
    return {QString::fromLatin1(name), std::move(fields), unique, descending};
}

QList<FieldDef> plantasFields()
{
    using T = FieldType;
    QList<FieldDef> f{typed("Clave", T::AutoInc), typed("Cod", T::Long), typed("EsFormula", T::Logical)};
    for (int i = 0; i <= 10; ++i)
        f << FieldDef{QStringLiteral("Nom%1").arg(i), T::Alpha, i <= 3 ? 50 : 35};
    f << alpha("PinYin", 50) << alpha("Familia", 25) << alpha("Habitat", 50) << alpha("Parte", 40)
      << typed("Descripcion", T::Memo) << typed("Floracion", T::Memo) << typed("Aplicacion", T::Memo)
      << typed("Administracion", T::Memo) << alpha("Fi", 50) << alpha("Fj", 50) << alpha("Fk", 50)
      << typed("KEspecie", T::Short) << typed("MemoZurk", T::Memo) << typed("MemoZurk2", T::Memo)
      << alpha("Toxicidad", 1) << typed("Magistrales", T::Memo) << typed("Foto1", T::Graphic)
      << typed("Foto2", T::Graphic) << typed("Foto3", T::Graphic) << typed("Orden", T::Long) << alpha("Meridianos", 14)
      << alpha("Sabor", 10) << alpha("Energia", 10) << alpha("Movimiento", 10) << typed("KClase", T::Long)
      << typed("KSubClase", T::Long) << typed("KFuente", T::Long) << alpha("ParteIng", 40)
      << typed("DescripcionIng", T::Memo) << typed("FloracionIng", T::Memo) << typed("AdministracionIng", T::Memo);
    return f;
}

QList<TableDef> buildTables()
{
    using T = FieldType;
    const auto L = [](const char *n) { return typed(n, FieldType::Long); };
    QList<TableDef> t;
    t << TableDef{"Plantas", plantasFields(), {"Clave"}, {}};
    t << TableDef{"Especies", {typed("Clave", T::AutoInc), alpha("Nom", 10), alpha("NomIng", 10)}, {"Clave"}, {}};
    t << TableDef{"Clases",
                  {typed("Num", T::AutoInc), L("Padre"), alpha("NomEsp", 80), alpha("NomIng", 80)},
                  {"Num"},
                  {index("PorNom", {"NomEsp"}), index("PorNomIng", {"NomIng"})}};
    t << TableDef{"Fuentes",
                  {typed("Clave", T::AutoInc), alpha("Titulo", 120), alpha("Chino", 60), alpha("Autor", 60),
                   alpha("Dinastia", 60)},
                  {"Clave"},
                  {index("PorTitulo", {"Titulo"})}};
    const QList<IndexDef> catalogueIndexes{index("PorNom", {"Nom"}), index("PorNomIng", {"NomIng"})};
    t << TableDef{"Usos",
                  {typed("Clave", T::AutoInc), L("Orden"), alpha("Nom", 120), alpha("NomIng", 120)},
                  {"Clave"},
                  catalogueIndexes};
    t << TableDef{"Sintomas",
                  {typed("Clave", T::AutoInc), alpha("Nom", 120), L("Orden"), alpha("NomIng", 120)},
                  {"Clave"},
                  catalogueIndexes};
    t << TableDef{
        "Componen", {typed("Clave", T::AutoInc), alpha("Nom", 40), L("Orden"), alpha("NomIng", 40)}, {"Clave"}, {}};
    t << TableDef{"Rel",
                  {L("KPlanta"), L("KUso"), L("OPlanta"), L("OUso")},
                  {"KPlanta", "KUso"},
                  {index("PorOPlanta", {"OPlanta"}), index("PorOUso", {"OUso"})}};
    t << TableDef{"RelSint",
                  {L("KPlanta"), L("KSint"), typed("Memo", T::Memo), L("OPlanta"), L("OSint")},
                  {"KPlanta", "KSint"},
                  {index("PorOPlanta", {"OPlanta"}), index("PorOSint", {"OSint"})}};
    t << TableDef{"RelComp",
                  {L("KPlanta"), L("KComp"), L("OPlanta"), L("OComp")},
                  {"KPlanta", "KComp"},
                  {index("PorOPlanta", {"OPlanta"})}};
    t << TableDef{"RelForm",
                  {L("KFormula"), L("KPlanta"), typed("Porcentaje", T::Number), L("OFormula"), L("OPlanta")},
                  {"KFormula", "KPlanta"},
                  {index("PorOPlanta", {"OPlanta"}), index("PorOFormula", {"OFormula"})}};
    t << TableDef{"Notas", {L("KPlanta"), typed("Memo", T::Memo)}, {"KPlanta"}, {}};
    // "#PorSinon" serves the look-up of a typed synonym; it is no order of the program's.
    t << TableDef{"Sinonimos",
                  {L("KPlanta"), alpha("Sinon", 50)},
                  {},
                  {index("PorKPlanta", {"KPlanta"}), index("#PorSinon", {"Sinon"})}};
    t << TableDef{"Glosario", {alpha("Nom", 30), typed("Memo", T::Memo)}, {}, {index("PorNom", {"Nom"})}};
    t << TableDef{"Glossary", {alpha("Nom", 30), typed("Memo", T::Memo)}, {}, {index("PorNom", {"Nom"})}};
    t << TableDef{"Selecc", {typed("Clave", T::AutoInc), L("Num"), alpha("Nom", 120)}, {"Clave"}, {}, true};
    t << TableDef{"Repertor",
                  {L("KPlanta"), L("Cant"), alpha("P1", 14), alpha("P2", 10), alpha("P3", 10)},
                  {"KPlanta"},
                  {index("PorCant", {"Cant"}, false, true)},
                  true};
    return t;
}

} // namespace

QString quoted(const QString &identifier)
{
    QString q = identifier;
    q.replace(u'"', QStringLiteral("\"\""));
    return u'"' + q + u'"';
}

const QList<TableDef> &tables()
{
    static const QList<TableDef> all = buildTables();
    return all;
}

const TableDef *find(QStringView table)
{
    for (const TableDef &t : tables())
        if (t.name.compare(table, Qt::CaseInsensitive) == 0)
            return &t;
    return nullptr;
}

QString physicalIndexName(const QString &table, const QString &index) { return table + u'.' + index; }

QString declaredType(const FieldDef &field)
{
    switch (field.type) {
    case FieldType::Alpha: return QStringLiteral("ALPHA_TEXT(%1)").arg(field.size);
    case FieldType::Long: return QStringLiteral("LONG_INT");
    case FieldType::Short: return QStringLiteral("SHORT_INT");
    case FieldType::AutoInc: return QStringLiteral("INTEGER");
    case FieldType::Logical: return QStringLiteral("LOGICAL_INT");
    case FieldType::Number: return QStringLiteral("NUMBER_REAL");
    case FieldType::Memo: return QStringLiteral("MEMO_TEXT");
    case FieldType::Graphic: return QStringLiteral("GRAPHIC_BLOB");
    }
    return {};
}

FieldDef fieldFromDeclared(const QString &name, const QString &declared, bool primaryKey)
{
    const QString d = declared.toUpper();
    FieldDef f{name, FieldType::Memo, 0};
    if (d.startsWith(u"ALPHA_TEXT")) {
        f.type = FieldType::Alpha;
        const qsizetype open = d.indexOf(u'('), close = d.indexOf(u')');
        f.size = open > 0 && close > open ? d.mid(open + 1, close - open - 1).toInt() : 255;
    } else if (d == u"INTEGER" && primaryKey) {
        f.type = FieldType::AutoInc;
    } else if (d == u"SHORT_INT") {
        f.type = FieldType::Short;
    } else if (d == u"LOGICAL_INT") {
        f.type = FieldType::Logical;
    } else if (d.contains(u"INT")) {
        f.type = FieldType::Long;
    } else if (d == u"NUMBER_REAL" || d.contains(u"REAL") || d.contains(u"FLOA") || d.contains(u"DOUB")) {
        f.type = FieldType::Number;
    } else if (d.contains(u"BLOB")) {
        f.type = FieldType::Graphic;
    }
    return f;
}

QString createTableSql(const TableDef &table)
{
    // Long texts and pictures are stored after the other columns: SQLite then
    // reaches the short fields of a row without reading through its texts.
    QList<FieldDef> stored = table.fields;
    std::stable_partition(stored.begin(), stored.end(),
                          [](const FieldDef &f) { return f.type != FieldType::Memo && f.type != FieldType::Graphic; });
    QStringList columns;
    for (const FieldDef &f : stored) {
        QString column = quoted(f.name) + u' ' + declaredType(f);
        if (f.type == FieldType::AutoInc)
            column += QStringLiteral(" PRIMARY KEY AUTOINCREMENT");
        columns << column;
    }
    return QStringLiteral("CREATE %1TABLE %2 (%3)")
        .arg(table.working ? QStringLiteral("TEMP ") : QString(), quoted(table.name), columns.join(u", "));
}

QString createIndexSql(const QString &table, const IndexDef &index, const QList<FieldDef> &fields)
{
    QStringList columns;
    for (const QString &name : index.fields) {
        QString column = quoted(name);
        for (const FieldDef &f : fields)
            if (f.name.compare(name, Qt::CaseInsensitive) == 0 && f.isText())
                column += QStringLiteral(" COLLATE ") + QLatin1String(Collation::kName);
        if (index.descending)
            column += QStringLiteral(" DESC");
        columns << column;
    }
    return QStringLiteral("CREATE %1INDEX %2 ON %3 (%4)")
        .arg(index.unique ? QStringLiteral("UNIQUE ") : QString(), quoted(physicalIndexName(table, index.name)),
             quoted(table), columns.join(u", "));
}

} // namespace yb::Schema
