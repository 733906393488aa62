// The name list: typed search, synonym jump, kind, class criteria, deleting
// and adding records from the list, the language choice and its list.
#include "browser/PanelLista.h"

#include "browser/Colores.h"
#include "browser/ComboIdioma.h"
#include "browser/GrupoOpciones.h"
#include "browser/Piezas.h"
#include "browser/SelClase.h"
#include "data/DataModule.h"
#include "dbwidgets/DBControls.h"
#include "dbwidgets/DBGrid.h"
#include "dialogs/Mensajes.h"
#include "dialogs/PoliticaErrores.h"
#include "dialogs/Sesion.h"

#include <QApplication>
#include <QHBoxLayout>
#include <QHeaderView>
#include <QKeyEvent>
#include <QLabel>
#include <QPushButton>
#include <QVBoxLayout>

namespace yb {
using namespace piezas;
namespace {

// Letters a to z in capitals; nothing else changes.
QString mayusculasAscii(QString texto)
{
    for (QChar &c : texto)
        if (c >= u'a' && c <= u'z')
            c = QChar(c.unicode() - 32);
    return texto;
}

// The letter a key stands for in the typed search, as a capital. Keys are told by
// their code, as the original platform reported them: an accented vowel, typed
// through a dead key, is the key of its base letter; ñ and ç have keys of their
// own on a Spanish keyboard and, like every other key, are no letter (null).
QChar letraDeTecla(int key)
{
    if (key >= Qt::Key_A && key <= Qt::Key_Z)
        return QChar(char16_t(key));
    if (key < Qt::Key_Agrave || key > Qt::Key_ydiaeresis || key == Qt::Key_Ntilde || key == Qt::Key_Ccedilla)
        return {};
    const QString base = QChar(char16_t(key)).decomposition();
    const QChar letra = base.isEmpty() ? QChar() : base.front().toUpper();
    return letra >= u'A' && letra <= u'Z' ? letra : QChar();
}

} // namespace

PanelLista::PanelLista(Sesion &sesion, DataSource *plan, QWidget *parent)
    : QWidget(parent),
      m_sesion(sesion),
      m_plan(plan)
{
    setObjectName(QStringLiteral("PanInd"));
    setAutoFillBackground(true);
    auto *ind = column(this, 2);
    PanNom = panel(this, "PanNom");
    auto *nom = row(PanNom, 2);
    LabNom = label(QStringLiteral("PinYin"), PanNom, "LabNom");
    CBIdioma = named(new ComboIdioma(PanNom), "CBIdioma");
    CBIdioma->addItems({QStringLiteral("PinYin"), QStringLiteral("Farmacéutico"), QStringLiteral("Científico"),
                        QStringLiteral("Español"), QStringLiteral("Inglés")});
    CBIdioma->setMaxVisibleItems(5);
    nom->addWidget(LabNom, 1);
    nom->addWidget(CBIdioma);
    ind->addWidget(PanNom);

    SelPlanForm =
        new GrupoOpciones(QStringLiteral("SelPlanForm"),
                          {QStringLiteral("Elementos"), QStringLiteral("Fórmulas"), QStringLiteral("Todo")}, this);
    SelPlanForm->setItemIndex(2);
    ind->addWidget(SelPlanForm);

    GrNom = lista(this, "GrNom");
    GrNom->setDataSource(plan);
    ind->addWidget(GrNom, 1);

    auto *busqueda = new QWidget(this);
    auto *bus = row(busqueda);
    LabBus = label(QString(), busqueda, "LabBus");
    BotBusSinon = button(QStringLiteral(">>>"), busqueda, "BotBusSinon");
    BotBusSinon->hide();
    bus->addWidget(LabBus, 1);
    bus->addWidget(BotBusSinon);
    ind->addWidget(busqueda);

    auto *cantidad = new QWidget(this);
    auto *cant = row(cantidad);
    LabCant = label(QString(), cantidad, "LabCant");
    VerTodo = button(QStringLiteral("Ver Todo"), cantidad, "VerTodo");
    cant->addWidget(LabCant, 1);
    cant->addWidget(VerTodo);
    LabCant->hide();
    VerTodo->setVisible(false);
    ind->addWidget(cantidad);

    connect(CBIdioma, &QComboBox::activated, this, manejador([this] { CBIdiomaChange(); }));
    connect(CBIdioma, &ComboIdioma::desplegado, this, manejador([this] { CBIdiomaDropDown(); }));
    connect(CBIdioma, &ComboIdioma::plegado, this, manejador([this] { CBIdiomaCloseUp(); }));
    connect(SelPlanForm, &GrupoOpciones::clicked, this, manejador([this] { SelPlanFormClick(); }));
    connect(SelPlanForm, &GrupoOpciones::itemIndexChanged, this, manejador([this](int t) { emit tipoCambiado(t); }));
    connect(BotBusSinon, &QPushButton::clicked, this, manejador([this] { BotBusSinonClick(); }));
    connect(GrNom, &QAbstractItemView::clicked, this, manejador([this] { GrNomCellClick(); }));
    GrNom->installEventFilter(this);
}

QList<QWidget *> PanelLista::construirLineasClase(QWidget *parent)
{
    const auto barraClase = [&](const char *panelName, const char *buttonName, const QString &text,
                                const char *textName, const QString &field) {
        QWidget *p = panel(parent, panelName);
        auto *l = row(p, 1);
        QPushButton *b = button(text, p, buttonName);
        b->setFixedWidth(60);
        auto *dbText = named(new DBText(p), textName);
        dbText->setDataSource(m_plan);
        dbText->setDataField(field);
        l->addWidget(b);
        l->addWidget(dbText, 1);
        return std::pair{p, std::pair{b, dbText}};
    };
    auto clase = barraClase("PanClase", "BotClase", QStringLiteral("Clase"), "DBText1", QStringLiteral("Clase"));
    PanClase = clase.first;
    BotClase = clase.second.first;
    DBText1 = clase.second.second;
    auto sub = barraClase("PanSubClase", "BotSubClase", QStringLiteral("SubCl"), "DBText2", QStringLiteral("SubClase"));
    PanSubClase = sub.first;
    BotSubClase = sub.second.first;
    DBText2 = sub.second.second;
    connect(BotClase, &QPushButton::clicked, this, manejador([this] { BotClaseClick(); }));
    connect(BotSubClase, &QPushButton::clicked, this, manejador([this] { BotSubClaseClick(); }));
    return {PanClase, PanSubClase};
}

bool PanelLista::eventFilter(QObject *watched, QEvent *event)
{
    if (watched == GrNom && event->type() == QEvent::FocusOut)
        PoliticaErrores::ejecutar([this] { GrNomExit(); });
    return QWidget::eventFilter(watched, event);
}

// ---- the name language --------------------------------------------------------------

void PanelLista::CBIdiomaChange()
{
    const int item = std::max(0, CBIdioma->currentIndex());
    const QString campo = item == 0 ? QStringLiteral("PinYin") : QStringLiteral("Nom%1").arg(item - 1);
    m_dm->UsarIndice(m_dm->TPlan, campo);
    GrNom->setColumns({{campo}});
    GrNom->setFocus();
    LabNom->setText(CBIdioma->itemText(item));
    emit disposicionCambiada();
}

void PanelLista::CBIdiomaDropDown()
{
    m_anchoIdioma = CBIdioma->width();
    CBIdioma->setFixedWidth(m_anchoIdioma + 110); // grows to the left: it sits at the right of PanNom
    PanNom->update();
}

void PanelLista::CBIdiomaCloseUp()
{
    if (m_anchoIdioma > 0)
        CBIdioma->setFixedWidth(m_anchoIdioma);
    PanNom->update();
}

// ---- typed search ------------------------------------------------------------------

bool PanelLista::GrNomKeyDown(QKeyEvent *event)
{
    const int key = event->key();
    QString texto = LabBus->text();
    switch (key) {
    case Qt::Key_Shift:
    case Qt::Key_Control:
    case Qt::Key_Alt:
    case Qt::Key_Pause:
    case Qt::Key_CapsLock: return false;
    case Qt::Key_Backspace: texto.chop(1); break;
    case Qt::Key_Return:
    case Qt::Key_Enter:
        if (BotBusSinon->isVisible()) { // the default button while it shows
            BotBusSinonClick();
            return true;
        }
        limpiarBusqueda();
        return false;
    case Qt::Key_Insert:
        if (m_sesion.editando())
            m_dm->TPlan.append();
        return true;
    case Qt::Key_Delete:
        if (event->modifiers() & Qt::ControlModifier) {
            if (m_sesion.editando() && !m_dm->TPlan.isEmpty() && Mensajes::confirmar(QStringLiteral("Delete record?")))
                m_dm->TPlan.remove();
            return true;
        }
        limpiarBusqueda();
        return false;
    default:
        if (const QChar letra = key == Qt::Key_Space ? QChar(u' ') : letraDeTecla(key); !letra.isNull()) {
            LabBus->show();
            texto += letra;
            break;
        }
        limpiarBusqueda();
        return false; // the key keeps its usual effect in the list (the grid searches no shown text)
    }
    LabBus->setText(texto);
    buscarTecleado();
    return true;
}

void PanelLista::buscarTecleado()
{
    const QString texto = LabBus->text();
    try {
        Cursor sinonimos(m_dm->database(), QStringLiteral("Sinonimos"));
        sinonimos.open();
        const bool encontrado = sinonimos.locate({QStringLiteral("Sinon")}, {texto}, Cursor::CaseInsensitive);
        BotBusSinon->setVisible(encontrado);
        m_plantaSinonimo = sinonimos.asInt(u"KPlanta");
        m_dm->TPlan.findNearest({texto});
    } catch (const DbError &) {
        QApplication::beep();
        limpiarBusqueda();
    }
}

void PanelLista::limpiarBusqueda()
{
    LabBus->clear();
    LabBus->hide();
    BotBusSinon->hide();
}

void PanelLista::GrNomExit()
{
    if (!BotBusSinon->isVisible())
        limpiarBusqueda(); // with the button showing, the text stays so it can be clicked
}

void PanelLista::GrNomCellClick() { limpiarBusqueda(); }

void PanelLista::BotBusSinonClick()
{
    const QString tecleado = LabBus->text();
    Cursor &plan = m_dm->TPlan;
    ignorarErrores([&] { plan.locate({QStringLiteral("Clave")}, {m_plantaSinonimo}); });
    Mensajes::informar(QStringLiteral("%1 = %2").arg(tecleado, mayusculasAscii(plan.asString(u"PinYin"))));
    limpiarBusqueda();
}

// ---- kind and class criteria -----------------------------------------------------------

int PanelLista::tipo() const { return SelPlanForm->itemIndex(); }

void PanelLista::SelPlanFormClick()
{
    if (!m_dm->guardarLoEscrito())
        return; // the list stays on the record whose typing is not stored yet
    const Cursor::Bookmark actual = m_dm->TPlan.bookmark();
    emit filtroPedido();
    ignorarErrores([&] { m_dm->TPlan.gotoBookmark(actual); });
    GrNom->setFocus();
}

QString PanelLista::expresionFiltro() const
{
    const int kind = tipo();
    const QString parteTipo = kind == 0   ? QStringLiteral("EsFormula=False")
                              : kind == 1 ? QStringLiteral("EsFormula=True")
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
    return expresion;
}

void PanelLista::mostrarCuenta(bool enVigor, const QString &texto)
{
    LabCant->setVisible(enVigor);
    VerTodo->setVisible(enVigor);
    if (enVigor)
        LabCant->setText(texto);
}

void PanelLista::filtrarPorClase(int clase, int subClase)
{
    m_claveClase = clase;
    m_claveSubClase = subClase;
    emit filtroPedido();
}

void PanelLista::BotClaseClick()
{
    GrNom->setFocus();
    Cursor &plan = m_dm->TPlan;
    int clave = plan.asInt(u"KClase");
    if (!m_selClase || !m_selClase->elegir(0, clave)) {
        filtrarPorClase(0, 0);
        return;
    }
    if (m_sesion.editando()) {
        plan.edit();
        plan.setValue(u"KClase", clave);
        plan.setValue(u"KSubClase", QVariant());
        m_dm->guardarLoEscrito();
        return;
    }
    if (clave == 0)
        return;
    filtrarPorClase(clave, clave == m_claveClase ? m_claveSubClase : 0);
}

void PanelLista::BotSubClaseClick()
{
    GrNom->setFocus();
    if (m_claveClase == 0) {
        Mensajes::informar(m_dm->mensaje(20));
        return;
    }
    Cursor &plan = m_dm->TPlan;
    int clave = plan.asInt(u"KSubClase");
    if (!m_selClase || !m_selClase->elegir(plan.asInt(u"KClase"), clave)) {
        filtrarPorClase(m_claveClase, 0);
        return;
    }
    if (m_sesion.editando()) {
        plan.edit();
        plan.setValue(u"KSubClase", clave);
        m_dm->guardarLoEscrito();
        return;
    }
    filtrarPorClase(m_claveClase, clave);
}

// ---- the window's routines ---------------------------------------------------------------

void PanelLista::TextosIngles()
{
    CBIdioma->clear();
    CBIdioma->addItems({QStringLiteral("PinYin"), QStringLiteral("Pharmaceutical"), QStringLiteral("Scientific"),
                        QStringLiteral("Spanish"), QStringLiteral("English")});
    SelPlanForm->setItems({QStringLiteral("Elements"), QStringLiteral("Formulas"), QStringLiteral("All")});
}

void PanelLista::aplicarColores(const EsquemaColores &colores)
{
    colorear(PanNom, colores.base);
    colorear(PanClase, colores.cabecera);
    colorear(PanSubClase, colores.cabecera);
    colorear(GrNom, colores.claro);
}

void PanelLista::aplicarLetra(int letra)
{
    QFont f = GrNom->font();
    f.setPointSize(letra);
    GrNom->setFont(f);
    GrNom->verticalHeader()->setDefaultSectionSize(QFontMetrics(GrNom->font()).height() + 4);
}

void PanelLista::ajustarColumnas() { yb::ajustarColumna(GrNom); }

} // namespace yb
