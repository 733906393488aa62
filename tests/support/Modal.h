#pragma once

// Drives modal windows from tests: acts on one as soon as it is open.

#include <QApplication>
#include <QLineEdit>
#include <QMessageBox>
#include <QPointer>
#include <QTimer>
#include <functional>

namespace yb::test {

// Runs `action` on the first modal window that `es` accepts, as soon as it is
// open and active, inside its modal loop. The action is expected to end it;
// one left open is closed, so a failing step cannot hang the test.
inline void alAbrirseModal(QObject *context, std::function<bool(QWidget *)> es, std::function<void(QWidget *)> action)
{
    auto *timer = new QTimer(context);
    timer->setInterval(0);
    QObject::connect(timer, &QTimer::timeout, context, [timer, es, action] {
        QWidget *modal = QApplication::activeModalWidget();
        if (!modal || !es(modal) || !modal->isVisible() || !modal->isActiveWindow())
            return;
        timer->stop();
        timer->deleteLater();
        QPointer<QWidget> abierta(modal);
        action(modal);
        if (abierta && abierta->isVisible()) {
            qWarning("the modal window was left open");
            abierta->close();
        }
    });
    timer->start();
}

// The in-place edit box and its line edit.
inline void alAbrirse(QObject *context, std::function<void(QWidget *caja, QLineEdit *ed)> action)
{
    alAbrirseModal(
        context, [](QWidget *w) { return w->objectName() == QLatin1String("CajaEdicion"); },
        [action](QWidget *caja) { action(caja, caja->findChild<QLineEdit *>(QStringLiteral("Ed"))); });
}

// The platform's standard box (the error box, a confirmation).
inline void alAbrirseCaja(QObject *context, std::function<void(QMessageBox *caja)> action)
{
    alAbrirseModal(
        context, [](QWidget *w) { return qobject_cast<QMessageBox *>(w) != nullptr; },
        [action](QWidget *caja) { action(static_cast<QMessageBox *>(caja)); });
}

} // namespace yb::test
