#include "browser/PanelPaginas.h"

#include "browser/Colores.h"
#include "browser/Piezas.h"
#include "dbwidgets/DBGrid.h"
#include "dialogs/PoliticaErrores.h"
#include "dialogs/Sesion.h"

#include <QHBoxLayout>
#include <QHeaderView>
#include <QLabel>
#include <QPushButton>
#include <QTabWidget>
#include <QVBoxLayout>

namespace yb {
using namespace piezas;

PanelPaginas::PanelPaginas(Sesion &sesion, const Fuentes &fuentes, QWidget *parent) : QWidget(parent), m_sesion(sesion)
{
    setObjectName(QStringLiteral("PanFic"));
    setAutoFillBackground(true);
    auto *fic = column(this);
    Ficha = named(new QTabWidget(this), "Ficha");
    struct Pagina {
        const char *page, *header, *grid, *button;
        QString title, buttonText;
        int tag;
        DataSource *source;
        QList<DBGrid::Column> columns;
    };
    const QList<Pagina> paginas{
        {"PagAcc",
         "Label7",
         "GrAcc",
         "DiagnosticarAcc",
         QStringLiteral("Acciones Terapéuticas"),
         QStringLiteral("Diagnosticar"),
         1,
         fuentes.acc,
         {{QStringLiteral("Uso")}}},
        {"PagSint",
         "Label27",
         "GrSint",
         "DiagnosticarInd",
         QStringLiteral("Indicaciones"),
         QStringLiteral("Diagnosticar"),
         2,
         fuentes.sint,
         {{QStringLiteral("Sint")}}},
        {"PagComp",
         "Label25",
         "GrComp",
         nullptr,
         QStringLiteral("Componentes"),
         QString(),
         5,
         fuentes.comp,
         {{QStringLiteral("Comp")}}},
        {"PagFormPl",
         "Label23",
         "GrFormPl",
         "MostrarFor",
         QStringLiteral("Fórmulas"),
         QStringLiteral("Mostrar"),
         6,
         fuentes.formPl,
         {{QStringLiteral("Formula")}, {QStringLiteral("Porcentaje"), {}, QStringLiteral("0.0 %"), 60}}},
        {"PagPlForm",
         "Label9",
         "GrPlForm",
         "MostrarIng",
         QStringLiteral("Componentes de la Fórmula"),
         QStringLiteral("Mostrar"),
         7,
         fuentes.plForm,
         {{QStringLiteral("Planta")}, {QStringLiteral("Porcentaje"), {}, QStringLiteral("0.0 %"), 60}}},
    };
    QList<QWidget *> pages;
    QList<DBGrid *> grids;
    QList<QPushButton *> buttons;
    for (const Pagina &p : paginas) {
        QWidget *page = panel(Ficha, p.page);
        page->setProperty("Tag", p.tag);
        auto *l = column(page, 2);
        auto *cab = new QWidget(page);
        auto *c = row(cab);
        c->addWidget(label(p.title, cab, p.header), 1);
        QPushButton *b = p.button ? button(p.buttonText, cab, p.button) : nullptr;
        if (b)
            c->addWidget(b);
        l->addWidget(cab);
        DBGrid *grid = lista(page, p.grid);
        grid->setDataSource(p.source);
        grid->setColumns(p.columns);
        l->addWidget(grid, 1);
        Ficha->addTab(page, QString());
        pages << page;
        grids << grid;
        buttons << b;
    }
    PagAcc = pages[0];
    PagSint = pages[1];
    PagComp = pages[2];
    PagFormPl = pages[3];
    PagPlForm = pages[4];
    GrAcc = grids[0];
    GrSint = grids[1];
    GrComp = grids[2];
    GrFormPl = grids[3];
    GrPlForm = grids[4];
    DiagnosticarAcc = buttons[0];
    DiagnosticarInd = buttons[1];
    MostrarFor = buttons[3];
    MostrarIng = buttons[4];
    MostrarFor->hide();
    MostrarIng->hide();
    Ficha->setTabVisible(Ficha->indexOf(PagComp), false); // pages of other tags are never shown
    fic->addWidget(Ficha, 1);

    PanBotSint = panel(this, "PanBotSint");
    auto *bot = row(PanBotSint, 2);
    const QList<QPushButton *> b = botones(PanBotSint, bot,
                                           {{"Agregar", QStringLiteral("Agregar")},
                                            {"Cambiar", QStringLiteral("Cambiar")},
                                            {"Quitar", QStringLiteral("Quitar")},
                                            {"Porcentaje", QStringLiteral("Porcentaje")}});
    Agregar = b[0];
    Cambiar = b[1];
    Quitar = b[2];
    Porcentaje = b[3];
    Agregar->setProperty("Tag", 2);
    Cambiar->setProperty("Tag", 1);
    Quitar->setProperty("Tag", 3);
    bot->addStretch(1);
    PanBotSint->hide();
    fic->addWidget(PanBotSint);
    connect(Ficha, &QTabWidget::currentChanged, this, manejador([this] { FichaChange(); }));
}

void PanelPaginas::rotular(const QString &acc, const QString &sint, const QString &formulas, bool esFormula)
{
    Ficha->setTabText(Ficha->indexOf(PagAcc), acc);
    Ficha->setTabText(Ficha->indexOf(PagSint), sint);
    Ficha->setTabText(Ficha->indexOf(esFormula ? PagPlForm : PagFormPl), formulas);
}

void PanelPaginas::cambiarPaginaFormula(bool esFormula)
{
    if (Ficha->currentWidget() == PagFormPl && esFormula)
        Ficha->setCurrentWidget(PagPlForm);
    else if (Ficha->currentWidget() == PagPlForm && !esFormula)
        Ficha->setCurrentWidget(PagFormPl);
    Ficha->setTabVisible(Ficha->indexOf(PagPlForm), esFormula);
    Ficha->setTabVisible(Ficha->indexOf(PagFormPl), !esFormula);
}

void PanelPaginas::mostrarPrimera() { Ficha->setCurrentWidget(PagAcc); }

void PanelPaginas::FichaChange()
{
    const bool on = m_sesion.editando();
    PanBotSint->setVisible(on && Ficha->currentWidget() != PagFormPl);
    Porcentaje->setVisible(on && Ficha->currentWidget() == PagPlForm);
    emit disposicionCambiada();
}

void PanelPaginas::mostrarEdicion(bool editando) { PanBotSint->setVisible(editando); }

void PanelPaginas::TextosIngles()
{
    GrAcc->setColumns({{QStringLiteral("UsoIng")}});
    GrSint->setColumns({{QStringLiteral("SintIng")}});
}

void PanelPaginas::aplicarColores(const EsquemaColores &colores)
{
    colorear(PanBotSint, colores.base);
    for (DBGrid *g : {GrAcc, GrSint, GrComp, GrFormPl, GrPlForm})
        colorear(g, colores.claro);
}

void PanelPaginas::aplicarLetra(int letra)
{
    for (DBGrid *g : {GrAcc, GrSint, GrFormPl, GrPlForm}) {
        QFont f = g->font();
        f.setPointSize(letra);
        g->setFont(f);
        g->verticalHeader()->setDefaultSectionSize(QFontMetrics(g->font()).height() + 4);
    }
}

void PanelPaginas::ajustarColumnas()
{
    for (DBGrid *g : {GrAcc, GrSint, GrComp, GrFormPl, GrPlForm})
        ajustarColumna(g);
}

} // namespace yb
