#include "browser/PanelNombres.h"

#include "browser/Colores.h"
#include "browser/Piezas.h"
#include "dbwidgets/DBControls.h"

#include <QFrame>
#include <QHBoxLayout>
#include <QLabel>
#include <QPushButton>
#include <QScrollArea>
#include <QVBoxLayout>

namespace yb {
using namespace piezas;

PanelNombres::PanelNombres(DataSource *plan, QWidget *parent) : QWidget(parent)
{
    setObjectName(QStringLiteral("PanIdiomas"));
    setAutoFillBackground(true);
    setFixedHeight(127);
    auto *idiomas = column(this);
    const BarraTitulo titulo =
        barraTitulo(this, "Panel32", QStringLiteral("Idiomas"), "Label30", QStringLiteral("Sinónimos"), "Sinonimos");
    Panel32 = titulo.barra;
    Label30 = titulo.titulo;
    Sinonimos = titulo.boton;
    idiomas->addWidget(Panel32);
    // The panel keeps its height and the rows keep theirs: those below scroll into view.
    auto *recorte = new QScrollArea(this);
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
        edit->setDataSource(plan);
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
}

void PanelNombres::mostrarFilas(const std::array<bool, 11> &visibles)
{
    for (int i = 0; i < filasNombre.size() && i < int(visibles.size()); ++i)
        filasNombre[i]->setVisible(visibles[i]);
}

void PanelNombres::aplicarColores(const EsquemaColores &colores)
{
    // Every row but Panel6 (Gallego), and the title bar.
    for (const char *n : {"Panel3", "Panel11", "Panel13", "Panel14", "Panel17", "Panel18", "Panel19", "Panel20",
                          "Panel21", "Panel22", "Panel24", "Panel32"})
        colorear(findChild<QWidget *>(QLatin1String(n)), colores.base);
}

} // namespace yb
