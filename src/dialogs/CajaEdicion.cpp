#include "dialogs/CajaEdicion.h"

#include <QDialog>
#include <QLineEdit>
#include <QPointer>
#include <QPushButton>

namespace yb {

namespace {

const QString kPista = QStringLiteral("Pulse ENTER para Aceptar o ESC para Cancelar");

// An edit box that, on getting the focus, selects its whole text or leaves the caret at its end.
class EdCaja : public QLineEdit {
public:
    EdCaja(bool seleccionarTodo, QWidget *parent) : QLineEdit(parent), m_seleccionarTodo(seleccionarTodo) {}

    void aplicarSeleccion()
    {
        if (m_seleccionarTodo)
            selectAll();
        else
            deselect();
    }

protected:
    void focusInEvent(QFocusEvent *event) override
    {
        QLineEdit::focusInEvent(event);
        aplicarSeleccion();
    }

private:
    bool m_seleccionarTodo;
};

// The borderless window of the edit box: the box covers the whole window, and the two
// buttons under it give Enter (OK, the default button) and Esc (Cancel) their meaning.
class VentanaCaja : public QDialog {
public:
    VentanaCaja(const QString &texto, QWidget *control, const QRect &rect, bool seleccionarTodo)
        : QDialog(control ? control->window() : nullptr, Qt::Dialog | Qt::FramelessWindowHint)
    {
        setObjectName(QStringLiteral("CajaEdicion"));
        setModal(true);

        auto *ok = new QPushButton(this);
        ok->setObjectName(QStringLiteral("Aceptar"));
        ok->setFocusPolicy(Qt::NoFocus);
        ok->setDefault(true);
        ok->setGeometry(0, 0, 1, 1);
        auto *cancel = new QPushButton(this);
        cancel->setObjectName(QStringLiteral("Cancelar"));
        cancel->setFocusPolicy(Qt::NoFocus);
        cancel->setGeometry(0, 0, 1, 1);
        connect(ok, &QPushButton::clicked, this, &QDialog::accept);
        connect(cancel, &QPushButton::clicked, this, &QDialog::reject);

        const QPoint arriba = control ? control->mapToGlobal(rect.topLeft()) : rect.topLeft();
        setGeometry(QRect(arriba, rect.size()));

        auto *ed = new EdCaja(seleccionarTodo, this);
        Ed = ed;
        Ed->setObjectName(QStringLiteral("Ed"));
        Ed->setGeometry(0, 0, rect.width(), rect.height());
        Ed->raise(); // over the buttons
        if (control) {
            Ed->setFont(control->font());
            const QPalette origen = control->palette();
            const QColor fondo = origen.color(control->backgroundRole());
            const QColor letra = origen.color(control->foregroundRole());
            QPalette pal = Ed->palette();
            pal.setColor(QPalette::Base, fondo);
            pal.setColor(QPalette::Window, fondo);
            pal.setColor(QPalette::Text, letra);
            Ed->setPalette(pal);
            // A single flat line round the box, in the text's colour.
            Ed->setStyleSheet(QStringLiteral("QLineEdit { border: 1px solid %1; background: %2; color: %1; "
                                             "padding: 0px; margin: 0px; }")
                                  .arg(letra.name(QColor::HexRgb), fondo.name(QColor::HexRgb)));
        } else {
            Ed->setStyleSheet(QStringLiteral("QLineEdit { border: 1px solid palette(text); padding: 0px; }"));
        }
        Ed->setToolTip(kPista);
        Ed->setText(texto);
        ed->aplicarSeleccion();
        Ed->setFocus();
        setFocusProxy(Ed);
    }

    QLineEdit *Ed;
};

} // namespace

bool cajaEdicion(QString &texto, QWidget *control, const QRect &rect, bool seleccionarTodo)
{
    QPointer<VentanaCaja> caja = new VentanaCaja(texto, control, rect, seleccionarTodo);
    const bool aceptado = caja->exec() == QDialog::Accepted;
    if (!caja) // its parent went away while it was open
        return false;
    if (aceptado)
        texto = caja->Ed->text();
    delete caja;
    return aceptado;
}

} // namespace yb
