#pragma once

#include <QDate>
#include <QString>
#include <QStringList>

#include <array>
#include <optional>

class QIODevice;

namespace core {

// The odds texts of the six boxes exactly as typed or loaded, index 1..6 = rank I..VI.
using TQuoten = std::array<QString, 7>;

// The amount of an odds text: dots and blanks are dropped, then only digits and at most one
// decimal comma may remain. nullopt when the text is no amount (nothing left, another character);
// a text with more than one comma throws the conversion error naming the text without dots and blanks.
std::optional<double> QuoteLesen(const QString& text);

// An odds line is an amount, a few dozen characters at the very most ("1.234.567,80" has 12): a
// line of more than 1 KiB (512 characters even in UTF-16) is no odds line. The bound keeps a file
// without line ends from being read whole.
inline constexpr qsizetype QuotenZeileHoechstens = 1024;

// An odds file as loaded: box k gets zeilen[k - 1] for every line there is (six at most).
struct Quotendatei {
    QStringList zeilen;
    QString dateiname; // without folder, for the file label

    // With fewer than six lines the load stops after the last box filled, with this list error,
    // and the file label is not updated; empty when the file is complete.
    QString fehler() const;
    // The six boxes after the load: box k takes line k where there is one, the others keep theirs.
    TQuoten inBoxen(TQuoten boxen) const;
};

// nullopt when the name is empty or there is no such file; a file that cannot be read throws, so
// does a line longer than 1 KiB. Only the lines the boxes take are read.
std::optional<Quotendatei> QuotenLaden(const QString& pfad);
// The same from a device, from its position on; pfad names the file.
Quotendatei QuotenLesen(QIODevice& geraet, const QString& pfad);
// The six texts as six lines, Windows-1252, CR LF after each. A first text that would read back
// as a byte-order mark ("ï»¿", "ÿþ", "þÿ") throws Fehler: nothing is to be written then.
QByteArray QuotenText(const TQuoten& quoten);
// Writes QuotenText, replacing the file atomically.
void QuotenSpeichern(const QString& pfad, const TQuoten& quoten);
// The name of a matchday's odds file: dd.mm.yyyy.quo
QString QuotenDateiname(QDate datum);
// The same from the date value a matchday file stores (Datumswert.h); ".quo" when it is no date.
QString QuotenDateiname(double datumswert);

} // namespace core
