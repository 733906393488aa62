#pragma once

#include "formats/RtfEstado.h"
#include "formats/RtfLector.h"
#include "formats/RtfLote.h"
#include "formats/RtfTablas.h"

namespace yb::Rtf {

// The paragraphs of one reading as the destination is told them: each begins
// once, before its first text, in its format with its list looked up, after what
// ended the one before (a paragraph mark, a cell, a row).
class Parrafos {
public:
    Parrafos(Destino &destino, LoteTexto &lote, const DefinicionesListas &listas)
        : m_destino(destino),
          m_lote(lote),
          m_listas(listas)
    {}

    // Tells the destination that the paragraph in progress begins, once.
    void empezar(const ParrafoRtf &parrafo)
    {
        if (!m_abierto)
            abrir(parrafo);
    }
    // Ends the paragraph in progress: one with no text is a paragraph all the same.
    void terminar(const ParrafoRtf &parrafo, Separacion separacion);
    // \row: ends the row when the paragraph told last is in a table, else the paragraph.
    void terminarFila(const ParrafoRtf &parrafo);
    // Whether a \cell ends a cell: the paragraph in progress is in a table (once
    // told, as it was told; before that, as the RTF sets it now).
    bool enCelda(const ParrafoRtf &parrafo) const { return m_abierto ? m_enTabla : parrafo.enTabla; }

private:
    void abrir(const ParrafoRtf &parrafo);
    FormatoParrafo resolver(const ParrafoRtf &p);

    Destino &m_destino;
    LoteTexto &m_lote;
    const DefinicionesListas &m_listas;
    bool m_abierto = false; // the paragraph in progress has been told to the destination
    bool m_enTabla = false; // the paragraph told last is in a table
    Separacion m_separacion = Separacion::Ninguna;
    int m_serieNumeracion = 0; // \pn lists are numbered -1, -2...
    bool m_numeracionSeguida = false;
    EstiloLista m_estiloNumeracion = EstiloLista::Disco;
};

} // namespace yb::Rtf
