#include "formats/RtfTablas.h"

namespace yb::Rtf {

void TablaFuentes::empezar(int numero)
{
    m_abierta = true;
    m_numero = numero;
    m_juego = -1;
    m_pagina = 0;
    m_nombre.clear();
}

void TablaFuentes::anadirNombre(QStringView texto)
{
    if (m_abierta)
        m_nombre += texto.first(qMin(texto.size(), kNombreMaximo - m_nombre.size()));
}

const PaginaCodigos *TablaFuentes::paginaDeLaEntrada(const PaginaCodigos *documento) const
{
    const int numero = m_pagina > 0 ? m_pagina : PaginaCodigos::deJuego(m_juego);
    const PaginaCodigos *pagina = numero > 0 ? PaginaCodigos::de(numero) : nullptr;
    return pagina ? pagina : documento;
}

std::optional<std::pair<int, QString>> TablaFuentes::terminar(const PaginaCodigos *documento)
{
    if (!m_abierta)
        return std::nullopt;
    m_abierta = false;
    const QString nombre = m_nombre.trimmed();
    m_nombre.clear();
    Fuente fuente;
    fuente.simbolos = simbolosDeFuente(nombre, m_juego);
    const PaginaCodigos *pagina = paginaDeLaEntrada(documento);
    fuente.pagina = pagina == documento ? nullptr : pagina; // so that a later \ansicpg counts
    if (nombre.isEmpty()) {
        m_fuentes.try_emplace(m_numero, fuente);
        return std::nullopt;
    }
    m_fuentes.insert_or_assign(m_numero, fuente);
    return std::pair(m_numero, nombre);
}

const Fuente *TablaFuentes::buscar(int numero) const
{
    const auto it = m_fuentes.find(numero);
    return it != m_fuentes.end() ? &it->second : nullptr;
}

void DefinicionesListas::empezarNivel() { m_lista.leidos = qMin(m_lista.leidos + 1, kNiveles + 1); }

DefinicionesListas::Nivel *DefinicionesListas::nivelLeido()
{
    const int k = m_lista.leidos - 1;
    return k >= 0 && k < kNiveles ? &m_lista.niveles[size_t(k)] : nullptr;
}

void DefinicionesListas::formatoDeNivel(int formato)
{
    if (Nivel *nivel = nivelLeido())
        nivel->formato = formato;
}

void DefinicionesListas::textoDeNivel(QStringView texto)
{
    if (Nivel *nivel = nivelLeido(); nivel && nivel->vineta == 0 && !texto.isEmpty())
        nivel->vineta = texto[0].unicode();
}

std::optional<EstiloLista> DefinicionesListas::estilo(int ls, int nivel) const
{
    const auto lista = m_listas.constFind(m_sustituciones.value(ls, ls));
    if (lista == m_listas.constEnd() || nivel >= lista->leidos)
        return EstiloLista::Disco;
    return estiloDeNivel(lista->niveles[size_t(nivel)]);
}

std::optional<EstiloLista> DefinicionesListas::estiloDeNivel(const Nivel &nivel)
{
    switch (nivel.formato) {
    case 255: return std::nullopt; // a level without number or bullet
    case 1: return EstiloLista::RomanoMayusculo;
    case 2: return EstiloLista::RomanoMinusculo;
    case 3: return EstiloLista::LetraMayuscula;
    case 4: return EstiloLista::LetraMinuscula;
    case 23:
        switch (nivel.vineta) {
        case u'o':
        case 0x25CB: // white circle
        case 0x25E6: // white bullet
            return EstiloLista::Circulo;
        case 0x25A0: // black square
        case 0x25AA: // small black square
        case 0x25FE: // medium small black square
            return EstiloLista::Cuadrado;
        default: return EstiloLista::Disco;
        }
    default: // decimal, and the numberings of other languages
        return EstiloLista::Decimal;
    }
}

} // namespace yb::Rtf
