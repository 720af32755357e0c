#include "TFHilfe.h"

#include "core/grund/Konstanten.h"
#include "ui/bausteine/Namen.h"
#include "ui/hilfe/Tastenkuerzel.h"

#include <QBoxLayout>
#include <QKeyEvent>
#include <QPushButton>
#include <QTextBrowser>

namespace ui {
namespace {

// Where the features without a key of their own are found.
const struct {
    const char* was;
    const char* wo;
} Orte[] = {
    {"Zuletzt geöffnete Spielscheine, Spieltage und Ordner",
     "Rechtsklick (oder Menütaste) auf „Spielschein einlesen...“, „Spieltag einlesen...“ und „Spielscheine "
     "wählen...“"},
    {"Dateien ablegen",
     "Spielscheine (*.txt) auf das Reihengitter ziehen (mehrere öffnen „Mehrere Spielscheine auswerten...“), "
     "Spieltage (*.sp45) auf die Paarungen, Quoten (*.quo) auf die Quoten"},
    {"Einsatz und Bilanz, Zeitraum", "Fenster „Statistik über alle Spieltage...“"},
    {"Mehrere Spielscheine auswerten...", "Kontextmenü des Reihengitters"},
    {"Als PDF speichern..., Als CSV speichern...", "unten in den Statistik-Fenstern"},
    {"Abbild der Auswertung, als JPEG oder PNG", "Auswertung, unten"},
    {"Spielschein erstellen..., Spieltag herunterladen", "Werkzeugleiste oben"},
};

QString html(const QString& text) {
    return text.toHtmlEscaped();
}

// One line per entry, so that a screen reader reads key, command and place together.
QString seite() {
    QString s = QStringLiteral("<h3>Tastenkürzel</h3>");
    for (const Tastenkuerzel& k : Tastenkuerzel::alle())
        s += QStringLiteral("<p><b>%1:</b> %2 – %3</p>")
                 .arg(html(Tastenkuerzel::text(k.taste)), html(k.befehl), html(k.wo));
    s += QStringLiteral("<h3>Wo was zu finden ist</h3>");
    for (const auto& o : Orte)
        s += QStringLiteral("<p><b>%1:</b> %2</p>")
                 .arg(html(QString::fromUtf8(o.was)), html(QString::fromUtf8(o.wo)));
    return s;
}

} // namespace

TFHilfe::TFHilfe(QWidget* parent) : QWidget(parent, Qt::Dialog) {
    setObjectName(QString::fromLatin1(namen::FHilfe));
    setAttribute(Qt::WA_DeleteOnClose);
    setWindowTitle(QStringLiteral("Hilfe – ") + core::ProgrammName);
    resize(640, 480);
    auto* spalte = new QVBoxLayout(this);
    seite_ = new QTextBrowser(this);
    seite_->setObjectName(QString::fromLatin1(namen::Hilfeseite));
    seite_->setAccessibleName(QStringLiteral("Hilfe"));
    seite_->setHtml(seite());
    spalte->addWidget(seite_);
    auto* schliessen = new QPushButton(QStringLiteral("Schließen"), this);
    schliessen->setObjectName(QString::fromLatin1(namen::HilfeSchliessen));
    schliessen->setAccessibleName(schliessen->text());
    connect(schliessen, &QPushButton::clicked, this, &QWidget::close);
    spalte->addWidget(schliessen, 0, Qt::AlignRight);
}

void TFHilfe::keyPressEvent(QKeyEvent* ereignis) {
    // Esc closes it as it closes a dialog; the page passes on the keys it does not use.
    if (ereignis->key() == Qt::Key_Escape && ereignis->modifiers() == Qt::NoModifier)
        close();
    else
        QWidget::keyPressEvent(ereignis);
}

QString TFHilfe::text() const {
    return seite_->toPlainText();
}

} // namespace ui
