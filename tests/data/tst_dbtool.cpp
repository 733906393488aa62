// yerbalia-db as a user runs it: a check tells of damage, writes nothing, and needs no write access.
#include "data/Cursor.h"
#include "support/Faults.h"

#include <QFileInfo>
#include <QProcess>
#include <QTemporaryDir>
#include <QTest>

using namespace yb;
using yb::test::fileBytes;

class TestDbTool : public QObject {
    Q_OBJECT
private slots:
    void checkOfADamagedFileWritesNothing_data() { yb::test::addJournalModeRows(); }

    void checkOfADamagedFileWritesNothing()
    {
        QFETCH(bool, rollbackJournal);
        const yb::test::DamagedFile damaged(rollbackJournal);
        QProcess tool;
        tool.start(QStringLiteral(YB_DB_TOOL), {"check", damaged.dir.path()});
        QVERIFY(tool.waitForFinished(30000));
        const QString output = QString::fromUtf8(tool.readAllStandardOutput() + tool.readAllStandardError());
        QCOMPARE(tool.exitCode(), 1);
        QVERIFY2(output.contains("problem") || output.contains("damaged"), qPrintable(output));
        QVERIFY(damaged.unchanged());
        QVERIFY(!damaged.hasLogFiles());
    }

    void checkOfAnOlderFileWritesNothing()
    {
        // Its indexes are in the first version's order: the check reads them so,
        // finds them sound, and leaves rebuilding them to the program.
        QTemporaryDir dir;
        QString path;
        {
            auto db = Database::create(dir.path());
            Cursor plan(*db, "Plantas");
            plan.addIndex("PorPinYin", "PinYin");
            plan.open();
            int orden = 0;
            for (const char *name : {"Poria", "píldora", "Pino", "ÁRBOL", "arce"}) {
                plan.append();
                plan.setValue(u"PinYin", name);
                plan.setValue(u"Orden", ++orden);
                plan.post();
            }
            path = db->filePath();
        }
        yb::test::makeOlderCollation(path);
        const QByteArray before = fileBytes(path);
        QProcess tool;
        tool.start(QStringLiteral(YB_DB_TOOL), {"check", dir.path()});
        QVERIFY(tool.waitForFinished(30000));
        const QString output = QString::fromUtf8(tool.readAllStandardOutput() + tool.readAllStandardError());
        QVERIFY2(tool.exitCode() == 0 && output.contains("no problems found"), qPrintable(output));
        QCOMPARE(fileBytes(path), before);
    }

    void checkReadsADatabaseItCannotWrite()
    {
        QTemporaryDir dir, mountPoint;
        {
            auto db = Database::create(dir.path());
        }
        if (QProcess::execute("mount", {"--bind", dir.path(), mountPoint.path()}) != 0)
            QSKIP("bind mounts need root");
        const bool readOnly = QProcess::execute("mount", {"-o", "remount,bind,ro", mountPoint.path()}) == 0;
        QProcess tool;
        tool.start(QStringLiteral(YB_DB_TOOL), {"check", mountPoint.path()});
        const bool finished = tool.waitForFinished(30000);
        QProcess::execute("umount", {mountPoint.path()});
        if (!readOnly)
            QSKIP("cannot remount read-only");
        QVERIFY(finished);
        const QString output = QString::fromUtf8(tool.readAllStandardOutput() + tool.readAllStandardError());
        QCOMPARE(tool.exitCode(), 0);
        QVERIFY2(output.contains("no problems found"), qPrintable(output));
    }
};

QTEST_GUILESS_MAIN(TestDbTool)
#include "tst_dbtool.moc"
