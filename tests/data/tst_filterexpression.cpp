// Filter expressions: Field=Value terms joined by " and ", typed and bound.
#include "data/FilterExpression.h"
#include "support/Fixture.h"

#include <QTest>

using namespace yb;

class TestFilterExpression : public QObject {
    Q_OBJECT
private slots:
    void parses_data()
    {
        QTest::addColumn<QString>("text");
        QTest::addColumn<QStringList>("fields");
        QTest::addColumn<QVariantList>("values");
        // clang-format off
        QTest::newRow("empty") << "" << QStringList() << QVariantList();
        QTest::newRow("blank") << "   " << QStringList() << QVariantList();
        QTest::newRow("logical") << "EsFormula=False" << QStringList{"EsFormula"} << QVariantList{false};
        QTest::newRow("logical any case") << "esformula=TRUE" << QStringList{"EsFormula"} << QVariantList{true};
        QTest::newRow("class") << "KClase=12" << QStringList{"KClase"} << QVariantList{12};
        QTest::newRow("two terms") << "EsFormula=True and KSubClase=7" << QStringList{"EsFormula", "KSubClase"}
                                   << QVariantList{true, 7};
        QTest::newRow("spaces and AND") << " KClase = 3  AND Toxicidad='2' " << QStringList{"KClase", "Toxicidad"}
                                        << QVariantList{3, "2"};
        QTest::newRow("quoted text with and") << "PinYin='Gan and Cao'" << QStringList{"PinYin"}
                                              << QVariantList{"Gan and Cao"};
        QTest::newRow("doubled quote") << "PinYin='O''Neil'" << QStringList{"PinYin"} << QVariantList{"O'Neil"};
        QTest::newRow("negative") << "Padre=-1" << QStringList{"Padre"} << QVariantList{-1};
        // clang-format on
    }

    void parses()
    {
        QFETCH(QString, text);
        QFETCH(QStringList, fields);
        QFETCH(QVariantList, values);
        yb::test::TempDatabase db;
        const auto described = db->tableInfo(fields.contains("Padre") ? "Clases" : "Plantas");
        const TableInfo &table = *described;
        const QList<FilterTerm> terms = FilterExpression::parse(text, table);
        QCOMPARE(terms.size(), fields.size());
        for (int i = 0; i < terms.size(); ++i) {
            QCOMPARE(table.fields[terms[i].field].name, fields[i]);
            QCOMPARE(terms[i].value, values[i]);
        }
    }

    void refuses_data()
    {
        QTest::addColumn<QString>("text");
        QTest::addColumn<int>("code");
        const int bad = int(DbError::Code::BadFilter), unknown = int(DbError::Code::UnknownField);
        QTest::newRow("or") << "KClase=1 or KClase=2" << bad;
        QTest::newRow("less than") << "KClase<3" << bad;
        QTest::newRow("sql injection") << "KClase=1; DROP TABLE Plantas" << bad;
        QTest::newRow("quote injection") << "PinYin='x' OR '1'='1'" << bad;
        QTest::newRow("no value") << "KClase=" << bad;
        QTest::newRow("no field") << "=3" << bad;
        QTest::newRow("dangling and") << "KClase=3 and" << bad;
        QTest::newRow("text for a number") << "KClase=doce" << bad;
        QTest::newRow("quoted number") << "KClase='3'" << bad;
        QTest::newRow("yes for logical") << "EsFormula=Si" << bad;
        QTest::newRow("unclosed quote") << "PinYin='Gan" << bad;
        QTest::newRow("picture") << "Foto1=1" << bad;
        QTest::newRow("unknown field") << "Clase=3" << unknown;
    }

    void refuses()
    {
        QFETCH(QString, text);
        QFETCH(int, code);
        yb::test::TempDatabase db;
        try {
            FilterExpression::parse(text, *db->tableInfo("Plantas"));
            QFAIL("an invalid filter was accepted");
        } catch (const DbError &e) {
            QCOMPARE(int(e.code()), code);
            QVERIFY(e.message().contains(text));
        }
    }

    void injectedTextIsAValueNeverSql()
    {
        yb::test::TempDatabase db;
        db.herb("x'); DROP TABLE Plantas; --");
        Cursor c(*db, "Plantas");
        c.setFilter("PinYin='x''); DROP TABLE Plantas; --'");
        c.setFiltered(true);
        c.open();
        QCOMPARE(c.recordCount(), 1);
        QVERIFY(db->hasTable("Plantas"));
    }
};

QTEST_GUILESS_MAIN(TestFilterExpression)
#include "tst_filterexpression.moc"
