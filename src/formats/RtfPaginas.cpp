#include "formats/RtfPaginas.h"

#include "formats/RtfTokens.h"

#include <QtEndian>
#include <algorithm>
#include <cerrno>
#include <iconv.h>
#include <map>
#include <memory>
#include <mutex>

namespace yb::Rtf {

namespace {

constexpr char16_t kNoCaracter = 0xFFFD;

// One iconv conversion from a code page to UTF-16, closed with its owner.
class Conversor {
public:
    explicit Conversor(const char *desde) : m_cd(iconv_open("UTF-16LE", desde)) {}
    ~Conversor()
    {
        if (valido())
            iconv_close(m_cd);
    }
    Conversor(const Conversor &) = delete;
    Conversor &operator=(const Conversor &) = delete;

    bool valido() const { return m_cd != iconv_t(-1); }

    enum class Resultado { Caracter, Incompleto, Invalido };

    // Converts `n` bytes as one whole character into `c`, from the initial
    // state: Incompleto when they only begin one (a lead byte), Invalido when
    // they are none or more than one UTF-16 unit.
    Resultado convertir(const char *bytes, size_t n, char16_t &c)
    {
        iconv(m_cd, nullptr, nullptr, nullptr, nullptr);
        char *entrada = const_cast<char *>(bytes);
        size_t quedan = n;
        char16_t salida[4];
        char *s = reinterpret_cast<char *>(salida);
        size_t espacio = sizeof salida;
        if (iconv(m_cd, &entrada, &quedan, &s, &espacio) == size_t(-1))
            return errno == EINVAL ? Resultado::Incompleto : Resultado::Invalido;
        // converters that combine characters (1255, 1258) hold the last one back until told the input ended
        if (iconv(m_cd, nullptr, nullptr, &s, &espacio) == size_t(-1) || quedan != 0)
            return Resultado::Invalido;
        if (sizeof salida - espacio != sizeof(char16_t))
            return Resultado::Invalido;
        c = qFromLittleEndian(salida[0]);
        return Resultado::Caracter;
    }

private:
    iconv_t m_cd;
};

// Code pages that RTF writers give for text (\ansicpg, \cpg, \fcharset).
bool esPaginaDeTexto(int numero)
{
    static constexpr int kPaginas[] = {874, 932, 936, 949, 950, 1250, 1251, 1252, 1253, 1254, 1255, 1256, 1257, 1258};
    return std::find(std::begin(kPaginas), std::end(kPaginas), numero) != std::end(kPaginas);
}

} // namespace

PaginaCodigos::PaginaCodigos(int numero)
{
    m_filaDe.fill(-1);
    if (numero == 1252) { // the default of every RTF text: no converter to load
        for (int b = 0; b < 256; ++b)
            m_bytes[size_t(b)] = caracter1252(quint8(b));
        m_valida = true;
        return;
    }
    Conversor conversor(QByteArray("CP" + QByteArray::number(numero)).constData());
    if (!conversor.valido())
        return;
    for (int b = 0; b < 256; ++b) {
        const char byte = char(b);
        char16_t c = kNoCaracter;
        if (conversor.convertir(&byte, 1, c) == Conversor::Resultado::Incompleto) {
            m_filaDe[size_t(b)] = qint16(m_pares.size());
            auto &fila = m_pares.emplace_back();
            for (int f = 0; f < 256; ++f) {
                const char par[2] = {byte, char(f)};
                char16_t doble = kNoCaracter;
                fila[size_t(f)] =
                    conversor.convertir(par, 2, doble) == Conversor::Resultado::Caracter ? doble : kNoCaracter;
            }
            c = kNoCaracter;
        }
        m_bytes[size_t(b)] = c;
    }
    m_valida = true;
}

char16_t PaginaCodigos::par(quint8 inicial, quint8 final) const
{
    const qint16 fila = m_filaDe[inicial];
    return fila >= 0 ? m_pares[size_t(fila)][final] : kNoCaracter;
}

const PaginaCodigos *PaginaCodigos::de(int numero)
{
    if (numero == 1252) { // every reading starts with it: no lock
        static const PaginaCodigos k1252(1252);
        return &k1252;
    }
    if (!esPaginaDeTexto(numero))
        return nullptr;
    static std::mutex cerrojo;
    static std::map<int, std::unique_ptr<PaginaCodigos>> leidas; // never emptied: readers keep pointers
    const std::lock_guard<std::mutex> guarda(cerrojo);
    auto &pagina = leidas[numero];
    if (!pagina)
        pagina.reset(new PaginaCodigos(numero));
    return pagina->m_valida ? pagina.get() : nullptr;
}

int PaginaCodigos::deJuego(int juego)
{
    switch (juego) {
    case 128: return 932;
    case 129: return 949;
    case 134: return 936;
    case 136: return 950;
    case 161: return 1253;
    case 162: return 1254;
    case 163: return 1258;
    case 177: return 1255;
    case 178: return 1256;
    case 186: return 1257;
    case 204: return 1251;
    case 222: return 874;
    case 238: return 1250;
    default: // 0 ANSI, 1 default, 2 symbol, 77 Mac, 255 OEM and the rest: the document's
        return 0;
    }
}

Simbolos simbolosDeFuente(QStringView nombre, int juego)
{
    const auto es = [nombre](QStringView otro) { // most names are neither: their sizes tell
        return nombre.size() == otro.size() && nombre.compare(otro, Qt::CaseInsensitive) == 0;
    };
    if (es(u"Wingdings"))
        return Simbolos::Wingdings;
    if (es(u"Symbol") || juego == 2)
        return Simbolos::Symbol;
    return Simbolos::Ninguno;
}

bool esVineta(Simbolos simbolos, char16_t codigo)
{
    constexpr char16_t kPrivado = 0xF000; // where Windows puts the characters of symbol fonts
    if (codigo == kPrivado + 0xB7)
        return true;
    const char16_t byte = codigo >= kPrivado && codigo <= kPrivado + 0xFF ? char16_t(codigo - kPrivado) : codigo;
    switch (simbolos) {
    case Simbolos::Ninguno: return false;
    case Simbolos::Symbol: return byte == 0xB7;
    case Simbolos::Wingdings:
        switch (byte) {
        case 0x6C: // black circle
        case 0x6E: // black square
        case 0x71: // shadowed square
        case 0x75: // black diamond
        case 0x76: // diamond of four diamonds
        case 0x77: // small diamond
        case 0x9F: // bullet
        case 0xA7: // small square
        case 0xD8: // arrowhead
            return true;
        default: return false;
        }
    }
    return false;
}

} // namespace yb::Rtf
