// Number conversion: text to integer against the C locale, the cells of the row table, the quoting
// of fields in messages and date-time values.
#include "Pruefen.h"

#include "core/grund/Datumswert.h"
#include "core/grund/Fehler.h"
#include "core/grund/Umwandlung.h"
#include "core/schein/Zeilentabelle.h"

#include <QRegularExpression>

#include <cstring>

namespace {

// Leading blanks, then a sign and digits as the C locale reads them, nothing else.
std::optional<std::int32_t> ganzzahl(const QString& text) {
    qsizetype i = 0;
    while (i < text.size() && text[i] == u' ')
        ++i;
    const QString rest = text.sliced(i);
    // The C locale stops at a NUL; the program's conversion takes no control character at all.
    if (rest.isEmpty() || std::any_of(rest.begin(), rest.end(), [](QChar c) {
            return c.isSpace() || c.unicode() < 32 || c.unicode() > 127;
        }))
        return std::nullopt;
    bool ok = false;
    const int wert = rest.toInt(&ok, 10);
    return ok ? std::optional<std::int32_t>(wert) : std::nullopt;
}

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* daten, std::size_t laenge) {
    // Every two bytes one UTF-16 unit, so that any character, lone surrogates too, comes up.
    QString text(qsizetype(laenge / 2), Qt::Uninitialized);
    std::memcpy(text.data(), daten, laenge / 2 * 2);

    const std::optional<std::int32_t> wert = core::AlsGanzzahl(text);
    PRUEFEN(wert == ganzzahl(text));
    try {
        PRUEFEN(core::StrToInt(text) == *wert);
    } catch (const core::Fehler& f) {
        PRUEFEN(!wert && f.text() == core::KeinIntegerText(text));
    }

    const QString zitat = core::FeldZitat(text);
    if (text.size() <= core::FeldZitatLaenge) {
        PRUEFEN(zitat == text);
    } else {
        PRUEFEN(zitat.endsWith(u'…') && zitat.size() <= core::FeldZitatLaenge + 1);
        PRUEFEN(text.startsWith(zitat.chopped(1)));
    }

    core::Zeilentabelle t(3, 2);
    t.setText(1, 1, text);
    PRUEFEN(t.text(1, 1) == text);
    PRUEFEN(t.suchen(text) == t.zelle(1, 1));

    if (laenge >= 8) {
        double tage;
        std::memcpy(&tage, daten, 8);
        static const QRegularExpression datum(QStringLiteral("^[0-3][0-9]\\.[01][0-9]\\.[0-9]{4}$"));
        static const QRegularExpression anstoss(
            QStringLiteral("^(So|Mo|Di|Mi|Do|Fr|Sa)\\.: ([01][0-9]|2[0-3]):[0-5][0-9]$"));
        const QString d = core::DatumText(tage);
        PRUEFEN(d.isEmpty() || datum.match(d).hasMatch());
        const QString a = core::AnstossText(tage);
        PRUEFEN(a.isEmpty() || anstoss.match(a).hasMatch());
        PRUEFEN(a.isEmpty() || !d.isEmpty());
    }
    return 0;
}
