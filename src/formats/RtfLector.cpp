#include "formats/RtfLector.h"

#include "formats/RtfTokens.h"

#include <algorithm>
#include <array>
#include <cstring>
#include <string_view>
#include <vector>

namespace yb::Rtf {

namespace {

// What a control word does.
enum class Accion : quint8 {
    Negrita,
    Cursiva,
    Subrayado,
    SinSubrayado,
    Simple,
    Tamano,
    Color,
    Fuente,
    FuenteBase,
    Saltos,
    Unicode,
    Parrafo,
    Linea,
    Tabulador,
    TablaFuentes,
    TablaColores,
    Rojo,
    Verde,
    Azul,
    Omitir,  // a destination whose content is not text
    Caracter // a named character
};

struct Clave {
    std::u16string_view nombre;
    Accion accion;
    char16_t caracter = 0;
};

// Underlines of other kinds, all read as plain underline (names separated by spaces).
constexpr std::u16string_view kSubrayados =
    u"uld uldash uldashd uldashdd uldb ulhair ulhwave ulldash ulth ulthd ulthdash ulthdashd "
    u"ulthdashdd ulthldash ululdbwave ulw ulwave";

// Destinations whose content is not text, skipped whole (names separated by spaces).
constexpr std::u16string_view kOmitidos =
    u"annotation atnauthor atndate atnicn atnid atnparent atnref atntime atrfend atrfstart author "
    u"bkmkend bkmkstart buptim colorschememapping comment company creatim datastore doccomm docvar "
    u"falt fchars filetbl fldinst footer footerf footerl footerr footnote ftncn ftnsep ftnsepc "
    u"generator header headerf headerl headerr info keywords latentstyles lchars listoverridetable "
    u"listtable mmathPr nonshppict objdata object operator panose pgdsctbl pict pnseclvl pntxta "
    u"pntxtb printim private revtbl revtim rsidtbl stylesheet subject tc template themedata title txe "
    u"userprops xe xmlnstbl";

// The control word of that name, if the reader knows it: a short scan among the
// words of the same initial.
const Clave *buscarClave(QStringView nombre)
{
    struct Tabla {
        std::vector<Clave> claves;                                    // sorted by initial, then by length
        std::array<std::pair<qsizetype, qsizetype>, 26> porInicial{}; // range of each initial
    };
    static const Tabla tabla = [] {
        std::vector<Clave> t = {
            {u"ul", Accion::Subrayado},
            {u"b", Accion::Negrita},
            {u"i", Accion::Cursiva},
            {u"ulnone", Accion::SinSubrayado},
            {u"plain", Accion::Simple},
            {u"fs", Accion::Tamano},
            {u"cf", Accion::Color},
            {u"f", Accion::Fuente},
            {u"deff", Accion::FuenteBase},
            {u"uc", Accion::Saltos},
            {u"u", Accion::Unicode},
            {u"par", Accion::Parrafo},
            {u"page", Accion::Parrafo},
            {u"sect", Accion::Parrafo},
            {u"row", Accion::Parrafo},
            {u"line", Accion::Linea},
            {u"tab", Accion::Tabulador},
            {u"cell", Accion::Tabulador},
            {u"nestcell", Accion::Tabulador},
            {u"fonttbl", Accion::TablaFuentes},
            {u"colortbl", Accion::TablaColores},
            {u"red", Accion::Rojo},
            {u"green", Accion::Verde},
            {u"blue", Accion::Azul},
            {u"bullet", Accion::Caracter, 0x2022},
            {u"emdash", Accion::Caracter, 0x2014},
            {u"endash", Accion::Caracter, 0x2013},
            {u"emspace", Accion::Caracter, 0x2003},
            {u"enspace", Accion::Caracter, 0x2002},
            {u"qmspace", Accion::Caracter, 0x2005},
            {u"lquote", Accion::Caracter, 0x2018},
            {u"rquote", Accion::Caracter, 0x2019},
            {u"ldblquote", Accion::Caracter, 0x201C},
            {u"rdblquote", Accion::Caracter, 0x201D},
            {u"zwj", Accion::Caracter, 0x200D},
            {u"zwnj", Accion::Caracter, 0x200C},
        };
        const auto anadir = [&t](std::u16string_view nombres, Accion accion) {
            for (size_t i = 0, fin; i < nombres.size(); i = fin + 1) {
                fin = std::min(nombres.find(u' ', i), nombres.size());
                t.push_back({nombres.substr(i, fin - i), accion});
            }
        };
        anadir(kSubrayados, Accion::Subrayado);
        anadir(kOmitidos, Accion::Omitir);
        // Within an initial the short words come first: \b, \f, \fs, \par are the common ones.
        std::stable_sort(t.begin(), t.end(), [](const Clave &a, const Clave &b) {
            return std::pair(a.nombre[0], a.nombre.size()) < std::pair(b.nombre[0], b.nombre.size());
        });
        Tabla r;
        r.claves = std::move(t);
        for (qsizetype k = 0; k < qsizetype(r.claves.size()); ++k) {
            auto &rango = r.porInicial[r.claves[size_t(k)].nombre[0] - u'a'];
            if (rango.second == 0)
                rango.first = k;
            rango.second = k + 1;
        }
        return r;
    }();
    const std::u16string_view n(nombre.utf16(), size_t(nombre.size()));
    const char16_t inicial = n.empty() ? 0 : n[0];
    if (inicial < u'a' || inicial > u'z')
        return nullptr;
    const auto &[desde, hasta] = tabla.porInicial[inicial - u'a'];
    for (qsizetype k = desde; k < hasta; ++k) {
        if (tabla.claves[size_t(k)].nombre == n)
            return &tabla.claves[size_t(k)];
    }
    return nullptr;
}

// Where the text of a group goes.
enum class Tabla : quint8 { Ninguna, Fuentes, Colores };

struct Estado {
    Formato formato;
    int saltosUnicode = 1; // \uc: characters of fallback after each \u
    Tabla tabla = Tabla::Ninguna;
};

constexpr int kProfundidadMaxima = 256;
constexpr int kColoresMaximos = 4096;
constexpr int kNombreMaximo = 256;
constexpr qsizetype kLoteMaximo = 65536;

// One reading of an RTF text: the group stack, the tables being read and the
// characters still to skip after a \u.
class Interprete {
public:
    Interprete(QStringView rtf, Destino &destino)
        : m_tokens(rtf), m_destino(destino), m_tablas(destino.quiereTablas()), m_porFormato(destino.usaFormato()),
          m_capacidad(qBound<qsizetype>(16, rtf.size(), kLoteMaximo))
    {
        m_pila.reserve(16);
        m_pila.emplace_back();
        m_lote.resize(m_capacidad);
        m_base = reinterpret_cast<char16_t *>(m_lote.data());
    }

    void ejecutar()
    {
        recorrer();
        volcar();
        // The last paragraph mark ends the text; it opens no paragraph.
        for (; m_parrafos > 1; --m_parrafos)
            m_destino.parrafo();
    }

private:
    // Up to the end of the text or of its outermost group.
    void recorrer()
    {
        for (;;) {
            if (m_saltar == 0 && actual().tabla == Tabla::Ninguna)
                copiarTexto();
            const Token t = m_tokens.siguiente();
            switch (t.tipo) {
            case Token::Fin:
                return;
            case Token::Abre:
                m_saltar = 0;
                abrirGrupo();
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
                if (simbolo(char16_t(t.parametro)) && cerrarGrupo())
                    return;
                break;
            case Token::Byte:
                if (consumirRespaldo())
                    break;
                caracter(caracter1252(quint8(t.parametro)));
                break;
            case Token::Texto:
                texto(t.texto);
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
        if (actual().tabla == Tabla::Fuentes)
            guardarFuente();
        m_pila.pop_back();
        --m_profundidad;
        return m_profundidad == 0;
    }

    void emitirParrafos()
    {
        if (m_parrafos == 0)
            return;
        volcar();
        for (; m_parrafos > 0; --m_parrafos)
            m_destino.parrafo();
    }

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

    // Plain text straight from the RTF into the run, the common case.
    void copiarTexto()
    {
        if (!m_tokens.vieneTexto())
            return;
        emitirParrafos();
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

    void caracter(char16_t c)
    {
        if (c < 0x20 && c != u'\t')
            return;
        texto(QStringView(&c, 1));
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
            emitirParrafos();
            anotar(s, actual().formato);
            break;
        case Tabla::Fuentes:
            for (const QChar c : s) {
                if (c == u';')
                    guardarFuente();
                else if (m_fuenteAbierta && m_fuenteNombre.size() < kNombreMaximo)
                    m_fuenteNombre += c;
            }
            break;
        case Tabla::Colores:
            for (const QChar c : s) {
                if (c == u';')
                    guardarColor();
            }
            break;
        }
    }

    void guardarFuente()
    {
        if (!m_fuenteAbierta)
            return;
        m_fuenteAbierta = false;
        const QString nombre = m_fuenteNombre.trimmed();
        if (!nombre.isEmpty())
            m_destino.fuente(m_fuenteNumero, nombre);
        m_fuenteNombre.clear();
    }

    void guardarColor()
    {
        if (m_colores < kColoresMaximos)
            m_destino.color(m_colores++, m_colorDado ? QColor(m_rojo, m_verde, m_azul) : QColor());
        m_rojo = m_verde = m_azul = 0;
        m_colorDado = false;
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
        const bool activa = !t.conParametro || t.parametro != 0;
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
            f.color = t.conParametro ? qMax(t.parametro, 0) : 0;
            break;
        case Accion::Fuente: {
            const int numero = t.conParametro ? qMax(t.parametro, 0) : 0;
            if (e.tabla == Tabla::Fuentes) {
                guardarFuente();
                m_fuenteNumero = numero;
                m_fuenteAbierta = true;
            } else {
                f.fuente = numero;
            }
            break;
        }
        case Accion::FuenteBase:
            m_fuenteBase = t.conParametro ? qMax(t.parametro, 0) : 0;
            f.fuente = m_fuenteBase;
            break;
        case Accion::Saltos:
            e.saltosUnicode = t.conParametro ? entre(t.parametro, 0, 1000) : 1;
            break;
        case Accion::Unicode:
            if (t.conParametro) {
                const int codigo = t.parametro < 0 ? t.parametro + 65536 : t.parametro;
                if (codigo > 0 && codigo <= 0xFFFF)
                    caracter(char16_t(codigo));
                m_saltar = e.saltosUnicode;
            }
            break;
        case Accion::Parrafo:
            if (e.tabla == Tabla::Ninguna)
                ++m_parrafos;
            break;
        case Accion::Linea:
            if (e.tabla == Tabla::Ninguna) {
                emitirParrafos();
                volcar();
                m_destino.salto(f);
            }
            break;
        case Accion::Tabulador:
            caracter(u'\t');
            break;
        case Accion::TablaFuentes:
            if (!m_tablas || m_desborde > 0) // past the depth kept a table has no group of its own
                return omitirGrupo();
            if (m_profundidad > 1) {
                volcar(); // the text so far is formatted with the tables as they were
                e.tabla = Tabla::Fuentes;
            }
            break;
        case Accion::TablaColores:
            if (!m_tablas || m_desborde > 0) // past the depth kept a table has no group of its own
                return omitirGrupo();
            if (m_profundidad > 1) {
                volcar();
                e.tabla = Tabla::Colores;
            }
            break;
        case Accion::Rojo:
        case Accion::Verde:
        case Accion::Azul:
            if (e.tabla == Tabla::Colores) {
                const int v = t.conParametro ? entre(t.parametro, 0, 255) : 0;
                (clave->accion == Accion::Rojo ? m_rojo : clave->accion == Accion::Verde ? m_verde : m_azul) = v;
                m_colorDado = true;
            }
            break;
        case Accion::Omitir:
            return omitirGrupo();
        case Accion::Caracter:
            caracter(clave->caracter);
            break;
        }
        return false;
    }

    // True when the symbol made the group an ignorable destination that was skipped.
    bool simbolo(char16_t s)
    {
        switch (s) {
        case u'\\':
        case u'{':
        case u'}':
            caracter(s);
            break;
        case u'~':
            caracter(0x00A0);
            break;
        case u'_':
            caracter(0x2011);
            break;
        case u'*':
            return omitirGrupo();
        default: // \- (optional hyphen) and the rest carry no text
            break;
        }
        return false;
    }

    Tokenizador m_tokens;
    Destino &m_destino;
    const bool m_tablas;
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
    qint64 m_parrafos = 0;
    int m_fuenteBase = -1;
    int m_fuenteNumero = 0;
    bool m_fuenteAbierta = false;
    QString m_fuenteNombre;
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
