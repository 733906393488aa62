#pragma once

#include <QPoint>
#include <QSize>
#include <optional>

class QWidget;

namespace yb {

// Gives a top-level window a stored size and place, brought within the
// available area of its screen: no larger than that area, and wholly inside it.
// Without a place the window is centred.
void colocarEnPantalla(QWidget *ventana, QSize tamano, std::optional<QPoint> lugar = std::nullopt);

} // namespace yb
