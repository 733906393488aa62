// The main window's life: creation, first showing, modes, language,
// configuration, colours, text size and closing.
#include "browser/Plantas.h"

#include "browser/Avisos.h"
#include "browser/Calco.h"
#include "browser/Colores.h"
#include "browser/ComboIdioma.h"
#include "browser/EscalaPropiedad.h"
#include "browser/GrupoOpciones.h"
#include "browser/Textos.h"
#include "browser/TextosError.h"
#include "dbwidgets/DBControls.h"
#include "dbwidgets/DBGrid.h"
#include "dbwidgets/DBRichEdit.h"
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
#include <QComboBox>
#include <QFrame>
#include <QHeaderView>
#include <QLabel>
#include <QPushButton>
#include <QSplitter>
#include <QStackedWidget>
#include <QTabBar>
#include <QTabWidget>
#include <QToolButton>
#include <optional>

namespace yb {
namespace {

void colorear(QWidget *w, const QColor &color)
{
    if (!w)
        return;
    QPalette p = w->palette();
    p.setColor(QPalette::Window, color);
    p.setColor(QPalette::Base, color);
    w->setPalette(p);
    w->setAutoFillBackground(true);
}

} // namespace

TFPlantas::TFPlantas(Sesion &sesion, const QStringList &argumentos, QWidget *parent)
    : QWidget(parent), ListaEsp(listaEsp()), ListaIng(listaIng()), m_sesion(sesion), m_argumentos(argumentos)
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
    connect(&m_sesion, &Sesion::inglesCambiado, this, [this](bool ingles) {
        if (ingles)
            TextosIngles();
    });
    connect(&m_sesion, &Sesion::modoLector, this, &TFPlantas::ModoLector);
    connect(&m_sesion, &Sesion::esquemaCambiado, this, &TFPlantas::AplicarColores);
    connect(&m_sesion, &Sesion::letraCambiada, this, &TFPlantas::AplicarLetra);
    FormCreate();
}

TFPlantas::~TFPlantas()
{
    qApp->removeEventFilter(this);
    // The controls outlive this part of the window while QWidget deletes them:
    // nothing they signal may reach it any more.
    for (QObject *control : findChildren<QObject *>())
        control->disconnect(this);
    if (m_dm)
        m_dm->setHost(nullptr);
}

void TFPlantas::FormCreate()
{
    m_claveClase = 0;
    m_claveSubClase = 0;
    qApp->installEventFilter(this); // the window sees every key before its controls
}

void TFPlantas::setDataModule(TDM *dm)
{
    m_dm = dm;
    dm->database().setPassword(QLatin1String(kClave));
    dm->setHost(this);
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
}

void TFPlantas::setVentanas(const Vecinas &vecinas)
{
    m_vecinas = vecinas;
    if (vecinas.buscar)
        connect(vecinas.buscar, &TFBuscar::buscado, this, manejador([this] { ComponerFiltro(); }));
}

QString TFPlantas::rutaConfig() const { return rutaSinMayusculas(QDir::current(), QStringLiteral("Config.Dat")); }

bool TFPlantas::editando() const { return m_sesion.editando(); }

bool TFPlantas::editorMode() const { return m_sesion.editor(); }

// ---- first showing -------------------------------------------------------------

void TFPlantas::showEvent(QShowEvent *event)
{
    QWidget::showEvent(event);
    if (m_mostrada)
        return;
    m_mostrada = true;
    FormShow();
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
    LabBus->clear();
    LabBus->hide();
    CBIdioma->setCurrentIndex(0);
    datos([&] { CBIdiomaChange(); });
    m_numeroFoto = 1;
    Im->setDataField(QStringLiteral("Foto1"));
    Ficha->setCurrentWidget(PagAcc);
    const bool abierta = datos([&] { m_dm->abrir(); });
    datos([&] { TabMemoChange(); }); // the text panel shows the first tab's text
    AplicarColores();
    AplicarLetra();
    const QString primero = m_argumentos.value(0);
    datos([&] { irAlMasCercano(primero); });
    // Without its data there is nothing to edit, and nothing typed could be kept.
    m_sesion.setEditor(abierta && primero == QLatin1String(kPalabraEditor));
    if (!m_sesion.editor())
        m_sesion.pasarAModoLector();
    FicPropAut->setFixedHeight(FicPropAut->sizeHint().height());
    Modificar->setChecked(false);
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
    if (TabMemo->count() == 5)
        TabMemo->removeTab(4);
    PanHabitat->hide();
    Modificar->hide();
}

void TFPlantas::ModificarClick()
{
    m_sesion.setInterruptor(Modificar->isChecked());
    const bool on = editando();
    if (m_dm && !m_dm->guardarLoEscrito() && !on) {
        // What was typed is not stored yet: editing stays on, so that it still can be.
        const QSignalBlocker quieto(Modificar);
        Modificar->setChecked(true);
        m_sesion.setInterruptor(true);
        return;
    }
    if (m_dm)
        m_dm->TPlanAfterScroll();
    mostrarEdicion();
}

void TFPlantas::mostrarEdicion()
{
    const bool on = editando();
    SPlan->setAutoEdit(on);
    PanBotSint->setVisible(on);
    PanBotIm->setVisible(on);
    PanTox->setVisible(on);
    Modificar->setText(on ? QStringLiteral("Editando") : QStringLiteral("Modificar"));
    FichaChange();
}

// ---- English interface ----------------------------------------------------------

void TFPlantas::TextosIngles()
{
    const int tab = TabMemo->currentIndex();
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
    GrAcc->setColumns({{QStringLiteral("UsoIng")}});
    GrSint->setColumns({{QStringLiteral("SintIng")}});
    if (m_dm) {
        m_dm->mensajes = ListaIng;
        m_dm->setEnglish(true);
    }
    while (TabMemo->count() > 0)
        TabMemo->removeTab(0);
    for (const QString &t : QStringLiteral("Description,Warnings,Drugstore,Notes").split(u','))
        TabMemo->addTab(t);
    CBIdioma->clear();
    CBIdioma->addItems({QStringLiteral("PinYin"), QStringLiteral("Pharmaceutical"), QStringLiteral("Scientific"),
                        QStringLiteral("Spanish"), QStringLiteral("English")});
    SelPlanForm->setItems({QStringLiteral("Elements"), QStringLiteral("Formulas"), QStringLiteral("All")});
    DBEdit5->setDataField(QStringLiteral("ParteIng"));
    cargarImagenInglesa(ImFito, QStringLiteral("English/Im2.bmp"));
    cargarImagenInglesa(ImMort, QStringLiteral("English/Im3.bmp"));

    TabMemo->setCurrentIndex(std::clamp(tab, 0, TabMemo->count() - 1));
    LabMemo->setText(TabMemo->tabText(TabMemo->currentIndex()));
    if (!m_dm)
        return;
    TabMemoChange();
    m_dm->TPlan.open();
    if (actual && !m_dm->TPlan.gotoBookmark(actual))
        QApplication::beep();
    m_dm->TPlanAfterScroll();
}

void TFPlantas::cargarImagenInglesa(QLabel *destino, const QString &archivo)
{
    const QPixmap imagen(rutaSinMayusculas(QDir::current(), archivo));
    if (!imagen.isNull())
        destino->setPixmap(imagen);
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
    static const char *const base[] = {
        "PanNom", "Im", "PanBot", "PanBotIm", "PanBotSint", "Panel11", "Panel13", "Panel14", "Panel17", "Panel18",
        "Panel19", "Panel20", "Panel21", "Panel22", "Panel24", "Panel3", "Panel12", "Panel15", "Panel16", "Panel23",
        "Panel25", "Panel26", "Panel27", "Panel30", "Panel31", "Panel32", "Panel5", "Panel7", "Panel9", "PanIzq",
        "PanLogoRec", "PanMort", "Splitter2", "Splitter5", "Splitter7"};
    static const char *const cabecera[] = {"PanClase", "PanSubClase", "Panel41", "Panel42", "Panel43",
                                           "Panel44", "Panel45", "Panel4"};
    for (const char *n : base)
        colorear(findChild<QWidget *>(QLatin1String(n)), c.base);
    for (const char *n : cabecera)
        colorear(findChild<QWidget *>(QLatin1String(n)), c.cabecera);
    for (QWidget *w : std::initializer_list<QWidget *>{GrNom, GrAcc, GrSint, GrComp, GrFormPl, GrPlForm, Memo, PanProp,
                                                       PanInstrUna, LabAtras})
        colorear(w, c.claro);
}

void TFPlantas::AplicarLetra()
{
    {
        const QSignalBlocker callada(&m_sesion); // applied right here
        m_sesion.setLetra(letraAplicable(m_sesion.letra()));
    }
    for (QWidget *w : std::initializer_list<QWidget *>{Memo, GrNom, GrAcc, GrSint, GrFormPl, GrPlForm}) {
        QFont f = w->font();
        f.setPointSize(m_sesion.letra());
        w->setFont(f);
    }
    for (DBGrid *g : {GrNom, GrAcc, GrSint, GrFormPl, GrPlForm})
        g->verticalHeader()->setDefaultSectionSize(QFontMetrics(g->font()).height() + 4);
}

void TFPlantas::ColorClick()
{
    m_sesion.setEsquema(siguienteEsquema(m_sesion.esquema())); // the change applies the colours
}

void TFPlantas::MasClick()
{
    m_sesion.setLetra(letraMayor(Memo->font().pointSize())); // the change applies the size
}

void TFPlantas::MenosClick()
{
    const int actual = Memo->font().pointSize();
    if (actual <= 10)
        return;
    m_sesion.setLetra(letraMenor(actual));
}

// ---- closing ------------------------------------------------------------------------

void TFPlantas::closeEvent(QCloseEvent *event)
{
    if (!FormCloseQuery()) {
        event->ignore();
        return;
    }
    FormClose();
    event->accept();
}

bool TFPlantas::FormCloseQuery()
{
    GrNom->setFocus();
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
    if (TFCalco *overlay = calco())
        overlay->setEnVigor(false);
    GuardarConfig();
    hide();
    if (!m_dm)
        return;
    if (editando()) // stored or dropped by the closing question: nothing typed is left to lose
        ignorarErrores([&] { m_dm->TPlan.post(); });
    m_dm->cerrar();
}

// Installed on the application: the window sees every key before its controls,
// and a few controls' events are handled here.
bool TFPlantas::eventFilter(QObject *watched, QEvent *event)
{
    switch (event->type()) {
    case QEvent::KeyPress: {
        auto *w = qobject_cast<QWidget *>(watched);
        if (!w || w->window() != this || !isVisible())
            break;
        auto *key = static_cast<QKeyEvent *>(event);
        if (FormKeyDown(key))
            return true;
        if (watched == GrNom && GrNomKeyDown(key))
            return true;
        break;
    }
    case QEvent::FocusOut:
        if (watched == GrNom)
            GrNomExit();
        break;
    case QEvent::Resize:
        if (watched == PanProp)
            AjustarPaneles();
        break;
    default:
        break;
    }
    if (m_camposSoloLectura.contains(watched))
        campoSoloLectura(watched, event);
    return QWidget::eventFilter(watched, event);
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
    AjustarPaneles();
}

} // namespace yb
