// The monograph text panel: which text each tab shows, and the marks of the
// full-text search's terms over it.
#include "browser/Plantas.h"
#include "browser/ResaltadorBusqueda.h"
#include "dbwidgets/DBRichEdit.h"
#include "dbwidgets/DataSource.h"
#include "dialogs/Sesion.h"
#include "search/Buscar.h"
#include "search/TextMatch.h"

#include <QLabel>
#include <QTabBar>

namespace yb {

QString TFPlantas::campoDeTexto(int tab, bool ingles)
{
    static const char *const campos[] = {"Descripcion", "Floracion", "Administracion", "Memo", "Aplicacion"};
    if (tab < 0 || tab > 4)
        return {};
    QString campo = QLatin1String(campos[tab]);
    if (ingles && tab != 3) // the notes have one text in both languages
        campo += QStringLiteral("Ing");
    return campo;
}

void TFPlantas::TabMemoChange()
{
    if (m_dm)
        m_dm->guardarLoEscrito(); // a failure is reported; the text stays in its record, on its tab
    if (TabMemo->currentIndex() < 0 && TabMemo->count() > 0)
        TabMemo->setCurrentIndex(0);
    const int tab = TabMemo->currentIndex();
    Memo->setDataSource(nullptr);
    Memo->setDataField(campoDeTexto(tab, m_sesion.ingles()));
    Memo->setDataSource(tab == 3 ? SNotas : SPlan);
    if (m_dm)
        m_dm->TPlanAfterScroll();
    LabMemo->setText(TabMemo->tabText(tab));
}

void TFPlantas::MemoChange()
{
    const QStringList terminos = m_filtroBusqueda && buscar() ? buscar()->terminos() : QStringList();
    if (terminos == m_terminosMarcados)
        return;
    m_terminosMarcados = terminos;
    Memo->setMarcador(marcadorDeBusqueda(terminos));
}

} // namespace yb
