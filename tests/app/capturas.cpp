// yerbalia-capturas DATADIR OUTDIR: the pictures of docs/, taken from the
// real window on a data directory (run it offscreen on the sample database).
#include "app/Aplicacion.h"
#include "browser/Calco.h"
#include "browser/GrupoOpciones.h"
#include "browser/Plantas.h"

#include <QAbstractButton>
#include <QApplication>
#include <QDir>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QTest>
#include <QTextStream>
#include <QTimer>

using namespace yb;

int main(int argc, char **argv)
{
    QApplication qt(argc, argv);
    registrarFuentes();
    const QStringList args = qt.arguments();
    if (args.size() != 3) {
        QTextStream(stderr) << "usage: yerbalia-capturas DATADIR OUTDIR\n";
        return 2;
    }
    const QString salida = QDir(args[2]).absolutePath();
    QDir::setCurrent(args[1]);
    Aplicacion app({QStringLiteral("Bai Zhu")});
    TFPlantas &w = app.plantas();
    w.show();
    QTest::qWaitForWindowExposed(&w);

    // Single herbs of the class "Tónicos": the list and the class line framed in red.
    w.findChild<QAbstractButton *>(QStringLiteral("SelPlanForm_0"))->click();
    w.filtrarPorClase(app.dm().TPlan.asInt(u"KClase"), 0);
    QTest::qWait(400); // the overlay comes back once the window has settled
    bool ok = w.grab().save(QDir(salida).filePath(QStringLiteral("filtered-list.png")));

    // A full-text search for "raíz" and "qi": the hits listed, the terms marked in the text.
    w.VerTodoClick();
    QTimer::singleShot(0, [] {
        QWidget *buscar = QApplication::activeModalWidget();
        buscar->findChild<QPlainTextEdit *>(QStringLiteral("Memo"))->setPlainText(QStringLiteral("raíz\nqi"));
        buscar->findChild<QPushButton *>(QStringLiteral("Aceptar"))->click();
    });
    w.BuscarClick();
    app.dm().TPlan.locate({QStringLiteral("PinYin")}, {QStringLiteral("Ren Shen")});
    QTest::qWait(400);
    ok = w.grab().save(QDir(salida).filePath(QStringLiteral("marked-monograph.png"))) && ok;
    w.hide();
    return ok ? 0 : 1;
}
