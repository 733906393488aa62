#include "browser/Imagenes.h"

#include <QPainter>
#include <QPainterPath>

namespace yb {
namespace {

constexpr int kLado = 120;
const QColor kTrazo(70, 95, 60);

QPixmap lienzo()
{
    QPixmap p(kLado, kLado);
    p.fill(Qt::transparent);
    return p;
}

} // namespace

QPixmap imagenHierba()
{
    QPixmap p = lienzo();
    QPainter g(&p);
    g.setRenderHint(QPainter::Antialiasing);
    QPainterPath hoja;
    hoja.moveTo(60, 15);
    hoja.cubicTo(100, 35, 100, 85, 60, 105);
    hoja.cubicTo(20, 85, 20, 35, 60, 15);
    g.setPen(QPen(kTrazo, 3));
    g.setBrush(QColor(150, 190, 120));
    g.drawPath(hoja);
    g.drawLine(60, 22, 60, 112);
    for (int y : {45, 65, 85}) {
        g.drawLine(60, y, 78, y - 12);
        g.drawLine(60, y, 42, y - 12);
    }
    return p;
}

QPixmap imagenFormula()
{
    QPixmap p = lienzo();
    QPainter g(&p);
    g.setRenderHint(QPainter::Antialiasing);
    g.setPen(QPen(kTrazo, 3));
    g.setBrush(QColor(200, 180, 150));
    g.drawLine(55, 70, 95, 15); // pestle
    g.drawChord(QRect(20, 30, 80, 80), 180 * 16, 180 * 16);
    g.drawRect(45, 105, 30, 8);
    return p;
}

} // namespace yb
