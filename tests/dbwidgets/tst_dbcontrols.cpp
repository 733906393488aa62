// Data-aware controls driven by clicks and keys: grid, edit box, memo, label and picture.
#include "dbwidgets/DBControls.h"
#include "dbwidgets/DBGrid.h"
#include "support/Fixture.h"

#include <QApplication>
#include <QBuffer>
#include <QImage>
#include <QScrollBar>
#include <QSignalSpy>
#include <QTest>
#include <QVBoxLayout>

using namespace yb;
using yb::test::TempDatabase;

class TestDBControls : public QObject {
    Q_OBJECT

    // Herbs in key order: 1 Gan Cao, 2 Ren Shen, 3 Bai Zhu, 4 Huang Qi; the species of
    // each looked up by key.
    struct Scene {
        TempDatabase db;
        Cursor especies{*db, "Especies"};
        Cursor plan{*db, "Plantas"};
        DataSource source;
        QWidget window;

        Scene()
        {
            db.herb("Gan Cao", "Radix Glycyrrhizae");
            db.herb("Ren Shen", "Radix Ginseng");
            db.herb("Bai Zhu", "Rhizoma Atractylodis");
            db.herb("Huang Qi", "Radix Astragali");
            plan.addLookupField({"Especie", "KEspecie", &especies, "Clave", "Nom", 20});
            plan.open();
            source.setObjectName("SPlan");
            source.setCursor(&plan);
            new QVBoxLayout(&window);
        }

        template <typename Control>
        Control *add(const char *name, const QString &field)
        {
            auto *control = new Control(&window);
            control->setObjectName(name);
            window.layout()->addWidget(control);
            if constexpr (!std::is_same_v<Control, DBGrid>) {
                control->setDataSource(&source);
                control->setDataField(field);
            }
            return control;
        }

        bool show()
        {
            window.resize(400, 500);
            window.show();
            return QTest::qWaitForWindowExposed(&window);
        }

        QVariant storedValue(int clave, const QString &field)
        {
            Statement s(*db, QStringLiteral("SELECT \"%1\" FROM Plantas WHERE Clave = ?").arg(field));
            s.bind(1, clave);
            return s.step() ? s.value(0, plan.fieldDef(plan.fieldIndex(field)).type) : QVariant();
        }
    };

    static DBGrid *makeGrid(Scene &scene)
    {
        auto *grid = scene.add<DBGrid>("GrNom", {});
        grid->setDataSource(&scene.source);
        grid->setColumns({{"PinYin", "Nombre", {}, 150}, {"Nom0", "Latín", {}, 150}});
        return grid;
    }

    static void clickRow(DBGrid *grid, int row)
    {
        const QRect cell = grid->visualRect(grid->model()->index(row, 0));
        QTest::mouseClick(grid->viewport(), Qt::LeftButton, {}, cell.center());
    }

    static QByteArray png(QSize size)
    {
        QImage image(size, QImage::Format_RGB32);
        image.fill(Qt::darkGreen);
        QByteArray bytes;
        QBuffer buffer(&bytes);
        buffer.open(QIODevice::WriteOnly);
        image.save(&buffer, "PNG");
        return bytes;
    }

private slots:
    void gridAndCursorFollowEachOther()
    {
        Scene scene;
        DBGrid *grid = makeGrid(scene);
        QVERIFY(scene.show());
        QCOMPARE(grid->model()->rowCount(), 4);
        QCOMPARE(grid->currentIndex().row(), 0);

        scene.plan.setRecNo(3);
        QCOMPARE(grid->currentIndex().row(), 2);
        QCOMPARE(grid->selectionModel()->selectedRows(), QModelIndexList{grid->model()->index(2, 0)});

        clickRow(grid, 1);
        QCOMPARE(scene.plan.recNo(), 2);
        QCOMPARE(scene.plan.asString(u"PinYin"), QString("Ren Shen"));
        QCOMPARE(grid->selectionModel()->selectedRows().size(), 1);

        // The rows follow a filter; the current row stays the cursor's.
        scene.plan.setFilter("PinYin='Huang Qi'");
        scene.plan.setFiltered(true);
        QCOMPARE(grid->model()->rowCount(), 1);
        QCOMPARE(grid->currentIndex().row(), 0);
        scene.plan.setFiltered(false);
        scene.plan.last();
        QCOMPARE(grid->currentIndex().row(), 3);

        // A grid whose data source loses its cursor is empty.
        scene.source.setCursor(nullptr);
        QCOMPARE(grid->model()->rowCount(), 0);
        QVERIFY(!grid->currentIndex().isValid());
    }

    // Keys move a grid by records: Home and End to the first and the last one, and a
    // printable key does not jump to a row by the text it shows.
    void gridKeysMoveByRecords_data()
    {
        QTest::addColumn<int>("key");
        QTest::addColumn<QString>("text");
        QTest::addColumn<int>("recNo"); // 0: the last
        QTest::newRow("Home") << int(Qt::Key_Home) << "" << 1;
        QTest::newRow("End") << int(Qt::Key_End) << "" << 0;
        QTest::newRow("a letter") << int(Qt::Key_H) << "h" << 2;
        QTest::newRow("a digit") << int(Qt::Key_1) << "1" << 2;
    }

    void gridKeysMoveByRecords()
    {
        QFETCH(int, key);
        QFETCH(QString, text);
        QFETCH(int, recNo);
        Scene scene;
        scene.db.herb("1 Wei");
        DBGrid *grid = makeGrid(scene);
        scene.source.setAutoEdit(false);
        QVERIFY(scene.show());
        clickRow(grid, 1); // Ren Shen
        QTest::sendKeyEvent(QTest::Click, grid, Qt::Key(key), text, Qt::NoModifier);
        QCOMPARE(scene.plan.recNo(), recNo == 0 ? scene.plan.recordCount() : recNo);
        QCOMPARE(grid->currentIndex().row(), scene.plan.recNo() - 1);
    }

    void gridEditsOnlyWhileEditingIsOn_data()
    {
        QTest::addColumn<bool>("autoEdit");
        QTest::addColumn<QString>("expected");
        QTest::newRow("editing on") << true << "Bai Zhu Chao";
        QTest::newRow("editing off") << false << "Bai Zhu";
    }

    void gridEditsOnlyWhileEditingIsOn()
    {
        QFETCH(bool, autoEdit);
        QFETCH(QString, expected);
        Scene scene;
        DBGrid *grid = makeGrid(scene);
        scene.source.setAutoEdit(autoEdit);
        QVERIFY(scene.show());
        clickRow(grid, 2);
        QCOMPARE(scene.plan.recNo(), 3);

        QTest::keyClick(grid, Qt::Key_F2);
        auto *editor = grid->viewport()->findChild<QLineEdit *>();
        QCOMPARE(editor != nullptr && editor->isVisible(), autoEdit);
        QWidget *typedInto = editor ? static_cast<QWidget *>(editor) : grid;
        if (editor) // the caret to the end; in the grid, End goes to the last record
            QTest::keyClick(typedInto, Qt::Key_End);
        QTest::keyClicks(typedInto, " Chao");
        QCOMPARE(scene.plan.state(), Cursor::State::Browse); // nothing assigned before the editor commits
        QTest::keyClick(typedInto, Qt::Key_Return);

        // The delegate commits the editor from the event loop.
        QTRY_COMPARE(scene.storedValue(3, "PinYin").toString(), expected);
        QCOMPARE(scene.plan.state(), Cursor::State::Browse); // committed and posted, or never edited
        QCOMPARE(grid->model()->index(2, 0).data().toString(), expected);
        QCOMPARE(grid->currentIndex().row(), 2);
    }

    void gridWithoutPostOnCommitLeavesTheRecordToTheCursor()
    {
        Scene scene;
        DBGrid *grid = makeGrid(scene);
        grid->setPostOnCommit(false);
        QVERIFY(scene.show());
        clickRow(grid, 1);
        QTest::keyClick(grid, Qt::Key_F2);
        auto *editor = grid->viewport()->findChild<QLineEdit *>();
        QVERIFY(editor);
        QTest::keyClick(editor, Qt::Key_A, Qt::ControlModifier);
        QTest::keyClicks(editor, "Xi Yang Shen");
        QTest::keyClick(editor, Qt::Key_Return);
        QTRY_COMPARE(scene.plan.state(), Cursor::State::Edit);
        QCOMPARE(scene.storedValue(2, "PinYin").toString(), QString("Ren Shen"));
        QCOMPARE(grid->model()->index(1, 0).data().toString(), QString("Xi Yang Shen"));

        clickRow(grid, 3); // moving away stores the record
        QCOMPARE(scene.plan.recNo(), 4);
        QCOMPARE(scene.plan.state(), Cursor::State::Browse);
        QCOMPARE(scene.storedValue(2, "PinYin").toString(), QString("Xi Yang Shen"));
        QCOMPARE(grid->currentIndex().row(), 3);
    }

    // The columns fill the room beside the row marker and the vertical scroll bar: the
    // last one ends where the scroll bar begins, whether it shows or not.
    void ajustarColumnaFitsTheColumns_data()
    {
        QTest::addColumn<int>("columns");
        QTest::addColumn<int>("height");
        QTest::newRow("one column, scroll bar") << 1 << 70;
        QTest::newRow("two columns, scroll bar") << 2 << 70;
        QTest::newRow("one column, all rows showing") << 1 << 300;
        QTest::newRow("two columns, all rows showing") << 2 << 300;
    }

    void ajustarColumnaFitsTheColumns()
    {
        QFETCH(int, columns);
        QFETCH(int, height);
        Scene scene;
        DBGrid grid;
        grid.setDataSource(&scene.source);
        QList<DBGrid::Column> list{{"PinYin", "Nombre", {}, 100}, {"Orden", "Orden", {}, 80}};
        grid.setColumns(list.mid(0, columns));
        grid.resize(300, height);
        grid.show();
        QVERIFY(QTest::qWaitForWindowExposed(&grid));
        ajustarColumna(&grid);
        QApplication::processEvents();
        const bool scrolls = height < 100;
        QTRY_COMPARE(grid.verticalScrollBar()->isVisible(), scrolls);
        const int bar = grid.verticalScrollBar()->sizeHint().width();
        const int right = grid.columnViewportPosition(columns - 1) + grid.columnWidth(columns - 1);
        QCOMPARE(right, scrolls ? grid.viewport()->width() : grid.viewport()->width() - bar);
        QVERIFY(!grid.horizontalScrollBar()->isVisible());
        QVERIFY(grid.columnWidth(0) > 150);
        if (columns == 2)
            QCOMPARE(grid.columnWidth(1), 80);
    }

    void editShowsAndStoresTheField()
    {
        Scene scene;
        auto *ed = scene.add<DBEdit>("Ed0", "PinYin");
        auto *lab = scene.add<DBText>("LabPinYin", "PinYin");
        QVERIFY(scene.show());
        QCOMPARE(ed->text(), QString("Gan Cao"));
        QCOMPARE(ed->maxLength(), 50);
        QCOMPARE(lab->text(), QString("Gan Cao"));

        QSignalSpy assigned(&scene.plan, &Cursor::recordChanged);
        QTest::keyClick(ed, Qt::Key_End);
        QTest::keyClicks(ed, " Zhi");
        QCOMPARE(assigned.count(), 4); // one assignment a key, never written back
        QCOMPARE(scene.plan.state(), Cursor::State::Edit);
        QCOMPARE(scene.plan.asString(u"PinYin"), QString("Gan Cao Zhi"));
        QCOMPARE(ed->text(), QString("Gan Cao Zhi"));
        QCOMPARE(lab->text(), QString("Gan Cao Zhi")); // other controls follow the record
        QCOMPARE(scene.storedValue(1, "PinYin").toString(), QString("Gan Cao"));
        QVERIFY(scene.plan.post());
        QCOMPARE(scene.storedValue(1, "PinYin").toString(), QString("Gan Cao Zhi"));

        scene.plan.next();
        QCOMPARE(ed->text(), QString("Ren Shen"));
        QCOMPARE(lab->text(), QString("Ren Shen"));
        QCOMPARE(scene.plan.state(), Cursor::State::Browse);
    }

    // A value longer than its box shows its beginning, also when it is shown again.
    void editShowsALongValueFromItsBeginning()
    {
        Scene scene;
        auto *ed = scene.add<DBEdit>("Ed0", "Nom0");
        ed->setFixedWidth(60);
        QVERIFY(scene.show());
        QCOMPARE(ed->text(), QString("Radix Glycyrrhizae"));
        QVERIFY(ed->fontMetrics().horizontalAdvance(ed->text()) > ed->contentsRect().width());
        QCOMPARE(ed->cursorPosition(), 0);
        scene.plan.next();
        QCOMPARE(ed->text(), QString("Radix Ginseng"));
        QCOMPARE(ed->cursorPosition(), 0);
        scene.plan.refresh(); // the same value announced again
        QCOMPARE(ed->cursorPosition(), 0);
    }

    void editRefusesTypingWhileEditingIsOff()
    {
        Scene scene;
        scene.source.setAutoEdit(false);
        auto *ed = scene.add<DBEdit>("Ed0", "PinYin");
        QVERIFY(scene.show());
        QTest::keyClick(ed, Qt::Key_End);
        QTest::keyClicks(ed, "xy");
        QTest::keyClick(ed, Qt::Key_Backspace);
        QCOMPARE(ed->text(), QString("Gan Cao"));
        QCOMPARE(scene.plan.state(), Cursor::State::Browse);
        QCOMPARE(scene.plan.asString(u"PinYin"), QString("Gan Cao"));
        QCOMPARE(scene.storedValue(1, "PinYin").toString(), QString("Gan Cao"));
    }

    // A looked-up name is chosen, never typed: its box takes no keys, says nothing and
    // leaves the record as it was.
    void editOverALookedUpFieldTakesNoTyping()
    {
        Scene scene;
        scene.db.add("Especies", {{"Nom", "Raíz"}});
        scene.plan.edit();
        scene.plan.setValue(u"KEspecie", 1);
        QVERIFY(scene.plan.post());
        auto *ed = scene.add<DBEdit>("DBEdit6", "Especie");
        QVERIFY(scene.show());
        QCOMPARE(ed->text(), QString("Raíz"));
        int errors = 0;
        connect(&scene.source, &DataSource::errorOccurred, ed, [&errors] { ++errors; });
        QTest::keyClick(ed, Qt::Key_End);
        QTest::keyClicks(ed, "xy");
        QTest::keyClick(ed, Qt::Key_Backspace);
        QCOMPARE(ed->text(), QString("Raíz"));
        QCOMPARE(scene.plan.state(), Cursor::State::Browse);
        QCOMPARE(errors, 0);
    }

    void editCutsTextToTheFieldSize()
    {
        Scene scene;
        auto *ed = scene.add<DBEdit>("Ed1", "Toxicidad");
        QVERIFY(scene.show());
        QCOMPARE(ed->maxLength(), 1);
        QTest::keyClicks(ed, "32");
        QCOMPARE(ed->text(), QString("3"));
        QCOMPARE(scene.plan.asString(u"Toxicidad"), QString("3"));

        // A value assigned by code is cut by the cursor to the field size as well.
        scene.plan.setValue(u"Toxicidad", "45");
        QCOMPARE(ed->text(), QString("4"));
        QVERIFY(scene.plan.post());
        QCOMPARE(scene.storedValue(1, "Toxicidad").toString(), QString("4"));
    }

    void memoFollowsTheEditingRule_data()
    {
        QTest::addColumn<bool>("autoEdit");
        QTest::addColumn<QString>("expected");
        QTest::newRow("editing on") << true << "Dulce.!";
        QTest::newRow("editing off") << false << "Dulce.";
    }

    void memoFollowsTheEditingRule()
    {
        QFETCH(bool, autoEdit);
        QFETCH(QString, expected);
        Scene scene;
        scene.plan.edit();
        scene.plan.setValue(u"Descripcion", "Dulce.");
        scene.plan.post();
        scene.source.setAutoEdit(autoEdit);
        auto *memo = scene.add<DBMemo>("MemoDesc", "Descripcion");
        QVERIFY(scene.show());
        QCOMPARE(memo->toPlainText(), QString("Dulce."));

        QTest::keyClick(memo, Qt::Key_End, Qt::ControlModifier);
        QTest::keyClicks(memo, "!");
        QCOMPARE(memo->toPlainText(), expected);
        QCOMPARE(scene.plan.state(), autoEdit ? Cursor::State::Edit : Cursor::State::Browse);
        scene.plan.next(); // moving away stores an edited record
        QCOMPARE(scene.storedValue(1, "Descripcion").toString(), expected);
        QCOMPARE(memo->toPlainText(), QString());
        scene.plan.prior();
        QCOMPARE(memo->toPlainText(), expected);
    }

    void imageShowsAStoredPicture()
    {
        Scene scene;
        const QByteArray photo = png(QSize(24, 16));
        scene.plan.edit();
        scene.plan.setValue(u"Foto1", photo);
        scene.plan.post();
        auto *image = scene.add<DBImage>("Foto", "Foto1");
        QVERIFY(scene.show());
        QVERIFY(!image->pixmap().isNull());
        QCOMPARE(image->pixmap().size(), QSize(24, 16));

        scene.plan.next(); // a herb without a photograph
        QVERIFY(image->pixmap().isNull());

        // Bytes that are no picture show nothing either.
        scene.plan.edit();
        scene.plan.setValue(u"Foto1", QByteArray("not a picture"));
        QVERIFY(image->pixmap().isNull());
        scene.plan.setValue(u"Foto1", png(QSize(8, 8)));
        QCOMPARE(image->pixmap().size(), QSize(8, 8));
        scene.plan.cancel();
        QVERIFY(image->pixmap().isNull());
        scene.plan.first();
        QCOMPARE(image->pixmap().size(), QSize(24, 16));
    }
};

QTEST_MAIN(TestDBControls)
#include "tst_dbcontrols.moc"
