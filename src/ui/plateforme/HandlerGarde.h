#pragma once

#include "regles/Erreurs.h"
#include "ui/plateforme/Plateforme.h"

#include <QObject>
#include <exception>
#include <type_traits>
#include <utility>

// Runs a handler so that an error abandons it at that point and is shown by
// the default error box; the program goes on.
template <class F> void executeGarde(F &&f)
{
    try {
        std::forward<F>(f)();
    } catch (const KesuErreur &e) {
        plateforme().erreurParDefaut(e.texte());
    } catch (const std::exception &e) {
        plateforme().erreurParDefaut(QString::fromLocal8Bit(e.what()));
    }
}

// Connects a signal to a handler through executeGarde. The handler takes the
// signal's arguments, or none.
template <class Emetteur, class Signal, class Handler>
QMetaObject::Connection connecteGarde(Emetteur *emetteur, Signal signal, QObject *contexte,
                                      Handler handler)
{
    return QObject::connect(emetteur, signal, contexte, [handler](auto &&...args) {
        executeGarde([&] {
            if constexpr (std::is_invocable_v<const Handler &, decltype(args)...>)
                handler(std::forward<decltype(args)>(args)...);
            else
                handler();
        });
    });
}
