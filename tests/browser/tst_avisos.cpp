// Errors met by the data-aware controls reach the user through the message
// dialogs, in the interface language, and what the user typed stays: a grid
// cell whose post fails (the database held by another program), a value the
// field refuses, in a grid cell and in an edit box.
#include "browser/Avisos.h"
#include "browser/Textos.h"
#include "browser/TextosError.h"
#include "dbwidgets/DBControls.h"
#include "dbwidgets/DBGrid.h"
#include "dialogs/MensajesScript.h"
#include "support/Fallos.h"
#include "support/Fixture.h"

#include <QLineEdit>
#include <QTest>
#include <QVBoxLayout>

using namespace yb;
using yb::test::BaseBloqueada;
using yb::test::TempDatabase;

namespace {

const QString kNoGuardado = "No se pudo guardar lo escrito: ";

} // namespace

class TestAvisos : public QObject {
    Q_OBJECT

    // Herbs in key order, numbered by Orden: 1 Gan Cao, 2 Ren Shen, 3 Bai Zhu; a window
    // whose data source tells its errors through the message dialogs.
    struct Escena {
        TempDatabase db;
        Cursor plan{*db, "Plantas"};
        DataSource source{&plan};
        QWidget ventana;
        bool ingles = false;

        Escena()
        {
            db.herb("Gan Cao");
            db.herb("Ren Shen");
            db.herb("Bai Zhu");
            plan.open();
            avisarFallos(&source, [this] { return ingles; });
            new QVBoxLayout(&ventana);
        }

        DBGrid *grid()
        {
            auto *grid = new DBGrid(&ventana);
            grid->setObjectName("Grid");
            grid->setDataSource(&source);
            grid->setColumns({{"PinYin", "Nombre", {}, 150}, {"Orden", "Orden", {}, 60}});
            ventana.layout()->addWidget(grid);
            return grid;
        }

        bool show()
        {
            ventana.resize(360, 260);
            ventana.show();
            return QTest::qWaitForWindowExposed(&ventana);
        }

        QString stored(int clave, const char *campo)
        {
            Statement s(*db, QStringLiteral("SELECT %1 FROM Plantas WHERE Clave = ?").arg(campo));
            s.bind(1, clave);
            return s.step() ? s.text(0) : QString();
        }
    };

    static void clickCell(DBGrid *grid, int row, int column)
    {
        const QRect cell = grid->visualRect(grid->model()->index(row, column));
        QTest::mouseClick(grid->viewport(), Qt::LeftButton, {}, cell.center());
    }

    // The cell's editor, opened with F2, the caret at the end of its text.
    static QLineEdit *openEditor(DBGrid *grid)
    {
        QTest::keyClick(grid, Qt::Key_F2);
        auto *editor = grid->viewport()->findChild<QLineEdit *>();
        if (editor)
            QTest::keyClick(editor, Qt::Key_End);
        return editor;
    }

    static QString cell(DBGrid *grid, int row, int column)
    {
        return grid->model()->index(row, column).data().toString();
    }

private slots:
    void gridCellWhosePostFailsKeepsTheValue_data()
    {
        QTest::addColumn<bool>("ingles");
        QTest::newRow("Spanish") << false;
        QTest::newRow("English") << true;
    }

    // The value stays in its cell and its record, and the view on its row, until the
    // database is free: then leaving the row stores it.
    void gridCellWhosePostFailsKeepsTheValue()
    {
        QFETCH(bool, ingles);
        Escena escena;
        escena.ingles = ingles;
        DBGrid *grid = escena.grid();
        QVERIFY(escena.show());
        clickCell(grid, 2, 0);
        BaseBloqueada bloqueo(*escena.db);
        {
            Mensajes::Script script({Respuesta::Ok, Respuesta::Ok});
            QLineEdit *editor = openEditor(grid);
            QVERIFY(editor);
            QTest::keyClicks(editor, " Chao");
            QTest::keyClick(editor, Qt::Key_Return);
            QTRY_COMPARE(script.texts().size(), 1);
            QCOMPARE(script.texts()[0], textoNoGuardado(DbError(DbError::Code::Busy, {}), ingles));
            QCOMPARE(cell(grid, 2, 0), QString("Bai Zhu Chao"));
            QCOMPARE(escena.stored(3, "PinYin"), QString("Bai Zhu"));

            clickCell(grid, 0, 0); // leaving the row tries again, and fails again
            QCOMPARE(script.texts().size(), 2);
            QCOMPARE(grid->currentIndex().row(), 2);
            QCOMPARE(escena.plan.asString(u"PinYin"), QString("Bai Zhu Chao"));
            QCOMPARE(cell(grid, 0, 0), QString("Gan Cao"));
        }
        bloqueo.soltar();
        clickCell(grid, 0, 0);
        QCOMPARE(grid->currentIndex().row(), 0);
        QCOMPARE(escena.stored(3, "PinYin"), QString("Bai Zhu Chao"));
        QCOMPARE(cell(grid, 2, 0), QString("Bai Zhu Chao"));
    }

    // A value the field refuses is told once the editor has closed, and typed into the
    // cell's editor again, to be corrected.
    void gridCellValueRefusedIsOfferedAgain()
    {
        Escena escena;
        DBGrid *grid = escena.grid();
        QVERIFY(escena.show());
        clickCell(grid, 1, 1);
        Mensajes::Script script({Respuesta::Ok});
        QLineEdit *editor = openEditor(grid);
        QVERIFY(editor);
        QCOMPARE(editor->text(), QString("2"));
        QTest::keyClicks(editor, "x");
        QTest::keyClick(editor, Qt::Key_Return);
        QTRY_COMPARE(script.texts().size(), 1);
        QVERIFY2(script.texts()[0].startsWith(kNoGuardado + "el valor no es válido para el campo."),
                 qPrintable(script.texts()[0]));
        QVERIFY(script.texts()[0].endsWith("Corríjalo y vuelva a intentarlo."));

        auto *again = qobject_cast<QLineEdit *>(grid->indexWidget(grid->model()->index(1, 1)));
        QVERIFY(again && again->isVisible());
        QCOMPARE(again->text(), QString("2x"));
        QCOMPARE(grid->currentIndex(), grid->model()->index(1, 1));
        QTest::keyClick(again, Qt::Key_Backspace);
        QTest::keyClicks(again, "5");
        QTest::keyClick(again, Qt::Key_Return);
        QTRY_COMPARE(escena.stored(2, "Orden"), QString("25"));
        QCOMPARE(cell(grid, 1, 1), QString("25"));
    }

    // An edit box says so too; it shows the record's value again.
    void editBoxValueRefusedIsTold()
    {
        Escena escena;
        auto *ed = new DBEdit(&escena.ventana);
        ed->setDataSource(&escena.source);
        ed->setDataField("Orden");
        escena.ventana.layout()->addWidget(ed);
        QVERIFY(escena.show());
        Mensajes::Script script({Respuesta::Ok});
        QTest::keyClick(ed, Qt::Key_End);
        QTest::keyClicks(ed, "x");
        QCOMPARE(script.texts().size(), 1);
        QVERIFY(script.texts()[0].startsWith(kNoGuardado + "el valor no es válido para el campo."));
        QCOMPARE(ed->text(), QString("1"));
        QCOMPARE(escena.plan.asString(u"Orden"), QString("1"));
    }
};

QTEST_MAIN(TestAvisos)
#include "tst_avisos.moc"
