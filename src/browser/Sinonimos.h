#pragma once

#include "dialogs/Ventana.h"

namespace yb {

// The synonyms of the current herb.
class TFSinonimos : public TVentana {
public:
    explicit TFSinonimos(QWidget *parent = nullptr);
};

} // namespace yb
