// Yerbalia: the herb and formula browser. The working directory is the data directory.
#include "app/Aplicacion.h"
#include "browser/Plantas.h"
#include "browser/TextosError.h"
#include "dialogs/CajaError.h"
#include "dialogs/Mensajes.h"

#include <QApplication>
#include <QCommandLineParser>
#include <QDir>
#include <QTextStream>
#include <QTimer>

namespace {

// Errors of the table engine that end an event handler go to the error box.
class AplicacionQt : public QApplication {
public:
    using QApplication::QApplication;

    bool notify(QObject *receiver, QEvent *event) override
    {
        try {
            return QApplication::notify(receiver, event);
        } catch (const yb::DbError &e) {
            yb::CajaError::mostrar(yb::textoError(e, QDir::currentPath(), yb::Mensajes::english()));
            return false;
        }
    }
};

// Shows the main window as on a normal start, saves it as a PNG and ends.
int captura(yb::TFPlantas &plantas, const QString &archivo)
{
    QObject::connect(&plantas, &yb::TFPlantas::mostrada, &plantas, [&plantas, archivo] {
        QTimer::singleShot(100, &plantas, [&plantas, archivo] {
            const bool ok = plantas.grab().save(archivo, "PNG");
            if (!ok)
                QTextStream(stderr) << "yerbalia: cannot write " << archivo << "\n";
            QCoreApplication::exit(ok ? 0 : 1);
        });
    });
    plantas.show();
    return QApplication::exec();
}

} // namespace

int main(int argc, char **argv)
{
    AplicacionQt app(argc, argv);
    QApplication::setApplicationName(QStringLiteral("Yerbalia"));
    QApplication::setApplicationDisplayName(QStringLiteral("Yerbalia"));
    QApplication::setApplicationVersion(QStringLiteral(YERBALIA_VERSION));
    yb::registrarFuentes();
    yb::Mensajes::setTitulo(QStringLiteral("Yerbalia"));

    QCommandLineParser parser;
    parser.setApplicationDescription(
        QStringLiteral("Yerbalia, reference of Chinese herbal medicine. Runs on the data directory it is started "
                       "in.\nThe first argument is the editor word, or a name the list starts on."));
    parser.addHelpOption();
    parser.addVersionOption();
    const QCommandLineOption screenshot(QStringLiteral("screenshot"),
                                        QStringLiteral("Show the main window, save it as a PNG file and exit."),
                                        QStringLiteral("file"));
    parser.addOption(screenshot);
    parser.addPositionalArgument(QStringLiteral("word"), QStringLiteral("The editor word, or a name to start on."),
                                 QStringLiteral("[word]"));
    parser.process(app);

    std::unique_ptr<yb::Aplicacion> aplicacion;
    try {
        aplicacion = std::make_unique<yb::Aplicacion>(parser.positionalArguments());
    } catch (const yb::DbError &e) {
        QTextStream(stderr) << "yerbalia: " << e.message() << "\n";
        if (!parser.isSet(screenshot))
            yb::Mensajes::informar(e.message());
        return 1;
    }
    if (parser.isSet(screenshot))
        return captura(aplicacion->plantas(), parser.value(screenshot));
    aplicacion->plantas().show();
    return QApplication::exec();
}
