#pragma once

#include "formats/RtfLector.h"

#include <QStringView>
#include <array>
#include <string_view>
#include <utility>
#include <vector>

// The control words the RTF reader knows, and what each does.
namespace yb::Rtf {

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
    Celda,
    Fila,
    TablaFuentes,
    JuegoFuente,     // \fcharset of a font
    PaginaFuente,    // \cpg of a font
    PaginaDocumento, // \ansicpg
    TablaColores,
    Rojo,
    Verde,
    Azul,
    ParrafoNuevo, // \pard
    Alinear,
    EnTabla,
    ItemLista, // \ls
    NivelItem, // \ilvl
    TablaListas,
    Lista,
    NivelLista,
    FormatoNivel, // \levelnfc
    TextoNivel,
    IdLista,
    TablaSustituciones, // \listoverridetable: list numbers (\ls) to list definitions
    Sustitucion,
    Numeracion,       // \pn: the older way of numbering paragraphs
    NumeracionNivel,  // \pnlvlblt, \pnlvlbody, \pnlvlcont, \pnlvlN
    NumeracionEstilo, // \pndec, \pnlcltr...
    Omitir,           // a destination whose content is not text
    Caracter          // a named character
};

struct Clave {
    std::u16string_view nombre;
    Accion accion;
    char16_t dato = 0; // the character, alignment, level kind or list style the word stands for
};

// Underlines of other kinds, all read as plain underline (names separated by spaces).
constexpr std::u16string_view kSubrayados =
    u"uld uldash uldashd uldashdd uldb ulhair ulhwave ulldash ulth ulthd ulthdash ulthdashd "
    u"ulthdashdd ulthldash ululdbwave ulw ulwave";

// Destinations whose content is not text, skipped whole (names separated by spaces). The
// text of list numbers (\listtext, \pntext) is there for readers that know no lists.
constexpr std::u16string_view kOmitidos =
    u"annotation atnauthor atndate atnicn atnid atnparent atnref atntime atrfend atrfstart author "
    u"bkmkend bkmkstart buptim colorschememapping comment company creatim datastore doccomm docvar "
    u"falt fchars filetbl fldinst footer footerf footerl footerr footnote ftncn ftnsep ftnsepc "
    u"generator header headerf headerl headerr info keywords latentstyles lchars listtext "
    u"mmathPr nonshppict objdata object operator panose pgdsctbl pict pnseclvl pntext pntxta "
    u"pntxtb printim private revtbl revtim rsidtbl stylesheet subject tc template themedata title txe "
    u"userprops xe xmlnstbl";

// Kinds of \pnlvl words.
enum NivelNumeracion : char16_t { kNumeroVineta, kNumeroCuerpo, kNumeroContinuacion, kNumeroNivel };

constexpr size_t kLongitudMaxima = 24; // longer words are none of ours

// The control words the reader knows, sorted by initial and length, and where
// the words of each initial and length are.
struct TablaDeClaves {
    std::vector<Clave> claves;
    std::array<std::array<std::pair<quint16, quint16>, kLongitudMaxima>, 26> rangos{};
};

// The table, built once.
const TablaDeClaves &tablaDeClaves();

// The control word of that name, if the reader knows it: a scan among the
// few words of the same initial and length.
inline const Clave *buscarClave(QStringView nombre)
{
    const qsizetype n = nombre.size();
    if (n == 0 || size_t(n) >= kLongitudMaxima || nombre[0] < u'a' || nombre[0] > u'z')
        return nullptr;
    const TablaDeClaves &tabla = tablaDeClaves();
    const auto &[desde, hasta] = tabla.rangos[size_t(nombre[0].unicode() - u'a')][size_t(n)];
    const char16_t *letras = nombre.utf16();
    for (size_t k = desde; k < hasta; ++k) {
        const char16_t *clave = tabla.claves[k].nombre.data();
        qsizetype i = 1; // the initial is the same
        while (i < n && clave[i] == letras[i])
            ++i;
        if (i == n)
            return &tabla.claves[k];
    }
    return nullptr;
}

// Destinations that \* marks and that the reader reads all the same.
bool seLeeTrasAsterisco(QStringView palabra);

} // namespace yb::Rtf
