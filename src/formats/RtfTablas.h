#pragma once

#include "formats/RtfLector.h"
#include "formats/RtfPaginas.h"

#include <QHash>
#include <QString>
#include <array>
#include <map>
#include <optional>
#include <utility>

namespace yb::Rtf {

// What a font of the table tells about its text.
struct Fuente {
    const PaginaCodigos *pagina = nullptr; // nullptr for the document's (\ansicpg)
    Simbolos simbolos = Simbolos::Ninguno;
};

// The font table as the reader meets it: the entry being read (its number,
// \fcharset, \cpg and name up to its ';') and what each font read tells.
class TablaFuentes {
public:
    // \f within the table: the entry before it ends first (see terminar).
    void empezar(int numero);
    void juego(int juego) { m_juego = juego; }
    void pagina(int pagina) { m_pagina = pagina; }
    void anadirNombre(QStringView texto);

    // The code page the entry being read writes its name in.
    const PaginaCodigos *paginaDeLaEntrada(const PaginaCodigos *documento) const;
    // Ends the entry being read, if one is. Returns its number and name when
    // it has a name: an entry without one does not undo an earlier entry.
    std::optional<std::pair<int, QString>> terminar(const PaginaCodigos *documento);

    const Fuente *buscar(int numero) const;

private:
    static constexpr qsizetype kNombreMaximo = 256;

    std::map<int, Fuente> m_fuentes; // few, and a QHash allocates for many on its first entry
    bool m_abierta = false;
    int m_numero = 0;
    int m_juego = -1;
    int m_pagina = 0;
    QString m_nombre;
};

// The list definitions of \listtable and the list numbers that
// \listoverridetable gives them, as the reader meets them.
class DefinicionesListas {
public:
    static constexpr int kNiveles = 9;

    void empezarLista() { m_lista = Lista(); } // \list
    void empezarNivel();                       // \listlevel
    void formatoDeNivel(int formato);          // \levelnfc
    void textoDeNivel(QStringView texto);      // \leveltext: its first character is the bullet
    void idDeLista(int id) { m_lista.id = id; }
    void terminarLista() { m_listas.insert(m_lista.id, m_lista); }

    void empezarSustitucion() { m_sustitucion = {0, 0}; } // \listoverride
    void lsDeSustitucion(int ls) { m_sustitucion.first = ls; }
    void idDeSustitucion(int id) { m_sustitucion.second = id; }
    void terminarSustitucion() { m_sustituciones.insert(m_sustitucion.first, m_sustitucion.second); }

    // The style of a level of the list that \ls names; none for a level that
    // numbers nothing. A list the header does not define is a bulleted one.
    std::optional<EstiloLista> estilo(int ls, int nivel) const;

private:
    struct Nivel {
        int formato = 0; // 0 decimal, 1 upper roman, 2 lower roman, 3 upper letter, 4 lower letter, 23 bullet, 255 none
        char16_t vineta = 0;
    };
    struct Lista {
        int id = 0;
        std::array<Nivel, kNiveles> niveles{};
        int leidos = 0; // \listlevel groups read; past kNiveles they are not kept
    };

    Nivel *nivelLeido();
    static std::optional<EstiloLista> estiloDeNivel(const Nivel &nivel);

    QHash<int, Lista> m_listas; // by \listid
    Lista m_lista;
    QHash<int, int> m_sustituciones;   // \listid by \ls
    std::pair<int, int> m_sustitucion; // \ls and \listid of the override being read
};

} // namespace yb::Rtf
