#pragma once

#include "net/Adressen.h"
#include "net/CurlNetz.h"
#include "ui/internet/Uebertragungsbegleitung.h"
#include "ui/umgebung/Umgebung.h"

#include <QWidget>

namespace ui {

// The real message boxes, file dialogs, shell and clock.
class QtMeldungen : public Meldungen {
public:
    void information(const QString& text) override;
    void warnung(const QString& text) override;
    using Meldungen::fehler;
    void fehler(const QString& text, Ort ort) override;
    bool frage(const QString& text) override;
};

class QtDateiDialoge : public DateiDialoge {
public:
    std::optional<QString> oeffnen(const DialogAuftrag& auftrag) override;
    QStringList mehrereOeffnen(const DialogAuftrag& auftrag) override;
    std::optional<GewaehlteDatei> speichern(const DialogAuftrag& auftrag) override;
    // "Name|*.a;*.b|..." -> "Name (*.a *.b);;..."
    static QString qtFilter(const QString& filter);
};

class QtShell : public Shell {
public:
    bool oeffnen(const QString& adresse) override;
    bool programmStarten(const QString& programm, bool versteckt) override;
    void sofortBeenden() override;
};

class QtDrucker : public Drucker {
public:
    void vorschau(const QString& titel, const std::function<void(QPrinter&)>& malen) override;
};

class QtUhr : public Uhr {
public:
    QDate heute() override;
    std::uint32_t zufallsSeed() override;
};

// Owns one of each for the program.
class QtUmgebung {
public:
    QtUmgebung()
        : netz_(probeFile(), net::Grenzen{}, net::Adressen::CaDatei()), umgebung{meldungen_, dialoge_,
                                                                                 shell_,     uhr_,
                                                                                 netz_,      drucker_} {
        netz_.begleitenMit(&begleitung_);
    }
    Umgebung& get() { return umgebung; }

private:
    QtMeldungen meldungen_;
    QtDateiDialoge dialoge_;
    QtShell shell_;
    QtUhr uhr_;
    QtDrucker drucker_;
    // The probe file of the program's folders (fixed at start), the site's CA from REMISATOR_CA.
    static QString probeFile();
    Uebertragungsbegleitung begleitung_;
    net::CurlNetz netz_;
    Umgebung umgebung;
};

} // namespace ui
