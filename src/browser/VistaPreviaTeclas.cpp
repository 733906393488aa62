#include "browser/VistaPreviaTeclas.h"

#include <QChildEvent>
#include <QKeyEvent>
#include <QWidget>

namespace yb {

VistaPreviaTeclas::VistaPreviaTeclas(QWidget *ventana, Manejador manejador)
    : QObject(ventana),
      m_ventana(ventana),
      m_manejador(std::move(manejador))
{
    setObjectName(QStringLiteral("VistaPreviaTeclas"));
    seguir(ventana);
}

void VistaPreviaTeclas::seguir(QObject *objeto)
{
    // Not into a window of its own: its keys are not this window's.
    if (!objeto->isWidgetType() || (objeto != m_ventana && static_cast<QWidget *>(objeto)->isWindow()))
        return;
    objeto->installEventFilter(this);
    for (QObject *hijo : objeto->children())
        seguir(hijo);
}

bool VistaPreviaTeclas::eventFilter(QObject *watched, QEvent *event)
{
    switch (event->type()) {
    case QEvent::ChildAdded:
        // A control put in now (it may not be wholly made yet: only its filter is set).
        seguir(static_cast<QChildEvent *>(event)->child());
        break;
    case QEvent::KeyPress: {
        // A drop-down list or a dialog inside the window is a window of its own.
        auto *w = qobject_cast<QWidget *>(watched);
        if (w && w->window() == m_ventana && m_ventana->isVisible())
            return m_manejador(watched, static_cast<QKeyEvent *>(event));
        break;
    }
    default: break;
    }
    return false;
}

} // namespace yb
