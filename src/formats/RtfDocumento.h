#pragma once

#include "formats/RtfLector.h"

#include <QStringView>
#include <vector>

class QTextDocument;

namespace yb::Rtf {

// Where each paragraph of a reading goes with respect to tables: outside them,
// into a new table, into the cell it is in or into another cell. Qt's tables
// grown a row or a column at a time cost time quadratic in their cells, so a
// text with tables is read twice: once to measure them with this class, and
// once to build them whole, placed by this class again from the same events.
class ColocacionTablas {
public:
    enum class Paso : quint8 {
        Bloque,     // outside tables: a new block, or the first one
        NuevaTabla, // the first paragraph of a table
        MismaCelda, // a further paragraph of the cell
        OtraCelda,  // the first paragraph of the cell at `fila`, `columna`
        TrasTabla,  // the first paragraph after a table: the block that follows it
        Tabulador   // a cell past the bounds: it goes on in the block, after a tab
    };
    struct Lugar {
        Paso paso = Paso::Bloque;
        int fila = 0;
        int columna = 0;
    };
    struct Forma {
        int filas = 1;
        int columnas = 1;
    };

    // Columns of a table beyond which a row's cells go on in its last one, and
    // the cells of all the tables of a text, beyond which rows are paragraphs
    // and their cells go on after tabs, as the plain text reads them.
    static constexpr int kColumnasMaximas = 64;
    static constexpr qint64 kCeldasMaximas = 1 << 18;

    Lugar colocar(bool enTabla, Separacion antes);
    // The shape of every table placed so far, in order.
    const std::vector<Forma> &formas() const { return m_formas; }

private:
    bool caben(int filas, int columnas) const { return m_celdasAntes + qint64(filas) * columnas <= kCeldasMaximas; }

    std::vector<Forma> m_formas;
    bool m_abierta = false;
    int m_fila = 0;
    int m_columna = 0;
    qint64 m_celdasAntes = 0; // cells of the tables before the open one
};

// Fills an empty document with an RTF text (from its first brace).
void construirDocumento(QStringView rtf, QTextDocument &documento);

} // namespace yb::Rtf
