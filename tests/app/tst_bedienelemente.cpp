#include "app/TFStart.h"
#include "support/Hauptfensterhilfe.h"
#include "support/Tabellen.h"
#include "support/TestMain.h"
#include "ui/abbild/TFAbbild.h"
#include "ui/abbild/TFInfo.h"
#include "ui/bausteine/Anzeigetext.h"
#include "ui/bausteine/Skin.h"
#include "ui/editor/TFEingabe.h"
#include "ui/hilfe/TFHilfe.h"
#include "ui/internet/TFNeu.h"
#include "ui/internet/TFUebertragung.h"
#include "ui/internet/TFsptag.h"
#include "ui/statistik/TFScheine.h"
#include "ui/statistik/TFStatistik.h"
#include "ui/werkstatt/TFWerkstatt.h"

#include <QAbstractButton>
#include <QAbstractScrollArea>
#include <QAbstractSlider>
#include <QAbstractSpinBox>
#include <QAccessible>
#include <QApplication>
#include <QCheckBox>
#include <QComboBox>
#include <QLabel>
#include <QLineEdit>
#include <QScopeGuard>
#include <QTabBar>
#include <QTabWidget>

#include <functional>
#include <map>

using testhilfe::Hauptfensterhilfe;

namespace {

// Every window of the program, built as the program builds it. A new window gets a line in
// bauen() and its name in alleFenster(); the walk below then checks its controls too.
struct Fenster : Hauptfensterhilfe {
    QString abbildOrdner;
    std::unique_ptr<QWidget> anderes;

    QWidget* bauen(const QString& welches) {
        if (welches == u"Hauptfenster")
            return &starten();
        const std::map<QString, std::function<QWidget*()>> andere = {
            {QStringLiteral("Startfenster"), [] { return new TFStart; }},
            {QStringLiteral("Spielschein-Editor"), [&] { return new ui::TFEingabe(umgebung.get(), ordner); }},
            {QStringLiteral("Download-Fenster"), [&] { return new ui::TFsptag(umgebung.get(), ordner); }},
            {QStringLiteral("Abbild"),
             [&] { return new ui::TFAbbild(umgebung.get(), ordner, abbildOrdner); }},
            {QStringLiteral("Info"), [&] { return new ui::TFInfo(umgebung.get()); }},
            {QStringLiteral("Update"), [&] { return new ui::TFNeu(umgebung.get(), ordner); }},
            {QStringLiteral("Statistik"),
             [&] {
                 return new ui::TFStatistik(
                     umgebung.get(), ordner.optionenDatei(), ordner.MatchdayDir, QStringLiteral("schein.txt"),
                     core::Reihenmasken::aus(testhilfe::tabelleAus({{"1", "2", "3", "4", "5", "6"}})));
             }},
            {QStringLiteral("Mehrere Spielscheine"),
             [&] { return new ui::TFScheine(umgebung.get(), ordner.SlipDir, {}, QString(), {}); }},
            {QStringLiteral("Download-Fortschritt"),
             [] { return new ui::TFUebertragung(QStringLiteral("18092021.sp45"), nullptr); }},
            {QStringLiteral("Systemwerkstatt"),
             [&] {
                 return new ui::TFWerkstatt(umgebung.get(), ordner.DataRoot + QStringLiteral("Systeme/"));
             }},
            {QStringLiteral("Hilfe"), [] { return new ui::TFHilfe; }},
        };
        anderes.reset(andere.at(welches)());
        return anderes.get();
    }
};

QStringList alleFenster() {
    return {"Hauptfenster",
            "Startfenster",
            "Spielschein-Editor",
            "Download-Fenster",
            "Abbild",
            "Info",
            "Update",
            "Statistik",
            "Mehrere Spielscheine",
            "Download-Fortschritt",
            "Systemwerkstatt",
            "Hilfe"};
}

// A control is what a user operates by key or mouse. The parts of a composite control (the
// scroll bars and headers of a grid, the edit of a combo box, the tabs of a page control) are
// reached through it.
bool bedienbar(const QWidget* w) {
    if (qobject_cast<const QTabBar*>(w) && qobject_cast<const QTabWidget*>(w->parentWidget()))
        return false;
    for (const QWidget* p = w->parentWidget(); p && !p->isWindow(); p = p->parentWidget())
        if (qobject_cast<const QAbstractScrollArea*>(p) || qobject_cast<const QComboBox*>(p) ||
            qobject_cast<const QAbstractSpinBox*>(p))
            return false;
    return qobject_cast<const QAbstractButton*>(w) || qobject_cast<const QLineEdit*>(w) ||
           qobject_cast<const QComboBox*>(w) || qobject_cast<const QAbstractSlider*>(w) ||
           qobject_cast<const QAbstractSpinBox*>(w) || qobject_cast<const QAbstractScrollArea*>(w) ||
           qobject_cast<const QTabBar*>(w) || (w->focusPolicy() & Qt::TabFocus) ||
           (w->testAttribute(Qt::WA_SetCursor) && w->cursor().shape() == Qt::PointingHandCursor);
}

// What a screen reader says for the control.
QString name(QWidget* w) {
    QAccessibleInterface* schnittstelle = QAccessible::queryAccessibleInterface(w);
    return schnittstelle ? schnittstelle->text(QAccessible::Name).trimmed() : QString();
}

QString beschreibung(const QWidget* w) {
    return QString::fromLatin1(w->metaObject()->className()) + u' ' + w->objectName();
}

} // namespace

class TstBedienelemente : public QObject {
    Q_OBJECT
private slots:
    void initTestCase() { ui::Skin::schriftenZuordnen(); }

    // Every control of every window has a name, and no two controls of a window share one.
    void jedesBedienelementHatEinenNamen_data() {
        QTest::addColumn<QString>("fenster");
        for (const QString& f : alleFenster())
            QTest::newRow(qPrintable(f)) << f;
    }
    void jedesBedienelementHatEinenNamen() {
        QFETCH(QString, fenster);
        Fenster f;
        QWidget* w = f.bauen(fenster);
        QStringList ohne;
        std::map<QString, QStringList> namen;
        int anzahl = 0;
        for (QWidget* kind : w->findChildren<QWidget*>()) {
            if (kind->window() != w || !bedienbar(kind))
                continue;
            ++anzahl;
            const QString n = name(kind);
            if (n.isEmpty())
                ohne.append(beschreibung(kind));
            else
                namen[n].append(beschreibung(kind));
        }
        QVERIFY(anzahl >= 1);
        QVERIFY2(ohne.isEmpty(),
                 qPrintable(QStringLiteral("ohne Namen: ") + ohne.join(QStringLiteral(", "))));
        for (const auto& [n, elemente] : namen)
            QVERIFY2(elemente.size() == 1,
                     qPrintable(n + QStringLiteral(": ") + elemente.join(QStringLiteral(", "))));
    }

    // A label that shows a text is heard with it: no fixed name may hide a value. Pictures (the
    // "Image" labels, a picture set or not yet) and labels that are clicked (links, crosses) are
    // named for what they show or do.
    void jedeAnzeigeSagtIhrenWert_data() { jedesBedienelementHatEinenNamen_data(); }
    void jedeAnzeigeSagtIhrenWert() {
        QFETCH(QString, fenster);
        Fenster f;
        QWidget* w = f.bauen(fenster);
        QStringList stumm;
        for (QLabel* label : w->findChildren<QLabel*>()) {
            if (label->objectName().startsWith(QStringLiteral("Image")) || bedienbar(label))
                continue;
            label->setText(QStringLiteral("4711"));
            if (!name(label).contains(QStringLiteral("4711")))
                stumm.append(beschreibung(label) + QStringLiteral(" (") + name(label) + u')');
        }
        QVERIFY2(stumm.isEmpty(), qPrintable(stumm.join(QStringLiteral(", "))));
    }

    // Caption and value together; a value too long for its place is cut with "…" and whole in the
    // description.
    void wertanzeigen_data() {
        QTest::addColumn<QString>("fenster");
        QTest::addColumn<QString>("pfad");
        QTest::addColumn<QString>("wert");
        QTest::addColumn<QString>("name");
        QTest::addColumn<QString>("beschreibung");
        QTest::newRow("Update PvVersion") << "Update"
                                          << "PvVersion"
                                          << "1.4.0.0"
                                          << "Verfügbare Version: 1.4.0.0"
                                          << "";
        QTest::newRow("Reihen") << "Hauptfenster"
                                << "PFoto/LReihen"
                                << "1000000"
                                << "Reihen: 1000000"
                                << "";
        QTest::newRow("Datei") << "Hauptfenster"
                               << "PFoto/LDatei"
                               << "schein.txt"
                               << "Datei: schein.txt"
                               << "";
        QTest::newRow("lange Datei") << "Hauptfenster"
                                     << "PFoto/LDatei"
                                     << "spielschein_vom_samstag.txt"
                                     << "Datei: spielschein_vom_samstag.txt"
                                     << "spielschein_vom_samstag.txt";
    }
    void wertanzeigen() {
        QFETCH(QString, fenster);
        QFETCH(QString, pfad);
        QFETCH(QString, wert);
        QFETCH(QString, name);
        QFETCH(QString, beschreibung);
        Fenster f;
        QWidget* w = f.bauen(fenster);
        for (const QString& teil : pfad.split(u'/'))
            w = w->findChild<QWidget*>(teil);
        auto* label = qobject_cast<ui::Anzeigetext*>(w);
        QVERIFY(label);
        label->setText(wert);
        QCOMPARE(::name(label), name);
        QCOMPARE(QAccessible::queryAccessibleInterface(label)->text(QAccessible::Description), beschreibung);
        QCOMPARE(label->gezeigt().endsWith(u'…'), !beschreibung.isEmpty());
        QVERIFY(label->fontMetrics().horizontalAdvance(label->gezeigt()) <= label->width());
    }

    // A dark desktop theme changes no window: the skin gives every window one light palette.
    void dunklerDesktop_data() { jedesBedienelementHatEinenNamen_data(); }
    void dunklerDesktop() {
        QFETCH(QString, fenster);
        const QPalette vorher = QApplication::palette();
        const auto zurueck = qScopeGuard([&] {
            qApp->setStyleSheet(QString());
            QApplication::setPalette(vorher);
        });
        const QColor hell(0xEE, 0xEE, 0xEE);
        const QColor dunkel(0x35, 0x35, 0x35);
        QApplication::setPalette(QPalette(hell, dunkel, dunkel, dunkel, dunkel, hell, hell, dunkel, dunkel));
        ui::Skin::anwenden(*qApp);
        Fenster f;
        QWidget* w = f.bauen(fenster);
        QStringList dunkleTexte;
        // No control carries a colour of the desktop's theme.
        for (QWidget* kind : w->findChildren<QWidget*>()) {
            const QPalette p = kind->palette();
            if (p.color(QPalette::WindowText) == hell || p.color(QPalette::Text) == hell ||
                p.color(QPalette::ButtonText) == hell || p.color(QPalette::Window) == dunkel ||
                p.color(QPalette::Base) == dunkel)
                dunkleTexte.append(beschreibung(kind));
        }
        QVERIFY2(dunkleTexte.isEmpty(), qPrintable(dunkleTexte.join(QStringLiteral(", "))));
    }

    // An unticked check box is drawn as an empty framed box, a ticked one with its mark.
    void haken() {
        qApp->setStyleSheet(QString::fromUtf8(ui::Skin::stilvorlage()));
        const auto zurueck = qScopeGuard([] { qApp->setStyleSheet(QString()); });
        QCheckBox box(QStringLiteral("Sofort"));
        box.resize(80, 18);
        const auto rahmenpunkte = [&] {
            const QImage bild = box.grab().toImage();
            int n = 0;
            for (int y = 0; y < bild.height(); ++y)
                for (int x = 0; x < 16; ++x)
                    n += bild.pixelColor(x, y) == QColor(0x5F, 0x6B, 0x77);
            return n;
        };
        QVERIFY(rahmenpunkte() >= 20);
        const QImage leer = box.grab().toImage();
        box.setChecked(true);
        QVERIFY(box.grab().toImage() != leer);
    }

    // Icon-only buttons are named by their hint, edits by what they hold.
    void namen_data() {
        QTest::addColumn<QString>("fenster");
        QTest::addColumn<QString>("pfad");
        QTest::addColumn<QString>("name");
        const auto zeile = [](const char* fenster, const char* pfad, const char* name) {
            QTest::addRow("%s %s", fenster, pfad)
                << QString::fromLatin1(fenster) << QString::fromLatin1(pfad) << QString::fromUtf8(name);
        };
        zeile("Hauptfenster", "frAnzeige1/ETZ", "Gewinnzahl 1");
        zeile("Hauptfenster", "frAnzeige6/ETZ", "Gewinnzahl 6");
        zeile("Hauptfenster", "frAnzeige7/ETZ", "ZS");
        zeile("Hauptfenster", "eQ1", "Quote I");
        zeile("Hauptfenster", "eQ4", "Quote IV");
        zeile("Hauptfenster", "eQ6", "Quote VI");
        zeile("Hauptfenster", "frPaars7/eErg", "Ergebnis Paarung 7");
        zeile("Hauptfenster", "frPaars45/eErg", "Ergebnis Paarung 45");
        zeile("Hauptfenster", "bsSkinSpeedButton12", "Nach einer neuen Version suchen");
        zeile("Hauptfenster", "BSpende", "Einen Wachmacher spendieren");
        zeile("Hauptfenster", "bsSkinSpeedButton4", "Fensterposition speichern");
        zeile("Hauptfenster", "bsSkinSpeedButton10", "Einführungsvideo ansehen");
        zeile("Hauptfenster", "bsSkinSpeedButton5", "Über das Programm");
        zeile("Hauptfenster", "BSortier2", "Gewinnzahlen sortiert oder in Eingabefolge zeigen");
        zeile("Hauptfenster", "bsSkinSpeedButton8", "Eingetragene Ergebnisse im Spieltag speichern");
        zeile("Hauptfenster", "BQuoDel", "Quoten löschen");
        zeile("Hauptfenster", "VKreuz7", "Kreuz 7");
        zeile("Hauptfenster", "VKreuz108", "Kreuz System 9/12");
        zeile("Hauptfenster", "PFoto/G1", "Tippreihen");
        zeile("Spielschein-Editor", "BClose", "Schließen");
        zeile("Spielschein-Editor", "bsSkinSpeedButton1", "Als Text- oder CSV-Datei speichern");
        zeile("Spielschein-Editor", "m1", "Text der Tippreihen");
        zeile("Abbild", "bsSkinSpeedButton1", "In Zwischenablage kopieren");
        zeile("Abbild", "bsSkinSpeedButton13", "Fensterposition speichern");
    }
    void namen() {
        QFETCH(QString, fenster);
        QFETCH(QString, pfad);
        QFETCH(QString, name);
        Fenster f;
        QWidget* w = f.bauen(fenster);
        for (const QString& teil : pfad.split(u'/')) {
            w = w->findChild<QWidget*>(teil);
            QVERIFY2(w, qPrintable(teil));
        }
        QCOMPARE(::name(w), name);
    }
};

REMISATOR_TEST_MAIN(TstBedienelemente)
#include "tst_bedienelemente.moc"
