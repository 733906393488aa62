#pragma once

#include <QString>
#include <functional>

namespace yb::CajaError {

// Shows an error in the platform's standard error box. Errors that end a
// handler land here.
void mostrar(const QString &mensaje);

// Test support: errors go to this function instead of a box while it is set.
using Manejador = std::function<void(const QString &)>;
void setManejador(Manejador manejador);

} // namespace yb::CajaError
