#include "formats/RtfLector.h"

#include "formats/RtfClaves.h"
#include "formats/RtfPaginas.h"
#include "formats/RtfTablas.h"
#include "formats/RtfTokens.h"

#include <algorithm>
#include <array>
#include <cstring>
#include <optional>
#include <string_view>
#include <utility>
#include <vector>

namespace yb::Rtf {

namespace {

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

struct Estado {
    Formato formato;
    ParrafoRtf parrafo;
    int saltosUnicode = 1; // \uc: characters of fallback after each \u
    Tabla tabla = Tabla::Ninguna;
};

// How bytes are read in the font in force.
struct Decodificacion {
    const PaginaCodigos *pagina = nullptr;
    Simbolos simbolos = Simbolos::Ninguno;
};

constexpr int kProfundidadMaxima = 256;
constexpr int kColoresMaximos = 4096;
constexpr int kNivelesLista = DefinicionesListas::kNiveles;
constexpr qsizetype kLoteMaximo = 65536;
constexpr char16_t kVineta = 0x2022;
constexpr char16_t kNoCaracter = 0xFFFD;

// One reading of an RTF text: the group stack, the tables being read and the
// characters still to skip after a \u.
class Interprete {
public:
    Interprete(QStringView rtf, Destino &destino)
        : m_tokens(rtf), m_destino(destino), m_porFormato(destino.usaFormato()),
          m_capacidad(qBound<qsizetype>(16, rtf.size(), kLoteMaximo)), m_pagina1252(PaginaCodigos::de(1252)),
          m_paginaDocumento(m_pagina1252)
    {
        m_pila.reserve(16);
        m_pila.emplace_back();
        m_lote.resize(m_capacidad);
        m_base = reinterpret_cast<char16_t *>(m_lote.data());
    }

    void ejecutar()
    {
        recorrer();
        if (m_paginaPar)
            soltarInicial();
        volcar();
    }

private:
    // Up to the end of the text or of its outermost group.
    void recorrer()
    {
        for (;;) {
            if (m_saltar == 0 && !m_paginaPar && actual().tabla == Tabla::Ninguna)
                copiarTexto();
            const Token t = m_tokens.siguiente();
            const bool alInicio = std::exchange(m_inicioGrupo, false);
            if (m_paginaPar && !puedeCerrarPar(t))
                soltarInicial();
            switch (t.tipo) {
            case Token::Fin:
                return;
            case Token::Abre:
                m_saltar = 0;
                abrirGrupo();
                m_inicioGrupo = true;
                break;
            case Token::Cierra:
                m_saltar = 0;
                if (cerrarGrupo())
                    return;
                break;
            case Token::Palabra:
                if (consumirRespaldo())
                    break;
                if (palabra(t) && cerrarGrupo())
                    return;
                break;
            case Token::Simbolo:
                if (consumirRespaldo())
                    break;
                if (simbolo(char16_t(t.parametro), alInicio) && cerrarGrupo())
                    return;
                break;
            case Token::Byte:
                if (consumirRespaldo())
                    break;
                byte(quint8(t.parametro));
                break;
            case Token::Texto:
                textoLiteral(t.texto);
                break;
            case Token::Binario:
                consumirRespaldo();
                break;
            }
        }
    }

    Estado &actual() { return m_pila.back(); }

    bool consumirRespaldo()
    {
        if (m_saltar == 0)
            return false;
        --m_saltar;
        return true;
    }

    void abrirGrupo()
    {
        if (m_desborde > 0 || m_profundidad >= kProfundidadMaxima) {
            ++m_desborde; // deeper groups share the state of the deepest one kept
            return;
        }
        m_pila.push_back(m_pila.back());
        ++m_profundidad;
    }

    // True when the outermost group has closed: the text is over.
    bool cerrarGrupo()
    {
        if (m_desborde > 0) {
            --m_desborde;
            return false;
        }
        if (m_profundidad == 0)
            return false; // a stray closing brace
        Estado &cerrado = actual();
        Estado &fuera = m_pila[m_pila.size() - 2];
        if (cerrado.tabla == Tabla::Fuentes)
            guardarFuente();
        else if (cerrado.tabla != fuera.tabla)
            terminarDefinicion(cerrado, fuera);
        m_pila.pop_back();
        --m_profundidad;
        return m_profundidad == 0;
    }

    // The group that began a definition of the header closes.
    void terminarDefinicion(const Estado &cerrado, Estado &fuera)
    {
        switch (cerrado.tabla) {
        case Tabla::Lista:
            m_definiciones.terminarLista();
            break;
        case Tabla::Sustitucion:
            m_definiciones.terminarSustitucion();
            break;
        case Tabla::Numeracion: // what \pn says is said of the paragraph it is in
            fuera.parrafo.numeracion = cerrado.parrafo.numeracion;
            fuera.parrafo.estiloNumeracion = cerrado.parrafo.estiloNumeracion;
            fuera.parrafo.nivelNumeracion = cerrado.parrafo.nivelNumeracion;
            break;
        default:
            break;
        }
    }

    // ---- paragraphs ---------------------------------------------------------

    // Tells the destination that the paragraph in progress begins, once.
    void empezarParrafo()
    {
        if (m_abierto)
            return;
        volcar();
        const FormatoParrafo formato = resolver(actual().parrafo);
        m_destino.parrafo(formato, m_separacion);
        m_abierto = true;
        m_enTabla = formato.enTabla;
    }

    void terminarParrafo(Separacion separacion)
    {
        empezarParrafo(); // a paragraph with no text is a paragraph all the same
        volcar();
        m_abierto = false;
        m_separacion = separacion;
    }

    // The paragraph's format with its list looked up.
    FormatoParrafo resolver(const ParrafoRtf &p)
    {
        FormatoParrafo f;
        f.alineacion = p.alineacion;
        f.enTabla = p.enTabla;
        if (p.lista > 0) {
            if (const std::optional<EstiloLista> estilo = m_definiciones.estilo(p.lista, p.nivel)) {
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

    // ---- text ---------------------------------------------------------------

    // Gathers visible text into runs of one format (of any format when the
    // destination does not care), handed on at once.
    void anotar(QStringView s, const Formato &f)
    {
        if (m_usado > 0 && m_porFormato && !(f == m_formatoLote))
            volcar();
        if (m_usado + s.size() > m_capacidad) {
            volcar();
            if (s.size() > m_capacidad) {
                m_destino.texto(s, f);
                return;
            }
        }
        if (m_usado == 0)
            m_formatoLote = f;
        std::memcpy(m_base + m_usado, s.utf16(), size_t(s.size()) * sizeof(char16_t));
        m_usado += s.size();
    }

    // Plain text straight from the RTF into the run, the common case. Text in
    // a symbol font goes the slow way, to have its bullets read.
    void copiarTexto()
    {
        const Decodificacion &d = decodificacion();
        if (d.simbolos != Simbolos::Ninguno)
            return;
        if (!m_tokens.vieneTexto())
            return;
        m_inicioGrupo = false;
        empezarParrafo();
        const Formato &f = actual().formato;
        if ((m_usado > 0 && m_porFormato && !(f == m_formatoLote)) || m_usado == m_capacidad)
            volcar();
        if (m_usado == 0)
            m_formatoLote = f;
        m_usado += m_tokens.copiarTexto(m_base + m_usado, m_capacidad - m_usado);
    }

    void volcar()
    {
        if (m_usado == 0)
            return;
        m_destino.texto(QStringView(m_base, m_usado), m_formatoLote);
        m_usado = 0;
    }

    // A destination that holds no text: skipped to its closing brace. The
    // outermost group is never skipped, whatever it says.
    bool omitirGrupo()
    {
        if (m_profundidad <= 1 && m_desborde == 0)
            return false;
        m_tokens.saltarGrupo();
        return true;
    }

    // \* marks a destination to skip unless the reader knows it. At the start of
    // a group it makes the whole group that destination. Elsewhere, where some
    // writers put it, it marks only the control word after it, which is then
    // read as any other: ignored when unknown, so the text after it stays.
    bool destinoIgnorable(bool alInicio)
    {
        if (!alInicio)
            return false;
        Tokenizador despues = m_tokens;
        const Token t = despues.siguiente();
        if (t.tipo == Token::Palabra && seLeeTrasAsterisco(t.texto))
            return false;
        return omitirGrupo();
    }

    // How the bytes of the font in force are read.
    const Decodificacion &decodificacion()
    {
        const int fuente = actual().formato.fuente;
        if (m_decodificada && fuente == m_fuenteDecodificada)
            return m_decodificacion;
        m_decodificacion = {m_paginaDocumento, Simbolos::Ninguno};
        if (const Fuente *f = m_tablaFuentes.buscar(fuente)) {
            m_decodificacion.simbolos = f->simbolos;
            if (f->simbolos != Simbolos::Ninguno)
                m_decodificacion.pagina = m_pagina1252; // their other characters are taken as they were
            else if (f->pagina)
                m_decodificacion.pagina = f->pagina;
        }
        m_fuenteDecodificada = fuente;
        m_decodificada = true;
        const PaginaCodigos *pagina = m_decodificacion.pagina;
        m_tokens.usarBytes(pagina->dobleByte() ? nullptr : pagina->bytes()); // pairs go the slow way
        return m_decodificacion;
    }

    // A \'hh byte: a character of its own or the first of a double-byte pair.
    void byte(quint8 b)
    {
        if (m_paginaPar) {
            cerrarPar(b);
            return;
        }
        Decodificacion d;
        if (actual().tabla == Tabla::Fuentes)
            d.pagina = m_tablaFuentes.paginaDeLaEntrada(m_paginaDocumento); // a name is in its font's own set
        else
            d = decodificacion();
        if (d.pagina->dobleByte() && d.pagina->esInicial(b)) {
            m_paginaPar = d.pagina;
            m_inicial = b;
            return;
        }
        caracter(esVineta(d.simbolos, b) ? kVineta : d.pagina->bytes()[b]);
    }

    // Whether the piece can be the second byte of a pair: a \'hh, a literal
    // character or an escaped brace or backslash.
    static bool puedeCerrarPar(const Token &t)
    {
        return t.tipo == Token::Byte || t.tipo == Token::Texto ||
               (t.tipo == Token::Simbolo && (t.parametro == u'\\' || t.parametro == u'{' || t.parametro == u'}'));
    }

    void cerrarPar(char16_t segundo)
    {
        const PaginaCodigos *pagina = std::exchange(m_paginaPar, nullptr);
        caracter(segundo < 0x100 ? pagina->par(m_inicial, quint8(segundo)) : kNoCaracter);
    }

    // A lead byte that nothing completes is shown as a character that is none.
    void soltarInicial()
    {
        m_paginaPar = nullptr;
        caracter(kNoCaracter);
    }

    void caracter(char16_t c)
    {
        if (c < 0x20 && c != u'\t')
            return;
        texto(QStringView(&c, 1));
    }

    // Text as it stands in the RTF: it may end a double-byte pair, and in a
    // symbol font its bullets are read as bullets.
    void textoLiteral(QStringView s)
    {
        if (m_saltar == 0 && m_paginaPar) {
            cerrarPar(s[0].unicode());
            s = s.sliced(1);
            if (s.isEmpty())
                return;
        }
        const Simbolos simbolos = actual().tabla == Tabla::Ninguna ? decodificacion().simbolos : Simbolos::Ninguno;
        if (simbolos == Simbolos::Ninguno) {
            texto(s);
            return;
        }
        QString leido = s.toString();
        for (QChar &c : leido) {
            if (esVineta(simbolos, c.unicode()))
                c = QChar(kVineta);
        }
        texto(leido);
    }

    void texto(QStringView s)
    {
        if (m_saltar > 0) {
            const qsizetype n = qMin<qsizetype>(m_saltar, s.size());
            m_saltar -= int(n);
            s = s.sliced(n);
            if (s.isEmpty())
                return;
        }
        switch (actual().tabla) {
        case Tabla::Ninguna:
            empezarParrafo();
            anotar(s, actual().formato);
            break;
        case Tabla::Fuentes:
            for (;;) { // names up to each ';'
                const qsizetype fin = s.indexOf(u';');
                m_tablaFuentes.anadirNombre(fin < 0 ? s : s.first(fin));
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
        case Tabla::TextoNivel:
            m_definiciones.textoDeNivel(s);
            break;
        default: // names and numbers of lists
            break;
        }
    }

    // ---- the header's tables --------------------------------------------------

    void guardarFuente()
    {
        if (const auto nombrada = m_tablaFuentes.terminar(m_paginaDocumento))
            m_destino.fuente(nombrada->first, nombrada->second);
        m_decodificada = false;
    }

    void guardarColor()
    {
        if (m_colores < kColoresMaximos)
            m_destino.color(m_colores++, m_colorDado ? std::optional(ColorRtf{m_rojo, m_verde, m_azul}) : std::nullopt);
        m_rojo = m_verde = m_azul = 0;
        m_colorDado = false;
    }

    // A table of the header: read into its own state where the group allows.
    // Every reading reads them all, whatever its destination wants of them: a
    // word within one (\ansicpg, \deff, a font table...) then counts for all alike.
    bool empezarTabla(Estado &e, Tabla tabla)
    {
        if (m_desborde > 0) // past the depth kept a table has no group of its own
            return omitirGrupo();
        if (m_profundidad > 1) {
            volcar(); // the text so far is formatted with the tables as they were
            e.tabla = tabla;
        }
        return false;
    }

    // Opens a definition within a table of the header (a list, a level...).
    static bool empezarDefinicion(Estado &e, Tabla dentroDe, Tabla definicion)
    {
        if (e.tabla != dentroDe)
            return false;
        e.tabla = definicion;
        return true;
    }

    static int entre(int v, int minimo, int maximo) { return std::clamp(v, minimo, maximo); }

    // True when the word made the group a destination that was skipped to its end.
    bool palabra(const Token &t)
    {
        const Clave *clave = buscarClave(t.texto);
        if (!clave)
            return false;
        Estado &e = actual();
        Formato &f = e.formato;
        ParrafoRtf &p = e.parrafo;
        const bool activa = !t.conParametro || t.parametro != 0;
        const int valor = t.conParametro ? t.parametro : 0;
        switch (clave->accion) {
        case Accion::Negrita:
            f.negrita = activa;
            break;
        case Accion::Cursiva:
            f.cursiva = activa;
            break;
        case Accion::Subrayado:
            f.subrayado = activa;
            break;
        case Accion::SinSubrayado:
            f.subrayado = false;
            break;
        case Accion::Simple:
            f = Formato();
            f.fuente = m_fuenteBase;
            break;
        case Accion::Tamano:
            f.medioPuntos = t.conParametro && t.parametro > 0 ? entre(t.parametro, 2, 3276) : 24;
            break;
        case Accion::Color:
            f.color = qMax(valor, 0);
            break;
        case Accion::Fuente:
            if (e.tabla == Tabla::Fuentes) {
                guardarFuente();
                m_tablaFuentes.empezar(qMax(valor, 0));
            } else {
                f.fuente = qMax(valor, 0);
            }
            break;
        case Accion::FuenteBase:
            m_fuenteBase = qMax(valor, 0);
            f.fuente = m_fuenteBase;
            break;
        case Accion::Saltos:
            e.saltosUnicode = t.conParametro ? entre(t.parametro, 0, 1000) : 1;
            break;
        case Accion::Unicode:
            if (t.conParametro) {
                const int codigo = t.parametro < 0 ? t.parametro + 65536 : t.parametro;
                if (codigo > 0 && codigo <= 0xFFFF)
                    caracter(esVineta(decodificacion().simbolos, char16_t(codigo)) ? kVineta : char16_t(codigo));
                m_saltar = e.saltosUnicode;
            }
            break;
        case Accion::Parrafo:
            if (e.tabla == Tabla::Ninguna)
                terminarParrafo(Separacion::Parrafo);
            break;
        case Accion::Celda:
            if (e.tabla != Tabla::Ninguna)
                break;
            if (m_abierto ? m_enTabla : p.enTabla)
                terminarParrafo(Separacion::Celda);
            else
                caracter(u'\t'); // a cell outside any table: as it reads
            break;
        case Accion::Fila:
            if (e.tabla != Tabla::Ninguna)
                break;
            if (m_enTabla) {
                volcar();
                m_abierto = false;
                m_separacion = Separacion::Fila;
            } else {
                terminarParrafo(Separacion::Parrafo);
            }
            break;
        case Accion::Linea:
            if (e.tabla == Tabla::Ninguna) {
                empezarParrafo();
                volcar();
                m_destino.salto(f);
            }
            break;
        case Accion::Tabulador:
            caracter(u'\t');
            break;
        case Accion::TablaFuentes:
            return empezarTabla(e, Tabla::Fuentes);
        case Accion::JuegoFuente:
            if (e.tabla == Tabla::Fuentes)
                m_tablaFuentes.juego(valor);
            break;
        case Accion::PaginaFuente:
            if (e.tabla == Tabla::Fuentes)
                m_tablaFuentes.pagina(valor);
            break;
        case Accion::PaginaDocumento:
            if (const PaginaCodigos *pagina = PaginaCodigos::de(valor)) {
                m_paginaDocumento = pagina;
                m_decodificada = false;
            }
            break;
        case Accion::TablaColores:
            return empezarTabla(e, Tabla::Colores);
        case Accion::Rojo:
        case Accion::Verde:
        case Accion::Azul:
            if (e.tabla == Tabla::Colores) {
                const int v = entre(valor, 0, 255);
                (clave->accion == Accion::Rojo ? m_rojo : clave->accion == Accion::Verde ? m_verde : m_azul) = v;
                m_colorDado = true;
            }
            break;
        case Accion::ParrafoNuevo:
            p = ParrafoRtf();
            break;
        case Accion::Alinear:
            p.alineacion = Alineacion(clave->dato);
            break;
        case Accion::EnTabla:
            p.enTabla = activa;
            break;
        case Accion::ItemLista:
            if (e.tabla == Tabla::Sustitucion)
                m_definiciones.lsDeSustitucion(valor);
            else
                p.lista = qMax(valor, 0);
            break;
        case Accion::NivelItem:
            p.nivel = entre(valor, 0, kNivelesLista - 1);
            break;
        case Accion::TablaListas:
            return empezarTabla(e, Tabla::Listas);
        case Accion::Lista:
            if (empezarDefinicion(e, Tabla::Listas, Tabla::Lista))
                m_definiciones.empezarLista();
            break;
        case Accion::NivelLista:
            if (empezarDefinicion(e, Tabla::Lista, Tabla::NivelLista))
                m_definiciones.empezarNivel();
            break;
        case Accion::FormatoNivel:
            if (e.tabla == Tabla::NivelLista)
                m_definiciones.formatoDeNivel(valor);
            break;
        case Accion::TextoNivel:
            empezarDefinicion(e, Tabla::NivelLista, Tabla::TextoNivel);
            break;
        case Accion::IdLista:
            if (e.tabla == Tabla::Lista)
                m_definiciones.idDeLista(valor);
            else if (e.tabla == Tabla::Sustitucion)
                m_definiciones.idDeSustitucion(valor);
            break;
        case Accion::TablaSustituciones:
            return empezarTabla(e, Tabla::Sustituciones);
        case Accion::Sustitucion:
            if (empezarDefinicion(e, Tabla::Sustituciones, Tabla::Sustitucion))
                m_definiciones.empezarSustitucion();
            break;
        case Accion::Numeracion:
            return empezarTabla(e, Tabla::Numeracion);
        case Accion::NumeracionNivel:
            if (e.tabla != Tabla::Numeracion)
                break;
            p.numeracion = clave->dato == kNumeroContinuacion ? ParrafoRtf::Numeracion::Ninguna
                           : clave->dato == kNumeroVineta     ? ParrafoRtf::Numeracion::Vineta
                                                              : ParrafoRtf::Numeracion::Numero;
            p.nivelNumeracion = clave->dato == kNumeroNivel ? entre(valor - 1, 0, kNivelesLista - 1) : 0;
            break;
        case Accion::NumeracionEstilo:
            if (e.tabla == Tabla::Numeracion)
                p.estiloNumeracion = EstiloLista(clave->dato);
            break;
        case Accion::Omitir:
            return omitirGrupo();
        case Accion::Caracter:
            caracter(clave->dato);
            break;
        }
        return false;
    }

    // True when the symbol made the group an ignorable destination that was skipped.
    bool simbolo(char16_t s, bool alInicio)
    {
        switch (s) {
        case u'\\':
        case u'{':
        case u'}':
            if (m_paginaPar)
                cerrarPar(s);
            else
                caracter(s);
            break;
        case u'~':
            caracter(0x00A0);
            break;
        case u'_':
            caracter(0x2011);
            break;
        case u'*':
            return destinoIgnorable(alInicio);
        default: // \- (optional hyphen) and the rest carry no text
            break;
        }
        return false;
    }

    Tokenizador m_tokens;
    Destino &m_destino;
    const bool m_porFormato;
    // the run being gathered: text never outgrows the RTF it comes from, so
    // the buffer rarely fills, and is handed on when it does
    const qsizetype m_capacidad;
    QString m_lote;
    char16_t *m_base = nullptr;
    qsizetype m_usado = 0;
    Formato m_formatoLote;
    std::vector<Estado> m_pila; // the state outside every group, then one per open group
    int m_profundidad = 0;
    qint64 m_desborde = 0;
    int m_saltar = 0;
    bool m_inicioGrupo = false; // nothing read yet since the last opening brace
    // paragraphs
    bool m_abierto = false; // the paragraph in progress has been told to the destination
    bool m_enTabla = false; // the paragraph told last is in a table
    Separacion m_separacion = Separacion::Ninguna;
    int m_serieNumeracion = 0; // \pn lists are numbered -1, -2...
    bool m_numeracionSeguida = false;
    EstiloLista m_estiloNumeracion = EstiloLista::Disco;
    // decoding
    const PaginaCodigos *const m_pagina1252;
    const PaginaCodigos *m_paginaDocumento;
    const PaginaCodigos *m_paginaPar = nullptr; // a lead byte waits for its second byte
    quint8 m_inicial = 0;
    Decodificacion m_decodificacion;
    int m_fuenteDecodificada = 0;
    bool m_decodificada = false;
    // the header's tables
    TablaFuentes m_tablaFuentes;
    int m_fuenteBase = -1;
    DefinicionesListas m_definiciones;
    // the colour table
    int m_colores = 0;
    int m_rojo = 0, m_verde = 0, m_azul = 0;
    bool m_colorDado = false;
};

} // namespace

void interpretar(QStringView rtf, Destino &destino)
{
    Interprete(rtf, destino).ejecutar();
}

} // namespace yb::Rtf
