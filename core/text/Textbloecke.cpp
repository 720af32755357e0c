#include "Textbloecke.h"

#include "core/grund/DateiFehler.h"
#include "core/grund/Fehler.h"

#include <QIODevice>

#include <algorithm>
#include <cerrno>
#include <cstring>

namespace core {
namespace {

using Kodierung = TextDatei::Kodierung;

// A read of this size keeps the calls few and the buffer small.
constexpr qsizetype Stueck = qsizetype(1) << 16;

int einheit(Kodierung k) {
    return k == Kodierung::Utf16LE || k == Kodierung::Utf16BE ? 2 : 1;
}

// The code unit at p: one byte, or two in the byte order of the code.
char16_t zeichen(const char* p, Kodierung k) {
    const auto b = [p](int i) { return char16_t(static_cast<unsigned char>(p[i])); };
    switch (k) {
    case Kodierung::Utf16LE:
        return char16_t(b(0) | b(1) << 8);
    case Kodierung::Utf16BE:
        return char16_t(b(0) << 8 | b(1));
    default:
        return b(0);
    }
}

bool zeilenende(char16_t c) {
    return c == u'\n' || c == u'\r';
}

} // namespace

Textbloecke::Textbloecke(QIODevice& geraet, const QString& pfad, qsizetype hoechstZeile)
    : geraet_(geraet), pfad_(pfad), hoechstZeile_(hoechstZeile) {
    while (puffer_.size() < 3 && !amEnde_)
        nachlesen();
    qsizetype marken = 0;
    kodierung_ = TextDatei::kodierung(puffer_, marken);
    const QByteArrayView marke = TextDatei::marke(kodierung_);
    // More marks than the first read held.
    while (!marke.isEmpty()) {
        while (!amEnde_ && puffer_.size() - marken < marke.size())
            nachlesen();
        if (!QByteArrayView(puffer_).sliced(marken).startsWith(marke))
            break;
        marken += marke.size();
    }
    ausgegeben_ = marken;
}

void Textbloecke::nachlesen() {
    const qsizetype alt = puffer_.size();
    // A long line is read in growing steps, so that it takes few reads.
    const qsizetype stueck = std::max(Stueck, alt);
    puffer_.resize(alt + stueck);
    errno = 0;
    const qint64 n = geraet_.read(puffer_.data() + alt, stueck);
    if (n < 0) {
        puffer_.resize(alt);
        const int nummer = errno ? errno : EIO;
        throw Fehler(LesefehlerText(pfad_, nummer), nummer);
    }
    puffer_.resize(alt + qsizetype(n));
    amEnde_ = n == 0;
}

qsizetype Textbloecke::blockende() {
    const int e = einheit(kodierung_);
    const char* d = puffer_.constData();
    const qsizetype ganze = puffer_.size() - puffer_.size() % e;
    for (qsizetype i = ganze - e; i >= geprueft_; i -= e) {
        const char16_t c = zeichen(d + i, kodierung_);
        if (!zeilenende(c))
            continue;
        // A CR that ends the buffer may be the first half of CR LF: the block ends before it.
        if (c == u'\r' && i + e == ganze && !amEnde_)
            continue;
        return i + e;
    }
    // The last unit is looked at again after the next read.
    geprueft_ = std::max<qsizetype>(0, ganze - e);
    return 0;
}

QByteArrayView Textbloecke::naechster() {
    const qsizetype rest = puffer_.size() - ausgegeben_;
    std::memmove(puffer_.data(), puffer_.constData() + ausgegeben_, std::size_t(rest));
    puffer_.resize(rest);
    ausgegeben_ = 0;
    geprueft_ = 0;
    for (;;) {
        const qsizetype ende = blockende();
        if (ende > 0 || amEnde_) {
            ausgegeben_ = ende > 0 ? ende : puffer_.size();
            return QByteArrayView(puffer_).first(ausgegeben_);
        }
        // The buffer starts with the line: it is longer than the bound.
        if (hoechstZeile_ > 0 && puffer_.size() > hoechstZeile_) {
            zuLang_ = true;
            return {};
        }
        nachlesen();
    }
}

qint64 Textbloecke::zeilenZaehlen(QByteArrayView block, Kodierung k) {
    const int e = einheit(k);
    // A half unit at the end is one more character: the replacement character.
    const qsizetype n = (block.size() + e - 1) / e * e;
    if (n == 0)
        return 0;
    const char* d = block.data();
    qint64 enden = 0;
    if (e == 1) {
        // The common case, in pieces with a narrow sum, which the compiler turns into vector code.
        constexpr qsizetype Zaehlstueck = 4096;
        for (qsizetype ab = 0; ab + 1 < n;) {
            const qsizetype bis = std::min(ab + Zaehlstueck, n - 1);
            unsigned summe = 0;
            for (qsizetype i = ab; i < bis; ++i) {
                const auto c = static_cast<unsigned char>(d[i]);
                const auto naechstes = static_cast<unsigned char>(d[i + 1]);
                summe += unsigned(c == '\n') | (unsigned(c == '\r') & unsigned(naechstes != '\n'));
            }
            enden += summe;
            ab = bis;
        }
    } else {
        const auto einheitBei = [&](qsizetype i) {
            return i + e <= block.size() ? zeichen(d + i, k) : u'\uFFFD';
        };
        for (qsizetype i = 0; i + e < n; i += e) {
            const char16_t c = einheitBei(i);
            enden += c == u'\n' || (c == u'\r' && einheitBei(i + e) != u'\n');
        }
    }
    // The last character either ends the last line or belongs to it.
    return enden + 1;
}

} // namespace core
