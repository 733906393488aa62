#pragma once

#include <QWidget>

class QFrame;
class QLabel;
class QPushButton;
class QStackedWidget;

namespace yb {

class DataSource;
class DBEdit;
class DBText;
class EscalaPropiedad;
struct EsquemaColores;

// The property box under the list: the scales of channels, tastes and natures
// (PanProp), and the page of a herb's facts and toxicity (PagProps) or of a
// formula's source (PagAut).
class PanelPropiedades : public QWidget {
    Q_OBJECT
public:
    PanelPropiedades(DataSource *plan, DataSource *fuentes, QWidget *parent);

    // The page of a herb or of a formula.
    void mostrarPagina(bool esFormula);
    // The three profiles on the scales.
    void mostrarEscalas(const QString &meridianos, const QString &sabor, const QString &energia);
    // Channels take three sevenths of the scales' panel, tastes above natures the rest.
    void ajustarEscalas();
    // Its height, once the mode has decided its rows.
    void fijarAltura();
    void mostrarEdicion(bool editando);
    void ModoLector();
    void TextosIngles();
    void aplicarColores(const EsquemaColores &colores);

    QLabel *LabFic;
    QPushButton *FiltrarProp;
    QWidget *PanProp;
    EscalaPropiedad *PanCanales, *PanSabor, *PanEnergia;
    QStackedWidget *FicPropAut;
    QWidget *PagProps, *PagAut;
    QFrame *LineaFin;
    QWidget *PanToxic, *PanTox, *PanHabitat;
    QLabel *ImTox, *LabTox;
    QLabel *StaticText1, *StaticText2, *StaticText3, *StaticText4, *StaticText5;
    DBEdit *DBEdit6, *DBEdit1, *DBEdit5, *DBEdit3;
    DBText *DBText3, *DBText4, *DBText5, *DBText6, *DBText7;

signals:
    // The scales' panel changed size: the window fits its panels again.
    void disposicionCambiada();

protected:
    bool eventFilter(QObject *watched, QEvent *event) override;
};

} // namespace yb
