#pragma once

#include <QComboBox>

namespace yb {

// The name-language choice: tells when its list opens and closes, so the
// main window can widen it while the list is open.
class ComboIdioma : public QComboBox {
    Q_OBJECT
public:
    using QComboBox::QComboBox;

    void showPopup() override
    {
        emit desplegado();
        QComboBox::showPopup();
    }
    void hidePopup() override
    {
        QComboBox::hidePopup();
        emit plegado();
    }

signals:
    void desplegado();
    void plegado();
};

} // namespace yb
