#include "dialogs/Ventana.h"

#include "dialogs/Sesion.h"

#include <QApplication>
#include <QEventLoop>
#include <QScreen>

namespace yb {

TVentana::~TVentana()
{
    if (m_bucle)
        m_bucle->quit();
}

void TVentana::seguirSesion(const Sesion &sesion)
{
    connect(&sesion, &Sesion::inglesCambiado, this, [this](bool ingles) {
        if (ingles)
            TextosIngles();
    });
    connect(&sesion, &Sesion::modoLector, this, [this] { ModoLector(); });
}

bool TVentana::mostrarModal(QWidget *foco, Centro centro)
{
    QRect area;
    if (const QWidget *sobre = QApplication::activeWindow(); centro == Centro::VentanaActiva && sobre && sobre != this)
        area = sobre->geometry();
    else if (const QScreen *pantalla = screen())
        area = pantalla->availableGeometry();
    if (area.isValid())
        move(area.center() - QPoint(width() / 2, height() / 2));

    QPointer<TVentana> vivo(this);
    show();
    activateWindow();
    // A window system that keeps a hidden window as its focus window does not activate it
    // again when it reappears: the application is told directly.
    if (!isActiveWindow() && QGuiApplication::focusWindow() == windowHandle())
        QApplication::setActiveWindow(this);
    if (foco)
        foco->setFocus();
    QEventLoop bucle;
    m_bucle = &bucle;
    bucle.exec(QEventLoop::DialogExec);
    if (!vivo)
        return false;
    m_bucle = nullptr;
    return true;
}

void TVentana::hideEvent(QHideEvent *event)
{
    QWidget::hideEvent(event);
    if (m_bucle)
        m_bucle->quit();
}

} // namespace yb
