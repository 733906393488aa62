#pragma once

#include <QList>
#include <QString>
#include <QStringList>

namespace yb {

// True when the interface is English: a directory "English" (any case) exists
// in the working directory.
bool interfazInglesa();

// The message table of the interface: message N is entry N, counted from 0.
QStringList listaEsp();
QStringList listaIng();

// One English caption: the control, which of its texts, and the text.
struct TextoIngles {
    const char *control;
    enum Que { Texto, Pista } que;
    const char *texto;
};

// The English captions and hints of the main window's controls.
const QList<TextoIngles> &textosInglesPlantas();

} // namespace yb
