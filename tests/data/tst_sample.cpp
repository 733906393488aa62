// The bundled sample database: it loads, holds what a practitioner expects,
// and keeps every invariant.
#include "data/DatabaseCheck.h"
#include "data/SampleDatabase.h"

#include <QTemporaryDir>
#include <QTest>

using namespace yb;

class TestSample : public QObject {
    Q_OBJECT

    QTemporaryDir m_dir;
    std::unique_ptr<Database> m_db;

    qint64 scalar(const QString &sql)
    {
        Statement s(*m_db, sql);
        return s.step() ? s.int64(0) : -1;
    }

private slots:
    void initTestCase() { m_db = SampleDatabase::create(m_dir.path()); }

    void keepsEveryInvariant() { QCOMPARE(checkDatabase(*m_db), QStringList()); }

    void holdsEnough_data()
    {
        QTest::addColumn<QString>("sql");
        QTest::addColumn<int>("atLeast");
        QTest::newRow("single herbs") << "SELECT count(*) FROM Plantas WHERE EsFormula = 0" << 40;
        QTest::newRow("formulas") << "SELECT count(*) FROM Plantas WHERE EsFormula = 1" << 8;
        QTest::newRow("actions") << "SELECT count(*) FROM Usos" << 40;
        QTest::newRow("indications") << "SELECT count(*) FROM Sintomas" << 40;
        QTest::newRow("herb links") << "SELECT (SELECT count(*) FROM Rel) + (SELECT count(*) FROM RelSint)" << 300;
        QTest::newRow("sub-classes") << "SELECT count(*) FROM Clases WHERE Padre <> 0" << 2;
        QTest::newRow("sources") << "SELECT count(*) FROM Fuentes" << 5;
        QTest::newRow("glossary") << "SELECT count(*) FROM Glosario" << 20;
        QTest::newRow("english glossary") << "SELECT count(*) FROM Glossary" << 20;
        QTest::newRow("synonyms") << "SELECT count(*) FROM Sinonimos" << 1;
        QTest::newRow("notes") << "SELECT count(*) FROM Notas" << 1;
        QTest::newRow("species") << "SELECT count(*) FROM Especies" << 1;
    }

    void holdsEnough()
    {
        QFETCH(QString, sql);
        QFETCH(int, atLeast);
        QVERIFY2(scalar(sql) >= atLeast, qPrintable(QString("%1 gives %2").arg(sql).arg(scalar(sql))));
    }

    void formulasAreWholeAndMadeOfHerbs()
    {
        QCOMPARE(scalar("SELECT count(*) FROM Plantas f WHERE f.EsFormula = 1 AND abs((SELECT total(Porcentaje) "
                        "FROM RelForm r WHERE r.KFormula = f.Clave) - 100) > 0.001"),
                 0);
        QCOMPARE(scalar("SELECT count(*) FROM RelForm r JOIN Plantas p ON p.Clave = r.KPlanta WHERE p.EsFormula = 1"),
                 0);
        QCOMPARE(
            scalar("SELECT count(*) FROM RelForm r LEFT JOIN Plantas p ON p.Clave = r.KPlanta WHERE p.Clave IS NULL"),
            0);
    }

    void herbsAreComplete()
    {
        QCOMPARE(scalar("SELECT count(*) FROM Plantas WHERE PinYin IS NULL OR Nom0 IS NULL OR Nom2 IS NULL "
                        "OR Nom3 IS NULL"),
                 0);
        QCOMPARE(scalar("SELECT count(*) FROM Plantas WHERE EsFormula = 0 AND (length(Meridianos) <> 12 "
                        "OR length(Sabor) <> 8 OR length(Energia) <> 5)"),
                 0);
        QCOMPARE(scalar("SELECT count(*) FROM Plantas WHERE EsFormula = 0 AND (Descripcion NOT LIKE '{\\rtf%' "
                        "OR DescripcionIng NOT LIKE '{\\rtf%')"),
                 0);
        QCOMPARE(
            scalar("SELECT count(*) FROM Plantas p JOIN Clases c ON c.Num = p.KSubClase WHERE c.Padre <> p.KClase"), 0);
    }
};

QTEST_GUILESS_MAIN(TestSample)
#include "tst_sample.moc"
