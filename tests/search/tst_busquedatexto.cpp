// Full-text search: the search over Plantas (fields, fold, separators, any and
// every term, rich texts as read), without a window.
#include "data/TagBits.h"
#include "search/BusquedaTexto.h"
#include "search/DatosBusqueda.h"
#include "search/TextMatch.h"

using namespace yb;
using namespace yb::test;

class TestBusquedaTexto : public QObject {
    Q_OBJECT

private slots:
    void buscarTexto_data()
    {
        QTest::addColumn<QStringList>("terminos");
        QTest::addColumn<bool>("todos");
        QTest::addColumn<bool>("ingles");
        QTest::addColumn<bool>("editor");
        QTest::addColumn<QList<int>>("esperadas");

        using L = QList<int>;
        QTest::newRow("every: both terms, any fields") << QStringList{"raíz", "tos"} << true << false << false << L{2};
        QTest::newRow("every: any order") << QStringList{"TOS", "Raiz"} << true << false << false << L{2};
        QTest::newRow("any: either term") << QStringList{"raíz", "tos"} << false << false << false << L{2, 3, 5};
        QTest::newRow("inside longer words") << QStringList{"aiz", "os"} << true << false << false << L{2};
        QTest::newRow("no terms, every: all rows") << QStringList{} << true << false << false << L{1, 2, 3, 4, 5};
        QTest::newRow("no terms, any: none") << QStringList{} << false << false << false << L{};
        QTest::newRow("name with space") << QStringList{"ren shen"} << false << false << false << L{1};
        QTest::newRow("name without its space") << QStringList{"renshen"} << false << false << false << L{};
        QTest::newRow("| across two fields") << QStringList{"shen|radix"} << false << false << false << L{1};
        QTest::newRow("no match across fields without |") << QStringList{"shenradix"} << false << false << false << L{};
        // An empty row joins to "|||GUI ZHI||||": three texts before the name,
        // four names after it; in editor mode Aplicacion adds a fourth text.
        // clang-format off
        QTest::newRow("7 separators: 3 before") << QStringList{"|||gui zhi||||"} << false << false << false << L{4};
        QTest::newRow("7 separators: not 4 before") << QStringList{"||||gui"} << false << false << false << L{};
        QTest::newRow("7 separators: not 5 after") << QStringList{"zhi|||||"} << false << false << false << L{};
        QTest::newRow("8 separators in editor mode")
            << QStringList{"||||gui zhi||||"} << false << false << true << L{4};
        QTest::newRow("Aplicacion not read") << QStringList{"heridas"} << false << false << false << L{};
        QTest::newRow("Aplicacion read by the editor") << QStringList{"heridas"} << false << false << true << L{3};
        QTest::newRow("English texts") << QStringList{"cough"} << false << true << false << L{3};
        QTest::newRow("English: no Spanish texts") << QStringList{"tos"} << false << true << false << L{};
        QTest::newRow("Spanish: no English texts") << QStringList{"cough"} << false << false << false << L{};
        QTest::newRow("English: same names") << QStringList{"ren shen", "raíz"} << false << true << false << L{1, 2, 5};
        QTest::newRow("English editor: same Aplicacion") << QStringList{"heridas"} << false << true << true << L{3};
        // clang-format on
        // The rich texts are read as a reader sees them.
        QTest::newRow("accent in a \\'hh escape") << QStringList{"limón"} << false << false << false << L{1};
        QTest::newRow("phrase over an escape") << QStringList{"calma el animo"} << false << false << false << L{1};
        QTest::newRow("accent in a \\u escape") << QStringList{"corazón"} << false << false << false << L{2};
        QTest::newRow("control word par") << QStringList{"par"} << false << false << false << L{};
        QTest::newRow("control words rtf1, ansi") << QStringList{"rtf1", "ansi"} << false << false << false << L{};
        QTest::newRow("font table") << QStringList{"fonttbl", "arial"} << false << false << false << L{};
        QTest::newRow("group braces") << QStringList{"{"} << false << false << false << L{};
    }

    void buscarTexto()
    {
        QFETCH(QStringList, terminos);
        QFETCH(bool, todos);
        QFETCH(bool, ingles);
        QFETCH(bool, editor);
        QFETCH(QList<int>, esperadas);

        TempDatabase t;
        llenar(t);
        TTagBits hits;
        hits.set(4, true);
        hits.set(40, true); // an older result: cleared first
        QList<std::pair<int, int>> pasos;
        QStringList plegados;
        for (const QString &termino : terminos)
            plegados << Texto::plegar(termino);
        yb::buscarTexto(*t, plegados, todos, ingles, editor, hits, [&](int hecho, int total) {
            pasos << std::pair{hecho, total};
        });
        QCOMPARE(claves(hits), esperadas);
        QCOMPARE(pasos.size(), kFilas + 1);
        QCOMPARE(pasos.first(), std::pair(0, kFilas));
        QCOMPARE(pasos.last(), std::pair(kFilas, kFilas));
    }

    void muchasFilasSeBuscanEnDosMitades()
    {
        // Past a thousand rows the search splits the rows between two connections.
        TempDatabase t;
        try {
            Database::Transaction tx(*t);
            Statement insertar(*t, "INSERT INTO Plantas (Clave, EsFormula, PinYin, Descripcion, Orden) "
                                   "VALUES (?, 0, ?, ?, ?)");
            for (int clave = 1; clave <= 1500; ++clave) {
                insertar.bind(1, clave);
                insertar.bind(2, QString("Hierba %1").arg(clave));
                insertar.bind(3, clave % 7 == 0 ? QString("{\\rtf1\\ansi Seca la humedad y la ra\\'edz\\par}")
                                                : QString("{\\rtf1\\ansi Tonifica el qi\\par}"));
                insertar.bind(4, clave);
                insertar.exec();
            }
            tx.commit();
        } catch (const DbError &e) {
            QFAIL(qPrintable(e.message()));
        }
        TTagBits hits;
        int ultimo = -1;
        yb::buscarTexto(*t, {"RAIZ"}, false, false, false, hits, [&](int hecho, int) { ultimo = hecho; });
        QList<int> esperadas;
        for (int clave = 7; clave <= 1500; clave += 7)
            esperadas << clave;
        QCOMPARE(claves(hits), esperadas);
        QCOMPARE(ultimo, 1500);
    }

    void campos()
    {
        QCOMPARE(camposDeBusqueda(false, false).join(u','),
                 QStringLiteral("Descripcion,Floracion,Administracion,PinYin,Nom0,Nom1,Nom2,Nom3"));
        QCOMPARE(camposDeBusqueda(true, true).join(u','),
                 QStringLiteral("DescripcionIng,FloracionIng,AdministracionIng,Aplicacion,PinYin,Nom0,Nom1,Nom2,Nom3"));
    }
};

QTEST_GUILESS_MAIN(TestBusquedaTexto)
#include "tst_busquedatexto.moc"
