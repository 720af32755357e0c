#pragma once

#include <QString>

#include <exception>

namespace net {

// A transfer stopped before its end: by "Abbrechen", or because the program ends. Not a
// core::Fehler, so that no handler takes it for a failed transfer and goes on: it ends the
// command. The guard shows the text of a stop the user asked for and nothing at the program's end.
class Abgebrochen : public std::exception {
public:
    Abgebrochen(QString text, bool programmende) : text_(std::move(text)), programmende_(programmende) {}
    const QString& text() const { return text_; }
    bool programmende() const { return programmende_; }
    const char* what() const noexcept override { return "Abgebrochen"; }

private:
    QString text_;
    bool programmende_;
};

} // namespace net
