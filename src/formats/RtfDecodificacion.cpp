#include "formats/RtfDecodificacion.h"

namespace yb::Rtf {

Decodificador::Decodificador() : m_pagina1252(PaginaCodigos::de(1252)), m_paginaDocumento(m_pagina1252) {}

void Decodificador::paginaDocumento(int numero)
{
    if (const PaginaCodigos *pagina = PaginaCodigos::de(numero)) {
        m_paginaDocumento = pagina;
        m_decodificada = false;
    }
}

std::optional<std::pair<int, QString>> Decodificador::terminarFuente()
{
    m_decodificada = false;
    return m_fuentes.terminar(m_paginaDocumento);
}

const Decodificacion &Decodificador::decodificar(int fuente)
{
    m_decodificacion = {m_paginaDocumento, Simbolos::Ninguno};
    if (const Fuente *f = m_fuentes.buscar(fuente)) {
        m_decodificacion.simbolos = f->simbolos;
        if (f->simbolos != Simbolos::Ninguno)
            m_decodificacion.pagina = m_pagina1252; // their other characters are taken as they were
        else if (f->pagina)
            m_decodificacion.pagina = f->pagina;
    }
    const PaginaCodigos *pagina = m_decodificacion.pagina;
    m_decodificacion.rapidos = pagina->dobleByte() ? nullptr : pagina->bytes();
    m_fuenteDecodificada = fuente;
    m_decodificada = true;
    return m_decodificacion;
}

std::optional<char16_t> Decodificador::byte(quint8 b, int fuente, bool enTablaFuentes)
{
    if (m_paginaPar)
        return cerrarPar(b);
    Decodificacion d;
    if (enTablaFuentes)
        d.pagina = m_fuentes.paginaDeLaEntrada(m_paginaDocumento); // a name is in its font's own set
    else
        d = de(fuente);
    if (d.pagina->dobleByte() && d.pagina->esInicial(b)) {
        m_paginaPar = d.pagina;
        m_inicial = b;
        return std::nullopt;
    }
    return esVineta(d.simbolos, b) ? kVineta : d.pagina->bytes()[b];
}

char16_t Decodificador::cerrarPar(char16_t segundo)
{
    const PaginaCodigos *pagina = std::exchange(m_paginaPar, nullptr);
    return segundo < 0x100 ? pagina->par(m_inicial, quint8(segundo)) : kNoCaracter;
}

char16_t Decodificador::soltarInicial()
{
    m_paginaPar = nullptr;
    return kNoCaracter;
}

} // namespace yb::Rtf
