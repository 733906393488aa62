#pragma once

#include <QList>
#include <QString>
#include <utility>

class QBoxLayout;
class QColor;
class QHBoxLayout;
class QLabel;
class QPushButton;
class QVBoxLayout;
class QWidget;

namespace yb {

class DBGrid;

// The pieces the main window's panels are built of: named controls, panels,
// rows and columns without margins, title bars, list grids and rows of buttons.
namespace piezas {

template <typename W>
W *named(W *widget, const char *name)
{
    widget->setObjectName(QLatin1String(name));
    return widget;
}

QWidget *panel(QWidget *parent, const char *name);
QLabel *label(const QString &text, QWidget *parent, const char *name);
QPushButton *button(const QString &text, QWidget *parent, const char *name);
QVBoxLayout *column(QWidget *w, int margin = 0);
QHBoxLayout *row(QWidget *w, int margin = 0);

// A title bar: a heading that takes the width and a button at its right.
struct BarraTitulo {
    QWidget *barra;
    QLabel *titulo;
    QPushButton *boton;
};
BarraTitulo barraTitulo(QWidget *parent, const char *name, const QString &text, const char *labelName,
                        const QString &buttonText, const char *buttonName);

// A list grid as the main window uses them: no title row, whole rows, read-only.
DBGrid *lista(QWidget *parent, const char *name);

// A row of push buttons, each named and captioned, added to `layout` in order.
QList<QPushButton *> botones(QWidget *parent, QBoxLayout *layout,
                             const QList<std::pair<const char *, QString>> &nombresYTextos);

// Paints a panel (its background and its base) in a colour of the scheme; nothing for none.
void colorear(QWidget *w, const QColor &color);

} // namespace piezas
} // namespace yb
