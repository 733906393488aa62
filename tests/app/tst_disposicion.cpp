// What the main window lays out: long names from their beginning, every name row
// reachable, scale captions whole and apart, list columns clear of the scroll bar,
// and the centre panel's width kept when editing is switched on. Also run with
// QT_SCALE_FACTOR=2 (see CMakeLists.txt).
#include "dbwidgets/DBControls.h"
#include "dbwidgets/DBGrid.h"
#include "support/AppFixture.h"

#include <QApplication>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QScrollArea>
#include <QScrollBar>
#include <QSplitter>
#include <QTabWidget>
#include <QToolButton>

using namespace yb;
using namespace yb::test;

namespace {

// Changes the stored data of a data directory before the application starts.
struct Datos {
    std::unique_ptr<Database> db;

    explicit Datos(const DataDir &d) : db(Database::open(d.dir.path())) {}

    void cambiar(const QString &pinyin, const QVariantMap &valores)
    {
        Cursor c(*db, QStringLiteral("Plantas"));
        c.open();
        QVERIFY(c.locate({QStringLiteral("PinYin")}, {pinyin}));
        c.edit();
        for (auto it = valores.begin(); it != valores.end(); ++it)
            c.setValue(it.key(), it.value());
        QVERIFY(c.post());
    }

    // A field of the record with that PinYin; 0 when there is none.
    int numero(const QString &pinyin, QStringView campo)
    {
        Cursor c(*db, QStringLiteral("Plantas"));
        c.open();
        return c.locate({QStringLiteral("PinYin")}, {pinyin}) ? c.asInt(campo) : 0;
    }

    // A herb or formula, its order number taken from its key.
    void nueva(const QString &pinyin, bool formula)
    {
        Cursor c(*db, QStringLiteral("Plantas"));
        c.open();
        c.append();
        c.setValue(u"PinYin", pinyin);
        c.setValue(u"EsFormula", formula);
        QVERIFY(c.post());
        c.edit();
        c.setValue(u"Orden", c.asInt(u"Clave"));
        QVERIFY(c.post());
    }

    void ingrediente(const QString &formula, const QString &planta, double porcentaje)
    {
        Cursor c(*db, QStringLiteral("RelForm"));
        c.open();
        c.append();
        c.setValue(u"KFormula", numero(formula, u"Clave"));
        c.setValue(u"OFormula", numero(formula, u"Orden"));
        c.setValue(u"KPlanta", numero(planta, u"Clave"));
        c.setValue(u"OPlanta", numero(planta, u"Orden"));
        c.setValue(u"Porcentaje", porcentaje);
        QVERIFY(c.post());
    }
};

// The widget's rectangle in the coordinates of one of its ancestors.
QRect enCoordenadasDe(const QWidget *w, const QWidget *ancestro)
{
    return QRect(w->mapTo(ancestro, QPoint(0, 0)), w->size());
}

// A data directory in Spanish or, with an English directory, in English; the
// message dialogs go back to Spanish afterwards.
struct Idioma {
    bool ingles;
    Idioma(const DataDir &d, bool en) : ingles(en)
    {
        if (ingles)
            QDir(d.dir.path()).mkdir("English");
    }
    ~Idioma()
    {
        if (ingles)
            Mensajes::setEnglish(false);
    }
};

void porIdioma()
{
    QTest::addColumn<bool>("ingles");
    QTest::newRow("Spanish") << false;
    QTest::newRow("English") << true;
}

void asentar(QWidget *w)
{
    QApplication::sendPostedEvents(nullptr, QEvent::LayoutRequest);
    QApplication::processEvents();
    w->update();
}

} // namespace

class TestDisposicion : public QObject {
    Q_OBJECT
private slots:
    void longTextsShowTheirBeginning_data()
    {
        QTest::addColumn<QString>("caja");
        QTest::addColumn<QString>("campo");
        QTest::addColumn<QString>("largo");
        QTest::addColumn<bool>("noCabe"); // longer than its box
        const QString especie = QStringLiteral("Ziziphus jujuba var. spinosa (Bunge) Hu ex H.F.Chow, semen");
        // clang-format off
        QTest::newRow("PinYin") << "EdPinYin" << "PinYin" << "Gan Cao Xie Xin Tang Jia Jian Fang, a formula" << true;
        QTest::newRow("pharmaceutical") << "Ed0" << "Nom0" << especie << true;
        QTest::newRow("scientific") << "Ed1" << "Nom1" << especie << true;
        QTest::newRow("family") << "DBEdit1" << "Familia" << "Rhamnaceae (Ziziphus) sp." << false; // 25 characters
        QTest::newRow("part") << "DBEdit5" << "Parte" << especie << true;
        QTest::newRow("habitat") << "DBEdit3" << "Habitat" << especie << true;
        // clang-format on
    }

    void longTextsShowTheirBeginning()
    {
        QFETCH(QString, caja);
        QFETCH(QString, campo);
        QFETCH(QString, largo);
        QFETCH(bool, noCabe);
        DataDir d;
        d.writeConfig(config(1, 10, 700, 500)); // a small window: the boxes are narrow
        {
            Datos datos(d);
            datos.cambiar("Gan Cao", {{campo, largo}});
        }
        Run r({"tezlap"}); // editor mode shows the habitat row
        auto *box = r.child<QLineEdit>(caja.toLatin1().constData());
        QVERIFY(box->isVisible());
        auto *grNom = r.child<DBGrid>("GrNom");
        grNom->setFocus();
        r.app->dm().TPlan.first(); // Bai Zhu; the editor word started the list near "tezlap"
        QTest::keyClick(grNom, Qt::Key_Down);
        QVERIFY(r.current().startsWith("Gan Cao"));
        QVERIFY(largo.startsWith(box->text()));
        QCOMPARE(box->fontMetrics().horizontalAdvance(box->text()) > box->contentsRect().width(), noCabe);
        QCOMPARE(box->cursorPosition(), 0);
        // The first character is laid out at the box's left edge.
        const QRect caret = box->inputMethodQuery(Qt::ImCursorRectangle).toRect();
        QVERIFY(caret.left() <= box->contentsRect().left() + box->textMargins().left() + 4);
        QTest::keyClick(grNom, Qt::Key_Down);
        QTest::keyClick(grNom, Qt::Key_Up); // away and back
        QCOMPARE(box->cursorPosition(), 0);
    }

    void theRecordShownAtStartShowsItsBeginning()
    {
        DataDir d;
        const QString largo = QStringLiteral("Panax ginseng C.A.Mey. (Araliaceae), radix et rhizoma");
        {
            Datos datos(d);
            datos.cambiar("Ren Shen", {{"Nom1", largo}});
        }
        Run r({"Ren Shen"});
        asentar(r.w);
        auto *box = r.child<QLineEdit>("Ed1");
        QCOMPARE(box->text(), largo.left(box->maxLength()));
        QCOMPARE(box->cursorPosition(), 0);
    }

    void everyNameRowCanBeReached_data() { porIdioma(); }

    void everyNameRowCanBeReached()
    {
        QFETCH(bool, ingles);
        DataDir d;
        Idioma idioma(d, ingles);
        {
            Datos datos(d);
            QVariantMap nombres;
            for (int i = 0; i <= 10; ++i)
                nombres.insert(QStringLiteral("Nom%1").arg(i), QStringLiteral("Nombre %1").arg(i));
            datos.cambiar("Bai Zhu", nombres);
        }
        Run r;
        QCOMPARE(r.current(), QString("Bai Zhu"));
        auto *idiomas = r.child<QWidget>("PanIdiomas");
        auto *area = idiomas->findChild<QScrollArea *>();
        QVERIFY(area);
        asentar(r.w);
        QCOMPARE(idiomas->height(), 127);
        QVERIFY(area->verticalScrollBar()->isVisible()); // the user sees there is more, and can scroll
        const QStringList filas{"Panel3",  "Panel11", "Panel13", "Panel14", "Panel17", "Panel18",
                                "Panel19", "Panel20", "Panel21", "Panel22", "Panel6",  "Panel24"};
        for (const QString &nombre : filas) {
            auto *fila = r.child<QWidget>(nombre.toLatin1().constData());
            QVERIFY2(fila->isVisibleTo(r.w), qPrintable(nombre));
            area->ensureWidgetVisible(fila, 0, 0);
            const QRect enVista = enCoordenadasDe(fila, area->viewport());
            QVERIFY2(area->viewport()->rect().contains(enVista), qPrintable(nombre));
        }
        // The scroll bar at its end shows the last row.
        area->verticalScrollBar()->setValue(area->verticalScrollBar()->maximum());
        QVERIFY(area->viewport()->rect().contains(enCoordenadasDe(r.child<QWidget>("Panel24"), area->viewport())));
        QCOMPARE(idiomas->height(), 127);
    }

    void scaleCaptionsAreWholeAndApart_data() { porIdioma(); }

    void scaleCaptionsAreWholeAndApart()
    {
        QFETCH(bool, ingles);
        DataDir d;
        Idioma idioma(d, ingles);
        Run r;
        asentar(r.w);
        auto *prop = r.child<QWidget>("PanProp");
        QList<QLabel *> etiquetas;
        for (const char *escala : {"PanCanales", "PanSabor", "PanEnergia"})
            for (QLabel *l : r.child<QWidget>(escala)->findChildren<QLabel *>())
                etiquetas << l;
        QCOMPARE(etiquetas.size(), 3 + 12 + 8 + 5); // headers and captions
        for (int i = 0; i < etiquetas.size(); ++i) {
            QLabel *l = etiquetas[i];
            const QFontMetrics fm(l->font());
            const QRect rect = enCoordenadasDe(l, prop);
            const QString que = l->objectName() + " " + l->text();
            QVERIFY2(l->height() >= fm.height(), qPrintable(que)); // descenders included
            QVERIFY2(l->width() >= fm.horizontalAdvance(l->text()), qPrintable(que));
            QVERIFY2(prop->rect().contains(rect), qPrintable(que));
            for (int j = i + 1; j < etiquetas.size(); ++j)
                QVERIFY2(!rect.intersects(enCoordenadasDe(etiquetas[j], prop)),
                         qPrintable(que + " over " + etiquetas[j]->text()));
        }
    }

    void listColumnsStayClearOfTheScrollBar_data()
    {
        QTest::addColumn<QString>("lista");
        QTest::addColumn<QString>("actual");
        // clang-format off
        QTest::newRow("names") << "GrNom" << "Gan Cao";
        QTest::newRow("formulas of a herb") << "GrFormPl" << "Gan Cao";
        QTest::newRow("ingredients of a formula") << "GrPlForm" << "Gui Zhi Tang";
        // clang-format on
    }

    void listColumnsStayClearOfTheScrollBar()
    {
        QFETCH(QString, lista);
        QFETCH(QString, actual);
        DataDir d;
        {
            Datos datos(d);
            for (int i = 1; i <= 30; ++i) {
                const QString formula = QStringLiteral("Xiao Fang %1").arg(i, 2, 10, QChar(u'0'));
                const QString hierba = QStringLiteral("Cao %1").arg(i, 2, 10, QChar(u'0'));
                datos.nueva(formula, true);
                datos.nueva(hierba, false);
                datos.ingrediente(formula, "Gan Cao", 10);
                datos.ingrediente("Gui Zhi Tang", hierba, 2.5);
            }
        }
        Run r({actual});
        QCOMPARE(r.current(), actual);
        auto *ficha = r.child<QTabWidget>("Ficha");
        auto *grid = r.child<DBGrid>(lista.toLatin1().constData());
        if (lista != "GrNom")
            ficha->setCurrentWidget(grid->parentWidget());
        asentar(r.w);
        QVERIFY(grid->isVisible());
        QVERIFY(grid->model()->rowCount() > 30);
        QVERIFY(grid->verticalScrollBar()->isVisible());
        QVERIFY(!grid->horizontalScrollBar()->isVisible());
        const int ultima = grid->model()->columnCount() - 1;
        const int derecha = grid->columnViewportPosition(ultima) + grid->columnWidth(ultima);
        QVERIFY2(derecha <= grid->viewport()->width(),
                 qPrintable(QStringLiteral("%1 > %2").arg(derecha).arg(grid->viewport()->width())));
        if (ultima == 1) // the percentage reads whole
            QVERIFY(grid->columnWidth(1) >= grid->fontMetrics().horizontalAdvance("100.0 %"));
    }

    void editingOnKeepsTheCentrePanelWidth()
    {
        DataDir d;
        Run r({"tezlap"});
        asentar(r.w);
        auto *cen = r.child<QWidget>("PanCen");
        const int antes = cen->width();
        QTest::mouseClick(r.child<QToolButton>("Modificar"), Qt::LeftButton);
        asentar(r.w);
        QVERIFY(r.child<QWidget>("PanBotIm")->isVisible());
        QCOMPARE(cen->width(), antes);
        for (const char *nombre : {"Copiar", "Pegar", "Borrar", "Importar"}) {
            auto *b = r.child<QPushButton>(nombre);
            QVERIFY2(b->width() >= b->fontMetrics().horizontalAdvance(b->text()), nombre);
            QVERIFY2(enCoordenadasDe(b, cen).right() < cen->width(), nombre);
        }
        r.close(Respuesta::Yes);
        ConfigDat guardada;
        QVERIFY(guardada.read(d.dir.filePath("Config.Dat")));
        QCOMPARE(guardada[ConfigDat::PanCenWidth], antes);
    }
};

QTEST_MAIN(TestDisposicion)
#include "tst_disposicion.moc"
