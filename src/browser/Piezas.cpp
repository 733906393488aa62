#include "browser/Piezas.h"

#include "dbwidgets/DBGrid.h"

#include <QHBoxLayout>
#include <QHeaderView>
#include <QLabel>
#include <QPushButton>
#include <QVBoxLayout>

namespace yb::piezas {

QWidget *panel(QWidget *parent, const char *name)
{
    auto *w = named(new QWidget(parent), name);
    w->setAutoFillBackground(true);
    return w;
}

QLabel *label(const QString &text, QWidget *parent, const char *name) { return named(new QLabel(text, parent), name); }

QPushButton *button(const QString &text, QWidget *parent, const char *name)
{
    return named(new QPushButton(text, parent), name);
}

QVBoxLayout *column(QWidget *w, int margin)
{
    auto *l = new QVBoxLayout(w);
    l->setContentsMargins(margin, margin, margin, margin);
    l->setSpacing(0);
    return l;
}

QHBoxLayout *row(QWidget *w, int margin)
{
    auto *l = new QHBoxLayout(w);
    l->setContentsMargins(margin, margin, margin, margin);
    l->setSpacing(2);
    return l;
}

BarraTitulo barraTitulo(QWidget *parent, const char *name, const QString &text, const char *labelName,
                        const QString &buttonText, const char *buttonName)
{
    QWidget *barra = panel(parent, name);
    auto *l = row(barra, 2);
    QLabel *titulo = label(text, barra, labelName);
    QPushButton *boton = button(buttonText, barra, buttonName);
    l->addWidget(titulo, 1);
    l->addWidget(boton);
    return {barra, titulo, boton};
}

DBGrid *lista(QWidget *parent, const char *name)
{
    auto *g = named(new DBGrid(parent), name);
    g->horizontalHeader()->hide();
    g->verticalHeader()->setDefaultSectionSize(g->fontMetrics().height() + 4);
    g->setReadOnly(true);
    g->setTabKeyNavigation(false); // Tab goes on to the next control, not to the next record
    return g;
}

QList<QPushButton *> botones(QWidget *parent, QBoxLayout *layout,
                             const QList<std::pair<const char *, QString>> &nombresYTextos)
{
    QList<QPushButton *> hechos;
    for (const auto &[nombre, texto] : nombresYTextos) {
        QPushButton *b = button(texto, parent, nombre);
        layout->addWidget(b);
        hechos << b;
    }
    return hechos;
}

void colorear(QWidget *w, const QColor &color)
{
    if (!w)
        return;
    QPalette p = w->palette();
    p.setColor(QPalette::Window, color);
    p.setColor(QPalette::Base, color);
    w->setPalette(p);
    w->setAutoFillBackground(true);
}

} // namespace yb::piezas
