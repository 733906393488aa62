// The full-text search window driven by keys and clicks (the search it runs: tst_busquedatexto).
#include "data/TagBits.h"
#include "dialogs/Sesion.h"
#include "search/Buscar.h"
#include "search/DatosBusqueda.h"

#include <QGroupBox>
#include <QLabel>
#include <QPlainTextEdit>
#include <QProgressBar>
#include <QPushButton>
#include <QRadioButton>
#include <QSignalSpy>
#include <QTimer>

using namespace yb;
using namespace yb::test;

namespace {

// Types a text key by key, accented letters too.
void escribir(QWidget *w, const QString &texto)
{
    for (const QChar c : texto)
        QTest::sendKeyEvent(QTest::Click, w, Qt::Key_unknown, QString(c), Qt::NoModifier);
}

// Runs `accion` on the search window once it shows and is active, inside its modal loop; a
// window the action leaves open is closed, so that a failing step cannot hang.
void alAbrirse(TFBuscar &ventana, std::function<void()> accion)
{
    auto *timer = new QTimer(&ventana);
    timer->setInterval(0);
    QObject::connect(timer, &QTimer::timeout, &ventana, [timer, accion, v = &ventana] {
        if (!v->isVisible() || !v->isActiveWindow())
            return;
        timer->stop();
        timer->deleteLater();
        accion();
        if (v->isVisible()) {
            qWarning("the search window was left open");
            v->close();
        }
    });
    timer->start();
}

} // namespace

class TestBuscar : public QObject {
    Q_OBJECT

    // The window over the test database, counting the filter compositions it asks for.
    struct Ventana {
        TempDatabase datos;
        TTagBits hits;
        Sesion sesion;
        int composiciones = 0;
        std::unique_ptr<TFBuscar> ventana;

        Ventana()
        {
            llenar(datos);
            ventana = std::make_unique<TFBuscar>(*datos.db, hits, sesion);
            QObject::connect(ventana.get(), &TFBuscar::buscado, [this] { ++composiciones; });
        }
        template <typename T>
        T *hijo(const char *nombre) const
        {
            T *w = ventana->findChild<T *>(QLatin1String(nombre));
            if (!w)
                qFatal("no control %s", nombre);
            return w;
        }
        QPlainTextEdit *memo() const { return hijo<QPlainTextEdit>("Memo"); }
        QRadioButton *opcion(int i) const { return hijo<QRadioButton>(i == 0 ? "OrAnd_0" : "OrAnd_1"); }
    };

private slots:
    void lineas_data()
    {
        QTest::addColumn<QString>("texto");
        QTest::addColumn<QStringList>("lineas");
        QTest::newRow("empty") << QString() << QStringList{};
        QTest::newRow("one") << "tos" << QStringList{"tos"};
        QTest::newRow("break at the end") << "tos\n" << QStringList{"tos"};
        QTest::newRow("only breaks") << "\n\n" << QStringList{"", ""};
        QTest::newRow("empty in the middle") << "a\n\nb" << QStringList{"a", "", "b"};
    }

    void lineas()
    {
        QFETCH(QString, texto);
        QFETCH(QStringList, lineas);
        QCOMPARE(TFBuscar::lineas(texto), lineas);
    }

    void ventanaYTextos()
    {
        Ventana v;
        TFBuscar &w = *v.ventana;
        QCOMPARE(w.objectName(), QStringLiteral("FBuscar"));
        QCOMPARE(w.size(), QSize(250, 243));
        QCOMPARE(w.windowTitle(), QStringLiteral("Buscar"));
        QCOMPARE(v.hijo<QLabel>("Label1")->text(),
                 QStringLiteral("Escriba en cada renglón la palabra  o frase a buscar"));
        QCOMPARE(v.hijo<QPushButton>("Aceptar")->text(), QStringLiteral("Buscar"));
        QCOMPARE(v.hijo<QPushButton>("Limpiar")->text(), QStringLiteral("Limpiar"));
        QCOMPARE(v.hijo<QPushButton>("Cancelar")->text(), QStringLiteral("Cancelar"));
        QCOMPARE(v.opcion(0)->text(), QStringLiteral("Cualquiera (O)"));
        QCOMPARE(v.opcion(1)->text(), QStringLiteral("Todos (Y)"));
        QVERIFY(v.opcion(1)->isChecked());
        QVERIFY(v.hijo<QGroupBox>("OrAnd"));
        QVERIFY(!v.hijo<QPushButton>("Limpiar")->isEnabled());
        QCOMPARE(v.memo()->lineWrapMode(), QPlainTextEdit::NoWrap);

        w.TextosIngles();
        QCOMPARE(w.windowTitle(), QStringLiteral("Search"));
        QCOMPARE(v.hijo<QLabel>("Label1")->text(),
                 QStringLiteral("Use different lines to type each word or phrase to search"));
        QCOMPARE(v.hijo<QPushButton>("Aceptar")->text(), QStringLiteral("Search"));
        QCOMPARE(v.hijo<QPushButton>("Limpiar")->text(), QStringLiteral("Clean"));
        QCOMPARE(v.hijo<QPushButton>("Cancelar")->text(), QStringLiteral("Cancel"));
        QCOMPARE(v.opcion(0)->text(), QStringLiteral("Anyone (Or)"));
        QCOMPARE(v.opcion(1)->text(), QStringLiteral("Everyone (And)"));
    }

    // Enter breaks the line after a term; a second Enter on the new empty last
    // line presses Buscar, which folds the terms and fills the hit set.
    void dosEnterBuscan()
    {
        Ventana v;
        QString antes;
        bool seguiaAbierta = false, tieneFoco = false;
        alAbrirse(*v.ventana, [&] {
            tieneFoco = v.memo()->hasFocus();
            escribir(v.memo(), QStringLiteral("tos"));
            QTest::keyClick(v.memo(), Qt::Key_Return);
            antes = v.memo()->toPlainText();
            seguiaAbierta = v.ventana->isVisible();
            QTest::keyClick(v.memo(), Qt::Key_Return);
        });
        QVERIFY(v.ventana->ejecutar());
        QVERIFY(tieneFoco);
        QCOMPARE(antes, QStringLiteral("tos\n"));
        QVERIFY(seguiaAbierta);
        QCOMPARE(v.memo()->toPlainText(), QStringLiteral("TOS"));
        QCOMPARE(v.ventana->terminos(), QStringList{"TOS"});
        QCOMPARE(claves(v.hits), (QList<int>{2, 3}));
        QCOMPARE(v.composiciones, 1);
    }

    // Enter inside the last term breaks it: the caret's line is above the last line break.
    void enterEnMedio()
    {
        Ventana v;
        QString texto;
        bool abierta = false;
        alAbrirse(*v.ventana, [&] {
            escribir(v.memo(), QStringLiteral("raíz"));
            QTest::keyClick(v.memo(), Qt::Key_Return);
            escribir(v.memo(), QStringLiteral("tos"));
            QTest::keyClick(v.memo(), Qt::Key_Left);
            QTest::keyClick(v.memo(), Qt::Key_Return);
            texto = v.memo()->toPlainText();
            abierta = v.ventana->isVisible();
            QTest::keyClick(v.memo(), Qt::Key_Escape);
        });
        QVERIFY(!v.ventana->ejecutar());
        QCOMPARE(texto, QStringLiteral("raíz\nto\ns"));
        QVERIFY(abierta);
        QCOMPARE(v.composiciones, 0);
    }

    void memoVacioNoEncuentraNada()
    {
        Ventana v;
        v.hits.set(2, true);
        alAbrirse(*v.ventana, [&] { QTest::keyClick(v.memo(), Qt::Key_Return); });
        QVERIFY(v.ventana->ejecutar());
        QCOMPARE(v.hits.size(), 0);
        QCOMPARE(v.composiciones, 0);
        QVERIFY(v.ventana->terminos().isEmpty());
    }

    void soloRenglonesVacios_data()
    {
        QTest::addColumn<int>("opcion");
        QTest::addColumn<QList<int>>("esperadas");
        QTest::newRow("every: all rows") << 1 << QList<int>{1, 2, 3, 4, 5};
        QTest::newRow("any: none") << 0 << QList<int>{};
    }

    void soloRenglonesVacios()
    {
        QFETCH(int, opcion);
        QFETCH(QList<int>, esperadas);
        Ventana v;
        alAbrirse(*v.ventana, [&] {
            QTest::mouseClick(v.opcion(opcion), Qt::LeftButton);
            v.memo()->setPlainText(QStringLiteral("\n\n"));
            QTest::mouseClick(v.hijo<QPushButton>("Aceptar"), Qt::LeftButton);
        });
        QVERIFY(v.ventana->ejecutar());
        QCOMPARE(claves(v.hits), esperadas);
        QCOMPARE(v.memo()->toPlainText(), QString());
        QCOMPARE(v.composiciones, 1);
    }

    // The memo shows the folded terms without the empty lines, and keeps them
    // and the choice of OrAnd for the next showing; the bar ran to the row count.
    void terminosPlegadosYBarra()
    {
        Ventana v;
        QProgressBar *barra = v.hijo<QProgressBar>("Barra");
        QSignalSpy pasos(barra, &QProgressBar::valueChanged);
        alAbrirse(*v.ventana, [&] {
            QTest::mouseClick(v.opcion(0), Qt::LeftButton);
            v.memo()->setPlainText(QStringLiteral("raíz\n\n\nRen shen\n\n"));
            QTest::mouseClick(v.hijo<QPushButton>("Aceptar"), Qt::LeftButton);
        });
        QVERIFY(v.ventana->ejecutar());
        QCOMPARE(v.memo()->toPlainText(), QStringLiteral("RAIZ\nREN SHEN"));
        QCOMPARE(v.ventana->terminos(), (QStringList{"RAIZ", "REN SHEN"}));
        QCOMPARE(claves(v.hits), (QList<int>{1, 2, 5}));
        QCOMPARE(barra->maximum(), kFilas);
        QCOMPARE(barra->value(), 0);
        QVERIFY(pasos.size() >= 2);
        QCOMPARE(pasos.at(pasos.size() - 2).first().toInt(), kFilas);
        QCOMPARE(pasos.last().first().toInt(), 0);

        QString alVolver;
        bool cualquiera = false;
        alAbrirse(*v.ventana, [&] {
            alVolver = v.memo()->toPlainText();
            cualquiera = v.opcion(0)->isChecked();
            QTest::keyClick(v.memo(), Qt::Key_Escape);
        });
        QVERIFY(!v.ventana->ejecutar());
        QCOMPARE(alVolver, QStringLiteral("RAIZ\nREN SHEN"));
        QVERIFY(cualquiera);
    }

    // Esc leaves the window without OK and the hit set as it was.
    void escConservaElResultado()
    {
        Ventana v;
        alAbrirse(*v.ventana, [&] {
            escribir(v.memo(), QStringLiteral("tos"));
            QTest::mouseClick(v.hijo<QPushButton>("Aceptar"), Qt::LeftButton);
        });
        QVERIFY(v.ventana->ejecutar());
        QCOMPARE(claves(v.hits), (QList<int>{2, 3}));

        alAbrirse(*v.ventana, [&] {
            v.memo()->selectAll();
            escribir(v.memo(), QStringLiteral("raíz"));
            QTest::keyClick(v.memo(), Qt::Key_Escape);
        });
        QVERIFY(!v.ventana->ejecutar());
        QCOMPARE(claves(v.hits), (QList<int>{2, 3}));
        QCOMPARE(v.ventana->terminos(), QStringList{"TOS"});
        QCOMPARE(v.composiciones, 1);

        alAbrirse(*v.ventana, [&] { QTest::mouseClick(v.hijo<QPushButton>("Cancelar"), Qt::LeftButton); });
        QVERIFY(!v.ventana->ejecutar());
        QCOMPARE(claves(v.hits), (QList<int>{2, 3}));
    }

    void limpiar()
    {
        Ventana v;
        QPushButton *limpiar = v.hijo<QPushButton>("Limpiar");
        bool alEscribir = false, alLimpiar = true, foco = false;
        QString texto;
        alAbrirse(*v.ventana, [&] {
            escribir(v.memo(), QStringLiteral("a"));
            alEscribir = limpiar->isEnabled();
            QTest::mouseClick(limpiar, Qt::LeftButton);
            texto = v.memo()->toPlainText();
            alLimpiar = limpiar->isEnabled();
            foco = v.memo()->hasFocus();
            QTest::keyClick(v.memo(), Qt::Key_Escape);
        });
        QVERIFY(!limpiar->isEnabled());
        QVERIFY(!v.ventana->ejecutar());
        QVERIFY(alEscribir);
        QCOMPARE(texto, QString());
        QVERIFY(!alLimpiar);
        QVERIFY(foco);
    }
};

QTEST_MAIN(TestBuscar)
#include "tst_buscar.moc"
