#pragma once

#include "formats/RtfClaves.h"
#include "formats/RtfDecodificacion.h"
#include "formats/RtfEstado.h"
#include "formats/RtfLector.h"
#include "formats/RtfTablas.h"

#include <QStringView>

namespace yb::Rtf {

// The header's tables as one reading meets them: fonts (kept by the decoder),
// colours, list definitions and list overrides, and the \pn groups, whose
// numbering is read like a definition. Takes the words and text within them,
// and tells the destination each font and colour.
class Cabecera {
public:
    static constexpr int kColoresMaximos = 4096;

    Cabecera(Destino &destino, Decodificador &decodificador) : m_destino(destino), m_decodificador(decodificador) {}

    const DefinicionesListas &listas() const { return m_listas; }

    // Text within a table group (`tabla` is not Tabla::Ninguna).
    void texto(Tabla tabla, QStringView s);
    // A control word that sets something of a table or definition, in a group of
    // state `e`: the font table's \f \fcharset \cpg, the colour table's \red
    // \green \blue, the words of lists and list overrides, \pn's numbering.
    // Where the group is no such table, the word does nothing.
    void palabra(Estado &e, const Clave &clave, int valor);
    // A group closes within the group `fuera`: a font entry or a definition it began ends.
    void cerrar(const Estado &cerrado, Estado &fuera);

private:
    void guardarFuente();
    void guardarColor();

    Destino &m_destino;
    Decodificador &m_decodificador;
    DefinicionesListas m_listas;
    int m_colores = 0;
    int m_rojo = 0, m_verde = 0, m_azul = 0;
    bool m_colorDado = false;
};

} // namespace yb::Rtf
