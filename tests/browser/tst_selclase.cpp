// The class picker driven through its window: list, caption, choosing, "Ninguna", type-ahead and
// editing the class names in place.
#include "browser/SelClase.h"
#include "browser/Textos.h"
#include "browser/TextosError.h"
#include "dbwidgets/DBGrid.h"
#include "dialogs/MensajesScript.h"
#include "dialogs/Sesion.h"
#include "support/Fallos.h"
#include "support/Fixture.h"

#include <QApplication>
#include <QFontDatabase>
#include <QLabel>
#include <QLineEdit>
#include <QPointer>
#include <QPushButton>
#include <QStyle>
#include <QTest>
#include <QTimer>
#include <functional>
#include <optional>

using namespace yb;
using yb::test::BaseBloqueada;
using yb::test::TempDatabase;

namespace {

// Runs `action` on the modal window of that name as soon as it shows and is active, inside its
// modal loop. An action is expected to close the window; one left open is closed afterwards, so
// that a failing step ends in failed checks rather than a hung test.
void alMostrarse(QObject *context, const QString &nombre, std::function<void(QWidget *)> action)
{
    auto *timer = new QTimer(context);
    timer->setInterval(0);
    QObject::connect(timer, &QTimer::timeout, context, [timer, nombre, action] {
        QWidget *w = QApplication::activeModalWidget();
        if (!w || w->objectName() != nombre || !w->isVisible() || !w->isActiveWindow())
            return;
        timer->stop();
        timer->deleteLater();
        QPointer<QWidget> ventana(w);
        action(w);
        if (ventana && ventana->isVisible()) {
            qWarning("%s was left open", qPrintable(nombre));
            ventana->close();
        }
    });
    timer->start();
}

// Types into the in-place edit box once it opens and ends it with `tecla`.
void escribirEnCaja(QObject *context, const QString &texto, Qt::Key tecla)
{
    alMostrarse(context, QStringLiteral("CajaEdicion"), [texto, tecla](QWidget *caja) {
        QLineEdit *ed = caja->findChild<QLineEdit *>(QStringLiteral("Ed"));
        if (!ed) {
            caja->close();
            return;
        }
        QTest::keyClicks(ed, texto);
        QTest::keyClick(ed, tecla);
    });
}

template <typename T>
T *control(QWidget *w, const char *nombre)
{
    return w->findChild<T *>(QLatin1String(nombre));
}

QStringList nombres(DBGrid *gr)
{
    QStringList out;
    for (int row = 0; row < gr->model()->rowCount(); ++row)
        out << gr->model()->index(row, 0).data().toString();
    return out;
}

QString actual(DBGrid *gr)
{
    return gr->currentIndex().isValid() ? gr->model()->index(gr->currentIndex().row(), 0).data().toString() : QString();
}

void pulsar(QWidget *w, const char *boton)
{
    if (auto *b = control<QPushButton>(w, boton))
        QTest::mouseClick(b, Qt::LeftButton);
    else
        w->close();
}

// Once the picker shows: its Modificar down, `accion` on its grid, the names the grid shows
// then into `despues`, and the picker cancelled.
void alEditarNombres(QObject *context, QStringList &despues, std::function<void(QWidget *, DBGrid *)> accion)
{
    alMostrarse(context, QStringLiteral("FSelClase"), [&despues, accion](QWidget *w) {
        DBGrid *gr = control<DBGrid>(w, "Gr");
        if (!gr) {
            w->close();
            return;
        }
        pulsar(w, "Modificar");
        accion(w, gr);
        despues = nombres(gr);
        pulsar(w, "Modificar");
        pulsar(w, "Cancelar");
    });
}

} // namespace

class TestSelClase : public QObject {
    Q_OBJECT

    // Classes 1 Tónicos, 2 Calientes (no sub-classes), 3 Astringentes; sub-classes of
    // Tónicos: 4 Tónicos del yin, 5 Tónicos del qi, 6 Tónicos de la sangre.
    struct Escena {
        TempDatabase db;
        Sesion sesion;
        TFSelClase picker{*db, sesion};

        Escena()
        {
            clase(0, "Tónicos", "Tonics");
            clase(0, "Calientes", "Warming");
            clase(0, "Astringentes", "Astringents");
            clase(1, "Tónicos del yin", "Yin tonics");
            clase(1, "Tónicos del qi", "Qi tonics");
            clase(1, "Tónicos de la sangre", "Blood tonics");
        }

        void clase(int padre, const char *esp, const char *ing)
        {
            db.add("Clases",
                   {{"Padre", padre}, {"NomEsp", QString::fromUtf8(esp)}, {"NomIng", QString::fromUtf8(ing)}});
        }

        // Num and Padre of the class with that Spanish or English name, or (-1, -1).
        QPair<int, int> fila(const QString &nombre)
        {
            Statement s(*db, QStringLiteral("SELECT Num, Padre FROM Clases WHERE NomEsp = ?1 OR NomIng = ?1"));
            s.bind(1, nombre);
            return s.step() ? qMakePair(int(s.int64(0)), int(s.int64(1))) : qMakePair(-1, -1);
        }
    };

private slots:
    void cleanup() { QVERIFY(!QApplication::activeModalWidget()); }

    void captionAndList_data()
    {
        QTest::addColumn<int>("padre");
        QTest::addColumn<int>("clave");
        QTest::addColumn<QString>("titulo");
        QTest::addColumn<QStringList>("lista");
        QTest::addColumn<QString>("enFila");

        // clang-format off
        QTest::newRow("classes") << 0 << 2 << "Seleccione una Clase"
                                 << QStringList{"Astringentes", "Calientes", "Tónicos"} << "Calientes";
        QTest::newRow("sub-classes of a class")
            << 1 << 5 << "Seleccione una Sub-Clase"
            << QStringList{"Tónicos de la sangre", "Tónicos del qi", "Tónicos del yin"} << "Tónicos del qi";
        QTest::newRow("no key: the first name")
            << 0 << 0 << "Seleccione una Clase" << QStringList{"Astringentes", "Calientes", "Tónicos"}
            << "Astringentes";
        // clang-format on
    }

    void captionAndList()
    {
        QFETCH(int, padre);
        QFETCH(int, clave);
        QFETCH(QString, titulo);
        QFETCH(QStringList, lista);
        QFETCH(QString, enFila);

        Escena escena;
        QString vistoTitulo, vistoActual;
        QStringList vistaLista;
        bool conFoco = false;
        bool mostrada = false;
        alMostrarse(this, "FSelClase", [&](QWidget *w) {
            mostrada = true;
            vistoTitulo = w->windowTitle();
            if (DBGrid *gr = control<DBGrid>(w, "Gr")) {
                vistaLista = nombres(gr);
                vistoActual = actual(gr);
                conFoco = QApplication::focusWidget() == gr;
            }
            pulsar(w, "Cancelar");
        });
        const int antes = clave;
        QVERIFY(!escena.picker.elegir(padre, clave));
        QVERIFY(mostrada);
        QCOMPARE(clave, antes);
        QCOMPARE(vistoTitulo, titulo);
        QCOMPARE(vistaLista, lista);
        QCOMPARE(vistoActual, enFila);
        QVERIFY(conFoco);
        QVERIFY(!escena.picker.isVisible());
    }

    // The caption is shown whole by a title bar: the window is as wide as the caption,
    // written as the platform writes it ("… — Yerbalia") in the bold title font, with the
    // window's icon and three buttons beside it.
    void captionFitsItsTitleBar_data()
    {
        QTest::addColumn<bool>("ingles");
        QTest::addColumn<int>("padre");
        QTest::addColumn<QString>("titulo");
        QTest::newRow("classes") << false << 0 << "Seleccione una Clase";
        QTest::newRow("sub-classes") << false << 1 << "Seleccione una Sub-Clase";
        QTest::newRow("English sub-classes") << true << 1 << "Select a Sub-Class";
    }

    void captionFitsItsTitleBar()
    {
        QFETCH(bool, ingles);
        QFETCH(int, padre);
        QFETCH(QString, titulo);
        QGuiApplication::setApplicationDisplayName(QStringLiteral("Yerbalia"));
        Escena escena;
        escena.sesion.setIngles(ingles);
        if (ingles)
            escena.picker.TextosIngles();
        QString visto;
        int ancho = 0;
        alMostrarse(this, "FSelClase", [&](QWidget *w) {
            visto = w->windowTitle();
            ancho = w->width();
            pulsar(w, "Cancelar");
        });
        int clave = 0;
        QVERIFY(!escena.picker.elegir(padre, clave));
        QCOMPARE(visto, titulo);
        QFont fuente = QFontDatabase::systemFont(QFontDatabase::TitleFont);
        fuente.setBold(true);
        const int botones = 4 * escena.picker.style()->pixelMetric(QStyle::PM_TitleBarHeight);
        const int necesario =
            QFontMetrics(fuente).horizontalAdvance(titulo + QStringLiteral(" \u2014 Yerbalia")) + botones;
        QVERIFY2(ancho >= necesario, qPrintable(QStringLiteral("%1 < %2").arg(ancho).arg(necesario)));
    }

    void choosing_data()
    {
        QTest::addColumn<QString>("como");
        QTest::addColumn<int>("elegida");
        QTest::newRow("Down, then Aceptar") << "aceptar" << 1;
        QTest::newRow("Down, then Enter in the grid") << "enter" << 1;
        QTest::newRow("double-click on a row") << "doble" << 3;
    }

    void choosing()
    {
        QFETCH(QString, como);
        QFETCH(int, elegida);
        Escena escena;
        alMostrarse(this, "FSelClase", [&](QWidget *w) {
            DBGrid *gr = control<DBGrid>(w, "Gr");
            if (!gr) {
                w->close();
                return;
            }
            if (como == "doble") {
                const QRect celda = gr->visualRect(gr->model()->index(0, 0));
                QTest::mouseClick(gr->viewport(), Qt::LeftButton, {}, celda.center());
                QTest::mouseDClick(gr->viewport(), Qt::LeftButton, {}, celda.center());
                return;
            }
            QTest::keyClick(gr, Qt::Key_Down);
            if (como == "enter")
                QTest::keyClick(gr, Qt::Key_Return);
            else
                pulsar(w, "Aceptar");
        });
        int clave = 2;
        QVERIFY(escena.picker.elegir(0, clave));
        QCOMPARE(clave, elegida);
        QVERIFY(!escena.picker.isVisible());
    }

    void cancelling_data()
    {
        QTest::addColumn<QString>("como");
        QTest::newRow("Cancelar") << "boton";
        QTest::newRow("Esc in the grid") << "esc";
        QTest::newRow("window closed") << "cerrar";
    }

    void cancelling()
    {
        QFETCH(QString, como);
        Escena escena;
        escena.sesion.setEditor(true);
        escena.sesion.setInterruptor(true);
        alMostrarse(this, "FSelClase", [&](QWidget *w) {
            DBGrid *gr = control<DBGrid>(w, "Gr");
            if (gr)
                QTest::keyClick(gr, Qt::Key_Down);
            if (como == "boton")
                pulsar(w, "Cancelar");
            else if (como == "esc" && gr)
                QTest::keyClick(gr, Qt::Key_Escape);
            else
                w->close();
        });
        int clave = 5;
        QVERIFY(!escena.picker.elegir(1, clave));
        QCOMPARE(clave, 5);
    }

    void ninguna_data()
    {
        QTest::addColumn<bool>("editor");
        QTest::addColumn<bool>("editando");
        QTest::newRow("reader") << false << false;
        QTest::newRow("editor, editing off") << true << false;
        QTest::newRow("editor, editing on") << true << true;
    }

    // "Ninguna" is offered only while editing and means "no class"; the picker's own
    // Modificar only in editor mode.
    void ninguna()
    {
        QFETCH(bool, editor);
        QFETCH(bool, editando);
        Escena escena;
        escena.sesion.setEditor(editor);
        escena.sesion.setInterruptor(editando);
        bool ningunaVisible = false, modificarVisible = false, botonesVisibles = false;
        alMostrarse(this, "FSelClase", [&](QWidget *w) {
            auto *ninguna = control<QPushButton>(w, "Ninguna");
            auto *modificar = control<QPushButton>(w, "Modificar");
            auto *panBot = control<QWidget>(w, "PanBot");
            ningunaVisible = ninguna && ninguna->isVisible();
            modificarVisible = modificar && modificar->isVisible();
            botonesVisibles = panBot && panBot->isVisible();
            pulsar(w, ningunaVisible ? "Ninguna" : "Cancelar");
        });
        int clave = 2;
        QCOMPARE(escena.picker.elegir(0, clave), editando);
        QCOMPARE(clave, editando ? 0 : 2);
        QCOMPARE(ningunaVisible, editando);
        QCOMPARE(modificarVisible, editor);
        QVERIFY(botonesVisibles);
    }

    void noSubClassesWhileNotEditing()
    {
        Escena escena;
        escena.sesion.setEditor(true);
        QObject guardia;
        bool mostrada = false;
        alMostrarse(&guardia, "FSelClase", [&](QWidget *w) {
            mostrada = true;
            w->close();
        });
        Mensajes::Script script({Respuesta::Ok});
        int clave = 7;
        QVERIFY(!escena.picker.elegir(2, clave));
        QCoreApplication::processEvents();
        QCOMPARE(script.texts(), QStringList{"No hay Sub-Clases"});
        QCOMPARE(clave, 7);
        QVERIFY(!mostrada);
    }

    void insertAddsFirstSubClass_data()
    {
        QTest::addColumn<int>("tecla");
        QTest::newRow("name accepted") << int(Qt::Key_Return);
        QTest::newRow("name cancelled") << int(Qt::Key_Escape);
    }

    // With editing on, a class without sub-classes shows an empty list where Insert adds one.
    void insertAddsFirstSubClass()
    {
        QFETCH(int, tecla);
        const bool aceptada = tecla == Qt::Key_Return;
        Escena escena;
        escena.sesion.setEditor(true);
        escena.sesion.setInterruptor(true);
        const int filasAntes = escena.db.count("Clases");
        int vacia = -1;
        bool botonesOcultos = false, botonesDeVuelta = false;
        QStringList despues;
        alMostrarse(this, "FSelClase", [&](QWidget *w) {
            DBGrid *gr = control<DBGrid>(w, "Gr");
            auto *panBot = control<QWidget>(w, "PanBot");
            if (!gr || !panBot) {
                w->close();
                return;
            }
            vacia = gr->model()->rowCount();
            pulsar(w, "Modificar");
            botonesOcultos = !panBot->isVisible();
            escribirEnCaja(w, "Calor interno", Qt::Key(tecla));
            QTest::keyClick(gr, Qt::Key_Insert);
            despues = nombres(gr);
            pulsar(w, "Modificar");
            botonesDeVuelta = panBot->isVisible();
            pulsar(w, "Aceptar");
        });
        int clave = 0;
        QVERIFY(escena.picker.elegir(2, clave));
        QCOMPARE(vacia, 0);
        QVERIFY(botonesOcultos);
        QVERIFY(botonesDeVuelta);
        if (aceptada) {
            QCOMPARE(despues, QStringList{"Calor interno"});
            const auto [num, padre] = escena.fila("Calor interno");
            QCOMPARE(padre, 2);
            QCOMPARE(clave, num);
            QCOMPARE(escena.db.count("Clases"), filasAntes + 1);
        } else {
            QCOMPARE(despues, QStringList{});
            QCOMPARE(clave, 0);
            QCOMPARE(escena.db.count("Clases"), filasAntes);
        }
    }

    // While the picker's Modificar is down, Enter renames the selected class in place and
    // does not choose.
    void enterRenamesInPlace()
    {
        Escena escena;
        escena.sesion.setEditor(true);
        escena.sesion.setInterruptor(true);
        bool siguioAbierta = false;
        QStringList despues;
        alEditarNombres(this, despues, [&](QWidget *w, DBGrid *gr) {
            escribirEnCaja(w, "Secantes", Qt::Key_Return);
            QTest::keyClick(gr, Qt::Key_Return);
            siguioAbierta = w->isVisible();
        });
        int clave = 3;
        QVERIFY(!escena.picker.elegir(0, clave));
        QVERIFY(siguioAbierta);
        QCOMPARE(despues, (QStringList{"Calientes", "Secantes", "Tónicos"}));
        QCOMPARE(escena.fila("Secantes"), qMakePair(3, 0));
        QCOMPARE(clave, 3);
    }

    void nameTypedWhileTheDatabaseIsHeldIsKept_data()
    {
        QTest::addColumn<bool>("nueva");
        QTest::addColumn<bool>("reintentar");
        QTest::addColumn<bool>("ingles");
        QTest::addColumn<QString>("nombre");
        QTest::addColumn<QStringList>("lista");
        // clang-format off
        QTest::newRow("renamed, stored once free")
            << false << true << false << "Secantes" << QStringList{"Calientes", "Secantes", "Tónicos"};
        QTest::newRow("renamed, given up")
            << false << false << false << "Secantes" << QStringList{"Astringentes", "Calientes", "Tónicos"};
        QTest::newRow("new class, stored once free")
            << true << true << false << "Calor interno"
            << QStringList{"Astringentes", "Calientes", "Calor interno", "Tónicos"};
        QTest::newRow("new class, given up")
            << true << false << false << "Calor interno" << QStringList{"Astringentes", "Calientes", "Tónicos"};
        QTest::newRow("renamed in English, stored once free")
            << false << true << true << "Drying" << QStringList{"Drying", "Tonics", "Warming"};
        // clang-format on
    }

    // A name typed in place while another program holds the database: the failure is told,
    // the box opens again with the name as typed; Enter stores it once the database is
    // free, Esc gives it up.
    void nameTypedWhileTheDatabaseIsHeldIsKept()
    {
        QFETCH(bool, nueva);
        QFETCH(bool, reintentar);
        QFETCH(bool, ingles);
        QFETCH(QString, nombre);
        QFETCH(QStringList, lista);
        Escena escena;
        escena.sesion.setEditor(true);
        escena.sesion.setInterruptor(true);
        escena.sesion.setIngles(ingles);
        if (ingles)
            escena.picker.TextosIngles();
        const int filasAntes = escena.db.count("Clases");
        std::optional<BaseBloqueada> bloqueo;
        Mensajes::Script script({Respuesta::Ok});
        QStringList mensajes;
        QString enLaCaja = "-";
        QStringList despues;
        alEditarNombres(this, despues, [&](QWidget *w, DBGrid *gr) {
            bloqueo.emplace(*escena.db);
            alMostrarse(w, "CajaEdicion", [&](QWidget *caja) {
                QLineEdit *ed = caja->findChild<QLineEdit *>(QStringLiteral("Ed"));
                QTest::keyClicks(ed, nombre);
                // The box once more, after the failed post.
                alMostrarse(w, "CajaEdicion", [&](QWidget *otra) {
                    QLineEdit *otraEd = otra->findChild<QLineEdit *>(QStringLiteral("Ed"));
                    enLaCaja = otraEd->text();
                    mensajes = script.texts();
                    if (reintentar)
                        bloqueo->soltar();
                    QTest::keyClick(otraEd, reintentar ? Qt::Key_Return : Qt::Key_Escape);
                });
                QTest::keyClick(ed, Qt::Key_Return);
            });
            QTest::keyClick(gr, nueva ? Qt::Key_Insert : Qt::Key_Return);
        });
        int clave = 3;
        QVERIFY(!escena.picker.elegir(0, clave));
        QCOMPARE(mensajes, QStringList{textoNoGuardado(DbError(DbError::Code::Busy, {}), ingles)});
        QCOMPARE(enLaCaja, nombre);
        QCOMPARE(despues, lista);
        QCOMPARE(escena.db.count("Clases"), filasAntes + (nueva && reintentar ? 1 : 0));
        if (reintentar)
            QCOMPARE(escena.fila(nombre), qMakePair(nueva ? filasAntes + 1 : 3, 0));
        else
            QCOMPARE(escena.fila(nombre), qMakePair(-1, -1));
    }

    void typeAheadRule_data()
    {
        QTest::addColumn<QString>("texto");
        QTest::addColumn<int>("tecla");
        QTest::addColumn<int>("accion");
        QTest::addColumn<QString>("despues");

        const int buscar = TFSelClase::Tecleo::Buscar, nada = TFSelClase::Tecleo::Nada,
                  vaciar = TFSelClase::Tecleo::Vaciar;
        QTest::newRow("letter as capital") << "T" << int(Qt::Key_O) << buscar << "TO";
        QTest::newRow("digit") << "A" << int(Qt::Key_7) << buscar << "A7";
        QTest::newRow("space") << "TO" << int(Qt::Key_Space) << buscar << "TO ";
        QTest::newRow("backspace") << "TON" << int(Qt::Key_Backspace) << buscar << "TO";
        QTest::newRow("backspace on nothing") << "" << int(Qt::Key_Backspace) << buscar << "";
        QTest::newRow("shift") << "TO" << int(Qt::Key_Shift) << nada << "TO";
        QTest::newRow("control") << "TO" << int(Qt::Key_Control) << nada << "TO";
        QTest::newRow("alt") << "TO" << int(Qt::Key_Alt) << nada << "TO";
        QTest::newRow("pause") << "TO" << int(Qt::Key_Pause) << nada << "TO";
        QTest::newRow("caps lock") << "TO" << int(Qt::Key_CapsLock) << nada << "TO";
        QTest::newRow("arrow") << "TO" << int(Qt::Key_Down) << vaciar << "";
        QTest::newRow("punctuation") << "TO" << int(Qt::Key_Minus) << vaciar << "";
        QTest::newRow("accented letter") << "TO" << int(Qt::Key_Eacute) << vaciar << "";
    }

    void typeAheadRule()
    {
        QFETCH(QString, texto);
        QFETCH(int, tecla);
        QFETCH(int, accion);
        QFETCH(QString, despues);
        const TFSelClase::Tecleo t = TFSelClase::teclear(texto, tecla);
        QCOMPARE(int(t.accion), accion);
        QCOMPARE(t.texto, despues);
    }

    // Keys in the grid build the text in LabBus and move to the nearest name.
    void typeAheadInTheGrid()
    {
        Escena escena;
        escena.sesion.setEditor(true);
        QStringList pasos;
        QString alSalir = "-";
        QString conModificar = "-";
        alMostrarse(this, "FSelClase", [&](QWidget *w) {
            DBGrid *gr = control<DBGrid>(w, "Gr");
            QLabel *lab = control<QLabel>(w, "LabBus");
            if (!gr || !lab) {
                w->close();
                return;
            }
            const auto tecla = [&](Qt::Key k) {
                QTest::keyClick(gr, k);
                pasos << lab->text() + " | " + actual(gr);
            };
            tecla(Qt::Key_C);
            tecla(Qt::Key_A);
            tecla(Qt::Key_T);
            tecla(Qt::Key_Shift);
            tecla(Qt::Key_Backspace);
            tecla(Qt::Key_Backspace);
            tecla(Qt::Key_Backspace);
            tecla(Qt::Key_Z);
            tecla(Qt::Key_Up);
            tecla(Qt::Key_1);
            tecla(Qt::Key_Space);

            QTest::keyClick(gr, Qt::Key_T);
            control<QPushButton>(w, "Aceptar")->setFocus();
            alSalir = lab->text();

            gr->setFocus();
            pulsar(w, "Modificar");
            QTest::keyClick(gr, Qt::Key_T);
            conModificar = lab->text() + " | " + actual(gr);
            pulsar(w, "Modificar");
            pulsar(w, "Cancelar");
        });
        int clave = 0;
        QVERIFY(!escena.picker.elegir(0, clave));
        const QStringList esperado{
            "C | Calientes",  "CA | Calientes",   "CAT | Tónicos",     "CAT | Tónicos",
            "CA | Calientes", "C | Calientes",    " | Astringentes",   "Z | Tónicos",
            " | Calientes",   "1 | Astringentes", "1  | Astringentes",
        };
        QCOMPARE(pasos, esperado);
        QCOMPARE(alSalir, QString());
        QCOMPARE(conModificar, QStringLiteral(" | Astringentes"));
    }

    // The picker lives for the whole run: a class, then one of its sub-classes.
    void classThenSubClass()
    {
        Escena escena;
        escena.sesion.setInterruptor(true);
        QStringList segunda;
        alMostrarse(this, "FSelClase", [&](QWidget *w) {
            if (DBGrid *gr = control<DBGrid>(w, "Gr")) {
                QTest::keyClick(gr, Qt::Key_T);
                QTest::keyClick(gr, Qt::Key_Return);
            } else {
                w->close();
            }
        });
        int clase = 0;
        QVERIFY(escena.picker.elegir(0, clase));
        QCOMPARE(clase, 1);

        alMostrarse(this, "FSelClase", [&](QWidget *w) {
            if (DBGrid *gr = control<DBGrid>(w, "Gr"))
                segunda = nombres(gr);
            pulsar(w, "Aceptar");
        });
        int subClase = 0;
        QVERIFY(escena.picker.elegir(clase, subClase));
        QCOMPARE(segunda, (QStringList{"Tónicos de la sangre", "Tónicos del qi", "Tónicos del yin"}));
        QCOMPARE(subClase, 6);
    }

    void english()
    {
        Escena escena;
        escena.sesion.setIngles(true);
        escena.sesion.setInterruptor(true);
        escena.picker.TextosIngles();
        QString titulo;
        QStringList lista, botones;
        alMostrarse(this, "FSelClase", [&](QWidget *w) {
            titulo = w->windowTitle();
            if (DBGrid *gr = control<DBGrid>(w, "Gr"))
                lista = nombres(gr);
            for (const char *b : {"Ninguna", "Aceptar", "Cancelar", "Modificar"})
                if (auto *boton = control<QPushButton>(w, b))
                    botones << boton->text();
            pulsar(w, "Cancelar");
        });
        int clave = 0;
        QVERIFY(!escena.picker.elegir(1, clave));
        QCOMPARE(titulo, QStringLiteral("Select a Sub-Class"));
        QCOMPARE(lista, (QStringList{"Blood tonics", "Qi tonics", "Yin tonics"}));
        QCOMPARE(botones, (QStringList{"None", "Ok", "Cancel", "Modificar"}));
    }
};

QTEST_MAIN(TestSelClase)
#include "tst_selclase.moc"
