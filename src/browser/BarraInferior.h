#pragma once

#include <QWidget>

class QLabel;
class QPushButton;
class QToolButton;

namespace yb {

class Sesion;
struct EsquemaColores;

// The bottom bar (PanBot): leaving, help, links, glossary, bibliography, the colour
// scheme, the text size, the editing switch and the logo.
class BarraInferior : public QWidget {
    Q_OBJECT
public:
    BarraInferior(Sesion &sesion, QWidget *parent);

    // Handlers.
    void ColorClick();

    // The switch's caption follows editing.
    void mostrarEdicion(bool editando);
    void ModoLector();
    void aplicarColores(const EsquemaColores &colores);

    QPushButton *Salir, *Ayuda, *Enlaces, *Glosario, *Bibliografia, *Color;
    QToolButton *Mas, *Menos, *Modificar;
    QWidget *PanLogoRec;
    QLabel *Image2;

private:
    Sesion &m_sesion;
};

} // namespace yb
