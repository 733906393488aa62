#pragma once

#include "dialogs/Ventana.h"

namespace yb {

// The repertorial chart.
class TFPlanRep : public TVentana {
public:
    explicit TFPlanRep(QWidget *parent = nullptr);
};

} // namespace yb
