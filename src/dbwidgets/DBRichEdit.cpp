#include "dbwidgets/DBRichEdit.h"

#include "formats/Rtf.h"

#include <QKeyEvent>
#include <QScopedValueRollback>
#include <QScrollBar>

namespace yb {

DBRichEdit::DBRichEdit(QWidget *parent) : QTextEdit(parent)
{
    setAcceptRichText(false); // pasted text comes in plain: the stored RTF stays simple
    connect(&m_link, &FieldLink::changed, this, &DBRichEdit::cargar);
    connect(this, &QTextEdit::textChanged, this, &DBRichEdit::escrito);
}

void DBRichEdit::cargar()
{
    const QVariant value = m_link.value();
    if (m_cargado && value == m_guardado)
        return; // nothing new: keep the caret and the undo history
    const QScopedValueRollback loading(m_cargando, true);
    m_guardado = value;
    m_cargado = true;
    QTextDocument *doc = document();
    doc->clear();
    Rtf::leer(value.toString(), *doc);
    doc->setModified(false);
    moveCursor(QTextCursor::Start);
    verticalScrollBar()->setValue(0);
    emit cargado();
}

bool DBRichEdit::puedeEscribir() const
{
    const DataSource *source = m_link.dataSource();
    const Cursor *c = m_link.cursor();
    return source && c
        && (source->autoEdit() || c->state() == Cursor::State::Edit || c->state() == Cursor::State::Insert);
}

void DBRichEdit::escrito()
{
    if (m_cargando)
        return;
    const QString rtf = Rtf::escribir(*document());
    if (!m_link.setValue(rtf)) {
        m_cargado = false;
        cargar(); // refused: the stored text comes back
        return;
    }
    m_guardado = rtf;
}

// Keys that would change a text the record may not take are not let through.
void DBRichEdit::keyPressEvent(QKeyEvent *event)
{
    const bool cambia = !event->text().isEmpty() || event->key() == Qt::Key_Backspace
        || event->key() == Qt::Key_Delete || event->matches(QKeySequence::Cut) || event->matches(QKeySequence::Paste)
        || event->matches(QKeySequence::Undo) || event->matches(QKeySequence::Redo);
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
