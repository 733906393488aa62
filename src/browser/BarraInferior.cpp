#include "browser/BarraInferior.h"

#include "browser/Colores.h"
#include "browser/Piezas.h"
#include "dialogs/PoliticaErrores.h"
#include "dialogs/Sesion.h"

#include <QHBoxLayout>
#include <QLabel>
#include <QPushButton>
#include <QToolButton>

namespace yb {
using namespace piezas;

BarraInferior::BarraInferior(Sesion &sesion, QWidget *parent) : QWidget(parent), m_sesion(sesion)
{
    setObjectName(QStringLiteral("PanBot"));
    setAutoFillBackground(true);
    auto *bot = row(this, 3);
    const QList<QPushButton *> b = botones(this, bot,
                                           {{"Salir", QStringLiteral("Salir")},
                                            {"Ayuda", QStringLiteral("Ayuda")},
                                            {"Enlaces", QStringLiteral("Enlaces")},
                                            {"Glosario", QStringLiteral("Glosario")},
                                            {"Bibliografia", QStringLiteral("Bibliografía")},
                                            {"Color", QStringLiteral("Color")}});
    Salir = b[0];
    Ayuda = b[1];
    Enlaces = b[2];
    Glosario = b[3];
    Bibliografia = b[4];
    Color = b[5];
    const auto herramienta = [&](const char *name, const QString &text) {
        auto *t = named(new QToolButton(this), name);
        t->setText(text);
        bot->addWidget(t);
        return t;
    };
    Mas = herramienta("Mas", QStringLiteral("A+"));
    Menos = herramienta("Menos", QStringLiteral("A-"));
    Modificar = herramienta("Modificar", QStringLiteral("Modificar"));
    Modificar->setCheckable(true);
    bot->addStretch(1);
    PanLogoRec = panel(this, "PanLogoRec");
    auto *logo = row(PanLogoRec);
    Image2 = label(QStringLiteral("Yerbalia"), PanLogoRec, "Image2");
    logo->addWidget(Image2);
    bot->addWidget(PanLogoRec);
    connect(Color, &QPushButton::clicked, this, manejador([this] { ColorClick(); }));
}

void BarraInferior::ColorClick()
{
    m_sesion.setEsquema(siguienteEsquema(m_sesion.esquema())); // the change applies the colours
}

void BarraInferior::mostrarEdicion(bool editando)
{
    Modificar->setText(editando ? QStringLiteral("Editando") : QStringLiteral("Modificar"));
}

void BarraInferior::ModoLector() { Modificar->hide(); }

void BarraInferior::aplicarColores(const EsquemaColores &colores)
{
    colorear(this, colores.base);
    colorear(PanLogoRec, colores.base);
}

} // namespace yb
