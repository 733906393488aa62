#include "formats/RtfDocumento.h"

#include <QColor>
#include <QHash>
#include <QTextCursor>
#include <QTextDocument>
#include <QTextList>
#include <QTextTable>
#include <vector>

namespace yb::Rtf {

ColocacionTablas::Lugar ColocacionTablas::colocar(bool enTabla, Separacion antes)
{
    if (enTabla && m_abierta) {
        Forma &forma = m_formas.back();
        if (antes == Separacion::Celda) {
            const int siguiente = m_columna + 1;
            if (siguiente < forma.columnas || (siguiente < kColumnasMaximas && caben(forma.filas, siguiente + 1))) {
                m_columna = siguiente;
                forma.columnas = qMax(forma.columnas, siguiente + 1);
                return {Paso::OtraCelda, m_fila, m_columna};
            }
            return {Paso::Tabulador}; // no more columns: the cells go on in the last one
        }
        if (antes != Separacion::Fila)
            return {Paso::MismaCelda};
        if (caben(forma.filas + 1, forma.columnas)) {
            forma.filas = ++m_fila + 1;
            m_columna = 0;
            return {Paso::OtraCelda, m_fila, 0};
        }
        // no room for another row: the table ends here
    }
    if (m_abierta) {
        m_abierta = false;
        m_celdasAntes += qint64(m_formas.back().filas) * m_formas.back().columnas;
        return {Paso::TrasTabla};
    }
    if (enTabla && caben(1, 1)) {
        m_formas.push_back({});
        m_abierta = true;
        m_fila = m_columna = 0;
        return {Paso::NuevaTabla};
    }
    return {enTabla && antes == Separacion::Celda ? Paso::Tabulador : Paso::Bloque};
}

namespace {

// Characters a document keeps for its own structure (frame marks, objects) or
// that are no characters at all: kept out of the document's text.
bool reservadoDelDocumento(char16_t c)
{
    return c >= 0xFDD0 && (c <= 0xFDEF || c == 0xFFFC || c == 0xFFFE || c == 0xFFFF);
}

QTextListFormat::Style estiloQt(EstiloLista estilo)
{
    switch (estilo) {
    case EstiloLista::Disco: return QTextListFormat::ListDisc;
    case EstiloLista::Circulo: return QTextListFormat::ListCircle;
    case EstiloLista::Cuadrado: return QTextListFormat::ListSquare;
    case EstiloLista::Decimal: return QTextListFormat::ListDecimal;
    case EstiloLista::LetraMinuscula: return QTextListFormat::ListLowerAlpha;
    case EstiloLista::LetraMayuscula: return QTextListFormat::ListUpperAlpha;
    case EstiloLista::RomanoMinusculo: return QTextListFormat::ListLowerRoman;
    case EstiloLista::RomanoMayusculo: return QTextListFormat::ListUpperRoman;
    }
    return QTextListFormat::ListDisc;
}

Qt::Alignment alineacionQt(Alineacion alineacion)
{
    switch (alineacion) {
    case Alineacion::Izquierda: break;
    case Alineacion::Centro: return Qt::AlignHCenter;
    case Alineacion::Derecha: return Qt::AlignRight;
    case Alineacion::Justificada: return Qt::AlignJustify;
    }
    return Qt::AlignLeft;
}

// The first reading of a text with tables: only their shapes.
class DestinoFormas : public Destino {
public:
    void texto(QStringView, const Formato &) override {}
    void salto(const Formato &) override {}
    void parrafo(const FormatoParrafo &formato, Separacion antes) override
    {
        m_colocacion.colocar(formato.enTabla, antes);
    }
    bool usaFormato() const override { return false; }

    const std::vector<ColocacionTablas::Forma> &formas() const { return m_colocacion.formas(); }

private:
    ColocacionTablas m_colocacion;
};

// Builds a document: runs of text with their character format, one block per
// paragraph, line breaks as line separators, list items in their lists and
// tables built whole in the shapes measured before. Text in one format is
// gathered and inserted at once.
class DestinoDocumento : public Destino {
public:
    DestinoDocumento(QTextDocument &documento, std::vector<ColocacionTablas::Forma> formas)
        : m_cursor(&documento),
          m_formas(std::move(formas))
    {}

    void texto(QStringView texto, const Formato &formato) override
    {
        if (formato != m_formato) {
            volcar();
            m_formato = formato;
        }
        qsizetype desde = 0;
        for (qsizetype i = 0; i < texto.size(); ++i) {
            if (reservadoDelDocumento(texto[i].unicode())) {
                m_pendiente.append(texto.sliced(desde, i - desde));
                desde = i + 1;
            }
        }
        m_pendiente.append(texto.sliced(desde));
    }
    void salto(const Formato &formato) override { texto(QStringView(u"\u2028"), formato); }
    void parrafo(const FormatoParrafo &formato, Separacion antes) override
    {
        volcar();
        const ColocacionTablas::Lugar lugar = m_colocacion.colocar(formato.enTabla, antes);
        switch (lugar.paso) {
        case ColocacionTablas::Paso::Bloque:
            if (antes != Separacion::Ninguna)
                nuevoBloque();
            break;
        case ColocacionTablas::Paso::MismaCelda: nuevoBloque(); break;
        case ColocacionTablas::Paso::NuevaTabla: abrirTabla(); break;
        case ColocacionTablas::Paso::OtraCelda: irACelda(lugar.fila, lugar.columna); break;
        case ColocacionTablas::Paso::TrasTabla:
            m_cursor = m_tabla->lastCursorPosition();
            m_cursor.movePosition(QTextCursor::NextBlock);
            m_tabla = nullptr;
            break;
        case ColocacionTablas::Paso::Tabulador: texto(u"\t", m_formato); return; // the block is the paragraph's before
        }
        if (formato.alineacion != Alineacion::Izquierda) {
            QTextBlockFormat bloque = m_cursor.blockFormat();
            bloque.setAlignment(alineacionQt(formato.alineacion));
            m_cursor.setBlockFormat(bloque);
        }
        if (formato.lista != 0)
            anadirALista(formato);
    }
    // Text read before a table changes keeps the formatting it was read with.
    void fuente(int numero, const QString &nombre) override
    {
        volcar();
        m_fuentes.insert(numero, nombre);
        m_cacheValida = false;
    }
    void color(int indice, std::optional<ColorRtf> color) override
    {
        volcar();
        if (size_t(indice) >= m_colores.size())
            m_colores.resize(size_t(indice) + 1);
        m_colores[size_t(indice)] = color ? QColor(color->rojo, color->verde, color->azul) : QColor();
        m_cacheValida = false;
    }

    void volcar()
    {
        if (m_pendiente.isEmpty())
            return;
        const QTextCharFormat &f = formatoDe(m_formato);
        if (m_cursor.atBlockStart())
            m_cursor.setBlockCharFormat(f);
        m_cursor.insertText(m_pendiente, f);
        m_pendiente.clear();
    }

private:
    // Items a Qt list takes before the next item opens another: adding an item
    // costs time in proportion to the items before it.
    static constexpr int kElementosPorLista = 256;

    struct ListaAbierta {
        QTextList *lista = nullptr;
        int elementos = 0;
    };

    void nuevoBloque() { m_cursor.insertBlock(QTextBlockFormat(), formatoDe(m_formato)); }

    void abrirTabla()
    {
        const ColocacionTablas::Forma forma =
            m_tablas < m_formas.size() ? m_formas[m_tablas] : ColocacionTablas::Forma();
        ++m_tablas;
        QTextTableFormat formato;
        formato.setBorder(1);
        formato.setBorderStyle(QTextFrameFormat::BorderStyle_Solid);
        formato.setBorderCollapse(true);
        formato.setCellPadding(3);
        formato.setCellSpacing(0);
        m_tabla = m_cursor.insertTable(forma.filas, forma.columnas, formato);
        m_cursor = m_tabla->cellAt(0, 0).firstCursorPosition();
    }

    void irACelda(int fila, int columna)
    {
        // grown only where the first reading measured otherwise, which it never should
        if (fila >= m_tabla->rows())
            m_tabla->appendRows(fila + 1 - m_tabla->rows());
        if (columna >= m_tabla->columns())
            m_tabla->appendColumns(columna + 1 - m_tabla->columns());
        m_cursor = m_tabla->cellAt(fila, columna).firstCursorPosition();
    }

    // The block joins its list and level; an item of a level ends the sublists
    // below it, so that their numbers start again under the next item.
    void anadirALista(const FormatoParrafo &formato)
    {
        for (int nivel = formato.nivel + 1; nivel < 9; ++nivel)
            m_listas.remove({formato.lista, nivel});
        ListaAbierta &abierta = m_listas[{formato.lista, formato.nivel}];
        if (abierta.lista && abierta.elementos < kElementosPorLista) {
            abierta.lista->add(m_cursor.block());
            ++abierta.elementos;
            return;
        }
        QTextListFormat lista;
        lista.setStyle(estiloQt(formato.estilo));
        lista.setIndent(formato.nivel + 1);
        abierta = {m_cursor.createList(lista), 1};
    }

    const QTextCharFormat &formatoDe(const Formato &formato)
    {
        if (m_cacheValida && formato == m_cacheFormato)
            return m_cache;
        QTextCharFormat f;
        f.setFontWeight(formato.negrita ? QFont::Bold : QFont::Normal);
        f.setFontItalic(formato.cursiva);
        f.setFontUnderline(formato.subrayado);
        f.setFontPointSize(formato.medioPuntos / 2.0);
        if (size_t(formato.color) < m_colores.size() && m_colores[size_t(formato.color)].isValid())
            f.setForeground(m_colores[size_t(formato.color)]);
        if (const auto it = m_fuentes.constFind(formato.fuente); it != m_fuentes.constEnd())
            f.setFontFamilies({*it});
        m_cache = f;
        m_cacheFormato = formato;
        m_cacheValida = true;
        return m_cache;
    }

    QTextCursor m_cursor;
    QString m_pendiente;
    Formato m_formato;
    QHash<int, QString> m_fuentes;
    std::vector<QColor> m_colores;
    QTextCharFormat m_cache;
    Formato m_cacheFormato;
    bool m_cacheValida = false;
    ColocacionTablas m_colocacion;
    std::vector<ColocacionTablas::Forma> m_formas;     // measured by the first reading
    size_t m_tablas = 0;                               // tables opened so far
    QTextTable *m_tabla = nullptr;                     // the one open
    QHash<std::pair<int, int>, ListaAbierta> m_listas; // by list and level
};

} // namespace

void construirDocumento(QStringView rtf, QTextDocument &documento)
{
    std::vector<ColocacionTablas::Forma> formas;
    if (rtf.contains(u"\\intbl")) {
        DestinoFormas medida;
        interpretar(rtf, medida);
        formas = medida.formas();
    }
    QTextCursor edicion(&documento);
    edicion.beginEditBlock();
    DestinoDocumento destino(documento, std::move(formas));
    interpretar(rtf, destino);
    destino.volcar();
    edicion.endEditBlock();
}

} // namespace yb::Rtf
