#include "Spielschein.h"

#include "Kommatext.h"
#include "Rechtsbuendig.h"
#include "TextDatei.h"
#include "Windows1252.h"

#include <QFileInfo>

namespace core {
namespace {

using Zelle = Zeilentabelle::Zelle;

constexpr int BeschriftungBreite = 34;

// Lines as TextDatei counts them: at CR LF, LF or CR; a final line end makes no extra line.
template <typename Ch> int zeilenZaehlen(const Ch* d, qsizetype n) {
    if (n == 0)
        return 0;
    qsizetype zeilen = 0;
    for (qsizetype i = 0; i + 1 < n; ++i)
        zeilen += (d[i] == Ch('\n')) | ((d[i] == Ch('\r')) & (d[i + 1] != Ch('\n')));
    // The last character either ends the last line or belongs to it.
    return int(zeilen + 1);
}

// Places the lines of a decoded or 8-bit text into rows 1.. of a fresh table. The common line of
// digits and commas is split in place; any other line is decoded and split by the full rules.
template <typename Ch, typename ZuText> class Einleser {
public:
    Einleser(Zeilentabelle& t, ZuText zuText) : t_(t), zuText_(zuText), letzteSpalte_(t.spalten() - 1) {}

    // d[n] must be readable and 0, as QByteArray and QString guarantee.
    void lesen(const Ch* d, qsizetype n) {
        const Ch* p = d;
        const Ch* ende = d + n;
        int r = 1;
        while (p < ende) {
            const Ch* zeilenende = schnell(p, ende, t_.zeile(r));
            if (!zeilenende) {
                zeilenende = p;
                while (zeilenende < ende && *zeilenende != Ch('\r') && *zeilenende != Ch('\n'))
                    ++zeilenende;
                t_.zeileLeeren(r);
                vollstaendig(zuText_(p, zeilenende - p), t_.zeile(r));
            }
            p = zeilenende;
            if (p < ende)
                p += (*p == Ch('\r') && p[1] == Ch('\n')) ? 2 : 1;
            ++r;
        }
    }

private:
    // Splits a line of digits and commas and returns its end; nullptr for any other line.
    const Ch* schnell(const Ch* p, const Ch* ende, Zelle* zeile) {
        int spalte = 1;
        const Ch* feld = p;
        std::uint32_t wert = 0;
        for (;; ++p) {
            const auto c = std::make_unsigned_t<Ch>(*p);
            if (c - unsigned('0') < 10U) {
                wert = wert * 10 + (c - unsigned('0'));
                continue;
            }
            const bool zeilenende = c == '\r' || c == '\n' || (c == 0 && p == ende);
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
        const QStringList felder = KommatextZerlegen(zeile);
        if (felder.isEmpty()) {
            // An empty line still is a row: column 1 holds one blank.
            zellen[1] = leeresFeld();
            return;
        }
        const int anzahl = std::min(int(felder.size()), letzteSpalte_);
        for (int i = 0; i < anzahl; ++i)
            zellen[i + 1] = felder[i].isEmpty() ? leeresFeld() : t_.kodieren(felder[i]);
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

template <typename Ch, typename ZuText>
int einlesen(Zeilentabelle& t, const Ch* d, qsizetype n, ZuText zuText) {
    const int zeilen = zeilenZaehlen(d, n);
    t.setZeilen(zeilen + 1);
    Einleser<Ch, ZuText>(t, zuText).lesen(d, n);
    return zeilen;
}

int textEinlesen(Zeilentabelle& t, const QByteArray& bytes) {
    qsizetype marke = 0;
    const TextDatei::Kodierung kodierung = TextDatei::kodierung(bytes, marke);
    const char* d = bytes.constData() + marke;
    const qsizetype n = bytes.size() - marke;
    switch (kodierung) {
    case TextDatei::Kodierung::Windows1252:
        return einlesen(t, d, n, [](const char* p, qsizetype k) {
            return Windows1252::dekodieren(QByteArrayView(p, k));
        });
    case TextDatei::Kodierung::Utf8:
        return einlesen(t, d, n, [](const char* p, qsizetype k) { return QString::fromUtf8(p, k); });
    case TextDatei::Kodierung::Utf16LE:
    case TextDatei::Kodierung::Utf16BE:
        break;
    }
    const QString text = TextDatei::dekodieren(bytes);
    return einlesen(t, reinterpret_cast<const char16_t*>(text.constData()), text.size(),
                    [](const char16_t* p, qsizetype k) { return QStringView(p, k); });
}

} // namespace

std::optional<Spielschein> SpielscheinEinlesen(const QString& pfad, const Zeilentabelle& vorlage,
                                               const Textmass& mass) {
    if (pfad.isEmpty() || !QFileInfo::exists(pfad))
        return std::nullopt;
    const QByteArray bytes = TextDatei::bytesLesen(pfad);
    Spielschein schein{Zeilentabelle(vorlage.spalten()), 0, QFileInfo(pfad).fileName()};
    Zeilentabelle& t = schein.tabelle;
    for (int c = 0; c < vorlage.spalten() && vorlage.zeilen() > 0; ++c)
        t.setText(0, c, vorlage.text(0, c));
    schein.zeilen = textEinlesen(t, bytes);
    ZeilennummernSchreiben(t, 1, schein.zeilen, BeschriftungBreite, mass);
    return schein;
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

    qsizetype laenge = 0;
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
                const QByteArray& feld = poolFeld(zelle);
                z = std::copy(feld.begin(), feld.end(), z);
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
