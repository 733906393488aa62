// The database file: creation, opening, bad input, schema, storage rules.
#include "data/Collation.h"
#include "data/DatabaseCheck.h"
#include "support/Faults.h"
#include "support/Fixture.h"

#include <QDir>
#include <QElapsedTimer>
#include <QFile>
#include <QProcess>
#include <QTemporaryDir>
#include <QTest>
#include <sqlite3.h>
#include <unistd.h>

using namespace yb;
using yb::test::fileBytes;
using yb::test::OtherProgram;
using yb::test::TempDatabase;
using yb::test::walIsEmpty;

namespace {

DbError::Code openError(const QString &dir)
{
    try {
        Database::open(dir);
    } catch (const DbError &e) {
        return e.code();
    }
    return DbError::Code::General;
}

int sign(int v) { return v < 0 ? -1 : (v > 0 ? 1 : 0); }

// The order of a few texts in an index of the file, read by a cursor.
QStringList indexOrder(Database &db)
{
    Cursor c(db, "Plantas");
    if (!c.hasIndex("PorPinYin"))
        c.addIndex("PorPinYin", "PinYin");
    c.setIndexName("PorPinYin");
    c.open();
    return yb::test::column(c, "PinYin");
}

} // namespace

class TestDatabase : public QObject {
    Q_OBJECT
private slots:
    void createsEveryTableAndReopens()
    {
        QTemporaryDir dir;
        {
            auto db = Database::create(dir.path());
        }
        auto db = Database::open(dir.path());
        for (const TableDef &t : Schema::tables()) {
            QVERIFY2(db->hasTable(t.name), qPrintable(t.name));
            const auto described = db->tableInfo(t.name);
            const TableInfo &info = *described;
            QCOMPARE(info.fields.size(), t.fields.size());
            for (int i = 0; i < t.fields.size(); ++i) {
                QCOMPARE(info.fields[i].name, t.fields[i].name);
                QCOMPARE(int(info.fields[i].type), int(t.fields[i].type));
                QCOMPARE(info.fields[i].size, t.fields[i].size);
            }
        }
        // Declared named indexes exist; the name indexes made on first use do not.
        QVERIFY(db->hasIndex("Rel", "PorOPlanta"));
        QVERIFY(db->hasIndex("Usos", "PorNomIng"));
        QVERIFY(db->hasIndex("Repertor", "PorCant"));
        QVERIFY(!db->hasIndex("Plantas", "PorPinYin"));
        QVERIFY(!db->hasIndex("Plantas", "PorNom3"));
        QVERIFY(!db->hasIndex("Especies", "PorNom"));
        QVERIFY(!db->hasIndex("Componen", "PorNom"));
    }

    void tableNamesResolveWithoutRegardToCase()
    {
        TempDatabase db;
        QCOMPARE(db->resolveTable("USOS.DB"), QString("Usos"));
        QCOMPARE(db->resolveTable("Usos.db"), QString("Usos"));
        QCOMPARE(db->resolveTable("English\\Glossary.DB"), QString("Glossary"));
        QCOMPARE(db->resolveTable("relcomp.DB"), QString("RelComp"));
        try {
            db->resolveTable("Pacientes.DB");
            QFAIL("a missing table resolved");
        } catch (const DbError &e) {
            QCOMPARE(e.code(), DbError::Code::NoTable);
            QVERIFY(e.message().contains("Pacientes.DB"));
        }
    }

    void createRefusesToOverwrite()
    {
        TempDatabase db;
        db.add("Usos", {{"Nom", "Tonifica el qi"}});
        try {
            Database::create(db.path());
            QFAIL("an existing database was overwritten");
        } catch (const DbError &e) {
            QCOMPARE(e.code(), DbError::Code::AlreadyExists);
        }
        QCOMPARE(db.count("Usos"), 1);
    }

    void badDataDirectories_data()
    {
        QTest::addColumn<QByteArray>("content"); // of Yerbalia.sqlite3; "-" for no file
        QTest::addColumn<int>("code");
        QTest::newRow("no database") << QByteArray("-") << int(DbError::Code::NoDatabase);
        QTest::newRow("text file") << QByteArray("Plantas;Usos\n1;2\n") << int(DbError::Code::NotADatabase);
        QTest::newRow("empty file") << QByteArray() << int(DbError::Code::NotADatabase);
        QTest::newRow("zeros") << QByteArray(8192, '\0') << int(DbError::Code::NotADatabase);
    }

    void badDataDirectories()
    {
        QFETCH(QByteArray, content);
        QFETCH(int, code);
        QTemporaryDir dir;
        const QString path = Database::filePathIn(dir.path());
        if (content != "-") {
            QFile f(path);
            QVERIFY(f.open(QIODevice::WriteOnly));
            f.write(content);
        }
        QCOMPARE(int(openError(dir.path())), code);
        if (content != "-") { // nothing was overwritten
            QFile f(path);
            QVERIFY(f.open(QIODevice::ReadOnly));
            QCOMPARE(f.readAll(), content);
        }
    }

    void noDatabaseMessageSaysHowToCreateOne()
    {
        QTemporaryDir dir;
        try {
            Database::open(dir.path());
            QFAIL("opened a directory without a database");
        } catch (const DbError &e) {
            QVERIFY(e.message().contains("yerbalia-db init"));
        }
    }

    void otherSqliteDatabaseIsRefused()
    {
        QTemporaryDir dir;
        {
            TempDatabase other;
            other->exec("PRAGMA application_id = 42");
            QFile::copy(other->filePath(), Database::filePathIn(dir.path()));
        }
        QCOMPARE(openError(dir.path()), DbError::Code::NotADatabase);
    }

    void damagedDatabaseIsReported()
    {
        QTemporaryDir dir;
        QString path;
        {
            auto db = Database::create(dir.path());
            db->exec("PRAGMA journal_mode = DELETE");
            Cursor c(*db, "Usos");
            c.open();
            for (int i = 0; i < 400; ++i) {
                c.append();
                c.setValue(u"Nom", QString("Acción número %1 ").arg(i).repeated(3));
                c.post();
            }
            path = db->filePath();
        }
        // Scribble over the pages after the first two.
        QFile f(path);
        QVERIFY(f.open(QIODevice::ReadWrite));
        QVERIFY(f.size() > 4 * 4096);
        f.seek(2 * 4096);
        f.write(QByteArray(f.size() - 2 * 4096, '\x5a'));
        f.close();
        try {
            auto db = Database::open(dir.path());
            const QStringList problems = checkDatabase(*db);
            QVERIFY(!problems.isEmpty());
        } catch (const DbError &e) {
            QVERIFY(e.code() == DbError::Code::Corrupt || e.code() == DbError::Code::NotADatabase);
        }
    }

    void unwritableDirectoryIsRefused()
    {
        // Nobody, root included, can create a directory under /proc.
        try {
            Database::create("/proc/yerbalia-test");
            QFAIL("created a database where nothing can be written");
        } catch (const DbError &e) {
            QCOMPARE(e.code(), DbError::Code::DirectoryReadOnly);
        }
    }

    void readOnlyDirectoryIsRefusedWithoutLoss()
    {
        if (geteuid() == 0)
            QSKIP("permission bits do not bind the superuser");
        TempDatabase db;
        db.add("Usos", {{"Nom", "Seca la humedad"}});
        const QString dir = db.path();
        db.db.reset();
        QFile::setPermissions(dir, QFile::ReadOwner | QFile::ExeOwner);
        const DbError::Code code = openError(dir);
        QFile::setPermissions(dir, QFile::ReadOwner | QFile::WriteOwner | QFile::ExeOwner);
        QCOMPARE(code, DbError::Code::DirectoryReadOnly);
        auto reopened = Database::open(dir);
        Statement s(*reopened, "SELECT count(*) FROM Usos");
        QVERIFY(s.step());
        QCOMPARE(s.int64(0), 1);
    }

    void readOnlyFileIsNamedAsSuch()
    {
        // The file alone mounted read-only over itself, in a directory that can be
        // written: no program, root included, can write the file.
        TempDatabase db;
        db.add("Usos", {{"Nom", "Seca la humedad"}});
        db.db.reset();
        const QString file = Database::filePathIn(db.path());
        if (QProcess::execute("mount", {"--bind", file, file}) != 0)
            QSKIP("bind mounts need root");
        const bool readOnly = QProcess::execute("mount", {"-o", "remount,bind,ro", file}) == 0;
        DbError::Code code = DbError::Code::General;
        QString message;
        try {
            Database::open(db.path());
        } catch (const DbError &e) {
            code = e.code();
            message = e.message();
        }
        QProcess::execute("umount", {file});
        if (!readOnly)
            QSKIP("cannot remount read-only");
        QCOMPARE(code, DbError::Code::ReadOnly);
        QVERIFY2(message.contains(Database::kFileName), qPrintable(message));
    }

    void lockHeldByAnotherProgramAtOpen_data()
    {
        QTest::addColumn<QByteArray>("lock");
        QTest::newRow("write transaction") << QByteArray("BEGIN IMMEDIATE; INSERT INTO Notas (KPlanta) VALUES (99)");
        QTest::newRow("exclusive lock") << QByteArray("PRAGMA locking_mode = EXCLUSIVE; BEGIN EXCLUSIVE; "
                                                      "INSERT INTO Notas (KPlanta) VALUES (99); COMMIT");
    }

    void lockHeldByAnotherProgramAtOpen()
    {
        QFETCH(QByteArray, lock);
        TempDatabase db;
        const QString path = db->filePath();
        db.db.reset();
        OtherProgram other(path);
        QVERIFY(other.exec(lock.constData()));
        QElapsedTimer clock;
        clock.start();
        try {
            Database::open(db.path());
            QFAIL("opened a database another program holds locked");
        } catch (const DbError &e) {
            QCOMPARE(e.code(), DbError::Code::Busy);
            QVERIFY2(e.message().contains("in use by another program"), qPrintable(e.message()));
        }
        QVERIFY2(clock.elapsed() < 4000, qPrintable(QString::number(clock.elapsed())));
    }

    void writeUnderAnotherProgramsLockIsBusy()
    {
        TempDatabase db;
        Cursor usos(*db, "Usos");
        usos.open();
        OtherProgram other(db->filePath());
        QVERIFY(other.exec("BEGIN IMMEDIATE"));
        usos.append();
        usos.setValue(u"Nom", "Tonifica el qi");
        QElapsedTimer clock;
        clock.start();
        try {
            usos.post();
            QFAIL("a post went through another program's lock");
        } catch (const DbError &e) {
            QCOMPARE(e.code(), DbError::Code::Busy);
        }
        QVERIFY2(clock.elapsed() < 4000, qPrintable(QString::number(clock.elapsed())));
        QCOMPARE(usos.state(), Cursor::State::Insert); // the typed row is still there
        QVERIFY(other.exec("ROLLBACK"));
        QVERIFY(usos.post());
        QCOMPARE(db.count("Usos"), 1);
    }

    void readOnlyOpenWritesNothing_data() { yb::test::addJournalModeRows(); }

    void readOnlyOpenWritesNothing()
    {
        QFETCH(bool, rollbackJournal);
        const yb::test::DamagedFile damaged(rollbackJournal);
        {
            auto db = Database::open(damaged.dir.path(), Database::Access::ReadOnly);
            const QStringList problems = checkDatabase(*db);
            QVERIFY(!problems.isEmpty());
            QVERIFY(!damaged.hasLogFiles());
        }
        QVERIFY(damaged.unchanged());
        QVERIFY(!damaged.hasLogFiles());
    }

    void damageIsFoundBeforeTheFirstWrite_data() { yb::test::addJournalModeRows(); }

    void damageIsFoundBeforeTheFirstWrite()
    {
        QFETCH(bool, rollbackJournal);
        const yb::test::DamagedFile damaged(rollbackJournal);
        {
            auto db = Database::open(damaged.dir.path()); // header and schema are sound
            Cursor notas(*db, "Notas");
            notas.open();
            notas.append();
            notas.setValue(u"KPlanta", 1);
            notas.setValue(u"Memo", "Una nota");
            for (int attempt = 0; attempt < 2; ++attempt) {
                try {
                    notas.post();
                    QFAIL("a post went into a damaged file");
                } catch (const DbError &e) {
                    QCOMPARE(e.code(), DbError::Code::Corrupt);
                }
            }
            QCOMPARE(notas.asString(u"Memo"), QString("Una nota")); // still on the record
            QVERIFY_THROWS_EXCEPTION(DbError, db->createIndex("Plantas", "PorNom3", "Nom3", true));
            QVERIFY(walIsEmpty(damaged.path));
        }
        QVERIFY(damaged.unchanged());
        QVERIFY(walIsEmpty(damaged.path));
    }

    void soundFileIsWrittenAfterTheCheck()
    {
        TempDatabase db;
        db.db.reset();
        auto reopened = Database::open(db.path());
        Cursor usos(*reopened, "Usos");
        usos.open();
        usos.append();
        usos.setValue(u"Nom", "Tonifica el qi");
        QVERIFY(usos.post());
        QCOMPARE(usos.recordCount(), 1);
    }

    void collationOrdersAsASpanishTable_data()
    {
        QTest::addColumn<QString>("a");
        QTest::addColumn<QString>("b");
        QTest::addColumn<int>("expected");
        // clang-format off
        QTest::newRow("accent at the first level") << "Píldora" << "Poria" << -1;
        QTest::newRow("accented capital") << "ÁRBOL" << "arce" << -1;
        QTest::newRow("case at the first level") << "bai zhu" << "Ai Ye" << 1;
        QTest::newRow("prefix sorts first") << "Gan" << "GAN CAO" << -1;
        QTest::newRow("ñ after n") << "Piña" << "Pino" << 1;
        QTest::newRow("ñ before o") << "Piña" << "Pio" << -1;
        QTest::newRow("Ñ after every n") << "Ñame" << "Nuez" << 1;
        QTest::newRow("tie: no accent first") << "acido" << "ácido" << -1;
        QTest::newRow("tie: accent before case") << "Acido" << "ácido" << -1;
        QTest::newRow("tie: small letters first") << "ácido" << "ÁCIDO" << -1;
        QTest::newRow("tie: ñ by case") << "PIÑA" << "piña" << 1;
        QTest::newRow("diaeresis") << "pinguino" << "pingüino" << -1;
        QTest::newRow("decomposed accent") << "Pi\u0301ldora" << "Poria" << -1;
        QTest::newRow("equal") << "Gan Cao" << "Gan Cao" << 0;
        QTest::newRow("empty") << "" << "a" << -1;
        QTest::newRow("digits before letters") << "3 flores" << "Ajo" << -1;
        // clang-format on
    }

    void collationOrdersAsASpanishTable()
    {
        QFETCH(QString, a);
        QFETCH(QString, b);
        QFETCH(int, expected);
        QCOMPARE(sign(Collation::compare(a, b)), expected);
        QCOMPARE(sign(Collation::compare(b, a)), -expected);
        const QByteArray x = a.toUtf8(), y = b.toUtf8();
        QCOMPARE(sign(Collation::compareUtf8(x.constData(), int(x.size()), y.constData(), int(y.size()))), expected);
    }

    void textIndexesOrderAccentsWithTheirLetters()
    {
        TempDatabase db;
        for (const char *name : {"Poria", "Píldora", "pildora", "Pino", "Piña", "PÍLDORA", "Pio", "Nuez", "Ñame"})
            db.herb(name);
        QCOMPARE(indexOrder(*db),
                 QStringList({"Nuez", "Ñame", "pildora", "Píldora", "PÍLDORA", "Pino", "Piña", "Pio", "Poria"}));
    }

    void indexesOfAnOlderCollationAreRebuiltOnce()
    {
        TempDatabase db;
        for (const char *name : {"Poria", "Píldora", "Pino"})
            db.herb(name);
        indexOrder(*db);
        const QString path = db->filePath();
        db.db.reset();
        {
            // The file as the first version left it: accented letters after every other.
            yb::test::makeOlderCollation(path);
        }
        {
            auto reopened = Database::open(db.path());
            QCOMPARE(indexOrder(*reopened), QStringList({"Píldora", "Pino", "Poria"}));
            QCOMPARE(reopened->integrityProblems(), QStringList());
        }
        // Once rebuilt, a later start writes nothing.
        const QByteArray rebuilt = fileBytes(path);
        {
            auto again = Database::open(db.path());
            QCOMPARE(indexOrder(*again), QStringList({"Píldora", "Pino", "Poria"}));
        }
        QCOMPARE(fileBytes(path), rebuilt);
    }

    void collationSearchIgnoresCaseAndAccents_data()
    {
        QTest::addColumn<QString>("a");
        QTest::addColumn<QString>("b");
        QTest::addColumn<int>("expected");
        // clang-format off
        QTest::newRow("accented capitals") << "ÁCIDO" << "ácido" << 0;
        QTest::newRow("ascii") << "GAN CAO" << "Gan Cao" << 0;
        QTest::newRow("prefix sorts first") << "Gan" << "GAN CAO" << -1;
        QTest::newRow("order ignores case") << "bai zhu" << "Ai Ye" << 1;
        QTest::newRow("ñ") << "PIÑA" << "piña" << 0;
        QTest::newRow("empty") << "" << "a" << -1;
        QTest::newRow("accent ignored") << "PILDORA" << "Píldora" << 0;
        QTest::newRow("decomposed accent ignored") << "PILDORA" << "Pi\u0301ldora" << 0;
        QTest::newRow("ñ is a letter of its own") << "PINA" << "piña" << -1;
        // clang-format on
    }

    void collationSearchIgnoresCaseAndAccents()
    {
        QFETCH(QString, a);
        QFETCH(QString, b);
        QFETCH(int, expected);
        QCOMPARE(sign(Collation::comparePrimary(a, b)), expected);
        const QByteArray x = a.toUtf8(), y = b.toUtf8();
        QCOMPARE(sign(Collation::comparePrimaryUtf8(x.constData(), int(x.size()), y.constData(), int(y.size()))),
                 expected);
        // The search key of a text is the least text that compares equal to it.
        QCOMPARE(Collation::comparePrimary(Collation::searchKey(a), a), 0);
        QVERIFY(Collation::compare(Collation::searchKey(a), a) <= 0);
        QCOMPARE(sign(Collation::compare(Collation::searchKey(a), Collation::searchKey(b))), expected);
    }

    void autoIncIsNeverReused()
    {
        TempDatabase db;
        const qint64 first = db.add("Usos", {{"Nom", "a"}});
        const qint64 second = db.add("Usos", {{"Nom", "b"}});
        QVERIFY(second > first);
        Cursor c(*db, "Usos");
        c.open();
        QVERIFY(c.findKey({second}));
        c.remove();
        const qint64 third = db.add("Usos", {{"Nom", "c"}});
        QVERIFY(third > second);
        c.emptyTable();
        QVERIFY(db.add("Usos", {{"Nom", "d"}}) > third);
    }

    void transactionRollsBackUnlessCommitted()
    {
        TempDatabase db;
        {
            Database::Transaction tx(*db);
            db->exec("INSERT INTO Usos (Nom) VALUES ('x')");
        }
        QCOMPARE(db.count("Usos"), 0);
        QVERIFY_THROWS_EXCEPTION(DbError,
                                 db->runScript("INSERT INTO Usos (Nom) VALUES ('y'); INSERT INTO Nada VALUES (1);"));
        QCOMPARE(db.count("Usos"), 0);
    }

    void workingTablesStartEmptyEachRun()
    {
        QTemporaryDir dir;
        {
            auto db = Database::create(dir.path());
            db->exec("INSERT INTO Selecc (Num, Nom) VALUES (3, 'Tos')");
            db->exec("INSERT INTO Repertor (KPlanta, Cant) VALUES (1, 2)");
        }
        auto db = Database::open(dir.path());
        for (const char *t : {"Selecc", "Repertor"}) {
            Statement s(*db, QString("SELECT count(*) FROM %1").arg(t));
            QVERIFY(s.step());
            QCOMPARE(s.int64(0), 0);
        }
    }
};

QTEST_GUILESS_MAIN(TestDatabase)
#include "tst_database.moc"
