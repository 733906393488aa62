#include "formats/EscrituraAtomica.h"

#include <QSaveFile>

namespace yb {

bool escribirAtomico(const QString &ruta, const QByteArray &contenido)
{
    QSaveFile file(ruta);
    if (!file.open(QIODevice::WriteOnly))
        return false;
    // The bytes are buffered: a full disk shows only when they are flushed, and
    // QSaveFile::commit() does not look at that flush's result, so it is checked here.
    if (file.write(contenido) != contenido.size() || !file.flush()) {
        file.cancelWriting();
        return false;
    }
    return file.commit();
}

} // namespace yb
