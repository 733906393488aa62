#pragma once

#include "formats/ConfigDat.h"

#include <QEventLoop>
#include <QPointer>
#include <QWidget>

namespace yb {

class Sesion;

// A window created once at start and only shown and hidden afterwards. It
// follows the session (English captions, reader mode) and keeps its part of
// Config.Dat; a modal one is shown by mostrarModal until it hides.
class TVentana : public QWidget {
public:
    using QWidget::QWidget;
    ~TVentana() override;

    // English captions and reader mode follow the session from now on.
    void seguirSesion(const Sesion &sesion);

    virtual void TextosIngles() {}
    virtual void ModoLector() {}
    virtual void leerConfig(const ConfigDat &) {}
    virtual void guardarConfig(ConfigDat &) const {}

protected:
    // Where a modal window is placed: centred over the active window, or on the screen.
    enum class Centro { VentanaActiva, Pantalla };
    // Shows the window modally, centred, with `foco` in the focus, and returns when it
    // hides. False when the window was deleted while it showed.
    bool mostrarModal(QWidget *foco, Centro centro);
    bool mostrandoModal() const { return m_bucle != nullptr; }

    void hideEvent(QHideEvent *event) override;

private:
    QPointer<QEventLoop> m_bucle;
};

} // namespace yb
