#pragma once

#include "data/DbError.h"

#include <QString>

namespace yb {

// What the user reads when the data directory's database cannot serve: the
// text for the error's code in the interface language, naming the file or the
// directory at fault. An error without a text of its own keeps its message.
QString textoError(const DbError &error, const QString &directorio, bool ingles);

// Config.Dat could not be written to `ruta`; the previous file was kept.
QString textoConfigNoGuardada(const QString &ruta, bool ingles);

// What the user is told, in the interface language, when what they typed could
// not be stored; and the question on closing then (yes: the window stays open).
QString textoNoGuardado(const DbError &error, bool ingles);
QString preguntaSeguirSinGuardar(const DbError &error, bool ingles);

} // namespace yb
