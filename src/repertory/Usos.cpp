#include "repertory/Usos.h"

#include "dialogs/Pantalla.h"

#include <QHBoxLayout>
#include <QSplitter>
#include <QToolButton>
#include <QVBoxLayout>

namespace yb {

TFUsos::TFUsos(QWidget *parent) : TVentana(parent)
{
    setObjectName(QStringLiteral("FUsos"));
    setWindowTitle(QStringLiteral("Yerbalia"));
    auto *layout = new QVBoxLayout(this);
    layout->setContentsMargins(0, 0, 0, 0);
    SplitterIzq = new QSplitter(Qt::Horizontal, this);
    PanIzq = new QWidget(SplitterIzq);
    PanIzq->setObjectName(QStringLiteral("PanIzq"));
    SplitterPlantas = new QSplitter(Qt::Vertical, PanIzq);
    auto *izq = new QVBoxLayout(PanIzq);
    izq->setContentsMargins(0, 0, 0, 0);
    izq->addWidget(SplitterPlantas);
    PanSupIzq = new QWidget(SplitterPlantas);
    PanSupIzq->setObjectName(QStringLiteral("PanSupIzq"));
    PanPlantas = new QWidget(SplitterPlantas);
    PanPlantas->setObjectName(QStringLiteral("PanPlantas"));
    auto *derecha = new QWidget(SplitterIzq);
    auto *barra = new QHBoxLayout(derecha);
    Modificar = new QToolButton(derecha);
    Modificar->setObjectName(QStringLiteral("Modificar"));
    Modificar->setText(QStringLiteral("Modificar"));
    Modificar->setCheckable(true);
    barra->addWidget(Modificar);
    barra->addStretch(1);
    layout->addWidget(SplitterIzq);
    resize(1024, 700);
}

void TFUsos::TextosIngles() {}

void TFUsos::ModoLector() { Modificar->hide(); }

void TFUsos::leerConfig(const ConfigDat &config)
{
    const int left = config[ConfigDat::UsosLeft], top = config[ConfigDat::UsosTop];
    const bool centrada = left == ConfigDat::kCentred || top == ConfigDat::kCentred;
    colocarEnPantalla(this, {config[ConfigDat::UsosWidth], config[ConfigDat::UsosHeight]},
                      centrada ? std::nullopt : std::optional<QPoint>({left, top}));
    m_anchoPanIzq = config[ConfigDat::UsosPanIzqWidth];
    SplitterIzq->setSizes({m_anchoPanIzq, std::max(1, width() - m_anchoPanIzq)});
    // The list of herbs and the panel above it share the stored height.
    m_altoPanPlantas = config[ConfigDat::UsosPanPlantasHeight];
    SplitterPlantas->setSizes({m_altoPanPlantas, m_altoPanPlantas});
}

void TFUsos::guardarConfig(ConfigDat &config) const
{
    const QRect normal = isMaximized() ? normalGeometry() : geometry();
    config[ConfigDat::UsosLeft] = normal.x();
    config[ConfigDat::UsosTop] = normal.y();
    config[ConfigDat::UsosWidth] = normal.width();
    config[ConfigDat::UsosHeight] = normal.height();
    // Panels never laid out have no size of their own yet: the values read stay.
    config[ConfigDat::UsosPanIzqWidth] = m_mostrada ? SplitterIzq->sizes().value(0) : m_anchoPanIzq;
    config[ConfigDat::UsosPanPlantasHeight] = m_mostrada ? SplitterPlantas->sizes().value(1) : m_altoPanPlantas;
}

void TFUsos::showEvent(QShowEvent *event)
{
    TVentana::showEvent(event);
    m_mostrada = true;
}

} // namespace yb
