#include "formats/Rutas.h"

#include <QFileInfo>

namespace yb {

QString rutaSinMayusculas(const QDir &base, const QString &relativa)
{
    const QStringList segmentos = QString(relativa).replace(u'\\', u'/').split(u'/', Qt::SkipEmptyParts);
    QDir dir = base;
    QString ruta = base.path();
    for (int i = 0; i < segmentos.size(); ++i) {
        QString encontrado = segmentos[i];
        if (!dir.exists(encontrado)) {
            const QStringList entradas = dir.entryList(QDir::AllEntries | QDir::Hidden | QDir::NoDotAndDotDot);
            for (const QString &e : entradas)
                if (e.compare(segmentos[i], Qt::CaseInsensitive) == 0) {
                    encontrado = e;
                    break;
                }
        }
        ruta = dir.filePath(encontrado);
        if (i + 1 < segmentos.size())
            dir.setPath(ruta);
    }
    return segmentos.isEmpty() ? base.path() : ruta;
}

bool existeDirectorio(const QDir &base, const QString &nombre)
{
    return QFileInfo(rutaSinMayusculas(base, nombre)).isDir();
}

} // namespace yb
