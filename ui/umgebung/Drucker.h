#pragma once

#include <QString>

#include <functional>

class QPrinter;

namespace ui {

// Printing: the print preview, from which the user prints on a printer of the system.
class Drucker {
public:
    virtual ~Drucker() = default;
    // Shows the document titled titel; malen paints all its pages on the printer it is given, A4 unless
    // the user chose otherwise, as often as the preview and the print need them.
    virtual void vorschau(const QString& titel, const std::function<void(QPrinter&)>& malen) = 0;
};

} // namespace ui
