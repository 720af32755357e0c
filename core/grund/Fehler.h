#pragma once

#include <QString>

#include <stdexcept>

namespace core {

// The one error type of the program: it carries the German text that the user sees.
class Fehler : public std::runtime_error {
public:
    explicit Fehler(const QString& text, int systemfehler = 0);
    const QString& text() const { return text_; }
    // The system's error number (errno) behind a failed file access; 0 for other errors.
    int systemfehler() const { return systemfehler_; }

private:
    QString text_;
    int systemfehler_;
};

} // namespace core
