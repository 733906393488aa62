#pragma once

#include "dialogs/Ventana.h"

namespace yb {

// The properties filter window.
class TFFiltroProp : public TVentana {
public:
    explicit TFFiltroProp(QWidget *parent = nullptr);
};

} // namespace yb
