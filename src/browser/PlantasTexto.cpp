// The monograph text panel: which text each tab shows, and the marks of the
// full-text search's terms over it.
#include "browser/Plantas.h"
#include "dbwidgets/DBRichEdit.h"
#include "dbwidgets/DataSource.h"
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
    if (m_dm) {
        ignorarErrores([&] { m_dm->TPlan.post(); });
        ignorarErrores([&] { m_dm->TNotas.post(); });
    }
    if (TabMemo->currentIndex() < 0 && TabMemo->count() > 0)
        TabMemo->setCurrentIndex(0);
    const int tab = TabMemo->currentIndex();
    Memo->setDataSource(nullptr);
    Memo->setDataField(campoDeTexto(tab, m_ajustes.ingles));
    Memo->setDataSource(tab == 3 ? SNotas : SPlan);
    if (m_dm)
        m_dm->TPlanAfterScroll();
    LabMemo->setText(TabMemo->tabText(tab));
}

void TFPlantas::MemoChange()
{
    if (!m_filtroBusqueda || !terminosBusqueda) {
        Memo->setMarcas({});
        return;
    }
    QTextCharFormat marca;
    marca.setFontWeight(QFont::Bold);
    marca.setFontUnderline(true);
    QList<QTextEdit::ExtraSelection> marcas;
    const QString plegado = Texto::plegar(Memo->document()->toPlainText());
    for (const auto &[en, largo] : Texto::ocurrencias(terminosBusqueda(), plegado)) {
        QTextCursor c(Memo->document());
        c.setPosition(int(en));
        c.setPosition(int(en + largo), QTextCursor::KeepAnchor);
        marcas.append({c, marca});
    }
    Memo->setMarcas(marcas); // display only: the stored text never sees them
}

} // namespace yb
