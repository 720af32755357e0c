#include "KreuzBereich.h"

#include "core/systeme/Kreuzmuster.h"
#include "core/text/TextDatei.h"
#include "settings/Ordner.h"
#include "ui/bausteine/Bausteine.h"
#include "ui/bausteine/Namen.h"
#include "ui/bausteine/Verweis.h"
#include "ui/kreuzbrett/KreuzBrett.h"
#include "ui/umgebung/Umgebung.h"
#include "ui/umgebung/Waechter.h"

#include <QFileInfo>
#include <QLabel>
#include <QToolButton>

namespace ui {

KreuzBereich::KreuzBereich(Umgebung& umgebung, const settings::Ordner& ordner, QWidget* parent)
    : QWidget(parent), umgebung_(umgebung), ordner_(ordner) {
    resize(Breite, Hoehe);
    QLabel* hinweis = Bausteine::text(
        this,
        QStringLiteral(
            "Kreuzen Sie Ihren Tipp unten an oder la- den Sie Ihren Spielschein in die Tabelle rechts."),
        QRect(10, 1, 262, 32));
    hinweis->setWordWrap(true);
    hinweis->setFont(Bausteine::schrift(QStringLiteral("Tahoma"), 11));

    PKreuz = new KreuzBrett(umgebung_, this);
    PKreuz->move(10, 34);

    QFrame* leiste = Bausteine::panel(this, "PKreuzLeiste", QRect(10, 402, 260, 46), "leiste");
    BQOpen = Bausteine::knopf(leiste, namen::BQOpen, QString(), QStringLiteral("quick_oeffnen"),
                              QRect(4, 3, 40, 40), QStringLiteral("Gespeichertes Kreuzmuster laden"));
    BQSave = Bausteine::knopf(leiste, namen::BQSave, QString(), QStringLiteral("quick_speichern"),
                              QRect(48, 3, 40, 40), QStringLiteral("Kreuzmuster speichern"));
    BVoll = Bausteine::knopf(leiste, namen::BVoll, QStringLiteral("System abwickeln"),
                             QStringLiteral("abwickeln"), QRect(118, 3, 138, 40),
                             QStringLiteral("Das angekreuzte System in Tippreihen umsetzen"));
    BVoll->setEnabled(false);
    BQOpen->setEnabled(QFileInfo::exists(musterDatei()));
    connect(PKreuz, &KreuzBrett::komplettGeaendert, BVoll, &QWidget::setEnabled);
    BeiKlick(BQOpen, umgebung_.meldungen, [this] { BQOpenClick(); });
    BeiKlick(BQSave, umgebung_.meldungen, [this] { BQSaveClick(); });
    BeiKlick(BVoll, umgebung_.meldungen, [this] { BVollClick(); });

    QFrame* info = Bausteine::panel(this, "PInfo", QRect(10, 454, 260, 192), "flaeche");
    QLabel* werbung = Bausteine::text(
        info,
        QStringLiteral("Noch mehr Systeme, eigene Teilsysteme, Statistiken über alle Spieltage und die "
                       "Auswertung beliebig vieler Spielscheine auf einmal bietet das große Programm:"),
        QRect(10, 10, 240, 110));
    werbung->setWordWrap(true);
    werbung->setAlignment(Qt::AlignCenter);
    werbung->setFont(Bausteine::schrift(QStringLiteral("Tahoma"), 12));
    Label5 = new Verweis(QStringLiteral("Remisator Plus"), info);
    Label5->setObjectName(QString::fromLatin1(namen::Label5));
    Label5->setGeometry(10, 130, 240, 24);
    Label5->setAccessibleDescription(QStringLiteral("Öffnet die Seite des großen Programms im Browser"));
    Label5->setAlignment(Qt::AlignCenter);
    QFont link = Bausteine::schrift(QStringLiteral("Tahoma"), 14, true);
    link.setUnderline(true);
    Label5->setFont(link);
    Label5->setStyleSheet(QStringLiteral("color: #000080;"));
    connect(Label5, &Verweis::angeklickt, this, &KreuzBereich::plusSeiteVerlangt);
}

core::Zahlenmenge KreuzBereich::kreuze() const {
    return PKreuz->stand().Kreuze();
}

QString KreuzBereich::musterDatei() const {
    return ordner_.DataRoot + QStringLiteral("struktur.qui");
}

void KreuzBereich::BQSaveClick() {
    core::TextDatei::bytesSchreiben(musterDatei(), core::KreuzmusterPacken(PKreuz->muster()));
    BQOpen->setEnabled(true);
}

void KreuzBereich::BQOpenClick() {
    // Read and checked in full before the board changes; what follows a pattern is never read.
    const QString datei = musterDatei();
    PKreuz->musterLaden(
        core::KreuzmusterLesen(core::TextDatei::anfangLesen(datei, core::Kreuzmuster::Groesse), datei));
}

void KreuzBereich::BVollClick() {
    const core::Kreuzstand& stand = PKreuz->stand();
    if (stand.KreuzeKomplett())
        emit systemAbwickeln(stand.SystemNr(), stand.Kreuze());
}

} // namespace ui
