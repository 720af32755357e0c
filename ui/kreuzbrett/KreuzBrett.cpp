#include "KreuzBrett.h"

#include "ui/bausteine/Bausteine.h"
#include "ui/bausteine/Namen.h"
#include "ui/bausteine/Skin.h"
#include "ui/kreuzbrett/KreuzGeometrie.h"
#include "ui/kreuzbrett/SpielscheinBild.h"
#include "ui/kreuzbrett/TKreuz.h"
#include "ui/umgebung/Umgebung.h"
#include "ui/umgebung/Waechter.h"

#include <QKeyEvent>
#include <QLabel>
#include <QMouseEvent>
#include <QPainter>
#include <QToolButton>

#include <algorithm>

namespace ui {

namespace {
const QString Zaehlerstil = QStringLiteral("color: #FFFFFF; border: 1px solid #7A7A7A;"
                                           " border-right-color: #FFFFFF; border-bottom-color: #FFFFFF;");
const QString OhneSystem = QStringLiteral("Bitte wählen Sie zunächst ein System.");

// The fields in the rows of the slip: five rows of nine numbers, then the full systems and the
// partial systems under the second to eighth column.
constexpr int Zeilen = 7;
constexpr int Zahlzeilen = 5;
constexpr int ErsteSystemspalte = 1;
constexpr int LetzteSystemspalte = 7;

QPoint feldplatz(int tag) {
    if (KreuzGeometrie::istZahl(tag))
        return {(tag - 1) % 9, (tag - 1) / 9};
    const int eintrag = tag - 100;
    return eintrag <= 7 ? QPoint(eintrag, Zahlzeilen) : QPoint(eintrag - 7, Zahlzeilen + 1);
}

int feldtag(QPoint platz) {
    const int zeile = std::clamp(platz.y(), 0, Zeilen - 1);
    if (zeile < Zahlzeilen)
        return zeile * 9 + std::clamp(platz.x(), 0, 8) + 1;
    const int spalte = std::clamp(platz.x(), ErsteSystemspalte, LetzteSystemspalte);
    return zeile == Zahlzeilen ? 100 + spalte : 107 + spalte;
}

} // namespace

KreuzBrett::KreuzBrett(Umgebung& umgebung, QWidget* parent) : QFrame(parent), umgebung_(umgebung) {
    setObjectName(QString::fromLatin1(namen::PKreuz));
    resize(Breite, Hoehe);
    setCursor(Qt::PointingHandCursor);
    setAccessibleName(QStringLiteral("Spielschein zum Ankreuzen"));
    setFocusPolicy(Qt::TabFocus);

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

    Zufall = Bausteine::knopf(this, namen::Zufall, QString(), QStringLiteral("klee"), QRect(20, 159, 28, 28),
                              QStringLiteral("Zufallstipp"));
    BKreuzeDel = Bausteine::knopf(this, namen::BKreuzeDel, QString(), QStringLiteral("papierkorb"),
                                  QRect(222, 159, 28, 28), QStringLiteral("Alle Kreuze entfernen"));
    Zufall->setIconSize(QSize(22, 22));
    BKreuzeDel->setIconSize(QSize(22, 22));
    BeiKlick(Zufall, umgebung_.meldungen, [this] { bsSkinSpeedButton11Click(); });
    BeiKlick(BKreuzeDel, umgebung_.meldungen, [this] { BKreuzeDelClick(); });
    zeigen();
}

void KreuzBrett::KreuzVerwerten(int Tag) {
    if (!stand_.KreuzVerwerten(Tag))
        ohneSystemMelden();
    zeigen();
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

void KreuzBrett::BKreuzeDelClick() {
    stand_.leeren();
    zeigen();
}

void KreuzBrett::bsSkinSpeedButton11Click() {
    if (!stand_.zufallFuellen(umgebung_.uhr.zufallsSeed()))
        ohneSystemMelden();
    zeigen();
}

void KreuzBrett::musterLaden(const core::Kreuzmuster& m) {
    const int abgelehnt = stand_.musterLaden(m);
    zeigen();
    ohneSystemMelden(abgelehnt);
}

void KreuzBrett::ohneSystemMelden(int mal) {
    for (int i = 0; i < mal; ++i)
        umgebung_.meldungen.information(OhneSystem);
}

void KreuzBrett::fokusSetzen(int tag) {
    fokus_ = tag;
    const TKreuz* kreuz =
        KreuzGeometrie::istZahl(tag) ? Zahlkreuze[std::size_t(tag)] : Systemkreuze[std::size_t(tag - 100)];
    // A screen reader hears the field, as the cross over it is named, and whether it is ticked.
    const QString feld = kreuz->accessibleName().section(u' ', 1);
    setAccessibleDescription(
        QStringLiteral("Feld %1%2")
            .arg(feld, kreuz->isVisibleTo(this) ? QStringLiteral(", angekreuzt") : QString()));
    update();
}

void KreuzBrett::keyPressEvent(QKeyEvent* ereignis) {
    QPoint platz = feldplatz(fokus_);
    switch (ereignis->key()) {
    case Qt::Key_Left:
        platz.rx() -= 1;
        break;
    case Qt::Key_Right:
        platz.rx() += 1;
        break;
    case Qt::Key_Up:
        platz.ry() -= 1;
        break;
    case Qt::Key_Down:
        platz.ry() += 1;
        break;
    case Qt::Key_Space:
        // The same way as a click on the field.
        if (!ereignis->isAutoRepeat())
            Schuetzen(umgebung_.meldungen, [&] { KreuzVerwerten(fokus_); });
        return;
    default:
        QFrame::keyPressEvent(ereignis);
        return;
    }
    fokusSetzen(feldtag(platz));
}

void KreuzBrett::focusInEvent(QFocusEvent* ereignis) {
    fokusSetzen(fokus_);
    QFrame::focusInEvent(ereignis);
}

void KreuzBrett::focusOutEvent(QFocusEvent* ereignis) {
    update();
    QFrame::focusOutEvent(ereignis);
}

void KreuzBrett::zeigen() {
    for (int n = 1; n <= 45; ++n)
        Zahlkreuze[n]->setVisible(stand_.Kreuze().enthaelt(n));
    for (int e = 1; e <= 14; ++e)
        Systemkreuze[e]->setVisible(e == stand_.SystemNr());
    PZ->setText(QString::number(stand_.Zaehler()));
    using F = core::Kreuzstand::Farbe;
    const QColor farbe = stand_.Zaehlerfarbe() == F::Rot     ? Rot
                         : stand_.Zaehlerfarbe() == F::Gruen ? Gruen
                                                             : QColor();
    PZ->setProperty("Farbe", farbe);
    const QString fuellung = farbe.isValid() ? QStringLiteral(" background-color: %1;").arg(farbe.name())
                                             : QStringLiteral(" background: transparent;");
    PZ->setStyleSheet(Zaehlerstil + fuellung);
    fokusSetzen(fokus_);
    emit komplettGeaendert(stand_.KreuzeKomplett());
}

void KreuzBrett::paintEvent(QPaintEvent*) {
    QPainter maler(this);
    SpielscheinBild::zeichnen(maler);
    if (hasFocus()) {
        // The focus frame around the field the keyboard stands on.
        maler.setPen(QPen(Skin::Fokusfarbe, 2));
        maler.setBrush(Qt::NoBrush);
        maler.drawRect(KreuzGeometrie::klickFlaeche(fokus_).adjusted(1, 1, 0, 0));
    }
}

void KreuzBrett::mousePressEvent(QMouseEvent* ereignis) {
    const QPoint ort = ereignis->position().toPoint();
    const Qt::MouseButton knopf = ereignis->button();
    Schuetzen(umgebung_.meldungen, [&] { PKreuzMouseDown(ort, knopf); });
}

} // namespace ui
