#include "app/TFStart.h"
#include "support/Hauptfensterhilfe.h"
#include "support/Tabellen.h"
#include "support/TestMain.h"
#include "ui/abbild/TFAbbild.h"
#include "ui/abbild/TFInfo.h"
#include "ui/bausteine/Skin.h"
#include "ui/editor/TFEingabe.h"
#include "ui/hilfe/TFHilfe.h"
#include "ui/internet/TFNeu.h"
#include "ui/internet/TFsptag.h"
#include "ui/statistik/TFScheine.h"
#include "ui/statistik/TFStatistik.h"

#include <QAbstractButton>
#include <QAbstractScrollArea>
#include <QAbstractSlider>
#include <QAbstractSpinBox>
#include <QAccessible>
#include <QComboBox>
#include <QLineEdit>
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
            {QStringLiteral("Hilfe"), [] { return new ui::TFHilfe; }},
        };
        anderes.reset(andere.at(welches)());
        return anderes.get();
    }
};

QStringList alleFenster() {
    return {"Hauptfenster", "Startfenster", "Spielschein-Editor", "Download-Fenster",     "Abbild",
            "Info",         "Update",       "Statistik",          "Mehrere Spielscheine", "Hilfe"};
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
        QVERIFY(anzahl >= 2);
        QVERIFY2(ohne.isEmpty(),
                 qPrintable(QStringLiteral("ohne Namen: ") + ohne.join(QStringLiteral(", "))));
        for (const auto& [n, elemente] : namen)
            QVERIFY2(elemente.size() == 1,
                     qPrintable(n + QStringLiteral(": ") + elemente.join(QStringLiteral(", "))));
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
