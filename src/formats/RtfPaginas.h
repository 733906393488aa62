#pragma once

#include <QStringView>
#include <QtGlobal>
#include <array>
#include <vector>

namespace yb::Rtf {

// The characters of a Windows code page as glibc's iconv converts them, read
// once per process and code page into tables that every reader, on any thread,
// then shares read-only.
class PaginaCodigos {
public:
    // The code page of that number, or nullptr when it is not one that RTF
    // writers use for text (1250-1258, 874, 932, 936, 949, 950) or iconv lacks it.
    static const PaginaCodigos *de(int numero);
    // The code page that an RTF \fcharsetN stands for, 0 for the document's own
    // (\ansicpg) and for symbol fonts.
    static int deJuego(int juego);

    // 256 characters, one per byte read alone; U+FFFD for a byte the code page
    // leaves undefined and for the lead byte of a double-byte character.
    const char16_t *bytes() const { return m_bytes.data(); }
    bool dobleByte() const { return !m_pares.empty(); }
    bool esInicial(quint8 byte) const { return m_filaDe[byte] >= 0; }
    // The character of a lead byte and the byte after it; U+FFFD for a pair that is none.
    char16_t par(quint8 inicial, quint8 final) const;

private:
    // Reads the code page from iconv; m_valida tells whether iconv knew it.
    explicit PaginaCodigos(int numero);

    bool m_valida = false;
    std::array<char16_t, 256> m_bytes{};
    std::array<qint16, 256> m_filaDe{}; // row of m_pares for a lead byte, -1 for the others
    std::vector<std::array<char16_t, 256>> m_pares;
};

// Fonts that draw pictures in place of letters. Of those only the bullets are
// read for what they show; their other characters stay as their bytes read.
enum class Simbolos : quint8 { Ninguno, Symbol, Wingdings };

// The kind of a font from its name and its \fcharset (2 is the symbol set).
Simbolos simbolosDeFuente(QStringView nombre, int juego);

// Whether a character code (a byte of the font, a literal character or a \u
// code) is a bullet in a font of that kind, which the reader shows as "•"
// (U+2022) where it would show "·", "l" or "§": Symbol 0xB7; Wingdings 0x6C
// 0x6E 0x71 0x75 0x76 0x77 0x9F 0xA7 0xD8; each also as its private-use code
// U+F0xx, and U+F0B7, Symbol's bullet as Word writes it, in any font.
bool esVineta(Simbolos simbolos, char16_t codigo);

} // namespace yb::Rtf
