#pragma once

#include "formats/ConfigDat.h"

#include <QWidget>

namespace yb {

// A window created once at start and only shown and hidden afterwards: the
// main window reaches each one for its English captions, reader mode and the
// part of Config.Dat that belongs to it.
class TVentana : public QWidget {
public:
    using QWidget::QWidget;

    virtual void TextosIngles() {}
    virtual void ModoLector() {}
    virtual void leerConfig(const ConfigDat &) {}
    virtual void guardarConfig(ConfigDat &) const {}
};

} // namespace yb
