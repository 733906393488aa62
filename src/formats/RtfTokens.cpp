#include "formats/RtfTokens.h"

#include <QtAlgorithms>
#include <array>

#if defined(__SSE2__)
#include <emmintrin.h>
#endif

namespace yb::Rtf {

namespace {

bool esLetra(char16_t c) { return (c >= u'a' && c <= u'z') || (c >= u'A' && c <= u'Z'); }
bool esDigito(char16_t c) { return c >= u'0' && c <= u'9'; }

int valorHex(char16_t c)
{
    if (c >= u'0' && c <= u'9')
        return c - u'0';
    if (c >= u'a' && c <= u'f')
        return c - u'a' + 10;
    if (c >= u'A' && c <= u'F')
        return c - u'A' + 10;
    return -1;
}

// Characters that end a run of plain text: the RTF syntax and the control
// characters other than tab (line ends included, which RTF ignores).
constexpr auto kCortaTexto = [] {
    std::array<bool, 128> t{};
    for (int c = 0; c < 0x20; ++c)
        t[size_t(c)] = c != '\t';
    t['\\'] = t['{'] = t['}'] = true;
    return t;
}();

bool cortaTexto(char16_t c) { return c < 128 && kCortaTexto[c]; }

constexpr char16_t k1252[32] = {0x20AC, 0x0081, 0x201A, 0x0192, 0x201E, 0x2026, 0x2020, 0x2021, 0x02C6, 0x2030, 0x0160,
                                0x2039, 0x0152, 0x008D, 0x017D, 0x008F, 0x0090, 0x2018, 0x2019, 0x201C, 0x201D, 0x2022,
                                0x2013, 0x2014, 0x02DC, 0x2122, 0x0161, 0x203A, 0x0153, 0x009D, 0x017E, 0x0178};

constexpr auto kBytes1252 = [] {
    std::array<char16_t, 256> t{};
    for (int b = 0; b < 256; ++b)
        t[size_t(b)] = b >= 0x80 && b < 0xA0 ? k1252[b - 0x80] : char16_t(b);
    return t;
}();

// A \'hh escape at p that gives a visible character (or a tab) through
// `bytes`, or 0 (also when there is no table of bytes).
char16_t escapeVisible(const char16_t *p, const char16_t *fin, const char16_t *bytes)
{
    if (!bytes || fin - p < 4 || p[1] != u'\'')
        return 0;
    const int alto = valorHex(p[2]), bajo = valorHex(p[3]);
    if (alto < 0 || bajo < 0)
        return 0;
    const char16_t c = bytes[alto * 16 + bajo];
    return c >= 0x20 || c == u'\t' ? c : 0;
}

bool esEscapeLiteral(char16_t s) { return s == u'\\' || s == u'{' || s == u'}'; }

} // namespace

char16_t caracter1252(quint8 byte) { return kBytes1252[byte]; }

Tokenizador::Tokenizador(QStringView rtf)
    : m_p(rtf.utf16()),
      m_fin(rtf.utf16() + rtf.size()),
      m_bytes(kBytes1252.data())
{}

bool Tokenizador::vieneTexto()
{
    while (m_p < m_fin && *m_p < 0x20 && *m_p != u'\t')
        ++m_p;
    if (m_p >= m_fin)
        return false;
    if (!cortaTexto(*m_p))
        return true;
    return *m_p == u'\\' && m_fin - m_p >= 2 && (esEscapeLiteral(m_p[1]) || escapeVisible(m_p, m_fin, m_bytes) != 0);
}

qsizetype Tokenizador::copiarTexto(char16_t *destino, qsizetype espacio)
{
    const char16_t *p = m_p, *const fin = m_fin;
    char16_t *d = destino, *const limite = destino + espacio;
    while (p < fin && d < limite) {
#if defined(__SSE2__)
        // Eight characters at a time: copied whole, and the text goes on up to
        // the first that is syntax or a control character.
        if (fin - p >= 8 && limite - d >= 8) {
            const __m128i v = _mm_loadu_si128(reinterpret_cast<const __m128i *>(p));
            const __m128i control = _mm_cmpeq_epi16(_mm_subs_epu16(v, _mm_set1_epi16(0x1F)), _mm_setzero_si128());
            const __m128i sintaxis = _mm_or_si128(
                _mm_cmpeq_epi16(v, _mm_set1_epi16('\\')),
                _mm_or_si128(_mm_cmpeq_epi16(v, _mm_set1_epi16('{')), _mm_cmpeq_epi16(v, _mm_set1_epi16('}'))));
            const uint mascara = uint(_mm_movemask_epi8(_mm_or_si128(control, sintaxis)));
            _mm_storeu_si128(reinterpret_cast<__m128i *>(d), v);
            const qsizetype n = mascara == 0 ? 8 : qCountTrailingZeroBits(mascara) / 2;
            p += n;
            d += n;
            if (n == 8)
                continue;
        }
#endif
        const char16_t c = *p;
        if (!cortaTexto(c)) {
            *d++ = c;
            ++p;
        } else if (c < 0x20) {
            ++p; // line ends and control characters
        } else if (c != u'\\' || fin - p < 2) {
            break; // a brace
        } else if (esEscapeLiteral(p[1])) {
            *d++ = p[1];
            p += 2;
        } else if (m_bytes && p[1] == u'\'' && fin - p >= 4 && valorHex(p[2]) >= 0 && valorHex(p[3]) >= 0) {
            if (const char16_t e = escapeVisible(p, fin, m_bytes))
                *d++ = e;
            p += 4;
        } else {
            break; // a control word or another symbol
        }
    }
    m_p = p;
    return d - destino;
}

const char16_t *Tokenizador::leerPalabra(const char16_t *p, Token &t) const
{
    const char16_t *const fin = m_fin, *inicio = p;
    while (p < fin && esLetra(*p))
        ++p;
    t.tipo = Token::Palabra;
    t.texto = QStringView(inicio, p - inicio);
    const bool negativo = fin - p >= 2 && *p == u'-' && esDigito(p[1]);
    if (negativo)
        ++p;
    if (p < fin && esDigito(*p)) {
        qint64 valor = 0;
        for (; p < fin && esDigito(*p); ++p) {
            if (valor <= kParametroMaximo) // past the limit the digits are read but no longer counted
                valor = valor * 10 + (*p - u'0');
        }
        t.parametro = int(negativo ? -qMin<qint64>(valor, kParametroMaximo) : qMin<qint64>(valor, kParametroMaximo));
        t.conParametro = true;
    }
    if (p < fin && *p == u' ')
        ++p;
    if (t.conParametro && t.parametro > 0 && t.texto == u"bin") {
        p += qMin<qint64>(t.parametro, fin - p); // the binary data
        t.tipo = Token::Binario;
    }
    return p;
}

Token Tokenizador::siguiente()
{
    Token t;
    const char16_t *p = m_p, *const fin = m_fin;
    while (p < fin) {
        const char16_t c = *p;
        if (c == u'{' || c == u'}') {
            m_p = p + 1;
            t.tipo = c == u'{' ? Token::Abre : Token::Cierra;
            return t;
        }
        if (c == u'\\') {
            if (++p >= fin)
                break; // a lone backslash at the end says nothing
            const char16_t s = *p;
            if (esLetra(s)) {
                m_p = leerPalabra(p, t);
                return t;
            }
            ++p;
            if (s == u'\'') {
                int valor = 0, cifras = 0;
                for (int h; cifras < 2 && p < fin && (h = valorHex(*p)) >= 0; ++cifras, ++p)
                    valor = valor * 16 + h;
                if (cifras == 0)
                    continue; // "\'" without hex digits: the escape is dropped
                t.tipo = Token::Byte;
                t.parametro = valor;
            } else if (s == u'\r' || s == u'\n') {
                t.tipo = Token::Palabra;
                t.texto = u"par";
            } else {
                t.tipo = Token::Simbolo;
                t.parametro = s;
            }
            m_p = p;
            return t;
        }
        if (cortaTexto(c)) {
            ++p;
            continue;
        }
        const char16_t *inicio = p++;
        while (p < fin && !cortaTexto(*p))
            ++p;
        m_p = p;
        t.tipo = Token::Texto;
        t.texto = QStringView(inicio, p - inicio);
        return t;
    }
    m_p = fin;
    t.tipo = Token::Fin;
    return t;
}

void Tokenizador::saltarGrupo()
{
    const char16_t *p = m_p, *const fin = m_fin;
    qint64 profundidad = 0;
    while (p < fin) {
        const char16_t c = *p++;
        if (c == u'{') {
            ++profundidad;
        } else if (c == u'}') {
            if (profundidad-- == 0)
                break;
        } else if (c == u'\\' && p < fin) {
            if (esLetra(*p)) {
                Token t;
                p = leerPalabra(p, t); // for the data of \bin
            } else {
                ++p; // an escaped brace or backslash does not count
            }
        }
    }
    m_p = p;
}

} // namespace yb::Rtf
