// Editing a grid cell in place: the box over the cell, the value stored on Enter, nothing on Esc.
#include "dbwidgets/DBGrid.h"
#include "dbwidgets/EditarCelda.h"
#include "support/Fixture.h"
#include "support/Modal.h"

#include <QApplication>
#include <QLineEdit>
#include <QPointer>
#include <QTest>
#include <QTimer>
#include <QVBoxLayout>
#include <functional>

using namespace yb;
using yb::test::TempDatabase;

using yb::test::alAbrirse;

namespace {} // namespace

class TestEditarCelda : public QObject {
    Q_OBJECT

    // Herbs in key order: 1 Gan Cao, 2 Ren Shen, 3 Bai Zhu; a grid with a stored name, the key,
    // a species looked up by key and a column shown read-only.
    struct Escena {
        TempDatabase db;
        Cursor especies{*db, "Especies"};
        Cursor plan{*db, "Plantas"};
        DataSource source{&plan};
        QWidget ventana;
        DBGrid *grid;

        Escena()
        {
            db.add("Especies", {{"Nom", "Raíz"}});
            db.herb("Gan Cao", "Radix Glycyrrhizae");
            db.herb("Ren Shen", "Radix Ginseng");
            db.herb("Bai Zhu", "Rhizoma Atractylodis");
            plan.addLookupField({"Especie", "KEspecie", &especies, "Clave", "Nom", 20});
            plan.open();
            grid = new DBGrid(&ventana);
            grid->setObjectName("Grid");
            grid->setReadOnly(true);
            grid->setDataSource(&source);
            grid->setColumns({{"PinYin", "Nombre", {}, 120},
                              {"Clave", "Clave", {}, 50},
                              {"Especie", "Especie", {}, 80},
                              {"Nom0", "Latín", {}, 120, true}});
            auto *layout = new QVBoxLayout(&ventana);
            layout->addWidget(grid);
            ventana.resize(420, 260);
        }

        bool show()
        {
            ventana.show();
            return QTest::qWaitForWindowExposed(&ventana);
        }

        void ir(int recNo, int column)
        {
            plan.setRecNo(recNo);
            grid->setCurrentIndex(grid->model()->index(recNo - 1, column));
        }

        QString guardado(int clave)
        {
            Statement s(*db, QStringLiteral("SELECT PinYin FROM Plantas WHERE Clave = ?"));
            s.bind(1, clave);
            return s.step() ? s.text(0) : QString();
        }
    };

private slots:
    void cleanup() { QVERIFY(!QApplication::activeModalWidget()); }

    void acceptedValueIsStored()
    {
        Escena escena;
        QVERIFY(escena.show());
        escena.ir(2, 0);
        const QModelIndex celda = escena.grid->model()->index(1, 0);
        const QRect esperado(escena.grid->viewport()->mapToGlobal(escena.grid->visualRect(celda).topLeft()),
                             escena.grid->visualRect(celda).size());

        QRect geometria;
        QString seleccion;
        QFont letra;
        alAbrirse(this, [&](QWidget *caja, QLineEdit *ed) {
            geometria = caja->geometry();
            if (!ed) {
                caja->close();
                return;
            }
            seleccion = ed->selectedText();
            letra = ed->font();
            QTest::keyClicks(ed, "Xi Yang Shen");
            QTest::keyClick(ed, Qt::Key_Return);
        });
        QVERIFY(EditarCelda(escena.grid));

        QCOMPARE(geometria, esperado);
        QCOMPARE(seleccion, QStringLiteral("Ren Shen"));
        QCOMPARE(letra, escena.grid->viewport()->font());
        QCOMPARE(escena.guardado(2), QStringLiteral("Xi Yang Shen"));
        QCOMPARE(escena.plan.state(), Cursor::State::Browse);
        QCOMPARE(escena.grid->model()->index(1, 0).data().toString(), QStringLiteral("Xi Yang Shen"));
        QCOMPARE(escena.guardado(1), QStringLiteral("Gan Cao"));
    }

    // A row already being edited keeps its pending change: nothing is posted for it.
    void rowAlreadyEditedIsNotPosted()
    {
        Escena escena;
        QVERIFY(escena.show());
        escena.ir(3, 0);
        escena.plan.edit();
        alAbrirse(this, [&](QWidget *caja, QLineEdit *ed) {
            if (!ed) {
                caja->close();
                return;
            }
            QTest::keyClicks(ed, "Bai Zhu Tan");
            QTest::keyClick(ed, Qt::Key_Return);
        });
        QVERIFY(EditarCelda(escena.grid));
        QCOMPARE(escena.plan.state(), Cursor::State::Edit);
        QCOMPARE(escena.plan.asString(u"PinYin"), QStringLiteral("Bai Zhu Tan"));
        QCOMPARE(escena.guardado(3), QStringLiteral("Bai Zhu"));
        QVERIFY(escena.plan.post());
        QCOMPARE(escena.guardado(3), QStringLiteral("Bai Zhu Tan"));
    }

    void cancelStoresNothing()
    {
        Escena escena;
        QVERIFY(escena.show());
        escena.ir(1, 0);
        bool abierta = false;
        alAbrirse(this, [&](QWidget *caja, QLineEdit *ed) {
            abierta = true;
            if (ed)
                QTest::keyClicks(ed, "Otra cosa");
            QTest::keyClick(ed ? static_cast<QWidget *>(ed) : caja, Qt::Key_Escape);
        });
        QVERIFY(!EditarCelda(escena.grid));
        QVERIFY(abierta);
        QCOMPARE(escena.plan.state(), Cursor::State::Browse);
        QCOMPARE(escena.guardado(1), QStringLiteral("Gan Cao"));
        QCOMPARE(escena.plan.asString(u"PinYin"), QStringLiteral("Gan Cao"));
    }

    void fieldsThatCannotBeTyped_data()
    {
        QTest::addColumn<int>("column");
        QTest::newRow("key numbered by the table") << 1;
        QTest::newRow("looked-up species") << 2;
        QTest::newRow("column shown read-only") << 3;
    }

    void fieldsThatCannotBeTyped()
    {
        QFETCH(int, column);
        Escena escena;
        QVERIFY(escena.show());
        escena.ir(2, column);
        QCOMPARE(escena.grid->currentIndex().column(), column);
        QObject guardia;
        bool abierta = false;
        alAbrirse(&guardia, [&](QWidget *caja, QLineEdit *) {
            abierta = true;
            caja->close();
        });
        QVERIFY(!EditarCelda(escena.grid));
        QCoreApplication::processEvents();
        QVERIFY(!abierta);
        QCOMPARE(escena.plan.state(), Cursor::State::Browse);
    }
};

QTEST_MAIN(TestEditarCelda)
#include "tst_editarcelda.moc"
