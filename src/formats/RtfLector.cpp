#include "formats/RtfLector.h"

#include "formats/RtfCabecera.h"
#include "formats/RtfClaves.h"
#include "formats/RtfDecodificacion.h"
#include "formats/RtfEstado.h"
#include "formats/RtfLote.h"
#include "formats/RtfPaginas.h"
#include "formats/RtfParrafos.h"
#include "formats/RtfTokens.h"

#include <algorithm>
#include <optional>
#include <utility>

namespace yb::Rtf {

namespace {

constexpr int kNivelesLista = DefinicionesListas::kNiveles;

// One reading of an RTF text: the pieces of RTF taken one by one, the group
// stack, the characters still to skip after a \u, and the character and
// paragraph formatting they set; the header's tables, the code pages, the
// paragraphs and the run of text being gathered each have their own class.
class Interprete {
public:
    Interprete(QStringView rtf, Destino &destino)
        : m_tokens(rtf),
          m_destino(destino),
          m_lote(destino, rtf.size()),
          m_cabecera(destino, m_decodificador),
          m_parrafos(destino, m_lote, m_cabecera.listas())
    {}

    void ejecutar()
    {
        recorrer();
        if (m_decodificador.esperaPar())
            caracter(m_decodificador.soltarInicial());
        m_lote.volcar();
    }

private:
    // Up to the end of the text or of its outermost group.
    void recorrer()
    {
        for (;;) {
            if (m_saltar == 0 && !m_decodificador.esperaPar() && actual().tabla == Tabla::Ninguna)
                copiarTexto();
            const Token t = m_tokens.siguiente();
            const bool alInicio = std::exchange(m_inicioGrupo, false);
            if (m_decodificador.esperaPar() && !puedeCerrarPar(t))
                caracter(m_decodificador.soltarInicial());
            switch (t.tipo) {
            case Token::Fin: return;
            case Token::Abre:
                m_saltar = 0;
                m_grupos.abrir();
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
            case Token::Texto: textoLiteral(t.texto); break;
            case Token::Binario: consumirRespaldo(); break;
            }
        }
    }

    Estado &actual() { return m_grupos.actual(); }

    bool consumirRespaldo()
    {
        if (m_saltar == 0)
            return false;
        --m_saltar;
        return true;
    }

    // True when the outermost group has closed: the text is over.
    bool cerrarGrupo()
    {
        return m_grupos.cerrar([this](const Estado &cerrado, Estado &fuera) { m_cabecera.cerrar(cerrado, fuera); });
    }

    // ---- text ---------------------------------------------------------------

    // Plain text straight from the RTF into the run, the common case. Text in
    // a symbol font goes the slow way, to have its bullets read.
    void copiarTexto()
    {
        const Decodificacion &d = m_decodificador.de(actual().formato.fuente);
        if (d.simbolos != Simbolos::Ninguno)
            return;
        m_tokens.usarBytes(d.rapidos);
        if (!m_tokens.vieneTexto())
            return;
        m_inicioGrupo = false;
        m_parrafos.empezar(actual().parrafo);
        m_lote.preparar(actual().formato);
        m_lote.anadidos(m_tokens.copiarTexto(m_lote.libre(), m_lote.espacio()));
    }

    // A destination that holds no text: skipped to its closing brace. The
    // outermost group is never skipped, whatever it says.
    bool omitirGrupo()
    {
        if (m_grupos.profundidad() <= 1 && !m_grupos.desbordada())
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

    // A \'hh byte: a character of its own or the first of a double-byte pair.
    void byte(quint8 b)
    {
        const Estado &e = actual();
        if (const std::optional<char16_t> c = m_decodificador.byte(b, e.formato.fuente, e.tabla == Tabla::Fuentes))
            caracter(*c);
    }

    // Whether the piece can be the second byte of a pair: a \'hh, a literal
    // character or an escaped brace or backslash.
    static bool puedeCerrarPar(const Token &t)
    {
        return t.tipo == Token::Byte || t.tipo == Token::Texto ||
               (t.tipo == Token::Simbolo && (t.parametro == u'\\' || t.parametro == u'{' || t.parametro == u'}'));
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
        if (m_saltar == 0 && m_decodificador.esperaPar()) {
            caracter(m_decodificador.cerrarPar(s[0].unicode()));
            s = s.sliced(1);
            if (s.isEmpty())
                return;
        }
        const Simbolos simbolos =
            actual().tabla == Tabla::Ninguna ? m_decodificador.de(actual().formato.fuente).simbolos : Simbolos::Ninguno;
        if (simbolos == Simbolos::Ninguno) {
            texto(s);
            return;
        }
        QString leido = s.toString();
        for (QChar &c : leido) {
            if (esVineta(simbolos, c.unicode()))
                c = QChar(Decodificador::kVineta);
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
        const Estado &e = actual();
        if (e.tabla != Tabla::Ninguna) {
            m_cabecera.texto(e.tabla, s);
            return;
        }
        m_parrafos.empezar(e.parrafo);
        m_lote.anotar(s, e.formato);
    }

    // ---- control words --------------------------------------------------------

    // A table of the header: read into its own state where the group allows.
    // Every reading reads them all, whatever its destination wants of them: a
    // word within one (\ansicpg, \deff, a font table...) then counts for all alike.
    bool empezarTabla(Estado &e, Tabla tabla)
    {
        if (m_grupos.desbordada()) // past the depth kept a table has no group of its own
            return omitirGrupo();
        if (m_grupos.profundidad() > 1) {
            m_lote.volcar(); // the text so far is formatted with the tables as they were
            e.tabla = tabla;
        }
        return false;
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
        case Accion::Negrita: f.negrita = activa; break;
        case Accion::Cursiva: f.cursiva = activa; break;
        case Accion::Subrayado: f.subrayado = activa; break;
        case Accion::SinSubrayado: f.subrayado = false; break;
        case Accion::Simple:
            f = Formato();
            f.fuente = m_fuenteBase;
            break;
        case Accion::Tamano:
            f.medioPuntos = t.conParametro && t.parametro > 0 ? entre(t.parametro, 2, 3276) : 24;
            break;
        case Accion::Color: f.color = qMax(valor, 0); break;
        case Accion::Fuente:
            if (e.tabla == Tabla::Fuentes)
                m_cabecera.palabra(e, *clave, valor);
            else
                f.fuente = qMax(valor, 0);
            break;
        case Accion::FuenteBase:
            m_fuenteBase = qMax(valor, 0);
            f.fuente = m_fuenteBase;
            break;
        case Accion::Saltos: e.saltosUnicode = t.conParametro ? entre(t.parametro, 0, 1000) : 1; break;
        case Accion::Unicode:
            if (t.conParametro) {
                const int codigo = t.parametro < 0 ? t.parametro + 65536 : t.parametro;
                if (codigo > 0 && codigo <= 0xFFFF) {
                    const char16_t c = char16_t(codigo);
                    caracter(esVineta(m_decodificador.de(f.fuente).simbolos, c) ? Decodificador::kVineta : c);
                }
                m_saltar = e.saltosUnicode;
            }
            break;
        case Accion::Parrafo:
            if (e.tabla == Tabla::Ninguna)
                m_parrafos.terminar(p, Separacion::Parrafo);
            break;
        case Accion::Celda:
            if (e.tabla != Tabla::Ninguna)
                break;
            if (m_parrafos.enCelda(p))
                m_parrafos.terminar(p, Separacion::Celda);
            else
                caracter(u'\t'); // a cell outside any table: as it reads
            break;
        case Accion::Fila:
            if (e.tabla == Tabla::Ninguna)
                m_parrafos.terminarFila(p);
            break;
        case Accion::Linea:
            if (e.tabla == Tabla::Ninguna) {
                m_parrafos.empezar(p);
                m_lote.volcar();
                m_destino.salto(f);
            }
            break;
        case Accion::Tabulador: caracter(u'\t'); break;
        case Accion::PaginaDocumento: m_decodificador.paginaDocumento(valor); break;
        case Accion::ParrafoNuevo: p = ParrafoRtf(); break;
        case Accion::Alinear: p.alineacion = Alineacion(clave->dato); break;
        case Accion::EnTabla: p.enTabla = activa; break;
        case Accion::ItemLista:
            if (e.tabla == Tabla::Sustitucion)
                m_cabecera.palabra(e, *clave, valor);
            else
                p.lista = qMax(valor, 0);
            break;
        case Accion::NivelItem: p.nivel = entre(valor, 0, kNivelesLista - 1); break;
        case Accion::TablaFuentes: return empezarTabla(e, Tabla::Fuentes);
        case Accion::TablaColores: return empezarTabla(e, Tabla::Colores);
        case Accion::TablaListas: return empezarTabla(e, Tabla::Listas);
        case Accion::TablaSustituciones: return empezarTabla(e, Tabla::Sustituciones);
        case Accion::Numeracion: return empezarTabla(e, Tabla::Numeracion);
        case Accion::JuegoFuente:
        case Accion::PaginaFuente:
        case Accion::Rojo:
        case Accion::Verde:
        case Accion::Azul:
        case Accion::Lista:
        case Accion::NivelLista:
        case Accion::FormatoNivel:
        case Accion::TextoNivel:
        case Accion::IdLista:
        case Accion::Sustitucion:
        case Accion::NumeracionNivel:
        case Accion::NumeracionEstilo: m_cabecera.palabra(e, *clave, valor); break;
        case Accion::Omitir: return omitirGrupo();
        case Accion::Caracter: caracter(clave->dato); break;
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
            if (m_decodificador.esperaPar())
                caracter(m_decodificador.cerrarPar(s));
            else
                caracter(s);
            break;
        case u'~': caracter(0x00A0); break;
        case u'_': caracter(0x2011); break;
        case u'*': return destinoIgnorable(alInicio);
        default: // \- (optional hyphen) and the rest carry no text
            break;
        }
        return false;
    }

    Tokenizador m_tokens;
    Destino &m_destino;
    LoteTexto m_lote;
    PilaGrupos m_grupos;
    int m_saltar = 0;
    bool m_inicioGrupo = false; // nothing read yet since the last opening brace
    int m_fuenteBase = -1;      // \deff
    Decodificador m_decodificador;
    Cabecera m_cabecera;
    Parrafos m_parrafos;
};

} // namespace

void interpretar(QStringView rtf, Destino &destino) { Interprete(rtf, destino).ejecutar(); }

} // namespace yb::Rtf
