#pragma once

#include "dialogs/Ventana.h"

namespace yb {

// The glossary.
class TFGlo : public TVentana {
public:
    explicit TFGlo(QWidget *parent = nullptr);
};

} // namespace yb
