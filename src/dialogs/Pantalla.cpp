#include "dialogs/Pantalla.h"

#include <QGuiApplication>
#include <QScreen>
#include <QWidget>

namespace yb {
namespace {

// The start of a span of `largo` moved into [desde, desde + espacio); the start
// of the space when the span is longer than it.
int dentro(int inicio, int largo, int desde, int espacio)
{
    return std::max(desde, std::min(inicio, desde + espacio - largo));
}

} // namespace

void colocarEnPantalla(QWidget *ventana, QSize tamano, std::optional<QPoint> lugar)
{
    const QScreen *pantalla = ventana->screen() ? ventana->screen() : QGuiApplication::primaryScreen();
    if (!pantalla) {
        ventana->resize(tamano);
        if (lugar)
            ventana->move(*lugar);
        return;
    }
    const QRect area = pantalla->availableGeometry();
    const QSize marco = ventana->frameGeometry().size() - ventana->size();
    ventana->resize(tamano.boundedTo(area.size() - marco));
    QRect exterior = ventana->frameGeometry();
    if (lugar)
        exterior.moveTopLeft(*lugar);
    else
        exterior.moveCenter(area.center());
    ventana->move(dentro(exterior.x(), exterior.width(), area.x(), area.width()),
                  dentro(exterior.y(), exterior.height(), area.y(), area.height()));
}

} // namespace yb
