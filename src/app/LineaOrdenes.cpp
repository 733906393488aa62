#include "app/LineaOrdenes.h"

#include <QCommandLineParser>
#include <QCoreApplication>

namespace yb {
namespace {

const QString kCaptura = QStringLiteral("screenshot");

// The parser of our options; it knows only these.
struct Analizador {
    QCommandLineParser parser;
    QCommandLineOption ayuda = parser.addHelpOption();
    QCommandLineOption version = parser.addVersionOption();
    QCommandLineOption captura{kCaptura, QStringLiteral("Show the main window, save it as a PNG file and exit."),
                               QStringLiteral("file")};

    Analizador()
    {
        parser.setApplicationDescription(
            QStringLiteral("Yerbalia, reference of Chinese herbal medicine. Runs on the data directory it is "
                           "started in.\nThe first argument is the editor word, or a name the list starts on."));
        parser.addOption(captura);
        parser.addPositionalArgument(QStringLiteral("word"), QStringLiteral("The editor word, or a name to start on."),
                                     QStringLiteral("[word]"));
    }
};

// True for an argument the parser reads as an option of ours ("--" included:
// it ends the options).
bool esOpcionNuestra(const QString &argumento)
{
    static const QStringList cortas{QStringLiteral("-h"), QStringLiteral("-?"), QStringLiteral("-v")};
    static const QStringList largas{QStringLiteral("help"), QStringLiteral("help-all"), QStringLiteral("version"),
                                    kCaptura};
    if (argumento == QLatin1String("--"))
        return true;
    if (!argumento.startsWith(QLatin1String("--")))
        return cortas.contains(argumento);
    return largas.contains(argumento.mid(2).section(u'=', 0, 0));
}

} // namespace

LineaOrdenes LineaOrdenes::analizar(const QStringList &argumentos)
{
    QStringList resto = argumentos;
    QString primera;
    if (resto.size() > 1 && resto[1].size() > 1 && resto[1].startsWith(u'-') && !esOpcionNuestra(resto[1]))
        primera = resto.takeAt(1);

    Analizador a;
    LineaOrdenes orden;
    if (!a.parser.parse(resto)) {
        orden.accion = Accion::Error;
        orden.error = a.parser.errorText();
        return orden;
    }
    if (a.parser.isSet(a.ayuda) || a.parser.isSet(QStringLiteral("help-all")))
        orden.accion = Accion::Ayuda;
    else if (a.parser.isSet(a.version))
        orden.accion = Accion::Version;
    orden.captura = a.parser.value(a.captura);
    orden.palabras = a.parser.positionalArguments();
    if (!primera.isEmpty())
        orden.palabras.prepend(primera);
    return orden;
}

QString LineaOrdenes::ayuda() { return Analizador().parser.helpText(); }

QString LineaOrdenes::version()
{
    return QStringLiteral("%1 %2\n").arg(QCoreApplication::applicationName(), QCoreApplication::applicationVersion());
}

} // namespace yb
