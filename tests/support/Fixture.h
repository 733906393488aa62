#pragma once

// Builds small databases for tests in a temporary directory.

#include "data/Cursor.h"
#include "data/Database.h"

#include <QTemporaryDir>
#include <QTest>
#include <memory>

namespace yb::test {

// A fresh, empty database in its own temporary directory.
struct TempDatabase {
    QTemporaryDir dir;
    std::unique_ptr<Database> db;

    TempDatabase() : db(Database::create(dir.path())) {}
    Database &operator*() { return *db; }
    Database *operator->() { return db.get(); }
    QString path() const { return dir.path(); }

    // Inserts a row by field name through a cursor, as the application would.
    qint64 add(const QString &table, const QVariantMap &values)
    {
        Cursor c(*db, table);
        c.open();
        c.append();
        for (auto it = values.begin(); it != values.end(); ++it)
            c.setValue(it.key(), it.value());
        c.post();
        return c.rowId();
    }

    qint64 herb(const QString &pinyin, const QString &latin = {}, bool formula = false, int orden = 0)
    {
        QVariantMap v{
            {"PinYin", pinyin}, {"Nom0", latin.isEmpty() ? QVariant() : QVariant(latin)}, {"EsFormula", formula}};
        const qint64 id = add(QStringLiteral("Plantas"), v);
        setOrden(QStringLiteral("Plantas"), id, orden ? orden : int(id));
        return id;
    }

    qint64 action(const QString &name, const QString &english = {})
    {
        const qint64 id = add(QStringLiteral("Usos"), {{"Nom", name}, {"NomIng", english}});
        setOrden(QStringLiteral("Usos"), id, int(id));
        return id;
    }

    // Links a herb to an action with both order numbers copied.
    void link(qint64 herb, qint64 action)
    {
        add(QStringLiteral("Rel"), {{"KPlanta", herb},
                                    {"KUso", action},
                                    {"OPlanta", orden("Plantas", herb)},
                                    {"OUso", orden("Usos", action)}});
    }

    int orden(const char *table, qint64 key)
    {
        Statement s(*db, QStringLiteral("SELECT Orden FROM \"%1\" WHERE Clave = ?").arg(QLatin1String(table)));
        s.bind(1, key);
        return s.step() ? int(s.int64(0)) : 0;
    }

    void setOrden(const QString &table, qint64 key, int orden)
    {
        Statement s(*db, QStringLiteral("UPDATE \"%1\" SET Orden = ? WHERE Clave = ?").arg(table));
        s.bind(1, orden);
        s.bind(2, key);
        s.exec();
        db->touch(table);
    }

    // A small herbal database: three herbs, a formula of two of them, a class,
    // actions and links. In PinYin order: Bai Zhu, Gan Cao, Gui Zhi Tang, Ren Shen.
    static void fill(Database &db)
    {
        const auto add = [&](const QString &table, const QVariantMap &values) {
            Cursor c(db, table);
            c.open();
            c.append();
            for (auto it = values.begin(); it != values.end(); ++it)
                c.setValue(it.key(), it.value());
            c.post();
            return int(c.rowId());
        };
        add("Clases", {{"Padre", 0}, {"NomEsp", "Tónicos"}, {"NomIng", "Tonics"}});
        add("Clases", {{"Padre", 1}, {"NomEsp", "Tónicos del qi"}, {"NomIng", "Qi tonics"}});
        add("Especies", {{"Nom", "Planta"}, {"NomIng", "Plant"}});
        const QString rtf = QStringLiteral("{\\rtf1\\ansi\\deff0{\\fonttbl{\\f0 Arial;}}\\f0\\fs20 %1\\par}");
        const int baiZhu = add("Plantas", {{"PinYin", "Bai Zhu"},
                                           {"Nom0", "Rhizoma Atractylodis"},
                                           {"EsFormula", false},
                                           {"KClase", 1},
                                           {"KSubClase", 2},
                                           {"KEspecie", 1},
                                           {"Orden", 1},
                                           {"Meridianos", "095000090000"},
                                           {"Sabor", "05090000"},
                                           {"Energia", "09000"},
                                           {"Descripcion", rtf.arg("Tonifica el qi")}});
        const int ganCao = add("Plantas", {{"PinYin", "Gan Cao"},
                                           {"Nom0", "Radix Glycyrrhizae"},
                                           {"EsFormula", false},
                                           {"KClase", 1},
                                           {"Orden", 2},
                                           {"Sabor", "00090000"}});
        const int renShen = add("Plantas", {{"PinYin", "Ren Shen"},
                                            {"Nom0", "Radix Ginseng"},
                                            {"Nom5", ""},
                                            {"Nom6", "G"},
                                            {"Nom7", "Gi"},
                                            {"EsFormula", false},
                                            {"Orden", 3}});
        const int guiZhi = add("Plantas", {{"PinYin", "Gui Zhi Tang"}, {"EsFormula", true}, {"Orden", 4}});
        const int qi = add("Usos", {{"Nom", "Tonifica el qi"}, {"NomIng", "Tonifies qi"}, {"Orden", 1}});
        const int humedad = add("Usos", {{"Nom", "Seca la humedad"}, {"NomIng", "Dries dampness"}, {"Orden", 2}});
        add("Rel", {{"KPlanta", baiZhu}, {"KUso", qi}, {"OPlanta", 1}, {"OUso", 1}});
        add("Rel", {{"KPlanta", baiZhu}, {"KUso", humedad}, {"OPlanta", 1}, {"OUso", 2}});
        add("Rel", {{"KPlanta", renShen}, {"KUso", qi}, {"OPlanta", 3}, {"OUso", 1}});
        add("RelForm",
            {{"KFormula", guiZhi}, {"KPlanta", ganCao}, {"Porcentaje", 40.0}, {"OFormula", 4}, {"OPlanta", 2}});
        add("RelForm",
            {{"KFormula", guiZhi}, {"KPlanta", renShen}, {"Porcentaje", 60.0}, {"OFormula", 4}, {"OPlanta", 3}});
        add("Sinonimos", {{"KPlanta", ganCao}, {"Sinon", "Regaliz"}});
    }

    int count(const QString &table)
    {
        Statement s(*db, QStringLiteral("SELECT count(*) FROM \"%1\"").arg(table));
        s.step();
        return int(s.int64(0));
    }
};

// Walks a cursor from first to last and collects one field.
inline QStringList column(Cursor &c, const QString &field)
{
    QStringList values;
    for (c.first(); !c.eof(); c.next())
        values << c.asString(field);
    return values;
}

} // namespace yb::test
