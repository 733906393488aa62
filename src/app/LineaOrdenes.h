#pragma once

#include <QString>
#include <QStringList>

namespace yb {

// The program's command line: its options and its words. The first word is the
// editor word or the name the list starts on; a first argument that starts with
// "-" and is not an option of ours is that word too ("-Gan").
struct LineaOrdenes {
    enum class Accion { Iniciar, Ayuda, Version, Error };

    Accion accion = Accion::Iniciar;
    QString captura;      // --screenshot: the PNG file to save; empty without it
    QStringList palabras; // the words; the first one is the editor word or a start name
    QString error;        // what was wrong, for Accion::Error

    // Reads the arguments as the program got them, the program's name first.
    // Needs no application object.
    static LineaOrdenes analizar(const QStringList &argumentos);

    // The text --help prints; the program's name in it is the application's when there is one.
    static QString ayuda();
    // The text --version prints.
    static QString version();
};

} // namespace yb
