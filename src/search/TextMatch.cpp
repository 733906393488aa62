#include "search/TextMatch.h"

#include <array>
#include <bit>
#include <cstring>

#include <QtGlobal>

// SSE2 is part of every x86-64 processor; AVX2 is used when the processor has it.
#if defined(__SSE2__) || defined(_M_X64)
#define YB_TEXTO_SSE2 1
#include <emmintrin.h>
#else
#define YB_TEXTO_SSE2 0
#endif
#if defined(__x86_64__) && (defined(__GNUC__) || defined(__clang__))
#define YB_TEXTO_AVX2 1
#include <immintrin.h>
#else
#define YB_TEXTO_AVX2 0
#endif

namespace yb::Texto {

namespace {

// The fold of every character below 256: the character at position i of the
// first row becomes the one at position i of the second, then a-z become A-Z.
constexpr std::array<char16_t, 256> kPlegado = [] {
    std::array<char16_t, 256> t{};
    for (int c = 0; c < 256; ++c)
        t[size_t(c)] = char16_t(c);
    constexpr char16_t de[] = u"áéíóúñüÁÉÍÓÚ";
    constexpr char16_t a[] = u"AEIOUÑUAEIOU";
    static_assert(std::size(de) == std::size(a));
    for (size_t i = 0; i + 1 < std::size(de); ++i)
        t[de[i]] = a[i];
    for (int c = 'a'; c <= 'z'; ++c)
        t[size_t(c)] = char16_t(c - 'a' + 'A');
    return t;
}();

inline char16_t plegado(char16_t c) { return c < 256 ? kPlegado[c] : c; }

#if YB_TEXTO_AVX2
// Whether the 16-character loops may run: the processor has AVX2 and the
// environment variable YB_TEXTO_SSE2 (set to try the 8-character loops) is not set.
bool conAvx2()
{
    static const bool si = [] {
        __builtin_cpu_init();
        return __builtin_cpu_supports("avx2") && qEnvironmentVariableIsEmpty("YB_TEXTO_SSE2");
    }();
    return si;
}
#endif

// The characters from 128 up among those of a block whose a-z were folded and
// stored at d + i: they were stored unchanged and now go through the table.
inline void plegarOtros(char16_t *d, qsizetype i, unsigned otros)
{
    while (otros) {
        const int bit = std::countr_zero(otros); // two mask bits per character
        const qsizetype k = i + bit / 2;
        d[k] = plegado(d[k]);
        otros &= ~(3u << bit);
    }
}

// One pass over the text, eight characters at a time: a-z become A-Z by two
// comparisons and a subtraction, which leave every character from 128 up as it
// is; those (one in a few blocks of Spanish text) then go through the table one
// by one. Each block is read before it is written, so d == s is fine.
// Returns where the plain loop goes on.
qsizetype plegarSse2(const char16_t *s, char16_t *d, qsizetype n)
{
    qsizetype i = 0;
#if YB_TEXTO_SSE2
    const __m128i noAscii = _mm_set1_epi16(short(0xFF80));
    const __m128i cero = _mm_setzero_si128();
    const __m128i antesDeA = _mm_set1_epi16('a' - 1);
    const __m128i despuesDeZ = _mm_set1_epi16('z' + 1);
    const __m128i diferencia = _mm_set1_epi16('a' - 'A');
    for (; i + 8 <= n; i += 8) {
        const __m128i v = _mm_loadu_si128(reinterpret_cast<const __m128i *>(s + i));
        // Signed comparisons: characters from 0x8000 up count as negative, below 'a'.
        const __m128i minuscula = _mm_and_si128(_mm_cmpgt_epi16(v, antesDeA), _mm_cmplt_epi16(v, despuesDeZ));
        _mm_storeu_si128(reinterpret_cast<__m128i *>(d + i), _mm_sub_epi16(v, _mm_and_si128(minuscula, diferencia)));
        plegarOtros(d, i, unsigned(_mm_movemask_epi8(_mm_cmpeq_epi16(_mm_and_si128(v, noAscii), cero))) ^ 0xFFFFu);
    }
#endif
    return i;
}

#if YB_TEXTO_AVX2
// The same, sixteen characters at a time, on processors that have AVX2.
__attribute__((target("avx2"))) qsizetype plegarAvx2(const char16_t *s, char16_t *d, qsizetype n)
{
    const __m256i noAscii = _mm256_set1_epi16(short(0xFF80));
    const __m256i cero = _mm256_setzero_si256();
    const __m256i antesDeA = _mm256_set1_epi16('a' - 1);
    const __m256i despuesDeZ = _mm256_set1_epi16('z' + 1);
    const __m256i diferencia = _mm256_set1_epi16('a' - 'A');
    qsizetype i = 0;
    for (; i + 16 <= n; i += 16) {
        const __m256i v = _mm256_loadu_si256(reinterpret_cast<const __m256i *>(s + i));
        const __m256i minuscula = _mm256_and_si256(_mm256_cmpgt_epi16(v, antesDeA), _mm256_cmpgt_epi16(despuesDeZ, v));
        _mm256_storeu_si256(reinterpret_cast<__m256i *>(d + i),
                            _mm256_sub_epi16(v, _mm256_and_si256(minuscula, diferencia)));
        plegarOtros(d, i, ~unsigned(_mm256_movemask_epi8(_mm256_cmpeq_epi16(_mm256_and_si256(v, noAscii), cero))));
    }
    return i;
}
#endif

// The fold of n characters from s into d: the widest vector loop, then the table.
void plegarBloques(const char16_t *s, char16_t *d, qsizetype n)
{
#if YB_TEXTO_AVX2
    qsizetype i = conAvx2() ? plegarAvx2(s, d, n) : plegarSse2(s, d, n);
#else
    qsizetype i = plegarSse2(s, d, n);
#endif
    for (; i < n; ++i)
        d[i] = plegado(s[i]);
}

// Whether the needle (at least two characters) starts at text[pos]: its first
// and last characters are known to match already.
inline bool restoIgual(const char16_t *t, qsizetype pos, const char16_t *a, qsizetype m)
{
    return m <= 2 || std::memcmp(t + pos + 1, a + 1, size_t(m - 2) * sizeof(char16_t)) == 0;
}

// The plain end of a substring test, from start position i on.
bool buscarDesde(const char16_t *t, qsizetype n, const char16_t *a, qsizetype m, qsizetype i)
{
    const char16_t primera = a[0], final = a[m - 1];
    for (const qsizetype ultimo = n - m; i <= ultimo; ++i) {
        if (t[i] == primera && t[i + m - 1] == final && restoIgual(t, i, a, m))
            return true;
    }
    return false;
}

// Substring test: eight start positions at a time are filtered by the term's
// first and last characters; only the rare positions where both match compare
// the middle.
bool buscarSse2(const char16_t *t, qsizetype n, const char16_t *a, qsizetype m)
{
    qsizetype i = 0;
#if YB_TEXTO_SSE2
    const __m128i p = _mm_set1_epi16(short(a[0]));
    const __m128i f = _mm_set1_epi16(short(a[m - 1]));
    for (const qsizetype fin = n - m + 1; i + 8 <= fin; i += 8) {
        const __m128i x = _mm_loadu_si128(reinterpret_cast<const __m128i *>(t + i));
        const __m128i y = _mm_loadu_si128(reinterpret_cast<const __m128i *>(t + i + m - 1));
        unsigned candidatas = unsigned(_mm_movemask_epi8(_mm_and_si128(_mm_cmpeq_epi16(x, p), _mm_cmpeq_epi16(y, f))));
        while (candidatas) {
            const int bit = std::countr_zero(candidatas); // two mask bits per character
            if (restoIgual(t, i + bit / 2, a, m))
                return true;
            candidatas &= ~(3u << bit);
        }
    }
#endif
    return buscarDesde(t, n, a, m, i);
}

#if YB_TEXTO_AVX2
// The same filter sixteen positions at a time, on processors that have AVX2.
__attribute__((target("avx2"))) bool buscarAvx2(const char16_t *t, qsizetype n, const char16_t *a, qsizetype m)
{
    const __m256i p = _mm256_set1_epi16(short(a[0]));
    const __m256i f = _mm256_set1_epi16(short(a[m - 1]));
    qsizetype i = 0;
    for (const qsizetype fin = n - m + 1; i + 16 <= fin; i += 16) {
        const __m256i x = _mm256_loadu_si256(reinterpret_cast<const __m256i *>(t + i));
        const __m256i y = _mm256_loadu_si256(reinterpret_cast<const __m256i *>(t + i + m - 1));
        unsigned candidatas =
            unsigned(_mm256_movemask_epi8(_mm256_and_si256(_mm256_cmpeq_epi16(x, p), _mm256_cmpeq_epi16(y, f))));
        while (candidatas) {
            const int bit = std::countr_zero(candidatas); // two mask bits per character
            if (restoIgual(t, i + bit / 2, a, m))
                return true;
            candidatas &= ~(3u << bit);
        }
    }
    return buscarDesde(t, n, a, m, i);
}
#endif

// Whether a (m >= 1 characters) occurs in t (n >= m characters).
bool buscar(const char16_t *t, qsizetype n, const char16_t *a, qsizetype m)
{
#if YB_TEXTO_AVX2
    if (conAvx2())
        return buscarAvx2(t, n, a, m);
#endif
    return buscarSse2(t, n, a, m);
}

} // namespace

char16_t plegarCaracter(char16_t c) { return plegado(c); }

QString plegar(QStringView texto)
{
    QString r;
    plegarEn(texto, r);
    return r;
}

void plegarEn(QStringView texto, QString &destino)
{
    const qsizetype n = texto.size();
    if (destino.size() != n)
        destino.resize(n);
    if (n == 0)
        return;
    // data() may detach destino; texto then still reads the old, shared copy.
    plegarBloques(texto.utf16(), reinterpret_cast<char16_t *>(destino.data()), n);
}

bool contiene(QStringView termino, QStringView texto)
{
    const qsizetype m = termino.size();
    if (m == 0 || m > texto.size())
        return false;
    return buscar(texto.utf16(), texto.size(), termino.utf16(), m);
}

bool algunTermino(const QStringList &terminos, QStringView texto)
{
    for (const QString &t : terminos) {
        if (contiene(t, texto))
            return true;
    }
    return false;
}

bool todosLosTerminos(const QStringList &terminos, QStringView texto)
{
    for (const QString &t : terminos) {
        if (!contiene(t, texto))
            return false;
    }
    return true;
}

QStringList separarPalabras(QStringView texto)
{
    QStringList palabras;
    const qsizetype n = texto.size();
    qsizetype inicio = 0;
    for (qsizetype i = 0; i <= n; ++i) {
        if (i == n || texto[i] == u' ') {
            if (i > inicio)
                palabras << plegar(texto.sliced(inicio, i - inicio));
            inicio = i + 1;
        }
    }
    return palabras;
}

QList<std::pair<qsizetype, qsizetype>> ocurrencias(const QStringList &terminos, QStringView textoPlegado)
{
    QList<std::pair<qsizetype, qsizetype>> encontradas;
    for (const QString &termino : terminos) {
        if (termino.isEmpty())
            continue;
        // The next search starts one character after the last find, so overlaps count.
        for (qsizetype desde = 0;;) {
            const qsizetype en = textoPlegado.indexOf(termino, desde);
            if (en < 0)
                break;
            encontradas.append({en, termino.size()});
            desde = en + 1;
        }
    }
    return encontradas;
}

} // namespace yb::Texto
