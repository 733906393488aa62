// The row set on its own: a posted row placed as a rebuild would place it, the
// index's one-query seek agreeing with the binary search, the row kept in view.
#include "data/RowSet.h"
#include "support/Fixture.h"

#include <QTest>
#include <sqlite3.h>

using namespace yb;
using yb::test::TempDatabase;

namespace {

// A row set over one table in one order, with the field list it reads through.
struct Rows {
    CursorFields fields;
    RowSet set;

    Rows(Database &db, const QString &table, const QString &index) : fields(db, table), set(db, fields)
    {
        fields.open();
        set.setIndex(db.indexInfo(fields.table(), index));
        set.rebuild({}, 0, false);
    }

    std::vector<qint64> ids() const
    {
        std::vector<qint64> ids;
        for (int i = 0; i < set.count(); ++i)
            ids.push_back(set.at(i));
        return ids;
    }
};

} // namespace

class TestRowSet : public QObject {
    Q_OBJECT

    // Rows 1..6 in PinYin order: Ai Ye(4), bai zhu(2), gan cao(6), Gan Cao(1), Gan Cao(5), Ren Shen(3).
    static void addHerbs(TempDatabase &db)
    {
        for (const char *name : {"Gan Cao", "bai zhu", "Ren Shen", "Ai Ye", "Gan Cao", "gan cao"})
            db.herb(name);
        db->createIndex("Plantas", "PorPinYin", "PinYin", true);
    }

    static std::vector<bool> pinYinAssigned(const Rows &rows)
    {
        std::vector<bool> modified(size_t(rows.fields.storedCount()), false);
        modified[size_t(rows.fields.indexOf(u"PinYin"))] = true;
        return modified;
    }

private slots:
    void postedRowIsPlacedAsARebuildWouldPlaceIt_data()
    {
        QTest::addColumn<qint64>("edited"); // 0: a new row
        QTest::addColumn<QString>("pinYin");
        QTest::newRow("new, before every row") << qint64(0) << "Aa";
        QTest::newRow("new, after every row") << qint64(0) << "Zz";
        QTest::newRow("new, same key as two rows: after them by row id") << qint64(0) << "Gan Cao";
        QTest::newRow("new, same letters in capitals") << qint64(0) << "GAN CAO";
        QTest::newRow("new, accented") << qint64(0) << "Gán Cao";
        QTest::newRow("edited to the front") << qint64(3) << "A";
        QTest::newRow("edited to the end") << qint64(4) << "Zz";
        QTest::newRow("edited to the key of rows before and after it by id") << qint64(3) << "Gan Cao";
        QTest::newRow("edited, key unchanged") << qint64(5) << "Gan Cao";
    }

    void postedRowIsPlacedAsARebuildWouldPlaceIt()
    {
        QFETCH(qint64, edited);
        QFETCH(QString, pinYin);
        TempDatabase db;
        addHerbs(db);
        Rows rows(*db, "Plantas", "PorPinYin");
        qint64 id = edited;
        if (edited == 0) {
            Statement s(*db, "INSERT INTO Plantas (PinYin) VALUES (?)");
            s.bind(1, pinYin);
            s.exec();
            id = sqlite3_last_insert_rowid(db->handle());
        } else {
            Statement s(*db, "UPDATE Plantas SET PinYin = ? WHERE rowid = ?");
            s.bind(1, pinYin);
            s.bind(2, edited);
            s.exec();
        }
        db->bumpGeneration("Plantas");
        QVERIFY(!rows.set.isCurrent());

        QVERIFY(rows.set.placePosted(id, edited == 0, pinYinAssigned(rows)));
        QVERIFY(rows.set.isCurrent());
        QCOMPARE(rows.set.currentId(), id);
        QCOMPARE(rows.set.positionOf(id), rows.set.position());
        const Rows rebuilt(*db, "Plantas", "PorPinYin");
        QCOMPARE(rows.ids(), rebuilt.ids());
    }

    void anEditOutsideTheOrderStaysInPlace()
    {
        TempDatabase db;
        addHerbs(db);
        Rows rows(*db, "Plantas", "PorPinYin");
        const std::vector<qint64> before = rows.ids();
        std::vector<bool> modified(size_t(rows.fields.storedCount()), false);
        modified[size_t(rows.fields.indexOf(u"Nom0"))] = true;
        QVERIFY(!rows.set.placePosted(5, false, modified));
        QCOMPARE(rows.ids(), before);
        QCOMPARE(rows.set.currentId(), qint64(5));
    }

    void seekByTheIndexAgreesWithTheBinarySearch_data()
    {
        QTest::addColumn<QString>("table");
        QTest::addColumn<QString>("index");
        QTest::addColumn<QVariant>("key");
        QTest::addColumn<qint64>("lands");
        // clang-format off
        QTest::newRow("letters of three rows: the first")
            << "Plantas" << "PorPinYin" << QVariant("GAN CAO") << qint64(6);
        QTest::newRow("prefix") << "Plantas" << "PorPinYin" << QVariant("ga") << qint64(6);
        QTest::newRow("exact mixed case") << "Plantas" << "PorPinYin" << QVariant("Gan Cao") << qint64(6);
        QTest::newRow("accented letters") << "Plantas" << "PorPinYin" << QVariant("BÁI") << qint64(2);
        QTest::newRow("before every row") << "Plantas" << "PorPinYin" << QVariant("A") << qint64(4);
        QTest::newRow("after every row: the last") << "Plantas" << "PorPinYin" << QVariant("ZZ") << qint64(3);
        QTest::newRow("falling counts: the first not above") << "Repertor" << "PorCant" << QVariant(4) << qint64(3);
        QTest::newRow("falling counts: equal") << "Repertor" << "PorCant" << QVariant(5) << qint64(2);
        QTest::newRow("falling counts: above every row") << "Repertor" << "PorCant" << QVariant(9) << qint64(2);
        QTest::newRow("falling counts: below every row") << "Repertor" << "PorCant" << QVariant(0) << qint64(4);
        // clang-format on
    }

    void seekByTheIndexAgreesWithTheBinarySearch()
    {
        QFETCH(QString, table);
        QFETCH(QString, index);
        QFETCH(QVariant, key);
        QFETCH(qint64, lands);
        TempDatabase db;
        addHerbs(db);
        for (const auto &[herb, count] : {std::pair{1, 2}, {2, 5}, {3, 3}, {4, 2}}) {
            Statement s(*db, "INSERT INTO Repertor (KPlanta, Cant) VALUES (?, ?)");
            s.bind(1, herb);
            s.bind(2, count);
            s.exec();
        }
        const Rows rows(*db, table, index);
        QVERIFY(rows.set.seeksWithQuery({key}));
        const RowQuery everyRow;
        const int byIndex = rows.set.findNearest({key}, &everyRow);
        QCOMPARE(byIndex, rows.set.findNearest({key}, nullptr));
        QVERIFY(byIndex >= 0);
        QCOMPARE(rows.set.at(byIndex), lands);
    }

    void aKeptRowStaysWhereItWasUntilItIsGone()
    {
        TempDatabase db;
        addHerbs(db);
        Rows rows(*db, "Plantas", "PorPinYin");
        rows.set.moveTo(rows.set.positionOf(1));
        const int at = rows.set.position();
        rows.set.keep(1);
        QVERIFY(!rows.set.seeksWithQuery({"G"})); // the index's rows are not all the set's now

        RowQuery withoutIt;
        withoutIt.where << "rowid <> ?";
        withoutIt.params << 1;
        rows.set.rebuild(withoutIt, 1, true);
        QCOMPARE(rows.set.count(), 6);
        QCOMPARE(rows.set.positionOf(1), at);
        QCOMPARE(rows.set.currentId(), qint64(1));

        db->exec("DELETE FROM Plantas WHERE rowid = 1");
        db->bumpGeneration("Plantas");
        rows.set.rebuild(withoutIt, 1, true);
        QCOMPARE(rows.set.count(), 5);
        QCOMPARE(rows.set.positionOf(1), -1);
        QCOMPARE(rows.set.keptRow(), qint64(0));
        QVERIFY(rows.set.seeksWithQuery({"G"}));
    }
};

QTEST_GUILESS_MAIN(TestRowSet)
#include "tst_rowset.moc"
