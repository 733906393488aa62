#include "browser/Calco.h"

namespace yb {

TFCalco::TFCalco(QWidget *ventanaPrincipal) : TVentana(ventanaPrincipal)
{
    setObjectName(QStringLiteral("FCalco"));
    setAttribute(Qt::WA_TransparentForMouseEvents);
    hide();
}

void TFCalco::setPintar(Pintar pintar) { m_pintar = std::move(pintar); }

void TFCalco::setEnVigor(bool enVigor)
{
    m_enVigor = enVigor;
    setVisible(enVigor);
}

void TFCalco::repintar() { update(); }

QList<QRect> TFCalco::marcos() const { return {}; }

} // namespace yb
