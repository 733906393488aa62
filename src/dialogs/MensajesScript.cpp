#include "dialogs/MensajesScript.h"

#include <QtGlobal>

namespace yb::Mensajes {

namespace {

Script *g_active = nullptr;

bool cabe(int kind, Respuesta r)
{
    switch (kind) {
    case TFMensajes::Informacion: return r == Respuesta::Ok;
    case TFMensajes::SiNo: return r == Respuesta::Yes || r == Respuesta::No;
    case TFMensajes::SiNoCancelar: return r == Respuesta::Yes || r == Respuesta::No || r == Respuesta::Cancel;
    case kConfirmacion: return r == Respuesta::Ok || r == Respuesta::Cancel;
    }
    return false;
}

} // namespace

Script::Script(QList<Respuesta> answers) : m_answers(std::move(answers)), m_previous(g_active) { g_active = this; }

Script::~Script() { g_active = m_previous; }

bool Script::answer(int kind, const QString &text, Respuesta &out)
{
    Script *s = g_active;
    if (!s)
        return false;
    s->m_texts << text;
    if (s->m_next >= s->m_answers.size())
        qFatal("Unexpected message dialog, no scripted answer left: \"%s\"", qUtf8Printable(text));
    const Respuesta r = s->m_answers.at(s->m_next++);
    if (!cabe(kind, r))
        qFatal("Scripted answer %d does not fit message dialog of kind %d: \"%s\"", int(r), kind, qUtf8Printable(text));
    out = r;
    return true;
}

} // namespace yb::Mensajes
