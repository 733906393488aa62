// Yerbalia: the herb and formula browser. The working directory is the data directory.
#include "app/Aplicacion.h"
#include "app/LineaOrdenes.h"
#include "browser/Plantas.h"
#include "dialogs/CajaError.h"
#include "dialogs/Mensajes.h"

#include <QApplication>
#include <QDir>
#include <QTextStream>
#include <QTimer>

namespace {

QStringList argumentosDe(int argc, char **argv)
{
    QStringList argumentos;
    for (int i = 0; i < argc; ++i)
        argumentos << QString::fromLocal8Bit(argv[i]);
    return argumentos;
}

void decirError(const QString &mensaje) { QTextStream(stderr) << "yerbalia: " << mensaje << "\n"; }

// Help and version: printed without a window system.
int responderSinPantalla(yb::LineaOrdenes::Accion accion, int argc, char **argv)
{
    const QCoreApplication nucleo(argc, argv); // names the program in the help text
    QTextStream(stdout) << (accion == yb::LineaOrdenes::Accion::Ayuda ? yb::LineaOrdenes::ayuda()
                                                                      : yb::LineaOrdenes::version());
    return 0;
}

// Shows the main window as on a normal start, saves it as a PNG and ends. A
// message at start-up (an error opening the data) ends the run without a picture.
int captura(yb::TFPlantas &plantas, const QString &archivo, const bool &fallo)
{
    // The first showing runs before the event loop, which alone can be ended: the end waits for it.
    QObject::connect(&plantas, &yb::TFPlantas::mostrada, &plantas, [&plantas, archivo, &fallo] {
        QTimer::singleShot(fallo ? 0 : 100, &plantas, [&plantas, archivo, &fallo] {
            if (fallo) {
                QCoreApplication::exit(1);
                return;
            }
            const bool ok = plantas.grab().save(archivo, "PNG");
            if (!ok)
                decirError(QStringLiteral("cannot write %1").arg(archivo));
            QCoreApplication::exit(ok ? 0 : 1);
        });
    });
    plantas.show();
    return QApplication::exec();
}

} // namespace

int main(int argc, char **argv)
{
    using yb::LineaOrdenes;
    QCoreApplication::setApplicationName(QStringLiteral("Yerbalia"));
    QCoreApplication::setApplicationVersion(QStringLiteral(YERBALIA_VERSION));
    const LineaOrdenes::Accion pedida = LineaOrdenes::analizar(argumentosDe(argc, argv)).accion;
    if (pedida == LineaOrdenes::Accion::Ayuda || pedida == LineaOrdenes::Accion::Version)
        return responderSinPantalla(pedida, argc, argv);

    QApplication app(argc, argv);
    QApplication::setApplicationDisplayName(QStringLiteral("Yerbalia"));
    yb::registrarFuentes();
    yb::Mensajes::setTitulo(QStringLiteral("Yerbalia"));

    // Read again without the window system's own options (-platform, -style…).
    const LineaOrdenes orden = LineaOrdenes::analizar(QCoreApplication::arguments());
    if (orden.accion == LineaOrdenes::Accion::Error) {
        decirError(orden.error);
        return 2;
    }
    const bool desatendida = !orden.captura.isEmpty();
    bool fallo = false;
    if (desatendida) {
        // Nobody is there to answer a dialog: its text goes to stderr and the run fails.
        const auto alMensaje = [&fallo](const QString &mensaje) {
            decirError(mensaje);
            fallo = true;
        };
        yb::CajaError::setManejador(alMensaje);
        yb::Mensajes::setDesatendido(alMensaje);
    }

    std::unique_ptr<yb::Aplicacion> aplicacion;
    try {
        aplicacion = std::make_unique<yb::Aplicacion>(orden.palabras);
    } catch (const yb::DbError &e) {
        decirError(e.message());
        if (!desatendida)
            yb::Mensajes::informar(e.message());
        return 1;
    }
    if (desatendida)
        return captura(aplicacion->plantas(), orden.captura, fallo);
    aplicacion->plantas().show();
    return QApplication::exec();
}
