#pragma once

#include "formats/RtfLector.h"

#include <utility>
#include <vector>

namespace yb::Rtf {

// Where the text of a group goes: the document, or one of the tables and
// definitions of the header (a group within them stays there).
enum class Tabla : quint8 {
    Ninguna,
    Fuentes,
    Colores,
    Listas,        // \listtable
    Lista,         // one \list
    NivelLista,    // one \listlevel of it
    TextoNivel,    // its \leveltext
    Sustituciones, // \listoverridetable
    Sustitucion,   // one \listoverride
    Numeracion     // \pn
};

// The paragraph formatting as the RTF sets it, before lists are looked up.
struct ParrafoRtf {
    enum class Numeracion : quint8 { Ninguna, Vineta, Numero };

    Alineacion alineacion = Alineacion::Izquierda;
    bool enTabla = false;
    int lista = 0; // \ls
    int nivel = 0; // \ilvl
    Numeracion numeracion = Numeracion::Ninguna;
    EstiloLista estiloNumeracion = EstiloLista::Decimal;
    int nivelNumeracion = 0;
};

// What a group sets, and the groups within it start from.
struct Estado {
    Formato formato;
    ParrafoRtf parrafo;
    int saltosUnicode = 1; // \uc: characters of fallback after each \u
    Tabla tabla = Tabla::Ninguna;
};

// The groups open at a point of the text, each with its state, after the state
// outside every group. Past the depth kept, deeper groups share the state of the
// deepest one kept.
class PilaGrupos {
public:
    static constexpr int kProfundidadMaxima = 256;

    PilaGrupos()
    {
        m_pila.reserve(16);
        m_pila.emplace_back();
    }

    Estado &actual() { return m_pila.back(); }
    const Estado &actual() const { return m_pila.back(); }
    // The groups open with a state of their own.
    int profundidad() const { return m_profundidad; }
    // Whether groups past the depth kept are open.
    bool desbordada() const { return m_desborde > 0; }

    void abrir()
    {
        if (m_desborde > 0 || m_profundidad >= kProfundidadMaxima) {
            ++m_desborde;
            return;
        }
        m_pila.push_back(m_pila.back());
        ++m_profundidad;
    }

    // Closes the innermost group; a group with a state of its own is first handed to
    // `alCerrar(cerrado, fuera)` with the state of the group around it. True when the
    // outermost group has closed: the text is over.
    template <typename AlCerrar>
    bool cerrar(AlCerrar &&alCerrar)
    {
        if (m_desborde > 0) {
            --m_desborde;
            return false;
        }
        if (m_profundidad == 0)
            return false; // a stray closing brace
        alCerrar(std::as_const(m_pila.back()), m_pila[m_pila.size() - 2]);
        m_pila.pop_back();
        --m_profundidad;
        return m_profundidad == 0;
    }

private:
    std::vector<Estado> m_pila;
    int m_profundidad = 0;
    qint64 m_desborde = 0;
};

} // namespace yb::Rtf
