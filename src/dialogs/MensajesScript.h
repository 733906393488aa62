#pragma once

#include "dialogs/Mensajes.h"

#include <QList>
#include <QStringList>

namespace yb::Mensajes {

// Test support: while alive, message dialogs do not show; each takes the next scripted answer
// and its text is recorded. A dialog with no answer left, or with an answer its buttons cannot
// give, ends the process with the dialog's text (qFatal).
class Script {
public:
    explicit Script(QList<Respuesta> answers);
    ~Script();
    Script(const Script &) = delete;
    Script &operator=(const Script &) = delete;

    // Texts of the dialogs answered so far, in order, exactly as passed.
    QStringList texts() const { return m_texts; }
    // Answers not yet taken.
    qsizetype pending() const { return m_answers.size() - m_next; }

    // The active script's answer for a dialog of this kind; false when no script is active.
    static bool answer(int kind, const QString &text, Respuesta &out);

private:
    QList<Respuesta> m_answers;
    qsizetype m_next = 0;
    QStringList m_texts;
    Script *m_previous;
};

} // namespace yb::Mensajes
