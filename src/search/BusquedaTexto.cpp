#include "search/BusquedaTexto.h"

#include "data/Database.h"
#include "data/TagBits.h"
#include "formats/Rtf.h"
#include "search/TextMatch.h"

namespace yb {

QStringList camposDeBusqueda(bool ingles, bool editor)
{
    QStringList campos = ingles ? QStringList{QStringLiteral("DescripcionIng"), QStringLiteral("FloracionIng"),
                                              QStringLiteral("AdministracionIng")}
                                : QStringList{QStringLiteral("Descripcion"), QStringLiteral("Floracion"),
                                              QStringLiteral("Administracion")};
    if (editor)
        campos << QStringLiteral("Aplicacion");
    campos << QStringLiteral("PinYin") << QStringLiteral("Nom0") << QStringLiteral("Nom1") << QStringLiteral("Nom2")
           << QStringLiteral("Nom3");
    return campos;
}

int textosDeBusqueda(bool editor)
{
    return editor ? 4 : 3;
}

void buscarTexto(Database &db, const QStringList &terminosPlegados, bool todos, bool ingles, bool editor,
                 TTagBits &hits, const std::function<void(int hecho, int total)> &progreso)
{
    hits.clear();
    const QString tabla = db.resolveTable(QStringLiteral("Plantas"));
    const QStringList campos = camposDeBusqueda(ingles, editor);
    const int textos = textosDeBusqueda(editor);

    int total = 0;
    {
        Statement cuenta(db, QStringLiteral("SELECT count(*) FROM \"%1\"").arg(tabla));
        if (cuenta.step())
            total = int(cuenta.int64(0));
    }

    // One statement in key order reads only the fields searched: several times
    // faster than moving a cursor row by row, which reads each row on its own.
    Statement filas(db, QStringLiteral("SELECT Clave, \"%1\" FROM \"%2\" ORDER BY Clave")
                            .arg(campos.join(QStringLiteral("\", \"")), tabla));
    QString texto; // the search text of one row, reused from row to row
    texto.reserve(16 * 1024);
    int hecho = 0;
    if (progreso)
        progreso(0, total);
    while (filas.step()) {
        texto.resize(0);
        for (int i = 0; i < campos.size(); ++i) {
            if (i > 0)
                texto += u'|';
            const QString valor = filas.text(i + 1);
            if (i < textos && !valor.isEmpty())
                texto += Rtf::textoPlano(valor);
            else
                texto += valor;
        }
        // The fold works character by character and leaves "|" as it is, so
        // folding the joined text is folding each field and joining the folds.
        Texto::plegarEn(texto, texto);
        const bool pasa =
            todos ? Texto::todosLosTerminos(terminosPlegados, texto) : Texto::algunTermino(terminosPlegados, texto);
        hits.set(int(filas.int64(0)), pasa);
        if (progreso)
            progreso(++hecho, total);
    }
}

} // namespace yb
