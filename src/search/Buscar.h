#pragma once

#include "dialogs/Ventana.h"

#include <QStringList>

class QButtonGroup;
class QGroupBox;
class QLabel;
class QPlainTextEdit;
class QProgressBar;
class QPushButton;

namespace yb {

class Database;
class Sesion;
class TTagBits;

// The full-text search window: words or phrases typed one per line, found in
// the monograph texts and main names as any of them or every one of them;
// the keys of the rows found go to the search-hit set.
class TFBuscar : public TVentana {
    Q_OBJECT
public:
    // Searches the database's Plantas into the data module's search-hit set; the
    // language and editor mode (Aplicacion is searched too) are the session's.
    TFBuscar(Database &db, TTagBits &hits, const Sesion &sesion, QWidget *parent = nullptr);
    ~TFBuscar() override;

    // Shows the window modally, centred on the screen, with the terms and the
    // choice of the last showing. True when it closed with OK (Buscar or Enter).
    bool ejecutar();
    // The folded terms of the last search, in the memo's order.
    QStringList terminos() const { return m_terminos; }

    void TextosIngles() override;

    // The lines of a memo's text: none for an empty text, and a line break at
    // the very end does not start a line of its own.
    static QStringList lineas(const QString &texto);

    // Handlers.
    void MemoChange();
    void LimpiarClick();
    void AceptarClick();
    void CancelarClick();

    QLabel *Label1;
    QPlainTextEdit *Memo;
    QProgressBar *Barra;
    QPushButton *Aceptar;
    QPushButton *Limpiar;
    QPushButton *Cancelar;
    QGroupBox *OrAnd;

signals:
    // A search has filled the hit set: the list shows the count and applies its filter again.
    void buscado();

protected:
    bool eventFilter(QObject *watched, QEvent *event) override;
    void keyPressEvent(QKeyEvent *event) override;

private:
    void crearControles();
    void buscar();

    Database &m_db;
    TTagBits &m_hits;
    const Sesion &m_sesion;
    QButtonGroup *m_orAnd;
    QStringList m_terminos;
    bool m_enterEnMemo = false; // Enter inserts a line break rather than pressing Buscar
    bool m_aceptado = false;
};

} // namespace yb
