#include "TFNeu.h"

#include "core/grund/Fehler.h"
#include "core/grund/Konstanten.h"
#include "core/text/TextDatei.h"
#include "core/text/VerInfos.h"
#include "net/Adressen.h"
#include "net/Entfernungsskript.h"
#include "net/WachStand.h"
#include "settings/Ordner.h"
#include "ui/bausteine/Bausteine.h"
#include "ui/bausteine/Mittig.h"
#include "ui/bausteine/Namen.h"
#include "ui/internet/UpdateBatch.h"
#include "ui/umgebung/Umgebung.h"
#include "ui/umgebung/Waechter.h"
#include "ui/umgebung/Wartezeiger.h"

#include <QCloseEvent>
#include <QFile>
#include <QGroupBox>
#include <QLabel>
#include <QProgressBar>
#include <QScopeGuard>
#include <QToolButton>

#include <climits>
#include <optional>

namespace ui {
namespace {

QLabel* hinweis(QWidget* eltern, const char* name, const QString& text, const QRect& ort) {
    QLabel* l = Bausteine::text(eltern, text, ort, name);
    l->setWordWrap(true);
    l->setFont(Bausteine::schrift(QStringLiteral("Tahoma"), 10, true));
    return l;
}

int alsInt(qint64 wert) {
    return int(qBound(qint64(0), wert, qint64(INT_MAX)));
}

} // namespace

#ifdef Q_OS_WIN
const QString TFNeu::UpdateDatei = QStringLiteral("Update.exe");
#else
const QString TFNeu::UpdateDatei = QStringLiteral("Update.run");
#endif

TFNeu::TFNeu(Umgebung& umgebung, const settings::Ordner& ordner, QWidget* hauptfenster)
    : QWidget(hauptfenster, Qt::Dialog | Qt::WindowTitleHint | Qt::WindowCloseButtonHint |
                                Qt::MSWindowsFixedSizeDialogHint | Qt::WindowStaysOnTopHint),
      umgebung_(umgebung), ordner_(ordner) {
    setObjectName(QString::fromLatin1(namen::FNeu));
    setAttribute(Qt::WA_DeleteOnClose);
    setAttribute(Qt::WA_StyledBackground);
    setWindowTitle(core::ProgrammName);
    setFixedSize(KlientBreite, KlientHoehe);

    auto* rahmen = new QGroupBox(QStringLiteral("Programmversion auf Aktualität prüfen"), this);
    rahmen->setObjectName(QString::fromLatin1(namen::bsSkinGroupBox1));
    rahmen->setGeometry(4, 2, 317, 254);
    Bausteine::text(rahmen, QStringLiteral("Installierte Version"), QRect(6, 18, 112, 16), namen::NeuLabel1);
    PiVersion = Bausteine::anzeige(rahmen, namen::PiVersion, QRect(8, 36, 100, 24),
                                   QStringLiteral("Installierte Version"));
    BCalc = Bausteine::knopf(rahmen, namen::BCalc, QStringLiteral("Prüfen"), QStringLiteral("globus"),
                             QRect(118, 40, 81, 34));
    Bausteine::text(rahmen, QStringLiteral("Verfügbare Version"), QRect(199, 18, 112, 16), namen::NeuLabel2)
        ->setAlignment(Qt::AlignRight | Qt::AlignVCenter);
    PvVersion = Bausteine::anzeige(rahmen, namen::PvVersion, QRect(209, 36, 100, 24),
                                   QStringLiteral("Verfügbare Version"));

    QFrame* laden = Bausteine::panel(rahmen, namen::bsSkinGroupBox3, QRect(8, 80, 301, 94), "flaeche");
    hinweis(
        laden, namen::NeuLabel4,
        QStringLiteral("Wenn online eine aktuellere Version verfügbar ist, wird der Download-Button aktiv."),
        QRect(6, 6, 184, 56));
    BDown = Bausteine::knopf(laden, namen::BDown, QStringLiteral("Download"), QStringLiteral("download"),
                             QRect(196, 14, 99, 38));
    Gauge3 = new QProgressBar(laden);
    Gauge3->setObjectName(QString::fromLatin1(namen::Gauge3));
    Gauge3->setGeometry(6, 70, 289, 18);
    Gauge3->setRange(0, 100);
    Gauge3->setValue(0);
    Gauge3->setTextVisible(false);
    Gauge3->setAccessibleName(QStringLiteral("Fortschritt des Downloads"));

    QFrame* installieren =
        Bausteine::panel(rahmen, namen::bsSkinGroupBox2, QRect(8, 180, 301, 68), "flaeche");
    hinweis(installieren, namen::NeuLabel3,
            QStringLiteral("Nach dem Download wird der Installations-Button aktiv."), QRect(6, 6, 184, 58));
    BSetup = Bausteine::knopf(installieren, namen::BSetup, QStringLiteral("Installation"),
                              QStringLiteral("installer"), QRect(196, 15, 99, 38));

    QFrame* leiste = Bausteine::panel(this, "PUnten", QRect(0, 260, KlientBreite, 46), "leiste");
    bsSkinSpeedButton1 = Bausteine::knopf(leiste, namen::NeuSchliessen, QStringLiteral("Sch&ließen"),
                                          QStringLiteral("tuer"), QRect(226, 4, 95, 38));

    Meldungen& m = umgebung_.meldungen;
    BeiKlick(BCalc, m, [this] { BCalcClick(); });
    BeiKlick(BDown, m, [this] { BDownClick(); });
    BeiKlick(BSetup, m, [this] { BSetupClick(); });
    BeiKlick(bsSkinSpeedButton1, m, [this] { close(); });

    PiVersion->setText(core::ProgrammVersion);
    knoepfeSetzen();
    if (hauptfenster)
        move(Mittig(this, hauptfenster));
}

void TFNeu::BCalcClick() {
    net::Netz& netz = umgebung_.netz;
    if (!netz.InternetVerbunden()) {
        umgebung_.meldungen.information(
            QStringLiteral("Für die Prüfung muss eine Verbindung zum Internet bestehen."));
        return;
    }
    // The old file stays until a whole new one has arrived.
    const QString ziel = ordner_.DataRoot + QStringLiteral("verinfos.rmst");
    netz.CacheLeeren();
    bool geholt = false;
    {
        const Wartezeiger warten;
        repaint();
        try {
            geholt = netz.DateiHerunterladen(net::Adressen::AufSeite(net::Adressen::VerInfos), ziel,
                                             core::VerInfos::SatzGroesse);
        } catch (const core::Fehler&) {
            // counts as a failed check, which the message below tells
        }
    }
    repaint();
    std::optional<QString> stand;
    {
        const Wartezeiger warten;
        stand = net::WachStandHolen(netz, ordner_.TempDir);
    }
    if (stand)
        emit zaehlerstand(*stand);
    if (!geholt) {
        umgebung_.meldungen.information(QStringLiteral("Die Prüfung hat leider nicht geklappt.\n"));
        return;
    }
    // A damaged file throws before anything shows it: labels and buttons stay as they were.
    const QString version = core::VerInfos::letzteVersion(core::TextDatei::bytesLesen(ziel));
    PvVersion->setText(version);
    downAn_ = core::VerInfos::istUpdate(version);
    knoepfeSetzen();
}

void TFNeu::BDownClick() {
    net::Netz& netz = umgebung_.netz;
    if (!netz.InternetVerbunden()) {
        umgebung_.meldungen.information(
            QStringLiteral("Für den Download der Installations-Datei muss eine "
                           "Verbindung zum Internet bestehen.\n\nIch breche ab."));
        return;
    }
    // The old installer stays until the new one has arrived whole.
    const QString ziel = ordner_.DataRoot + UpdateDatei;
    netz.CacheLeeren();
    repaint();
    bool geholt = false;
    {
        // Input goes on during the download: nothing here may start a second transfer or close
        // the window meanwhile.
        laeuft_ = true;
        knoepfeSetzen();
        const auto entsperren = qScopeGuard([this] {
            laeuft_ = false;
            knoepfeSetzen();
        });
        // Unless it arrives, there is no new installer to start: "Download" again.
        auto nochmal = qScopeGuard([this] {
            downAn_ = true;
            setupAn_ = false;
        });
        geholt =
            netz.UpdateHerunterladen(net::Adressen::AufSeite(net::Adressen::Update), ziel,
                                     [this](qint64 bisher, qint64 gesamt) { DataProgress(bisher, gesamt); });
        if (geholt) {
            nochmal.dismiss();
            ausfuehrbarMachen(ziel);
        }
    }
    if (!geholt)
        umgebung_.meldungen.information(
            QStringLiteral(
                "Der Download ist gescheitert. Versuchen Sie es bitte später noch einmal oder laden "
                "Sie das Update von \"%1\" herunter.")
                .arg(net::Adressen::Domain()));
}

void TFNeu::DataProgress(qint64 Progress, qint64 MaxProgress) {
    // The range first: a value outside it would be dropped.
    Gauge3->setMaximum(alsInt(MaxProgress));
    Gauge3->setValue(alsInt(Progress));
    if (Progress > 0 && Progress >= MaxProgress) {
        if (downAn_)
            setupAn_ = true;
        downAn_ = false;
    }
    knoepfeSetzen();
}

QString TFNeu::startHinweis() const {
#ifdef Q_OS_WIN
    return QStringLiteral("durch Doppelklick auf die Datei \"") + UpdateDatei +
           QStringLiteral("\" im Verzeichnis ") + ordner_.DataRoot;
#else
    // A file for a shell: a double click in a file manager may only open it as text.
    return QStringLiteral("mit dem Befehl \"sh %1\" in einem Terminal")
        .arg(net::Entfernungsskript::shellWort(ordner_.DataRoot + UpdateDatei));
#endif
}

void TFNeu::BSetupClick() {
    const QString hinweis = startHinweis();
    if (!umgebung_.meldungen.frage(
            QStringLiteral(
                "Um die Installation durchführen zu können, muss das Programm jetzt geschlossen werden. "
                "Die Programm-Datei wird gelöscht und das Update gestartet. Wenn etwas schief läuft, "
                "bitte das Update manuell ") +
            hinweis + QStringLiteral(" starten.") + QStringLiteral("\n\n") +
            QStringLiteral("Soll fortgefahren werden?"))) {
        umgebung_.meldungen.information(
            QStringLiteral(
                "Installation wurde auf Ihren Wunsch abgebrochen. Sie  könnnen das Update manuell ") +
            hinweis + QStringLiteral(" starten.") + QStringLiteral("\n\n") +
            QStringLiteral("Zuvor muss das Programm geschlossen und die Programm-Datei ") +
            QStringLiteral("im Verzeichnis ") + ordner_.ProgramDir + QStringLiteral(" gelöscht werden."));
        return;
    }
    // Ending at once skips the main window's closing: what it keeps is stored first.
    bool abbrechen = false;
    emit vorDemEnde(abbrechen);
    if (abbrechen)
        return;
    if (!installerStarten(ordner_.DataRoot + UpdateDatei)) {
        umgebung_.meldungen.information(
            QStringLiteral(
                "Update konnte nicht gestartet werden. Bitte schließen Sie das Programm und starten "
                "Sie das Update manuell ") +
            hinweis + QStringLiteral("."));
        return;
    }
    UpdateBatchStarten(umgebung_, ordner_, QCoreApplication::applicationFilePath());
}

bool TFNeu::ausfuehrbarMachen(const QString& datei) {
#ifdef Q_OS_WIN
    Q_UNUSED(datei);
    return true;
#else
    // A downloaded file is not executable; the installer is for this user alone.
    return QFile::setPermissions(datei, QFile::ReadOwner | QFile::WriteOwner | QFile::ExeOwner);
#endif
}

bool TFNeu::installerStarten(const QString& datei) {
    return ausfuehrbarMachen(datei) && umgebung_.shell.programmStarten(datei, false);
}

void TFNeu::knoepfeSetzen() {
    BCalc->setEnabled(!laeuft_);
    BDown->setEnabled(downAn_ && !laeuft_);
    BSetup->setEnabled(setupAn_ && !laeuft_);
    bsSkinSpeedButton1->setEnabled(!laeuft_);
}

void TFNeu::closeEvent(QCloseEvent* ereignis) {
    // The download's handler still runs inside this window.
    if (laeuft_)
        ereignis->ignore();
    else
        QWidget::closeEvent(ereignis);
}

} // namespace ui
