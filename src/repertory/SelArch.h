#pragma once

#include "dialogs/Ventana.h"

namespace yb {

// The chooser of stored repertories.
class TFSelArch : public TVentana {
public:
    explicit TFSelArch(QWidget *parent = nullptr);
};

} // namespace yb
