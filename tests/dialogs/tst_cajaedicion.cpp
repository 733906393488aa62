// In-place edit box: placed over the value, looks like it, Enter keeps and Esc drops what was typed.
#include "dialogs/CajaEdicion.h"
#include "support/Modal.h"

#include <QApplication>
#include <QLabel>
#include <QLineEdit>
#include <QPointer>
#include <QPushButton>
#include <QTest>
#include <QTimer>
#include <functional>

using namespace yb;

using yb::test::alAbrirse;

namespace {

const QString kPista = QStringLiteral("Pulse ENTER para Aceptar o ESC para Cancelar");

// What the box looked like when it opened.
struct Vista {
    QRect geometria;
    QRect geometriaEd;
    QFont letra;
    QColor fondo;
    QColor texto;
    QString pista;
    QString seleccion;
    bool sinMarco = false;
    bool abierta = false;
};

Vista mirar(QWidget *caja, QLineEdit *ed)
{
    Vista v;
    v.abierta = true;
    v.geometria = caja->geometry();
    v.sinMarco = caja->windowFlags().testFlag(Qt::FramelessWindowHint);
    if (ed) {
        v.geometriaEd = ed->geometry();
        v.letra = ed->font();
        v.fondo = ed->palette().color(QPalette::Base);
        v.texto = ed->palette().color(QPalette::Text);
        v.pista = ed->toolTip();
        v.seleccion = ed->selectedText();
    }
    return v;
}

} // namespace

class TestCajaEdicion : public QObject {
    Q_OBJECT

    // A label standing for the control that shows the value.
    struct Escena {
        QWidget ventana;
        QLabel *valor;

        Escena() : valor(new QLabel(QStringLiteral("Viejo"), &ventana))
        {
            valor->setObjectName(QStringLiteral("Valor"));
            valor->setGeometry(30, 40, 200, 60);
            QFont f(QStringLiteral("Arial"));
            f.setPointSize(15);
            f.setBold(true);
            valor->setFont(f);
            QPalette p = valor->palette();
            p.setColor(QPalette::Window, QColor(240, 230, 200));
            p.setColor(QPalette::WindowText, QColor(120, 10, 30));
            valor->setPalette(p);
            ventana.resize(300, 200);
            ventana.move(50, 70);
        }
    };

private slots:
    void cleanup() { QVERIFY(!QApplication::activeModalWidget()); }

    void opensOverTheValueLookingLikeIt()
    {
        Escena escena;
        escena.ventana.show();
        QVERIFY(QTest::qWaitForWindowExposed(&escena.ventana));
        const QRect rect(12, 8, 150, 26);

        Vista vista;
        alAbrirse(this, [&](QWidget *caja, QLineEdit *ed) {
            vista = mirar(caja, ed);
            QTest::keyClick(ed ? static_cast<QWidget *>(ed) : caja, Qt::Key_Escape);
        });
        QString texto = QStringLiteral("Viejo");
        QVERIFY(!cajaEdicion(texto, escena.valor, rect, true));

        QVERIFY(vista.abierta);
        QVERIFY(vista.sinMarco);
        QCOMPARE(vista.geometria, QRect(escena.valor->mapToGlobal(rect.topLeft()), rect.size()));
        QCOMPARE(vista.geometriaEd, QRect(QPoint(0, 0), rect.size()));
        QCOMPARE(vista.letra, escena.valor->font());
        QCOMPARE(vista.fondo, QColor(240, 230, 200));
        QCOMPARE(vista.texto, QColor(120, 10, 30));
        QCOMPARE(vista.pista, kPista);
        QCOMPARE(vista.seleccion, QStringLiteral("Viejo"));
    }

    void keysDecide_data()
    {
        QTest::addColumn<bool>("seleccionarTodo");
        QTest::addColumn<QString>("tecleado");
        QTest::addColumn<int>("tecla");
        QTest::addColumn<bool>("aceptada");
        QTest::addColumn<QString>("resultado");

        QTest::newRow("typing replaces, Enter keeps it") << true << "Nuevo" << int(Qt::Key_Return) << true << "Nuevo";
        QTest::newRow("keypad Enter") << true << "Otro" << int(Qt::Key_Enter) << true << "Otro";
        QTest::newRow("Esc drops what was typed") << true << "Nuevo" << int(Qt::Key_Escape) << false << "Viejo";
        QTest::newRow("nothing typed, Enter") << true << "" << int(Qt::Key_Return) << true << "Viejo";
        QTest::newRow("not selected: typing adds") << false << "X" << int(Qt::Key_Return) << true << "ViejoX";
        QTest::newRow("emptied and accepted") << true << "\b" << int(Qt::Key_Return) << true << "";
    }

    void keysDecide()
    {
        QFETCH(bool, seleccionarTodo);
        QFETCH(QString, tecleado);
        QFETCH(int, tecla);
        QFETCH(bool, aceptada);
        QFETCH(QString, resultado);

        Escena escena;
        escena.ventana.show();
        QVERIFY(QTest::qWaitForWindowExposed(&escena.ventana));

        QString seleccion = QStringLiteral("-");
        QString alCerrar;
        alAbrirse(this, [&](QWidget *caja, QLineEdit *ed) {
            if (!ed) {
                caja->close();
                return;
            }
            seleccion = ed->selectedText();
            if (tecleado == QLatin1String("\b"))
                QTest::keyClick(ed, Qt::Key_Backspace);
            else
                QTest::keyClicks(ed, tecleado);
            alCerrar = ed->text();
            QTest::keyClick(ed, Qt::Key(tecla));
        });
        QString texto = QStringLiteral("Viejo");
        QCOMPARE(cajaEdicion(texto, escena.valor, QRect(0, 0, 120, 24), seleccionarTodo), aceptada);
        QCOMPARE(seleccion, seleccionarTodo ? QStringLiteral("Viejo") : QString());
        QCOMPARE(texto, resultado);
        if (!aceptada)
            QCOMPARE(alCerrar, QStringLiteral("Nuevo")); // it was edited in the box all the same
    }

    void boxIsGoneAfterwards()
    {
        Escena escena;
        escena.ventana.show();
        QVERIFY(QTest::qWaitForWindowExposed(&escena.ventana));
        QPointer<QWidget> abierta;
        bool vista = false;
        alAbrirse(this, [&](QWidget *caja, QLineEdit *ed) {
            abierta = caja;
            vista = true;
            QTest::keyClick(ed ? static_cast<QWidget *>(ed) : caja, Qt::Key_Return);
        });
        QString texto = QStringLiteral("Viejo");
        QVERIFY(cajaEdicion(texto, escena.valor, QRect(0, 0, 80, 20), true));
        QVERIFY(vista);
        QVERIFY(abierta.isNull());
        QVERIFY(escena.ventana.findChildren<QLineEdit *>().isEmpty());
    }
};

QTEST_MAIN(TestCajaEdicion)
#include "tst_cajaedicion.moc"
