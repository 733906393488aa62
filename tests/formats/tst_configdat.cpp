// Config.Dat: fifteen integers, CR LF; bad input falls back value by value.
#include "formats/ConfigDat.h"
#include "support/Fallos.h"

#include <QDir>
#include <QFile>
#include <QTemporaryDir>
#include <QTest>

using yb::ConfigDat;

class TestConfigDat : public QObject {
    Q_OBJECT

    QTemporaryDir m_dir;
    QString path() const { return m_dir.filePath("Config.Dat"); }
    void writeFile(const QByteArray &content)
    {
        QFile f(path());
        QVERIFY(f.open(QIODevice::WriteOnly | QIODevice::Truncate));
        f.write(content);
    }

private slots:
    void missingFileKeepsBuiltInValues()
    {
        QFile::remove(path());
        ConfigDat c;
        QVERIFY(!c.read(path()));
        QCOMPARE(c.values, ConfigDat::defaults());
        QCOMPARE(c[ConfigDat::Width], 1024);
        QCOMPARE(c[ConfigDat::Height], 700);
        QCOMPARE(c[ConfigDat::PanFicHeight], 217);
        QCOMPARE(c[ConfigDat::PanIzqWidth], 257);
        QCOMPARE(c[ConfigDat::PanCenWidth], 265);
        QCOMPARE(c[ConfigDat::UsosPanIzqWidth], 505);
        QCOMPARE(c[ConfigDat::ColorScheme], 0);
    }

    void writesFifteenCrLfLinesAndReadsThemBack()
    {
        ConfigDat c;
        for (int i = 0; i < ConfigDat::LineCount; ++i)
            c.values[size_t(i)] = 10 + i;
        c[ConfigDat::Left] = -8;
        QVERIFY(c.write(path()));
        QFile f(path());
        QVERIFY(f.open(QIODevice::ReadOnly));
        const QByteArray text = f.readAll();
        QCOMPARE(text.count("\r\n"), 15);
        QVERIFY(text.startsWith("-8\r\n11\r\n12\r\n"));
        QVERIFY(text.endsWith("24\r\n"));
        QCOMPARE(text.count('\n'), 15);
        ConfigDat back;
        QVERIFY(back.read(path()));
        QCOMPARE(back.values, c.values);
    }

    // A full disk: the write fails, the old file keeps its bytes and no temporary file stays behind.
    void fullDiskKeepsTheOldFile()
    {
        yb::test::DiscoLleno disco("size=4k");
        if (!disco.montado)
            QSKIP("mounting a small tmpfs needs root");
        const QString ruta = QDir(disco.path()).filePath("Config.Dat");
        ConfigDat antes;
        antes[ConfigDat::Width] = 800;
        QVERIFY(antes.write(ruta));
        QFile f(ruta);
        QVERIFY(f.open(QIODevice::ReadOnly));
        const QByteArray viejo = f.readAll();
        f.close();
        disco.llenar();

        ConfigDat despues;
        despues[ConfigDat::Width] = 1200;
        QVERIFY(!despues.write(ruta));
        QVERIFY(f.open(QIODevice::ReadOnly));
        QCOMPARE(f.readAll(), viejo);
        QCOMPARE(QDir(disco.path()).entryList(QDir::Files), QStringList({"Config.Dat", "relleno"}));
    }

    void badLinesFallBackOneByOne_data()
    {
        QTest::addColumn<QByteArray>("content");
        QTest::addColumn<int>("line");
        QTest::addColumn<int>("expected");
        const QByteArray good =
            "100\r\n50\r\n800\r\n600\r\n200\r\n250\r\n260\r\n1\r\n2\r\n900\r\n650\r\n400\r\n240\r\n3\r\n12\r\n";
        // clang-format off
        QTest::newRow("a good file") << good << int(ConfigDat::TextSize) << 12;
        QTest::newRow("short file: read lines apply") << QByteArray("100\r\n50\r\n800\r\n") << int(ConfigDat::Width) << 800;
        QTest::newRow("short file: missing lines default") << QByteArray("100\r\n50\r\n800\r\n") << int(ConfigDat::Height) << 700;
        QTest::newRow("text instead of a number") << QByteArray(good).replace("800", "ancho") << int(ConfigDat::Width) << 1024;
        QTest::newRow("others still apply") << QByteArray(good).replace("800", "ancho") << int(ConfigDat::Height) << 600;
        QTest::newRow("scheme above 255") << QByteArray(good).replace("\r\n3\r\n", "\r\n300\r\n") << int(ConfigDat::ColorScheme) << 0;
        QTest::newRow("negative size") << QByteArray(good).replace("800", "-800") << int(ConfigDat::Width) << 1024;
        QTest::newRow("zero width") << QByteArray(good).replace("\r\n800\r\n", "\r\n0\r\n") << int(ConfigDat::Width) << 1024;
        QTest::newRow("LF only") << QByteArray(good).replace("\r\n", "\n") << int(ConfigDat::PanCenWidth) << 260;
        QTest::newRow("empty file") << QByteArray() << int(ConfigDat::Width) << 1024;
        QTest::newRow("binary garbage") << QByteArray("\x01\x02\xff\xfe\n\n\n", 7) << int(ConfigDat::Left) << ConfigDat::kCentred;
        QTest::newRow("huge number") << QByteArray("99999999999999999999\r\n") << int(ConfigDat::Left) << ConfigDat::kCentred;
        // clang-format on
    }

    void badLinesFallBackOneByOne()
    {
        QFETCH(QByteArray, content);
        QFETCH(int, line);
        QFETCH(int, expected);
        writeFile(content);
        ConfigDat c;
        QVERIFY(c.read(path()));
        QCOMPARE(c.values[size_t(line)], expected);
    }
};

QTEST_GUILESS_MAIN(TestConfigDat)
#include "tst_configdat.moc"
