#pragma once

// A started application on a small data directory, for tests of the main window.

#include "app/Aplicacion.h"
#include "browser/Plantas.h"
#include "dialogs/MensajesScript.h"
#include "support/Fixture.h"

#include <QFile>
#include <QScreen>
#include <QTest>

namespace yb::test {

// A data directory with a small database: three herbs and a formula; made
// in the system's temporary directory or inside the directory given.
struct DataDir {
    QTemporaryDir dir;
    QString previous = QDir::currentPath();

    explicit DataDir(const QString &inside = {})
        : dir(inside.isEmpty() ? QDir::tempPath() + QStringLiteral("/yerbalia-XXXXXX")
                               : inside + QStringLiteral("/datos-XXXXXX"))
    {
        {
            auto db = Database::create(dir.path());
            test::TempDatabase::fill(*db);
        }
        QDir::setCurrent(dir.path());
    }
    ~DataDir() { QDir::setCurrent(previous); }

    void writeConfig(const QList<int> &values)
    {
        QFile f(dir.filePath("Config.Dat"));
        QVERIFY(f.open(QIODevice::WriteOnly));
        for (int v : values)
            f.write(QByteArray::number(v) + "\r\n");
    }
    QList<QByteArray> configLines()
    {
        QFile f(dir.filePath("Config.Dat"));
        if (!f.open(QIODevice::ReadOnly))
            return {};
        QList<QByteArray> lines = f.readAll().split('\n');
        if (!lines.isEmpty() && lines.last().isEmpty())
            lines.removeLast();
        return lines;
    }
};

inline QList<int> config(int scheme, int size, int width = 900, int height = 650, int left = 0, int top = 0)
{
    return {left, top, width, height, 200, 250, 260, 10, 10, 1000, 700, 500, 250, scheme, size};
}

// Starts the application as from the command line and shows the main window.
struct Run {
    std::unique_ptr<Aplicacion> app;
    TFPlantas *w = nullptr;

    explicit Run(const QStringList &args = {})
    {
        app = std::make_unique<Aplicacion>(args);
        w = &app->plantas();
        w->show();
        QVERIFY(QTest::qWaitForWindowExposed(w));
    }
    template <typename T>
    T *child(const char *name) const
    {
        T *c = w->findChild<T *>(QLatin1String(name));
        if (!c)
            qWarning("no control named %s", name);
        return c;
    }
    QString current() const { return app->dm().TPlan.asString(u"PinYin"); }
    // Closes the window answering the exit question.
    void close(Respuesta answer)
    {
        Mensajes::Script script({answer});
        w->close();
        QCOMPARE(script.texts().size(), 1);
    }
};

inline QColor panelColour(QWidget *w) { return w->palette().color(QPalette::Window); }

inline bool centred(QWidget *w)
{
    const QPoint offset = w->frameGeometry().center() - w->screen()->availableGeometry().center();
    return offset.manhattanLength() <= 2; // rounding of odd sizes
}

} // namespace yb::test
