#include "TFsptag.h"

#include "core/grund/Konstanten.h"
#include "core/spieltag/Spieltagsdaten.h"
#include "net/Abgebrochen.h"
#include "net/SpieltagHolen.h"
#include "net/WachStand.h"
#include "settings/Ordner.h"
#include "ui/bausteine/Bausteine.h"
#include "ui/bausteine/Ikonen.h"
#include "ui/bausteine/Mittig.h"
#include "ui/bausteine/Namen.h"
#include "ui/bausteine/UmbruchHaken.h"
#include "ui/umgebung/Umgebung.h"
#include "ui/umgebung/Waechter.h"
#include "ui/umgebung/Wartezeiger.h"

#include <QComboBox>
#include <QLabel>
#include <QTimer>
#include <QToolButton>

namespace ui {
namespace {

// A running timer keeps its phase: a second fetch does not lengthen the blinking.
void einschalten(QTimer* t) {
    if (!t->isActive())
        t->start();
}

QTimer* zeitgeber(QObject* eltern, const char* name, int ms) {
    auto* t = new QTimer(eltern);
    t->setObjectName(QString::fromLatin1(name));
    t->setInterval(ms);
    return t;
}

} // namespace

TFsptag::TFsptag(Umgebung& umgebung, const settings::Ordner& ordner, QWidget* hauptfenster)
    : QWidget(hauptfenster, Qt::Dialog | Qt::WindowTitleHint | Qt::WindowCloseButtonHint |
                                Qt::MSWindowsFixedSizeDialogHint),
      umgebung_(umgebung), ordner_(ordner) {
    setObjectName(QString::fromLatin1(namen::TFsptag));
    setAttribute(Qt::WA_StyledBackground);
    setWindowTitle(core::ProgrammName);
    setFixedSize(260, 210);

    QLabel* titel = Bausteine::text(this, QStringLiteral("Datenservice - ohne Verpflichtung, ohne Gewähr"),
                                    QRect(6, 6, 248, 16), namen::Label18);
    // DejaVu Sans runs wider than Tahoma: one pixel less keeps the line in the window.
    titel->setFont(Bausteine::schrift(QStringLiteral("Tahoma"), 9, true));
    cbSofort =
        new UmbruchHaken(QStringLiteral("Heruntergeladenen Spieltag für die Auswertung einlesen"), this);
    cbSofort->setObjectName(QString::fromLatin1(namen::SptagSofort));
    cbSofort->setGeometry(6, 26, 248, 32);
    cbSofort->setFont(Bausteine::schrift(QStringLiteral("Tahoma"), 10, true));
    cbSofort->setChecked(true);

    bsSkinSpeedButton2 = Bausteine::knopf(this, namen::Abrufen, QStringLiteral("Spieltag abrufen"),
                                          QStringLiteral("wolke"), QRect(8, 78, 89, 38));
    Image1 = Bausteine::text(this, QString(), QRect(104, 89, 16, 16), namen::Image1);
    Image1->setAlignment(Qt::AlignCenter);
    Image1->setAccessibleName(QStringLiteral("Lampe"));
    QLabel* ueberschrift =
        Bausteine::text(this, QStringLiteral("Spieltag (1. Tag)"), QRect(143, 66, 109, 16), namen::Label22);
    ueberschrift->setFont(Bausteine::schrift(QStringLiteral("Arial"), 12, true));
    ComboDate2 = new QComboBox(this);
    ComboDate2->setObjectName(QString::fromLatin1(namen::ComboDate2));
    ComboDate2->setGeometry(143, 84, 109, 24);
    ComboDate2->setFont(Bausteine::schrift(QStringLiteral("Arial"), 12, true));
    ComboDate2->setAccessibleName(ueberschrift->text());
    ueberschrift->setBuddy(ComboDate2);

    QLabel* hinweis = Bausteine::text(
        this,
        QStringLiteral("Heruntergeladene Spieltage werden automa- tisch im Spieltag-Ordner gespeichert"),
        QRect(8, 122, 244, 34), namen::SptagHinweis);
    hinweis->setWordWrap(true);
    hinweis->setFont(Bausteine::schrift(QStringLiteral("Calibri"), 12, true));
    hinweis->setStyleSheet(QStringLiteral("color: #008000;"));

    QFrame* leiste = Bausteine::panel(this, "PUnten", QRect(0, 164, 260, 46), "leiste");
    bsSkinSpeedButton3 = Bausteine::knopf(leiste, namen::SptagSchliessen, QStringLiteral("Schließen"),
                                          QStringLiteral("tuer"), QRect(161, 4, 95, 38));

    const char* lampenbilder[] = {"lampe_grau", "lampe_gruen", "lampe_rot"};
    for (size_t i = 0; i < lampen_.size(); ++i)
        lampen_[i] = Ikonen::bild(QString::fromLatin1(lampenbilder[i]), QSize(12, 12));
    Timer2 = zeitgeber(this, namen::Timer2, 300);
    Timer3 = zeitgeber(this, namen::Timer3, 5000);
    connect(Timer2, &QTimer::timeout, this, &TFsptag::Timer2Timer);
    connect(Timer3, &QTimer::timeout, this, &TFsptag::Timer3Timer);
    BeiKlick(bsSkinSpeedButton2, umgebung_.meldungen, [this] { bsSkinSpeedButton2Click(); });
    connect(bsSkinSpeedButton3, &QToolButton::clicked, this, &QWidget::close);

    FormCreate();
    Timer3->start();
    if (hauptfenster)
        move(Mittig(this, hauptfenster));
}

void TFsptag::FormCreate() {
    ComboDate2->addItems(core::SpieltagsDaten(umgebung_.uhr.heute()));
    ComboDate2->setCurrentIndex(ComboDate2->count() - 1);
    lampeSetzen(Grau);
}

void TFsptag::bsSkinSpeedButton2Click() {
    net::GeholterSpieltag geholt;
    {
        const Wartezeiger warten;
        try {
            // A target that cannot be written ends here with "E/A-Fehler <n>", the file and the
            // reason: no lamp, counter or reading.
            geholt = net::SpieltagHolen(umgebung_.netz, ComboDate2->currentText(), ordner_.MatchdayDir);
        } catch (const net::Abgebrochen&) {
            // A failed fetch, whose message says that it was stopped; the counter is not fetched.
            blinken(Rot);
            throw;
        }
    }
    blinken(geholt.geholt ? Gruen : Rot);
    std::optional<QString> stand;
    {
        const Wartezeiger warten;
        stand = net::WachStandHolen(umgebung_.netz, ordner_.TempDir);
    }
    if (stand)
        emit zaehlerstand(*stand);
    if (geholt.geholt)
        emit spieltagGespeichert(geholt.pfad, cbSofort->isChecked());
    else
        umgebung_.meldungen.information(QStringLiteral("Der gewählte Spieltag ist leider nicht verfügbar."));
}

void TFsptag::blinken(Lampe lampe) {
    lampeSetzen(lampe);
    einschalten(Timer2);
    einschalten(Timer3);
}

void TFsptag::Timer2Timer() {
    Image1->setHidden(!Image1->isHidden());
}

void TFsptag::Timer3Timer() {
    Timer2->stop();
    lampeSetzen(Grau);
    Image1->show();
    Timer3->stop();
}

void TFsptag::lampeSetzen(Lampe lampe) {
    lampe_ = lampe;
    Image1->setPixmap(lampen_[lampe]);
}

} // namespace ui
