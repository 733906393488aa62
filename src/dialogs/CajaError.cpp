#include "dialogs/CajaError.h"

#include <QApplication>
#include <QMessageBox>

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
    QMessageBox::critical(QApplication::activeWindow(), QApplication::applicationDisplayName(), mensaje);
}

void setManejador(Manejador m) { manejador() = std::move(m); }

} // namespace yb::CajaError
