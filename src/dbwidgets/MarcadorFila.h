#pragma once

#include <QHeaderView>

namespace yb {

// The row marker at the left of a grid: an arrow on the current row, a
// pencil-like bar while it is edited, a star while a new row is entered.
class MarcadorFila : public QHeaderView {
    Q_OBJECT
public:
    explicit MarcadorFila(QWidget *parent = nullptr);

    enum class Estado { Navegando, Editando, Insertando };
    void setEstado(Estado estado);

protected:
    void paintSection(QPainter *painter, const QRect &rect, int logicalIndex) const override;
    QSize sectionSizeFromContents(int logicalIndex) const override;

private:
    Estado m_estado = Estado::Navegando;
};

} // namespace yb
