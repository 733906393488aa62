#include "browser/PanelFoto.h"

#include "browser/Colores.h"
#include "browser/Imagenes.h"
#include "browser/Piezas.h"
#include "dbwidgets/DBControls.h"
#include "formats/Rutas.h"

#include <QDir>
#include <QHBoxLayout>
#include <QLabel>
#include <QPushButton>
#include <QStackedLayout>
#include <QVBoxLayout>

namespace yb {
using namespace piezas;

PanelFoto::PanelFoto(DataSource *plan, QWidget *parent) : QWidget(parent)
{
    setObjectName(QStringLiteral("PanFoto"));
    setAutoFillBackground(true);
    auto *foto = column(this);
    auto *area = new QWidget(this);
    auto *areaLayout = new QStackedLayout(area);
    areaLayout->setStackingMode(QStackedLayout::StackAll);
    Im = named(new DBImage(area), "Im");
    Im->setDataSource(plan);
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

    PanBotIm = panel(this, "PanBotIm");
    const QList<QPushButton *> b = botones(PanBotIm, row(PanBotIm, 1),
                                           {{"Copiar", QStringLiteral("Copiar")},
                                            {"Pegar", QStringLiteral("Pegar")},
                                            {"Borrar", QStringLiteral("Borrar")},
                                            {"Importar", QStringLiteral("Importar")}});
    Copiar = b[0];
    Pegar = b[1];
    Borrar = b[2];
    Importar = b[3];
    // The buttons share the panel's width: showing them never widens the centre panel.
    for (QPushButton *boton : b)
        boton->setSizePolicy(QSizePolicy::Ignored, boton->sizePolicy().verticalPolicy());
    PanBotIm->hide();
    foto->addWidget(PanBotIm);
}

void PanelFoto::mostrarArea(bool tieneFoto, bool esFormula)
{
    Im->setVisible(tieneFoto);
    PanFito->setVisible(!tieneFoto && !esFormula);
    PanMort->setVisible(!tieneFoto && esFormula);
}

void PanelFoto::reiniciar()
{
    m_numeroFoto = 1;
    Im->setDataField(QStringLiteral("Foto1"));
}

void PanelFoto::primeraFoto()
{
    while (m_numeroFoto != 1)
        siguienteFoto();
}

void PanelFoto::siguienteFoto()
{
    m_numeroFoto = m_numeroFoto % 3 + 1;
    Im->setDataField(QStringLiteral("Foto%1").arg(m_numeroFoto));
    Im->setToolTip(QStringLiteral("Foto Nº%1").arg(m_numeroFoto));
}

void PanelFoto::mostrarEdicion(bool editando) { PanBotIm->setVisible(editando); }

void PanelFoto::TextosIngles()
{
    cargarImagenInglesa(ImFito, QStringLiteral("English/Im2.bmp"));
    cargarImagenInglesa(ImMort, QStringLiteral("English/Im3.bmp"));
}

void PanelFoto::cargarImagenInglesa(QLabel *destino, const QString &archivo)
{
    const QPixmap imagen(rutaSinMayusculas(QDir::current(), archivo));
    if (!imagen.isNull())
        destino->setPixmap(imagen);
}

void PanelFoto::aplicarColores(const EsquemaColores &colores)
{
    for (QWidget *w : {static_cast<QWidget *>(Im), PanBotIm, PanMort})
        colorear(w, colores.base);
}

} // namespace yb
