#include "repertory/Ventanas.h"

#include <QGuiApplication>
#include <QHBoxLayout>
#include <QScreen>
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
    resize(config[ConfigDat::UsosWidth], config[ConfigDat::UsosHeight]);
    QPoint at(config[ConfigDat::UsosLeft], config[ConfigDat::UsosTop]);
    if (at.x() == ConfigDat::kCentred || at.y() == ConfigDat::kCentred) {
        const QRect screen = QGuiApplication::primaryScreen()->availableGeometry();
        at = screen.center() - QPoint(width() / 2, height() / 2);
    }
    move(at);
    const int izq = config[ConfigDat::UsosPanIzqWidth];
    SplitterIzq->setSizes({izq, std::max(1, width() - izq)});
    // The list of herbs and the panel above it share the stored height.
    const int plantas = config[ConfigDat::UsosPanPlantasHeight];
    SplitterPlantas->setSizes({plantas, plantas});
}

void TFUsos::guardarConfig(ConfigDat &config) const
{
    const QRect normal = isMaximized() ? normalGeometry() : geometry();
    config[ConfigDat::UsosLeft] = normal.x();
    config[ConfigDat::UsosTop] = normal.y();
    config[ConfigDat::UsosWidth] = normal.width();
    config[ConfigDat::UsosHeight] = normal.height();
    config[ConfigDat::UsosPanIzqWidth] = SplitterIzq->sizes().value(0, PanIzq->width());
    config[ConfigDat::UsosPanPlantasHeight] = SplitterPlantas->sizes().value(1, PanPlantas->height());
}

TFPlanRep::TFPlanRep(QWidget *parent) : TVentana(parent)
{
    setObjectName(QStringLiteral("FPlanRep"));
    setWindowTitle(QStringLiteral("Yerbalia"));
}

TFSelArch::TFSelArch(QWidget *parent) : TVentana(parent)
{
    setObjectName(QStringLiteral("FSelArch"));
    setWindowTitle(QStringLiteral("Yerbalia"));
}

} // namespace yb
