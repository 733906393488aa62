#pragma once

#include <QObject>
#include <functional>

class QKeyEvent;
class QWidget;

namespace yb {

// The key preview of one window: it sees the keys typed in that window's own
// controls, also those added later, before the controls do; never the keys of
// another window (a dialog, a list that drops down, any other top-level window).
class VistaPreviaTeclas : public QObject {
    Q_OBJECT
public:
    // The handler answers true when it consumed the key.
    using Manejador = std::function<bool(QObject *watched, QKeyEvent *event)>;

    VistaPreviaTeclas(QWidget *ventana, Manejador manejador);

protected:
    bool eventFilter(QObject *watched, QEvent *event) override;

private:
    void seguir(QObject *objeto); // the filter on a control and on those inside it

    QWidget *m_ventana;
    Manejador m_manejador;
};

} // namespace yb
