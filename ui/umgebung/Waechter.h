#pragma once

#include "ui/umgebung/Meldungen.h"

#include <QAbstractButton>
#include <QObject>

#include <functional>

namespace ui {

// Runs a command handler; an error it raises is shown in the standard error box and never
// crosses the event loop.
void Schuetzen(Meldungen& meldungen, const std::function<void()>& handler);

// Connects a signal to a guarded handler: what the handler throws is shown and never crosses the
// signal.
template <typename Sender, typename Signal, typename F>
void Geschuetzt(Sender* sender, Signal signal, QObject* kontext, Meldungen& meldungen, F handler) {
    QObject::connect(sender, signal, kontext, [&meldungen, handler](const auto&... werte) {
        Schuetzen(meldungen, [&] { handler(werte...); });
    });
}

// Connects a button's click to a guarded handler.
template <typename F> void BeiKlick(QAbstractButton* knopf, Meldungen& meldungen, F handler) {
    QObject::connect(knopf, &QAbstractButton::clicked, knopf,
                     [&meldungen, handler]() { Schuetzen(meldungen, handler); });
}

} // namespace ui
