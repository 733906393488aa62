// The data module: record events, the refresh, the notes row, ordering by a field.
#include "data/DataModule.h"
#include "support/Faults.h"
#include "support/Fixture.h"

#include <QTest>

using namespace yb;
using yb::test::TempDatabase;

namespace {

// Stands in for the main window: records what the refresh tells it, in the
// order of the window's steps.
struct FakeVista : TDMVista {
    QStringList log;
    QList<bool> nameRows = QList<bool>(11, true);
    QString counts;

    void mostrarRegistro(const RegistroActual &r) override
    {
        log << QString("photo %1 %2").arg(r.tieneFoto).arg(r.esFormula);
        if (r.cuentas) {
            counts = QString("%1 %2 %3").arg(r.cuentas->acciones).arg(r.cuentas->indicaciones).arg(r.cuentas->formulas);
            log << "counts";
        }
        if (r.nombres)
            nameRows = QList<bool>(r.nombres->begin(), r.nombres->end());
        log << QString("page %1").arg(r.esFormula);
        log << (r.perfilDeIngredientes ? QString("compute") : "scales " + r.meridianos + r.sabor + r.energia);
        log << QString("formulaPage %1").arg(r.esFormula);
    }
    void registroMostrado() override { log << "ficha"; }
};

const QStringList kListaEsp{"Acciones", "Indicaciones", "Ingredientes", "Fórmulas"};

// A database with a herb, a formula and links, and a data module on it.
struct Module {
    TempDatabase db;
    FakeVista host;
    QString pasaArgs;
    QStringList messages;
    std::unique_ptr<TDM> dm;

    Module()
    {
        db.herb("Gan Cao", "Radix Glycyrrhizae");
        db.herb("Gui Zhi Tang", QString(), true);
        db.add("Plantas", {{"PinYin", "Ren Shen"}, {"Orden", 3}, {"Meridianos", "900000000000"}});
        db.action("Tonifica el qi");
        db.action("Armoniza");
        db.link(1, 1);
        db.link(1, 2);
        db.add("RelForm", {{"KFormula", 2}, {"KPlanta", 1}, {"Porcentaje", 100.0}, {"OFormula", 2}, {"OPlanta", 1}});
        dm = std::make_unique<TDM>(*db, kListaEsp);
        dm->setVista(&host);
        dm->informar = [this](const QString &text) { messages << text; };
        dm->abrir();
        dm->TPlanAfterScroll(); // as the first showing does once the cursors are open
    }
};

} // namespace

class TestDataModule : public QObject {
    Q_OBJECT
private slots:
    void refreshRunsItsStepsInOrder()
    {
        Module m;
        m.host.log.clear();
        m.dm->TPlan.first();
        QCOMPARE(m.host.log, QStringList({"photo 0 0", "counts", "page 0", "scales ", "formulaPage 0", "ficha"}));
        QCOMPARE(m.host.counts, QString("2 0 1")); // actions, indications, the formulas it is in
        m.dm->TPlan.next();
        QCOMPARE(m.host.counts, QString("0 0 1")); // the formula's ingredients
        QCOMPARE(m.dm->TRelPlForm.asString(u"Planta"), QString("Gan Cao (Radix Glycyrrhizae)"));
    }

    void formulaProfileIsComputedOnlyWhileEditingAllKinds()
    {
        Module m;
        m.dm->editando = true;
        m.dm->tipo = 2;
        m.dm->TPlan.findKey({2});
        QVERIFY(m.host.log.contains("compute"));
        m.host.log.clear();
        m.dm->tipo = 1;
        m.dm->TPlanAfterScroll();
        QVERIFY(!m.host.log.contains("compute"));
    }

    void newRowTakesItsClaveAsOrden()
    {
        Module m;
        m.dm->tipo = 0;
        Cursor &plan = m.dm->TPlan;
        plan.append();
        plan.setValue(u"PinYin", "Da Zao");
        QVERIFY(plan.post());
        QCOMPARE(plan.asInt(u"Orden"), plan.asInt(u"Clave"));
        QVERIFY(!plan.asBool(u"EsFormula"));
        plan.append();
        plan.setValue(u"PinYin", "Bai Zhu");
        plan.setValue(u"Orden", 7);
        plan.post();
        QCOMPARE(plan.asInt(u"Orden"), 7);
        Cursor usos(*m.db, "Usos"); // the catalogues share the rule
        usos.afterPost = &TDM::TPlanAfterPost;
        usos.open();
        usos.append();
        usos.setValue(u"Nom", "Seca la humedad");
        usos.post();
        QCOMPARE(usos.asInt(u"Orden"), usos.asInt(u"Clave"));
    }

    void kindOfANewRecord()
    {
        Module m;
        Cursor &plan = m.dm->TPlan;
        const int before = plan.recordCount();
        plan.findKey({2});
        plan.append(); // kind "Todo": refused with a message
        QCOMPARE(m.messages, QStringList({"Deberá seleccionar \"Plantas\" o \"Fórmulas\""}));
        QCOMPARE(plan.state(), Cursor::State::Browse);
        QCOMPARE(plan.recordCount(), before);
        QCOMPARE(plan.asString(u"PinYin"), QString("Gui Zhi Tang"));
        m.dm->tipo = 1;
        plan.append();
        plan.setValue(u"PinYin", "Si Jun Zi Tang");
        plan.post();
        QVERIFY(plan.asBool(u"EsFormula"));
    }

    void repeatedLinkIsDroppedWithAMessage()
    {
        Module m;
        Cursor &rel = m.dm->TRel;
        QCOMPARE(rel.recordCount(), 2);
        rel.last();
        rel.append();
        rel.setValue(u"KPlanta", 1);
        rel.setValue(u"KUso", 1);
        rel.setValue(u"OUso", 1);
        QVERIFY(!rel.post());
        QCOMPARE(m.messages, QStringList({"Registro repetido"}));
        QCOMPARE(rel.state(), Cursor::State::Browse);
        QCOMPARE(rel.recordCount(), 2);
        QCOMPARE(rel.recNo(), 2); // back on the row it was on
        QCOMPARE(rel.asString(u"Uso"), QString("Armoniza"));
        QCOMPARE(m.db.count("Rel"), 2);
        m.dm->TPlan.next(); // and it still follows the current record
        QCOMPARE(rel.recordCount(), 0);
    }

    void linkNotStoredForAnotherReasonIsNotARepeatedOne()
    {
        Module m;
        Cursor &rel = m.dm->TRel;
        yb::test::OtherProgram other(m.db->filePath());
        QVERIFY(other.exec("BEGIN IMMEDIATE"));
        rel.append();
        rel.setValue(u"KPlanta", 1);
        rel.setValue(u"KUso", 3);
        rel.setValue(u"OUso", 3);
        try {
            rel.post();
            QFAIL("a post under another program's lock was reported stored");
        } catch (const DbError &e) {
            QCOMPARE(e.code(), DbError::Code::Busy);
        }
        QVERIFY(m.messages.isEmpty());                // not "Registro repetido"
        QCOMPARE(rel.state(), Cursor::State::Insert); // the row typed is kept
        QCOMPARE(rel.asInt(u"KUso"), 3);
        QVERIFY(other.exec("ROLLBACK"));
        QVERIFY(rel.post());
        QCOMPARE(m.db.count("Rel"), 3);
    }

    void notesRowIsCreatedOnce()
    {
        Module m;
        QCOMPARE(m.db.count("Notas"), 1); // the first record was shown on opening
        m.dm->TPlan.next();
        QCOMPARE(m.db.count("Notas"), 2);
        m.dm->TPlan.first();
        m.dm->TPlan.next();
        QCOMPARE(m.db.count("Notas"), 2);
        QCOMPARE(m.dm->TNotas.asInt(u"KPlanta"), m.dm->claveActual());
    }

    void emptyListStillRefreshes()
    {
        Module m;
        m.dm->filtroBusqueda = true; // no hits: nothing passes
        m.host.log.clear();
        m.dm->ajustarPruebaDeRegistro();
        m.dm->TPlan.refresh();
        QCOMPARE(m.dm->TPlan.recordCount(), 0);
        QCOMPARE(m.dm->claveActual(), 0);
        QVERIFY(m.host.log.contains("ficha"));
        QCOMPARE(m.dm->TNotas.asInt(u"KPlanta"), 0);
        QVERIFY(!m.dm->TNotas.isNull(u"KPlanta"));
        const int notes = m.db.count("Notas");
        m.dm->TPlanAfterScroll();
        QCOMPARE(m.db.count("Notas"), notes); // found, not created again
    }

    void recordTestUsesHitsAndProperties()
    {
        Module m;
        m.dm->filtroBusqueda = true;
        m.dm->tagBits.set(1, true);
        m.dm->tagBits.set(3, true);
        m.dm->ajustarPruebaDeRegistro();
        m.dm->TPlan.refresh();
        QCOMPARE(m.dm->TPlan.recordCount(), 2);
        m.dm->filtroPropiedades = [&m](const QString &me, const QString &e, const QString &s) {
            m.pasaArgs = me + "|" + e + "|" + s;
            return me.startsWith('9');
        };
        m.dm->TPlan.refresh();
        QCOMPARE(m.dm->TPlan.recordCount(), 1);
        QCOMPARE(m.dm->TPlan.asString(u"PinYin"), QString("Ren Shen"));
        QCOMPARE(m.pasaArgs, QString("900000000000||")); // Meridianos, Energia, Sabor
        m.dm->filtroBusqueda = false;
        m.dm->filtroPropiedades = nullptr;
        m.dm->ajustarPruebaDeRegistro();
        m.dm->TPlan.refresh();
        QCOMPARE(m.dm->TPlan.recordCount(), 3);
    }

    void nameRowsInReaderAndEditorMode()
    {
        Module m;
        Cursor &plan = m.dm->TPlan;
        m.dm->tipo = 0;
        plan.append();
        plan.setValue(u"PinYin", "Shan Yao");
        plan.setValue(u"Nom4", "Igname");
        plan.setValue(u"Nom5", "");   // Italian empty
        plan.setValue(u"Nom6", "Y");  // one letter
        plan.setValue(u"Nom7", "Ya"); // two letters
        plan.post();
        m.dm->TPlanAfterScroll();
        QCOMPARE(m.host.nameRows.mid(4, 4), QList<bool>({true, false, false, true}));
        QVERIFY(!m.host.nameRows[0]);
        m.dm->modoEditor = true;
        m.dm->TPlanAfterScroll();
        QCOMPARE(m.host.nameRows, QList<bool>(11, true));
    }

    void usarIndiceCreatesOnceAndKeepsTheRecord()
    {
        Module m;
        Cursor &plan = m.dm->TPlan;
        plan.findKey({3});
        QVERIFY(!plan.hasIndex("PorNom10"));
        QVERIFY(m.dm->UsarIndice(plan, "Nom10"));
        QVERIFY(plan.hasIndex("PorNom10"));
        QCOMPARE(plan.indexName(), QString("PorNom10"));
        QCOMPARE(plan.asString(u"PinYin"), QString("Ren Shen"));
        QVERIFY(m.dm->UsarIndice(plan, "PinYin"));
        QVERIFY(m.dm->UsarIndice(plan, "Nom10")); // only selected now
        QCOMPARE(TDM::indexNameFor("Nom10"), QString("PorNom10"));
        QCOMPARE(TDM::indexNameFor(QString(30, 'X')).size(), 25);
        QVERIFY(!m.dm->UsarIndice(plan, "NoSuchField"));
        QCOMPARE(plan.indexName(), QString("PorNom10")); // the previous order stays
        QVERIFY(plan.isOpen());
    }

    void usarIndiceReportsAFailureOfTheEngine()
    {
        Module m;
        Cursor &plan = m.dm->TPlan;
        plan.findKey({3});
        yb::test::OtherProgram other(m.db->filePath());
        QVERIFY(other.exec("BEGIN IMMEDIATE"));
        try {
            m.dm->UsarIndice(plan, "Nom3");
            QFAIL("the index was reported made under another program's lock");
        } catch (const DbError &e) {
            QCOMPARE(e.code(), DbError::Code::Busy);
        }
        QVERIFY(!plan.hasIndex("PorNom3"));
        QCOMPARE(plan.indexName(), QString()); // the previous order stays
        QVERIFY(plan.isOpen());
        QVERIFY(!plan.controlsDisabled());
        QCOMPARE(plan.asString(u"PinYin"), QString("Ren Shen"));
        QVERIFY(other.exec("ROLLBACK"));
        QVERIFY(m.dm->UsarIndice(plan, "Nom3"));
        QCOMPARE(plan.indexName(), QString("PorNom3"));
    }

    void englishLookups()
    {
        Module m;
        m.db.add("Clases", {{"Padre", 0}, {"NomEsp", "Tónicos"}, {"NomIng", "Tonics"}});
        Cursor &plan = m.dm->TPlan;
        plan.edit();
        plan.setValue(u"KClase", 1);
        plan.post();
        QCOMPARE(plan.asString(u"Clase"), QString("Tónicos"));
        m.dm->setEnglish(true);
        QCOMPARE(plan.asString(u"Clase"), QString("Tonics"));
    }

    void tagBits()
    {
        TTagBits bits;
        bits.set(500, true);
        QVERIFY(bits.test(500));
        QVERIFY(!bits.test(499));
        QVERIFY(!bits.test(1000));
        bits.clear();
        QCOMPARE(bits.size(), 0);
        QVERIFY(!bits.test(500));
    }
};

QTEST_GUILESS_MAIN(TestDataModule)
#include "tst_datamodule.moc"
