// The key preview of a window: its own controls' keys, also of controls added
// later, and never the keys of another window.
#include "browser/VistaPreviaTeclas.h"

#include <QKeyEvent>
#include <QLineEdit>
#include <QTest>

using namespace yb;

class TestVistaPrevia : public QObject {
    Q_OBJECT
private slots:
    void seesOnlyTheWindowsOwnKeys()
    {
        QWidget ventana;
        auto *campo = new QLineEdit(&ventana);
        QStringList vistas;
        new VistaPreviaTeclas(&ventana, [&](QObject *watched, QKeyEvent *event) {
            vistas << watched->objectName();
            return event->key() == Qt::Key_X; // consumed: the control never gets it
        });
        campo->setObjectName("campo");
        ventana.show();
        QVERIFY(QTest::qWaitForWindowExposed(&ventana));

        QTest::keyClick(campo, Qt::Key_A);
        QCOMPARE(vistas, QStringList({"campo"}));
        QCOMPARE(campo->text(), QString("a")); // not consumed: the control has it too

        // A control put in after the preview, and one inside it.
        auto *caja = new QWidget(&ventana);
        caja->setObjectName("caja");
        auto *tardio = new QLineEdit(caja);
        tardio->setObjectName("tardio");
        caja->show();
        vistas.clear();
        QTest::keyClick(tardio, Qt::Key_B);
        QTest::keyClick(tardio, Qt::Key_X);
        QCOMPARE(vistas.mid(0, 2), QStringList({"tardio", "tardio"}));
        QCOMPARE(tardio->text(), QString("b"));

        // Another window, and a window inside this one (a popup, a dialog): not its keys.
        QWidget otra;
        auto *ajeno = new QLineEdit(&otra);
        auto *popup = new QWidget(&ventana, Qt::Popup);
        auto *emergente = new QLineEdit(popup);
        otra.show();
        popup->show();
        vistas.clear();
        QTest::keyClick(ajeno, Qt::Key_C);
        QTest::keyClick(emergente, Qt::Key_D);
        QVERIFY2(vistas.isEmpty(), qPrintable(vistas.join(',')));
        QCOMPARE(ajeno->text(), QString("c"));
        QCOMPARE(emergente->text(), QString("d"));
    }
};

QTEST_MAIN(TestVistaPrevia)
#include "tst_vistaprevia.moc"
