#pragma once

#include "dialogs/Ventana.h"

namespace yb {

// The full-text search window.
class TFBuscar : public TVentana {
public:
    explicit TFBuscar(QWidget *parent = nullptr);
};

// The properties filter window.
class TFFiltroProp : public TVentana {
public:
    explicit TFFiltroProp(QWidget *parent = nullptr);
};

} // namespace yb
