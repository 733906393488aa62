#pragma once

#include "dialogs/Ventana.h"

#include <QList>
#include <QRect>
#include <QTimer>
#include <functional>

namespace yb {

// The overlay of the main window: red frames around the panels whose
// criteria narrow the name list. A child covering the whole window, above
// every other control, transparent to the mouse.
class TFCalco : public TVentana {
    Q_OBJECT
public:
    // The paint handler: the panels to frame, in order.
    using Pintar = std::function<QList<QWidget *>()>;

    // How long the main window must stay still after a move or resize before the frames return.
    static constexpr int kQuietudMs = 200;

    explicit TFCalco(QWidget *ventanaPrincipal);

    // Sets or clears (nullptr) the paint handler; an overlay without one draws nothing.
    void setPintar(Pintar pintar);
    bool tienePintar() const { return bool(m_pintar); }
    // Whether the overlay shows: the list filter is in force.
    void setEnVigor(bool enVigor);
    bool enVigor() const { return m_enVigor; }
    // The frames follow the panels: called after splitters move or the window lays out again.
    void repintar();
    // The rectangles framed, in the overlay's coordinates, as the last paint drew them.
    QList<QRect> marcos() const { return m_marcos; }
    // The rectangles to frame now: the visible panels the handler returns, in its order.
    QList<QRect> marcosActuales() const;
    // True while the main window is being moved or resized (the overlay waits hidden).
    bool enMovimiento() const { return m_quietud.isActive(); }

protected:
    bool eventFilter(QObject *watched, QEvent *event) override;
    void paintEvent(QPaintEvent *event) override;

private:
    void ajustarAlPadre();
    void mostrarSiCorresponde();
    void empezarMovimiento();

    Pintar m_pintar;
    bool m_enVigor = false;
    QList<QRect> m_marcos;
    QTimer m_quietud;
};

} // namespace yb
