#pragma once

// Faults injected into the database under a running application: another
// program holding it locked, a disk with no byte left, and a file or
// directory that cannot be written.

#include "data/Database.h"

#include <QDir>
#include <QFile>
#include <QTemporaryDir>
#include <QTest>
#include <fcntl.h>
#include <sqlite3.h>
#include <sys/mount.h>
#include <unistd.h>

namespace yb::test {

// Another program holding the database with a write lock: every post fails as
// busy once the connection's wait (made short here) runs out; reading goes on.
struct BaseBloqueada {
    sqlite3 *otra = nullptr;

    explicit BaseBloqueada(Database &db, int esperaMs = 20)
    {
        sqlite3_busy_timeout(db.handle(), esperaMs);
        QCOMPARE(sqlite3_open_v2(db.filePath().toUtf8().constData(), &otra, SQLITE_OPEN_READWRITE, nullptr), SQLITE_OK);
        QCOMPARE(sqlite3_exec(otra, "BEGIN EXCLUSIVE", nullptr, nullptr, nullptr), SQLITE_OK);
    }
    ~BaseBloqueada() { soltar(); }
    BaseBloqueada(const BaseBloqueada &) = delete;
    BaseBloqueada &operator=(const BaseBloqueada &) = delete;

    void soltar()
    {
        if (!otra)
            return;
        sqlite3_exec(otra, "ROLLBACK", nullptr, nullptr, nullptr);
        sqlite3_close(otra);
        otra = nullptr;
    }
};

// A small file system of its own (tmpfs) that can be filled to its last byte
// and emptied again. Mounting needs root: without it `montado` is false and
// the test skips.
struct DiscoLleno {
    QTemporaryDir punto;
    bool montado = false;

    explicit DiscoLleno(const char *tamano = "size=4m")
    {
        montado = punto.isValid() && ::mount("tmpfs", punto.path().toLocal8Bit().constData(), "tmpfs", 0, tamano) == 0;
    }
    ~DiscoLleno()
    {
        vaciar();
        if (montado)
            ::umount2(punto.path().toLocal8Bit().constData(), MNT_DETACH);
    }
    DiscoLleno(const DiscoLleno &) = delete;
    DiscoLleno &operator=(const DiscoLleno &) = delete;

    QString path() const { return punto.path(); }
    QString relleno() const { return punto.filePath(QStringLiteral("relleno")); }

    // Writes until the file system has no byte left.
    void llenar()
    {
        const int fd = ::open(relleno().toLocal8Bit().constData(), O_WRONLY | O_CREAT | O_APPEND, 0600);
        QVERIFY(fd >= 0);
        static const QByteArray bloque(64 * 1024, 'x');
        for (qsizetype trozo = bloque.size(); trozo > 0; trozo /= 2)
            while (::write(fd, bloque.constData(), size_t(trozo)) > 0) {
            }
        ::close(fd);
    }
    void vaciar() { QFile::remove(relleno()); }
};

// The file or directory at `ruta` seen read-only: a read-only bind mount over
// itself, so that even root cannot write it. Mounting needs root: without it
// `montado` is false and the test skips.
struct SoloLectura {
    QByteArray ruta;
    bool montado = false;

    explicit SoloLectura(const QString &camino) : ruta(QFile::encodeName(camino))
    {
        if (::mount(ruta.constData(), ruta.constData(), nullptr, MS_BIND, nullptr) != 0)
            return;
        montado = ::mount(nullptr, ruta.constData(), nullptr, MS_REMOUNT | MS_BIND | MS_RDONLY, nullptr) == 0;
        if (!montado)
            ::umount2(ruta.constData(), MNT_DETACH);
    }
    ~SoloLectura()
    {
        if (montado)
            ::umount2(ruta.constData(), MNT_DETACH);
    }
    SoloLectura(const SoloLectura &) = delete;
    SoloLectura &operator=(const SoloLectura &) = delete;
};

} // namespace yb::test
