#include "dialogs/PoliticaErrores.h"

#include "dialogs/CajaError.h"

#include <stdexcept>

namespace yb::PoliticaErrores {
namespace {

Texto &texto()
{
    static Texto t;
    return t;
}

} // namespace

void setTexto(Texto t) { texto() = std::move(t); }

void mostrar(const std::exception &error)
{
    CajaError::mostrar(texto() ? texto()(error) : QString::fromLocal8Bit(error.what()));
}

bool ejecutar(const std::function<void()> &handler)
{
    try {
        handler();
        return true;
    } catch (const std::exception &e) {
        mostrar(e);
    } catch (...) {
        mostrar(std::runtime_error("error"));
    }
    return false;
}

} // namespace yb::PoliticaErrores
