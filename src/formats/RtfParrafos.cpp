#include "formats/RtfParrafos.h"

#include <optional>

namespace yb::Rtf {

void Parrafos::abrir(const ParrafoRtf &parrafo)
{
    m_lote.volcar();
    const FormatoParrafo formato = resolver(parrafo);
    m_destino.parrafo(formato, m_separacion);
    m_abierto = true;
    m_enTabla = formato.enTabla;
}

void Parrafos::terminar(const ParrafoRtf &parrafo, Separacion separacion)
{
    empezar(parrafo);
    m_lote.volcar();
    m_abierto = false;
    m_separacion = separacion;
}

void Parrafos::terminarFila(const ParrafoRtf &parrafo)
{
    if (!m_enTabla) {
        terminar(parrafo, Separacion::Parrafo);
        return;
    }
    m_lote.volcar();
    m_abierto = false;
    m_separacion = Separacion::Fila;
}

FormatoParrafo Parrafos::resolver(const ParrafoRtf &p)
{
    FormatoParrafo f;
    f.alineacion = p.alineacion;
    f.enTabla = p.enTabla;
    if (p.lista > 0) {
        if (const std::optional<EstiloLista> estilo = m_listas.estilo(p.lista, p.nivel)) {
            f.lista = p.lista;
            f.nivel = p.nivel;
            f.estilo = *estilo;
        }
    } else if (p.numeracion != ParrafoRtf::Numeracion::Ninguna) {
        // \pn numbers the paragraphs that follow one another in one style;
        // another paragraph, or another style, ends the list
        f.estilo = p.numeracion == ParrafoRtf::Numeracion::Vineta ? EstiloLista::Disco : p.estiloNumeracion;
        if (!m_numeracionSeguida || f.estilo != m_estiloNumeracion)
            --m_serieNumeracion;
        m_estiloNumeracion = f.estilo;
        f.lista = m_serieNumeracion;
        f.nivel = p.nivelNumeracion;
    }
    m_numeracionSeguida = f.lista < 0;
    return f;
}

} // namespace yb::Rtf
