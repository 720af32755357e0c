#include "TFAbbild.h"

#include "image/JpegDatei.h"
#include "image/PngDatei.h"
#include "settings/IniDatei.h"
#include "settings/Ordner.h"
#include "settings/Schluessel.h"
#include "ui/bausteine/Bausteine.h"
#include "ui/bausteine/Mittig.h"
#include "ui/bausteine/Namen.h"
#include "ui/umgebung/Umgebung.h"
#include "ui/umgebung/Waechter.h"

#include <QBoxLayout>
#include <QClipboard>
#include <QDir>
#include <QFileInfo>
#include <QGridLayout>
#include <QGuiApplication>
#include <QLabel>
#include <QScreen>
#include <QSlider>
#include <QToolButton>

namespace ui {
namespace {

namespace schluessel = settings::schluessel;
const QString FensterName = QString::fromLatin1(schluessel::FAbbild);
const QString KeinBild = QStringLiteral("Kein Bild im Speicher");

QFrame* leiste(QWidget* eltern, const char* name) {
    QFrame* l = Bausteine::panel(eltern, name, QRect(), "leiste");
    l->setFixedHeight(TFAbbild::LeistenHoehe);
    auto* reihe = new QHBoxLayout(l);
    reihe->setContentsMargins(2, 2, 2, 2);
    reihe->setSpacing(4);
    return l;
}

QToolButton* knopf(QFrame* leiste, const char* name, const QString& text, const QString& ikone, int breite,
                   const QString& hinweis = QString()) {
    QToolButton* k = Bausteine::knopf(leiste, name, text, ikone, QRect(0, 0, breite, 36), hinweis);
    k->setFixedSize(breite, 36);
    k->setAccessibleName(text.isEmpty() ? hinweis : text);
    leiste->layout()->addWidget(k);
    return k;
}

QLabel* fett(QWidget* eltern, const QString& text, const char* name = nullptr) {
    QLabel* l = Bausteine::text(eltern, text, QRect(), name);
    l->setFont(Bausteine::schrift(QStringLiteral("Tahoma"), 11, true));
    return l;
}

} // namespace

TFAbbild::TFAbbild(Umgebung& umgebung, const settings::Ordner& ordner, QString& speicherOrdner,
                   QWidget* parent)
    : QWidget(parent, Qt::Window), umgebung_(umgebung), ordner_(ordner), speicherOrdner_(speicherOrdner) {
    setAttribute(Qt::WA_StyledBackground);
    setAttribute(Qt::WA_DeleteOnClose);
    leistenBauen();

    // Without the file the folder of an earlier window of the run stays.
    const settings::IniDatei optionen(ordner_.optionenDatei());
    QPoint ort = settings::FensterpositionLesen(optionen, FensterName);
    if (optionen.existiert())
        speicherOrdner_ = settings::lesen(optionen, schluessel::AbbildPfad);
    if (speicherOrdner_.isEmpty()) {
        speicherOrdner_ = ordner_.ShotsDir;
        QDir().mkpath(speicherOrdner_);
    }
    // A place saved on a second monitor that is gone, or one where the window does not fit, would
    // leave it out of sight. Checked before the window is shown: while it is being shown its frame
    // is not yet placed.
    move(ImBild(this, ort));
}

void TFAbbild::leistenBauen() {
    auto* spalte = new QVBoxLayout(this);
    spalte->setContentsMargins(0, 0, 0, 0);
    spalte->setSpacing(0);

    QFrame* oben = leiste(this, namen::bsSkinPanel2);
    BClose = knopf(oben, namen::BClose, QString(), QStringLiteral("tuer"), 42, QStringLiteral("Schließen"));
    oben->layout()->addWidget(fett(oben, QStringLiteral("Screenshot"), namen::bsSkinLabel1));
    static_cast<QHBoxLayout*>(oben->layout())->addStretch();
    Position = knopf(oben, namen::AbbildPosition, QString(), QStringLiteral("position"), 42,
                     QStringLiteral("Fensterposition speichern"));
    spalte->addWidget(oben);

    QFrame* unten = leiste(this, namen::bsSkinPanel1);
    BSave = knopf(unten, namen::AbbildSpeichern, QStringLiteral("Abbild speichern..."),
                  QStringLiteral("bild_speichern"), 120);
    auto* regler = new QWidget(unten);
    auto* gitter = new QGridLayout(regler);
    gitter->setContentsMargins(4, 0, 4, 0);
    gitter->setVerticalSpacing(0);
    QLabel* beschriftung =
        Bausteine::text(regler, QStringLiteral("Bild-Qualität"), QRect(), namen::QualitaetLabel1);
    beschriftung->setAlignment(Qt::AlignCenter);
    gitter->addWidget(beschriftung, 0, 0, 1, 3);
    gitter->addWidget(fett(regler, QStringLiteral("-")), 1, 0);
    Slider1 = new QSlider(Qt::Horizontal, regler);
    Slider1->setObjectName(QString::fromLatin1(namen::Slider1));
    Slider1->setRange(image::JpegDatei::MinQualitaet, image::JpegDatei::MaxQualitaet);
    Slider1->setSingleStep(1);
    Slider1->setValue(image::JpegDatei::MaxQualitaet);
    Slider1->setAccessibleName(QStringLiteral("Bild-Qualität"));
    beschriftung->setBuddy(Slider1);
    gitter->addWidget(Slider1, 1, 1);
    gitter->addWidget(fett(regler, QStringLiteral("+")), 1, 2);
    unten->layout()->addWidget(regler);
    static_cast<QHBoxLayout*>(unten->layout())->addStretch();
    Kopieren = knopf(unten, namen::AbbildKopieren, QString(), QStringLiteral("copy"), 42,
                     QStringLiteral("In Zwischenablage kopieren"));
    spalte->addWidget(unten);

    Image1 = new QLabel(this);
    Image1->setObjectName(QString::fromLatin1(namen::Image1));
    Image1->setAlignment(Qt::AlignLeft | Qt::AlignTop);
    Image1->setAccessibleName(QStringLiteral("Abbild der Auswertung"));
    spalte->addWidget(Image1, 1);

    Meldungen& m = umgebung_.meldungen;
    BeiKlick(BClose, m, [this] { close(); });
    BeiKlick(Position, m, [this] { bsSkinSpeedButton13Click(); });
    BeiKlick(BSave, m, [this] { BSaveClick(); });
    BeiKlick(Kopieren, m, [this] { bsSkinSpeedButton1Click(); });
}

void TFAbbild::setBild(const QImage& bild, QSize flaeche) {
    bild_ = bild;
    Image1->setPixmap(QPixmap::fromImage(bild_));
    setFixedSize(flaeche.width(), flaeche.height() + 2 * LeistenHoehe);
    if (!isVisible())
        move(ImBild(this, pos()));
}

int TFAbbild::qualitaet() const {
    return Slider1->value();
}

QString TFAbbild::mitEndung(const QString& pfad, const QString& endung) {
    const QFileInfo datei(pfad);
    const QString name = datei.fileName();
    const qsizetype punkt = name.lastIndexOf(u'.');
    const QString stamm = punkt > 0 ? name.left(punkt) : name;
    return pfad.left(pfad.size() - name.size()) + stamm + u'.' + endung;
}

void TFAbbild::BSaveClick() {
    if (bild_.isNull()) {
        umgebung_.meldungen.warnung(KeinBild);
        return;
    }
    const std::optional<GewaehlteDatei> datei =
        umgebung_.dialoge.speichern({QStringLiteral("Abbildung speichern"),
                                     QStringLiteral("Abbildungen|*.jpg|PNG-Abbildungen, verlustfrei|*.png"),
                                     QStringLiteral("jpg"), speicherOrdner_, windowTitle(), true});
    if (!datei)
        return;
    // JPEG stays the default; PNG keeps every pixel, for a picture that is to be edited further.
    const bool png = datei->filterIndex == 2;
    const QString pfad = mitEndung(datei->pfad, png ? QStringLiteral("png") : QStringLiteral("jpg"));
    // The dialog asked only about the name as typed.
    if (pfad != datei->pfad && QFileInfo::exists(pfad) &&
        !umgebung_.meldungen.frage(
            QStringLiteral("Die Datei \"%1\" existiert bereits.\nSoll sie ersetzt werden?")
                .arg(QDir::toNativeSeparators(pfad))))
        return;
    // Folder and settings change only after the picture was written.
    if (png)
        image::PngDatei::speichern(pfad, bild_);
    else
        image::JpegDatei::speichern(pfad, bild_, qualitaet());
    speicherOrdner_ = QFileInfo(pfad).absolutePath() + u'/';
    settings::schreiben(settings::IniDatei(ordner_.optionenDatei()), schluessel::AbbildPfad, speicherOrdner_);
}

void TFAbbild::bsSkinSpeedButton1Click() {
    if (bild_.isNull()) {
        umgebung_.meldungen.warnung(KeinBild);
        return;
    }
    QGuiApplication::clipboard()->setImage(bild_);
}

void TFAbbild::bsSkinSpeedButton13Click() {
    settings::FensterpositionSpeichern(settings::IniDatei(ordner_.optionenDatei()), FensterName, x(), y());
}

} // namespace ui
