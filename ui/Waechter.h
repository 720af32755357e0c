#pragma once

#include "ui/Meldungen.h"

#include <QAbstractButton>
#include <QObject>

#include <functional>

namespace ui {

// Runs a command handler; an error it raises is shown in the standard error box and never
// crosses the event loop.
void Schuetzen(Meldungen& meldungen, const std::function<void()>& handler);

// Connects a button's click to a guarded handler.
template <typename F> void BeiKlick(QAbstractButton* knopf, Meldungen& meldungen, F handler) {
    QObject::connect(knopf, &QAbstractButton::clicked, knopf,
                     [&meldungen, handler]() { Schuetzen(meldungen, handler); });
}

} // namespace ui
