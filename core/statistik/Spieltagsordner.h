#pragma once

#include <QByteArray>
#include <QString>

#include <memory>
#include <vector>

class QFile;

namespace core {

// A folder of matchday files, read by its entries' names as the system gives them: every entry
// *.sp45 (any case of the extension), whatever it is, so that none is passed over without a word.
// Nothing is opened in a way that could block: a pipe is refused, never read.
class Spieltagsordner {
public:
    struct Eintrag {
        QByteArray name; // as the system gives it
        QString anzeige; // for lists and messages (Systemname.h)
    };

    // pfad as Systemname.h keeps names. Throws Fehler naming the folder when it cannot be read.
    explicit Spieltagsordner(const QString& pfad);
    ~Spieltagsordner();
    Spieltagsordner(const Spieltagsordner&) = delete;
    Spieltagsordner& operator=(const Spieltagsordner&) = delete;

    // The entries *.sp45, by name.
    const std::vector<Eintrag>& spieltage() const { return spieltage_; }
    // The path of an entry for messages.
    QString pfad(const QString& anzeige) const;
    // Opens an entry of the folder as a plain file for reading. nullptr when there is no entry of
    // that name; throws Fehler naming it and why when it is something else (a folder, a pipe, a
    // link into nothing or in a loop) or cannot be read.
    std::unique_ptr<QFile> oeffnen(const QByteArray& name, const QString& anzeige) const;

private:
    QString anzeige_;
    int fd_ = -1;
    std::vector<Eintrag> spieltage_;
};

} // namespace core
