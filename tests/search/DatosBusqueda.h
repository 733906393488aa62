#pragma once

// The rows that the full-text search tests search, and what they read of a result.

#include "data/TagBits.h"
#include "support/Fixture.h"

#include <QList>
#include <QString>

namespace yb::test {

// A monograph text in RTF, in the font table's one font.
inline QString rtf(const char *cuerpo)
{
    return QStringLiteral("{\\rtf1\\ansi\\deff0{\\fonttbl{\\f0 Arial;}}\\f0\\fs20 %1\\par}").arg(QLatin1String(cuerpo));
}

// Five rows, keys 1 to 5. Accented words of the texts are stored as RTF escapes
// (\'hh and \uN); those of the names as plain characters. No text a reader sees
// holds "par", "rtf", "ansi", "fonttbl" or "arial".
inline void llenar(TempDatabase &t)
{
    t.add("Plantas", {{"PinYin", "Ren Shen"},
                      {"Nom0", "Radix Ginseng"},
                      {"Descripcion", rtf("Lim\\'f3n dulce")},
                      {"Floracion", rtf("Calma el \\'e1nimo")},
                      {"DescripcionIng", rtf("Sweet root")},
                      {"FloracionIng", rtf("Calms the mind")}});
    t.add("Plantas", {{"PinYin", "Gan Cao"},
                      {"Nom0", "Radix Glycyrrhizae"},
                      {"Nom2", "Raíz de regaliz"},
                      {"Descripcion", rtf("Tos con flema")},
                      {"Floracion", rtf("Coraz\\u243?n tranquilo")}});
    t.add("Plantas", {{"PinYin", "Bai Zhu"},
                      {"Nom1", "Atractylodes"},
                      {"Administracion", rtf("{\\b Tos} seca")},
                      {"Aplicacion", rtf("Uso externo en heridas")},
                      {"AdministracionIng", rtf("Dry cough")}});
    t.add("Plantas", {{"PinYin", "Gui Zhi"}});
    t.add("Plantas", {{"PinYin", "Huang Qi"}, {"Nom3", "Raíz amarilla"}});
}

inline constexpr int kFilas = 5;

// The keys set in a hit set, in order.
inline QList<int> claves(const TTagBits &hits)
{
    QList<int> r;
    for (int k = 0; k < hits.size(); ++k)
        if (hits.test(k))
            r << k;
    return r;
}

} // namespace yb::test
