#pragma once

#include "dialogs/Ventana.h"

namespace yb {

// The literary sources.
class TFFuentes : public TVentana {
public:
    explicit TFFuentes(QWidget *parent = nullptr);
};

} // namespace yb
