#pragma once

#include <QWidget>

class QLabel;
class QPushButton;

namespace yb {

class DataSource;
class DBImage;
struct EsquemaColores;

// The photo area (PanFoto): the record's photos one at a time, or the picture of a
// herb or of a formula when it has none, and the photo buttons while editing.
class PanelFoto : public QWidget {
    Q_OBJECT
public:
    PanelFoto(DataSource *plan, QWidget *parent);

    // The photo, or the picture of the kind of record.
    void mostrarArea(bool tieneFoto, bool esFormula);
    // Back to photo 1, as the first showing and every move start.
    void reiniciar();
    void primeraFoto();
    void mostrarEdicion(bool editando);
    void TextosIngles();
    void aplicarColores(const EsquemaColores &colores);

    QWidget *PanFito, *PanMort, *PanBotIm;
    DBImage *Im;
    QLabel *ImFito, *ImMort;
    QPushButton *Copiar, *Pegar, *Borrar, *Importar;

private:
    void siguienteFoto();
    void cargarImagenInglesa(QLabel *destino, const QString &archivo);

    int m_numeroFoto = 1;
};

} // namespace yb
