#include "browser/CamposSoloLectura.h"

#include "dbwidgets/DBControls.h"
#include "dialogs/PoliticaErrores.h"
#include "dialogs/Sesion.h"

#include <QApplication>
#include <QEvent>

namespace yb {

CamposSoloLectura::CamposSoloLectura(const Sesion &sesion, QWidget *focoPorOmision, QObject *parent)
    : QObject(parent),
      m_sesion(sesion),
      m_focoPorOmision(focoPorOmision)
{}

void CamposSoloLectura::vigilar(const QList<QWidget *> &campos)
{
    for (QWidget *w : campos) {
        w->setMouseTracking(true);
        w->installEventFilter(this);
        m_campos << w;
    }
}

bool CamposSoloLectura::eventFilter(QObject *watched, QEvent *event)
{
    if (!m_campos.contains(watched))
        return false;
    PoliticaErrores::ejecutar([&] { campoSoloLectura(qobject_cast<QWidget *>(watched), event); });
    return false; // the box still has every event
}

void CamposSoloLectura::campoSoloLectura(QWidget *box, QEvent *event)
{
    if (event->type() == QEvent::MouseMove || event->type() == QEvent::Enter) {
        if (auto *edit = qobject_cast<DBEdit *>(box))
            edit->setToolTip(edit->text());
        else if (auto *text = qobject_cast<DBText *>(box))
            text->setToolTip(text->text());
        if (QWidget *foco = QApplication::focusWidget(); foco && foco != box)
            m_focoRecordado = foco;
        return;
    }
    if (event->type() == QEvent::FocusIn && !m_sesion.editando() && qobject_cast<DBEdit *>(box)) {
        QWidget *destino = m_focoRecordado ? m_focoRecordado.data() : m_focoPorOmision.data();
        if (destino && destino != box)
            destino->setFocus();
    }
}

} // namespace yb
