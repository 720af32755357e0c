#include "EigenesSystem.h"

#include "core/grund/DateiFehler.h"
#include "core/grund/Fehler.h"
#include "core/text/TextDatei.h"
#include "core/text/Windows1252.h"
#include "core/werkstatt/Garantiepruefung.h"

#include <QDir>
#include <QFile>

#include <algorithm>
#include <bit>

namespace core {
namespace {

const QString Kennung = QStringLiteral("Remisator-System 1");

// A whole number of at most six digits, nothing else.
std::optional<int> zahl(QStringView text) {
    if (text.isEmpty() || text.size() > 6)
        return std::nullopt;
    int wert = 0;
    for (const QChar c : text) {
        if (c < u'0' || c > u'9')
            return std::nullopt;
        wert = wert * 10 + (c.unicode() - u'0');
    }
    return wert;
}

// Numbers separated by single or several blanks.
std::optional<std::vector<int>> zahlenliste(QStringView text) {
    std::vector<int> z;
    for (const QStringView teil : text.split(u' ', Qt::SkipEmptyParts)) {
        const std::optional<int> w = zahl(teil);
        if (!w)
            return std::nullopt;
        z.push_back(*w);
    }
    return z;
}

[[noreturn]] void falsch(const QString& grund) {
    throw Fehler(grund);
}

// The lines of the text, each asked for once, in order.
class Zeilen {
public:
    explicit Zeilen(const QString& text) {
        TextDatei::jedeZeile(text, [&](QStringView z) { zeilen_.push_back(z); });
    }
    // The next line, or nothing at the end; nummer() is its number either way.
    std::optional<QStringView> naechste() {
        ++nummer_;
        if (std::size_t(nummer_) > zeilen_.size())
            return std::nullopt;
        return zeilen_[std::size_t(nummer_ - 1)];
    }
    int nummer() const { return nummer_; }

private:
    std::vector<QStringView> zeilen_;
    int nummer_ = 0;
};

// The value after "Schluessel: " in the next line.
QStringView wert(Zeilen& z, const QString& schluessel) {
    const std::optional<QStringView> zeile = z.naechste();
    const QString kopf = schluessel + QStringLiteral(": ");
    if (!zeile || !zeile->startsWith(kopf))
        falsch(QStringLiteral("Zeile %1 muss mit \"%2\" beginnen.").arg(z.nummer()).arg(kopf));
    return zeile->mid(kopf.size());
}

} // namespace

EigenesSystem EigenesSystem::lesen(QByteArrayView bytes, bool garantiePruefen) {
    const QString text = TextDatei::dekodieren(QByteArray(bytes.data(), bytes.size()));
    Zeilen z(text);
    EigenesSystem s;
    const std::optional<QStringView> erste = z.naechste();
    if (!erste || *erste != Kennung)
        falsch(QStringLiteral("Die erste Zeile muss \"%1\" lauten.").arg(Kennung));

    s.name = wert(z, QStringLiteral("Name")).toString();
    if (s.name.trimmed().isEmpty())
        falsch(QStringLiteral("Das System hat keinen Namen."));
    if (s.name.size() > NamenLaenge)
        falsch(QStringLiteral("Der Name ist länger als %1 Zeichen.").arg(NamenLaenge));

    const std::optional<int> v = zahl(wert(z, QStringLiteral("Zahlen")));
    if (!v || *v < 7 || *v > Garantiepruefung::Spiele)
        falsch(QStringLiteral("Zeile %1: ein System hat 7 bis 45 Zahlen.").arg(z.nummer()));
    s.zahlen = *v;

    std::optional<QStringView> zeile = z.naechste();
    if (zeile && zeile->startsWith(QStringLiteral("Bank: "))) {
        const std::optional<std::vector<int>> bank = zahlenliste(zeile->mid(6));
        if (!bank || bank->empty() || bank->size() > 5)
            falsch(QStringLiteral("Zeile %1: die Bank nennt 1 bis 5 Platzhalter.").arg(z.nummer()));
        s.bank = *bank;
        std::sort(s.bank.begin(), s.bank.end());
        for (std::size_t i = 0; i < s.bank.size(); ++i)
            if (s.bank[i] < 1 || s.bank[i] > s.zahlen || (i > 0 && s.bank[i] == s.bank[i - 1]))
                falsch(QStringLiteral("Zeile %1: die Bank nennt verschiedene Platzhalter von 1 bis %2.")
                           .arg(z.nummer())
                           .arg(s.zahlen));
        zeile = z.naechste();
    }
    const QString garantieKopf = QStringLiteral("Garantie: ");
    if (!zeile || !zeile->startsWith(garantieKopf))
        falsch(QStringLiteral("Zeile %1 muss mit \"%2\" beginnen.").arg(z.nummer()).arg(garantieKopf));
    const QList<QStringView> g = zeile->mid(garantieKopf.size()).split(u' ');
    const std::optional<int> t = g.size() == 3 ? zahl(g[0]) : std::nullopt;
    const std::optional<int> m = g.size() == 3 ? zahl(g[2]) : std::nullopt;
    if (!t || !m || g[1] != QStringLiteral("wenn") || *t < 2 || *t > 5 || *m < *t || *m > 6)
        falsch(QStringLiteral("Zeile %1: die Garantie lautet \"T wenn M\" mit 2 ≤ T ≤ 5 und T ≤ M ≤ 6.")
                   .arg(z.nummer()));
    s.garantie = {*t, *m};

    const std::optional<int> anzahl = zahl(wert(z, QStringLiteral("Reihen")));
    if (!anzahl || *anzahl < 1 || *anzahl > HoechstensReihen)
        falsch(QStringLiteral("Zeile %1: ein System hat 1 bis %2 Reihen.")
                   .arg(z.nummer())
                   .arg(HoechstensReihen));

    std::uint64_t bankMaske = 0;
    for (const int b : s.bank)
        bankMaske |= std::uint64_t(1) << (b - 1);
    s.reihen.reserve(std::size_t(*anzahl));
    for (int r = 1; r <= *anzahl; ++r) {
        zeile = z.naechste();
        if (!zeile)
            falsch(QStringLiteral("Die Datei endet nach %1 von %2 Reihen.").arg(r - 1).arg(*anzahl));
        const std::optional<std::vector<int>> p = zahlenliste(*zeile);
        if (!p || p->size() != 6)
            falsch(QStringLiteral("Zeile %1: eine Reihe hat sechs Platzhalter.").arg(z.nummer()));
        std::uint64_t maske = 0;
        for (const int x : *p) {
            if (x < 1 || x > s.zahlen)
                falsch(QStringLiteral("Zeile %1: %2 ist kein Platzhalter von 1 bis %3.")
                           .arg(z.nummer())
                           .arg(x)
                           .arg(s.zahlen));
            maske |= std::uint64_t(1) << (x - 1);
        }
        if (std::popcount(maske) != 6)
            falsch(QStringLiteral("Zeile %1: ein Platzhalter steht zweimal in der Reihe.").arg(z.nummer()));
        if ((maske & bankMaske) != bankMaske)
            falsch(QStringLiteral("Zeile %1: der Reihe fehlt eine Bankzahl.").arg(z.nummer()));
        s.reihen.push_back(maske);
    }
    while ((zeile = z.naechste()))
        if (!zeile->trimmed().isEmpty())
            falsch(QStringLiteral("Zeile %1: nach der letzten Reihe folgt noch Text.").arg(z.nummer()));

    if (garantiePruefen) {
        const Garantiepruefung::Ergebnis e =
            Garantiepruefung::garantiePruefen(s.reihen, s.zahlen, s.garantie);
        if (e.loecher > 0)
            falsch(QStringLiteral("Die Garantie \"%1\" gilt nicht: %2 Fälle bleiben unter %3 Richtigen.")
                       .arg(s.garantie.text())
                       .arg(e.loecher)
                       .arg(s.garantie.richtige));
    }
    return s;
}

EigenesSystem EigenesSystem::dateiLesen(const QString& pfad) {
    QFile datei(pfad);
    TextDatei::oeffnen(datei, pfad);
    const QString kopf = QStringLiteral("Die Datei \"%1\" enthält kein gültiges eigenes System.\n\n")
                             .arg(QDir::toNativeSeparators(pfad));
    if (datei.size() > HoechstensBytes)
        throw Fehler(kopf + QStringLiteral("Sie ist größer als jedes System."));
    const QByteArray bytes = datei.read(HoechstensBytes + 1);
    if (bytes.size() > HoechstensBytes)
        throw Fehler(kopf + QStringLiteral("Sie ist größer als jedes System."));
    try {
        return lesen(bytes);
    } catch (const Fehler& f) {
        throw Fehler(kopf + f.text());
    }
}

QByteArray EigenesSystem::text() const {
    if (Windows1252::dekodieren(Windows1252::kodieren(name)) != name || name.contains(u'\r') ||
        name.contains(u'\n'))
        throw Fehler(QStringLiteral("Der Name \"%1\" enthält Zeichen, die die Systemdatei nicht fassen kann.")
                         .arg(name));
    QStringList zeilen;
    zeilen << Kennung << QStringLiteral("Name: ") + name << QStringLiteral("Zahlen: %1").arg(zahlen);
    if (!bank.empty()) {
        QStringList b;
        for (const int x : bank)
            b << QString::number(x);
        zeilen << QStringLiteral("Bank: ") + b.join(u' ');
    }
    zeilen << QStringLiteral("Garantie: ") + garantie.text()
           << QStringLiteral("Reihen: %1").arg(reihen.size());
    std::vector<std::uint64_t> sortiert = reihen;
    // ascending as the rows read: by their smallest placeholder first
    std::sort(sortiert.begin(), sortiert.end(), [](std::uint64_t a, std::uint64_t b) {
        const std::uint64_t unterschied = a ^ b;
        const std::uint64_t erstes = unterschied & (~unterschied + 1);
        return (a & erstes) != 0;
    });
    for (std::uint64_t r : sortiert) {
        QStringList p;
        for (; r; r &= r - 1)
            p << QString::number(std::countr_zero(r) + 1);
        zeilen << p.join(u' ');
    }
    return TextDatei::kodieren(zeilen);
}

void EigenesSystem::speichern(const QString& pfad) const {
    TextDatei::bytesSchreiben(pfad, text());
}

} // namespace core
