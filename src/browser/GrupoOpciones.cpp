#include "browser/GrupoOpciones.h"

#include <QHBoxLayout>
#include <QRadioButton>

namespace yb {

GrupoOpciones::GrupoOpciones(const QString &name, const QStringList &items, QWidget *parent) : QGroupBox(parent)
{
    setObjectName(name);
    auto *layout = new QHBoxLayout(this);
    layout->setContentsMargins(4, 2, 4, 2);
    for (int i = 0; i < items.size(); ++i) {
        auto *option = new QRadioButton(items[i], this);
        option->setObjectName(QStringLiteral("%1_%2").arg(objectName()).arg(i));
        m_grupo.addButton(option, i);
        layout->addWidget(option);
    }
    connect(&m_grupo, &QButtonGroup::idClicked, this, &GrupoOpciones::clicked);
    connect(&m_grupo, &QButtonGroup::idToggled, this, [this](int id, bool checked) {
        if (checked)
            emit itemIndexChanged(id);
    });
}

void GrupoOpciones::setItemIndex(int index)
{
    if (QAbstractButton *b = m_grupo.button(index))
        b->setChecked(true);
}

void GrupoOpciones::setItems(const QStringList &items)
{
    for (int i = 0; i < items.size(); ++i)
        if (QAbstractButton *b = m_grupo.button(i))
            b->setText(items[i]);
}

} // namespace yb
