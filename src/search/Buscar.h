#pragma once

#include "dialogs/Ventana.h"

#include <QStringList>
#include <functional>

class QButtonGroup;
class QEventLoop;
class QGroupBox;
class QLabel;
class QPlainTextEdit;
class QProgressBar;
class QPushButton;

namespace yb {

class Database;
class TTagBits;

// The full-text search window: words or phrases typed one per line, found in
// the monograph texts and main names as any of them or every one of them;
// the keys of the rows found go to the search-hit set.
class TFBuscar : public TVentana {
    Q_OBJECT
public:
    // What the window needs of the application.
    struct Contexto {
        Database *db = nullptr;               // the database whose Plantas is searched
        TTagBits *hits = nullptr;             // the data module's search-hit set
        std::function<bool()> ingles;         // English mode (without it: TextosIngles ran)
        std::function<bool()> editor;         // editor mode: Aplicacion is searched too
        std::function<void()> componerFiltro; // shows the count and applies the list filter again
    };

    explicit TFBuscar(Contexto contexto, QWidget *parent = nullptr);
    ~TFBuscar() override;

    void setContexto(Contexto contexto) { m_contexto = std::move(contexto); }

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

protected:
    bool eventFilter(QObject *watched, QEvent *event) override;
    void keyPressEvent(QKeyEvent *event) override;
    void hideEvent(QHideEvent *event) override;

private:
    void crearControles();
    void buscar();
    bool ingles() const { return m_contexto.ingles ? m_contexto.ingles() : m_ingles; }
    bool editor() const { return m_contexto.editor && m_contexto.editor(); }

    Contexto m_contexto;
    QButtonGroup *m_orAnd;
    QStringList m_terminos;
    bool m_ingles = false;
    bool m_enterEnMemo = false; // Enter inserts a line break rather than pressing Buscar
    bool m_aceptado = false;
    QEventLoop *m_bucle = nullptr;
};

} // namespace yb
