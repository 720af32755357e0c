#include "Spielschein.h"

#include "Rechtsbuendig.h"
#include "core/grund/DateiFehler.h"
#include "core/grund/Fehler.h"
#include "core/grund/Grossspeicher.h"
#include "core/grund/Zahlformat.h"
#include "core/text/Kommatext.h"
#include "core/text/TextDatei.h"
#include "core/text/Textbloecke.h"
#include "core/text/Windows1252.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>

#include <cerrno>

namespace core {
namespace {

using Zelle = Zeilentabelle::Zelle;

constexpr int BeschriftungBreite = 34;

// Places lines of a decoded or 8-bit text into rows of a fresh table. The common line of digits
// and commas is split in place; any other line is decoded and split by the full rules.
template <typename Ch, typename ZuText> class Einleser {
public:
    Einleser(Zeilentabelle& t, ZuText zuText) : t_(t), zuText_(zuText), letzteSpalte_(t.spalten() - 1) {}

    // The lines of whole lines from p to ende into rows r, r + 1, ...; returns where it stopped:
    // ende, or the start of the first line for which the table has no row.
    const Ch* block(const Ch* p, const Ch* ende, int& r) {
        while (p < ende) {
            if (r >= t_.zeilen())
                return p;
            const Ch* zeilenende = sechsZahlen(p, ende, t_.zeile(r));
            if (!zeilenende)
                zeilenende = schnell(p, ende, t_.zeile(r));
            if (!zeilenende) {
                zeilenende = restUeberspringen(p, ende);
                t_.zeileLeeren(r);
                vollstaendig(zuText_(p, zeilenende - p), t_.zeile(r));
            }
            p = zeilenende;
            if (p < ende)
                p += (*p == Ch('\r') && p + 1 < ende && p[1] == Ch('\n')) ? 2 : 1;
            ++r;
        }
        return ende;
    }

private:
    static unsigned ziffer(Ch c) { return unsigned(std::make_unsigned_t<Ch>(c)) - unsigned('0'); }

    // The line nearly every slip consists of: six numbers of one or two digits without a leading
    // zero, separated by commas, then the line end. Taken without a branch on the count of
    // digits, which no predictor guesses. Returns the line's end, or nullptr for any other line;
    // the cells written by then hold what the general way writes there too.
    const Ch* sechsZahlen(const Ch* p, const Ch* ende, Zelle* zeile) {
        // The longest such line and its line end; reading a unit or two beyond a short field
        // stays inside the block.
        constexpr qsizetype Laengste = 6 * 3;
        if (ende - p < Laengste || letzteSpalte_ < 6)
            return nullptr;
        for (int spalte = 1; spalte <= 6; ++spalte) {
            const unsigned a = ziffer(p[0]);
            const unsigned b = ziffer(p[1]);
            const bool zwei = b < 10;
            // No digit or a leading zero: the general way. A third digit stands where the comma
            // or the line end is looked for.
            if ((a >= 10) | (zwei & (a == 0)))
                return nullptr;
            // Chosen by a mask: the compiler would branch on a conditional expression.
            zeile[spalte] = Zeilentabelle::zahl(a + ((a * 9 + b) & (0U - unsigned(zwei))));
            p += 1 + int(zwei);
            const Ch trenner = *p;
            if (spalte < 6 ? trenner != Ch(',') : trenner != Ch('\r') && trenner != Ch('\n'))
                return nullptr;
            p += int(spalte < 6);
        }
        return p;
    }

    // Splits a line of digits and commas and returns its end; nullptr for any other line.
    const Ch* schnell(const Ch* p, const Ch* ende, Zelle* zeile) {
        int spalte = 1;
        const Ch* feld = p;
        std::uint32_t wert = 0;
        for (;; ++p) {
            const bool amEnde = p == ende;
            const unsigned c = amEnde ? 0U : unsigned(std::make_unsigned_t<Ch>(*p));
            if (!amEnde && c - unsigned('0') < 10U) {
                wert = wert * 10 + (c - unsigned('0'));
                continue;
            }
            const bool zeilenende = amEnde || c == '\r' || c == '\n';
            if (!zeilenende && c != ',')
                return nullptr;
            if (spalte <= letzteSpalte_)
                zeile[spalte] = ziffernfeld(feld, p, wert);
            if (zeilenende)
                return p;
            if (++spalte > letzteSpalte_)
                return restUeberspringen(p, ende);
            feld = p + 1;
            wert = 0;
        }
    }

    // Fields beyond the last column are dropped, whatever they hold.
    static const Ch* restUeberspringen(const Ch* p, const Ch* ende) {
        while (p < ende && *p != Ch('\r') && *p != Ch('\n'))
            ++p;
        return p;
    }

    Zelle ziffernfeld(const Ch* von, const Ch* bis, std::uint32_t wert) {
        const qsizetype laenge = bis - von;
        if (laenge == 0)
            return leeresFeld();
        if (laenge <= 8 && (laenge == 1 || *von != Ch('0')) && wert <= Zeilentabelle::GroessteZahl)
            return Zeilentabelle::zahl(wert);
        // A leading zero or a long number keeps its text.
        QString text(laenge, Qt::Uninitialized);
        std::copy(von, bis, text.data());
        return t_.kodieren(text);
    }

    void vollstaendig(QStringView zeile, Zelle* zellen) {
        int spalte = 0;
        KommatextFelder(zeile, [&](QStringView feld) {
            if (spalte < letzteSpalte_)
                zellen[++spalte] = feld.isEmpty() ? leeresFeld() : t_.kodieren(feld);
        });
        // An empty line still is a row: column 1 holds one blank.
        if (spalte == 0)
            zellen[1] = leeresFeld();
    }

    // An empty field is stored as one blank, so that it still occupies its column.
    Zelle leeresFeld() {
        if (blank_ == Zeilentabelle::Leer)
            blank_ = t_.kodieren(u" ");
        return blank_;
    }

    Zeilentabelle& t_;
    ZuText zuText_;
    const int letzteSpalte_;
    Zelle blank_ = Zeilentabelle::Leer;
};

QString geaendertText(const QString& pfad) {
    return QStringLiteral("Die Datei \"%1\" hat sich beim Einlesen geändert. Bitte lesen Sie sie noch "
                          "einmal ein.")
        .arg(QDir::toNativeSeparators(pfad));
}

// The lines a table can hold besides its header row.
constexpr qint64 HoechstensZeilen = Zeilentabelle::GroessteZeilenzahl - 1;

// The lines of the text, counted in a first pass so that the table is made once at its size.
int zeilenZaehlen(QIODevice& geraet, const QString& pfad) {
    Textbloecke bloecke(geraet, pfad);
    qint64 zeilen = 0;
    for (QByteArrayView block = bloecke.naechster(); !block.isEmpty(); block = bloecke.naechster()) {
        zeilen += Textbloecke::zeilenZaehlen(block, bloecke.kodierung());
        if (zeilen > HoechstensZeilen)
            throw Fehler(QStringLiteral("Die Datei \"%1\" kann nicht eingelesen werden: Sie hat mehr "
                                        "Zeilen, als die Tabelle Reihen fasst (höchstens %2).")
                             .arg(QDir::toNativeSeparators(pfad), Ganzzahltext(HoechstensZeilen)));
    }
    return int(zeilen);
}

// Places the text's lines into rows 1.. of t and returns how many there were. With a count, the
// table has exactly the rows they need. Without, it grows as they come: made at first for as
// many lines as the first block's lines per byte promise for the device's size, made a quarter
// larger whenever a line finds no row, and cut to the lines read at the end.
int zeilenEinlesen(Zeilentabelle& t, QIODevice& geraet, const QString& pfad, std::optional<int> zeilen) {
    Textbloecke bloecke(geraet, pfad);
    const TextDatei::Kodierung k = bloecke.kodierung();
    const auto zuText = [k](const char* p, qsizetype n) {
        return TextDatei::dekodieren(QByteArrayView(p, n), k);
    };
    Einleser<char, decltype(zuText)> achtBit(t, zuText);
    const auto sicht = [](const char16_t* p, qsizetype n) { return QStringView(p, n); };
    Einleser<char16_t, decltype(sicht)> sechzehnBit(t, sicht);
    const bool utf16 = k == TextDatei::Kodierung::Utf16LE || k == TextDatei::Kodierung::Utf16BE;
    int r = 1;
    // Room for more rows when a line finds none; false when there is to be none.
    const auto wachsen = [&] {
        if (zeilen || t.zeilen() > HoechstensZeilen)
            return false;
        t.setZeilen(int(std::min(qint64(t.zeilen()) * 5 / 4 + 16, HoechstensZeilen + 1)));
        return true;
    };
    const auto einlesen = [&](auto& einleser, const auto* p, const auto* ende) {
        while ((p = einleser.block(p, ende, r)) != ende)
            if (!wachsen())
                throw Fehler(geaendertText(pfad));
    };
    for (QByteArrayView block = bloecke.naechster(); !block.isEmpty(); block = bloecke.naechster()) {
        if (!zeilen && r == 1) {
            const double jeByte = double(Textbloecke::zeilenZaehlen(block, k)) / double(block.size());
            t.setZeilen(
                int(std::min(qint64(double(geraet.size()) * jeByte * 1.01) + 2, HoechstensZeilen + 1)));
        }
        if (utf16) {
            const QString text = TextDatei::dekodieren(block, k);
            const auto* d = reinterpret_cast<const char16_t*>(text.constData());
            einlesen(sechzehnBit, d, d + text.size());
        } else {
            einlesen(achtBit, block.data(), block.data() + block.size());
        }
    }
    if (!zeilen)
        t.zuschneiden(r);
    else if (r != *zeilen + 1)
        throw Fehler(geaendertText(pfad));
    return r - 1;
}

// A new table with the header row of the template, the lines of the text below it and their labels.
Spielschein scheinLesen(QIODevice& geraet, const QString& pfad, const Zeilentabelle& vorlage,
                        const Textmass& mass, std::optional<int> zeilen) {
    Spielschein schein{Zeilentabelle(vorlage.spalten()), 0, QFileInfo(pfad).fileName()};
    Zeilentabelle& t = schein.tabelle;
    if (zeilen)
        t.setZeilen(*zeilen + 1);
    schein.zeilen = zeilenEinlesen(t, geraet, pfad, zeilen);
    for (int c = 0; c < vorlage.spalten() && vorlage.zeilen() > 0; ++c)
        t.setText(0, c, vorlage.text(0, c));
    ZeilennummernSchreiben(t, 1, schein.zeilen, BeschriftungBreite, mass);
    return schein;
}

} // namespace

Spielschein SpielscheinLesen(QIODevice& geraet, const QString& pfad, const Zeilentabelle& vorlage,
                             const Textmass& mass) {
    const qint64 anfang = geraet.pos();
    const int zeilen = zeilenZaehlen(geraet, pfad);
    if (!geraet.seek(anfang))
        throw Fehler(LesefehlerText(pfad, EIO), EIO);
    return scheinLesen(geraet, pfad, vorlage, mass, zeilen);
}

std::optional<Spielschein> SpielscheinEinlesen(const QString& pfad, const Zeilentabelle& vorlage,
                                               const Textmass& mass) {
    if (pfad.isEmpty() || !QFileInfo::exists(pfad))
        return std::nullopt;
    QFile datei;
    TextDatei::oeffnen(datei, pfad);
    // A file smaller than the most lines a table holds cannot have more lines than that: read in
    // one pass. A larger one is counted first, so that too many lines are refused before any
    // table is made.
    if (datei.size() <= HoechstensZeilen)
        return scheinLesen(datei, pfad, vorlage, mass, std::nullopt);
    return SpielscheinLesen(datei, pfad, vorlage, mass);
}

QByteArray SpielscheinText(const Zeilentabelle& t, int weglassen) {
    const int letzte = t.spalten() - weglassen - 1;
    // Pool texts are encoded and quoted once, however many cells share them.
    std::vector<QByteArray> poolFelder(t.poolGroesse());
    std::vector<bool> poolFertig(t.poolGroesse());
    const auto poolFeld = [&](Zelle z) -> const QByteArray& {
        const std::uint32_t i = Zeilentabelle::poolIndex(z);
        if (!poolFertig[i]) {
            poolFelder[i] = Windows1252::kodieren(KommatextFeld(t.pooltext(z)));
            poolFertig[i] = true;
        }
        return poolFelder[i];
    };
    const auto feldLaenge = [&](Zelle z) -> qsizetype {
        if (Zeilentabelle::istZahl(z))
            return Zeilentabelle::zahlLaenge(z) + (Zeilentabelle::zahlBlanks(z) > 0 ? 2 : 0);
        return z == Zeilentabelle::Leer ? 0 : poolFeld(z).size();
    };
    // The file's first field is quoted when it begins like a byte-order mark, or it would read
    // back as one.
    int ersteReihe = 1;
    while (ersteReihe < t.zeilen() && t.zeile(ersteReihe)[1] == Zeilentabelle::Leer)
        ++ersteReihe;
    bool ersteAnfuehren = false;
    if (letzte >= 1 && ersteReihe < t.zeilen() && Zeilentabelle::istPooltext(t.zeile(ersteReihe)[1])) {
        qsizetype marken = 0;
        ersteAnfuehren = TextDatei::kodierung(poolFeld(t.zeile(ersteReihe)[1]), marken) !=
                         TextDatei::Kodierung::Windows1252;
    }

    qsizetype laenge = ersteAnfuehren ? 2 : 0;
    for (int r = 1; r < t.zeilen(); ++r) {
        const Zelle* zeile = t.zeile(r);
        if (zeile[1] == Zeilentabelle::Leer)
            continue;
        laenge += std::max(letzte - 1, 0) + 2;
        for (int c = 1; c <= letzte; ++c)
            laenge += feldLaenge(zeile[c]);
    }

    QByteArray bytes(laenge, Qt::Uninitialized);
    char* z = bytes.data();
    Grossspeicher::beraten(z, std::size_t(laenge));
    for (int r = 1; r < t.zeilen(); ++r) {
        const Zelle* zeile = t.zeile(r);
        if (zeile[1] == Zeilentabelle::Leer)
            continue;
        for (int c = 1; c <= letzte; ++c) {
            if (c > 1)
                *z++ = ',';
            const Zelle zelle = zeile[c];
            if (Zeilentabelle::istZahl(zelle)) {
                // Leading blanks make the field one to quote.
                const bool anfuehren = Zeilentabelle::zahlBlanks(zelle) > 0;
                if (anfuehren)
                    *z++ = '"';
                z = Zeilentabelle::zahlSchreiben(zelle, z);
                if (anfuehren)
                    *z++ = '"';
            } else if (zelle != Zeilentabelle::Leer) {
                const bool anfuehren = ersteAnfuehren && r == ersteReihe && c == 1;
                if (anfuehren)
                    *z++ = '"';
                const QByteArray& feld = poolFeld(zelle);
                z = std::copy(feld.begin(), feld.end(), z);
                if (anfuehren)
                    *z++ = '"';
            }
        }
        *z++ = '\r';
        *z++ = '\n';
    }
    return bytes;
}

void SpielscheinSpeichern(const Zeilentabelle& tabelle, const QString& pfad, int weglassen) {
    TextDatei::bytesSchreiben(pfad, SpielscheinText(tabelle, weglassen));
}

} // namespace core
