#pragma once

#include "dialogs/Ventana.h"

namespace yb {

// The class picker.
class TFSelClase : public TVentana {
public:
    explicit TFSelClase(QWidget *parent = nullptr);
};

// The synonyms of the current herb.
class TFSinonimos : public TVentana {
public:
    explicit TFSinonimos(QWidget *parent = nullptr);
};

// The overlay that frames the panels of the list filter's criteria.
class TFCalco : public TVentana {
public:
    explicit TFCalco(QWidget *parent = nullptr);
};

} // namespace yb
