// The cursor's BeforeScroll event: asked before the current row may be left,
// it can keep the cursor where it is, with the record being edited as it was.
#include "support/Fixture.h"

#include <QTest>

using namespace yb;
using yb::test::TempDatabase;

namespace {

using Operacion = std::function<void(Cursor &)>;

} // namespace

Q_DECLARE_METATYPE(Operacion)

class TestBeforeScroll : public QObject {
    Q_OBJECT
private slots:
    void refusingKeepsTheRowAndTheEdit_data()
    {
        QTest::addColumn<Operacion>("operacion");
        QTest::addColumn<QString>("otherwise"); // the row the operation goes to when allowed
        QTest::addColumn<int>("rows");          // rows stored then
        QTest::newRow("first") << Operacion([](Cursor &c) { c.first(); }) << "Gan Cao" << 3;
        QTest::newRow("last") << Operacion([](Cursor &c) { c.last(); }) << "Ai Ye" << 3;
        QTest::newRow("next") << Operacion([](Cursor &c) { c.next(); }) << "Ai Ye" << 3;
        QTest::newRow("setRecNo") << Operacion([](Cursor &c) { c.setRecNo(1); }) << "Gan Cao" << 3;
        QTest::newRow("findKey") << Operacion([](Cursor &c) { c.findKey({1}); }) << "Gan Cao" << 3;
        QTest::newRow("findNearest") << Operacion([](Cursor &c) { c.findNearest({1}); }) << "Gan Cao" << 3;
        QTest::newRow("locate") << Operacion([](Cursor &c) { c.locate({"PinYin"}, {"Gan Cao"}); }) << "Gan Cao" << 3;
        QTest::newRow("filter") << Operacion([](Cursor &c) { c.setFilter("Orden=1"); }) << "Gan Cao" << 3;
        QTest::newRow("refresh") << Operacion([](Cursor &c) { c.refresh(); }) << "bai zhu*" << 3;
        QTest::newRow("append") << Operacion([](Cursor &c) { c.append(); }) << "" << 3;
        QTest::newRow("delete") << Operacion([](Cursor &c) { c.remove(); }) << "Ai Ye" << 2;
    }

    void refusingKeepsTheRowAndTheEdit()
    {
        QFETCH(Operacion, operacion);
        QFETCH(QString, otherwise);
        QFETCH(int, rows);
        for (const bool allow : {false, true}) {
            TempDatabase db;
            db.herb("Gan Cao");
            db.herb("bai zhu");
            db.herb("Ai Ye");
            Cursor c(*db, "Plantas");
            c.setFiltered(true);
            c.open();
            c.setRecNo(2);
            c.edit();
            c.setValue(u"PinYin", "bai zhu*"); // the user's change, not stored yet
            int asked = 0;
            c.beforeScroll = [&](Cursor &) {
                ++asked;
                return allow;
            };
            operacion(c);
            QCOMPARE(asked, 1);
            if (allow) {
                QCOMPARE(c.asString(u"PinYin"), otherwise);
                QCOMPARE(db.count("Plantas"), rows);
                continue;
            }
            QCOMPARE(c.recNo(), 2);
            QCOMPARE(c.state(), Cursor::State::Edit);
            QCOMPARE(c.asString(u"PinYin"), QString("bai zhu*"));
            QCOMPARE(db.count("Plantas"), 3);
        }
    }

    void anotherOrderKeepsTheRowWithoutAsking()
    {
        TempDatabase db;
        db.herb("Gan Cao");
        db.herb("bai zhu");
        Cursor c(*db, "Plantas");
        c.addIndex("PorPinYin", "PinYin");
        c.open();
        c.setRecNo(2);
        int asked = 0;
        c.beforeScroll = [&](Cursor &) {
            ++asked;
            return false;
        };
        c.setIndexName("PorPinYin");
        QCOMPARE(asked, 0);
        QCOMPARE(c.asString(u"PinYin"), QString("bai zhu"));
        QCOMPARE(c.recNo(), 1);
    }
};

QTEST_MAIN(TestBeforeScroll)
#include "tst_beforescroll.moc"
