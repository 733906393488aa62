#pragma once

#include <QStringList>
#include <QWidget>

class QLabel;
class QPushButton;
class QTabBar;

namespace yb {

class DataSource;
class DBRichEdit;
class Sesion;
class TDM;
struct EsquemaColores;

// The monograph texts (PanMemo): a tab per text, the text of the tab chosen, and
// the marks of the full-text search's terms over it. Other lines can be placed
// at its foot.
class PanelTextos : public QWidget {
    Q_OBJECT
public:
    PanelTextos(Sesion &sesion, DataSource *plan, DataSource *notas, QWidget *parent);

    void setDataModule(TDM *dm) { m_dm = dm; }
    // From the first showing on, a change of tab shows its text.
    void seguirPestanas() { m_siguePestanas = true; }
    void agregarAlPie(QWidget *linea);

    static QString campoDeTexto(int tab, bool ingles); // the field a text tab shows

    // Handlers.
    void TabMemoChange();
    // Marks the terms over the text; none: no marks.
    void marcar(const QStringList &terminos);

    void ModoLector();
    void TextosIngles();
    void aplicarColores(const EsquemaColores &colores);
    void aplicarLetra(int letra);
    int letraMostrada() const; // the point size the text is shown in

    QLabel *LabMemo;
    QPushButton *Buscar;
    QTabBar *TabMemo;
    DBRichEdit *Memo;

private:
    Sesion &m_sesion;
    DataSource *m_plan, *m_notas;
    TDM *m_dm = nullptr;
    bool m_siguePestanas = false;
    QStringList m_terminosMarcados; // the search terms marked over Memo
};

} // namespace yb
