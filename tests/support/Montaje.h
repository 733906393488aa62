#pragma once

// File-system faults for tests: a tiny tmpfs that can be filled up, and a
// read-only view of a file or directory. Both need the right to mount (root);
// without it `montado` stays false and the test skips.

#include <QByteArray>
#include <QFile>
#include <QString>
#include <QTemporaryDir>

#include <sys/mount.h>

namespace yb::test {

// A tmpfs of a few kilobytes mounted on a temporary directory.
struct DiscoPequeno {
    QTemporaryDir punto;
    bool montado = false;

    explicit DiscoPequeno(const char *opciones = "size=4k")
    {
        montado =
            punto.isValid() && ::mount("tmpfs", QFile::encodeName(punto.path()).constData(), "tmpfs", 0, opciones) == 0;
    }
    ~DiscoPequeno()
    {
        if (montado)
            ::umount2(QFile::encodeName(punto.path()).constData(), MNT_DETACH);
    }
    DiscoPequeno(const DiscoPequeno &) = delete;
    DiscoPequeno &operator=(const DiscoPequeno &) = delete;

    QString path() const { return punto.path(); }
    QString filePath(const QString &nombre) const { return punto.filePath(nombre); }

    // Writes a filler file until the disk has no block left.
    void llenar() const
    {
        QFile relleno(filePath(QStringLiteral("relleno")));
        if (!relleno.open(QIODevice::WriteOnly | QIODevice::Unbuffered))
            return;
        const QByteArray bloque(512, 'x');
        while (relleno.write(bloque) == bloque.size()) {
        }
    }
};

// The file or directory at `ruta` seen read-only: a read-only bind mount over
// itself, so even root cannot write it.
struct SoloLectura {
    QByteArray ruta;
    bool montado = false;

    explicit SoloLectura(const QString &camino) : ruta(QFile::encodeName(camino))
    {
        if (::mount(ruta.constData(), ruta.constData(), nullptr, MS_BIND, nullptr) != 0)
            return;
        montado = true;
        if (::mount(nullptr, ruta.constData(), nullptr, MS_REMOUNT | MS_BIND | MS_RDONLY, nullptr) != 0) {
            ::umount2(ruta.constData(), MNT_DETACH);
            montado = false;
        }
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
