#include "dialogs/Sesion.h"

namespace yb {

void Sesion::setIngles(bool ingles)
{
    if (ingles == m_ingles)
        return;
    m_ingles = ingles;
    emit inglesCambiado(ingles);
}

void Sesion::setEditor(bool editor)
{
    const bool antes = editando();
    m_editor = editor;
    if (editando() != antes)
        emit editandoCambiado(editando());
}

void Sesion::pasarAModoLector()
{
    setEditor(false);
    emit modoLector();
}

void Sesion::setInterruptor(bool down)
{
    const bool antes = editando();
    m_interruptor = down;
    if (editando() != antes)
        emit editandoCambiado(editando());
}

void Sesion::setEsquema(int esquema)
{
    if (esquema == 0)
        esquema = 1;
    if (esquema == m_esquema)
        return;
    m_esquema = esquema;
    emit esquemaCambiado(esquema);
}

void Sesion::setLetra(int letra)
{
    if (letra == m_letra)
        return;
    m_letra = letra;
    emit letraCambiada(letra);
}

} // namespace yb
