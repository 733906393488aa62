#pragma once

// The text a document shows and the text Rtf::textoPlano gives for the same
// RTF, made comparable: the unit tests and the fuzz harness both check that
// they are the same, so that a search finds what the panel shows.

#include <QStringList>
#include <QTextBlock>
#include <QTextDocument>
#include <QTextFrame>
#include <QTextTable>

namespace yb::Rtf::prueba {

// Plain text as QTextDocument::toPlainText gives it: no-break spaces as spaces,
// line breaks as "\n", no structure marks.
inline QString comoPlano(const QString &plano)
{
    QString s = plano;
    s.replace(QChar::Nbsp, u' ').replace(QChar::LineSeparator, u'\n').replace(QChar::ParagraphSeparator, u'\n');
    s.removeIf([](QChar c) {
        const char16_t u = c.unicode();
        return (u >= 0xFDD0 && u <= 0xFDEF) || u == 0xFFFC || u == 0xFFFE || u == 0xFFFF;
    });
    return s;
}

inline bool tieneTablas(const QTextDocument &doc)
{
    QTextFrame *raiz = doc.rootFrame();
    for (auto it = raiz->begin(); !it.atEnd(); ++it) {
        if (qobject_cast<QTextTable *>(it.currentFrame()))
            return true;
    }
    return false;
}

// A document with tables as textoPlano reads it: cells separated by tabs, rows
// and paragraphs by line ends.
inline QString planoConTablas(const QTextDocument &doc)
{
    QStringList partes;
    QTextFrame *raiz = doc.rootFrame();
    for (auto it = raiz->begin(); !it.atEnd(); ++it) {
        const QTextTable *tabla = qobject_cast<QTextTable *>(it.currentFrame());
        if (!tabla) {
            partes << it.currentBlock().text();
            continue;
        }
        for (int fila = 0; fila < tabla->rows(); ++fila) {
            QStringList celdas;
            for (int columna = 0; columna < tabla->columns(); ++columna) {
                QStringList bloques;
                for (auto jt = tabla->cellAt(fila, columna).begin(); !jt.atEnd(); ++jt)
                    bloques << jt.currentBlock().text();
                celdas << bloques.join(u'\n');
            }
            partes << celdas.join(u'\t');
        }
    }
    return partes.join(u'\n');
}

// A text with what tables leave open smoothed out: a table keeps a block
// before and after it, and its short rows have empty cells at their end.
inline QString alisado(const QString &texto)
{
    QStringList lineas;
    for (QString linea : texto.split(u'\n')) {
        while (linea.endsWith(u'\t'))
            linea.chop(1);
        if (!linea.isEmpty())
            lineas << linea;
    }
    return lineas.join(u'\n');
}

struct TextosComparables {
    QString documento;
    QString plano;
};

// The document's text and textoPlano's, to be equal: exactly, or, with tables,
// as far as a document can tell (see alisado).
inline TextosComparables comparables(const QTextDocument &doc, const QString &plano)
{
    if (!tieneTablas(doc))
        return {doc.toPlainText(), comoPlano(plano)};
    return {alisado(comoPlano(planoConTablas(doc))), alisado(comoPlano(plano))};
}

} // namespace yb::Rtf::prueba
