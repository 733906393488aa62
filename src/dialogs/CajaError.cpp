#include "dialogs/CajaError.h"
#include "dialogs/Mensajes.h"

namespace yb::CajaError {
namespace {
Manejador &manejador()
{
    static Manejador m;
    return m;
}
} // namespace

void mostrar(const QString &mensaje)
{
    if (manejador()) {
        manejador()(mensaje);
        return;
    }
    Mensajes::cajaEstandar(QMessageBox::Critical, mensaje, QMessageBox::Ok)->exec();
}

void setManejador(Manejador m) { manejador() = std::move(m); }

} // namespace yb::CajaError
