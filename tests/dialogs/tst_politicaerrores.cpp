// The one error policy: what a handler throws ends that handler and shows in the error box.
#include "dialogs/CajaError.h"
#include "dialogs/PoliticaErrores.h"

#include <QPushButton>
#include <QSignalSpy>
#include <QTest>
#include <stdexcept>

using namespace yb;

namespace {

// An error of the kind the application words for the user.
struct ErrorPropio : std::runtime_error {
    using std::runtime_error::runtime_error;
};

} // namespace

class TestPoliticaErrores : public QObject {
    Q_OBJECT

    QStringList m_cajas; // what the error box showed

private slots:
    void init()
    {
        m_cajas.clear();
        CajaError::setManejador([this](const QString &texto) { m_cajas << texto; });
        PoliticaErrores::setTexto({});
    }
    void cleanup()
    {
        CajaError::setManejador({});
        PoliticaErrores::setTexto({});
    }

    // A click whose handler throws: the box shows it once, the rest of the handler does not run,
    // and the next click runs again.
    void aClickHandlerThatThrows()
    {
        QPushButton boton;
        int antes = 0, despues = 0;
        bool fallar = true;
        connect(&boton, &QPushButton::clicked, &boton, manejador([&] {
            ++antes;
            if (fallar)
                throw std::runtime_error("disk full");
            ++despues;
        }));
        QTest::mouseClick(&boton, Qt::LeftButton);
        QCOMPARE(m_cajas, QStringList{"disk full"});
        QCOMPARE(antes, 1);
        QCOMPARE(despues, 0);

        fallar = false;
        QTest::mouseClick(&boton, Qt::LeftButton);
        QCOMPARE(m_cajas.size(), 1);
        QCOMPARE(despues, 1);
    }

    // The application's wording is used when it is set; other errors keep their own text.
    void theApplicationWordsItsOwnErrors()
    {
        PoliticaErrores::setTexto([](const std::exception &e) {
            if (dynamic_cast<const ErrorPropio *>(&e))
                return QStringLiteral("No se pudo guardar: %1").arg(QString::fromUtf8(e.what()));
            return QString::fromUtf8(e.what());
        });
        QVERIFY(!PoliticaErrores::ejecutar([] { throw ErrorPropio("el disco está lleno"); }));
        QVERIFY(!PoliticaErrores::ejecutar([] { throw std::logic_error("otro"); }));
        QVERIFY(PoliticaErrores::ejecutar([] {}));
        QCOMPARE(m_cajas, (QStringList{QStringLiteral("No se pudo guardar: el disco está lleno"), "otro"}));
    }

    // An event function answers its fallback when its work failed, its own answer otherwise.
    void anEventFunctionAnswersItsFallback()
    {
        QCOMPARE(PoliticaErrores::ejecutar([]() -> bool { throw std::runtime_error("x"); }, true), true);
        QCOMPARE(PoliticaErrores::ejecutar([] { return false; }, true), false);
        QCOMPARE(m_cajas.size(), 1);
    }

    // A handler may take the signal's arguments, or none of them.
    void handlersTakeTheSignalsArgumentsOrNone()
    {
        QPushButton boton;
        boton.setCheckable(true);
        QList<bool> vistos;
        int sinArgumentos = 0;
        connect(&boton, &QPushButton::toggled, &boton, manejador([&](bool on) { vistos << on; }));
        connect(&boton, &QPushButton::toggled, &boton, manejador([&] { ++sinArgumentos; }));
        boton.toggle();
        boton.toggle();
        QCOMPARE(vistos, (QList<bool>{true, false}));
        QCOMPARE(sinArgumentos, 2);
        QVERIFY(m_cajas.isEmpty());
    }

    // Something thrown that is no std::exception still ends only the handler.
    void anythingElseThrown()
    {
        QVERIFY(!PoliticaErrores::ejecutar([] { throw 42; }));
        QCOMPARE(m_cajas.size(), 1);
    }
};

QTEST_MAIN(TestPoliticaErrores)
#include "tst_politicaerrores.moc"
