#include "search/BusquedaTexto.h"

#include "data/Database.h"
#include "data/TagBits.h"
#include "formats/RtfPlano.h"
#include "search/TextMatch.h"

#include <QFile>
#include <atomic>
#include <sqlite3.h>
#include <thread>
#include <vector>

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

int textosDeBusqueda(bool editor) { return editor ? 4 : 3; }

namespace {

// One side of the search: the rows of a key range, read through one connection.
struct Tramo {
    qint64 desde = 0, hasta = 0;                 // keys, both included
    std::vector<std::pair<int, bool>> resultado; // key, matched
};

// Reads the rows of a key range and matches each row's search text.
void recorrer(sqlite3 *conexion, const QString &sql, int textos, const QStringList &terminos, bool todos, Tramo &tramo,
              std::atomic<int> &hechas, const std::function<void()> &alAvanzar = {})
{
    sqlite3_stmt *filas = nullptr;
    const QByteArray utf8 = sql.toUtf8();
    if (sqlite3_prepare_v2(conexion, utf8.constData(), int(utf8.size()), &filas, nullptr) != SQLITE_OK)
        return;
    sqlite3_bind_int64(filas, 1, tramo.desde);
    sqlite3_bind_int64(filas, 2, tramo.hasta);
    const int campos = sqlite3_column_count(filas) - 1;
    QString texto; // the search text of one row, reused from row to row
    texto.reserve(16 * 1024);
    while (sqlite3_step(filas) == SQLITE_ROW) {
        texto.resize(0);
        for (int i = 0; i < campos; ++i) {
            if (i > 0)
                texto += u'|';
            const auto *p = reinterpret_cast<const char *>(sqlite3_column_text(filas, i + 1));
            const QString valor = QString::fromUtf8(p, sqlite3_column_bytes(filas, i + 1));
            if (i < textos && !valor.isEmpty())
                texto += Rtf::textoPlano(valor);
            else
                texto += valor;
        }
        // The fold works character by character and leaves "|" as it is, so
        // folding the joined text is folding each field and joining the folds.
        Texto::plegarEn(texto, texto);
        const bool pasa = todos ? Texto::todosLosTerminos(terminos, texto) : Texto::algunTermino(terminos, texto);
        tramo.resultado.emplace_back(int(sqlite3_column_int64(filas, 0)), pasa);
        hechas.fetch_add(1, std::memory_order_relaxed);
        if (alAvanzar)
            alAvanzar();
    }
    sqlite3_finalize(filas);
}

// A second, read-only connection to the same file, for the other half of the rows.
sqlite3 *conexionDeLectura(const Database &db)
{
    if (db.filePath().isEmpty() || db.directory().isEmpty())
        return nullptr;
    sqlite3 *conexion = nullptr;
    if (sqlite3_open_v2(QFile::encodeName(db.filePath()).constData(), &conexion,
                        SQLITE_OPEN_READONLY | SQLITE_OPEN_NOMUTEX, nullptr) != SQLITE_OK) {
        sqlite3_close_v2(conexion);
        return nullptr;
    }
    sqlite3_exec(conexion, "PRAGMA mmap_size = 268435456", nullptr, nullptr, nullptr);
    return conexion;
}

} // namespace

void buscarTexto(Database &db, const QStringList &terminosPlegados, bool todos, bool ingles, bool editor,
                 TTagBits &hits, const std::function<void(int hecho, int total)> &progreso)
{
    hits.clear();
    const QString tabla = db.resolveTable(QStringLiteral("Plantas"));
    const QStringList campos = camposDeBusqueda(ingles, editor);
    const int textos = textosDeBusqueda(editor);

    int total = 0;
    qint64 primera = 0, ultima = -1;
    {
        Statement cuenta(db, QStringLiteral("SELECT count(*), min(Clave), max(Clave) FROM \"%1\"").arg(tabla));
        if (cuenta.step()) {
            total = int(cuenta.int64(0));
            primera = cuenta.int64(1);
            ultima = cuenta.int64(2);
        }
    }
    if (progreso)
        progreso(0, total);
    if (total == 0)
        return;

    // One statement in key order reads only the fields searched: several times
    // faster than moving a cursor row by row. The rows are split in two key
    // ranges searched at once, one on a second read-only connection: reading
    // the texts as plain text is most of the work, and it divides well.
    const QString sql = QStringLiteral("SELECT Clave, \"%1\" FROM \"%2\" WHERE Clave BETWEEN ?1 AND ?2 ORDER BY Clave")
                            .arg(campos.join(QStringLiteral("\", \"")), tabla);
    sqlite3 *segunda = total > 1000 ? conexionDeLectura(db) : nullptr;
    Tramo propio, otro;
    propio.desde = primera;
    propio.hasta = segunda ? primera + (ultima - primera) / 2 : ultima;
    otro.desde = propio.hasta + 1;
    otro.hasta = ultima;
    std::atomic<int> hechas{0};
    std::thread ayudante;
    if (segunda)
        ayudante = std::thread([&] { recorrer(segunda, sql, textos, terminosPlegados, todos, otro, hechas); });

    // This thread searches its half and steps the progress, counting both halves.
    const std::function<void()> alAvanzar =
        progreso ? std::function<void()>([&] { progreso(hechas.load(std::memory_order_relaxed), total); })
                 : std::function<void()>();
    recorrer(db.handle(), sql, textos, terminosPlegados, todos, propio, hechas, alAvanzar);
    if (ayudante.joinable())
        ayudante.join();
    if (segunda)
        sqlite3_close_v2(segunda);
    for (const Tramo *t : {&propio, &otro})
        for (const auto &[clave, pasa] : t->resultado)
            hits.set(clave, pasa);
    if (progreso && segunda)
        progreso(total, total); // the other half may have finished last
}

} // namespace yb
