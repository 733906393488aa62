// The table model over a cursor: rows, columns, display formats, lookups, edits.
#include "dbwidgets/CursorModel.h"
#include "dbwidgets/DisplayFormat.h"
#include "support/Fixture.h"

#include <QAbstractItemModelTester>
#include <QSignalSpy>
#include <QTest>

using namespace yb;
using yb::test::TempDatabase;

class TestCursorModel : public QObject {
    Q_OBJECT

    // Herbs in key order: 1 Gan Cao, 2 Ren Shen, 3 Bai Zhu, 4 Gui Zhi Tang (formula).
    void addHerbs(TempDatabase &db)
    {
        db.herb("Gan Cao", "Radix Glycyrrhizae");
        db.herb("Ren Shen", "Radix Ginseng");
        db.herb("Bai Zhu", "Rhizoma Atractylodis");
        db.herb("Gui Zhi Tang", QString(), true);
    }

    static QString text(const CursorModel &m, int row, int column, int role = Qt::DisplayRole)
    {
        return m.data(m.index(row, column), role).toString();
    }

    static int stored(TempDatabase &db, qint64 clave, QString *pinyin)
    {
        Statement s(*db, "SELECT PinYin FROM Plantas WHERE Clave = ?");
        s.bind(1, clave);
        if (!s.step())
            return 0;
        *pinyin = s.text(0);
        return 1;
    }

private slots:
    void numberFormat_data()
    {
        QTest::addColumn<double>("value");
        QTest::addColumn<QString>("format");
        QTest::addColumn<QString>("expected");
        // clang-format off
        QTest::newRow("percent, not scaled") << 12.5 << "0.0 %"
                                             << "12.5 %";
        QTest::newRow("percent rounds") << 33.333 << "0.0 %"
                                        << "33.3 %";
        QTest::newRow("percent whole") << 100.0 << "0.0 %"
                                       << "100.0 %";
        QTest::newRow("percent small") << 0.04 << "0.0 %"
                                       << "0.0 %";
        QTest::newRow("negative") << -7.26 << "0.0"
                                  << "-7.3";
        QTest::newRow("fixed decimals") << 7.0 << "0.00"
                                        << "7.00";
        QTest::newRow("optional decimals kept") << 3.14159 << "0.##"
                                                << "3.14";
        QTest::newRow("optional decimals dropped") << 3.0 << "0.##"
                                                   << "3";
        QTest::newRow("no integer digit") << 0.5 << "#.##"
                                          << ".5";
        QTest::newRow("leading zeros") << 7.0 << "000"
                                       << "007";
        QTest::newRow("prefix and suffix") << 2.5 << "x 0.0 g"
                                           << "x 2.5 g";
        // clang-format on
    }

    void numberFormat()
    {
        QFETCH(double, value);
        QFETCH(QString, format);
        QFETCH(QString, expected);
        QCOMPARE(formatNumber(value, format), expected);
    }

    void displayTextByType()
    {
        QCOMPARE(displayText(QVariant(), FieldType::Number, "0.0 %"), QString());
        QCOMPARE(displayText(12.5, FieldType::Number), QString("12.5"));
        QCOMPARE(displayText(12.5, FieldType::Number, "0.0 %"), QString("12.5 %"));
        QCOMPARE(displayText(true, FieldType::Logical), QString("True"));
        QCOMPARE(displayText(QString("Gan Cao"), FieldType::Alpha, "0.0 %"), QString("Gan Cao"));
        QCOMPARE(editText(33.333, FieldType::Number), QString("33.333"));
    }

    void rowsFollowTheCursor()
    {
        TempDatabase db;
        addHerbs(db);
        Cursor c(*db, "Plantas");
        CursorModel m;
        QAbstractItemModelTester tester(&m, QAbstractItemModelTester::FailureReportingMode::QtTest);
        m.setColumns({{"PinYin", "Nombre"}, {"Nom0", "Latín", {}, 120}});
        m.setCursor(&c);
        QCOMPARE(m.rowCount(), 0); // closed
        QCOMPARE(m.columnCount(), 2);
        QCOMPARE(m.headerData(1, Qt::Horizontal).toString(), QString("Latín"));

        c.open();
        QCOMPARE(m.rowCount(), 4);
        QCOMPARE(text(m, 0, 0), QString("Gan Cao"));
        QCOMPARE(text(m, 2, 1), QString("Rhizoma Atractylodis"));
        QCOMPARE(text(m, 3, 1), QString()); // null
        QCOMPARE(c.recNo(), 1);             // reading rows does not move the cursor

        c.setFilter("EsFormula=True");
        c.setFiltered(true);
        QCOMPARE(m.rowCount(), 1);
        QCOMPARE(text(m, 0, 0), QString("Gui Zhi Tang"));
        c.setFiltered(false);
        QCOMPARE(m.rowCount(), 4);

        // A row posted through another cursor on the same table shows up.
        QSignalSpy resets(&m, &QAbstractItemModel::modelReset);
        Cursor other(*db, "Plantas");
        other.open();
        other.append();
        other.setValue(u"PinYin", "Huang Qi");
        other.post();
        QVERIFY(resets.count() > 0);
        QCOMPARE(m.rowCount(), 5);
        QCOMPARE(text(m, 4, 0), QString("Huang Qi"));

        // ... and a change to a row already shown replaces the old text.
        other.first();
        other.edit();
        other.setValue(u"PinYin", "Gan Cao Zhi");
        other.post();
        QCOMPARE(text(m, 0, 0), QString("Gan Cao Zhi"));

        c.close();
        QCOMPARE(m.rowCount(), 0);
        QCOMPARE(m.data(m.index(0, 0)), QVariant());
        c.open();
        QCOMPARE(m.rowCount(), 5);
    }

    void emptyAndVanishingCursor()
    {
        TempDatabase db;
        auto c = std::make_unique<Cursor>(*db, "Especies");
        CursorModel m;
        QAbstractItemModelTester tester(&m, QAbstractItemModelTester::FailureReportingMode::QtTest);
        m.setColumns({{"Nom", "Especie"}, {"NoSuchField", "?"}});
        m.setCursor(c.get());
        c->open();
        QCOMPARE(m.rowCount(), 0);
        c->append();
        c->setValue(u"Nom", "Hongo");
        c->post();
        QCOMPARE(m.rowCount(), 1);
        QCOMPARE(text(m, 0, 0), QString("Hongo"));
        QCOMPARE(text(m, 0, 1), QString()); // a field the table lacks shows nothing
        QVERIFY(!(m.flags(m.index(0, 1)) & Qt::ItemIsEditable));
        c.reset();
        QCOMPARE(m.cursor(), nullptr);
        QCOMPARE(m.rowCount(), 0);
    }

    void percentFormatAndLookup()
    {
        TempDatabase db;
        const qint64 formula = db.herb("Gui Zhi Tang", QString(), true);
        const qint64 fungus = db.add("Especies", {{"Nom", "Hongo"}, {"NomIng", "Fungus"}});
        const qint64 gui = db.herb("Gui Zhi");
        const qint64 fu = db.add("Plantas", {{"PinYin", "Fu Ling"}, {"KEspecie", fungus}});
        db.add("RelForm", {{"KFormula", formula}, {"KPlanta", gui}, {"Porcentaje", 33.333}});
        db.add("RelForm", {{"KFormula", formula}, {"KPlanta", fu}, {"Porcentaje", 12.5}});
        db.add("RelForm", {{"KFormula", formula}, {"KPlanta", fu + 100}});

        Cursor rel(*db, "RelForm");
        rel.open();
        CursorModel m;
        QAbstractItemModelTester tester(&m, QAbstractItemModelTester::FailureReportingMode::QtTest);
        m.setCursor(&rel);
        m.setColumns({{"Porcentaje", "%", "0.0 %"}});
        QCOMPARE(text(m, 0, 0), QString("33.3 %"));
        QCOMPARE(text(m, 1, 0), QString("12.5 %"));
        QCOMPARE(text(m, 2, 0), QString());
        QCOMPARE(text(m, 0, 0, Qt::EditRole), QString("33.333")); // editors start from the plain value
        QVERIFY(m.data(m.index(0, 0), Qt::TextAlignmentRole).value<Qt::Alignment>() & Qt::AlignRight);

        Cursor especies(*db, "Especies");
        Cursor plantas(*db, "Plantas");
        plantas.addLookupField({"Especie", "KEspecie", &especies, "Clave", "Nom", 10});
        plantas.open();
        CursorModel herbs;
        QAbstractItemModelTester herbsTester(&herbs, QAbstractItemModelTester::FailureReportingMode::QtTest);
        herbs.setColumns({{"PinYin", "Nombre"}, {"Especie", "Especie"}});
        herbs.setCursor(&plantas);
        QCOMPARE(herbs.rowCount(), 3);
        QCOMPARE(text(herbs, 2, 0), QString("Fu Ling"));
        QCOMPARE(text(herbs, 2, 1), QString("Hongo"));
        QCOMPARE(text(herbs, 1, 1), QString());
        QVERIFY(herbs.flags(herbs.index(2, 0)) & Qt::ItemIsEditable);
        QVERIFY(!(herbs.flags(herbs.index(2, 1)) & Qt::ItemIsEditable)); // lookups are not stored

        // Renaming the species shows in the lookup column.
        QSignalSpy changed(&herbs, &QAbstractItemModel::dataChanged);
        Cursor renamer(*db, "Especies");
        renamer.open();
        renamer.edit();
        renamer.setValue(u"Nom", "Seta");
        renamer.post();
        QVERIFY(!changed.isEmpty());
        QCOMPARE(text(herbs, 2, 1), QString("Seta"));
    }

    void editsGoThroughTheCursor()
    {
        TempDatabase db;
        addHerbs(db);
        Cursor c(*db, "Plantas");
        c.open();
        CursorModel m;
        QAbstractItemModelTester tester(&m, QAbstractItemModelTester::FailureReportingMode::QtTest);
        m.setCursor(&c);
        m.setColumns({{"PinYin", "Nombre"}, {"Clave", "Clave"}, {"Nom0", "Latín", {}, 0, true}});
        QVERIFY(!(m.flags(m.index(0, 1)) & Qt::ItemIsEditable)); // the key is assigned by the table
        QVERIFY(!(m.flags(m.index(0, 2)) & Qt::ItemIsEditable)); // a read-only column
        QVERIFY(!m.setData(m.index(0, 2), "x"));

        QSignalSpy changed(&m, &QAbstractItemModel::dataChanged);
        QVERIFY(m.setData(m.index(2, 0), "Bai Zhu Chao"));
        QCOMPARE(c.recNo(), 3);
        QCOMPARE(c.state(), Cursor::State::Edit);
        QVERIFY(!changed.isEmpty());
        QCOMPARE(changed.last().at(0).value<QModelIndex>().row(), 2);
        QCOMPARE(text(m, 2, 0), QString("Bai Zhu Chao")); // the edited record shows its new value
        QString pinyin;
        QVERIFY(stored(db, 3, &pinyin));
        QCOMPARE(pinyin, QString("Bai Zhu")); // not stored until the cursor posts
        c.cancel();
        QCOMPARE(text(m, 2, 0), QString("Bai Zhu"));

        QVERIFY(m.setData(m.index(1, 0), "Ren Shen Xu"));
        c.first(); // moving away stores the record
        QVERIFY(stored(db, 2, &pinyin));
        QCOMPARE(pinyin, QString("Ren Shen Xu"));
        QCOMPARE(text(m, 1, 0), QString("Ren Shen Xu"));

        // A value the field refuses is reported, and the model says so.
        m.setColumns({{"Cod", "Código"}});
        QSignalSpy errors(&m, &CursorModel::errorOccurred);
        QVERIFY(!m.setData(m.index(0, 0), "not a number"));
        QCOMPARE(errors.count(), 1);
        c.cancel();

        m.setReadOnly(true);
        QVERIFY(!(m.flags(m.index(0, 0)) & Qt::ItemIsEditable));
        QVERIFY(!m.setData(m.index(0, 0), "5"));
        QCOMPARE(c.state(), Cursor::State::Browse);
    }
};

QTEST_MAIN(TestCursorModel)
#include "tst_cursormodel.moc"
