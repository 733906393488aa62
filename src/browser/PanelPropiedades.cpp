#include "browser/PanelPropiedades.h"

#include "browser/Colores.h"
#include "browser/EscalaPropiedad.h"
#include "browser/Piezas.h"
#include "dbwidgets/DBControls.h"
#include "dialogs/PoliticaErrores.h"

#include <QEvent>
#include <QFrame>
#include <QHBoxLayout>
#include <QLabel>
#include <QPushButton>
#include <QStackedWidget>
#include <QVBoxLayout>

namespace yb {
using namespace piezas;

PanelPropiedades::PanelPropiedades(DataSource *plan, DataSource *fuentes, QWidget *parent) : QWidget(parent)
{
    auto *cajaLayout = column(this);
    const BarraTitulo propiedades =
        barraTitulo(this, "Panel41", QStringLiteral("Propiedades"), "LabFic", QStringLiteral("Buscar"), "FiltrarProp");
    LabFic = propiedades.titulo;
    FiltrarProp = propiedades.boton;
    cajaLayout->addWidget(propiedades.barra);

    PanProp = panel(this, "PanProp");
    PanProp->setMinimumHeight(190);
    using P = EscalaPropiedad::Posicion;
    PanCanales = new EscalaPropiedad(
        QStringLiteral("PanCanales"), 1, "Panel10", QStringLiteral("Canales"),
        {P{"Label48", "ProgressBar20", "Pu", "Pulmón"}, P{"Label49", "ProgressBar15", "BP", "Bazo"},
         P{"Label50", "ProgressBar16", "Co", "Corazón"}, P{"Label51", "ProgressBar17", "Ri", "Riñón"},
         P{"Label52", "ProgressBar18", "Pe", "Pericardio"}, P{"Label53", "ProgressBar19", "Hi", "Hígado"},
         P{"Label55", "ProgressBar27", "IG", "Intestino Grueso"}, P{"Label56", "ProgressBar22", "Es", "Estómago"},
         P{"Label57", "ProgressBar23", "ID", "Intestino Delgado"}, P{"Label58", "ProgressBar24", "Ve", "Vejiga"},
         P{"Label59", "ProgressBar25", "TC", "Triple Calentador"},
         P{"Label60", "ProgressBar26", "VB", "Vesícula Biliar"}},
        PanProp);
    PanSabor =
        new EscalaPropiedad(QStringLiteral("PanSabor"), 2, "Panel35", QStringLiteral("Sabor"),
                            {P{"Label26", "BarSabor1", "Agrio", {}}, P{"Label31", "BarSabor2", "Amargo", {}},
                             P{"Label32", "BarSabor3", "Picante", {}}, P{"Label34", "BarSabor4", "Dulce", {}},
                             P{"Label36", "BarSabor5", "Aromático", {}}, P{"Label38", "BarSabor6", "Astringente", {}},
                             P{"Label39", "BarSabor7", "Salado", {}}, P{"Label40", "BarSabor8", "Insípido", {}}},
                            PanProp);
    PanEnergia =
        new EscalaPropiedad(QStringLiteral("PanEnergia"), 3, "LabEnergia", QStringLiteral("Energía"),
                            {P{"Label42", "BarEnergia1", "Neutral", {}}, P{"Label43", "BarEnergia2", "Tibia", {}},
                             P{"Label44", "BarEnergia3", "Fresca", {}}, P{"Label45", "BarEnergia4", "Fría", {}},
                             P{"Label46", "BarEnergia5", "Caliente", {}}},
                            PanProp);
    cajaLayout->addWidget(PanProp);
    PanProp->installEventFilter(this);

    FicPropAut = named(new QStackedWidget(this), "FicPropAut");
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
        edit->setDataSource(plan);
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
        t->setDataSource(fuentes);
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
    LineaFin = named(new QFrame(this), "LineaFin");
    LineaFin->setFrameShape(QFrame::HLine);
    cajaLayout->addWidget(LineaFin);
}

bool PanelPropiedades::eventFilter(QObject *watched, QEvent *event)
{
    if (watched == PanProp && event->type() == QEvent::Resize)
        PoliticaErrores::ejecutar([this] { emit disposicionCambiada(); });
    return QWidget::eventFilter(watched, event);
}

void PanelPropiedades::mostrarPagina(bool esFormula) { FicPropAut->setCurrentWidget(esFormula ? PagAut : PagProps); }

void PanelPropiedades::mostrarEscalas(const QString &meridianos, const QString &sabor, const QString &energia)
{
    PanCanales->mostrar(meridianos);
    PanSabor->mostrar(sabor);
    PanEnergia->mostrar(energia);
}

void PanelPropiedades::ajustarEscalas()
{
    // Tastes above natures share the part beside the channels in proportion to the rows
    // they need. The panel is never lower than its rows, whole, need in the font they are shown in.
    const int sabor = PanSabor->minimumSizeHint().height(), energia = PanEnergia->minimumSizeHint().height();
    PanProp->setMinimumHeight(std::max(PanCanales->minimumSizeHint().height(), sabor + energia));
    const int ancho = PanProp->width(), alto = PanProp->height();
    const int canales = 3 * ancho / 7;
    const int altoSabor = alto * sabor / std::max(1, sabor + energia);
    PanCanales->setGeometry(0, 0, canales, alto);
    PanSabor->setGeometry(canales, 0, ancho - canales, altoSabor);
    PanEnergia->setGeometry(canales, altoSabor, ancho - canales, alto - altoSabor);
}

void PanelPropiedades::fijarAltura() { FicPropAut->setFixedHeight(FicPropAut->sizeHint().height()); }

void PanelPropiedades::mostrarEdicion(bool editando) { PanTox->setVisible(editando); }

void PanelPropiedades::ModoLector() { PanHabitat->hide(); }

void PanelPropiedades::TextosIngles() { DBEdit5->setDataField(QStringLiteral("ParteIng")); }

void PanelPropiedades::aplicarColores(const EsquemaColores &colores)
{
    for (QWidget *w : {findChild<QWidget *>(QStringLiteral("Panel15")), findChild<QWidget *>(QStringLiteral("Panel5")),
                       findChild<QWidget *>(QStringLiteral("Panel7"))})
        colorear(w, colores.base);
    colorear(findChild<QWidget *>(QStringLiteral("Panel41")), colores.cabecera);
    colorear(PanProp, colores.claro);
}

} // namespace yb
