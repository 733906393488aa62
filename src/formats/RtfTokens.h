#pragma once

#include <QStringView>

namespace yb::Rtf {

// One piece of RTF: a brace, a control word with its parameter, a control
// symbol, a code-page byte written as \'hh, or a run of plain text.
struct Token {
    enum Tipo { Fin, Abre, Cierra, Palabra, Simbolo, Byte, Texto, Binario };
    Tipo tipo = Fin;
    QStringView texto; // the word's name (Palabra) or the run (Texto)
    int parametro = 0; // the word's parameter, clamped; the byte (Byte); the symbol (Simbolo)
    bool conParametro = false;
};

// Splits RTF into tokens in one pass over the text. Line ends are dropped
// (a backslash before one is \par), the space that ends a control word is
// eaten, \bin data is stepped over, and a malformed escape is dropped. It
// never reads past the end and never goes back, so any input costs linear time.
class Tokenizador {
public:
    explicit Tokenizador(QStringView rtf);

    Token siguiente();
    // Steps over the rest of the group that is open, up to and including its
    // closing brace (or the end of the text), honouring escapes and \bin.
    void saltarGrupo();

    // The fast way through plain text: whether visible text comes next (line
    // ends and control characters before it are stepped over), and copying it
    // into `destino`, with \'hh decoded and escaped braces and backslashes,
    // up to the first other piece of RTF or until `espacio` characters are
    // written. Returns how many were written.
    bool vieneTexto();
    qsizetype copiarTexto(char16_t *destino, qsizetype espacio);
    // The characters that the fast way gives each \'hh byte (256 of them, code
    // page 1252 until told otherwise); nullptr leaves every \'hh to siguiente(),
    // as bytes that may pair up into one character.
    void usarBytes(const char16_t *bytes) { m_bytes = bytes; }

    static constexpr int kParametroMaximo = 2'000'000'000;

private:
    // Reads a control word from its first letter: name, optional signed number
    // (clamped), the space that ends it, and the data of \bin. Returns where it ends.
    const char16_t *leerPalabra(const char16_t *p, Token &t) const;

    const char16_t *m_p;
    const char16_t *m_fin;
    const char16_t *m_bytes;
};

// The character of code page 1252 for a byte.
char16_t caracter1252(quint8 byte);

} // namespace yb::Rtf
