#pragma once

#include <QString>

// Every address the program opens or fetches. The project has no site of its own yet: the
// publisher's site stays under the reserved .example domain until it has one.
namespace net::Adressen {

inline constexpr char StandardSeite[] = "https://remisator.example";
inline constexpr char Spielplaene[] = "/downloads/spielplaene/";
inline constexpr char WachStand[] = "/downloads/wach45.txt";
inline constexpr char VerInfos[] = "/downloads/verinfos.rmst";
// The installer: a program Windows starts, elsewhere a file a shell can run.
#ifdef Q_OS_WIN
inline constexpr char Update[] = "/downloads/rmstupdate.exe";
#else
inline constexpr char Update[] = "/downloads/rmstupdate.run";
#endif
inline constexpr char PlusSeite[] = "/remisator-plus/";

// PayPal's donation page and the publisher's donation button (none yet: a placeholder).
inline constexpr char SpendenSeite[] = "https://www.paypal.com/donate/";
inline constexpr char SpendenKnopf[] = "REMISATOR-SPENDE";
// The introduction video (none yet).
inline constexpr char Video[] = "https://video.example/remisator";

// The publisher's site: REMISATOR_SEITE when set, else StandardSeite; no trailing "/".
QString Seite();
// Seite() + pfad
QString AufSeite(const char* pfad);
// REMISATOR_CA: a PEM file of the certificates that verify the site in place of the system's.
QString CaDatei();
QString Spende();
// The host of the publisher's site, as the messages name it.
QString Domain();

} // namespace net::Adressen
