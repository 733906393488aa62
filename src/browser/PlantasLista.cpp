// The name list: typed search, synonym jump, kind, class criteria, showing
// everything again, deleting and adding records from the list, the language
// choice's list, and the read-only name boxes.
#include "browser/Calco.h"
#include "browser/ComboIdioma.h"
#include "browser/GrupoOpciones.h"
#include "browser/Plantas.h"
#include "browser/SelClase.h"
#include "search/Buscar.h"
#include "dbwidgets/DBControls.h"
#include "dbwidgets/DBGrid.h"
#include "dialogs/Mensajes.h"

#include <QApplication>
#include <QKeyEvent>
#include <QLabel>
#include <QPushButton>

namespace yb {
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




// ---- typed search ------------------------------------------------------------------

bool TFPlantas::GrNomKeyDown(QKeyEvent *event)
{
    const int key = event->key();
    QString texto = LabBus->text();
    switch (key) {
    case Qt::Key_Shift:
    case Qt::Key_Control:
    case Qt::Key_Alt:
    case Qt::Key_Pause:
    case Qt::Key_CapsLock:
        return false;
    case Qt::Key_Backspace:
        texto.chop(1);
        break;
    case Qt::Key_Return:
    case Qt::Key_Enter:
        if (BotBusSinon->isVisible()) { // the default button while it shows
            BotBusSinonClick();
            return true;
        }
        limpiarBusqueda();
        return false;
    case Qt::Key_Insert:
        if (editando())
            m_dm->TPlan.append();
        return true;
    case Qt::Key_Delete:
        if (event->modifiers() & Qt::ControlModifier) {
            if (editando() && !m_dm->TPlan.isEmpty() && Mensajes::confirmar(QStringLiteral("Delete record?")))
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

void TFPlantas::buscarTecleado()
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

void TFPlantas::limpiarBusqueda()
{
    LabBus->clear();
    LabBus->hide();
    BotBusSinon->hide();
}

void TFPlantas::GrNomExit()
{
    if (!BotBusSinon->isVisible())
        limpiarBusqueda(); // with the button showing, the text stays so it can be clicked
}

void TFPlantas::GrNomCellClick() { limpiarBusqueda(); }

void TFPlantas::BotBusSinonClick()
{
    const QString tecleado = LabBus->text();
    Cursor &plan = m_dm->TPlan;
    ignorarErrores([&] { plan.locate({QStringLiteral("Clave")}, {m_plantaSinonimo}); });
    Mensajes::informar(QStringLiteral("%1 = %2").arg(tecleado, mayusculasAscii(plan.asString(u"PinYin"))));
    limpiarBusqueda();
}

// ---- kind, class criteria, show all --------------------------------------------------

void TFPlantas::SelPlanFormClick()
{
    if (!m_dm->guardarLoEscrito())
        return; // the list stays on the record whose typing is not stored yet
    const Cursor::Bookmark actual = m_dm->TPlan.bookmark();
    ComponerFiltro();
    ignorarErrores([&] { m_dm->TPlan.gotoBookmark(actual); });
    GrNom->setFocus();
}

void TFPlantas::VerTodoClick()
{
    LabCant->hide();
    m_filtroBusqueda = false;
    m_filtroPropiedades = false;
    m_claveClase = 0;
    m_claveSubClase = 0;
    ComponerFiltro();
}

void TFPlantas::BotClaseClick()
{
    GrNom->setFocus();
    TFSelClase *picker = selClase();
    Cursor &plan = m_dm->TPlan;
    int clave = plan.asInt(u"KClase");
    if (!picker || !picker->elegir(0, clave)) {
        filtrarPorClase(0, 0);
        return;
    }
    if (editando()) {
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

void TFPlantas::filtrarPorClase(int clase, int subClase)
{
    m_claveClase = clase;
    m_claveSubClase = subClase;
    ComponerFiltro();
}

void TFPlantas::BotSubClaseClick()
{
    GrNom->setFocus();
    if (m_claveClase == 0) {
        Mensajes::informar(m_dm->mensaje(20));
        return;
    }
    TFSelClase *picker = selClase();
    Cursor &plan = m_dm->TPlan;
    int clave = plan.asInt(u"KSubClase");
    if (!picker || !picker->elegir(plan.asInt(u"KClase"), clave)) {
        filtrarPorClase(m_claveClase, 0);
        return;
    }
    if (editando()) {
        plan.edit();
        plan.setValue(u"KSubClase", clave);
        m_dm->guardarLoEscrito();
        return;
    }
    filtrarPorClase(m_claveClase, clave);
}

// The full-text search: its window fills the search-hit set; the list shows
// only the hits while the search filter is on, which OK turns on and Cancel off.
void TFPlantas::BuscarClick()
{
    TFBuscar *ventanaBusqueda = buscar();
    if (!ventanaBusqueda || !m_dm->guardarLoEscrito())
        return; // a search would leave the record whose typing is not stored yet
    m_filtroBusqueda = ventanaBusqueda->ejecutar();
    ComponerFiltro();
    GrNom->setFocus();
}

QList<QWidget *> TFPlantas::PintarCalco() const
{
    QList<QWidget *> paneles;
    if (m_claveClase != 0)
        paneles << PanClase;
    if (m_claveSubClase != 0)
        paneles << PanSubClase;
    if (m_filtroBusqueda)
        paneles << PanMemo;
    if (m_filtroPropiedades)
        paneles << PanProp;
    paneles << PanInd;
    return paneles;
}

// ---- the language choice's list -------------------------------------------------------

void TFPlantas::CBIdiomaDropDown()
{
    m_anchoIdioma = CBIdioma->width();
    CBIdioma->setFixedWidth(m_anchoIdioma + 110); // grows to the left: it sits at the right of PanNom
    PanNom->update();
}

void TFPlantas::CBIdiomaCloseUp()
{
    if (m_anchoIdioma > 0)
        CBIdioma->setFixedWidth(m_anchoIdioma);
    PanNom->update();
}

// ---- read-only boxes --------------------------------------------------------------------

// Over a name or property box the hint shows its whole text; while editing is
// off such a box gives the focus back to where it was.
bool TFPlantas::campoSoloLectura(QObject *watched, QEvent *event)
{
    auto *box = qobject_cast<QWidget *>(watched);
    if (event->type() == QEvent::MouseMove || event->type() == QEvent::Enter) {
        if (auto *edit = qobject_cast<DBEdit *>(box))
            edit->setToolTip(edit->text());
        else if (auto *text = qobject_cast<DBText *>(box))
            text->setToolTip(text->text());
        if (QWidget *foco = QApplication::focusWidget(); foco && foco != box)
            m_focoRecordado = foco;
        return false;
    }
    if (event->type() == QEvent::FocusIn && !editando() && qobject_cast<DBEdit *>(box)) {
        QWidget *destino = m_focoRecordado ? m_focoRecordado.data() : static_cast<QWidget *>(GrNom);
        if (destino != box)
            destino->setFocus();
    }
    return false;
}

} // namespace yb
