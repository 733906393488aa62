#include "browser/Calco.h"

#include <QEvent>
#include <QPainter>
#include <QPen>

namespace yb {

TFCalco::TFCalco(QWidget *ventanaPrincipal) : TVentana(ventanaPrincipal)
{
    setObjectName(QStringLiteral("FCalco"));
    setAttribute(Qt::WA_TransparentForMouseEvents);
    setFocusPolicy(Qt::NoFocus);
    setAutoFillBackground(false); // everything not framed shows the window below
    m_quietud.setSingleShot(true);
    m_quietud.setInterval(kQuietudMs);
    connect(&m_quietud, &QTimer::timeout, this, &TFCalco::mostrarSiCorresponde);
    hide();
    if (QWidget *padre = parentWidget()) {
        padre->installEventFilter(this);
        ajustarAlPadre();
    }
}

void TFCalco::setPintar(Pintar pintar)
{
    m_pintar = std::move(pintar);
    repintar();
}

void TFCalco::setEnVigor(bool enVigor)
{
    m_enVigor = enVigor;
    if (!enVigor)
        hide();
    else if (!enMovimiento())
        mostrarSiCorresponde();
}

void TFCalco::repintar()
{
    if (isVisible())
        update();
}

QList<QRect> TFCalco::marcosActuales() const
{
    QList<QRect> marcos;
    QWidget *padre = parentWidget();
    if (!m_enVigor || !m_pintar || !padre)
        return marcos;
    const QList<QWidget *> paneles = m_pintar();
    for (QWidget *panel : paneles) {
        if (!panel || !panel->isVisible() || !padre->isAncestorOf(panel))
            continue;
        const QPoint origen = mapFrom(padre, panel->mapTo(padre, QPoint(0, 0)));
        marcos << QRect(origen, panel->size());
    }
    return marcos;
}

bool TFCalco::eventFilter(QObject *watched, QEvent *event)
{
    if (watched == parentWidget()) {
        switch (event->type()) {
        case QEvent::Resize:
            ajustarAlPadre();
            empezarMovimiento();
            break;
        case QEvent::Move:
        case QEvent::WindowStateChange: empezarMovimiento(); break;
        case QEvent::ChildAdded:
            // a control added later would lie above the frames
            if (!isHidden())
                QMetaObject::invokeMethod(this, &QWidget::raise, Qt::QueuedConnection);
            break;
        default: break;
        }
    }
    return TVentana::eventFilter(watched, event);
}

void TFCalco::paintEvent(QPaintEvent *)
{
    m_marcos = marcosActuales();
    if (m_marcos.isEmpty())
        return;
    QPainter pintor(this);
    QPen pluma(QColor(255, 0, 0));
    pluma.setWidth(2);
    pluma.setJoinStyle(Qt::MiterJoin);
    pintor.setPen(pluma);
    pintor.setBrush(Qt::NoBrush);
    // the 2-pixel line lies just inside each panel, so frames at the window's edge stay whole
    for (const QRect &marco : std::as_const(m_marcos))
        pintor.drawRect(QRectF(marco).adjusted(1, 1, -1, -1));
}

void TFCalco::ajustarAlPadre()
{
    if (QWidget *padre = parentWidget())
        setGeometry(padre->rect());
}

void TFCalco::mostrarSiCorresponde()
{
    if (!m_enVigor)
        return;
    ajustarAlPadre();
    show();
    raise();
    update();
}

void TFCalco::empezarMovimiento()
{
    // moves of a window not yet on screen (its first layout) are not the user's
    const QWidget *padre = parentWidget();
    if (!padre || !padre->isVisible())
        return;
    hide();
    m_quietud.start();
}

} // namespace yb
