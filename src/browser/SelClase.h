#pragma once

#include "data/Cursor.h"
#include "dialogs/Ventana.h"

#include <functional>

namespace yb {

// The class picker: chooses a class, or a sub-class of a class, of the
// two-level class tree; in editor mode it also edits the class names.
class TFSelClase : public TVentana {
    Q_OBJECT
public:
    // What the picker asks of the main window.
    struct Contexto {
        std::function<QString(int)> mensaje; // the message table in use
        std::function<bool()> modoEditor;     // the main window's Modificar is visible
        std::function<bool()> editando;       // editing is on in the main window
    };

    TFSelClase(Database &db, QWidget *parent = nullptr);

    void setContexto(Contexto contexto) { m_contexto = std::move(contexto); }

    // Parent 0 chooses a class, a class's Num one of its sub-classes. True with
    // the chosen Num in `clave`, or 0 for "Ninguna"; false when cancelled or
    // when there is nothing to choose (clave unchanged).
    bool elegir(int padre, int &clave);

    void TextosIngles() override;

private:
    Cursor m_clases;
    Contexto m_contexto;
};

} // namespace yb
