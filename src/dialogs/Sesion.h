#pragma once

#include <QObject>

namespace yb {

// The settings every window of a run reads: interface language, editor mode,
// the editing switch, colour scheme and text size. Each change is signalled,
// so that windows apply it themselves instead of being told one by one.
class Sesion : public QObject {
    Q_OBJECT
public:
    using QObject::QObject;

    // English interface: a directory "English" exists; fixed once at start.
    bool ingles() const { return m_ingles; }
    void setIngles(bool ingles);
    // Editor mode: started with the editor word and the data open.
    bool editor() const { return m_editor; }
    void setEditor(bool editor);
    // Reader mode from now on: editor mode ends, and every window hides what only an author uses.
    // Signalled whenever it is called, even when editor mode was already off.
    void pasarAModoLector();
    // The editing switch (the main window's Modificar); editing needs editor mode.
    bool editando() const { return m_editor && m_interruptor; }
    void setInterruptor(bool down);
    // Colour scheme, 1 to 5 (0 is taken as 1; other numbers colour black).
    int esquema() const { return m_esquema; }
    void setEsquema(int esquema);
    // Point size of the long texts and lists.
    int letra() const { return m_letra; }
    void setLetra(int letra);

signals:
    void inglesCambiado(bool ingles);
    void modoLector();
    void editandoCambiado(bool editando);
    void esquemaCambiado(int esquema);
    void letraCambiada(int letra);

private:
    bool m_ingles = false;
    bool m_editor = false;
    bool m_interruptor = false;
    int m_esquema = 1;
    int m_letra = 10;
};

} // namespace yb
