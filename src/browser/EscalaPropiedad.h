#pragma once

#include <QList>
#include <QWidget>

class QLabel;
class QProgressBar;

namespace yb {

// One property panel of the main window (channels, tastes or natures): a
// header and one row per position, a clickable caption and a bar from 0 to 9.
class EscalaPropiedad : public QWidget {
    Q_OBJECT
public:
    struct Posicion {
        const char *etiqueta; // caption label's name
        const char *barra;    // bar's name
        QString texto;        // Spanish caption
        QString pista;        // Spanish hint (may be empty)
    };

    EscalaPropiedad(const QString &nombre, int tag, const char *cabecera, const QString &titulo,
                    const QList<Posicion> &posiciones, QWidget *parent = nullptr);

    QLabel *cabecera() const { return m_cabecera; }
    QList<QLabel *> etiquetas() const { return m_etiquetas; }
    QList<QProgressBar *> barras() const { return m_barras; }

    // Every bar shows the digit at its position; an empty string shows 0 everywhere.
    void mostrar(const QString &perfil);
    // The grade each bar shows, in position order.
    QList<int> grados() const;

signals:
    // A caption was clicked: its position, 1-based.
    void etiquetaPulsada(int posicion);

protected:
    bool eventFilter(QObject *watched, QEvent *event) override;

private:
    QLabel *m_cabecera;
    QList<QLabel *> m_etiquetas;
    QList<QProgressBar *> m_barras;
};

// The grade at a 1-based position of a profile string: 0 for an empty
// string, a missing position or a character that is not a digit.
int gradoEn(const QString &perfil, int posicion);

} // namespace yb
