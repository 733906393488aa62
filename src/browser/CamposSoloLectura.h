#pragma once

#include <QList>
#include <QObject>
#include <QPointer>

class QWidget;

namespace yb {

class Sesion;

// The name and property boxes and the class lines of the main window: over one
// of them the hint shows its whole text; while editing is off an edit box gives
// the focus back to where it was (or to the list).
class CamposSoloLectura : public QObject {
    Q_OBJECT
public:
    CamposSoloLectura(const Sesion &sesion, QWidget *focoPorOmision, QObject *parent);

    void vigilar(const QList<QWidget *> &campos);

protected:
    bool eventFilter(QObject *watched, QEvent *event) override;

private:
    void campoSoloLectura(QWidget *box, QEvent *event);

    const Sesion &m_sesion;
    QPointer<QWidget> m_focoPorOmision;
    QPointer<QWidget> m_focoRecordado; // where a read-only box sends the focus back
    QList<QObject *> m_campos;
};

} // namespace yb
