#pragma once

#include "formats/RtfPaginas.h"
#include "formats/RtfTablas.h"

#include <QString>
#include <QStringView>
#include <optional>
#include <utility>

namespace yb::Rtf {

// How bytes are read in a font.
struct Decodificacion {
    const PaginaCodigos *pagina = nullptr;
    Simbolos simbolos = Simbolos::Ninguno;
    // The characters of the page's bytes for the tokenizer's fast way through
    // text; nullptr for a double-byte page, whose pairs go the slow way.
    const char16_t *rapidos = nullptr;
};

// The code pages of one reading: the document's (\ansicpg), each font's (its
// \fcharset or \cpg in the font table, which it keeps), and a lead byte of a
// double-byte page waiting for its second byte.
class Decodificador {
public:
    static constexpr char16_t kVineta = 0x2022;
    static constexpr char16_t kNoCaracter = 0xFFFD;

    Decodificador();

    // \ansicpg: the document's code page, if it is one the reader knows.
    void paginaDocumento(int numero);

    // The font table, entry by entry (see TablaFuentes).
    void empezarFuente(int numero) { m_fuentes.empezar(numero); }
    void juegoFuente(int juego) { m_fuentes.juego(juego); }
    void paginaFuente(int pagina) { m_fuentes.pagina(pagina); }
    void nombreFuente(QStringView texto) { m_fuentes.anadirNombre(texto); }
    // Ends the entry being read, if one is; its number and name when it has a name.
    std::optional<std::pair<int, QString>> terminarFuente();

    // How the bytes of a font are read (of the document's page when the table lacks the font).
    const Decodificacion &de(int fuente)
    {
        if (m_decodificada && fuente == m_fuenteDecodificada)
            return m_decodificacion;
        return decodificar(fuente);
    }

    // A \'hh byte in a font, or in a name of the font table's entry being read:
    // the character it is, or none for a lead byte, which then waits. A byte
    // after a lead byte is its second byte.
    std::optional<char16_t> byte(quint8 b, int fuente, bool enTablaFuentes);
    bool esperaPar() const { return m_paginaPar != nullptr; }
    // The character of the lead byte waiting and the one after it (none above 0xFF).
    char16_t cerrarPar(char16_t segundo);
    // A lead byte that nothing completes: it is shown as a character that is none.
    char16_t soltarInicial();

private:
    const Decodificacion &decodificar(int fuente);

    TablaFuentes m_fuentes;
    const PaginaCodigos *const m_pagina1252;
    const PaginaCodigos *m_paginaDocumento;
    const PaginaCodigos *m_paginaPar = nullptr; // a lead byte waits for its second byte
    quint8 m_inicial = 0;
    Decodificacion m_decodificacion;
    int m_fuenteDecodificada = 0;
    bool m_decodificada = false;
};

} // namespace yb::Rtf
