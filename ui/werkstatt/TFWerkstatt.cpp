#include "TFWerkstatt.h"

#include "core/grund/Fehler.h"
#include "core/grund/Zahlformat.h"
#include "core/systeme/SystemReihen.h"
#include "core/systeme/TSystemDef.h"
#include "core/werkstatt/Kombinatorik.h"
#include "core/werkstatt/Systembau.h"
#include "core/werkstatt/Tabellenreihen.h"
#include "core/werkstatt/Zahlenliste.h"
#include "ui/umgebung/Umgebung.h"
#include "ui/umgebung/Waechter.h"
#include "ui/werkstatt/Garantietafel.h"
#include "ui/werkstatt/Werkstattnamen.h"

#include <QComboBox>
#include <QFileInfo>
#include <QGridLayout>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QLocale>
#include <QPlainTextEdit>
#include <QProgressBar>
#include <QPushButton>
#include <QSpinBox>
#include <QTimer>
#include <QVBoxLayout>
#include <QtConcurrent/QtConcurrentRun>

#include <algorithm>

namespace ui {
namespace n = werkstattnamen;
namespace {

// Item data of the systems to check: 1..14 the catalogue, Tabelle the grid, from EigeneAb on the
// own systems.
constexpr int Tabelle = 0;
constexpr int EigeneAb = 100;
constexpr int StandTakt = 100; // ms
// How many open cases the result names.
constexpr int GezeigteLoecher = 5;

QString komma(double wert, int stellen) {
    return QLocale(QLocale::German).toString(wert, 'f', stellen);
}

std::vector<int> positionenZahlen(std::uint64_t maske, const std::vector<int>& zahlen) {
    std::vector<int> z;
    for (const int p : core::Kombinatorik::positionen(maske))
        z.push_back(zahlen[std::size_t(p)]);
    return z;
}

QString katalogName(int index) {
    const std::string_view name = core::System(index).Name;
    return QString::fromLatin1(name.data(), qsizetype(name.size()));
}

// The numbers the placeholders 1..anzahl stand for: the typed ones, else 1..anzahl.
std::vector<int> platzhalterZahlen(std::vector<int> getippt, int anzahl, const QString& name) {
    if (getippt.empty())
        for (int k = 1; k <= anzahl; ++k)
            getippt.push_back(k);
    if (int(getippt.size()) != anzahl)
        throw core::Fehler(QStringLiteral("Das System %1 braucht %2 Zahlen, eingegeben sind %3.")
                               .arg(name)
                               .arg(anzahl)
                               .arg(getippt.size()));
    std::sort(getippt.begin(), getippt.end());
    return getippt;
}

QString garantieText(const core::Garantiepruefung::Ergebnis& e) {
    QStringList saetze;
    for (const core::Garantie& g : e.garantien())
        saetze.append(g.satz() + u'.');
    return saetze.isEmpty() ? QStringLiteral("Dieses System garantiert keine 2 Richtigen.")
                            : saetze.join(u'\n');
}

QString loecherText(const core::Garantiepruefung::Ergebnis& e, core::Garantie g,
                    const std::vector<int>& zahlen) {
    QString text = QStringLiteral("Die Garantie %1 hält nicht: %2 von %3 Fällen mit %4 Gewinnzahlen unter "
                                  "Ihren Zahlen sind offen (Abdeckung %5 %).")
                       .arg(g.text(), core::Ganzzahltext(e.loecher), core::Ganzzahltext(e.mengen()))
                       .arg(g.wenn)
                       .arg(komma(e.abdeckung() * 100, 2));
    QStringList beispiele;
    for (std::size_t i = 0; i < e.ersteLoecher.size() && i < GezeigteLoecher; ++i)
        beispiele.append(core::ZahlenlisteText(positionenZahlen(e.ersteLoecher[i], zahlen)));
    if (!beispiele.isEmpty())
        text += QStringLiteral("\nOffen sind zum Beispiel: %1").arg(beispiele.join(QStringLiteral("; ")));
    return text;
}

// The check of a system: every guarantee and the rank table, with the holes of the one asked for.
core::Garantiepruefung::Ergebnis vollPruefen(const TFWerkstatt::Anzeige& a, const std::atomic<bool>* halt,
                                             const std::function<void(double)>& fortschritt) {
    core::Garantiepruefung::Optionen o;
    o.garantie = a.garantie;
    o.ersteLoecher = GezeigteLoecher;
    o.abbruch = halt;
    o.fortschritt = fortschritt;
    return core::Garantiepruefung::pruefen(a.reihen, int(a.zahlen.size()), o);
}

QString unvollstaendig() {
    return QStringLiteral("\nDie Prüfung wurde abgebrochen: die Tabelle ist unvollständig.");
}

} // namespace

TFWerkstatt::TFWerkstatt(Umgebung& umgebung, const QString& systemOrdner, QWidget* parent)
    : QWidget(parent, Qt::Window), umgebung_(umgebung), ordner_(systemOrdner) {
    setObjectName(QString::fromLatin1(n::FWerkstatt));
    setAttribute(Qt::WA_DeleteOnClose);
    setWindowTitle(QStringLiteral("Systemwerkstatt"));
    resize(980, 720);
    bauen();
    verbinden();
    eigeneSystemeLesen();
}

TFWerkstatt::~TFWerkstatt() {
    if (lauf_) {
        abbruch_ = true;
        schliessen_ = true;
        lauf_->disconnect(this);
        lauf_->waitForFinished();
    }
}

void TFWerkstatt::bauen() {
    const auto knopf = [this](const QString& text, const char* name) {
        auto* k = new QPushButton(text, this);
        k->setObjectName(QString::fromLatin1(name));
        k->setAccessibleName(text);
        return k;
    };
    const auto zahlfeld = [this](int von, int bis, int wert, const QString& name, const char* objekt) {
        auto* s = new QSpinBox(this);
        s->setObjectName(QString::fromLatin1(objekt));
        s->setRange(von, bis);
        s->setValue(wert);
        s->setAccessibleName(name);
        return s;
    };
    auto* spalte = new QVBoxLayout(this);

    auto* auftrag = new QGroupBox(QStringLiteral("Ihr System"), this);
    auto* raster = new QGridLayout(auftrag);
    EZahlen = new QLineEdit(auftrag);
    EZahlen->setObjectName(QString::fromLatin1(n::EZahlen));
    EZahlen->setAccessibleName(QStringLiteral("Ihre Zahlen"));
    EZahlen->setPlaceholderText(QStringLiteral("7 bis 45 Zahlen von 1 bis 45, durch Leerzeichen getrennt"));
    BKreuze = knopf(QStringLiteral("Zahlen vom Kreuzbrett"), n::BKreuze);
    EBank = new QLineEdit(auftrag);
    EBank->setObjectName(QString::fromLatin1(n::EBank));
    EBank->setAccessibleName(QStringLiteral("Bankzahlen"));
    EBank->setPlaceholderText(QStringLiteral("Zahlen, die in jeder Reihe stehen (freiwillig)"));
    raster->addWidget(new QLabel(QStringLiteral("Ihre Zahlen:"), auftrag), 0, 0);
    raster->addWidget(EZahlen, 0, 1);
    raster->addWidget(BKreuze, 0, 2);
    raster->addWidget(new QLabel(QStringLiteral("Bankzahlen:"), auftrag), 1, 0);
    raster->addWidget(EBank, 1, 1, 1, 2);

    SRichtige = zahlfeld(2, 5, 3, QStringLiteral("Richtige"), n::SRichtige);
    SWenn = zahlfeld(2, 6, 3, QStringLiteral("Gewinnzahlen unter Ihren Zahlen"), n::SWenn);
    auto* garantie = new QHBoxLayout;
    garantie->addWidget(new QLabel(QStringLiteral("Garantie: mindestens"), auftrag));
    garantie->addWidget(SRichtige);
    garantie->addWidget(new QLabel(QStringLiteral("Richtige, wenn"), auftrag));
    garantie->addWidget(SWenn);
    garantie->addWidget(new QLabel(QStringLiteral("Gewinnzahlen unter Ihren Zahlen sind"), auftrag));
    garantie->addStretch();
    raster->addLayout(garantie, 2, 0, 1, 3);

    SHoechstens = zahlfeld(0, core::EigenesSystem::HoechstensReihen, 0, QStringLiteral("Höchstens Reihen"),
                           n::SHoechstens);
    SHoechstens->setSpecialValueText(QStringLiteral("keine Grenze"));
    SZeit = zahlfeld(1, 3600, 10, QStringLiteral("Zeitgrenze in Sekunden"), n::SZeit);
    SZeit->setSuffix(QStringLiteral(" s"));
    auto* grenzen = new QHBoxLayout;
    grenzen->addWidget(new QLabel(QStringLiteral("Höchstens Reihen:"), auftrag));
    grenzen->addWidget(SHoechstens);
    grenzen->addSpacing(20);
    grenzen->addWidget(new QLabel(QStringLiteral("Zeitgrenze:"), auftrag));
    grenzen->addWidget(SZeit);
    grenzen->addStretch();
    raster->addLayout(grenzen, 3, 0, 1, 3);

    BBauen = knopf(QStringLiteral("System bauen"), n::BBauen);
    BAbbrechen = knopf(QStringLiteral("Abbrechen"), n::BAbbrechen);
    BAbbrechen->setEnabled(false);
    Fortschritt = new QProgressBar(auftrag);
    Fortschritt->setObjectName(QString::fromLatin1(n::Fortschritt));
    Fortschritt->setAccessibleName(QStringLiteral("Fortschritt"));
    Fortschritt->setRange(0, 1);
    Fortschritt->setValue(0);
    Fortschritt->setTextVisible(true);
    Fortschritt->setFormat(QString());
    auto* lauf = new QHBoxLayout;
    lauf->addWidget(BBauen);
    lauf->addWidget(BAbbrechen);
    lauf->addWidget(Fortschritt, 1);
    raster->addLayout(lauf, 4, 0, 1, 3);
    spalte->addWidget(auftrag);

    auto* ergebnis = new QGroupBox(QStringLiteral("Ergebnis"), this);
    auto* ergebnisSpalte = new QVBoxLayout(ergebnis);
    LErgebnis = new QLabel(ergebnis);
    LErgebnis->setObjectName(QString::fromLatin1(n::LErgebnis));
    LErgebnis->setTextFormat(Qt::PlainText);
    LErgebnis->setWordWrap(true);
    LErgebnis->setTextInteractionFlags(Qt::TextSelectableByMouse);
    ergebnisSpalte->addWidget(LErgebnis);
    auto* inhalt = new QHBoxLayout;
    TReihen = new QPlainTextEdit(ergebnis);
    TReihen->setObjectName(QString::fromLatin1(n::TReihen));
    TReihen->setAccessibleName(QStringLiteral("Reihen des Systems"));
    TReihen->setReadOnly(true);
    TReihen->setMaximumWidth(170);
    GGarantie = new Garantietafel(ergebnis);
    GGarantie->setObjectName(QString::fromLatin1(n::GGarantie));
    inhalt->addWidget(TReihen);
    inhalt->addWidget(GGarantie, 1);
    ergebnisSpalte->addLayout(inhalt, 1);
    BUebernehmen = knopf(QStringLiteral("In die Tabelle übernehmen"), n::BUebernehmen);
    BSpeichern = knopf(QStringLiteral("Als eigenes System speichern..."), n::BSpeichern);
    BUebernehmen->setEnabled(false);
    BSpeichern->setEnabled(false);
    auto* uebernahme = new QHBoxLayout;
    uebernahme->addWidget(BUebernehmen);
    uebernahme->addWidget(BSpeichern);
    uebernahme->addStretch();
    ergebnisSpalte->addLayout(uebernahme);
    spalte->addWidget(ergebnis, 1);

    auto* pruefen = new QGroupBox(QStringLiteral("Garantie prüfen"), this);
    auto* pruefSpalte = new QVBoxLayout(pruefen);
    CPruefen = new QComboBox(pruefen);
    CPruefen->setObjectName(QString::fromLatin1(n::CPruefen));
    CPruefen->setAccessibleName(QStringLiteral("Zu prüfendes System"));
    BPruefen = knopf(QStringLiteral("Garantie prüfen"), n::BPruefen);
    auto* wahl = new QHBoxLayout;
    wahl->addWidget(CPruefen, 1);
    wahl->addWidget(BPruefen);
    pruefSpalte->addLayout(wahl);
    pruefSpalte->addWidget(new QLabel(
        QStringLiteral("Eigene Systeme (zum Spielen mit anderen Zahlen: Zahlen eingeben, System wählen):"),
        pruefen));
    LSysteme = new QListWidget(pruefen);
    LSysteme->setObjectName(QString::fromLatin1(n::LSysteme));
    LSysteme->setAccessibleName(QStringLiteral("Eigene Systeme"));
    LSysteme->setMaximumHeight(110);
    pruefSpalte->addWidget(LSysteme);
    spalte->addWidget(pruefen);

    BSchliessen = knopf(QStringLiteral("Schließen"), n::BSchliessen);
    auto* unten = new QHBoxLayout;
    unten->addStretch();
    unten->addWidget(BSchliessen);
    spalte->addLayout(unten);

    standUhr_ = new QTimer(this);
    standUhr_->setInterval(StandTakt);
}

void TFWerkstatt::verbinden() {
    Meldungen& m = umgebung_.meldungen;
    connect(BKreuze, &QPushButton::clicked, this, &TFWerkstatt::kreuzeVerlangt);
    BeiKlick(BBauen, m, [this] { BBauenClick(); });
    connect(BAbbrechen, &QPushButton::clicked, this, [this] { abbruch_ = true; });
    BeiKlick(BPruefen, m, [this] { BPruefenClick(); });
    BeiKlick(BUebernehmen, m, [this] { BUebernehmenClick(); });
    BeiKlick(BSpeichern, m, [this] { BSpeichernClick(); });
    Geschuetzt(LSysteme, &QListWidget::itemActivated, this, m,
               [this](QListWidgetItem* item) { eigenesSystemGewaehlt(LSysteme->row(item)); });
    connect(BSchliessen, &QPushButton::clicked, this, &QWidget::close);
    connect(standUhr_, &QTimer::timeout, this, &TFWerkstatt::standZeigen);
}

void TFWerkstatt::zahlenSetzen(const core::Zahlenmenge& kreuze) {
    std::vector<int> zahlen;
    for (int z = 1; z <= 45; ++z)
        if (kreuze.enthaelt(z))
            zahlen.push_back(z);
    EZahlen->setText(core::ZahlenlisteText(zahlen));
}

bool TFWerkstatt::laeuft() const {
    return lauf_ != nullptr;
}

std::vector<int> TFWerkstatt::getippteZahlen() const {
    return core::ZahlenlisteLesen(EZahlen->text());
}

core::Bauauftrag TFWerkstatt::auftrag() const {
    core::Bauauftrag a;
    a.zahlen = getippteZahlen();
    a.bank = core::ZahlenlisteLesen(EBank->text());
    a.garantie = {SRichtige->value(), SWenn->value()};
    a.hoechstens = SHoechstens->value();
    a.sekunden = SZeit->value();
    a.saat = umgebung_.uhr.zufallsSeed();
    return a;
}

void TFWerkstatt::BBauenClick() {
    if (laeuft())
        return;
    const core::Bauauftrag a = auftrag();
    core::Systembau::pruefen(a); // a refused order does no work and changes nothing
    starten([this, a] {
        const auto fortschritt = [this](const core::Baustand& s) {
            const QMutexLocker sperre(&standSperre_);
            stand_ = {s.reihen, s.loecher, s.sekunden, -1};
        };
        const core::Bauergebnis b = core::Systembau::bauen(a, fortschritt, &abbruch_);
        Anzeige z;
        z.name = QStringLiteral("%1 Zahlen, %2").arg(b.zahlen.size()).arg(b.garantie.text());
        z.zahlen = b.zahlen;
        z.bank = b.bank;
        z.garantie = b.garantie;
        z.reihen = b.reihen;
        z.pruefung = vollPruefen(z, &schliessen_, {});
        const core::Massstab& m = b.massstab;
        z.text = QStringLiteral("%1 Reihen über %2 Zahlen")
                     .arg(core::Ganzzahltext(qsizetype(b.reihen.size())))
                     .arg(b.zahlen.size());
        if (!b.bank.empty())
            z.text += QStringLiteral(", Bankzahlen %1").arg(core::ZahlenlisteText(b.bank));
        z.text +=
            QStringLiteral(".\n%1; untere Schranke: %2 Reihen.\n")
                .arg(m.text(),
                     core::Ganzzahltext(std::max<std::int64_t>(m.untereSchranke.value_or(0), m.schranke)));
        z.text += b.garantiert() ? b.garantie.satz() + QStringLiteral(" – vollständig geprüft.")
                                 : loecherText(z.pruefung, b.garantie, b.zahlen);
        if (b.abgebrochen)
            z.text += QStringLiteral("\nAbgebrochen nach %1 s: gezeigt ist das beste System bis dahin.")
                          .arg(komma(b.sekunden, 1));
        else
            z.text += QStringLiteral("\nGebaut in %1 s.").arg(komma(b.sekunden, 1));
        if (!z.pruefung.vollstaendig)
            z.text += unvollstaendig();
        return z;
    });
}

void TFWerkstatt::BPruefenClick() {
    if (laeuft())
        return;
    const int wahl = CPruefen->currentData().toInt();
    if (wahl == Tabelle) {
        emit tabellenreihenVerlangt();
        return;
    }
    Anzeige a;
    if (wahl >= EigeneAb) {
        const core::EigenesSystem& s = eigene_.at(std::size_t(wahl - EigeneAb));
        a.name = s.name;
        a.zahlen = platzhalterZahlen(getippteZahlen(), s.zahlen, s.name);
        a.garantie = s.garantie;
        a.reihen = s.reihen;
    } else {
        a.name = katalogName(wahl);
        const core::TSystemDef& def = core::System(wahl);
        a.zahlen = platzhalterZahlen(getippteZahlen(), def.Anzahl, a.name);
        std::vector<core::SystemReihe> reihen;
        core::SystemReihenErzeugen(wahl, def.Reihen, reihen);
        for (const core::SystemReihe& r : reihen) {
            std::uint64_t maske = 0;
            for (const int k : r)
                maske |= std::uint64_t{1} << (k - 1);
            a.reihen.push_back(maske);
        }
    }
    pruefungStarten(std::move(a));
}

void TFWerkstatt::tabellenreihePruefen(const core::Zeilentabelle& tabelle) {
    if (laeuft())
        return;
    const core::Tabellenreihen t = core::Tabellenreihen::aus(tabelle, getippteZahlen());
    Anzeige a;
    a.name = QStringLiteral("Reihen in der Tabelle");
    a.zahlen = t.zahlen;
    a.reihen = t.reihen;
    pruefungStarten(std::move(a));
}

void TFWerkstatt::pruefungStarten(Anzeige a) {
    starten([this, a = std::move(a)]() mutable {
        a.pruefung = vollPruefen(a, &abbruch_, [this](double anteil) {
            const QMutexLocker sperre(&standSperre_);
            stand_.anteil = anteil;
        });
        a.text = QStringLiteral("%1: %2 Reihen über %3 Zahlen (%4).\n")
                     .arg(a.name, core::Ganzzahltext(qsizetype(a.reihen.size())))
                     .arg(a.zahlen.size())
                     .arg(core::ZahlenlisteText(a.zahlen)) +
                 garantieText(a.pruefung);
        if (a.garantie && !a.pruefung.haelt(*a.garantie))
            a.text += u'\n' + loecherText(a.pruefung, *a.garantie, a.zahlen);
        if (!a.pruefung.vollstaendig)
            a.text += unvollstaendig();
        return a;
    });
}

void TFWerkstatt::starten(const std::function<Anzeige()>& arbeit) {
    abbruch_ = false;
    {
        const QMutexLocker sperre(&standSperre_);
        stand_ = {};
        stand_.anteil = -1;
    }
    lauf_ = new QFutureWatcher<Anzeige>(this);
    connect(lauf_, &QFutureWatcherBase::finished, this, [this] {
        QFutureWatcher<Anzeige>* lauf = lauf_;
        lauf_ = nullptr;
        lauf->deleteLater();
        standUhr_->stop();
        BBauen->setEnabled(true);
        BPruefen->setEnabled(true);
        BAbbrechen->setEnabled(false);
        Fortschritt->setRange(0, 1);
        Fortschritt->setValue(1);
        Fortschritt->setFormat(QString());
        Schuetzen(umgebung_.meldungen, [&] {
            QFuture<Anzeige> f = lauf->future();
            f.waitForFinished(); // rethrows what the work threw
            zeigen(f.result());
        });
        emit fertig();
    });
    BBauen->setEnabled(false);
    BPruefen->setEnabled(false);
    BAbbrechen->setEnabled(true);
    Fortschritt->setRange(0, 0);
    standUhr_->start();
    lauf_->setFuture(QtConcurrent::run(arbeit));
}

void TFWerkstatt::standZeigen() {
    Stand s;
    {
        const QMutexLocker sperre(&standSperre_);
        s = stand_;
    }
    if (s.anteil >= 0) {
        Fortschritt->setRange(0, 1000);
        Fortschritt->setValue(int(s.anteil * 1000));
        Fortschritt->setFormat(QStringLiteral("Prüfung: %1 %").arg(komma(s.anteil * 100, 0)));
    } else if (s.reihen > 0) {
        Fortschritt->setFormat(QStringLiteral("Bestes System bisher: %1 Reihen (%2 s)")
                                   .arg(core::Ganzzahltext(s.reihen), komma(s.sekunden, 1)));
    } else {
        Fortschritt->setFormat(QStringLiteral("Suche läuft (%1 s)").arg(komma(s.sekunden, 1)));
    }
}

void TFWerkstatt::zeigen(const Anzeige& a) {
    anzeige_ = a;
    LErgebnis->setText(a.text);
    QString reihen;
    for (const std::uint64_t r : a.reihen)
        reihen += core::ZahlenlisteText(positionenZahlen(r, a.zahlen)) + u'\n';
    TReihen->setPlainText(reihen);
    GGarantie->zeigen(a.pruefung);
    BUebernehmen->setEnabled(!a.reihen.empty());
    BSpeichern->setEnabled(!a.reihen.empty() && a.pruefung.vollstaendig);
}

void TFWerkstatt::BUebernehmenClick() {
    std::vector<std::array<int, 6>> reihen;
    for (const std::uint64_t r : anzeige_.reihen) {
        const std::vector<int> z = positionenZahlen(r, anzeige_.zahlen);
        if (z.size() != 6)
            throw core::Fehler(QStringLiteral("Nur Reihen aus sechs Zahlen passen in die Tabelle."));
        reihen.push_back({z[0], z[1], z[2], z[3], z[4], z[5]});
    }
    emit reihenUebernehmen(reihen);
}

void TFWerkstatt::BSpeichernClick() {
    const Anzeige& a = anzeige_;
    // The file claims one guarantee, proved again whenever it is read: the one asked for when it
    // holds, else the strongest the rows keep.
    std::optional<core::Garantie> garantie;
    if (a.garantie && a.pruefung.haelt(*a.garantie))
        garantie = a.garantie;
    else if (const std::vector<core::Garantie> g = a.pruefung.garantien(); !g.empty())
        garantie = g.back();
    if (!garantie)
        throw core::Fehler(QStringLiteral("Dieses System garantiert keine 2 Richtigen und kann nicht als "
                                          "eigenes System gespeichert werden."));
    ordner_.anlegen();
    const std::optional<GewaehlteDatei> datei = umgebung_.dialoge.speichern(
        {QStringLiteral("Als eigenes System speichern"), QStringLiteral("Eigene Systeme|*.txt"),
         QString::fromLatin1(Systemordner::Endung), ordner_.pfad(),
         QStringLiteral("%1 Zahlen %2.txt").arg(a.zahlen.size()).arg(garantie->text()), true});
    if (!datei)
        return;
    core::EigenesSystem s;
    s.name = QFileInfo(datei->pfad).completeBaseName().left(core::EigenesSystem::NamenLaenge).trimmed();
    if (s.name.isEmpty())
        s.name = QStringLiteral("Eigenes System");
    s.zahlen = int(a.zahlen.size());
    for (const int b : a.bank)
        s.bank.push_back(int(std::find(a.zahlen.begin(), a.zahlen.end(), b) - a.zahlen.begin()) + 1);
    s.garantie = *garantie;
    s.reihen = a.reihen;
    s.speichern(datei->pfad);
    eigeneSystemeLesen();
}

void TFWerkstatt::eigeneSystemeLesen() {
    eigene_.clear();
    LSysteme->clear();
    const int gewaehlt = CPruefen->currentIndex();
    CPruefen->clear();
    for (int i = core::ErstesVollsystem; i <= core::LetztesTeilsystem; ++i)
        CPruefen->addItem(QStringLiteral("System %1").arg(katalogName(i)), i);
    CPruefen->addItem(QStringLiteral("Reihen in der Tabelle"), Tabelle);
    for (const Systemordner::Eintrag& e : ordner_.auflisten()) {
        auto* item = new QListWidgetItem(LSysteme);
        if (!e.system) {
            item->setText(
                QStringLiteral("%1 – nicht lesbar: %2").arg(e.datei, QString(e.grund).replace(u'\n', u' ')));
            item->setData(Qt::UserRole, -1);
            continue;
        }
        const core::EigenesSystem& s = *e.system;
        item->setText(QStringLiteral("%1 – %2 Zahlen, %3, %4 Reihen (%5)")
                          .arg(s.name)
                          .arg(s.zahlen)
                          .arg(s.garantie.text(), core::Ganzzahltext(qsizetype(s.reihen.size())), e.datei));
        item->setData(Qt::UserRole, EigeneAb + int(eigene_.size()));
        CPruefen->addItem(QStringLiteral("Eigenes System: %1").arg(s.name), EigeneAb + int(eigene_.size()));
        eigene_.push_back(s);
    }
    CPruefen->setCurrentIndex(std::max(0, std::min(gewaehlt, CPruefen->count() - 1)));
}

void TFWerkstatt::eigenesSystemGewaehlt(int zeile) {
    const int wahl = LSysteme->item(zeile)->data(Qt::UserRole).toInt();
    if (wahl < EigeneAb)
        return;
    CPruefen->setCurrentIndex(CPruefen->findData(wahl));
    BPruefenClick();
}

} // namespace ui
