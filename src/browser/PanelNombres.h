#pragma once

#include <QList>
#include <QWidget>
#include <array>

class QLabel;
class QPushButton;

namespace yb {

class DataSource;
class DBEdit;
struct EsquemaColores;

// The rows of the record's names (PanIdiomas): PinYin, then Nom0 … Nom10, those below
// scrolling into view; a row shows only the names the current record offers.
class PanelNombres : public QWidget {
    Q_OBJECT
public:
    PanelNombres(DataSource *plan, QWidget *parent);

    // The rows of Nom0 … Nom10 to show.
    void mostrarFilas(const std::array<bool, 11> &visibles);
    void aplicarColores(const EsquemaColores &colores);

    QWidget *Panel32;
    QLabel *Label30;
    QPushButton *Sinonimos;
    DBEdit *EdPinYin;
    QList<DBEdit *> Ed;           // Ed0 … Ed10, fields Nom0 … Nom10
    QList<QWidget *> filasNombre; // the rows holding Ed0 … Ed10
};

} // namespace yb
