#include "repertory/PlanRep.h"

namespace yb {

TFPlanRep::TFPlanRep(QWidget *parent) : TVentana(parent)
{
    setObjectName(QStringLiteral("FPlanRep"));
    setWindowTitle(QStringLiteral("Yerbalia"));
}

} // namespace yb
