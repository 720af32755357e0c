#include "KreuzBrett.h"

#include "core/TSystemDef.h"
#include "core/ZufallsReihenfolge.h"
#include "ui/Bausteine.h"
#include "ui/KreuzGeometrie.h"
#include "ui/Namen.h"
#include "ui/SpielscheinBild.h"
#include "ui/TKreuz.h"
#include "ui/Umgebung.h"
#include "ui/Waechter.h"

#include <QLabel>
#include <QMouseEvent>
#include <QPainter>
#include <QToolButton>

namespace ui {

namespace {
const QString Zaehlerstil = QStringLiteral("color: #FFFFFF; border: 1px solid #7A7A7A;"
                                           " border-right-color: #FFFFFF; border-bottom-color: #FFFFFF;");
const QString OhneSystem = QStringLiteral("Bitte wählen Sie zunächst ein System.");
} // namespace

KreuzBrett::KreuzBrett(Umgebung& umgebung, QWidget* parent) : QFrame(parent), umgebung_(umgebung) {
    setObjectName(QString::fromLatin1(namen::PKreuz));
    resize(Breite, Hoehe);
    setCursor(Qt::PointingHandCursor);

    for (int n = 1; n <= 45; ++n) {
        auto* kreuz = new TKreuz(n, this);
        kreuz->move(KreuzGeometrie::kreuzOrt(n));
        Zahlkreuze[n] = kreuz;
        Trefferflaechen[n - 1] = KreuzGeometrie::klickFlaeche(n);
    }
    for (int e = 1; e <= 14; ++e) {
        auto* kreuz = new TKreuz(100 + e, this);
        kreuz->move(KreuzGeometrie::kreuzOrt(100 + e));
        Systemkreuze[e] = kreuz;
        Trefferflaechen[44 + e] = KreuzGeometrie::klickFlaeche(100 + e);
    }
    for (TKreuz* kreuz : findChildren<TKreuz*>())
        connect(kreuz, &TKreuz::geklickt, this,
                [this](int tag) { Schuetzen(umgebung_.meldungen, [&] { KreuzKlickClick(tag); }); });

    // The form's placeholder until the first choice of a system.
    PZ = new QLabel(QStringLiteral("19"), this);
    PZ->setObjectName(QString::fromLatin1(namen::PZ));
    PZ->setGeometry(14, 247, 32, 20);
    PZ->setAlignment(Qt::AlignCenter);
    PZ->setFont(Bausteine::schrift(QStringLiteral("Tahoma"), 15, true));
    zaehlerFaerben({});

    Zufall = Bausteine::knopf(this, namen::Zufall, QString(), QStringLiteral("klee"), QRect(20, 159, 28, 28),
                              QStringLiteral("Zufallstipp"));
    BKreuzeDel = Bausteine::knopf(this, namen::BKreuzeDel, QString(), QStringLiteral("papierkorb"),
                                  QRect(222, 159, 28, 28), QStringLiteral("Alle Kreuze entfernen"));
    Zufall->setIconSize(QSize(22, 22));
    BKreuzeDel->setIconSize(QSize(22, 22));
    BeiKlick(Zufall, umgebung_.meldungen, [this] { bsSkinSpeedButton11Click(); });
    BeiKlick(BKreuzeDel, umgebung_.meldungen, [this] { BKreuzeDelClick(); });
}

void KreuzBrett::KreuzVerwerten(int Tag) {
    const bool system = KreuzGeometrie::istSystem(Tag);
    if (!system && !KreuzGeometrie::istZahl(Tag))
        return;
    if (SystemNr_ == 0 && !system) {
        umgebung_.meldungen.information(OhneSystem);
        return;
    }
    if (system) {
        const int e = Tag - 100;
        if (e == SystemNr_) {
            // The counter keeps its text and the numbers stay ticked for the next choice.
            Systemkreuze[e]->hide();
            SystemNr_ = 0;
            zaehlerFaerben({});
            setKomplett(false);
            return;
        }
        if (SystemNr_ != 0)
            Systemkreuze[SystemNr_]->hide();
        Systemkreuze[e]->show();
        SystemNr_ = e;
    } else {
        TKreuz* kreuz = Zahlkreuze[Tag];
        kreuz->setVisible(kreuz->isHidden());
        if (kreuz->isHidden()) {
            --KreuzAnzahl_;
            Kreuze_.entfernen(Tag);
        } else {
            ++KreuzAnzahl_;
            Kreuze_.hinzufuegen(Tag);
        }
    }
    const int anzahl = core::System(SystemNr_).Anzahl;
    PZ->setText(QString::number(anzahl - KreuzAnzahl_));
    setKomplett(KreuzAnzahl_ == anzahl);
    zaehlerFaerben(KreuzeKomplett_ ? Gruen : Rot);
}

void KreuzBrett::KreuzKlickClick(int tag) {
    KreuzVerwerten(tag);
}

// Every mouse button counts on the board; a visible cross answers its left button only.
void KreuzBrett::PKreuzMouseDown(QPoint ort, Qt::MouseButton) {
    if (const int tag = kreuzAn(ort))
        KreuzVerwerten(tag);
}

int KreuzBrett::kreuzAn(QPoint ort) const {
    const auto erste = [&](int von, int bis) {
        for (int i = von; i <= bis; ++i)
            if (Trefferflaechen[std::size_t(i)].contains(ort))
                return i;
        return -1;
    };
    // The band of the row decides which crosses are searched, whatever the areas overlap.
    const int i = ort.y() < 162   ? erste(0, 44)
                  : ort.y() < 219 ? erste(45, 51)
                  : ort.y() < 331 ? erste(52, 58)
                                  : -1;
    if (i < 0)
        return 0;
    return i < 45 ? i + 1 : 100 + i - 44;
}

void KreuzBrett::zahlenLeeren() {
    for (int n = 1; n <= 45; ++n)
        Zahlkreuze[n]->hide();
    setKomplett(false);
    KreuzAnzahl_ = 0;
    Kreuze_.leeren();
}

void KreuzBrett::BKreuzeDelClick() {
    zahlenLeeren();
    if (SystemNr_ != 0) {
        PZ->setText(QString::number(core::System(SystemNr_).Anzahl));
        zaehlerFaerben(Rot);
    } else {
        zaehlerFaerben({});
    }
}

void KreuzBrett::bsSkinSpeedButton11Click() {
    if (SystemNr_ == 0) {
        umgebung_.meldungen.information(OhneSystem);
        return;
    }
    const int anzahl = core::System(SystemNr_).Anzahl;
    // A complete tip and one with too many crosses both give way to a new tip of the right size.
    if (KreuzAnzahl_ >= anzahl)
        zahlenLeeren();
    for (const int n : core::ZufallsReihenfolge(umgebung_.uhr.zufallsSeed())) {
        if (KreuzAnzahl_ == anzahl)
            break;
        if (!Kreuze_.enthaelt(n))
            KreuzVerwerten(n);
    }
}

core::Kreuzmuster KreuzBrett::muster() const {
    core::Kreuzmuster m;
    m.Zahlen = Kreuze_;
    m.Systeme[std::size_t(SystemNr_)] = SystemNr_ != 0;
    return m;
}

void KreuzBrett::musterLaden(const core::Kreuzmuster& m) {
    BKreuzeDelClick();
    for (int e = 1; e <= 14; ++e)
        if (m.Systeme[std::size_t(e)]) {
            if (e != SystemNr_)
                KreuzVerwerten(100 + e);
            break;
        }
    for (int n = 1; n <= 45; ++n)
        if (m.Zahlen.enthaelt(n))
            KreuzVerwerten(n);
}

void KreuzBrett::zaehlerFaerben(QColor farbe) {
    PZ->setProperty("Farbe", farbe);
    const QString fuellung = farbe.isValid() ? QStringLiteral(" background-color: %1;").arg(farbe.name())
                                             : QStringLiteral(" background: transparent;");
    PZ->setStyleSheet(Zaehlerstil + fuellung);
}

void KreuzBrett::setKomplett(bool komplett) {
    KreuzeKomplett_ = komplett;
    emit komplettGeaendert(komplett);
}

void KreuzBrett::paintEvent(QPaintEvent*) {
    QPainter maler(this);
    SpielscheinBild::zeichnen(maler);
}

void KreuzBrett::mousePressEvent(QMouseEvent* ereignis) {
    const QPoint ort = ereignis->position().toPoint();
    const Qt::MouseButton knopf = ereignis->button();
    Schuetzen(umgebung_.meldungen, [&] { PKreuzMouseDown(ort, knopf); });
}

} // namespace ui
