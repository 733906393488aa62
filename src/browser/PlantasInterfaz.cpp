// The main window's controls: built once, named as the rest of the program names them.
#include "browser/ComboIdioma.h"
#include "browser/EscalaPropiedad.h"
#include "browser/GrupoOpciones.h"
#include "browser/Imagenes.h"
#include "browser/Plantas.h"
#include "dbwidgets/DBControls.h"
#include "dbwidgets/DBGrid.h"
#include "dbwidgets/DBRichEdit.h"

#include <QComboBox>
#include <QFrame>
#include <QHBoxLayout>
#include <QHeaderView>
#include <QLabel>
#include <QPushButton>
#include <QScrollArea>
#include <QSplitter>
#include <QStackedLayout>
#include <QStackedWidget>
#include <QTabBar>
#include <QTabWidget>
#include <QToolButton>
#include <QVBoxLayout>

namespace yb {
namespace {

template <typename W>
W *named(W *widget, const char *name)
{
    widget->setObjectName(QLatin1String(name));
    return widget;
}

QWidget *panel(QWidget *parent, const char *name)
{
    auto *w = named(new QWidget(parent), name);
    w->setAutoFillBackground(true);
    return w;
}

QLabel *label(const QString &text, QWidget *parent, const char *name)
{
    return named(new QLabel(text, parent), name);
}

QPushButton *button(const QString &text, QWidget *parent, const char *name)
{
    return named(new QPushButton(text, parent), name);
}

QVBoxLayout *column(QWidget *w, int margin = 0)
{
    auto *l = new QVBoxLayout(w);
    l->setContentsMargins(margin, margin, margin, margin);
    l->setSpacing(0);
    return l;
}

QHBoxLayout *row(QWidget *w, int margin = 0)
{
    auto *l = new QHBoxLayout(w);
    l->setContentsMargins(margin, margin, margin, margin);
    l->setSpacing(2);
    return l;
}

// A title bar: a heading that takes the width and a button at its right.
struct BarraTitulo {
    QWidget *barra;
    QLabel *titulo;
    QPushButton *boton;
};

BarraTitulo barraTitulo(QWidget *parent, const char *name, const QString &text, const char *labelName,
                        const QString &buttonText, const char *buttonName)
{
    QWidget *barra = panel(parent, name);
    auto *l = row(barra, 2);
    QLabel *titulo = label(text, barra, labelName);
    QPushButton *boton = button(buttonText, barra, buttonName);
    l->addWidget(titulo, 1);
    l->addWidget(boton);
    return {barra, titulo, boton};
}

// A list grid as the main window uses them: no title row, whole rows, read-only.
DBGrid *lista(QWidget *parent, const char *name)
{
    auto *g = named(new DBGrid(parent), name);
    g->horizontalHeader()->hide();
    g->verticalHeader()->setDefaultSectionSize(g->fontMetrics().height() + 4);
    g->setReadOnly(true);
    g->setTabKeyNavigation(false); // Tab goes on to the next control, not to the next record
    return g;
}

} // namespace

void TFPlantas::construirInterfaz()
{
    auto *layout = column(this);
    Splitter5 = named(new QSplitter(Qt::Horizontal, this), "Splitter5");
    layout->addWidget(Splitter5, 1);
    Splitter5->addWidget(construirColumnaIzquierda());

    auto *derecha = new QWidget(Splitter5);
    auto *derechaLayout = column(derecha);
    Splitter7 = named(new QSplitter(Qt::Vertical, derecha), "Splitter7");
    derechaLayout->addWidget(Splitter7);
    Splitter5->addWidget(derecha);
    Splitter5->setStretchFactor(1, 1);

    Splitter2 = named(new QSplitter(Qt::Horizontal, Splitter7), "Splitter2");
    PanCen = panel(Splitter2, "PanCen");
    auto *cen = column(PanCen);
    cen->addWidget(construirNombres());
    cen->addWidget(construirFoto(), 1);
    Splitter2->addWidget(PanCen);
    Splitter2->addWidget(construirTexto());
    Splitter2->setStretchFactor(1, 1);
    Splitter7->addWidget(Splitter2);
    Splitter7->addWidget(construirPaginas());
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
    layout->addWidget(construirBarraInferior());
}

QWidget *TFPlantas::construirColumnaIzquierda()
{
    PanIzq = panel(Splitter5, "PanIzq");
    auto *izq = column(PanIzq);

    PanInd = panel(PanIzq, "PanInd");
    auto *ind = column(PanInd, 2);
    PanNom = panel(PanInd, "PanNom");
    auto *nom = row(PanNom, 2);
    LabNom = label(QStringLiteral("PinYin"), PanNom, "LabNom");
    CBIdioma = named(new ComboIdioma(PanNom), "CBIdioma");
    CBIdioma->addItems({QStringLiteral("PinYin"), QStringLiteral("Farmacéutico"), QStringLiteral("Científico"),
                        QStringLiteral("Español"), QStringLiteral("Inglés")});
    CBIdioma->setMaxVisibleItems(5);
    nom->addWidget(LabNom, 1);
    nom->addWidget(CBIdioma);
    ind->addWidget(PanNom);

    SelPlanForm = new GrupoOpciones(QStringLiteral("SelPlanForm"),
                                    {QStringLiteral("Elementos"), QStringLiteral("Fórmulas"), QStringLiteral("Todo")},
                                    PanInd);
    SelPlanForm->setItemIndex(2);
    ind->addWidget(SelPlanForm);

    GrNom = lista(PanInd, "GrNom");
    GrNom->setDataSource(SPlan);
    ind->addWidget(GrNom, 1);

    auto *busqueda = new QWidget(PanInd);
    auto *bus = row(busqueda);
    LabBus = label(QString(), busqueda, "LabBus");
    BotBusSinon = button(QStringLiteral(">>>"), busqueda, "BotBusSinon");
    BotBusSinon->hide();
    bus->addWidget(LabBus, 1);
    bus->addWidget(BotBusSinon);
    ind->addWidget(busqueda);

    auto *cantidad = new QWidget(PanInd);
    auto *cant = row(cantidad);
    LabCant = label(QString(), cantidad, "LabCant");
    VerTodo = button(QStringLiteral("Ver Todo"), cantidad, "VerTodo");
    cant->addWidget(LabCant, 1);
    cant->addWidget(VerTodo);
    LabCant->hide();
    VerTodo->setVisible(false);
    ind->addWidget(cantidad);
    izq->addWidget(PanInd, 1);

    izq->addWidget(construirPropiedades());
    return PanIzq;
}

QWidget *TFPlantas::construirPropiedades()
{
    auto *caja = new QWidget(PanIzq);
    auto *cajaLayout = column(caja);
    const BarraTitulo propiedades = barraTitulo(caja, "Panel41", QStringLiteral("Propiedades"), "LabFic",
                                                QStringLiteral("Buscar"), "FiltrarProp");
    LabFic = propiedades.titulo;
    FiltrarProp = propiedades.boton;
    cajaLayout->addWidget(propiedades.barra);

    PanProp = panel(caja, "PanProp");
    PanProp->setMinimumHeight(190);
    using P = EscalaPropiedad::Posicion;
    PanCanales = new EscalaPropiedad(
        QStringLiteral("PanCanales"), 1, "Panel10", QStringLiteral("Canales"),
        {P{"Label48", "ProgressBar20", "Pu", "Pulmón"}, P{"Label49", "ProgressBar15", "BP", "Bazo"},
         P{"Label50", "ProgressBar16", "Co", "Corazón"}, P{"Label51", "ProgressBar17", "Ri", "Riñón"},
         P{"Label52", "ProgressBar18", "Pe", "Pericardio"}, P{"Label53", "ProgressBar19", "Hi", "Hígado"},
         P{"Label55", "ProgressBar27", "IG", "Intestino Grueso"}, P{"Label56", "ProgressBar22", "Es", "Estómago"},
         P{"Label57", "ProgressBar23", "ID", "Intestino Delgado"}, P{"Label58", "ProgressBar24", "Ve", "Vejiga"},
         P{"Label59", "ProgressBar25", "TC", "Triple Calentador"}, P{"Label60", "ProgressBar26", "VB", "Vesícula Biliar"}},
        PanProp);
    PanSabor = new EscalaPropiedad(
        QStringLiteral("PanSabor"), 2, "Panel35", QStringLiteral("Sabor"),
        {P{"Label26", "BarSabor1", "Agrio", {}}, P{"Label31", "BarSabor2", "Amargo", {}},
         P{"Label32", "BarSabor3", "Picante", {}}, P{"Label34", "BarSabor4", "Dulce", {}},
         P{"Label36", "BarSabor5", "Aromático", {}}, P{"Label38", "BarSabor6", "Astringente", {}},
         P{"Label39", "BarSabor7", "Salado", {}}, P{"Label40", "BarSabor8", "Insípido", {}}},
        PanProp);
    PanEnergia = new EscalaPropiedad(
        QStringLiteral("PanEnergia"), 3, "LabEnergia", QStringLiteral("Energía"),
        {P{"Label42", "BarEnergia1", "Neutral", {}}, P{"Label43", "BarEnergia2", "Tibia", {}},
         P{"Label44", "BarEnergia3", "Fresca", {}}, P{"Label45", "BarEnergia4", "Fría", {}},
         P{"Label46", "BarEnergia5", "Caliente", {}}},
        PanProp);
    cajaLayout->addWidget(PanProp);

    FicPropAut = named(new QStackedWidget(caja), "FicPropAut");
    // The first showing fixes its height once the mode has decided its rows; until then it
    // asks for none, so rows about to be hidden do not enlarge the stored window size.
    FicPropAut->setSizePolicy(FicPropAut->sizePolicy().horizontalPolicy(), QSizePolicy::Ignored);
    PagProps = panel(FicPropAut, "PagProps");
    auto *props = column(PagProps, 2);
    PanToxic = panel(PagProps, "PanToxic");
    auto *tox = row(PanToxic);
    ImTox = label(QString(), PanToxic, "ImTox");
    ImTox->setFixedSize(14, 14);
    ImTox->setFrameShape(QFrame::Box);
    LabTox = label(QString(), PanToxic, "LabTox");
    PanTox = panel(PanToxic, "PanTox");
    auto *celdas = row(PanTox);
    const auto celda = [&](const char *name, const QString &text, int tag, const QString &hint) {
        QLabel *c = label(text, PanTox, name);
        c->setProperty("Tag", tag);
        c->setToolTip(hint);
        c->setFixedSize(14, 14);
        c->setAlignment(Qt::AlignCenter);
        c->setFrameShape(QFrame::Box);
        celdas->addWidget(c);
        return c;
    };
    StaticText3 = celda("StaticText3", QString(), 0, QStringLiteral("No  tóxica"));
    StaticText4 = celda("StaticText4", QStringLiteral("?"), 1, QStringLiteral("Mínimamente tóxica"));
    StaticText2 = celda("StaticText2", QStringLiteral("!"), 2, QStringLiteral("Moderadamente tóxica"));
    StaticText1 = celda("StaticText1", QStringLiteral("X"), 3, QStringLiteral("Extremadamente tóxica"));
    StaticText5 = celda("StaticText5", QString(), -1, QString());
    tox->addWidget(ImTox);
    tox->addWidget(LabTox, 1);
    tox->addWidget(PanTox);
    PanTox->hide();
    props->addWidget(PanToxic);
    const auto fila = [&](const char *rowName, const char *labelName, const QString &text, const char *editName,
                          const QString &field) {
        QWidget *f = panel(PagProps, rowName);
        auto *l = row(f);
        l->addWidget(label(text, f, labelName));
        auto *edit = named(new DBEdit(f), editName);
        edit->setDataSource(SPlan);
        edit->setDataField(field);
        l->addWidget(edit, 1);
        props->addWidget(f);
        return edit;
    };
    DBEdit6 = fila("Panel5", "Label5", QStringLiteral("Especie: "), "DBEdit6", QStringLiteral("Especie"));
    DBEdit1 = fila("Panel7", "Label10", QStringLiteral("Familia: "), "DBEdit1", QStringLiteral("Familia"));
    DBEdit5 = fila("Panel15", "Label8", QStringLiteral("Util: "), "DBEdit5", QStringLiteral("Parte"));
    DBEdit3 = fila("PanHabitat", "Label6", QStringLiteral("Hábitat: "), "DBEdit3", QStringLiteral("Habitat"));
    PanHabitat = DBEdit3->parentWidget();
    props->addStretch(1);
    FicPropAut->addWidget(PagProps);

    PagAut = panel(FicPropAut, "PagAut");
    auto *aut = column(PagAut, 2);
    const auto linea = [&](const char *name, const QString &field) {
        auto *t = named(new DBText(PagAut), name);
        t->setDataSource(SFuentes);
        t->setDataField(field);
        aut->addWidget(t);
        return t;
    };
    DBText3 = linea("DBText3", QStringLiteral("Titulo"));
    DBText4 = linea("DBText4", QStringLiteral("Chino"));
    DBText5 = linea("DBText5", QStringLiteral("Autor"));
    DBText6 = linea("DBText6", QStringLiteral("Dinastia"));
    DBText7 = linea("DBText7", QStringLiteral("Clave"));
    aut->addStretch(1);
    FicPropAut->addWidget(PagAut);
    cajaLayout->addWidget(FicPropAut);
    LineaFin = named(new QFrame(caja), "LineaFin");
    LineaFin->setFrameShape(QFrame::HLine);
    cajaLayout->addWidget(LineaFin);
    return caja;
}

QWidget *TFPlantas::construirNombres()
{
    PanIdiomas = panel(PanCen, "PanIdiomas");
    PanIdiomas->setFixedHeight(127);
    auto *idiomas = column(PanIdiomas);
    const BarraTitulo titulo = barraTitulo(PanIdiomas, "Panel32", QStringLiteral("Idiomas"), "Label30",
                                           QStringLiteral("Sinónimos"), "Sinonimos");
    Panel32 = titulo.barra;
    Label30 = titulo.titulo;
    Sinonimos = titulo.boton;
    idiomas->addWidget(Panel32);
    // The panel keeps its height and the rows keep theirs: those below scroll into view.
    auto *recorte = new QScrollArea(PanIdiomas);
    recorte->setFrameShape(QFrame::NoFrame);
    recorte->setHorizontalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
    recorte->setVerticalScrollBarPolicy(Qt::ScrollBarAsNeeded);
    recorte->setWidgetResizable(true);
    auto *contenido = new QWidget(recorte);
    auto *filasLayout = column(contenido);
    recorte->setWidget(contenido);
    idiomas->addWidget(recorte, 1);

    // Rows of names: the PinYin row first, then Nom0 … Nom10 in this order.
    struct Fila {
        const char *row, *label, *edit;
        QString text;
    };
    const QList<Fila> filas{
        {"Panel3", "Label4", "EdPinYin", QStringLiteral("Pin Yin")},
        {"Panel11", "Label2", "Ed0", QStringLiteral("Farmac.")},
        {"Panel13", "Label11", "Ed1", QStringLiteral("Científico")},
        {"Panel14", "Label12", "Ed2", QStringLiteral("Español")},
        {"Panel17", "Label13", "Ed3", QStringLiteral("Inglés")},
        {"Panel18", "Label14", "Ed4", QStringLiteral("Francés")},
        {"Panel19", "Label15", "Ed5", QStringLiteral("Italiano")},
        {"Panel20", "Label16", "Ed6", QStringLiteral("Alemán")},
        {"Panel21", "Label17", "Ed7", QStringLiteral("Portugués")},
        {"Panel22", "Label18", "Ed8", QStringLiteral("Catalán")},
        {"Panel6", "Label19", "Ed9", QStringLiteral("Gallego")},
        {"Panel24", "Label21", "Ed10", QStringLiteral("Vasco")},
    };
    for (int i = 0; i < filas.size(); ++i) {
        QWidget *f = panel(contenido, filas[i].row);
        auto *l = row(f, 1);
        QLabel *etiqueta = label(filas[i].text, f, filas[i].label);
        etiqueta->setFixedWidth(62);
        auto *edit = named(new DBEdit(f), filas[i].edit);
        edit->setDataSource(SPlan);
        edit->setDataField(i == 0 ? QStringLiteral("PinYin") : QStringLiteral("Nom%1").arg(i - 1));
        l->addWidget(etiqueta);
        l->addWidget(edit, 1);
        filasLayout->addWidget(f);
        if (i == 0) {
            EdPinYin = edit;
        } else {
            Ed << edit;
            filasNombre << f;
        }
    }
    filasLayout->addStretch(1);
    return PanIdiomas;
}

QWidget *TFPlantas::construirFoto()
{
    PanFoto = panel(PanCen, "PanFoto");
    auto *foto = column(PanFoto);
    auto *area = new QWidget(PanFoto);
    auto *areaLayout = new QStackedLayout(area);
    areaLayout->setStackingMode(QStackedLayout::StackAll);
    Im = named(new DBImage(area), "Im");
    Im->setDataSource(SPlan);
    Im->setDataField(QStringLiteral("Foto1"));
    Im->setToolTip(QStringLiteral("Foto Nº1"));
    Im->setAlignment(Qt::AlignCenter);
    PanFito = panel(area, "PanFito");
    ImFito = label(QString(), PanFito, "ImFito");
    ImFito->setPixmap(imagenHierba());
    ImFito->setAlignment(Qt::AlignCenter);
    column(PanFito)->addWidget(ImFito);
    PanMort = panel(area, "PanMort");
    ImMort = label(QString(), PanMort, "ImMort");
    ImMort->setPixmap(imagenFormula());
    ImMort->setAlignment(Qt::AlignCenter);
    column(PanMort)->addWidget(ImMort);
    areaLayout->addWidget(Im);
    areaLayout->addWidget(PanFito);
    areaLayout->addWidget(PanMort);
    foto->addWidget(area, 1);

    PanBotIm = panel(PanFoto, "PanBotIm");
    auto *botones = row(PanBotIm, 1);
    Copiar = button(QStringLiteral("Copiar"), PanBotIm, "Copiar");
    Pegar = button(QStringLiteral("Pegar"), PanBotIm, "Pegar");
    Borrar = button(QStringLiteral("Borrar"), PanBotIm, "Borrar");
    Importar = button(QStringLiteral("Importar"), PanBotIm, "Importar");
    // The buttons share the panel's width: showing them never widens the centre panel.
    for (QPushButton *b : {Copiar, Pegar, Borrar, Importar}) {
        b->setSizePolicy(QSizePolicy::Ignored, b->sizePolicy().verticalPolicy());
        botones->addWidget(b);
    }
    PanBotIm->hide();
    foto->addWidget(PanBotIm);
    return PanFoto;
}

QWidget *TFPlantas::construirTexto()
{
    PanMemo = panel(Splitter2, "PanMemo");
    auto *memo = column(PanMemo);
    const BarraTitulo titulo = barraTitulo(PanMemo, "Panel4", QStringLiteral("Descripción"), "LabMemo",
                                           QStringLiteral("Buscar"), "Buscar");
    LabMemo = titulo.titulo;
    Buscar = titulo.boton;
    memo->addWidget(titulo.barra);
    TabMemo = named(new QTabBar(PanMemo), "TabMemo");
    for (const char *tab : {"Descripción", "Advertencias", "Botica", "Notas", "Aplicación"})
        TabMemo->addTab(QString::fromUtf8(tab));
    memo->addWidget(TabMemo);
    Memo = named(new DBRichEdit(PanMemo), "Memo");
    Memo->setVerticalScrollBarPolicy(Qt::ScrollBarAlwaysOn);
    memo->addWidget(Memo, 1);

    const auto barraClase = [&](const char *panelName, const char *buttonName, const QString &text,
                                const char *textName, const QString &field) {
        QWidget *p = panel(PanMemo, panelName);
        auto *l = row(p, 1);
        QPushButton *b = button(text, p, buttonName);
        b->setFixedWidth(60);
        auto *dbText = named(new DBText(p), textName);
        dbText->setDataSource(SPlan);
        dbText->setDataField(field);
        l->addWidget(b);
        l->addWidget(dbText, 1);
        memo->addWidget(p);
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
    return PanMemo;
}

QWidget *TFPlantas::construirPaginas()
{
    PanFic = panel(Splitter7, "PanFic");
    auto *fic = column(PanFic);
    Ficha = named(new QTabWidget(PanFic), "Ficha");
    struct Pagina {
        const char *page, *header, *grid, *button;
        QString title, buttonText;
        int tag;
        DataSource *source;
        QList<DBGrid::Column> columns;
    };
    const QList<Pagina> paginas{
        {"PagAcc", "Label7", "GrAcc", "DiagnosticarAcc", QStringLiteral("Acciones Terapéuticas"),
         QStringLiteral("Diagnosticar"), 1, SRel, {{QStringLiteral("Uso")}}},
        {"PagSint", "Label27", "GrSint", "DiagnosticarInd", QStringLiteral("Indicaciones"),
         QStringLiteral("Diagnosticar"), 2, SRelSint, {{QStringLiteral("Sint")}}},
        {"PagComp", "Label25", "GrComp", nullptr, QStringLiteral("Componentes"), QString(), 5, SRelComp,
         {{QStringLiteral("Comp")}}},
        {"PagFormPl", "Label23", "GrFormPl", "MostrarFor", QStringLiteral("Fórmulas"), QStringLiteral("Mostrar"), 6,
         SRelFormPl, {{QStringLiteral("Formula")}, {QStringLiteral("Porcentaje"), {}, QStringLiteral("0.0 %"), 60}}},
        {"PagPlForm", "Label9", "GrPlForm", "MostrarIng", QStringLiteral("Componentes de la Fórmula"),
         QStringLiteral("Mostrar"), 7, SRelPlForm,
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

    PanBotSint = panel(PanFic, "PanBotSint");
    auto *bot = row(PanBotSint, 2);
    Agregar = button(QStringLiteral("Agregar"), PanBotSint, "Agregar");
    Cambiar = button(QStringLiteral("Cambiar"), PanBotSint, "Cambiar");
    Quitar = button(QStringLiteral("Quitar"), PanBotSint, "Quitar");
    Porcentaje = button(QStringLiteral("Porcentaje"), PanBotSint, "Porcentaje");
    Agregar->setProperty("Tag", 2);
    Cambiar->setProperty("Tag", 1);
    Quitar->setProperty("Tag", 3);
    for (QPushButton *b : {Agregar, Cambiar, Quitar, Porcentaje})
        bot->addWidget(b);
    bot->addStretch(1);
    PanBotSint->hide();
    fic->addWidget(PanBotSint);
    return PanFic;
}

QWidget *TFPlantas::construirBarraInferior()
{
    PanBot = panel(this, "PanBot");
    auto *bot = row(PanBot, 3);
    Salir = button(QStringLiteral("Salir"), PanBot, "Salir");
    Ayuda = button(QStringLiteral("Ayuda"), PanBot, "Ayuda");
    Enlaces = button(QStringLiteral("Enlaces"), PanBot, "Enlaces");
    Glosario = button(QStringLiteral("Glosario"), PanBot, "Glosario");
    Bibliografia = button(QStringLiteral("Bibliografía"), PanBot, "Bibliografia");
    Color = button(QStringLiteral("Color"), PanBot, "Color");
    Mas = named(new QToolButton(PanBot), "Mas");
    Mas->setText(QStringLiteral("A+"));
    Menos = named(new QToolButton(PanBot), "Menos");
    Menos->setText(QStringLiteral("A-"));
    Modificar = named(new QToolButton(PanBot), "Modificar");
    Modificar->setText(QStringLiteral("Modificar"));
    Modificar->setCheckable(true);
    for (QWidget *w : std::initializer_list<QWidget *>{Salir, Ayuda, Enlaces, Glosario, Bibliografia, Color, Mas,
                                                       Menos, Modificar})
        bot->addWidget(w);
    bot->addStretch(1);
    PanLogoRec = panel(PanBot, "PanLogoRec");
    auto *logo = row(PanLogoRec);
    Image2 = label(QStringLiteral("Yerbalia"), PanLogoRec, "Image2");
    logo->addWidget(Image2);
    bot->addWidget(PanLogoRec);
    return PanBot;
}

} // namespace yb
