#pragma once

#include <QColor>
#include <QString>
#include <QStringView>

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

// What the reader hands on as it walks through an RTF text.
class Destino {
public:
    virtual ~Destino() = default;
    // Visible text (a tab is the character '\t') in the formatting given.
    virtual void texto(QStringView texto, const Formato &formato) = 0;
    // A line break inside a paragraph (\line).
    virtual void salto(const Formato &formato) = 0;
    // The end of a paragraph that another one follows.
    virtual void parrafo() = 0;
    // Whether runs of text are cut where the formatting changes; if not, the
    // text comes in runs as long as possible with the formatting of their start.
    virtual bool usaFormato() const { return true; }
    // Whether the font and colour tables are wanted; if not they are skipped unread.
    virtual bool quiereTablas() const { return false; }
    virtual void fuente(int numero, const QString &nombre) {}
    // An entry of the colour table; an invalid colour is the automatic one.
    virtual void color(int indice, const QColor &color) {}
};

// Reads an RTF text from its first brace to the brace that closes it (or to the
// end of the text if that brace is missing) and tells `destino` what it finds.
// Paragraph marks are passed on only when text follows them, so the mark that
// ends the last paragraph adds no empty paragraph.
void interpretar(QStringView rtf, Destino &destino);

} // namespace yb::Rtf
