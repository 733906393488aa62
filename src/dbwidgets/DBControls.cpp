#include "dbwidgets/DBControls.h"

#include "dbwidgets/DisplayFormat.h"
#include "dialogs/PoliticaErrores.h"

#include <QImage>
#include <QPixmap>
#include <QScopedValueRollback>

namespace yb {

// ---- DBEdit -------------------------------------------------------------------

DBEdit::DBEdit(QWidget *parent) : QLineEdit(parent)
{
    connect(&m_link, &FieldLink::changed, this, manejador([this] { load(); }));
    // textEdited comes from the user only, never from showing a value.
    connect(this, &QLineEdit::textEdited, this, manejador([this](const QString &text) { typed(text); }));
    load();
}

void DBEdit::load()
{
    const int size = m_link.fieldSize();
    const int longitud = size > 0 ? size : 32767;
    const QString text = editText(m_link.value(), m_link.fieldType());
    setReadOnly(!m_link.isTypeable()); // a looked-up name is chosen, never typed
    if (text == this->text() && longitud == maxLength())
        return;
    setMaxLength(longitud); // sets the text again, the caret at its end
    setText(text);
    setCursorPosition(0); // a name longer than the box shows its beginning, not its end
}

void DBEdit::typed(const QString &text)
{
    if (m_link.setValue(text))
        return;
    // Refused: the box shows the record again, the caret where the user left it.
    const int caret = cursorPosition();
    load();
    setCursorPosition(std::min<int>(caret, int(this->text().size())));
}

// ---- DBText -------------------------------------------------------------------

DBText::DBText(QWidget *parent) : QLabel(parent)
{
    setTextFormat(Qt::PlainText);
    connect(&m_link, &FieldLink::changed, this, manejador([this] { load(); }));
}

void DBText::setDisplayFormat(const QString &format)
{
    m_format = format;
    load();
}

void DBText::load() { setText(displayText(m_link.value(), m_link.fieldType(), m_format)); }

// ---- DBMemo -------------------------------------------------------------------

DBMemo::DBMemo(QWidget *parent) : QPlainTextEdit(parent)
{
    connect(&m_link, &FieldLink::changed, this, manejador([this] { load(); }));
    connect(this, &QPlainTextEdit::textChanged, this, manejador([this] { typed(); }));
}

void DBMemo::load()
{
    const QString text = m_link.value().toString();
    if (text == toPlainText())
        return;
    const QScopedValueRollback loading(m_loading, true);
    setPlainText(text);
}

void DBMemo::typed()
{
    if (m_loading || m_link.setValue(toPlainText()))
        return;
    const int caret = textCursor().position();
    load();
    QTextCursor c = textCursor();
    c.setPosition(std::min(caret, int(toPlainText().size())));
    setTextCursor(c);
}

// ---- DBImage ------------------------------------------------------------------

DBImage::DBImage(QWidget *parent) : QLabel(parent)
{
    setAlignment(Qt::AlignCenter);
    connect(&m_link, &FieldLink::changed, this, manejador([this] { load(); }));
}

void DBImage::load()
{
    const QByteArray bytes = m_link.value().toByteArray();
    if (m_loaded && bytes == m_bytes)
        return; // another field changed; the picture is the same
    m_loaded = true;
    m_bytes = bytes;
    const QImage image = bytes.isEmpty() ? QImage() : QImage::fromData(bytes);
    if (image.isNull())
        clear();
    else
        setPixmap(QPixmap::fromImage(image));
}

} // namespace yb
