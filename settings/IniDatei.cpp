#include "IniDatei.h"

#include "Schluessel.h"

#include "core/grund/DateiFehler.h"
#include "core/grund/Fehler.h"
#include "core/text/TextDatei.h"

#include <QDir>
#include <QFileInfo>

namespace settings {
namespace {

constexpr qsizetype GroessteTextlaenge = 2047;

// "[Name]" -> Name, else a null text.
QString abschnittsname(QStringView zeile) {
    const QStringView z = zeile.trimmed();
    if (z.size() >= 2 && z.front() == u'[') {
        const qsizetype ende = z.indexOf(u']');
        if (ende > 0)
            return z.mid(1, ende - 1).trimmed().toString();
    }
    return QString();
}

bool schluesselzeile(QStringView zeile, QStringView& schluessel, QStringView& wert) {
    const qsizetype gleich = zeile.indexOf(u'=');
    if (gleich < 0)
        return false;
    schluessel = zeile.left(gleich).trimmed();
    wert = zeile.mid(gleich + 1).trimmed();
    return !schluessel.isEmpty();
}

bool gleich(QStringView a, QStringView b) {
    return a.compare(b, Qt::CaseInsensitive) == 0;
}

} // namespace

bool IniDatei::existiert() const {
    return QFileInfo(pfad_).isFile();
}

QString IniDatei::dekodieren(const QByteArray& bytes) {
    qsizetype marke = 0;
    if (core::TextDatei::kodierung(bytes, marke) != core::TextDatei::Kodierung::Windows1252)
        return core::TextDatei::dekodieren(bytes);
    // Written as UTF-8 without a mark; an older file in the 8-bit code page is no valid UTF-8.
    return core::TextDatei::utf8OderWindows1252(bytes);
}

QStringList IniDatei::vorhandeneZeilen() const {
    if (!existiert())
        return {};
    return core::TextDatei::zeilen(dekodieren(core::TextDatei::bytesLesen(pfad_)));
}

QStringList IniDatei::zeilen() const {
    try {
        return vorhandeneZeilen();
    } catch (const core::Fehler&) {
        // Reading never fails: an unreadable file behaves like a missing one.
        return {};
    }
}

bool IniDatei::finde(const QString& abschnitt, const QString& schluessel, QString& wert) const {
    bool imAbschnitt = false;
    for (const QString& zeile : zeilen()) {
        const QString name = abschnittsname(zeile);
        if (!name.isNull()) {
            imAbschnitt = gleich(name, abschnitt);
            continue;
        }
        QStringView k, v;
        if (imAbschnitt && schluesselzeile(zeile, k, v) && gleich(k, schluessel)) {
            wert = v.left(GroessteTextlaenge).toString();
            return true;
        }
    }
    return false;
}

int IniDatei::leseInt(const QString& abschnitt, const QString& schluessel, int vorgabe) const {
    QString text;
    if (!finde(abschnitt, schluessel, text))
        return vorgabe;
    bool ok = false;
    int wert = 0;
    if (text.size() > 2 && (text.startsWith(u"0x") || text.startsWith(u"0X")))
        wert = int(text.mid(2).toUInt(&ok, 16));
    else
        wert = text.toInt(&ok, 10);
    return ok ? wert : vorgabe;
}

bool IniDatei::leseBool(const QString& abschnitt, const QString& schluessel, bool vorgabe) const {
    return leseInt(abschnitt, schluessel, vorgabe ? 1 : 0) != 0;
}

QString IniDatei::leseText(const QString& abschnitt, const QString& schluessel,
                           const QString& vorgabe) const {
    QString text;
    return finde(abschnitt, schluessel, text) ? text : vorgabe;
}

void IniDatei::schreibeInt(const QString& abschnitt, const QString& schluessel, int wert) const {
    schreibeText(abschnitt, schluessel, QString::number(wert));
}

void IniDatei::schreibeBool(const QString& abschnitt, const QString& schluessel, bool wert) const {
    schreibeInt(abschnitt, schluessel, wert ? 1 : 0);
}

void IniDatei::schreibeText(const QString& abschnitt, const QString& schluessel, const QString& wert) const {
    schreibeTexte(abschnitt, {{schluessel, wert}});
}

namespace {

// Replaces the key's line in the section, else adds it at the section's end or in a new section.
void setzen(QStringList& liste, const QString& abschnitt, const QString& schluessel, const QString& wert) {
    const QString neueZeile = schluessel + u'=' + wert;
    qsizetype abschnittsende = -1; // index after the last line of the section
    bool imAbschnitt = false;
    for (qsizetype i = 0; i < liste.size(); ++i) {
        const QString name = abschnittsname(liste[i]);
        if (!name.isNull()) {
            if (imAbschnitt)
                break;
            imAbschnitt = gleich(name, abschnitt);
            if (imAbschnitt)
                abschnittsende = i + 1;
            continue;
        }
        if (!imAbschnitt)
            continue;
        QStringView k, v;
        if (schluesselzeile(liste[i], k, v)) {
            if (gleich(k, schluessel)) {
                liste[i] = neueZeile;
                return;
            }
            abschnittsende = i + 1;
        }
    }
    if (abschnittsende < 0) {
        liste.append(u'[' + abschnitt + u']');
        liste.append(neueZeile);
    } else {
        liste.insert(abschnittsende, neueZeile);
    }
}

} // namespace

void IniDatei::schreibeTexte(const QString& abschnitt,
                             const QList<std::pair<QString, QString>>& werte) const {
    const QString nichtGeschrieben =
        QStringLiteral("In %1 kann nicht geschrieben werden").arg(QDir::toNativeSeparators(pfad_));
    QStringList liste;
    try {
        liste = vorhandeneZeilen();
    } catch (const core::Fehler& f) {
        // Written without its other keys, the file would lose them.
        throw core::Fehler(nichtGeschrieben +
                           QStringLiteral("\n\nDie Datei kann nicht gelesen werden: %1\n"
                                          "Sie bleibt, wie sie ist, damit keine Einstellung verloren geht.")
                               .arg(core::SystemGrund(f.systemfehler())));
    }
    for (const auto& [schluessel, wert] : werte)
        setzen(liste, abschnitt, schluessel, wert);
    QString text = liste.join(QStringLiteral("\r\n"));
    text += QStringLiteral("\r\n");
    if (const int nummer = core::TextDatei::bytesErsetzen(pfad_, text.toUtf8()))
        throw core::Fehler(nichtGeschrieben + QStringLiteral("\n\n") + core::SystemGrund(nummer));
}

void FensterpositionSpeichern(const IniDatei& datei, const QString& fenstername, int left, int top) {
    const QString abschnitt = QString::fromLatin1(schluessel::Position);
    datei.schreibeInt(abschnitt, fenstername + QStringLiteral("-left"), left);
    datei.schreibeInt(abschnitt, fenstername + QStringLiteral("-top"), top);
}

QPoint FensterpositionLesen(const IniDatei& datei, const QString& fenstername) {
    const QString abschnitt = QString::fromLatin1(schluessel::Position);
    return {datei.leseInt(abschnitt, fenstername + QStringLiteral("-left"), schluessel::PositionLinks),
            datei.leseInt(abschnitt, fenstername + QStringLiteral("-top"), schluessel::PositionOben)};
}

} // namespace settings
