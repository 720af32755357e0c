#include "WachStand.h"

#include "core/grund/Fehler.h"
#include "core/text/TextDatei.h"
#include "net/Abgebrochen.h"
#include "net/Adressen.h"

#include <QRegularExpression>

#include <algorithm>

namespace net {
namespace {

using core::TextDatei;

// A counter is a short line: what does not end within this many bytes is none.
constexpr qsizetype HoechstBytes = 4096;

QString ersteZeile(QByteArrayView bytes) {
    qsizetype marken = 0;
    const TextDatei::Kodierung k = TextDatei::kodierung(bytes, marken);
    const bool abgeschnitten = bytes.size() >= HoechstBytes;
    if (k == TextDatei::Kodierung::Windows1252) {
        // Whether it is UTF-8 is asked of the first line alone.
        const auto ende =
            std::find_if(bytes.begin(), bytes.end(), [](char c) { return c == '\r' || c == '\n'; });
        if (ende == bytes.end() && abgeschnitten)
            return QString();
        return TextDatei::utf8OderWindows1252(bytes.first(ende - bytes.begin()));
    }
    const QString text = TextDatei::dekodieren(bytes.sliced(marken), k);
    const qsizetype ende = text.indexOf(QRegularExpression(QStringLiteral("[\r\n]")));
    if (ende < 0 && abgeschnitten)
        return QString();
    return text.left(ende);
}

} // namespace

std::optional<QString> WachStandHolen(Netz& netz, const QString& tempDir) {
    if (!netz.InternetVerbunden())
        return QString();
    const QString ziel = tempDir + QStringLiteral("wach45.txt");
    try {
        if (netz.DateiGroesse(ziel) >= 0)
            netz.DateiLoeschen(ziel);
        netz.CacheLeeren();
        if (!netz.DateiHerunterladen(Adressen::AufSeite(Adressen::WachStand), ziel))
            return QString();
        return ersteZeile(TextDatei::anfangLesen(ziel, HoechstBytes));
    } catch (const core::Fehler&) {
        // the counter is a courtesy: a failure leaves it empty, as a failed transfer does
        return QString();
    } catch (const Abgebrochen& a) {
        if (a.programmende())
            throw;
        return std::nullopt;
    }
}

} // namespace net
