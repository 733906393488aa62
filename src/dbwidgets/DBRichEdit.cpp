#include "dbwidgets/DBRichEdit.h"

#include "dialogs/PoliticaErrores.h"
#include "formats/Rtf.h"

#include <QKeyEvent>
#include <QScopedValueRollback>
#include <QScrollBar>

namespace yb {

DBRichEdit::DBRichEdit(QWidget *parent) : QTextEdit(parent), m_vista(new FormatosVista(document()))
{
    setAcceptRichText(false); // pasted text comes in plain: the stored RTF stays simple
    ajustarEscala();
    connect(&m_link, &FieldLink::changed, this, manejador([this] { cargar(); }));
    connect(this, &QTextEdit::textChanged, this, manejador([this] { escrito(); }));
}

DBRichEdit::Origen DBRichEdit::origen() const
{
    const Cursor *c = m_link.cursor();
    return {c, m_link.field(), c ? c->rowId() : 0};
}

void DBRichEdit::cargar()
{
    const QVariant value = m_link.value();
    const Origen ahora = origen();
    if (m_hayTexto && ahora == m_origen && value == m_guardado)
        return; // nothing new: keep the caret and the undo history
    const QScopedValueRollback loading(m_cargando, true);
    m_origen = ahora;
    m_cargado = value;
    m_guardado = value;
    m_hayTexto = true;
    QTextDocument *doc = document();
    doc->clear();
    Rtf::leer(value.toString(), *doc); // leaves the document unmodified: only the user's changes modify it
    doc->setModified(false);
    moveCursor(QTextCursor::Start);
    verticalScrollBar()->setValue(0);
    emit cargado();
}

bool DBRichEdit::puedeEscribir() const
{
    const DataSource *source = m_link.dataSource();
    const Cursor *c = m_link.cursor();
    return source && c &&
           (source->autoEdit() || c->state() == Cursor::State::Edit || c->state() == Cursor::State::Insert);
}

// The document says whether the user changed it: marks and sizes are laid
// over the layout and a load resets it, so neither ever counts as typing.
void DBRichEdit::escrito()
{
    if (m_cargando)
        return;
    QVariant valor;
    if (document()->isModified())
        valor = Rtf::escribir(*document());
    else
        valor = m_cargado; // every change undone: the text goes back as it was stored, byte for byte
    if (valor == m_guardado)
        return;
    if (!m_link.setValue(valor)) {
        m_hayTexto = false;
        cargar(); // refused: the stored text comes back
        return;
    }
    m_guardado = valor;
}

// The document keeps the base size, so that the text's own sizes, and what
// is stored, never depend on the size it is shown at; the view scales it.
void DBRichEdit::ajustarEscala()
{
    QFont base = font();
    const qreal puntos = base.pointSizeF();
    base.setPointSizeF(kTamanoBase);
    document()->setDefaultFont(base);
    m_vista->setEscala(puntos > 0 ? puntos / kTamanoBase : 1.0);
}

void DBRichEdit::changeEvent(QEvent *event)
{
    QTextEdit::changeEvent(event);
    if (event->type() == QEvent::FontChange)
        ajustarEscala();
}

// Keys that would change a text the record may not take are not let through.
void DBRichEdit::keyPressEvent(QKeyEvent *event)
{
    const bool cambia = !event->text().isEmpty() || event->key() == Qt::Key_Backspace ||
                        event->key() == Qt::Key_Delete || event->matches(QKeySequence::Cut) ||
                        event->matches(QKeySequence::Paste) || event->matches(QKeySequence::Undo) ||
                        event->matches(QKeySequence::Redo);
    const bool navega = event->matches(QKeySequence::Copy) || event->matches(QKeySequence::SelectAll);
    if (cambia && !navega && !puedeEscribir()) {
        event->accept();
        return;
    }
    QTextEdit::keyPressEvent(event);
}

void DBRichEdit::insertFromMimeData(const QMimeData *source)
{
    if (puedeEscribir())
        QTextEdit::insertFromMimeData(source);
}

} // namespace yb
