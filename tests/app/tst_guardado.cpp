// A failed save is never silent: what the user typed (notes, texts, names)
// and could not be stored is reported, stays on screen and on its own
// record, and is stored there once storing works again. Faults are injected:
// another program holding the database, and a full disk.
#include "browser/Textos.h"
#include "browser/TextosError.h"
#include "dbwidgets/DBControls.h"
#include "dbwidgets/DBGrid.h"
#include "dbwidgets/DBRichEdit.h"
#include "formats/Rtf.h"
#include "support/AppFixture.h"
#include "support/Fallos.h"

#include <QAbstractButton>
#include <QApplication>
#include <QLabel>
#include <QPushButton>
#include <QTabBar>
#include <QTimer>
#include <optional>

using namespace yb;
using namespace yb::test;

namespace {

enum class Fallo { Bloqueo, DiscoLleno };

// Where the user types: the text panel on a tab, or a name box.
struct Campo {
    const char *control; // "Memo" or a name box
    int tab;             // the text tab for Memo
    const char *tabla;
    const char *campo;
};

} // namespace

Q_DECLARE_METATYPE(Fallo)
Q_DECLARE_METATYPE(Campo)

namespace {

// The application on a data directory, with a fault that can be put in and taken away.
struct Guardado {
    std::optional<DiscoLleno> disco;
    std::optional<DataDir> datos;
    std::optional<Run> r;
    std::optional<BaseBloqueada> bloqueo;
    Fallo fallo;

    // False when the fault cannot be made here (mounting needs root).
    bool empezar(Fallo f, bool editor, bool ingles = false)
    {
        fallo = f;
        if (f == Fallo::DiscoLleno) {
            disco.emplace();
            if (!disco->montado)
                return false;
        }
        datos.emplace(disco ? disco->path() : QString());
        if (ingles)
            QDir(datos->dir.path()).mkdir("English");
        r.emplace(editor ? QStringList{"tezlap"} : QStringList{"Bai Zhu"});
        if (editor) {
            QTest::mouseClick(r->child<QAbstractButton>("Modificar"), Qt::LeftButton);
            r->app->dm().TPlan.first();
        }
        return true;
    }
    ~Guardado() { Mensajes::setEnglish(false); }

    void averiar()
    {
        if (fallo == Fallo::DiscoLleno)
            disco->llenar();
        else
            bloqueo.emplace(r->app->database());
    }
    void reparar()
    {
        if (fallo == Fallo::DiscoLleno)
            disco->vaciar();
        else
            bloqueo.reset();
    }

    QWidget *control(const Campo &c) const { return r->child<QWidget>(c.control); }
    QString shown(const Campo &c) const
    {
        if (auto *memo = qobject_cast<DBRichEdit *>(control(c)))
            return memo->toPlainText();
        return qobject_cast<DBEdit *>(control(c))->text();
    }
    void type(const Campo &c, const QString &text)
    {
        if (c.tab >= 0)
            r->child<QTabBar>("TabMemo")->setCurrentIndex(c.tab);
        QWidget *w = control(c);
        w->setFocus();
        // To the end of the text: Control+End in a memo, End in a one-line box.
        QTest::keyClick(w, Qt::Key_End, c.tab >= 0 ? Qt::ControlModifier : Qt::NoModifier);
        QTest::keyClicks(w, text);
    }
    QString stored(const Campo &c, int key) const
    {
        const bool notas = QString(c.tabla) == "Notas";
        Statement s(r->app->database(),
                    QString("SELECT %1 FROM %2 WHERE %3 = ?").arg(c.campo, c.tabla, notas ? "KPlanta" : "Clave"));
        s.bind(1, key);
        return s.step() ? Rtf::textoPlano(s.text(0)) : QString();
    }
    void down() { QTest::keyClick(r->child<QWidget>("GrNom"), Qt::Key_Down); }
    // A reader's notes on Bai Zhu typed, and then the database held by another program.
    Campo notasSinGuardar(bool ingles = false)
    {
        const Campo notas{"Memo", 3, "Notas", "Memo"};
        empezar(Fallo::Bloqueo, false, ingles);
        type(notas, "Zq");
        averiar();
        return notas;
    }
    int shownRow() const { return r->child<DBGrid>("GrNom")->currentIndex().row(); }
};

const QString kNoGuardado = "No se pudo guardar lo escrito: ";

} // namespace

class TestGuardado : public QObject {
    Q_OBJECT
private slots:
    void failedSaveKeepsTheTextOnItsRecord_data()
    {
        QTest::addColumn<Fallo>("fallo");
        QTest::addColumn<bool>("editor");
        QTest::addColumn<Campo>("campo");
        const Campo notas{"Memo", 3, "Notas", "Memo"};
        // clang-format off
        QTest::newRow("notes, reader, locked") << Fallo::Bloqueo << false << notas;
        QTest::newRow("notes, reader, disk full") << Fallo::DiscoLleno << false << notas;
        QTest::newRow("description, editing, locked")
            << Fallo::Bloqueo << true << Campo{"Memo", 0, "Plantas", "Descripcion"};
        QTest::newRow("description, editing, disk full")
            << Fallo::DiscoLleno << true << Campo{"Memo", 0, "Plantas", "Descripcion"};
        QTest::newRow("Latin name, editing, locked") << Fallo::Bloqueo << true << Campo{"Ed0", -1, "Plantas", "Nom0"};
        QTest::newRow("PinYin, editing, locked")
            << Fallo::Bloqueo << true << Campo{"EdPinYin", -1, "Plantas", "PinYin"};
        // clang-format on
    }

    void failedSaveKeepsTheTextOnItsRecord()
    {
        QFETCH(Fallo, fallo);
        QFETCH(bool, editor);
        QFETCH(Campo, campo);
        Guardado g;
        if (!g.empezar(fallo, editor))
            QSKIP("no tmpfs can be mounted here (needs root)");
        QCOMPARE(g.r->current(), QString("Bai Zhu"));
        g.type(campo, "Zq");
        const QString typed = g.shown(campo);
        QVERIFY(typed.contains("Zq"));

        g.averiar();
        {
            Mensajes::Script script({Respuesta::Ok});
            g.down();
            QCOMPARE(script.texts().size(), 1);
            QVERIFY2(script.texts()[0].startsWith(kNoGuardado), qPrintable(script.texts()[0]));
            // The reason is named: held by another program, or the disk full.
            const QString motivo = fallo == Fallo::DiscoLleno ? "el disco está lleno" : "otro programa";
            QVERIFY2(script.texts()[0].contains(motivo), qPrintable(script.texts()[0]));
        }
        QCOMPARE(g.r->current().left(7), QString("Bai Zhu")); // the PinYin itself may be what was typed
        QCOMPARE(g.shownRow(), 0);
        QCOMPARE(g.shown(campo), typed);
        QVERIFY(!g.stored(campo, 1).contains("Zq"));

        g.reparar();
        g.down();
        QCOMPARE(g.r->current(), QString("Gan Cao"));
        QVERIFY(!g.shown(campo).contains("Zq"));
        QVERIFY(g.stored(campo, 1).contains("Zq"));
        QVERIFY(!g.stored(campo, 2).contains("Zq"));
    }

    // Every way of leaving the record asks for the typing to be stored first.
    void everyWayOfLeavingKeepsTheRecord_data()
    {
        QTest::addColumn<QString>("way");
        QTest::newRow("typed search") << "typed search";
        QTest::newRow("kind of record") << "kind";
        QTest::newRow("full-text search") << "search";
        QTest::newRow("change of tab") << "tab";
    }

    void everyWayOfLeavingKeepsTheRecord()
    {
        QFETCH(QString, way);
        Guardado g;
        const Campo notas = g.notasSinGuardar();
        {
            Mensajes::Script script({Respuesta::Ok, Respuesta::Ok});
            if (way == "typed search") {
                g.r->child<QWidget>("GrNom")->setFocus();
                QTest::keyClick(g.r->child<QWidget>("GrNom"), Qt::Key_R);
            } else if (way == "kind") {
                QTest::mouseClick(g.r->w->findChild<QAbstractButton *>("SelPlanForm_1"), Qt::LeftButton);
            } else if (way == "search") {
                QTest::mouseClick(g.r->child<QAbstractButton>("Buscar"), Qt::LeftButton); // refused before it opens
            } else {
                g.r->child<QTabBar>("TabMemo")->setCurrentIndex(0); // the notes stay in their record's buffer
                QVERIFY(!g.shown(notas).contains("Zq"));
                g.r->child<QTabBar>("TabMemo")->setCurrentIndex(3); // each change of tab tries again
            }
            QCOMPARE(script.texts().size(), way == "tab" ? 2 : 1);
            for (const QString &t : script.texts())
                QVERIFY(t.startsWith(kNoGuardado));
        }
        QCOMPARE(g.r->current(), QString("Bai Zhu"));
        QCOMPARE(g.r->child<QTabBar>("TabMemo")->currentIndex(), 3);
        QVERIFY(g.shown(notas).contains("Zq"));
        g.reparar();
        g.down();
        QVERIFY(g.stored(notas, 1).contains("Zq"));
    }

    // A record first shown while nothing can be stored: its notes show empty and
    // take what is typed; leaving it with nothing typed asks nothing.
    void notesOfARecordFirstShownWhileLocked()
    {
        Guardado g;
        g.empezar(Fallo::Bloqueo, false);
        const Campo notas{"Memo", 3, "Notas", "Memo"};
        g.r->child<QTabBar>("TabMemo")->setCurrentIndex(3);
        g.averiar();
        {
            Mensajes::Script nada({}); // any message would end the test
            g.down();
            g.down();
            QCOMPARE(g.r->current(), QString("Gui Zhi Tang"));
            QTest::keyClick(g.r->child<QWidget>("GrNom"), Qt::Key_Up);
            QCOMPARE(g.r->current(), QString("Gan Cao"));
        }
        QVERIFY(g.shown(notas).trimmed().isEmpty());
        g.type(notas, "Zq");
        {
            Mensajes::Script script({Respuesta::Ok});
            g.down();
            QCOMPARE(script.texts().size(), 1);
        }
        QCOMPARE(g.r->current(), QString("Gan Cao"));
        QVERIFY(g.shown(notas).contains("Zq"));
        g.reparar();
        g.down();
        QVERIFY(g.stored(notas, 2).contains("Zq"));
        QVERIFY(!g.shown(notas).contains("Zq"));
        QTest::keyClick(g.r->child<QWidget>("GrNom"), Qt::Key_Up);
        QVERIFY(g.shown(notas).contains("Zq"));
    }

    // A class chosen for the record goes through the same routine as the typing.
    void classChosenWhileLockedIsStoredLater()
    {
        Guardado g;
        g.empezar(Fallo::Bloqueo, true);
        Cursor &plan = g.r->app->dm().TPlan;
        QVERIFY(plan.locate({"PinYin"}, {"Ren Shen"}));
        g.averiar();
        QTimer::singleShot(0, [] {
            QWidget *picker = QApplication::activeModalWidget();
            QVERIFY(picker);
            QVERIFY(picker->findChild<DBGrid *>("Gr")->dataSource()->cursor()->locate({"NomEsp"}, {"Tónicos"}));
            QTest::mouseClick(picker->findChild<QPushButton *>("Aceptar"), Qt::LeftButton);
        });
        {
            Mensajes::Script script({Respuesta::Ok});
            QTest::mouseClick(g.r->child<QPushButton>("BotClase"), Qt::LeftButton);
            QCOMPARE(script.texts().size(), 1);
            QVERIFY(script.texts()[0].startsWith(kNoGuardado));
        }
        QCOMPARE(g.r->child<QLabel>("DBText1")->text(), QString("Tónicos"));
        const Campo clase{"DBText1", -1, "Plantas", "KClase"};
        QCOMPARE(g.stored(clase, 3), QString());
        g.reparar();
        QTest::keyClick(g.r->child<QWidget>("GrNom"), Qt::Key_Up);
        QCOMPARE(g.stored(clase, 3), QString("1"));
    }

    void messageIsInTheInterfaceLanguage()
    {
        Guardado g;
        g.notasSinGuardar(true);
        Mensajes::Script script({Respuesta::Ok});
        g.down();
        QCOMPARE(script.texts().size(), 1);
        QVERIFY2(script.texts()[0].startsWith("What you typed could not be saved: "), qPrintable(script.texts()[0]));
    }

    // No data source of the window is silent: an error that any of its controls
    // meets (a value refused, a record that cannot be stored) is told in the
    // interface language.
    void everyDataSourceOfTheWindowTellsItsErrors()
    {
        Guardado g;
        g.empezar(Fallo::Bloqueo, true, true);
        const QList<DataSource *> sources = g.r->w->findChildren<DataSource *>();
        QCOMPARE(sources.size(), 8);
        const DbError error(DbError::Code::ReadOnly, "read-only");
        Mensajes::Script script(QList<Respuesta>(sources.size(), Respuesta::Ok));
        for (DataSource *source : sources)
            source->reportError(error);
        QCOMPARE(script.texts(), QStringList(sources.size(), textoNoGuardado(error, true)));
        QVERIFY(script.texts()[0].startsWith("What you typed could not be saved: the database cannot be written."));
    }

    // Editing cannot be switched off while the record's change is not stored.
    void editingStaysOnWhileTheChangeIsNotStored()
    {
        Guardado g;
        g.empezar(Fallo::Bloqueo, true);
        const Campo descripcion{"Memo", 0, "Plantas", "Descripcion"};
        g.type(descripcion, "Zq");
        g.averiar();
        auto *modificar = g.r->child<QAbstractButton>("Modificar");
        {
            Mensajes::Script script({Respuesta::Ok});
            QTest::mouseClick(modificar, Qt::LeftButton);
            QCOMPARE(script.texts().size(), 1);
        }
        QVERIFY(modificar->isChecked());
        QCOMPARE(modificar->text(), QString("Editando"));
        QVERIFY(g.shown(descripcion).contains("Zq"));
        g.reparar();
        QTest::mouseClick(modificar, Qt::LeftButton);
        QCOMPARE(modificar->text(), QString("Modificar"));
        QVERIFY(g.stored(descripcion, 1).contains("Zq"));
    }

    // Closing asks whether to stay so as not to lose the text: yes keeps the
    // window and the text, which is stored on a later close; no leaves without it.
    void closingWithAFailedSaveAsks_data()
    {
        QTest::addColumn<bool>("stay");
        QTest::newRow("stay") << true;
        QTest::newRow("leave without it") << false;
    }

    void closingWithAFailedSaveAsks()
    {
        QFETCH(bool, stay);
        Guardado g;
        const Campo notas = g.notasSinGuardar();
        {
            Mensajes::Script script({Respuesta::Yes, stay ? Respuesta::Yes : Respuesta::No}); // exit? then: stay?
            g.r->w->close();
            QCOMPARE(script.texts().size(), 2);
            QVERIFY(script.texts()[1].startsWith(kNoGuardado));
            QVERIFY(script.texts()[1].endsWith("¿Seguir en Yerbalia para no perderlo?"));
        }
        QCOMPARE(g.r->w->isVisible(), stay);
        g.reparar();
        if (stay) {
            QVERIFY(g.shown(notas).contains("Zq"));
            g.r->close(Respuesta::Yes);
            QVERIFY(!g.r->w->isVisible());
        }
        QCOMPARE(g.stored(notas, 1).contains("Zq"), stay);
    }
};

QTEST_MAIN(TestGuardado)
#include "tst_guardado.moc"
