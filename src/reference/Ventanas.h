#pragma once

#include "dialogs/Ventana.h"

namespace yb {

// The glossary.
class TFGlo : public TVentana {
public:
    explicit TFGlo(QWidget *parent = nullptr);
};

// The literary sources.
class TFFuentes : public TVentana {
public:
    explicit TFFuentes(QWidget *parent = nullptr);
};

} // namespace yb
