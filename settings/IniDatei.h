#pragma once

#include <QPoint>
#include <QString>
#include <QStringList>

#include <utility>

namespace settings {

// The settings file: sections in brackets, key=value lines, CR LF. Sections and keys are
// found without regard to case. Every access reads or writes the file at once; a write
// replaces the file atomically. Written as UTF-8; read by its byte-order mark, else as UTF-8,
// else as Windows-1252 (older files).
class IniDatei {
public:
    explicit IniDatei(QString pfad) : pfad_(std::move(pfad)) {}

    const QString& pfad() const { return pfad_; }
    bool existiert() const;

    // Decimal, or hexadecimal after "0x"/"0X"; any other text gives the default.
    int leseInt(const QString& abschnitt, const QString& schluessel, int vorgabe) const;
    bool leseBool(const QString& abschnitt, const QString& schluessel, bool vorgabe) const;
    // The default only when the key is missing; at most 2047 characters.
    QString leseText(const QString& abschnitt, const QString& schluessel, const QString& vorgabe) const;

    // A failed write throws "In <file> kann nicht geschrieben werden" and leaves the file whole.
    // A file that exists but cannot be read is never rewritten: the write throws, naming the reason.
    void schreibeInt(const QString& abschnitt, const QString& schluessel, int wert) const;
    void schreibeBool(const QString& abschnitt, const QString& schluessel, bool wert) const;
    void schreibeText(const QString& abschnitt, const QString& schluessel, const QString& wert) const;
    // Several keys of one section in one write.
    void schreibeTexte(const QString& abschnitt, const QList<std::pair<QString, QString>>& werte) const;

    static QString dekodieren(const QByteArray& bytes);

private:
    // Throws when the file exists but cannot be read.
    QStringList vorhandeneZeilen() const;
    QStringList zeilen() const;
    bool finde(const QString& abschnitt, const QString& schluessel, QString& wert) const;

    QString pfad_;
};

// Stores a window's left and top edge under "<name>-left" and "<name>-top" in section "Position".
void FensterpositionSpeichern(const IniDatei& datei, const QString& fenstername, int left, int top);
// The stored left and top edge of a window; 0 and 70 where a key is missing or no number.
QPoint FensterpositionLesen(const IniDatei& datei, const QString& fenstername);

} // namespace settings
