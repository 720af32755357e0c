#include "Uebertragung.h"

#include "Abbruch.h"

#include <QElapsedTimer>
#include <QFile>

#include <curl/curl.h>

#include <memory>
#include <mutex>
#include <optional>

namespace net {
namespace {

struct Empfang {
    Empfaenger* empfaenger = nullptr;
    qint64 empfangen = 0;
    qint64 angekuendigt = 0;
    qint64 hoechst = 0;
    bool zuGross = false;
    bool abgelehnt = false; // the receiver stopped the transfer
    // Stall: libcurl's own low-speed check averages over several seconds, so a burst followed by
    // silence would run on; this one counts from the last byte.
    qint64 stockenMs = 0;
    QElapsedTimer seitLetztemByte;
    curl_off_t bisher = 0;
    bool gestockt = false;
};

int fortschritt(void* ziel, curl_off_t gesamt, curl_off_t jetzt, curl_off_t, curl_off_t) {
    auto* e = static_cast<Empfang*>(ziel);
    if (jetzt != e->bisher) {
        e->bisher = jetzt;
        e->seitLetztemByte.restart();
    } else if (e->seitLetztemByte.elapsed() > e->stockenMs) {
        e->gestockt = true;
        return 1;
    }
    e->angekuendigt = qint64(gesamt);
    if (!e->empfaenger->fortschritt(qint64(jetzt), qint64(gesamt))) {
        e->abgelehnt = true;
        return 1;
    }
    return 0;
}

size_t empfangen(char* daten, size_t, size_t anzahl, void* ziel) {
    auto* e = static_cast<Empfang*>(ziel);
    if (e->empfangen + qint64(anzahl) > e->hoechst) {
        e->zuGross = true;
        return 0;
    }
    if (!e->empfaenger->schreiben(daten, qint64(anzahl))) {
        e->abgelehnt = true;
        return 0;
    }
    e->empfangen += qint64(anzahl);
    return anzahl;
}

// The answer kept in memory.
class Speicher : public Empfaenger {
public:
    QByteArray inhalt;
    bool schreiben(const char* daten, qint64 anzahl) override {
        inhalt.append(daten, qsizetype(anzahl));
        return true;
    }
    bool fortschritt(qint64, qint64) override { return true; }
};

QString grundText(CURLcode code, long status, const Empfang& e, const QString& caDatei) {
    if (e.zuGross)
        return QStringLiteral("Die Datei ist größer als %1 Bytes.").arg(e.hoechst);
    if (e.gestockt)
        return QStringLiteral("Der Server hat zu lange nichts geschickt.");
    if (e.abgelehnt)
        return QStringLiteral("Die Übertragung wurde abgebrochen.");
    switch (code) {
    case CURLE_HTTP_RETURNED_ERROR:
        return QStringLiteral("Der Server antwortet mit dem Status %1.").arg(status);
    case CURLE_UNSUPPORTED_PROTOCOL:
        return QStringLiteral("Die Adresse oder eine Weiterleitung ist keine HTTPS-Adresse.");
    case CURLE_TOO_MANY_REDIRECTS:
        return QStringLiteral("Zu viele Weiterleitungen.");
    case CURLE_COULDNT_RESOLVE_HOST:
        return QStringLiteral("Der Name des Servers ist unbekannt.");
    case CURLE_COULDNT_CONNECT:
        return QStringLiteral("Keine Verbindung zum Server.");
    case CURLE_OPERATION_TIMEDOUT:
        return QStringLiteral("Der Server hat zu lange nichts geschickt.");
    case CURLE_PEER_FAILED_VERIFICATION:
        return QStringLiteral("Das Zertifikat des Servers ist nicht vertrauenswürdig.");
    case CURLE_SSL_CACERT_BADFILE:
        return QStringLiteral("Die Zertifikatsdatei \"%1\" kann nicht gelesen werden.").arg(caDatei);
    case CURLE_PARTIAL_FILE:
    case CURLE_RECV_ERROR:
    case CURLE_GOT_NOTHING:
        return QStringLiteral("Die Übertragung ist abgebrochen.");
    default:
        return QStringLiteral("Die Übertragung ist gescheitert: %1.")
            .arg(QString::fromUtf8(curl_easy_strerror(code)));
    }
}

// curl_easy_perform, but on a multi handle whose wait an Abbruch can wake: the stop ends the
// transfer at once instead of at libcurl's next look at the progress, up to a second later.
// nullopt when it was stopped.
std::optional<CURLcode> ausfuehren(CURL* c, Abbruch* abbruch) {
    const std::unique_ptr<CURLM, decltype(&curl_multi_cleanup)> m(curl_multi_init(), &curl_multi_cleanup);
    if (!m || curl_multi_add_handle(m.get(), c) != CURLM_OK)
        return CURLE_OUT_OF_MEMORY;
    if (abbruch)
        abbruch->warteAnmelden(m.get());
    std::optional<CURLcode> code;
    for (int laufend = 1; !(abbruch && abbruch->ausgeloest());) {
        if (curl_multi_perform(m.get(), &laufend) != CURLM_OK) {
            code = CURLE_RECV_ERROR;
            break;
        }
        if (!laufend) {
            code = CURLE_GOT_NOTHING;
            int rest = 0;
            while (const CURLMsg* nachricht = curl_multi_info_read(m.get(), &rest))
                if (nachricht->msg == CURLMSG_DONE)
                    code = nachricht->data.result;
            break;
        }
        curl_multi_poll(m.get(), nullptr, 0, 1000, nullptr);
    }
    if (abbruch)
        abbruch->warteAbmelden();
    curl_multi_remove_handle(m.get(), c);
    return code;
}

} // namespace

Antwort Uebertragung::holen(const QString& url, const Grenzen& grenzen, const QString& caDatei) {
    Speicher speicher;
    Antwort antwort = holen(url, grenzen, caDatei, speicher);
    if (antwort.vollstaendig)
        antwort.inhalt = std::move(speicher.inhalt);
    return antwort;
}

Antwort Uebertragung::holen(const QString& url, const Grenzen& grenzen, const QString& caDatei,
                            Empfaenger& empfaenger, Abbruch* abbruch) {
    static std::once_flag einmal;
    std::call_once(einmal, [] { curl_global_init(CURL_GLOBAL_DEFAULT); });

    const std::unique_ptr<CURL, decltype(&curl_easy_cleanup)> h(curl_easy_init(), &curl_easy_cleanup);
    Antwort antwort;
    if (!h) {
        antwort.grund = QStringLiteral("Zu wenig Arbeitsspeicher.");
        return antwort;
    }
    const QByteArray adresse = url.toUtf8();
    const QByteArray ca = QFile::encodeName(caDatei);
    curl_slist* kopf = curl_slist_append(nullptr, "Cache-Control: no-cache");
    kopf = curl_slist_append(kopf, "Pragma: no-cache");
    const std::unique_ptr<curl_slist, decltype(&curl_slist_free_all)> kopfzeilen(kopf, &curl_slist_free_all);
    Empfang empfang;
    empfang.empfaenger = &empfaenger;
    empfang.hoechst = grenzen.hoechstBytes;

    CURL* c = h.get();
    curl_easy_setopt(c, CURLOPT_URL, adresse.constData());
    curl_easy_setopt(c, CURLOPT_USERAGENT, "Remisator");
    curl_easy_setopt(c, CURLOPT_HTTPHEADER, kopfzeilen.get());
    curl_easy_setopt(c, CURLOPT_PROTOCOLS_STR, "https");
    curl_easy_setopt(c, CURLOPT_REDIR_PROTOCOLS_STR, "https");
    curl_easy_setopt(c, CURLOPT_FOLLOWLOCATION, 1L);
    curl_easy_setopt(c, CURLOPT_MAXREDIRS, 5L);
    curl_easy_setopt(c, CURLOPT_SSL_VERIFYPEER, 1L);
    curl_easy_setopt(c, CURLOPT_SSL_VERIFYHOST, 2L);
    if (!caDatei.isEmpty()) {
        curl_easy_setopt(c, CURLOPT_CAINFO, ca.constData());
        curl_easy_setopt(c, CURLOPT_CAPATH, nullptr);
    }
    curl_easy_setopt(c, CURLOPT_FAILONERROR, 1L);
    curl_easy_setopt(c, CURLOPT_NOSIGNAL, 1L);
    curl_easy_setopt(c, CURLOPT_CONNECTTIMEOUT_MS, long(grenzen.verbindenMs));
    empfang.stockenMs = qint64(grenzen.stockenS) * 1000;
    empfang.seitLetztemByte.start();
    curl_easy_setopt(c, CURLOPT_NOPROGRESS, 0L);
    curl_easy_setopt(c, CURLOPT_XFERINFOFUNCTION, &fortschritt);
    curl_easy_setopt(c, CURLOPT_XFERINFODATA, &empfang);
    curl_easy_setopt(c, CURLOPT_TIMEOUT, long(grenzen.gesamtS));
    curl_easy_setopt(c, CURLOPT_MAXFILESIZE_LARGE, curl_off_t(grenzen.hoechstBytes));
    curl_easy_setopt(c, CURLOPT_WRITEFUNCTION, &empfangen);
    curl_easy_setopt(c, CURLOPT_WRITEDATA, &empfang);

    const std::optional<CURLcode> beendet = ausfuehren(c, abbruch);
    antwort.bytes = empfang.empfangen;
    if (!beendet) {
        antwort.abgebrochen = true;
        antwort.grund = QStringLiteral("Die Übertragung wurde abgebrochen.");
        return antwort;
    }
    const CURLcode code = *beendet;
    long status = 0;
    curl_easy_getinfo(c, CURLINFO_RESPONSE_CODE, &status);
    if (code == CURLE_FILESIZE_EXCEEDED)
        empfang.zuGross = true;
    if (code != CURLE_OK) {
        antwort.grund = grundText(code, status, empfang, caDatei);
    } else if (status < 200 || status > 299) {
        antwort.grund = QStringLiteral("Der Server antwortet mit dem Status %1.").arg(status);
    } else {
        antwort.vollstaendig = true;
        empfaenger.fortschritt(empfang.empfangen, qMax(empfang.angekuendigt, qint64(0)));
    }
    return antwort;
}

} // namespace net
