#pragma once

#include <QButtonGroup>
#include <QGroupBox>
#include <QStringList>

namespace yb {

// A group of exclusive options chosen by index, like a radio group.
class GrupoOpciones : public QGroupBox {
    Q_OBJECT
public:
    // The options are named after the group: "<name>_0", "<name>_1"…
    GrupoOpciones(const QString &name, const QStringList &items, QWidget *parent = nullptr);

    int itemIndex() const { return m_grupo.checkedId(); }
    void setItemIndex(int index);
    void setItems(const QStringList &items); // new texts, same number of options

signals:
    void clicked(int index);
    // The option chosen changed, by the user or by setItemIndex.
    void itemIndexChanged(int index);

private:
    QButtonGroup m_grupo;
};

} // namespace yb
