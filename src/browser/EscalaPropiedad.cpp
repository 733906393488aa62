#include "browser/EscalaPropiedad.h"

#include <QEvent>
#include <QGridLayout>
#include <QLabel>
#include <QMouseEvent>
#include <QProgressBar>
#include <QVBoxLayout>

namespace yb {

int gradoEn(const QString &perfil, int posicion)
{
    if (posicion < 1 || posicion > perfil.size())
        return 0;
    const QChar c = perfil[posicion - 1];
    return c >= u'0' && c <= u'9' ? c.unicode() - u'0' : 0;
}

EscalaPropiedad::EscalaPropiedad(const QString &nombre, int tag, const char *cabecera, const QString &titulo,
                                 const QList<Posicion> &posiciones, QWidget *parent)
    : QWidget(parent)
{
    setObjectName(nombre);
    setProperty("Tag", tag);
    auto *layout = new QVBoxLayout(this);
    layout->setContentsMargins(0, 0, 0, 0);
    layout->setSpacing(0);
    m_cabecera = new QLabel(titulo, this);
    m_cabecera->setObjectName(QLatin1String(cabecera));
    m_cabecera->setAlignment(Qt::AlignCenter);
    m_cabecera->setAutoFillBackground(true);
    layout->addWidget(m_cabecera);
    auto *grid = new QGridLayout;
    grid->setContentsMargins(2, 1, 2, 1);
    grid->setHorizontalSpacing(3);
    grid->setVerticalSpacing(0);
    layout->addLayout(grid);
    for (int p = 0; p < posiciones.size(); ++p) {
        const Posicion &pos = posiciones[p];
        auto *etiqueta = new QLabel(pos.texto, this);
        etiqueta->setObjectName(QLatin1String(pos.etiqueta));
        etiqueta->setProperty("Tag", p + 1);
        etiqueta->setToolTip(pos.pista);
        etiqueta->installEventFilter(this);
        auto *barra = new QProgressBar(this);
        barra->setObjectName(QLatin1String(pos.barra));
        barra->setProperty("Tag", p + 1);
        barra->setRange(0, 9);
        barra->setTextVisible(false);
        barra->setMaximumHeight(10);
        barra->setToolTip(pos.pista);
        grid->addWidget(etiqueta, p, 0);
        grid->addWidget(barra, p, 1);
        m_etiquetas << etiqueta;
        m_barras << barra;
    }
    grid->setColumnStretch(1, 1);
    layout->addStretch(1);
}

void EscalaPropiedad::mostrar(const QString &perfil)
{
    for (QProgressBar *b : std::as_const(m_barras))
        b->setValue(gradoEn(perfil, b->property("Tag").toInt()));
}

QList<int> EscalaPropiedad::grados() const
{
    QList<int> values;
    for (QProgressBar *b : m_barras)
        values << b->value();
    return values;
}

bool EscalaPropiedad::eventFilter(QObject *watched, QEvent *event)
{
    if (event->type() == QEvent::MouseButtonRelease && static_cast<QMouseEvent *>(event)->button() == Qt::LeftButton)
        if (auto *label = qobject_cast<QLabel *>(watched); label && m_etiquetas.contains(label))
            emit etiquetaPulsada(label->property("Tag").toInt());
    return QWidget::eventFilter(watched, event);
}

} // namespace yb
