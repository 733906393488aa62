// The table cursor: order, navigation, searching, links, filters, changes, events.
#include "data/DatabaseCheck.h"
#include "support/Fixture.h"

#include <QSignalSpy>
#include <QTest>

using namespace yb;
using yb::test::column;
using yb::test::TempDatabase;

class TestCursor : public QObject {
    Q_OBJECT

    // Herbs in key order: 1 Gan Cao, 2 bai zhu, 3 Ren Shen, 4 Ai Ye, 5 Gui Zhi Tang (formula).
    static void addHerbs(TempDatabase &db)
    {
        db.herb("Gan Cao", "Radix Glycyrrhizae");
        db.herb("bai zhu", "Rhizoma Atractylodis");
        db.herb("Ren Shen", "Radix Ginseng");
        db.herb("Ai Ye", "Folium Artemisiae");
        db.herb("Gui Zhi Tang", QString(), true);
    }

    // The herbs with one action linked to bai zhu, and a cursor on the links
    // that follows the herbs (both closed).
    struct LinkedAction {
        TempDatabase db;
        Cursor plan{*db, "Plantas"};
        Cursor rel{*db, "Rel"};

        LinkedAction()
        {
            addHerbs(db);
            db.action("a");
            db.link(2, 1);
            rel.setIndexName("PorOPlanta");
            rel.setMasterLink(&plan, {"Orden"});
        }
    };

    // Result rows of a repertorization: herb key and count.
    static void addCounts(Cursor &rep, std::initializer_list<std::pair<int, int>> rows)
    {
        for (auto [herb, count] : rows) {
            rep.append();
            rep.setValue(u"KPlanta", herb);
            rep.setValue(u"Cant", count);
            rep.post();
        }
    }

private slots:
    void primaryOrderAndWalking()
    {
        TempDatabase db;
        addHerbs(db);
        Cursor c(*db, "Plantas.DB");
        c.open();
        QCOMPARE(c.recordCount(), 5);
        QVERIFY(c.bof());
        QCOMPARE(column(c, "PinYin"), QStringList({"Gan Cao", "bai zhu", "Ren Shen", "Ai Ye", "Gui Zhi Tang"}));
        QVERIFY(c.eof());
        QCOMPARE(c.asString(u"PinYin"), QString("Gui Zhi Tang")); // next at the end stays on the last row
        c.prior();
        QCOMPARE(c.asString(u"PinYin"), QString("Ai Ye"));
        QCOMPARE(c.recNo(), 4);
    }

    void nameIndexIsCaseInsensitiveAndKeepsTheCurrentRow()
    {
        TempDatabase db;
        addHerbs(db);
        Cursor c(*db, "Plantas");
        c.open();
        QVERIFY_THROWS_EXCEPTION(DbError, c.setIndexName("PorPinYin")); // not created yet
        c.addIndex("PorPinYin", "PinYin");
        QVERIFY(c.findKey({3}));
        c.setIndexName("PorPinYin");
        QCOMPARE(c.asString(u"PinYin"), QString("Ren Shen"));
        QCOMPARE(column(c, "PinYin"), QStringList({"Ai Ye", "bai zhu", "Gan Cao", "Gui Zhi Tang", "Ren Shen"}));
        c.setIndexName("");
        QCOMPARE(c.asString(u"PinYin"), QString("Ren Shen"));
        QCOMPARE(column(c, "PinYin").first(), QString("Gan Cao"));
    }

    void findNearest_data()
    {
        QTest::addColumn<QString>("typed");
        QTest::addColumn<QString>("lands");
        // clang-format off
        QTest::newRow("upper case prefix") << "GAN" << "Gan Cao";
        QTest::newRow("lower case prefix of capitalised") << "gu" << "Gui Zhi Tang";
        QTest::newRow("upper case on lower-case name") << "BAI" << "bai zhu";
        QTest::newRow("between two names") << "C" << "Gan Cao";
        QTest::newRow("before every name") << "A" << "Ai Ye";
        QTest::newRow("after every name: last row") << "ZZZ" << "Ren Shen";
        // clang-format on
    }

    void findNearest()
    {
        QFETCH(QString, typed);
        QFETCH(QString, lands);
        TempDatabase db;
        addHerbs(db);
        Cursor c(*db, "Plantas");
        c.addIndex("PorPinYin", "PinYin");
        c.setIndexName("PorPinYin");
        c.open();
        c.findNearest({typed});
        QCOMPARE(c.asString(u"PinYin"), lands);
    }

    void typedSearchFindsAccentedNames_data()
    {
        QTest::addColumn<QString>("typed");
        QTest::addColumn<QString>("lands");
        QTest::addColumn<bool>("begins");    // a row begins with the typed letters
        QTest::addColumn<bool>("wholeName"); // a row has exactly those letters
        // clang-format off
        QTest::newRow("accent ignored") << "PIL" << "Píldora" << true << false;
        QTest::newRow("whole name") << "PILDORA" << "Píldora" << true << true;
        QTest::newRow("before the accented one") << "PI" << "Pieza" << true << false;
        QTest::newRow("n before ñ") << "PIN" << "Pino" << true << false;
        QTest::newRow("ñ") << "PIÑ" << "Piña" << true << false;
        QTest::newRow("after every pi") << "PIO" << "Poria" << false << false;
        // clang-format on
    }

    void typedSearchFindsAccentedNames()
    {
        QFETCH(QString, typed);
        QFETCH(QString, lands);
        QFETCH(bool, begins);
        QFETCH(bool, wholeName);
        TempDatabase db;
        for (const char *name : {"Poria", "Piña", "Píldora", "Pino", "Pieza"})
            db.herb(name);
        Cursor c(*db, "Plantas");
        c.addIndex("PorPinYin", "PinYin");
        c.setIndexName("PorPinYin");
        c.open();
        c.findNearest({typed});
        QCOMPARE(c.asString(u"PinYin"), lands);
        // Locating and finding by key compare the letters the same way.
        c.last();
        QCOMPARE(c.locate({"PinYin"}, {typed}, Cursor::CaseInsensitive | Cursor::Partial), begins);
        QCOMPARE(c.asString(u"PinYin"), begins ? lands : QString("Poria"));
        c.last();
        QCOMPARE(c.findKey({typed}), wholeName);
        QCOMPARE(c.asString(u"PinYin"), wholeName ? lands : QString("Poria"));
        c.last();
        QCOMPARE(c.locate({"PinYin"}, {typed}, Cursor::CaseInsensitive), wholeName);
        QCOMPARE(c.asString(u"PinYin"), wholeName ? lands : QString("Poria"));
    }

    void findNearestHonoursFilterLinkAndDirection()
    {
        TempDatabase db;
        addHerbs(db);
        Cursor c(*db, "Plantas");
        c.addIndex("PorPinYin", "PinYin");
        c.setIndexName("PorPinYin");
        c.setFilter("EsFormula=False");
        c.setFiltered(true);
        c.open();
        c.findNearest({"GU"}); // the formula is filtered out
        QCOMPARE(c.asString(u"PinYin"), QString("Ren Shen"));
        c.setFilterPredicate([](const Record &r) { return r.asString(u"PinYin") != "Ren Shen"; }, {"PinYin"});
        c.refresh();
        c.findNearest({"GU"}); // nothing left after it: the last row
        QCOMPARE(c.asString(u"PinYin"), QString("Gan Cao"));

        Cursor rep(*db, "Repertor");
        rep.setIndexName("PorCant");
        rep.open();
        addCounts(rep, {{1, 5}, {2, 2}, {3, 1}});
        rep.first();
        rep.findNearest({3}); // falling counts: the first not above 3
        QCOMPARE(rep.asInt(u"Cant"), 2);
    }

    void postedRowsKeepTheOrder()
    {
        TempDatabase db;
        addHerbs(db);
        Cursor c(*db, "Plantas");
        c.addIndex("PorPinYin", "PinYin");
        c.setIndexName("PorPinYin");
        c.open();
        const auto fresh = [&] {
            Cursor f(*db, "Plantas");
            f.setIndexName("PorPinYin");
            f.open();
            return column(f, "PinYin");
        };
        for (const char *name : {"Ca", "Zz", "Aa", "gan cao"}) {
            c.append();
            c.setValue(u"PinYin", name);
            c.post();
            QCOMPARE(c.asString(u"PinYin"), QString(name));
            QCOMPARE(column(c, "PinYin"), fresh());
        }
        QVERIFY(c.locate({"PinYin"}, {"Gan Cao"}));
        c.edit();
        c.setValue(u"PinYin", "Zzz");
        c.post();
        QCOMPARE(c.asString(u"PinYin"), QString("Zzz"));
        QCOMPARE(c.recNo(), c.recordCount());
        QCOMPARE(column(c, "PinYin"), fresh());
        c.first();
        c.edit();
        c.setValue(u"Nom0", "no reordering");
        c.post();
        QCOMPARE(c.recNo(), 1);
        QCOMPARE(column(c, "PinYin"), fresh());
    }

    void findKeyMovesOnlyWhenFound()
    {
        TempDatabase db;
        addHerbs(db);
        Cursor c(*db, "Plantas");
        c.open();
        QVERIFY(c.findKey({2}));
        QCOMPARE(c.asString(u"PinYin"), QString("bai zhu"));
        QVERIFY(!c.findKey({99}));
        QCOMPARE(c.asString(u"PinYin"), QString("bai zhu"));
        Cursor rel(*db, "Rel"); // primary order on the key pair
        db.action("Tonifica el qi");
        db.link(3, 1);
        db.link(1, 1);
        rel.open();
        QVERIFY(rel.findKey({3, 1}));
        QCOMPARE(rel.asInt(u"KPlanta"), 3);
        QVERIFY(!rel.findKey({3, 2}));
    }

    void locate_data()
    {
        QTest::addColumn<QString>("value");
        QTest::addColumn<int>("options");
        QTest::addColumn<QString>("found"); // empty: not found
        // clang-format off
        QTest::newRow("exact") << "Ren Shen" << 0 << "Ren Shen";
        QTest::newRow("exact wrong case") << "REN SHEN" << 0 << "";
        QTest::newRow("case-insensitive") << "REN SHEN" << int(Cursor::CaseInsensitive) << "Ren Shen";
        QTest::newRow("case-insensitive ignores accents") << "rén shen" << int(Cursor::CaseInsensitive) << "Ren Shen";
        QTest::newRow("case-insensitive, a prefix only") << "REN" << int(Cursor::CaseInsensitive) << "";
        QTest::newRow("partial") << "Gu" << int(Cursor::Partial) << "Gui Zhi Tang";
        QTest::newRow("partial, case-insensitive") << "BAI" << int(Cursor::Partial | Cursor::CaseInsensitive) << "bai zhu";
        QTest::newRow("partial without the flag") << "Gu" << 0 << "";
        // clang-format on
    }

    void locate()
    {
        QFETCH(QString, value);
        QFETCH(int, options);
        QFETCH(QString, found);
        TempDatabase db;
        addHerbs(db);
        Cursor c(*db, "Plantas");
        c.open();
        c.last();
        QCOMPARE(c.locate({"PinYin"}, {value}, Cursor::LocateOptions(options)), !found.isEmpty());
        QCOMPARE(c.asString(u"PinYin"), found.isEmpty() ? QString("Gui Zhi Tang") : found);
    }

    void locateFindsTheFirstInTheCurrentOrder()
    {
        TempDatabase db;
        db.herb("Zeta", "Igual");
        db.herb("Alfa", "Igual");
        Cursor c(*db, "Plantas");
        c.addIndex("PorPinYin", "PinYin");
        c.setIndexName("PorPinYin");
        c.open();
        c.last();
        QVERIFY(c.locate({"Nom0"}, {"igual"}, Cursor::CaseInsensitive));
        QCOMPARE(c.asString(u"PinYin"), QString("Alfa"));
    }

    void detailFollowsItsMaster()
    {
        TempDatabase db;
        addHerbs(db);
        const qint64 qi = db.action("Tonifica el qi");
        const qint64 wet = db.action("Seca la humedad");
        db.link(1, qi);
        db.link(2, qi);
        db.link(2, wet);
        Cursor plan(*db, "Plantas");
        Cursor rel(*db, "Rel");
        rel.setIndexName("PorOPlanta");
        rel.setMasterLink(&plan, {"Orden"});
        plan.open();
        rel.open();
        QCOMPARE(rel.recordCount(), 1);
        plan.next();
        QCOMPARE(rel.recordCount(), 2);
        QVERIFY(rel.bof());
        plan.next();
        QCOMPARE(rel.recordCount(), 0);
        QVERIFY(rel.isNull(u"KUso"));
        // A row made under the link takes the master's order number.
        rel.append();
        QCOMPARE(rel.asInt(u"OPlanta"), plan.asInt(u"Orden"));
        rel.setValue(u"KPlanta", plan.asInt(u"Clave"));
        rel.setValue(u"KUso", wet);
        QVERIFY(rel.post());
        QCOMPARE(rel.recordCount(), 1);
        plan.first();
        QCOMPARE(rel.recordCount(), 1);
    }

    void detailRefreshesBeforeTheMastersAfterScroll()
    {
        LinkedAction linked;
        Cursor &plan = linked.plan, &rel = linked.rel;
        QList<int> seen;
        plan.afterScroll = [&](Cursor &) { seen << rel.recordCount(); };
        rel.open();
        plan.open();
        plan.next();
        plan.next();
        QCOMPARE(seen, QList<int>({0, 1, 0}));
    }

    void suspendedDisplayHoldsDetailsUntilResumed()
    {
        LinkedAction linked;
        Cursor &plan = linked.plan, &rel = linked.rel;
        plan.open();
        rel.open();
        QSignalSpy relChanged(&rel, &Cursor::rowsChanged);
        QSignalSpy planChanged(&plan, &Cursor::currentChanged);
        int scrolls = 0;
        plan.afterScroll = [&](Cursor &) { ++scrolls; };
        plan.disableControls();
        for (plan.first(); !plan.eof(); plan.next()) {
        }
        QCOMPARE(relChanged.count(), 0);
        QCOMPARE(planChanged.count(), 0);
        QCOMPARE(scrolls, 5); // record events still run
        plan.findKey({2});
        plan.enableControls();
        QCOMPARE(planChanged.count(), 1);
        QCOMPARE(relChanged.count(), 1);
        QCOMPARE(rel.recordCount(), 1);
    }

    void expressionFilterSwitchesOffAndOnWithoutLosingIt()
    {
        TempDatabase db;
        addHerbs(db);
        Cursor c(*db, "Plantas");
        c.open();
        c.setFilter("EsFormula=False");
        QCOMPARE(c.recordCount(), 5); // not in force until switched on
        c.setFiltered(true);
        QCOMPARE(c.recordCount(), 4);
        c.setFiltered(false);
        QCOMPARE(c.recordCount(), 5);
        c.setFiltered(true);
        QCOMPARE(c.recordCount(), 4);
        QCOMPARE(c.filter(), QString("EsFormula=False"));
        QVERIFY_THROWS_EXCEPTION(DbError, c.setFilter("EsFormula=False or KClase=1"));
        QCOMPARE(c.filter(), QString("EsFormula=False")); // the old filter stays
        QCOMPARE(c.recordCount(), 4);
        c.setFilter("");
        QCOMPARE(c.recordCount(), 5);
    }

    void predicateFilterCombinesWithTheExpression()
    {
        TempDatabase db;
        addHerbs(db);
        Cursor c(*db, "Plantas");
        c.setFilter("EsFormula=False");
        c.setFilterPredicate([](const Record &r) { return r.asString(u"PinYin").contains(u'a', Qt::CaseInsensitive); },
                             {"PinYin"});
        c.setFiltered(true);
        c.open();
        QCOMPARE(column(c, "PinYin"), QStringList({"Gan Cao", "bai zhu", "Ai Ye"}));
        QVERIFY(!c.locate({"PinYin"}, {"Ren Shen"}));
    }

    void emptyCursorReadsNullAndZero()
    {
        TempDatabase db;
        Cursor c(*db, "Plantas");
        c.open();
        QVERIFY(c.eof() && c.bof());
        QCOMPARE(c.recordCount(), 0);
        QVERIFY(c.isNull(u"Clave"));
        QCOMPARE(c.asInt(u"Clave"), 0);
        QCOMPARE(c.recNo(), 0);
        c.next();
        c.findNearest({"X"});
        QVERIFY(!c.findKey({1}));
    }

    void nullStaysDistinctFromZeroAndEmptyText()
    {
        TempDatabase db;
        const qint64 a = db.add("Plantas", {{"PinYin", ""}, {"KClase", 0}});
        const qint64 b = db.add("Plantas", {{"PinYin", QVariant()}});
        Cursor c(*db, "Plantas");
        c.open();
        QVERIFY(c.findKey({a}));
        QVERIFY(!c.isNull(u"PinYin"));
        QCOMPARE(c.asString(u"PinYin"), QString(""));
        QVERIFY(!c.isNull(u"KClase"));
        QVERIFY(c.isNull(u"Orden"));
        QVERIFY(c.findKey({b}));
        QVERIFY(c.isNull(u"PinYin"));
        QVERIFY(c.isNull(u"KClase"));
    }

    void assignedValuesFollowTheFieldType_data()
    {
        QTest::addColumn<QString>("field");
        QTest::addColumn<QVariant>("assigned");
        QTest::addColumn<QVariant>("stored"); // invalid: refused
        // clang-format off
        QTest::newRow("text cut to its size") << "Sabor" << QVariant("12345678901234") << QVariant("1234567890");
        QTest::newRow("one-letter toxicity") << "Toxicidad" << QVariant("23") << QVariant("2");
        QTest::newRow("accented text cut per character") << "Energia" << QVariant("ááááááááááéé") << QVariant("áááááááááá");
        QTest::newRow("digits to a long") << "KClase" << QVariant("12") << QVariant(12);
        QTest::newRow("blank clears a long") << "KClase" << QVariant(" ") << QVariant();
        QTest::newRow("letters to a long") << "KClase" << QVariant("doce") << QVariant();
        QTest::newRow("short out of range") << "KEspecie" << QVariant(70000) << QVariant();
        QTest::newRow("short in range") << "KEspecie" << QVariant(-3) << QVariant(-3);
        QTest::newRow("logical from text") << "EsFormula" << QVariant("True") << QVariant(true);
        QTest::newRow("logical refuses words") << "EsFormula" << QVariant("sí") << QVariant();
        QTest::newRow("number") << "Cod" << QVariant(7.0) << QVariant(7);
        QTest::newRow("fraction to a long") << "Cod" << QVariant(7.5) << QVariant();
        // clang-format on
    }

    void assignedValuesFollowTheFieldType()
    {
        QFETCH(QString, field);
        QFETCH(QVariant, assigned);
        QFETCH(QVariant, stored);
        TempDatabase db;
        Cursor c(*db, "Plantas");
        c.open();
        c.append();
        c.setValue(u"PinYin", "x");
        if (!stored.isValid() && assigned.toString().trimmed().size()) {
            QVERIFY_THROWS_EXCEPTION(DbError, c.setValue(field, assigned));
            return;
        }
        c.setValue(field, assigned);
        QVERIFY(c.post());
        QCOMPARE(c.value(field), stored);
    }

    void changesAndPostEvents()
    {
        TempDatabase db;
        addHerbs(db);
        Cursor c(*db, "Plantas");
        QStringList events;
        c.afterInsert = [&](Cursor &) { events << "insert"; };
        c.afterPost = [&](Cursor &cur) { events << "post " + cur.asString(u"PinYin"); };
        c.open();
        QVERIFY_THROWS_EXCEPTION(DbError, c.setValue(u"PinYin", "x")); // not editing
        c.edit();
        c.setValue(u"PinYin", "Gan Cao Zhi");
        c.cancel();
        QCOMPARE(c.asString(u"PinYin"), QString("Gan Cao"));
        c.edit();
        c.setValue(u"PinYin", "Gan Cao Zhi");
        c.next(); // moving on stores the pending change
        QCOMPARE(events, QStringList({"post Gan Cao Zhi"}));
        QCOMPARE(c.asString(u"PinYin"), QString("bai zhu"));
        c.insert();
        c.setValue(u"PinYin", "Da Zao");
        QVERIFY(c.post());
        QCOMPARE(events.mid(1), QStringList({"insert", "post Da Zao"}));
        QCOMPARE(c.recordCount(), 6);
        c.append();
        c.cancel();
        QCOMPARE(c.recordCount(), 6);
        QVERIFY(c.locate({"PinYin"}, {"Ren Shen"}));
        c.remove();
        QCOMPARE(c.recordCount(), 5);
        QCOMPARE(c.asString(u"PinYin"), QString("Ai Ye")); // the next row becomes current
    }

    void keyViolationGoesToThePostErrorEvent()
    {
        TempDatabase db;
        addHerbs(db);
        db.action("Tonifica el qi");
        db.link(1, 1);
        Cursor rel(*db, "Rel");
        rel.open();
        // Without a handler the failure reaches the caller, and nothing is stored.
        rel.append();
        rel.setValue(u"KPlanta", 1);
        rel.setValue(u"KUso", 1);
        try {
            rel.post();
            QFAIL("a repeated link was stored");
        } catch (const DbError &e) {
            QCOMPARE(e.code(), DbError::Code::KeyViolation);
        }
        QCOMPARE(rel.state(), Cursor::State::Insert);
        rel.cancel();
        // A handler that aborts: post reports false, the handler has cancelled the row.
        int calls = 0;
        rel.onPostError = [&](Cursor &c, const DbError &e) {
            ++calls;
            if (e.code() == DbError::Code::KeyViolation)
                c.cancel();
            return Cursor::PostErrorAction::Abort;
        };
        rel.append();
        rel.setValue(u"KPlanta", 1);
        rel.setValue(u"KUso", 1);
        QVERIFY(!rel.post());
        QCOMPARE(calls, 1);
        QCOMPARE(rel.state(), Cursor::State::Browse);
        QCOMPARE(db.count("Rel"), 1);
    }

    void postedRowStaysCurrentEvenWhenTheFilterHidesIt()
    {
        // The default order number is written by editing the row just posted;
        // that must be the new row, whatever the filter shows.
        TempDatabase db;
        addHerbs(db);
        Cursor c(*db, "Plantas");
        c.setFilterPredicate([](const Record &r) { return r.asInt(u"Clave") <= 5; }, {"Clave"});
        c.setFiltered(true);
        c.afterPost = [](Cursor &cur) {
            if (cur.isNull(u"Orden")) {
                cur.edit();
                cur.setValue(u"Orden", cur.value(u"Clave"));
                cur.post();
            }
        };
        c.open();
        c.findKey({3});
        c.append();
        c.setValue(u"PinYin", "Nueva");
        QVERIFY(c.post());
        QCOMPARE(c.asString(u"PinYin"), QString("Nueva"));
        QCOMPARE(c.asInt(u"Orden"), c.asInt(u"Clave"));
        c.refresh();
        QCOMPARE(c.recordCount(), 5);
        Cursor check(*db, "Plantas");
        check.open();
        QVERIFY(check.locate({"PinYin"}, {"Nueva"}));
        QCOMPARE(check.asInt(u"Orden"), 6);
    }

    void bookmarks()
    {
        TempDatabase db;
        addHerbs(db);
        Cursor c(*db, "Plantas");
        c.open();
        c.findKey({5});
        const Cursor::Bookmark mark = c.bookmark();
        c.first();
        QVERIFY(c.gotoBookmark(mark));
        QCOMPARE(c.asString(u"PinYin"), QString("Gui Zhi Tang"));
        c.first();
        c.setFilter("EsFormula=False");
        c.setFiltered(true);
        QVERIFY(!c.gotoBookmark(mark)); // no longer passes
        QCOMPARE(c.asString(u"PinYin"), QString("Gan Cao"));
    }

    void cursorsOnOneTableSeeEachOthersRows()
    {
        TempDatabase db;
        addHerbs(db);
        Cursor a(*db, "Plantas"), b(*db, "Plantas");
        a.open();
        b.open();
        b.findKey({3});
        QCOMPARE(b.asString(u"PinYin"), QString("Ren Shen")); // read before the change
        a.findKey({3});
        a.edit();
        a.setValue(u"PinYin", "Ren Shen Xu");
        a.post();
        a.append();
        a.setValue(u"PinYin", "Da Zao");
        a.post();
        QCOMPARE(b.recordCount(), 6);
        QCOMPARE(b.asString(u"PinYin"), QString("Ren Shen Xu"));
        a.findKey({3});
        a.remove();
        QCOMPARE(b.recordCount(), 5);
        QVERIFY(b.findKey({6}));
    }

    void lookupFieldsAreReadOnEveryReadAndHonourTheSourceFilter()
    {
        TempDatabase db;
        addHerbs(db);
        db.add("RelForm", {{"KFormula", 5}, {"KPlanta", 1}, {"Porcentaje", 60.0}, {"OFormula", 5}, {"OPlanta", 1}});
        db.add("RelForm", {{"KFormula", 5}, {"KPlanta", 3}, {"Porcentaje", 40.0}, {"OFormula", 5}, {"OPlanta", 3}});
        Cursor aux(*db, "Plantas");
        Cursor rel(*db, "RelForm");
        rel.addLookupField({"Formula", "KFormula", &aux, "Clave", "PinYin", 50});
        rel.addLookupField({"Nom0", "KPlanta", &aux, "Clave", "Nom0", 10});
        rel.addCalcField("Planta", 80);
        rel.calcFields = [](Cursor &c) {
            c.setCalcValue(u"Planta", QString("%1 (%2)").arg(c.asString(u"KPlanta"), c.asString(u"Nom0")));
        };
        rel.open(); // opens the lookup source too
        QVERIFY(aux.isOpen());
        QCOMPARE(rel.asString(u"Formula"), QString("Gui Zhi Tang"));
        QCOMPARE(rel.asString(u"Nom0"), QString("Radix Glyc")); // cut to the lookup's width
        QCOMPARE(rel.asString(u"Planta"), QString("1 (Radix Glyc)"));
        QCOMPARE(rel.recordAt(2).asString(u"Planta"), QString("3 (Radix Gins)"));
        const Record narrow = rel.recordAt(2, {rel.fieldIndex(u"Porcentaje"), rel.fieldIndex(u"Nom0")});
        QCOMPARE(narrow.asDouble(u"Porcentaje"), 40.0);
        QCOMPARE(narrow.asString(u"Nom0"), QString("Radix Gins"));
        QVERIFY(narrow.isNull(u"KFormula"));                          // not asked for, not read
        QCOMPARE(rel.asString(u"Planta"), QString("1 (Radix Glyc)")); // reading row 2 moved nothing
        Cursor editor(*db, "Plantas");
        editor.open();
        editor.findKey({5});
        editor.edit();
        editor.setValue(u"PinYin", "Gui Zhi Tang Jia");
        editor.post();
        QCOMPARE(rel.asString(u"Formula"), QString("Gui Zhi Tang Jia"));
        aux.setFilter("EsFormula=False");
        aux.setFiltered(true);
        QVERIFY(rel.isNull(u"Formula")); // the formula is hidden from the source now
        QVERIFY_THROWS_EXCEPTION(DbError, rel.setValue(u"Formula", "x"));
    }

    void unknownFieldsAndTablesAreErrors()
    {
        TempDatabase db;
        addHerbs(db);
        Cursor c(*db, "Plantas");
        c.open();
        try {
            c.value(u"Nombre");
            QFAIL("read a field that does not exist");
        } catch (const DbError &e) {
            QCOMPARE(e.code(), DbError::Code::UnknownField);
            QVERIFY(e.message().contains("Nombre"));
        }
        Cursor missing(*db, "Pacientes");
        QVERIFY_THROWS_EXCEPTION(DbError, missing.open());
        QVERIFY(!missing.isOpen());
        Cursor closed(*db, "Plantas");
        QVERIFY_THROWS_EXCEPTION(DbError, closed.recordCount());
    }

    void scrollEventsOnOpenMovesAndFilters()
    {
        TempDatabase db;
        addHerbs(db);
        Cursor c(*db, "Plantas");
        int scrolls = 0;
        c.afterScroll = [&](Cursor &) { ++scrolls; };
        c.open();
        QCOMPARE(scrolls, 1);
        c.next();
        QCOMPARE(scrolls, 2);
        c.last();
        c.next(); // already at the end: no move
        QCOMPARE(scrolls, 3);
        c.setFilter("EsFormula=True");
        c.setFiltered(true);
        QCOMPARE(scrolls, 4);
        QCOMPARE(c.asString(u"PinYin"), QString("Gui Zhi Tang"));
    }

    void readingADetailWhileItsMasterIsHeldIsAnnouncedOnResume()
    {
        // The refresh reads a detail's count while the master's display is
        // held; the grid on that detail must still hear of its new rows.
        LinkedAction linked;
        Cursor &plan = linked.plan, &rel = linked.rel;
        plan.open();
        rel.open();
        QCOMPARE(rel.recordCount(), 0);
        QSignalSpy relRows(&rel, &Cursor::rowsChanged);
        plan.disableControls();
        plan.next();
        QCOMPARE(rel.recordCount(), 1); // rebuilt by a read while held
        QCOMPARE(relRows.count(), 0);
        plan.enableControls();
        QCOMPARE(relRows.count(), 1);
        QCOMPARE(rel.asInt(u"KUso"), 1);
    }

    void aPostIsAnnouncedToTheOtherCursorsOfTheTable()
    {
        TempDatabase db;
        addHerbs(db);
        Cursor writer(*db, "Plantas"), viewer(*db, "Plantas");
        writer.open();
        viewer.open();
        viewer.findKey({3});
        QSignalSpy current(&viewer, &Cursor::currentChanged);
        QSignalSpy rows(&viewer, &Cursor::rowsChanged);
        QSignalSpy writerRows(&writer, &Cursor::rowsChanged);
        writer.findKey({3});
        writer.edit();
        writer.setValue(u"PinYin", "Ren Shen Xu");
        writer.post();
        QCOMPARE(current.count(), 1);
        QCOMPARE(rows.count(), 1);
        QCOMPARE(writerRows.count(), 0); // the writer's own order did not change
        QCOMPARE(viewer.asString(u"PinYin"), QString("Ren Shen Xu"));
        // While the viewer's display is held, the notice waits for the resume.
        viewer.disableControls();
        writer.edit();
        writer.setValue(u"PinYin", "Ren Shen");
        writer.post();
        QCOMPARE(current.count(), 1);
        viewer.enableControls();
        QCOMPARE(current.count(), 2);
        QCOMPARE(viewer.asString(u"PinYin"), QString("Ren Shen"));
        // A row deleted elsewhere is announced too.
        writer.remove();
        QCOMPARE(rows.count(), 3);
        QCOMPARE(viewer.recordCount(), 4);
    }

    void recordAtRestoresTheCurrentRowWhenCalcFieldsThrows()
    {
        TempDatabase db;
        addHerbs(db);
        Cursor c(*db, "Plantas");
        c.addCalcField("Mayusculas", 50);
        c.calcFields = [](Cursor &cur) {
            if (cur.asString(u"PinYin") == "Ren Shen")
                throw DbError(DbError::Code::General, "calc failed");
            cur.setCalcValue(u"Mayusculas", cur.asString(u"PinYin").toUpper());
        };
        c.open();
        QCOMPARE(c.asString(u"Mayusculas"), QString("GAN CAO"));
        QVERIFY_THROWS_EXCEPTION(DbError, c.recordAt(3));
        QCOMPARE(c.asString(u"PinYin"), QString("Gan Cao"));
        QCOMPARE(c.asString(u"Mayusculas"), QString("GAN CAO"));
        QCOMPARE(c.recordAt(2).asString(u"Mayusculas"), QString("BAI ZHU"));
        QCOMPARE(c.asString(u"PinYin"), QString("Gan Cao"));
    }

    void tableDescriptionsOutliveAScript()
    {
        TempDatabase db;
        addHerbs(db);
        Cursor c(*db, "Plantas");
        c.open();
        QVERIFY(c.findKey({3}));
        db->runScript("INSERT INTO Usos (Nom) VALUES ('Tonifica')"); // the schema may have changed
        for (const TableDef &t : Schema::tables())
            db->tableInfo(t.name); // descriptions read again
        QCOMPARE(c.asString(u"PinYin"), QString("Ren Shen"));
        c.edit();
        c.setValue(u"Nom0", "Radix et Rhizoma Ginseng");
        QVERIFY(c.post());
        QCOMPARE(c.fieldNames().size(), Schema::find(u"Plantas")->fields.size());
        Cursor usos(*db, "Usos");
        usos.open();
        QCOMPARE(usos.asString(u"Nom"), QString("Tonifica"));
    }

    void aMissingColumnIsNamed()
    {
        TempDatabase db;
        addHerbs(db);
        db->exec("ALTER TABLE Plantas DROP COLUMN Nom5");
        auto reopened = Database::open(db.path());
        Cursor c(*reopened, "Plantas");
        try {
            c.open();
            QFAIL("a table without one of its columns opened");
        } catch (const DbError &e) {
            QCOMPARE(e.code(), DbError::Code::MissingColumn);
            QVERIFY2(e.message().contains("Plantas") && e.message().contains("Nom5"), qPrintable(e.message()));
        }
        QVERIFY(!c.isOpen());
        QVERIFY(checkDatabase(*reopened).join(u'\n').contains("Nom5"));
    }

    void identifiersWithQuotesAreQuoted()
    {
        TempDatabase db;
        addHerbs(db);
        db->exec("ALTER TABLE Plantas ADD COLUMN \"Nota \"\"x\"\"\" ALPHA_TEXT(20)");
        db->exec(
            "CREATE TABLE \"Tabla\"\"Rara\" (\"Clave\" INTEGER PRIMARY KEY AUTOINCREMENT, \"N\"\"om\" ALPHA_TEXT(10))");
        auto reopened = Database::open(db.path());
        const QString field = "Nota \"x\"";
        Cursor c(*reopened, "Plantas");
        c.open();
        for (const char *text : {"b", "c", "a", "e", "d"}) {
            c.edit();
            c.setValue(field, text);
            QVERIFY(c.post());
            c.next();
        }
        c.addIndex("Por" + field, field);
        c.setIndexName("Por" + field);
        QCOMPARE(column(c, field), QStringList({"a", "b", "c", "d", "e"}));
        QVERIFY(c.locate({field}, {"C"}, Cursor::CaseInsensitive));
        QCOMPARE(c.asString(u"PinYin"), QString("bai zhu"));
        c.findNearest({"D"});
        QCOMPARE(c.asString(field), QString("d"));

        Cursor rara(*reopened, "Tabla\"Rara");
        rara.open();
        rara.append();
        rara.setValue(u"N\"om", "uno");
        QVERIFY(rara.post());
        rara.addIndex("PorN\"om", "N\"om");
        rara.setIndexName("PorN\"om");
        QCOMPARE(column(rara, "N\"om"), QStringList({"uno"}));
        rara.remove();
        QCOMPARE(rara.recordCount(), 0);
    }

    void descendingIndexAndEmptying()
    {
        TempDatabase db;
        Cursor rep(*db, "Repertor.DB");
        rep.setIndexName("PorCant");
        rep.open();
        addCounts(rep, {{1, 2}, {2, 5}, {3, 1}});
        QCOMPARE(column(rep, "Cant"), QStringList({"5", "2", "1"}));
        rep.setIndexName("");
        QVERIFY(rep.findKey({3}));
        QCOMPARE(rep.asInt(u"Cant"), 1);
        rep.emptyTable();
        QCOMPARE(rep.recordCount(), 0);
    }
};

QTEST_GUILESS_MAIN(TestCursor)
#include "tst_cursor.moc"
