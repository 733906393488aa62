#include "dbwidgets/MarcadorFila.h"

#include <QAbstractItemView>
#include <QPainter>
#include <QPainterPath>

namespace yb {

MarcadorFila::MarcadorFila(QWidget *parent) : QHeaderView(Qt::Vertical, parent)
{
    setSectionResizeMode(QHeaderView::Fixed);
    setFixedWidth(12);
}

void MarcadorFila::setEstado(Estado estado)
{
    m_estado = estado;
    viewport()->update();
}

QSize MarcadorFila::sectionSizeFromContents(int) const { return {12, defaultSectionSize()}; }

void MarcadorFila::paintSection(QPainter *painter, const QRect &rect, int logicalIndex) const
{
    painter->save();
    painter->fillRect(rect, palette().button());
    painter->setPen(palette().mid().color());
    painter->drawLine(rect.topRight(), rect.bottomRight());
    painter->drawLine(rect.bottomLeft(), rect.bottomRight());
    const auto *view = qobject_cast<const QAbstractItemView *>(parentWidget());
    if (view && view->currentIndex().isValid() && view->currentIndex().row() == logicalIndex) {
        painter->setRenderHint(QPainter::Antialiasing);
        painter->setPen(Qt::NoPen);
        painter->setBrush(palette().windowText());
        const QPointF c = QRectF(rect).center();
        if (m_estado == Estado::Navegando) {
            QPainterPath arrow;
            arrow.moveTo(c.x() - 2.5, c.y() - 4);
            arrow.lineTo(c.x() + 2.5, c.y());
            arrow.lineTo(c.x() - 2.5, c.y() + 4);
            arrow.closeSubpath();
            painter->drawPath(arrow);
        } else {
            painter->setPen(palette().windowText().color());
            painter->drawText(rect, Qt::AlignCenter,
                              m_estado == Estado::Editando ? QStringLiteral("I") : QStringLiteral("*"));
        }
    }
    painter->restore();
}

} // namespace yb
