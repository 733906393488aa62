// yerbalia-capturas DATADIR OUTDIR: the pictures of docs/, taken from the
// real window on a data directory (run it offscreen on the sample database).
#include "app/Aplicacion.h"
#include "browser/Calco.h"
#include "browser/GrupoOpciones.h"
#include "browser/Plantas.h"

#include <QAbstractButton>
#include <QApplication>
#include <QDir>
#include <QTest>
#include <QTextStream>

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
    const bool ok = w.grab().save(QDir(salida).filePath(QStringLiteral("filtered-list.png")));
    w.hide();
    return ok ? 0 : 1;
}
