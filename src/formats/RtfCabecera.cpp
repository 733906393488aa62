#include "formats/RtfCabecera.h"

#include <algorithm>
#include <optional>

namespace yb::Rtf {

namespace {

// Opens a definition within a table of the header (a list, a level...).
bool empezarDefinicion(Estado &e, Tabla dentroDe, Tabla definicion)
{
    if (e.tabla != dentroDe)
        return false;
    e.tabla = definicion;
    return true;
}

} // namespace

void Cabecera::texto(Tabla tabla, QStringView s)
{
    switch (tabla) {
    case Tabla::Fuentes:
        for (;;) { // names up to each ';'
            const qsizetype fin = s.indexOf(u';');
            m_decodificador.nombreFuente(fin < 0 ? s : s.first(fin));
            if (fin < 0)
                break;
            guardarFuente();
            s = s.sliced(fin + 1);
        }
        break;
    case Tabla::Colores:
        for (const QChar c : s) {
            if (c == u';')
                guardarColor();
        }
        break;
    case Tabla::TextoNivel: m_listas.textoDeNivel(s); break;
    default: // names and numbers of lists
        break;
    }
}

void Cabecera::palabra(Estado &e, const Clave &clave, int valor)
{
    constexpr int kNiveles = DefinicionesListas::kNiveles;
    ParrafoRtf &p = e.parrafo;
    switch (clave.accion) {
    case Accion::Fuente:
        if (e.tabla == Tabla::Fuentes) {
            guardarFuente();
            m_decodificador.empezarFuente(qMax(valor, 0));
        }
        break;
    case Accion::JuegoFuente:
        if (e.tabla == Tabla::Fuentes)
            m_decodificador.juegoFuente(valor);
        break;
    case Accion::PaginaFuente:
        if (e.tabla == Tabla::Fuentes)
            m_decodificador.paginaFuente(valor);
        break;
    case Accion::Rojo:
    case Accion::Verde:
    case Accion::Azul:
        if (e.tabla == Tabla::Colores) {
            const int v = std::clamp(valor, 0, 255);
            (clave.accion == Accion::Rojo ? m_rojo : clave.accion == Accion::Verde ? m_verde : m_azul) = v;
            m_colorDado = true;
        }
        break;
    case Accion::ItemLista:
        if (e.tabla == Tabla::Sustitucion)
            m_listas.lsDeSustitucion(valor);
        break;
    case Accion::Lista:
        if (empezarDefinicion(e, Tabla::Listas, Tabla::Lista))
            m_listas.empezarLista();
        break;
    case Accion::NivelLista:
        if (empezarDefinicion(e, Tabla::Lista, Tabla::NivelLista))
            m_listas.empezarNivel();
        break;
    case Accion::FormatoNivel:
        if (e.tabla == Tabla::NivelLista)
            m_listas.formatoDeNivel(valor);
        break;
    case Accion::TextoNivel: empezarDefinicion(e, Tabla::NivelLista, Tabla::TextoNivel); break;
    case Accion::IdLista:
        if (e.tabla == Tabla::Lista)
            m_listas.idDeLista(valor);
        else if (e.tabla == Tabla::Sustitucion)
            m_listas.idDeSustitucion(valor);
        break;
    case Accion::Sustitucion:
        if (empezarDefinicion(e, Tabla::Sustituciones, Tabla::Sustitucion))
            m_listas.empezarSustitucion();
        break;
    case Accion::NumeracionNivel:
        if (e.tabla != Tabla::Numeracion)
            break;
        p.numeracion = clave.dato == kNumeroContinuacion ? ParrafoRtf::Numeracion::Ninguna
                       : clave.dato == kNumeroVineta     ? ParrafoRtf::Numeracion::Vineta
                                                         : ParrafoRtf::Numeracion::Numero;
        p.nivelNumeracion = clave.dato == kNumeroNivel ? std::clamp(valor - 1, 0, kNiveles - 1) : 0;
        break;
    case Accion::NumeracionEstilo:
        if (e.tabla == Tabla::Numeracion)
            p.estiloNumeracion = EstiloLista(clave.dato);
        break;
    default: break;
    }
}

void Cabecera::cerrar(const Estado &cerrado, Estado &fuera)
{
    if (cerrado.tabla == Tabla::Fuentes) {
        guardarFuente();
        return;
    }
    if (cerrado.tabla == fuera.tabla)
        return;
    switch (cerrado.tabla) {
    case Tabla::Lista: m_listas.terminarLista(); break;
    case Tabla::Sustitucion: m_listas.terminarSustitucion(); break;
    case Tabla::Numeracion: // what \pn says is said of the paragraph it is in
        fuera.parrafo.numeracion = cerrado.parrafo.numeracion;
        fuera.parrafo.estiloNumeracion = cerrado.parrafo.estiloNumeracion;
        fuera.parrafo.nivelNumeracion = cerrado.parrafo.nivelNumeracion;
        break;
    default: break;
    }
}

void Cabecera::guardarFuente()
{
    if (const auto nombrada = m_decodificador.terminarFuente())
        m_destino.fuente(nombrada->first, nombrada->second);
}

void Cabecera::guardarColor()
{
    if (m_colores < kColoresMaximos)
        m_destino.color(m_colores++, m_colorDado ? std::optional(ColorRtf{m_rojo, m_verde, m_azul}) : std::nullopt);
    m_rojo = m_verde = m_azul = 0;
    m_colorDado = false;
}

} // namespace yb::Rtf
