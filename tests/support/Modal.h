#pragma once

// Drives modal windows from tests: acts on one as soon as it is open.

#include <QApplication>
#include <QLineEdit>
#include <QPointer>
#include <QTimer>
#include <functional>

namespace yb::test {

// Runs `action` on the in-place edit box as soon as it is open and active,
// inside its modal loop. The action is expected to end the box; one left
// open is closed, so a failing step cannot hang the test.
inline void alAbrirse(QObject *context, std::function<void(QWidget *caja, QLineEdit *ed)> action)
{
    auto *timer = new QTimer(context);
    timer->setInterval(0);
    QObject::connect(timer, &QTimer::timeout, context, [timer, action] {
        QWidget *caja = QApplication::activeModalWidget();
        if (!caja || caja->objectName() != QLatin1String("CajaEdicion") || !caja->isVisible()
            || !caja->isActiveWindow())
            return;
        timer->stop();
        timer->deleteLater();
        QPointer<QWidget> abierta(caja);
        action(caja, caja->findChild<QLineEdit *>(QStringLiteral("Ed")));
        if (abierta && abierta->isVisible()) {
            qWarning("the edit box was left open");
            abierta->close();
        }
    });
    timer->start();
}

} // namespace yb::test
