#pragma once

#include <QString>
#include <exception>
#include <functional>
#include <type_traits>
#include <utility>

namespace yb {

// The program's one error policy for event handlers: an error a handler throws
// ends that handler and is shown in the platform's standard error box. Nothing
// thrown ever leaves a slot or an event function.
namespace PoliticaErrores {

// How a thrown error reads to the user (the application puts the engine's
// errors in the user's words); without it the exception's own text is shown.
using Texto = std::function<QString(const std::exception &)>;
void setTexto(Texto texto);

// Shows the error box for an exception.
void mostrar(const std::exception &error);

// Runs a handler under the policy. True when it ran to its end.
bool ejecutar(const std::function<void()> &handler);

// The same for an event function that answers: `siFalla` when the handler failed.
template <typename F, typename R = std::invoke_result_t<F &>>
R ejecutar(F &&handler, R siFalla)
{
    R resultado = siFalla;
    ejecutar(std::function<void()>([&] { resultado = handler(); }));
    return resultado;
}

} // namespace PoliticaErrores

// A handler for connect() that runs under the error policy:
// connect(boton, &QPushButton::clicked, this, manejador([this] { BotClaseClick(); })).
// The handler is called with as many of the signal's arguments as it takes.
template <typename F>
auto manejador(F &&handler)
{
    return [handler = std::forward<F>(handler)](auto &&...argumentos) {
        PoliticaErrores::ejecutar(std::function<void()>([&] {
            if constexpr (std::is_invocable_v<const F &, decltype(argumentos)...>)
                handler(std::forward<decltype(argumentos)>(argumentos)...);
            else
                handler();
        }));
    };
}

} // namespace yb
