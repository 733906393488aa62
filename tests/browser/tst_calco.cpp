#include "browser/Calco.h"

#include <QFrame>
#include <QPushButton>
#include <QSignalSpy>
#include <QSplitter>
#include <QTest>
#include <QVBoxLayout>
#include <memory>

using namespace yb;

namespace {

// A window with three panels, a button and a splitter, and the overlay above them.
struct Ventana {
    QWidget ventana;
    QFrame *arriba;
    QPushButton *boton;
    QSplitter *splitter;
    QFrame *izquierda;
    QFrame *derecha;
    TFCalco *calco;

    Ventana()
    {
        auto *capas = new QVBoxLayout(&ventana);
        arriba = panel("Arriba");
        capas->addWidget(arriba);
        boton = new QPushButton(QStringLiteral("Pulsar"));
        boton->setObjectName(QStringLiteral("Boton"));
        capas->addWidget(boton);
        splitter = new QSplitter(Qt::Horizontal);
        izquierda = panel("Izquierda");
        derecha = panel("Derecha");
        splitter->addWidget(izquierda);
        splitter->addWidget(derecha);
        capas->addWidget(splitter, 1);
        calco = new TFCalco(&ventana);
        ventana.resize(400, 300);
    }

    static QFrame *panel(const char *nombre)
    {
        auto *f = new QFrame;
        f->setObjectName(QLatin1String(nombre));
        f->setFrameShape(QFrame::Box);
        f->setMinimumSize(40, 40);
        return f;
    }

    QList<QWidget *> paneles(const QStringList &nombres) const
    {
        QList<QWidget *> lista;
        for (const QString &n : nombres)
            lista << ventana.findChild<QWidget *>(n);
        return lista;
    }

    // Where a panel lies in the window, from the layout's own geometries.
    QRect lugar(QWidget *panel) const
    {
        QRect r = panel->geometry();
        if (panel->parentWidget() == splitter)
            r.translate(splitter->geometry().topLeft());
        return r;
    }

    // Shows the window and waits until the overlay is settled.
    bool mostrar()
    {
        ventana.show();
        if (!QTest::qWaitForWindowExposed(&ventana))
            return false;
        return QTest::qWaitFor([this] { return !calco->enMovimiento(); });
    }
};

bool esRojo(const QImage &imagen, QPoint p) { return imagen.pixelColor(p) == QColor(255, 0, 0); }

} // namespace

class TstCalco : public QObject {
    Q_OBJECT
private slots:
    void init() { m_v = std::make_unique<Ventana>(); }
    void cleanup() { m_v.reset(); }

    void cubreLaVentanaPorEncima();
    void marcosEnOrden_data();
    void marcosEnOrden();
    void nadaSinPintarOFueraDeVigor();
    void pintaMarcosRojos();
    void elClicAtraviesa();
    void vuelveTrasMoverse_data();
    void vuelveTrasMoverse();
    void losMarcosSiguenALosPaneles();

private:
    std::unique_ptr<Ventana> m_v;
};

void TstCalco::cubreLaVentanaPorEncima()
{
    TFCalco *calco = m_v->calco;
    QVERIFY(calco->testAttribute(Qt::WA_TransparentForMouseEvents));
    calco->setPintar([this] { return m_v->paneles({"Arriba"}); });
    calco->setEnVigor(true); // before the window is on screen: shows with it
    QVERIFY(m_v->mostrar());
    QVERIFY(calco->isVisible());
    QCOMPARE(calco->geometry(), m_v->ventana.rect());

    // a control added afterwards stays below the overlay
    auto *nuevo = new QPushButton(QStringLiteral("Nuevo"), &m_v->ventana);
    nuevo->show();
    QTRY_COMPARE(m_v->ventana.findChildren<QWidget *>(Qt::FindDirectChildrenOnly).constLast(), calco);

    m_v->ventana.resize(520, 410);
    QTRY_VERIFY(calco->isVisible() && !calco->enMovimiento());
    QCOMPARE(m_v->ventana.size(), QSize(520, 410));
    QCOMPARE(calco->geometry(), m_v->ventana.rect());
}

void TstCalco::marcosEnOrden_data()
{
    QTest::addColumn<QStringList>("pintar");
    QTest::addColumn<QStringList>("enMarco");
    // clang-format off
    QTest::newRow("uno") << QStringList{"Arriba"} << QStringList{"Arriba"};
    QTest::newRow("en el orden dado") << QStringList{"Derecha", "Arriba", "Izquierda"}
                                      << QStringList{"Derecha", "Arriba", "Izquierda"};
    QTest::newRow("el oculto no") << QStringList{"Arriba", "Oculto", "Derecha"} << QStringList{"Arriba", "Derecha"};
    QTest::newRow("el ajeno no") << QStringList{"Ajeno", "Izquierda"} << QStringList{"Izquierda"};
    // clang-format on
}

void TstCalco::marcosEnOrden()
{
    QFETCH(QStringList, pintar);
    QFETCH(QStringList, enMarco);
    auto *oculto = Ventana::panel("Oculto");
    m_v->ventana.layout()->addWidget(oculto);
    oculto->hide();
    QFrame ajeno;
    ajeno.setObjectName(QStringLiteral("Ajeno"));
    ajeno.show();
    m_v->calco->setPintar([&] {
        QList<QWidget *> lista;
        for (const QString &n : std::as_const(pintar))
            lista << (n == QLatin1String("Ajeno") ? &ajeno : m_v->ventana.findChild<QWidget *>(n));
        return lista;
    });
    m_v->calco->setEnVigor(true);
    QVERIFY(m_v->mostrar());

    QList<QRect> esperados;
    for (QWidget *panel : m_v->paneles(enMarco))
        esperados << m_v->lugar(panel);
    QCOMPARE(m_v->calco->marcosActuales(), esperados);
}

void TstCalco::nadaSinPintarOFueraDeVigor()
{
    TFCalco *calco = m_v->calco;
    QVERIFY(m_v->mostrar());
    calco->setPintar([this] { return m_v->paneles({"Arriba", "Derecha"}); });
    QVERIFY(calco->tienePintar());
    QVERIFY(!calco->isVisible());
    QVERIFY(calco->marcosActuales().isEmpty());

    calco->setEnVigor(true);
    QVERIFY(calco->isVisible());
    QCOMPARE(calco->marcosActuales().size(), 2);

    calco->setPintar(nullptr);
    QVERIFY(!calco->tienePintar());
    QVERIFY(calco->marcosActuales().isEmpty());
    const QImage imagen = m_v->ventana.grab().toImage();
    QVERIFY(calco->marcos().isEmpty());
    QVERIFY(!esRojo(imagen, m_v->lugar(m_v->arriba).topLeft()));

    calco->setEnVigor(false);
    QVERIFY(!calco->isVisible());
    QVERIFY(!calco->enVigor());
}

void TstCalco::pintaMarcosRojos()
{
    TFCalco *calco = m_v->calco;
    calco->setPintar([this] { return m_v->paneles({"Izquierda"}); });
    calco->setEnVigor(true);
    QVERIFY(m_v->mostrar());

    const QImage imagen = m_v->ventana.grab().toImage();
    const QRect r = m_v->lugar(m_v->izquierda);
    QCOMPARE(calco->marcos(), QList<QRect>{r});
    const int medioY = r.center().y();
    const int medioX = r.center().x();
    // two pixels of red along each side, inside the panel
    for (const QPoint &p : {QPoint(r.left(), medioY), QPoint(r.left() + 1, medioY), QPoint(r.right(), medioY),
                            QPoint(r.right() - 1, medioY), QPoint(medioX, r.top()), QPoint(medioX, r.top() + 1),
                            QPoint(medioX, r.bottom()), QPoint(medioX, r.bottom() - 1), r.topLeft(), r.bottomRight()})
        QVERIFY2(esRojo(imagen, p), qPrintable(QStringLiteral("%1,%2").arg(p.x()).arg(p.y())));
    // no fill, nothing outside the frame
    for (const QPoint &p : {QPoint(r.left() + 2, medioY), r.center(), QPoint(r.left() - 1, medioY),
                            QPoint(medioX, r.top() - 1), m_v->lugar(m_v->arriba).center()})
        QVERIFY2(!esRojo(imagen, p), qPrintable(QStringLiteral("%1,%2").arg(p.x()).arg(p.y())));
}

void TstCalco::elClicAtraviesa()
{
    TFCalco *calco = m_v->calco;
    calco->setPintar([this] { return m_v->paneles({"Boton"}); });
    calco->setEnVigor(true);
    QVERIFY(m_v->mostrar());
    QVERIFY(calco->isVisible());
    const QPoint punto = m_v->lugar(m_v->boton).center();
    QVERIFY(calco->geometry().contains(punto));
    QCOMPARE(calco->marcosActuales(), QList<QRect>{m_v->lugar(m_v->boton)});

    QSignalSpy pulsado(m_v->boton, &QPushButton::clicked);
    // through the window, so the click is routed to whatever lies under the point
    QTest::mouseClick(m_v->ventana.windowHandle(), Qt::LeftButton, {}, punto);
    QTRY_COMPARE(pulsado.count(), 1);

    // the same click on an overlay that took the mouse would never reach the button
    calco->setAttribute(Qt::WA_TransparentForMouseEvents, false);
    QTest::mouseClick(m_v->ventana.windowHandle(), Qt::LeftButton, {}, punto);
    QCoreApplication::processEvents();
    QCOMPARE(pulsado.count(), 1);
}

void TstCalco::vuelveTrasMoverse_data()
{
    QTest::addColumn<QString>("accion");
    QTest::addColumn<bool>("sigueEnVigor");
    for (const char *accion : {"redimensionar", "mover", "maximizar"}) {
        QTest::addRow("%s, en vigor", accion) << QString::fromLatin1(accion) << true;
        QTest::addRow("%s, ya no en vigor", accion) << QString::fromLatin1(accion) << false;
    }
}

void TstCalco::vuelveTrasMoverse()
{
    QFETCH(QString, accion);
    QFETCH(bool, sigueEnVigor);
    TFCalco *calco = m_v->calco;
    calco->setPintar([this] { return m_v->paneles({"Arriba"}); });
    calco->setEnVigor(true);
    QVERIFY(m_v->mostrar());
    QVERIFY(calco->isVisible());

    QWidget &ventana = m_v->ventana;
    if (accion == QLatin1String("redimensionar"))
        ventana.resize(ventana.width() + 60, ventana.height() + 40);
    else if (accion == QLatin1String("mover"))
        ventana.move(ventana.pos() + QPoint(35, 25));
    else
        ventana.setWindowState(Qt::WindowMaximized);
    QTRY_VERIFY(calco->enMovimiento());
    QVERIFY(!calco->isVisible());
    QVERIFY(calco->enVigor());

    if (!sigueEnVigor) {
        calco->setEnVigor(false);
    } else {
        calco->setEnVigor(true); // the filter composed again meanwhile: still waits for the quiet time
        QVERIFY(!calco->isVisible());
    }
    QTRY_VERIFY(!calco->enMovimiento());
    QCOMPARE(calco->isVisible(), sigueEnVigor);
    QCOMPARE(calco->enVigor(), sigueEnVigor);
    QCOMPARE(calco->geometry(), ventana.rect());
}

void TstCalco::losMarcosSiguenALosPaneles()
{
    TFCalco *calco = m_v->calco;
    calco->setPintar([this] { return m_v->paneles({"Derecha", "Izquierda"}); });
    calco->setEnVigor(true);
    QVERIFY(m_v->mostrar());
    m_v->ventana.grab();
    const QList<QRect> antes = calco->marcos();
    QCOMPARE(antes, (QList<QRect>{m_v->lugar(m_v->derecha), m_v->lugar(m_v->izquierda)}));

    const int total = m_v->splitter->width();
    m_v->splitter->setSizes({total - 80, 80});
    calco->repintar();
    const QList<QRect> ahora{m_v->lugar(m_v->derecha), m_v->lugar(m_v->izquierda)};
    QVERIFY(ahora != antes);
    QCOMPARE(calco->marcosActuales(), ahora);
    m_v->ventana.grab();
    QCOMPARE(calco->marcos(), ahora);
}

QTEST_MAIN(TstCalco)
#include "tst_calco.moc"
