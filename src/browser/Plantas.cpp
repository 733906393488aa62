// The main window's life: built from its panels, first showing, modes, language,
// configuration, colours, text size, keys and closing.
#include "browser/Plantas.h"

#include "browser/Avisos.h"
#include "browser/BarraInferior.h"
#include "browser/Calco.h"
#include "browser/CamposSoloLectura.h"
#include "browser/Colores.h"
#include "browser/ComboIdioma.h"
#include "browser/PanelFoto.h"
#include "browser/PanelLista.h"
#include "browser/PanelNombres.h"
#include "browser/PanelPaginas.h"
#include "browser/PanelPropiedades.h"
#include "browser/PanelTextos.h"
#include "browser/Piezas.h"
#include "browser/Textos.h"
#include "browser/TextosError.h"
#include "browser/VistaPreviaTeclas.h"
#include "dbwidgets/DBControls.h"
#include "dbwidgets/DBGrid.h"
#include "dbwidgets/DataSource.h"
#include "dialogs/CajaError.h"
#include "dialogs/Mensajes.h"
#include "dialogs/Pantalla.h"
#include "dialogs/PoliticaErrores.h"
#include "dialogs/Sesion.h"
#include "formats/Rutas.h"
#include "search/Buscar.h"

#include <QApplication>
#include <QCloseEvent>
#include <QHBoxLayout>
#include <QLabel>
#include <QPushButton>
#include <QSplitter>
#include <QToolButton>
#include <QVBoxLayout>
#include <optional>

namespace yb {
using namespace piezas;

TFPlantas::TFPlantas(Sesion &sesion, const QStringList &argumentos, QWidget *parent)
    : QWidget(parent),
      ListaEsp(listaEsp()),
      m_sesion(sesion),
      ListaIng(listaIng()),
      m_argumentos(argumentos)
{
    setObjectName(QStringLiteral("FPlantas"));
    setWindowTitle(QStringLiteral("Yerbalia"));
    SPlan = new DataSource(this);
    SRel = new DataSource(this);
    SRelSint = new DataSource(this);
    SRelComp = new DataSource(this);
    SRelFormPl = new DataSource(this);
    SRelPlForm = new DataSource(this);
    SFuentes = new DataSource(this);
    SNotas = new DataSource(this); // notes are the user's: always editable
    SPlan->setObjectName(QStringLiteral("SPlan"));
    for (DataSource *source : {SPlan, SRel, SRelSint, SRelComp, SRelFormPl, SRelPlForm, SFuentes, SNotas})
        avisarFallos(source, [this] { return m_sesion.ingles(); });
    construirInterfaz();
    conectar();
    // The window sees every key typed in its own controls before they do.
    m_vistaPrevia = new VistaPreviaTeclas(this, [this](QObject *watched, QKeyEvent *event) {
        return PoliticaErrores::ejecutar([&] { return teclaVista(watched, event); }, false);
    });
}

TFPlantas::~TFPlantas()
{
    // While QWidget hides and deletes the panels, nothing they or the session
    // signal may reach this part of the window any more.
    for (const QMetaObject::Connection &conexion : std::as_const(m_conexiones))
        disconnect(conexion);
    delete m_vistaPrevia; // nor may a key
    if (m_dm)
        m_dm->setVista(nullptr);
}

// The panels in the order the focus goes through them.
void TFPlantas::construirInterfaz()
{
    auto *layout = column(this);
    Splitter5 = named(new QSplitter(Qt::Horizontal, this), "Splitter5");
    layout->addWidget(Splitter5, 1);
    PanIzq = panel(Splitter5, "PanIzq");
    auto *izq = column(PanIzq);
    m_lista = new PanelLista(m_sesion, SPlan, PanIzq);
    izq->addWidget(m_lista, 1);
    m_propiedades = new PanelPropiedades(SPlan, SFuentes, PanIzq);
    izq->addWidget(m_propiedades);
    Splitter5->addWidget(PanIzq);

    auto *derecha = new QWidget(Splitter5);
    auto *derechaLayout = column(derecha);
    Splitter7 = named(new QSplitter(Qt::Vertical, derecha), "Splitter7");
    derechaLayout->addWidget(Splitter7);
    Splitter5->addWidget(derecha);
    Splitter5->setStretchFactor(1, 1);

    Splitter2 = named(new QSplitter(Qt::Horizontal, Splitter7), "Splitter2");
    PanCen = panel(Splitter2, "PanCen");
    auto *cen = column(PanCen);
    m_nombres = new PanelNombres(SPlan, PanCen);
    cen->addWidget(m_nombres);
    m_foto = new PanelFoto(SPlan, PanCen);
    cen->addWidget(m_foto, 1);
    Splitter2->addWidget(PanCen);
    m_textos = new PanelTextos(m_sesion, SPlan, SNotas, Splitter2);
    for (QWidget *linea : m_lista->construirLineasClase(m_textos))
        m_textos->agregarAlPie(linea);
    Splitter2->addWidget(m_textos);
    Splitter2->setStretchFactor(1, 1);
    Splitter7->addWidget(Splitter2);
    m_paginas = new PanelPaginas(m_sesion, {SRel, SRelSint, SRelComp, SRelFormPl, SRelPlForm}, Splitter7);
    Splitter7->addWidget(m_paginas);
    Splitter7->setStretchFactor(0, 1);

    // The instructions of the single-record view, shown in its place while it is active.
    PanInstrUna = panel(this, "PanInstrUna");
    auto *instr = row(PanInstrUna, 4);
    ImVolver = label(QStringLiteral("⟵"), PanInstrUna, "ImVolver");
    LabAtras = label(QStringLiteral("Volver"), PanInstrUna, "LabAtras");
    instr->addWidget(ImVolver);
    instr->addWidget(LabAtras);
    instr->addStretch(1);
    PanInstrUna->hide();
    layout->addWidget(PanInstrUna);
    m_barra = new BarraInferior(m_sesion, this);
    layout->addWidget(m_barra);

    m_camposSoloLectura = new CamposSoloLectura(m_sesion, m_lista->GrNom, this);
    m_camposSoloLectura->vigilar({m_nombres->EdPinYin, m_nombres->Ed[0], m_nombres->Ed[1], m_nombres->Ed[2],
                                  m_nombres->Ed[3], m_propiedades->DBEdit1, m_propiedades->DBEdit3,
                                  m_propiedades->DBEdit5, m_propiedades->DBEdit6, m_lista->DBText1, m_lista->DBText2});
}

// What the panels ask of the window, and the window's own controls.
void TFPlantas::conectar()
{
    // Every connection to the window is kept, so that none outlives the whole window.
    const auto aVentana = [this](auto *emisor, auto senal, auto &&handler) {
        m_conexiones << connect(emisor, senal, this, manejador(std::forward<decltype(handler)>(handler)));
    };
    aVentana(m_barra->Salir, &QPushButton::clicked, [this] { close(); });
    aVentana(m_barra->Mas, &QToolButton::clicked, [this] { MasClick(); });
    aVentana(m_barra->Menos, &QToolButton::clicked, [this] { MenosClick(); });
    aVentana(m_barra->Modificar, &QToolButton::toggled, [this] { ModificarClick(); });
    aVentana(m_lista->VerTodo, &QPushButton::clicked, [this] { VerTodoClick(); });
    aVentana(m_textos->Buscar, &QPushButton::clicked, [this] { BuscarClick(); });
    aVentana(m_lista, &PanelLista::filtroPedido, [this] { ComponerFiltro(); });
    aVentana(m_lista, &PanelLista::tipoCambiado, [this] { estadoAlModulo(); });
    aVentana(m_lista, &PanelLista::disposicionCambiada, [this] { AjustarPaneles(); });
    aVentana(m_propiedades, &PanelPropiedades::disposicionCambiada, [this] { AjustarPaneles(); });
    aVentana(m_paginas, &PanelPaginas::disposicionCambiada, [this] { AjustarPaneles(); });
    aVentana(Splitter5, &QSplitter::splitterMoved, [this] { AjustarPaneles(); });
    for (QSplitter *s : {Splitter2, Splitter5, Splitter7})
        aVentana(s, &QSplitter::splitterMoved, [this] {
            if (TFCalco *c = m_vecinas.calco)
                c->repintar();
        });

    aVentana(&m_sesion, &Sesion::inglesCambiado, [this](bool ingles) {
        if (ingles)
            TextosIngles();
    });
    aVentana(&m_sesion, &Sesion::modoLector, [this] { ModoLector(); });
    aVentana(&m_sesion, &Sesion::editandoCambiado, [this] { estadoAlModulo(); });
    aVentana(&m_sesion, &Sesion::esquemaCambiado, [this] { AplicarColores(); });
    aVentana(&m_sesion, &Sesion::letraCambiada, [this] { AplicarLetra(); });
}

void TFPlantas::setDataModule(TDM *dm)
{
    m_dm = dm;
    dm->database().setPassword(QLatin1String(kClave));
    dm->setVista(this);
    dm->informar = &Mensajes::informar;
    dm->guardadoFallido = [this](const DbError &e) { avisarNoGuardado(e, m_sesion.ingles()); };
    dm->reloj = [](bool on) {
        if (on)
            QGuiApplication::setOverrideCursor(Qt::WaitCursor);
        else
            QGuiApplication::restoreOverrideCursor();
    };
    SPlan->setCursor(&dm->TPlan);
    SRel->setCursor(&dm->TRel);
    SRelSint->setCursor(&dm->TRelSint);
    SRelComp->setCursor(&dm->TRelComp);
    SRelFormPl->setCursor(&dm->TRelFormPl);
    SRelPlForm->setCursor(&dm->TRelPlForm);
    SFuentes->setCursor(&dm->TFuentes);
    SNotas->setCursor(&dm->TNotas);
    m_lista->setDataModule(dm);
    m_textos->setDataModule(dm);
    estadoAlModulo();
}

void TFPlantas::setVentanas(const Vecinas &vecinas)
{
    m_vecinas = vecinas;
    m_lista->setSelClase(vecinas.selClase);
    if (vecinas.buscar)
        m_conexiones << connect(vecinas.buscar, &TFBuscar::buscado, this, manejador([this] { ComponerFiltro(); }));
}

QString TFPlantas::rutaConfig() const { return rutaSinMayusculas(QDir::current(), QStringLiteral("Config.Dat")); }

void TFPlantas::estadoAlModulo()
{
    if (!m_dm)
        return;
    m_dm->tipo = m_lista->tipo();
    m_dm->modoEditor = m_sesion.editor();
    m_dm->editando = m_sesion.editando();
    m_dm->filtroBusqueda = m_filtroBusqueda;
    // No properties criteria can be set yet: while its filter is on, every record passes it.
    m_dm->filtroPropiedades =
        m_filtroPropiedades
            ? TDM::FiltroPropiedades([](const QString &, const QString &, const QString &) { return true; })
            : nullptr;
}

// ---- first showing -------------------------------------------------------------

void TFPlantas::showEvent(QShowEvent *event)
{
    QWidget::showEvent(event);
    if (m_mostrada)
        return;
    m_mostrada = true;
    m_textos->seguirPestanas();
    PoliticaErrores::ejecutar([this] { FormShow(); });
    emit mostrada();
}

// The window's own steps run whatever happens to the data, so that after an error
// the window still has its mode, colours and text size; the steps on the data stop
// at their first error, which is reported once the window is in its proper state.
void TFPlantas::FormShow()
{
    std::optional<DbError> error;
    const auto datos = [&error](auto &&paso) {
        if (error)
            return false;
        try {
            paso();
            return true;
        } catch (const DbError &e) {
            error = e;
            return false;
        }
    };
    LeerConfig();
    m_lista->LabBus->clear();
    m_lista->LabBus->hide();
    m_lista->CBIdioma->setCurrentIndex(0);
    datos([&] { m_lista->CBIdiomaChange(); });
    m_foto->reiniciar();
    m_paginas->mostrarPrimera();
    const bool abierta = datos([&] { m_dm->abrir(); });
    datos([&] { m_textos->TabMemoChange(); }); // the text panel shows the first tab's text
    AplicarColores();
    AplicarLetra();
    const QString primero = m_argumentos.value(0);
    datos([&] { irAlMasCercano(primero); });
    // Without its data there is nothing to edit, and nothing typed could be kept.
    m_sesion.setEditor(abierta && primero == QLatin1String(kPalabraEditor));
    estadoAlModulo();
    if (!m_sesion.editor())
        m_sesion.pasarAModoLector();
    m_propiedades->fijarAltura();
    m_barra->Modificar->setChecked(false);
    if (!datos([&] { ModificarClick(); }))
        mostrarEdicion();
    datos([&] { ComponerFiltro(); });
    if (!m_sesion.editor())
        datos([&] { irAlMasCercano(primero); });
    datos([&] { m_dm->TPlanAfterScroll(); });
    if (error)
        CajaError::mostrar(textoError(*error, QDir::currentPath(), m_sesion.ingles()));
}

void TFPlantas::irAlMasCercano(const QString &texto)
{
    if (texto.isEmpty())
        m_dm->TPlan.first();
    else
        m_dm->TPlan.findNearest({texto});
}

void TFPlantas::ModoLector()
{
    m_textos->ModoLector();
    m_propiedades->ModoLector();
    m_barra->ModoLector();
    estadoAlModulo();
}

void TFPlantas::ModificarClick()
{
    QToolButton *modificar = m_barra->Modificar;
    m_sesion.setInterruptor(modificar->isChecked());
    const bool on = m_sesion.editando();
    if (m_dm && !m_dm->guardarLoEscrito() && !on) {
        // What was typed is not stored yet: editing stays on, so that it still can be.
        const QSignalBlocker quieto(modificar);
        modificar->setChecked(true);
        m_sesion.setInterruptor(true);
        return;
    }
    if (m_dm)
        m_dm->TPlanAfterScroll();
    mostrarEdicion();
}

void TFPlantas::mostrarEdicion()
{
    const bool on = m_sesion.editando();
    SPlan->setAutoEdit(on);
    m_paginas->mostrarEdicion(on);
    m_foto->mostrarEdicion(on);
    m_propiedades->mostrarEdicion(on);
    m_barra->mostrarEdicion(on);
    m_paginas->FichaChange();
}

// ---- English interface ----------------------------------------------------------

void TFPlantas::TextosIngles()
{
    Cursor::Bookmark actual = 0;
    if (m_dm) {
        actual = m_dm->TPlan.isOpen() ? m_dm->TPlan.bookmark() : 0;
        m_dm->TPlan.close();
    }

    for (const TextoIngles &t : textosInglesPlantas()) {
        QWidget *w = findChild<QWidget *>(QLatin1String(t.control));
        if (!w)
            continue;
        const QString texto = QString::fromUtf8(t.texto);
        if (t.que == TextoIngles::Pista)
            w->setToolTip(texto);
        else if (auto *l = qobject_cast<QLabel *>(w))
            l->setText(texto);
        else if (auto *b = qobject_cast<QAbstractButton *>(w))
            b->setText(texto);
    }
    m_paginas->TextosIngles();
    if (m_dm) {
        m_dm->mensajes = ListaIng;
        m_dm->setEnglish(true);
    }
    m_textos->TextosIngles();
    m_lista->TextosIngles();
    m_propiedades->TextosIngles();
    m_foto->TextosIngles();
    if (!m_dm)
        return;
    m_textos->TabMemoChange();
    m_dm->TPlan.open();
    if (actual && !m_dm->TPlan.gotoBookmark(actual))
        QApplication::beep();
    m_dm->TPlanAfterScroll();
}

// ---- configuration -----------------------------------------------------------------

void TFPlantas::LeerConfig()
{
    m_config = ConfigDat();
    m_config.read(rutaConfig());
    // Always centred on the first showing, whatever place was stored.
    colocarEnPantalla(this, {m_config[ConfigDat::Width], m_config[ConfigDat::Height]});
    const int izq = m_config[ConfigDat::PanIzqWidth];
    Splitter5->setSizes({izq, std::max(1, width() - izq)});
    const int cen = m_config[ConfigDat::PanCenWidth];
    Splitter2->setSizes({cen, std::max(1, width() - izq - cen)});
    const int fic = m_config[ConfigDat::PanFicHeight];
    Splitter7->setSizes({std::max(1, height() - fic), fic});
    for (TVentana *v : std::as_const(m_vecinas.todas))
        v->leerConfig(m_config);
    // Applied at their place in the first showing, not as they are read.
    const QSignalBlocker callada(&m_sesion);
    m_sesion.setEsquema(m_config[ConfigDat::ColorScheme]);
    m_sesion.setLetra(m_config[ConfigDat::TextSize]);
}

void TFPlantas::GuardarConfig()
{
    const QRect normal = isMaximized() || isFullScreen() ? normalGeometry() : geometry();
    m_config[ConfigDat::Left] = normal.x();
    m_config[ConfigDat::Top] = normal.y();
    m_config[ConfigDat::Width] = normal.width();
    m_config[ConfigDat::Height] = normal.height();
    m_config[ConfigDat::PanFicHeight] = Splitter7->sizes().value(1);
    m_config[ConfigDat::PanIzqWidth] = Splitter5->sizes().value(0);
    m_config[ConfigDat::PanCenWidth] = Splitter2->sizes().value(0);
    for (TVentana *v : std::as_const(m_vecinas.todas))
        v->guardarConfig(m_config);
    m_config[ConfigDat::ColorScheme] = std::clamp(m_sesion.esquema(), 0, 255);
    m_config[ConfigDat::TextSize] = std::clamp(m_sesion.letra(), 0, 255);
    if (!m_config.write(rutaConfig()))
        CajaError::mostrar(textoConfigNoGuardada(rutaConfig(), m_sesion.ingles()));
}

// ---- colours and text size ------------------------------------------------------------

void TFPlantas::AplicarColores()
{
    const EsquemaColores c = esquemaColores(m_sesion.esquema());
    for (QWidget *w : {PanIzq, static_cast<QWidget *>(Splitter2), static_cast<QWidget *>(Splitter5),
                       static_cast<QWidget *>(Splitter7)})
        colorear(w, c.base);
    colorear(PanInstrUna, c.claro);
    colorear(LabAtras, c.claro);
    m_lista->aplicarColores(c);
    m_propiedades->aplicarColores(c);
    m_nombres->aplicarColores(c);
    m_foto->aplicarColores(c);
    m_textos->aplicarColores(c);
    m_paginas->aplicarColores(c);
    m_barra->aplicarColores(c);
}

void TFPlantas::AplicarLetra()
{
    {
        const QSignalBlocker callada(&m_sesion); // applied right here
        m_sesion.setLetra(letraAplicable(m_sesion.letra()));
    }
    const int letra = m_sesion.letra();
    m_textos->aplicarLetra(letra);
    m_lista->aplicarLetra(letra);
    m_paginas->aplicarLetra(letra);
}

void TFPlantas::MasClick()
{
    m_sesion.setLetra(letraMayor(m_textos->letraMostrada())); // the change applies the size
}

void TFPlantas::MenosClick()
{
    const int actual = m_textos->letraMostrada();
    if (actual <= 10)
        return;
    m_sesion.setLetra(letraMenor(actual));
}

// ---- closing ------------------------------------------------------------------------

void TFPlantas::closeEvent(QCloseEvent *event)
{
    const bool cerrar = PoliticaErrores::ejecutar([this] { return FormCloseQuery(); }, false);
    if (!cerrar) {
        event->ignore();
        return;
    }
    PoliticaErrores::ejecutar([this] { FormClose(); });
    event->accept();
}

bool TFPlantas::FormCloseQuery()
{
    m_lista->GrNom->setFocus();
    if (m_mostrarFicha) {
        m_mostrarFicha = false;
        return false;
    }
    const QString pregunta = m_dm ? m_dm->mensaje(25) : ListaEsp.value(25);
    if (!Mensajes::preguntar(pregunta))
        return false;
    if (!m_dm)
        return true;
    try {
        m_dm->guardarPendientes();
    } catch (const DbError &e) {
        // Not stored: the window stays open with the text, unless the user leaves without it.
        if (Mensajes::preguntar(preguntaSeguirSinGuardar(e, m_sesion.ingles())))
            return false;
        m_dm->descartarPendientes();
    }
    return true;
}

void TFPlantas::FormClose()
{
    if (TFCalco *overlay = m_vecinas.calco)
        overlay->setEnVigor(false);
    GuardarConfig();
    hide();
    if (!m_dm)
        return;
    if (m_sesion.editando()) // stored or dropped by the closing question: nothing typed is left to lose
        ignorarErrores([&] { m_dm->TPlan.post(); });
    m_dm->cerrar();
}

// ---- keys -------------------------------------------------------------------------------

// Every key of the window's own controls, before the control sees it.
bool TFPlantas::teclaVista(QObject *watched, QKeyEvent *event)
{
    if (FormKeyDown(event))
        return true;
    return watched == m_lista->GrNom && m_lista->GrNomKeyDown(event);
}

bool TFPlantas::FormKeyDown(QKeyEvent *event)
{
    const int key = event->key();
    const bool enter = key == Qt::Key_Return || key == Qt::Key_Enter;
    if (m_mostrarFicha && (enter || key == Qt::Key_Escape)) {
        m_mostrarFicha = false; // ends the single-record view and nothing else
        return true;
    }
    if (key == Qt::Key_Escape) {
        close();
        return true;
    }
    return false;
}

void TFPlantas::resizeEvent(QResizeEvent *event)
{
    QWidget::resizeEvent(event);
    PoliticaErrores::ejecutar([this] { AjustarPaneles(); });
}

} // namespace yb
