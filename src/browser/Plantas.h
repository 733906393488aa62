#pragma once

#include "data/DataModule.h"
#include "formats/ConfigDat.h"

#include <QList>
#include <QStringList>
#include <QWidget>

class QKeyEvent;
class QLabel;
class QSplitter;

namespace yb {

class BarraInferior;
class CamposSoloLectura;
class DataSource;
class PanelFoto;
class PanelLista;
class PanelNombres;
class PanelPaginas;
class PanelPropiedades;
class PanelTextos;
class Sesion;
class TFBuscar;
class TFCalco;
class TFSelClase;
class TVentana;
class VistaPreviaTeclas;

// The main window: the herb and formula browser, composed of its panels. It
// starts the run (first showing), holds the modes and the list filter, shows the
// data module's refresh through its panels, and ends the run (closing).
class TFPlantas : public QWidget, public TDMVista {
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

    // The panels.
    PanelLista &lista() const { return *m_lista; }

    // ---- the list filter
    void VerTodoClick();
    void BuscarClick();
    void ComponerFiltro();
    // Narrows the list to a class, or to a sub-class (0: none), and composes the filter.
    void filtrarPorClase(int clase, int subClase);
    QList<QWidget *> PintarCalco() const;
    bool filtroEnVigor() const { return m_filtroEnVigor; }

    // The message table of the interface, in Spanish.
    const QStringList ListaEsp;

signals:
    // The first showing has run (also when it stopped at an error).
    void mostrada();

protected:
    void showEvent(QShowEvent *event) override;
    void closeEvent(QCloseEvent *event) override;
    void resizeEvent(QResizeEvent *event) override;

private:
    // ---- TDMVista: the refresh's steps
    void mostrarRegistro(const RegistroActual &registro) override;
    void registroMostrado() override;
    void calcularPerfilFormula();

    // ---- start-up, modes, language, configuration
    void construirInterfaz();
    void conectar();
    void FormShow();
    void ModoLector();
    void ModificarClick();
    void mostrarEdicion(); // the controls that follow the editing switch
    void estadoAlModulo(); // the modes and the kind, as the data module reads them
    void TextosIngles();
    void LeerConfig();
    void GuardarConfig();
    void AplicarColores();
    void AplicarLetra();
    void MasClick();
    void MenosClick();
    void AjustarPaneles();
    void MemoChange();
    void irAlMasCercano(const QString &texto);
    QString rutaConfig() const;

    // ---- closing and keys
    bool FormCloseQuery();
    void FormClose();
    bool teclaVista(QObject *watched, QKeyEvent *event);
    bool FormKeyDown(QKeyEvent *event);

    Sesion &m_sesion;
    const QStringList ListaIng;
    QStringList m_argumentos;
    TDM *m_dm = nullptr;
    Vecinas m_vecinas;
    ConfigDat m_config;

    DataSource *SPlan, *SRel, *SRelSint, *SRelComp, *SRelFormPl, *SRelPlForm, *SFuentes, *SNotas;
    QSplitter *Splitter5, *Splitter2, *Splitter7;
    QWidget *PanIzq, *PanCen, *PanInstrUna;
    QLabel *ImVolver, *LabAtras;
    PanelLista *m_lista;
    PanelPropiedades *m_propiedades;
    PanelNombres *m_nombres;
    PanelFoto *m_foto;
    PanelTextos *m_textos;
    PanelPaginas *m_paginas;
    BarraInferior *m_barra;
    CamposSoloLectura *m_camposSoloLectura;
    VistaPreviaTeclas *m_vistaPrevia;
    QList<QMetaObject::Connection> m_conexiones; // every connection to the window

    // The list filter's own state; the class criteria are the list panel's.
    bool m_filtroBusqueda = false;
    bool m_filtroPropiedades = false;
    bool m_filtroEnVigor = false;

    bool m_mostrarFicha = false; // the single-record view
    bool m_mostrada = false;
};

} // namespace yb
