#pragma once

#include "data/DataModule.h"
#include "dialogs/Ventana.h"
#include "formats/ConfigDat.h"

#include <QPointer>
#include <QStringList>

class QComboBox;
class QFrame;
class QLabel;
class QProgressBar;
class QPushButton;
class QSplitter;
class QStackedWidget;
class QTabBar;
class QTabWidget;
class QToolButton;

namespace yb {

class ComboIdioma;
class DataSource;
class DBEdit;
class DBGrid;
class DBImage;
class DBRichEdit;
class DBText;
class EscalaPropiedad;
class GrupoOpciones;
class TFBuscar;
class TFCalco;
class TFSelClase;
class Sesion;

// The main window: the herb and formula browser. It starts the run (first
// showing), holds the modes and the list filter state, and ends it (closing).
// The data module reaches its controls through the TDMHost interface.
class TFPlantas : public QWidget, public TDMHost {
    Q_OBJECT
public:
    // The editor word: the first command-line argument that starts editor mode.
    static constexpr const char *kPalabraEditor = "tezlap";
    static constexpr const char *kClave = "qorvan";

    // The windows the main window opens or tells itself; owned by the application.
    struct Vecinas {
        TFCalco *calco = nullptr;
        TFSelClase *selClase = nullptr;
        TFBuscar *buscar = nullptr;
        QList<TVentana *> todas; // every window besides this one, for its part of Config.Dat
    };

    TFPlantas(Sesion &sesion, const QStringList &argumentos, QWidget *parent = nullptr);
    ~TFPlantas() override;

    // The data module and the other windows, in creation order; set before the first showing.
    void setDataModule(TDM *dm);
    void setVentanas(const Vecinas &vecinas);
    TDM *dm() const { return m_dm; }
    Sesion &sesion() const { return m_sesion; }
    QString rutaConfig() const;

    // ---- start-up, modes, language, configuration
    void FormCreate();
    void FormShow();
    void ModoLector();
    void ModificarClick();
    void TextosIngles();
    void LeerConfig();
    void GuardarConfig();
    void AplicarColores();
    void AplicarLetra();
    void ColorClick();
    void MasClick();
    void MenosClick();
    bool editando() const;
    bool mostrarFichaActiva() const { return m_mostrarFicha; }

    // ---- list
    void CBIdiomaChange();
    void CBIdiomaDropDown();
    void CBIdiomaCloseUp();
    void SelPlanFormClick();
    void VerTodoClick();
    void BotClaseClick();
    void BotSubClaseClick();
    bool GrNomKeyDown(QKeyEvent *event); // true when the key was consumed
    void GrNomExit();
    void GrNomCellClick();
    void BotBusSinonClick();
    void BuscarClick();
    void ComponerFiltro();
    // Narrows the list to a class, or to a sub-class (0: none), and composes the filter.
    void filtrarPorClase(int clase, int subClase);
    QList<QWidget *> PintarCalco() const;
    int claveClase() const { return m_claveClase; }
    int claveSubClase() const { return m_claveSubClase; }
    void irAlMasCercano(const QString &texto);
    bool filtroEnVigor() const { return m_filtroEnVigor; }
    void FichaChange();
    void AjustarPaneles();

    // ---- monograph texts
    void TabMemoChange();
    void MemoChange();
    static QString campoDeTexto(int tab, bool ingles); // the field a text tab shows

    // ---- TDMHost
    int selPlanForm() const override;
    bool editorMode() const override;
    bool editing() const override { return editando(); }
    bool searchFilterOn() const override { return m_filtroBusqueda; }
    bool propertiesFilterOn() const override { return m_filtroPropiedades; }
    bool pasaFiltro(const QString &meridianos, const QString &energia, const QString &sabor) const override;
    void showPhotoArea(bool hasPhoto, bool isFormula) override;
    void setPageCaptions(const QString &acc, const QString &sint, const QString &formulaPage, bool isFormula) override;
    void firstPhoto() override;
    void setNameRowVisible(int nameIndex, bool visible) override;
    void showPropertyPage(bool isFormula) override;
    void computeFormulaProfile() override;
    void showScales(const QString &meridianos, const QString &sabor, const QString &energia) override;
    void switchFormulaPage(bool isFormula) override;
    void fichaChange() override { FichaChange(); }

    // ---- the message lists
    QStringList ListaEsp, ListaIng;

    // ---- controls
    QSplitter *Splitter5, *Splitter2, *Splitter7;
    QWidget *PanIzq, *PanInd, *PanNom, *PanCen, *PanMemo, *PanFic, *PanBot;
    QLabel *LabNom, *LabBus, *LabCant;
    ComboIdioma *CBIdioma;
    GrupoOpciones *SelPlanForm;
    DBGrid *GrNom;
    QPushButton *BotBusSinon, *VerTodo;
    QWidget *PanProp;
    EscalaPropiedad *PanCanales, *PanSabor, *PanEnergia;
    QPushButton *FiltrarProp;
    QLabel *LabFic;
    QStackedWidget *FicPropAut;
    QWidget *PagProps, *PagAut;
    QFrame *LineaFin;
    QWidget *PanToxic, *PanTox, *PanHabitat;
    QLabel *ImTox, *LabTox;
    QLabel *StaticText1, *StaticText2, *StaticText3, *StaticText4, *StaticText5;
    DBEdit *DBEdit6, *DBEdit1, *DBEdit5, *DBEdit3;
    DBText *DBText3, *DBText4, *DBText5, *DBText6, *DBText7;
    QWidget *PanIdiomas, *Panel32;
    QLabel *Label30;
    QPushButton *Sinonimos;
    DBEdit *EdPinYin;
    QList<DBEdit *> Ed;      // Ed0 … Ed10, fields Nom0 … Nom10
    QList<QWidget *> filasNombre; // the rows holding Ed0 … Ed10
    QWidget *PanFoto, *PanFito, *PanMort, *PanBotIm;
    DBImage *Im;
    QLabel *ImFito, *ImMort;
    QPushButton *Copiar, *Pegar, *Borrar, *Importar;
    QLabel *LabMemo;
    QPushButton *Buscar;
    QTabBar *TabMemo;
    DBRichEdit *Memo;
    QWidget *PanClase, *PanSubClase;
    QPushButton *BotClase, *BotSubClase;
    DBText *DBText1, *DBText2;
    QTabWidget *Ficha;
    QWidget *PagAcc, *PagSint, *PagComp, *PagFormPl, *PagPlForm;
    DBGrid *GrAcc, *GrSint, *GrComp, *GrFormPl, *GrPlForm;
    QPushButton *DiagnosticarAcc, *DiagnosticarInd, *MostrarFor, *MostrarIng;
    QWidget *PanBotSint;
    QPushButton *Agregar, *Cambiar, *Quitar, *Porcentaje;
    QPushButton *Salir, *Ayuda, *Enlaces, *Glosario, *Bibliografia, *Color;
    QToolButton *Mas, *Menos, *Modificar;
    QWidget *PanLogoRec, *PanInstrUna;
    QLabel *Image2, *ImVolver, *LabAtras;
    DataSource *SPlan, *SRel, *SRelSint, *SRelComp, *SRelFormPl, *SRelPlForm, *SFuentes, *SNotas;

signals:
    // The first showing has run (also when it stopped at an error).
    void mostrada();

protected:
    void showEvent(QShowEvent *event) override;
    void closeEvent(QCloseEvent *event) override;
    void resizeEvent(QResizeEvent *event) override;
    bool eventFilter(QObject *watched, QEvent *event) override;

private:
    void mostrarEdicion(); // the controls that follow the editing switch
    void construirInterfaz();
    QWidget *construirColumnaIzquierda();
    QWidget *construirPropiedades();
    QWidget *construirNombres();
    QWidget *construirFoto();
    QWidget *construirTexto();
    QWidget *construirPaginas();
    QWidget *construirBarraInferior();
    void conectar();
    bool FormCloseQuery();
    void FormClose();
    bool FormKeyDown(QKeyEvent *event);
    void siguienteFoto();
    void limpiarBusqueda();
    void buscarTecleado();
    bool campoSoloLectura(QObject *watched, QEvent *event);
    TFCalco *calco() const { return m_vecinas.calco; }
    TFSelClase *selClase() const { return m_vecinas.selClase; }
    TFBuscar *buscar() const { return m_vecinas.buscar; }
    void cargarImagenInglesa(QLabel *destino, const QString &archivo);
    void informarError(const QString &mensaje);

    Sesion &m_sesion;
    QStringList m_argumentos;
    TDM *m_dm = nullptr;
    Vecinas m_vecinas;
    ConfigDat m_config;

    // List filter state.
    int m_claveClase = 0;
    int m_claveSubClase = 0;
    bool m_filtroBusqueda = false;
    bool m_filtroPropiedades = false;
    bool m_filtroEnVigor = false;

    int m_plantaSinonimo = 0;        // the herb of the last synonym typed
    QPointer<QWidget> m_focoRecordado; // where a read-only box sends the focus back
    QList<QWidget *> m_camposSoloLectura; // name and property boxes, class lines
    int m_anchoIdioma = 0;           // CBIdioma's width while its list is closed

    QStringList m_terminosMarcados; // the search terms marked over Memo

    int m_numeroFoto = 1;
    bool m_mostrarFicha = false;
    bool m_mostrada = false;
    bool m_cerrando = false;
};

} // namespace yb
