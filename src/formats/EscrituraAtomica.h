#pragma once

#include <QByteArray>
#include <QString>

namespace yb {

// Replaces the file at `ruta` with `contenido` all at once: the new bytes go to
// a temporary file beside it, which takes the old file's place only when every
// byte reached the disk. On any failure the old file stays as it was and the
// result is false.
bool escribirAtomico(const QString &ruta, const QByteArray &contenido);

} // namespace yb
