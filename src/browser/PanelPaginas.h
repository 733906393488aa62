#pragma once

#include <QWidget>

class QPushButton;
class QTabWidget;

namespace yb {

class DataSource;
class DBGrid;
class Sesion;
struct EsquemaColores;

// The pages of related items (PanFic): actions, indications, the formulas a herb
// is in or a formula's ingredients, with the editor's buttons under them.
class PanelPaginas : public QWidget {
    Q_OBJECT
public:
    // The sources of the pages, in their order: actions, indications, components,
    // a herb's formulas, a formula's ingredients.
    struct Fuentes {
        DataSource *acc, *sint, *comp, *formPl, *plForm;
    };
    PanelPaginas(Sesion &sesion, const Fuentes &fuentes, QWidget *parent);

    // The page captions: each page's word and its count.
    void rotular(const QString &acc, const QString &sint, const QString &formulas, bool esFormula);
    // A formula shows its ingredients' page, a herb its formulas' page.
    void cambiarPaginaFormula(bool esFormula);
    void mostrarPrimera();

    // Handlers: the editor's buttons follow the page.
    void FichaChange();

    void mostrarEdicion(bool editando);
    void TextosIngles();
    void aplicarColores(const EsquemaColores &colores);
    void aplicarLetra(int letra);
    void ajustarColumnas();

    QTabWidget *Ficha;
    QWidget *PagAcc, *PagSint, *PagComp, *PagFormPl, *PagPlForm;
    DBGrid *GrAcc, *GrSint, *GrComp, *GrFormPl, *GrPlForm;
    QPushButton *DiagnosticarAcc, *DiagnosticarInd, *MostrarFor, *MostrarIng;
    QWidget *PanBotSint;
    QPushButton *Agregar, *Cambiar, *Quitar, *Porcentaje;

signals:
    // The buttons shown changed: the window fits its panels again.
    void disposicionCambiada();

private:
    Sesion &m_sesion;
};

} // namespace yb
