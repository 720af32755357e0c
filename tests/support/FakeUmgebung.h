#pragma once

#include "FakeNetz.h"
#include "ui/umgebung/Umgebung.h"

#include <QDate>
#include <QStringList>

#include <deque>
#include <optional>
#include <vector>

namespace testhilfe {

// Records every message, dialog and shell call. Dialog answers and confirmation answers are
// scripted in advance; a call that was not scripted fails the running test. Strict: a message the
// test did not take (nurMeldung, nimmMeldungen) and a scripted answer left unused fail the test
// when the fake is destroyed or checked with pruefen().
class FakeUmgebung : public ui::Meldungen,
                     public ui::DateiDialoge,
                     public ui::Shell,
                     public ui::Uhr,
                     public ui::Drucker {
public:
    enum class Art { Information, Warnung, Fehler, Frage };
    struct Meldung {
        Art art;
        QString text;
        Ort ort = Ort::Fenster;
    };

    FakeUmgebung() : umgebung{*this, *this, *this, *this, netz, *this} {}
    ~FakeUmgebung() override { pruefen(); }
    FakeUmgebung(const FakeUmgebung&) = delete;
    FakeUmgebung& operator=(const FakeUmgebung&) = delete;
    ui::Umgebung& get() { return umgebung; }

    // Scripts
    void antworteFrage(bool ja) { fragen_.push_back(ja); }
    // nullopt stands for a cancelled dialog
    void antworteOeffnen(std::optional<QString> pfad) {
        oeffnen_.push_back({pfad.has_value(), pfad.value_or(QString())});
    }
    // an empty list stands for a cancelled dialog
    void antworteMehrereOeffnen(const QStringList& pfade) { mehrereOeffnen_.push_back(pfade); }
    void antworteSpeichern(std::optional<ui::GewaehlteDatei> datei) {
        speichern_.push_back({datei.has_value(), datei.value_or(ui::GewaehlteDatei{})});
    }
    void antworteSpeichern(const QString& pfad, int filterIndex = 1) {
        antworteSpeichern(ui::GewaehlteDatei{pfad, filterIndex});
    }
    // The print preview's pages go into this PDF file, as a PDF printer would print them.
    void antworteVorschau(const QString& pdfPfad) { vorschauen_.push_back(pdfPfad); }

    // Records
    std::vector<Meldung> meldungen;
    std::vector<ui::DialogAuftrag> oeffnenAuftraege;
    std::vector<ui::DialogAuftrag> speichernAuftraege;
    QStringList vorschauTitel;
    QStringList geoeffneteAdressen;
    bool ohneBrowser = false;
    QStringList gestarteteProgramme;
    int beendet = 0;
    QDate datum{2024, 1, 24};
    std::uint32_t seed = 12345;
    FakeNetz netz;

    // True when exactly this one message was shown; it is then taken.
    bool nurMeldung(Art art, const QString& text);
    // Every message shown so far, taken.
    std::vector<Meldung> nimmMeldungen();
    QString meldungstexte() const;
    void zuruecksetzen();
    // Fails the running test when a message was not taken or a scripted answer not used; then
    // starts afresh. Runs when the fake is destroyed; a fake that outlives one test function is
    // checked in its test's cleanup().
    void pruefen();
    // What pruefen() would report, empty when everything was taken and used.
    QString unverbraucht() const;

    void information(const QString& text) override { melde(Art::Information, text); }
    void warnung(const QString& text) override { melde(Art::Warnung, text); }
    using ui::Meldungen::fehler;
    void fehler(const QString& text, Ort ort) override { meldungen.push_back({Art::Fehler, text, ort}); }
    bool frage(const QString& text) override;
    std::optional<QString> oeffnen(const ui::DialogAuftrag& auftrag) override;
    QStringList mehrereOeffnen(const ui::DialogAuftrag& auftrag) override;
    std::optional<ui::GewaehlteDatei> speichern(const ui::DialogAuftrag& auftrag) override;
    // False, as without a browser, while ohneBrowser is set.
    bool oeffnen(const QString& adresse) override {
        geoeffneteAdressen.append(adresse);
        return !ohneBrowser;
    }
    bool programmStarten(const QString& programm, bool) override {
        gestarteteProgramme.append(programm);
        return true;
    }
    void sofortBeenden() override { ++beendet; }
    QDate heute() override { return datum; }
    void vorschau(const QString& titel, const std::function<void(QPrinter&)>& malen) override;
    std::uint32_t zufallsSeed() override { return seed; }

private:
    void melde(Art art, const QString& text);
    void unerwartet(const QString& was);

    ui::Umgebung umgebung;
    std::deque<bool> fragen_;
    template <typename T> struct Antwort {
        bool gewaehlt;
        T wert;
    };
    std::deque<Antwort<QString>> oeffnen_;
    std::deque<QStringList> mehrereOeffnen_;
    std::deque<Antwort<ui::GewaehlteDatei>> speichern_;
    std::deque<QString> vorschauen_;
};

} // namespace testhilfe
