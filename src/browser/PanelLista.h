#pragma once

#include <QList>
#include <QWidget>

class QKeyEvent;
class QLabel;
class QPushButton;

namespace yb {

class ComboIdioma;
class DataSource;
class DBGrid;
class DBText;
class GrupoOpciones;
class Sesion;
class TDM;
class TFSelClase;
struct EsquemaColores;

// The name list and its own criteria (PanInd): the name language, the kind, the
// typed search and its synonym jump, the class lines, the count of a narrowed list.
class PanelLista : public QWidget {
    Q_OBJECT
public:
    PanelLista(Sesion &sesion, DataSource *plan, QWidget *parent);

    void setDataModule(TDM *dm) { m_dm = dm; }
    void setSelClase(TFSelClase *picker) { m_selClase = picker; }
    // The class lines PanClase and PanSubClase, built into `parent`: the window places them.
    QList<QWidget *> construirLineasClase(QWidget *parent);

    // The class criteria of the list filter (0: none).
    int claveClase() const { return m_claveClase; }
    int claveSubClase() const { return m_claveSubClase; }
    // Narrows the list to a class, or to a sub-class (0: none), and asks for the filter.
    void filtrarPorClase(int clase, int subClase);
    // The kind chosen: 0 herbs, 1 formulas, 2 both.
    int tipo() const;
    // The kind and the class criterion as the list's filter expression.
    QString expresionFiltro() const;
    // The count of the records listed, shown while a filter is in force.
    void mostrarCuenta(bool enVigor, const QString &texto);

    // Handlers.
    void CBIdiomaChange();
    void CBIdiomaDropDown();
    void CBIdiomaCloseUp();
    void SelPlanFormClick();
    bool GrNomKeyDown(QKeyEvent *event); // true when the key was consumed
    void GrNomExit();
    void GrNomCellClick();
    void BotBusSinonClick();
    void BotClaseClick();
    void BotSubClaseClick();

    // The window's routines, for this panel's part.
    void TextosIngles();
    void aplicarColores(const EsquemaColores &colores);
    void aplicarLetra(int letra);
    void ajustarColumnas();

    QWidget *PanNom;
    QLabel *LabNom, *LabBus, *LabCant;
    ComboIdioma *CBIdioma;
    GrupoOpciones *SelPlanForm;
    DBGrid *GrNom;
    QPushButton *BotBusSinon, *VerTodo;
    QWidget *PanClase = nullptr, *PanSubClase = nullptr;
    QPushButton *BotClase = nullptr, *BotSubClase = nullptr;
    DBText *DBText1 = nullptr, *DBText2 = nullptr;

signals:
    // The list filter is to be composed again (the kind or a class criterion changed).
    void filtroPedido();
    // The list's columns changed: the window fits its panels again.
    void disposicionCambiada();
    // The kind chosen changed.
    void tipoCambiado(int tipo);

protected:
    bool eventFilter(QObject *watched, QEvent *event) override;

private:
    void limpiarBusqueda();
    void buscarTecleado();

    Sesion &m_sesion;
    DataSource *m_plan;
    TDM *m_dm = nullptr;
    TFSelClase *m_selClase = nullptr;
    int m_claveClase = 0;
    int m_claveSubClase = 0;
    int m_plantaSinonimo = 0; // the herb of the last synonym typed
    int m_anchoIdioma = 0;    // CBIdioma's width while its list is closed
};

} // namespace yb
