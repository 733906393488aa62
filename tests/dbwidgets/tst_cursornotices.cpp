// Views follow what their cursor announces: posts made through another cursor
// on the same table, and rows rebuilt while a master's display was held.
#include "dbwidgets/CursorModel.h"
#include "dbwidgets/DBControls.h"
#include "support/Fixture.h"

#include <QAbstractItemModelTester>
#include <QTest>

using namespace yb;
using yb::test::TempDatabase;

class TestCursorNotices : public QObject {
    Q_OBJECT
private slots:
    void fieldControlsShowWhatAnotherCursorPosted()
    {
        TempDatabase db;
        db.herb("Gan Cao", "Radix Glycyrrhizae");
        db.herb("Ren Shen", "Radix Ginseng");
        Cursor shown(*db, "Plantas"), editor(*db, "Plantas");
        shown.open();
        shown.findKey({2});
        DataSource source(&shown);
        DBEdit nombre;
        nombre.setObjectName("EdPinYin");
        nombre.setDataSource(&source);
        nombre.setDataField("PinYin");
        DBText latin;
        latin.setDataSource(&source);
        latin.setDataField("Nom0");
        QCOMPARE(nombre.text(), QString("Ren Shen"));

        editor.open();
        QVERIFY(editor.findKey({2}));
        editor.edit();
        editor.setValue(u"PinYin", "Ren Shen Hong");
        editor.setValue(u"Nom0", "Radix Ginseng Rubra");
        QCOMPARE(nombre.text(), QString("Ren Shen")); // not stored yet
        QVERIFY(editor.post());
        QCOMPARE(nombre.text(), QString("Ren Shen Hong"));
        QCOMPARE(latin.text(), QString("Radix Ginseng Rubra"));
        QCOMPARE(shown.recNo(), 2);
    }

    void detailGridShowsRowsRebuiltWhileTheMasterWasHeld()
    {
        TempDatabase db;
        db.herb("Gan Cao");
        db.herb("Ren Shen");
        db.action("Tonifica el qi");
        db.action("Calma el espíritu");
        db.link(2, 1);
        db.link(2, 2);
        Cursor plan(*db, "Plantas"), rel(*db, "Rel");
        rel.setIndexName("PorOPlanta");
        rel.setMasterLink(&plan, {"Orden"});
        plan.open();
        rel.open();
        CursorModel grid;
        QAbstractItemModelTester tester(&grid, QAbstractItemModelTester::FailureReportingMode::QtTest);
        grid.setColumns({{"KUso"}});
        grid.setCursor(&rel);
        QCOMPARE(grid.rowCount(), 0);
        // The refresh reads the detail's count while the list's display is held.
        plan.disableControls();
        plan.next();
        QCOMPARE(rel.recordCount(), 2);
        plan.enableControls();
        QCOMPARE(grid.rowCount(), 2);
        QCOMPARE(grid.data(grid.index(1, 0)).toString(), QString("2"));
    }
};

QTEST_MAIN(TestCursorNotices)
#include "tst_cursornotices.moc"
