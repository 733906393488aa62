#pragma once

#include <QDir>
#include <QString>

namespace yb {

// The path of a file or directory under `base`, its segments matched without
// regard to case ("english/im2.BMP" finds "English/Im2.bmp"); the path as given
// when nothing matches. Segments may be separated by '/' or '\'.
QString rutaSinMayusculas(const QDir &base, const QString &relativa);

// True when a directory of that name (any case) exists under `base`.
bool existeDirectorio(const QDir &base, const QString &nombre);

} // namespace yb
