#pragma once

#include <QString>

#include <stdexcept>

namespace core {

// The one error type of the program: it carries the German text that the user sees.
class Fehler : public std::runtime_error {
public:
    explicit Fehler(const QString& text);
    const QString& text() const { return text_; }

private:
    QString text_;
};

} // namespace core
