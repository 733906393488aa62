// The monograph text panel: which text each tab shows, and the marks of the
// full-text search's terms over it.
#include "browser/PanelTextos.h"

#include "browser/Colores.h"
#include "browser/Piezas.h"
#include "browser/ResaltadorBusqueda.h"
#include "data/DataModule.h"
#include "dbwidgets/DBRichEdit.h"
#include "dbwidgets/DataSource.h"
#include "dialogs/PoliticaErrores.h"
#include "dialogs/Sesion.h"

#include <QLabel>
#include <QPushButton>
#include <QTabBar>
#include <QVBoxLayout>

namespace yb {
using namespace piezas;

PanelTextos::PanelTextos(Sesion &sesion, DataSource *plan, DataSource *notas, QWidget *parent)
    : QWidget(parent),
      m_sesion(sesion),
      m_plan(plan),
      m_notas(notas)
{
    setObjectName(QStringLiteral("PanMemo"));
    setAutoFillBackground(true);
    auto *memo = column(this);
    const BarraTitulo titulo =
        barraTitulo(this, "Panel4", QStringLiteral("Descripción"), "LabMemo", QStringLiteral("Buscar"), "Buscar");
    LabMemo = titulo.titulo;
    Buscar = titulo.boton;
    memo->addWidget(titulo.barra);
    TabMemo = named(new QTabBar(this), "TabMemo");
    for (const char *tab : {"Descripción", "Advertencias", "Botica", "Notas", "Aplicación"})
        TabMemo->addTab(QString::fromUtf8(tab));
    memo->addWidget(TabMemo);
    Memo = named(new DBRichEdit(this), "Memo");
    Memo->setVerticalScrollBarPolicy(Qt::ScrollBarAlwaysOn);
    memo->addWidget(Memo, 1);
    connect(TabMemo, &QTabBar::currentChanged, this, manejador([this] {
                if (m_siguePestanas)
                    TabMemoChange();
            }));
}

void PanelTextos::agregarAlPie(QWidget *linea) { layout()->addWidget(linea); }

QString PanelTextos::campoDeTexto(int tab, bool ingles)
{
    static const char *const campos[] = {"Descripcion", "Floracion", "Administracion", "Memo", "Aplicacion"};
    if (tab < 0 || tab > 4)
        return {};
    QString campo = QLatin1String(campos[tab]);
    if (ingles && tab != 3) // the notes have one text in both languages
        campo += QStringLiteral("Ing");
    return campo;
}

void PanelTextos::TabMemoChange()
{
    if (m_dm)
        m_dm->guardarLoEscrito(); // a failure is reported; the text stays in its record, on its tab
    if (TabMemo->currentIndex() < 0 && TabMemo->count() > 0)
        TabMemo->setCurrentIndex(0);
    const int tab = TabMemo->currentIndex();
    Memo->setDataSource(nullptr);
    Memo->setDataField(campoDeTexto(tab, m_sesion.ingles()));
    Memo->setDataSource(tab == 3 ? m_notas : m_plan);
    if (m_dm)
        m_dm->TPlanAfterScroll();
    LabMemo->setText(TabMemo->tabText(tab));
}

void PanelTextos::marcar(const QStringList &terminos)
{
    if (terminos == m_terminosMarcados)
        return;
    m_terminosMarcados = terminos;
    Memo->setMarcador(marcadorDeBusqueda(terminos));
}

void PanelTextos::ModoLector()
{
    if (TabMemo->count() == 5)
        TabMemo->removeTab(4);
}

void PanelTextos::TextosIngles()
{
    const int tab = TabMemo->currentIndex();
    while (TabMemo->count() > 0)
        TabMemo->removeTab(0);
    for (const QString &t : QStringLiteral("Description,Warnings,Drugstore,Notes").split(u','))
        TabMemo->addTab(t);
    TabMemo->setCurrentIndex(std::clamp(tab, 0, TabMemo->count() - 1));
    LabMemo->setText(TabMemo->tabText(TabMemo->currentIndex()));
}

void PanelTextos::aplicarColores(const EsquemaColores &colores)
{
    colorear(findChild<QWidget *>(QStringLiteral("Panel4")), colores.cabecera);
    colorear(Memo, colores.claro);
}

void PanelTextos::aplicarLetra(int letra)
{
    QFont f = Memo->font();
    f.setPointSize(letra);
    Memo->setFont(f);
}

int PanelTextos::letraMostrada() const { return Memo->font().pointSize(); }

} // namespace yb
