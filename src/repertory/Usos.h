#pragma once

#include "dialogs/Ventana.h"

class QSplitter;
class QToolButton;

namespace yb {

// The catalogue window of actions and indications. It keeps its place, size
// and panel sizes in Config.Dat.
class TFUsos : public TVentana {
public:
    explicit TFUsos(QWidget *parent = nullptr);

    void TextosIngles() override;
    void ModoLector() override;
    void leerConfig(const ConfigDat &config) override;
    void guardarConfig(ConfigDat &config) const override;

    QWidget *PanIzq;
    QWidget *PanPlantas;
    QWidget *PanSupIzq;
    QSplitter *SplitterIzq;
    QSplitter *SplitterPlantas;
    QToolButton *Modificar;

protected:
    void showEvent(QShowEvent *event) override;

private:
    // The panel sizes read from Config.Dat, written back while the window was never shown.
    int m_anchoPanIzq = ConfigDat::defaults()[ConfigDat::UsosPanIzqWidth];
    int m_altoPanPlantas = ConfigDat::defaults()[ConfigDat::UsosPanPlantasHeight];
    bool m_mostrada = false;
};

} // namespace yb
