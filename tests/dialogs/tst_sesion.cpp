// The session: settings every window reads, each change signalled once; windows follow it.
#include "dialogs/Sesion.h"
#include "dialogs/Ventana.h"

#include <QLineEdit>
#include <QSignalSpy>
#include <QTest>
#include <QTimer>

using namespace yb;

namespace {

// A window that counts what the session asked of it.
class VentanaDePrueba : public TVentana {
public:
    int ingles = 0;
    int lector = 0;
    QLineEdit *campo = new QLineEdit(this);
    void TextosIngles() override { ++ingles; }
    void ModoLector() override { ++lector; }
    using TVentana::Centro;
    using TVentana::mostrarModal;
};

} // namespace

class TestSesion : public QObject {
    Q_OBJECT

private slots:
    // Editing needs editor mode and the switch down; either one changing is signalled once.
    void editingNeedsEditorMode_data()
    {
        QTest::addColumn<bool>("editor");
        QTest::addColumn<bool>("interruptor");
        QTest::addColumn<bool>("editando");
        QTest::newRow("reader, switch up") << false << false << false;
        QTest::newRow("reader, switch down") << false << true << false;
        QTest::newRow("editor, switch up") << true << false << false;
        QTest::newRow("editor, switch down") << true << true << true;
    }
    void editingNeedsEditorMode()
    {
        QFETCH(bool, editor);
        QFETCH(bool, interruptor);
        QFETCH(bool, editando);
        Sesion s;
        QSignalSpy cambios(&s, &Sesion::editandoCambiado);
        s.setInterruptor(interruptor);
        s.setEditor(editor);
        QCOMPARE(s.editando(), editando);
        QCOMPARE(cambios.size(), editando ? 1 : 0);
        s.pasarAModoLector();
        QVERIFY(!s.editando());
        QCOMPARE(cambios.size(), editando ? 2 : 0);
    }

    // Setting a value it already has signals nothing; scheme 0 is taken as 1.
    void onlyChangesAreSignalled()
    {
        Sesion s;
        QSignalSpy esquema(&s, &Sesion::esquemaCambiado), letra(&s, &Sesion::letraCambiada),
            ingles(&s, &Sesion::inglesCambiado);
        s.setEsquema(1);
        s.setEsquema(0);
        QCOMPARE(s.esquema(), 1);
        s.setEsquema(3);
        s.setLetra(10);
        s.setLetra(14);
        s.setIngles(false);
        s.setIngles(true);
        s.setIngles(true);
        QCOMPARE(esquema.size(), 1);
        QCOMPARE(esquema.first().first().toInt(), 3);
        QCOMPARE(letra.size(), 1);
        QCOMPARE(letra.first().first().toInt(), 14);
        QCOMPARE(ingles.size(), 1);
    }

    // A window following the session turns English once and goes to reader mode each time it is asked.
    void windowsFollowTheSession()
    {
        Sesion s;
        VentanaDePrueba v;
        v.seguirSesion(s);
        s.setIngles(true);
        s.setIngles(true);
        s.pasarAModoLector();
        s.pasarAModoLector();
        QCOMPARE(v.ingles, 1);
        QCOMPARE(v.lector, 2);
    }

    // Shown modally: centred on the screen with the focus given, back when it hides; false when
    // the window was deleted while it showed.
    void modalShowing()
    {
        auto *v = new VentanaDePrueba;
        v->resize(200, 100);
        QWidget *foco = nullptr;
        QPoint centro;
        QTimer::singleShot(0, v, [&] {
            foco = v->focusWidget();
            centro = v->geometry().center();
            v->hide();
        });
        QVERIFY(v->mostrarModal(v->campo, VentanaDePrueba::Centro::Pantalla));
        QCOMPARE(foco, v->campo);
        QVERIFY((centro - v->screen()->availableGeometry().center()).manhattanLength() <= 2);

        QTimer::singleShot(0, v, [v] { delete v; });
        QVERIFY(!v->mostrarModal(v->campo, VentanaDePrueba::Centro::Pantalla));
    }
};

QTEST_MAIN(TestSesion)
#include "tst_sesion.moc"
