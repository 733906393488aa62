#pragma once

#include <QString>
#include <QStringView>
#include <optional>

namespace yb::Rtf {

// The character formatting in force at a point of an RTF text.
struct Formato {
    bool negrita = false;
    bool cursiva = false;
    bool subrayado = false;
    int medioPuntos = 24; // \fs: the size in half points
    int color = 0;        // \cf: index in the colour table, 0 for the automatic colour
    int fuente = -1;      // \f: number in the font table, -1 for none

    bool operator==(const Formato &) const = default;
};

// A colour of the colour table, each component from 0 to 255.
struct ColorRtf {
    int rojo = 0;
    int verde = 0;
    int azul = 0;
};

enum class Alineacion : quint8 { Izquierda, Centro, Derecha, Justificada };

enum class EstiloLista : quint8 {
    Disco,
    Circulo,
    Cuadrado,
    Decimal,
    LetraMinuscula,
    LetraMayuscula,
    RomanoMinusculo,
    RomanoMayusculo
};

// How a paragraph is laid out.
struct FormatoParrafo {
    Alineacion alineacion = Alineacion::Izquierda;
    bool enTabla = false; // a paragraph of a table's cell (\intbl)
    int lista = 0;        // the list it is an item of (a number of its own), 0 for none
    int nivel = 0;        // the item's level in its list, 0 to 8
    EstiloLista estilo = EstiloLista::Disco;

    bool operator==(const FormatoParrafo &) const = default;
};

// What ended the paragraph before a paragraph.
enum class Separacion : quint8 {
    Ninguna, // nothing: the first paragraph
    Parrafo, // a paragraph mark (\par, also within a cell)
    Celda,   // the end of a table cell (\cell)
    Fila     // the end of a table row (\row)
};

// What the reader hands on as it walks through an RTF text.
class Destino {
public:
    virtual ~Destino() = default;
    // Visible text (a tab is the character '\t') in the formatting given.
    virtual void texto(QStringView texto, const Formato &formato) = 0;
    // A line break inside a paragraph (\line).
    virtual void salto(const Formato &formato) = 0;
    // A paragraph begins, in the format given, after what ended the one before:
    // told before its first text, or at its mark when it has none. The mark that
    // ends the last paragraph begins nothing.
    virtual void parrafo(const FormatoParrafo &formato, Separacion antes) = 0;
    // Whether runs of text are cut where the formatting changes; if not, the
    // text comes in runs as long as possible with the formatting of their start.
    virtual bool usaFormato() const { return true; }
    // An entry of the font table, as it is read.
    virtual void fuente(int numero, const QString &nombre) {}
    // An entry of the colour table; none for the automatic colour.
    virtual void color(int indice, std::optional<ColorRtf> color) {}
};

// Reads an RTF text from its first brace to the brace that closes it (or to the
// end of the text if that brace is missing) and tells `destino` what it finds.
// Paragraph marks are passed on only when text follows them, so the mark that
// ends the last paragraph adds no empty paragraph. Bytes (\'hh) are decoded
// in the code page of the font in force (\fcharset, \cpg) or of the document
// (\ansicpg), double-byte pages too; bullets of symbol fonts read as bullets.
void interpretar(QStringView rtf, Destino &destino);

} // namespace yb::Rtf
