#pragma once

#include "data/Cursor.h"
#include "dialogs/Ventana.h"

class QLabel;
class QPushButton;

namespace yb {

class DataSource;
class DBGrid;
class Sesion;

// The class picker: chooses a class, or a sub-class of a class, of the
// two-level class tree; in editor mode it also edits the class names.
class TFSelClase : public TVentana {
    Q_OBJECT
public:
    // What a key pressed in the grid does to the type-ahead text.
    struct Tecleo {
        enum Accion {
            Nada,   // a modifier: the text stays and nothing is searched
            Buscar, // the text changed (or was shortened): search for it
            Vaciar, // any other key: the text is emptied and nothing is searched
        };
        Accion accion = Nada;
        QString texto;
    };

    // Editor mode, the editing switch and the language are the session's.
    TFSelClase(Database &db, const Sesion &sesion, QWidget *parent = nullptr);
    ~TFSelClase() override;

    // Parent 0 chooses a class, a class's Num one of its sub-classes. True with
    // the chosen Num in `clave`, or 0 for "Ninguna"; false when cancelled or
    // when there is nothing to choose (clave unchanged).
    bool elegir(int padre, int &clave);

    void TextosIngles() override;

    // The type-ahead rule: Backspace drops the last character; Space, a digit or
    // a letter (by key code, so as a capital) is added; Shift, Ctrl, Alt, Pause
    // and Caps Lock change nothing; any other key empties the text.
    static Tecleo teclear(const QString &texto, int key);

    DBGrid *Gr;
    QLabel *LabBus;
    QPushButton *Modificar;
    QWidget *PanBot;
    QPushButton *Ninguna;
    QPushButton *Aceptar;
    QPushButton *Cancelar;

protected:
    bool eventFilter(QObject *watched, QEvent *event) override;
    void keyPressEvent(QKeyEvent *event) override;

private:
    enum class Resultado { Ninguno, Aceptado, SinClase };

    void crearControles();
    QString mensaje(int numero) const;
    QString campoNombre() const;
    void cerrarCursor();

    // Handlers.
    void ModificarClick();
    bool GrKeyDown(QKeyEvent *event); // true when the key was used up
    void GrExit();
    void GrDblClick();
    void AceptarClick();
    void NingunaClick();
    void CancelarClick();

    // Type-ahead: the cursor moves to the nearest name for the text; on failure a beep
    // and the text is emptied.
    void buscar(const QString &texto);
    // Appends a class under the picker's parent, its name typed in place; dropped when cancelled.
    void agregarClase();
    // Where a row appended at the end of the grid would show, in viewport coordinates.
    QRect rectNuevaFila() const;

    Cursor m_clases;
    DataSource *SClases;
    const Sesion &m_sesion;
    int m_padre = 0;
    int m_elegida = 0;
    Resultado m_resultado = Resultado::Ninguno;
};

} // namespace yb
