#include "TSpieltag.h"

#include "core/grund/DateiFehler.h"
#include "core/grund/Fehler.h"
#include "core/grund/Zahlformat.h"
#include "core/text/TextDatei.h"

#include <QDir>
#include <QFile>
#include <QtEndian>

#include <cerrno>

#include <bit>
#include <cstring>

namespace core {
namespace {

// Where the fields lie in the record; field i of a table at its start + size × (i − 1).
constexpr int DatumOffset = 0;
constexpr int AnstossOffset = 8;
constexpr int PaarungOffset = 368;
constexpr int TendenzOffset = 3158;
constexpr int ErgebnisOffset = 3653;
constexpr int RestOffset = 3743;

static_assert(AnstossOffset + 8 * AnzahlPaarungen == PaarungOffset);
static_assert(PaarungOffset + TPaarung::Groesse * AnzahlPaarungen == TendenzOffset);
static_assert(TendenzOffset + KurzString<10>::Groesse * AnzahlPaarungen == ErgebnisOffset);
static_assert(ErgebnisOffset + 2 * AnzahlPaarungen == RestOffset);
static_assert(RestOffset + int(std::tuple_size_v<decltype(TSpieltag::Rest)>) == TSpieltag::Groesse);

double doubleLesen(const char* quelle) {
    return std::bit_cast<double>(qFromLittleEndian<quint64>(quelle));
}

void doubleSchreiben(double wert, char* ziel) {
    qToLittleEndian(std::bit_cast<quint64>(wert), ziel);
}

} // namespace

TSpieltag TSpieltag::ausBytes(QByteArrayView bytes) {
    if (bytes.size() < Groesse)
        throw Fehler(QStringLiteral("Ein Spieltag umfasst %1, vorhanden sind %2.")
                         .arg(Bytetext(Groesse), Bytetext(bytes.size())));
    const char* b = bytes.data();
    TSpieltag s;
    s.Datum = doubleLesen(b + DatumOffset);
    for (int i = 1; i <= AnzahlPaarungen; ++i) {
        s.Anstoss[i] = doubleLesen(b + AnstossOffset + 8 * (i - 1));
        s.Paarung[i] = TPaarung::ausBytes(b + PaarungOffset + TPaarung::Groesse * (i - 1));
        s.Tendenz[i] = KurzString<10>::ausBytes(b + TendenzOffset + KurzString<10>::Groesse * (i - 1));
        s.Ergebnis[i].ToreHeim = static_cast<std::int8_t>(b[ErgebnisOffset + 2 * (i - 1)]);
        s.Ergebnis[i].ToreGast = static_cast<std::int8_t>(b[ErgebnisOffset + 2 * (i - 1) + 1]);
    }
    std::memcpy(s.Rest.data(), b + RestOffset, s.Rest.size());
    return s;
}

QByteArray TSpieltag::bytes() const {
    QByteArray bytes(Groesse, '\0');
    char* b = bytes.data();
    doubleSchreiben(Datum, b + DatumOffset);
    for (int i = 1; i <= AnzahlPaarungen; ++i) {
        doubleSchreiben(Anstoss[i], b + AnstossOffset + 8 * (i - 1));
        Paarung[i].inBytes(b + PaarungOffset + TPaarung::Groesse * (i - 1));
        Tendenz[i].inBytes(b + TendenzOffset + KurzString<10>::Groesse * (i - 1));
        b[ErgebnisOffset + 2 * (i - 1)] = static_cast<char>(Ergebnis[i].ToreHeim);
        b[ErgebnisOffset + 2 * (i - 1) + 1] = static_cast<char>(Ergebnis[i].ToreGast);
    }
    std::memcpy(b + RestOffset, Rest.data(), Rest.size());
    return bytes;
}

TSpieltag TSpieltag::lesen(QIODevice& geraet, const QString& pfad) {
    const qint64 groesse = geraet.size();
    if (groesse < Groesse)
        throw Fehler(QStringLiteral("Die Datei \"%1\" enthält keinen Spieltag.\n\n"
                                    "Sie ist %2 groß, ein Spieltag umfasst %3.")
                         .arg(QDir::toNativeSeparators(pfad), Bytetext(groesse), Bytetext(Groesse)));
    // Only the last whole record counts: the reader goes straight to it.
    errno = 0;
    QByteArray satz;
    if (geraet.seek((groesse / Groesse - 1) * Groesse))
        satz = geraet.read(Groesse);
    if (satz.size() != Groesse) {
        const int nummer = errno ? errno : EIO;
        throw Fehler(LesefehlerText(pfad, nummer), nummer);
    }
    return ausBytes(satz);
}

TSpieltag TSpieltag::dateiLesen(const QString& pfad) {
    QFile datei;
    TextDatei::oeffnen(datei, pfad);
    return lesen(datei, pfad);
}

void TSpieltag::dateiSchreiben(const QString& pfad) const {
    TextDatei::bytesSchreiben(pfad, bytes());
}

} // namespace core
