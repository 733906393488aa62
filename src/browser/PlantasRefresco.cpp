// The main window's part of the refresh, the name list order and the list
// filter, and the layout of its panels.
#include "browser/Calco.h"
#include "browser/ComboIdioma.h"
#include "browser/EscalaPropiedad.h"
#include "browser/GrupoOpciones.h"
#include "browser/Plantas.h"
#include "dbwidgets/DBControls.h"
#include "dbwidgets/DBGrid.h"
#include "dbwidgets/DBRichEdit.h"
#include "dbwidgets/DataSource.h"

#include <QLabel>
#include <QPushButton>
#include <QSplitter>
#include <QStackedWidget>
#include <QTabBar>
#include <QTabWidget>
#include <QToolButton>

namespace yb {

void TFPlantas::conectar()
{
    connect(Salir, &QPushButton::clicked, this, &QWidget::close);
    connect(Color, &QPushButton::clicked, this, &TFPlantas::ColorClick);
    connect(Mas, &QToolButton::clicked, this, &TFPlantas::MasClick);
    connect(Menos, &QToolButton::clicked, this, &TFPlantas::MenosClick);
    connect(Modificar, &QToolButton::toggled, this, [this] { ModificarClick(); });
    connect(CBIdioma, &QComboBox::activated, this, [this] { CBIdiomaChange(); });
    connect(Ficha, &QTabWidget::currentChanged, this, [this] { FichaChange(); });
    connect(TabMemo, &QTabBar::currentChanged, this, [this] {
        if (m_mostrada)
            TabMemoChange();
    });

    connect(Splitter5, &QSplitter::splitterMoved, this, [this] { AjustarPaneles(); });
    for (QSplitter *s : {Splitter2, Splitter5, Splitter7})
        connect(s, &QSplitter::splitterMoved, this, [this] {
            if (TFCalco *c = calco())
                c->repintar();
        });
    connect(CBIdioma, &ComboIdioma::desplegado, this, &TFPlantas::CBIdiomaDropDown);
    connect(CBIdioma, &ComboIdioma::plegado, this, &TFPlantas::CBIdiomaCloseUp);
    connect(SelPlanForm, &GrupoOpciones::clicked, this, [this] { SelPlanFormClick(); });
    connect(VerTodo, &QPushButton::clicked, this, &TFPlantas::VerTodoClick);
    connect(BotClase, &QPushButton::clicked, this, &TFPlantas::BotClaseClick);
    connect(BotSubClase, &QPushButton::clicked, this, &TFPlantas::BotSubClaseClick);
    connect(BotBusSinon, &QPushButton::clicked, this, &TFPlantas::BotBusSinonClick);
    connect(Buscar, &QPushButton::clicked, this, &TFPlantas::BuscarClick);
    connect(GrNom, &QAbstractItemView::clicked, this, &TFPlantas::GrNomCellClick);
    m_camposSoloLectura = {EdPinYin, Ed[0], Ed[1], Ed[2], Ed[3], DBEdit1, DBEdit3, DBEdit5, DBEdit6, DBText1, DBText2};
    for (QWidget *w : std::as_const(m_camposSoloLectura))
        w->setMouseTracking(true);
}

// ---- name list ---------------------------------------------------------------------

void TFPlantas::CBIdiomaChange()
{
    const int item = std::max(0, CBIdioma->currentIndex());
    const QString campo = item == 0 ? QStringLiteral("PinYin") : QStringLiteral("Nom%1").arg(item - 1);
    m_dm->UsarIndice(m_dm->TPlan, campo);
    GrNom->setColumns({{campo}});
    GrNom->setFocus();
    LabNom->setText(CBIdioma->itemText(item));
    AjustarPaneles();
}

void TFPlantas::ComponerFiltro()
{
    if (!m_dm->guardarLoEscrito())
        return; // the list stays on the record whose typing is not stored yet
    TFCalco *overlay = calco();
    if (overlay)
        overlay->setEnVigor(false);
    const int tipo = selPlanForm();
    const QString parteTipo = tipo == 0 ? QStringLiteral("EsFormula=False")
                              : tipo == 1 ? QStringLiteral("EsFormula=True")
                                          : QString();
    QString parteClase;
    if (m_claveSubClase != 0)
        parteClase = QStringLiteral("KSubClase=%1").arg(m_claveSubClase);
    else if (m_claveClase != 0)
        parteClase = QStringLiteral("KClase=%1").arg(m_claveClase);
    QString expresion = parteTipo;
    if (!parteTipo.isEmpty() && !parteClase.isEmpty())
        expresion += QStringLiteral(" and ");
    expresion += parteClase;

    Cursor &plan = m_dm->TPlan;
    m_dm->ajustarPruebaDeRegistro();
    if (expresion == plan.filter())
        plan.refresh(); // the record test may have changed
    else
        plan.setFilter(expresion);
    m_filtroEnVigor = m_claveClase != 0 || m_claveSubClase != 0 || m_filtroBusqueda || m_filtroPropiedades;
    LabCant->setVisible(m_filtroEnVigor);
    VerTodo->setVisible(m_filtroEnVigor);
    if (m_filtroEnVigor)
        LabCant->setText(QStringLiteral("%1: %2").arg(m_dm->mensaje(8)).arg(plan.recordCount()));
    if (overlay) {
        overlay->setPintar(m_filtroEnVigor ? TFCalco::Pintar([this] { return PintarCalco(); }) : nullptr);
        overlay->setEnVigor(m_filtroEnVigor);
    }
    MemoChange(); // the search's marks appear or go with its filter
}

// ---- refresh steps ---------------------------------------------------------------

int TFPlantas::selPlanForm() const { return SelPlanForm->itemIndex(); }

bool TFPlantas::pasaFiltro(const QString &, const QString &, const QString &) const
{
    return true; // no properties criteria can be set yet
}

void TFPlantas::showPhotoArea(bool hasPhoto, bool isFormula)
{
    Im->setVisible(hasPhoto);
    PanFito->setVisible(!hasPhoto && !isFormula);
    PanMort->setVisible(!hasPhoto && isFormula);
}

void TFPlantas::setPageCaptions(const QString &acc, const QString &sint, const QString &formulaPage, bool isFormula)
{
    Ficha->setTabText(Ficha->indexOf(PagAcc), acc);
    Ficha->setTabText(Ficha->indexOf(PagSint), sint);
    Ficha->setTabText(Ficha->indexOf(isFormula ? PagPlForm : PagFormPl), formulaPage);
}

void TFPlantas::firstPhoto()
{
    while (m_numeroFoto != 1)
        siguienteFoto();
}

void TFPlantas::siguienteFoto()
{
    m_numeroFoto = m_numeroFoto % 3 + 1;
    Im->setDataField(QStringLiteral("Foto%1").arg(m_numeroFoto));
    Im->setToolTip(QStringLiteral("Foto Nº%1").arg(m_numeroFoto));
}

void TFPlantas::setNameRowVisible(int nameIndex, bool visible)
{
    if (QWidget *fila = filasNombre.value(nameIndex))
        fila->setVisible(visible);
}

void TFPlantas::showPropertyPage(bool isFormula) { FicPropAut->setCurrentWidget(isFormula ? PagAut : PagProps); }

void TFPlantas::computeFormulaProfile()
{
    // The profile computed from the ingredients belongs to the property scales'
    // editing; until then the formula shows its stored profile.
    const Cursor &plan = m_dm->TPlan;
    showScales(plan.asString(u"Meridianos"), plan.asString(u"Sabor"), plan.asString(u"Energia"));
}

void TFPlantas::showScales(const QString &meridianos, const QString &sabor, const QString &energia)
{
    PanCanales->mostrar(meridianos);
    PanSabor->mostrar(sabor);
    PanEnergia->mostrar(energia);
}

void TFPlantas::switchFormulaPage(bool isFormula)
{
    if (Ficha->currentWidget() == PagFormPl && isFormula)
        Ficha->setCurrentWidget(PagPlForm);
    else if (Ficha->currentWidget() == PagPlForm && !isFormula)
        Ficha->setCurrentWidget(PagFormPl);
    Ficha->setTabVisible(Ficha->indexOf(PagPlForm), isFormula);
    Ficha->setTabVisible(Ficha->indexOf(PagFormPl), !isFormula);
}

void TFPlantas::FichaChange()
{
    const bool on = editando();
    PanBotSint->setVisible(on && Ficha->currentWidget() != PagFormPl);
    Porcentaje->setVisible(on && Ficha->currentWidget() == PagPlForm);
    AjustarPaneles();
}

// ---- layout ---------------------------------------------------------------------

void TFPlantas::AjustarPaneles()
{
    for (DBGrid *g : {GrAcc, GrSint, GrComp, GrFormPl, GrPlForm, GrNom})
        ajustarColumna(g);
    // Channels take three sevenths of the properties panel; tastes above natures the
    // rest, shared in proportion to the rows they need. The panel is never lower than
    // its rows, whole, need in the font they are shown in.
    const int sabor = PanSabor->minimumSizeHint().height(), energia = PanEnergia->minimumSizeHint().height();
    PanProp->setMinimumHeight(std::max(PanCanales->minimumSizeHint().height(), sabor + energia));
    const int ancho = PanProp->width(), alto = PanProp->height();
    const int canales = 3 * ancho / 7;
    const int altoSabor = alto * sabor / std::max(1, sabor + energia);
    PanCanales->setGeometry(0, 0, canales, alto);
    PanSabor->setGeometry(canales, 0, ancho - canales, altoSabor);
    PanEnergia->setGeometry(canales, altoSabor, ancho - canales, alto - altoSabor);
    if (TFCalco *c = calco())
        c->repintar(); // the frames follow the panels
}

} // namespace yb
