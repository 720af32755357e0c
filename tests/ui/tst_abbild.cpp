#include "settings/IniDatei.h"
#include "settings/Ordner.h"
#include "support/Dateigrenze.h"
#include "support/FakeUmgebung.h"
#include "support/Tabellen.h"
#include "support/TestMain.h"
#include "ui/abbild/Abbilder.h"
#include "ui/abbild/TFAbbild.h"
#include "ui/bausteine/Namen.h"
#include "ui/bausteine/Skin.h"
#include "ui/hauptfenster/AuswertungsBereich.h"

#include <QClipboard>
#include <QLabel>
#include <QPainter>
#include <QPointer>
#include <QSlider>
#include <QToolButton>

#include <cstdio>
#include <memory>
#include <utility>

#include <jpeglib.h>

using testhilfe::FakeUmgebung;
namespace namen = ui::namen;

namespace {

const QString Abbild = QStringLiteral("Abbild");
const QString Pfad = QStringLiteral("Pfad");

// A JPEG file read back with the library.
struct Jpeg {
    QImage bild;
    bool progressiv = false;
    int komponenten = 0;
    int ersteQuantisierung = 0; // the DC step of the luminance table
};

Jpeg jpegLesen(const QByteArray& bytes) {
    Jpeg j;
    jpeg_decompress_struct info{};
    jpeg_error_mgr fehler{};
    info.err = jpeg_std_error(&fehler);
    jpeg_create_decompress(&info);
    jpeg_mem_src(&info, reinterpret_cast<const unsigned char*>(bytes.constData()), bytes.size());
    jpeg_read_header(&info, TRUE);
    j.progressiv = info.progressive_mode;
    j.komponenten = info.num_components;
    j.ersteQuantisierung = info.quant_tbl_ptrs[0]->quantval[0];
    info.out_color_space = JCS_RGB;
    jpeg_start_decompress(&info);
    j.bild = QImage(int(info.output_width), int(info.output_height), QImage::Format_RGB888);
    while (info.output_scanline < info.output_height) {
        JSAMPROW zeile = j.bild.scanLine(int(info.output_scanline));
        jpeg_read_scanlines(&info, &zeile, 1);
    }
    jpeg_finish_decompress(&info);
    jpeg_destroy_decompress(&info);
    return j;
}

// Mean difference per colour channel, 0..255.
double abweichung(const QImage& a, const QImage& b) {
    const QImage x = a.convertToFormat(QImage::Format_RGB32);
    const QImage y = b.convertToFormat(QImage::Format_RGB32);
    double summe = 0;
    for (int r = 0; r < x.height(); ++r)
        for (int c = 0; c < x.width(); ++c) {
            const QRgb p = x.pixel(c, r);
            const QRgb q = y.pixel(c, r);
            summe += qAbs(qRed(p) - qRed(q)) + qAbs(qGreen(p) - qGreen(q)) + qAbs(qBlue(p) - qBlue(q));
        }
    return summe / (3.0 * x.width() * x.height());
}

// The evaluation column on its own, with fresh folders, and the snapshot windows of one run.
struct Hilfe {
    FakeUmgebung umgebung;
    settings::Ordner ordner;
    std::unique_ptr<ui::AuswertungsBereich> spalte;
    std::unique_ptr<ui::Abbilder> abbilder;
    QList<QPointer<ui::TFAbbild>> fenster;

    Hilfe() {
        ordner = settings::Ordner::ermitteln(QCoreApplication::applicationDirPath());
        QDir(ordner.DataRoot).removeRecursively();
        ordner.anlegen();
        spalte = std::make_unique<ui::AuswertungsBereich>(umgebung.get(), ordner, nullptr);
        abbilder = std::make_unique<ui::Abbilder>(umgebung.get(), ordner);
    }
    ~Hilfe() { qDeleteAll(fenster); }
    // The program started again: a new run with the settings file of the last.
    void neustart() {
        qDeleteAll(std::exchange(fenster, {}));
        abbilder = std::make_unique<ui::Abbilder>(umgebung.get(), ordner);
    }
    settings::IniDatei optionen() const { return settings::IniDatei(ordner.optionenDatei()); }
    template <typename T> static T* finde(QWidget* w, const char* name) {
        T* t = w->findChild<T*>(QString::fromLatin1(name));
        if (!t)
            qFatal("%s fehlt", name);
        return t;
    }
    void scheinEinlesen(const QString& name) {
        const QString pfad = testhilfe::dateiSchreiben(
            ordner.SlipDir + name, "1,2,3,4,5,6\r\n7,8,9,10,11,12\r\n40,41,42,43,44,45\r\n");
        umgebung.antworteOeffnen(pfad);
        QTest::mouseClick(finde<QToolButton>(spalte.get(), namen::SpielscheinEinlesen), Qt::LeftButton);
    }
    QString titel() const { return ui::Abbilder::titel(finde<QLabel>(spalte.get(), namen::LDatei)->text()); }
    ui::TFAbbild* abbild(int zeilenWeg = 0) {
        fenster.push_back(abbilder->BildschirmAbbild(spalte.get(), titel(), zeilenWeg, 81));
        return fenster.back();
    }
    static void klick(ui::TFAbbild* f, const char* name) {
        QTest::mouseClick(finde<QToolButton>(f, name), Qt::LeftButton);
    }
    void speichern(ui::TFAbbild* f, const QString& pfad, int qualitaet = 100) {
        finde<QSlider>(f, namen::Slider1)->setValue(qualitaet);
        umgebung.antworteSpeichern(pfad);
        klick(f, namen::AbbildSpeichern);
    }
    QString gespeicherterOrdner() const {
        return optionen().leseText(Abbild, Pfad, QStringLiteral("<fehlt>"));
    }
};

} // namespace

class TstAbbild : public QObject {
    Q_OBJECT
private slots:
    void initTestCase() { ui::Skin::schriftenZuordnen(); }

    void titel_data() {
        QTest::addColumn<QString>("label");
        QTest::addColumn<QString>("titel");
        QTest::newRow("Schein1.txt") << "Schein1.txt"
                                     << "Schein1";
        QTest::newRow("andere Endung") << "tipps.csv"
                                       << "tipps";
        QTest::newRow("nur Endung") << ".txt"
                                    << "";
        QTest::newRow("kein Schein") << ""
                                     << "";
    }
    void titel() {
        QFETCH(QString, label);
        QFETCH(QString, titel);
        QCOMPARE(ui::Abbilder::titel(label), titel);
    }

    void mitEndung_data() {
        QTest::addColumn<QString>("gewaehlt");
        QTest::addColumn<QString>("endung");
        QTest::addColumn<QString>("geschrieben");
        QTest::newRow("png") << "/a/bild.png"
                             << "jpg"
                             << "/a/bild.jpg";
        QTest::newRow("ohne") << "/a/bild"
                              << "jpg"
                              << "/a/bild.jpg";
        QTest::newRow("jpg") << "/a/bild.jpg"
                             << "jpg"
                             << "/a/bild.jpg";
        QTest::newRow("jpg als png") << "/a/bild.jpg"
                                     << "png"
                                     << "/a/bild.png";
        QTest::newRow("zwei Punkte") << "/a/bild.x.png"
                                     << "jpg"
                                     << "/a/bild.x.jpg";
        QTest::newRow("Punkt im Ordner") << "/a.b/bild"
                                         << "png"
                                         << "/a.b/bild.png";
        QTest::newRow("Punkt vorn") << "/a/.bild"
                                    << "jpg"
                                    << "/a/.bild.jpg";
    }
    void mitEndung() {
        QFETCH(QString, gewaehlt);
        QFETCH(QString, endung);
        QFETCH(QString, geschrieben);
        QCOMPARE(ui::TFAbbild::mitEndung(gewaehlt, endung), geschrieben);
    }

    // PNG beside JPEG: the picture exactly as captured, whatever the quality slider says.
    void alsPngVerlustfrei() {
        Hilfe h;
        h.scheinEinlesen(QStringLiteral("Schein1.txt"));
        ui::TFAbbild* f = h.abbild();
        Hilfe::finde<QSlider>(f, namen::Slider1)->setValue(36);
        h.umgebung.antworteSpeichern(h.ordner.ShotsDir + QStringLiteral("bild.jpg"), 2);
        h.klick(f, namen::AbbildSpeichern);
        QCOMPARE(QDir(h.ordner.ShotsDir).entryList(QDir::Files), QStringList{"bild.png"});
        const QByteArray bytes = testhilfe::dateiLesen(h.ordner.ShotsDir + QStringLiteral("bild.png"));
        QVERIFY(bytes.startsWith("\x89PNG"));
        QCOMPARE(QImage::fromData(bytes).convertToFormat(QImage::Format_RGB32),
                 f->bild().convertToFormat(QImage::Format_RGB32));
        QCOMPARE(h.gespeicherterOrdner(), h.ordner.ShotsDir);
        QVERIFY(h.umgebung.meldungen.empty());
    }

    void titelUndVorschlagVomSpielschein() {
        Hilfe h;
        QDir(h.ordner.ShotsDir).removeRecursively();
        h.scheinEinlesen(QStringLiteral("Schein1.txt"));
        ui::TFAbbild* f = h.abbild();
        QCOMPARE(f->objectName(), QStringLiteral("FAbbild1"));
        QCOMPARE(f->windowTitle(), QStringLiteral("Schein1"));
        QVERIFY(f->isVisible());
        QVERIFY(QFileInfo(h.ordner.ShotsDir).isDir()); // made again when missing
        h.umgebung.antworteSpeichern(std::nullopt);
        h.klick(f, namen::AbbildSpeichern);
        QCOMPARE(h.umgebung.speichernAuftraege.size(), std::size_t(1));
        const ui::DialogAuftrag& d = h.umgebung.speichernAuftraege[0];
        QCOMPARE(d.titel, QStringLiteral("Abbildung speichern"));
        QCOMPARE(d.filter, QStringLiteral("Abbildungen|*.jpg|PNG-Abbildungen, verlustfrei|*.png"));
        QCOMPARE(d.standardEndung, QStringLiteral("jpg"));
        QCOMPARE(d.startOrdner, h.ordner.DataRoot + QStringLiteral("shots/"));
        QCOMPARE(d.vorschlag, QStringLiteral("Schein1"));
        QVERIFY(d.ueberschreibenFragen);
        // cancelled: nothing written, the folder stays
        QCOMPARE(QDir(h.ordner.ShotsDir).entryList(QDir::Files), QStringList());
        QCOMPARE(h.gespeicherterOrdner(), QStringLiteral("<fehlt>"));
        QVERIFY(h.umgebung.meldungen.empty());
    }

    void qualitaetUndProgressiv() {
        Hilfe h;
        h.scheinEinlesen(QStringLiteral("Schein1.txt"));
        const QImage spalte = h.spalte->grab().toImage();
        ui::TFAbbild* f = h.abbild();
        const QSlider* regler = Hilfe::finde<QSlider>(f, namen::Slider1);
        QCOMPARE(QList<int>({regler->value(), regler->minimum(), regler->maximum()}),
                 QList<int>({100, 36, 100}));
        h.speichern(f, h.ordner.ShotsDir + QStringLiteral("q36.jpg"), 36);
        h.speichern(f, h.ordner.ShotsDir + QStringLiteral("q100.jpg"), 100);
        const QByteArray klein = testhilfe::dateiLesen(h.ordner.ShotsDir + QStringLiteral("q36.jpg"));
        const QByteArray gross = testhilfe::dateiLesen(h.ordner.ShotsDir + QStringLiteral("q100.jpg"));
        QVERIFY2(gross.size() > 2 * klein.size(),
                 qPrintable(QStringLiteral("%1 / %2").arg(gross.size()).arg(klein.size())));
        const Jpeg j36 = jpegLesen(klein);
        const Jpeg j100 = jpegLesen(gross);
        for (const Jpeg* j : {&j36, &j100}) {
            QVERIFY(j->progressiv);
            QCOMPARE(j->komponenten, 3);
            QCOMPARE(j->bild.size(), QSize(404, 650));
        }
        // the standard luminance table's 16 scaled by 5000 / 36 per cent, and 1 throughout at 100
        QCOMPARE(j36.ersteQuantisierung, 22);
        QCOMPARE(j100.ersteQuantisierung, 1);
        // the footer aside, the column as it paints itself, within what JPEG loses
        QImage ohneFuss = j100.bild.convertToFormat(QImage::Format_RGB32);
        QPainter(&ohneFuss).drawImage(QPoint(351, 569), spalte.copy(351, 569, 50, 13));
        QVERIFY2(abweichung(ohneFuss, spalte) < 1.5,
                 qPrintable(QString::number(abweichung(ohneFuss, spalte))));
        QVERIFY2(abweichung(j36.bild, spalte) < 8, qPrintable(QString::number(abweichung(j36.bild, spalte))));
    }

    void zwischenablageExaktMitFuss_data() {
        QTest::addColumn<int>("hoehe");
        QTest::addColumn<int>("zeilenWeg");
        QTest::addColumn<QRect>("fuss");
        QTest::addColumn<QSize>("fenster");
        QTest::addColumn<bool>("imFenster"); // the column at its place in a larger window
        QTest::newRow("Entwurfsgröße") << 650 << 0 << QRect(351, 569, 50, 13) << QSize(404, 730) << false;
        QTest::newRow("im Fenster") << 650 << 0 << QRect(351, 569, 50, 13) << QSize(404, 730) << true;
        QTest::newRow("höheres Fenster") << 750 << 0 << QRect(351, 669, 50, 13) << QSize(404, 830) << true;
        QTest::newRow("Zeilen weggelassen")
            << 650 << 50 << QRect(351, 519, 50, 13) << QSize(404, 680) << false;
    }
    void zwischenablageExaktMitFuss() {
        QFETCH(int, hoehe);
        QFETCH(int, zeilenWeg);
        QFETCH(QRect, fuss);
        QFETCH(QSize, fenster);
        QFETCH(bool, imFenster);
        QWidget haupt;
        Hilfe h;
        h.scheinEinlesen(QStringLiteral("Schein1.txt"));
        if (imFenster) {
            haupt.resize(962, hoehe + 60);
            h.spalte->setParent(&haupt);
            h.spalte->move(558, 40);
            haupt.show();
        }
        h.spalte->resize(404, hoehe);
        const QImage spalte = h.spalte->grab().toImage().convertToFormat(QImage::Format_RGB32);
        ui::TFAbbild* f = h.abbild(zeilenWeg);
        QCOMPARE(f->size(), fenster);
        QApplication::clipboard()->clear();
        h.klick(f, namen::AbbildKopieren);
        const QImage bild = QApplication::clipboard()->image().convertToFormat(QImage::Format_RGB32);
        QCOMPARE(bild.size(), QSize(404, hoehe - zeilenWeg));
        int anders = 0;
        int schrift = 0;
        for (int y = 0; y < bild.height(); ++y)
            for (int x = 0; x < bild.width(); ++x) {
                const QColor c = bild.pixelColor(x, y);
                if (!fuss.contains(x, y))
                    anders += c != spalte.pixelColor(x, y);
                else
                    schrift += c.red() > 150 && c.blue() > 150;
            }
        QCOMPARE(anders, 0);
        QCOMPARE(bild.pixelColor(fuss.topLeft()), QColor(0, 64, 128));
        QCOMPARE(bild.pixelColor(fuss.bottomRight()), QColor(0, 64, 128));
        QVERIFY2(schrift > 20, qPrintable(QString::number(schrift)));
        QVERIFY(h.umgebung.meldungen.empty());
    }

    void speicherordnerNachSpeichernUndNeustart() {
        Hilfe h;
        const QString neu = h.ordner.DataRoot + QStringLiteral("neu/");
        QDir().mkpath(neu);
        h.speichern(h.abbild(), neu + QStringLiteral("bild.png"));
        QCOMPARE(QDir(neu).entryList(QDir::Files), QStringList{"bild.jpg"});
        QCOMPARE(h.gespeicherterOrdner(), neu);
        for (int lauf = 0; lauf < 2; ++lauf) { // the next window, then one after a restart
            h.umgebung.antworteSpeichern(std::nullopt);
            h.klick(h.abbild(), namen::AbbildSpeichern);
            QCOMPARE(h.umgebung.speichernAuftraege.back().startOrdner, neu);
            h.neustart();
        }
        QVERIFY(h.umgebung.meldungen.empty());
    }

    void zweiFensterSpeichernIhrEigenesBild() {
        Hilfe h;
        h.scheinEinlesen(QStringLiteral("Schein1.txt"));
        ui::TFAbbild* erstes = h.abbild();
        h.spalte->resize(404, 700);
        ui::TFAbbild* zweites = h.abbild();
        QCOMPARE(zweites->objectName(), QStringLiteral("FAbbild2"));
        QCOMPARE(zweites->windowTitle(), erstes->windowTitle());
        h.speichern(zweites, h.ordner.ShotsDir + QStringLiteral("zwei"));
        h.speichern(erstes, h.ordner.ShotsDir + QStringLiteral("eins"));
        const auto groesse = [&](const char* name) {
            return jpegLesen(testhilfe::dateiLesen(h.ordner.ShotsDir + QLatin1String(name))).bild.size();
        };
        QCOMPARE(groesse("eins.jpg"), QSize(404, 650));
        QCOMPARE(groesse("zwei.jpg"), QSize(404, 700));
    }

    // The places of the window as designed where it fits a screen of 1024 x 768 pixels, else moved
    // just inside.
    void fensterposition_data() {
        QTest::addColumn<QPoint>("gespeichert"); // (-1, -1): no settings file
        QTest::addColumn<int>("hoehe");          // of the evaluation column; the window has 80 more
        QTest::addColumn<QPoint>("ort");
        QTest::newRow("ohne Datei") << QPoint(-1, -1) << 580 << QPoint(0, 70);
        QTest::newRow("ohne Datei, zu hoch") << QPoint(-1, -1) << 650 << QPoint(0, 38);
        QTest::newRow("gespeichert") << QPoint(150, 80) << 580 << QPoint(150, 80);
        QTest::newRow("links negativ") << QPoint(-200, 90) << 580 << QPoint(0, 90);
        QTest::newRow("rechts hinaus") << QPoint(900, 20) << 580 << QPoint(384, 20);
    }
    void fensterposition() {
        QFETCH(QPoint, gespeichert);
        QFETCH(int, hoehe);
        QFETCH(QPoint, ort);
        Hilfe h;
        h.spalte->resize(404, hoehe);
        if (gespeichert != QPoint(-1, -1))
            settings::FensterpositionSpeichern(h.optionen(), QStringLiteral("FAbbild"), gespeichert.x(),
                                               gespeichert.y());
        ui::TFAbbild* f = h.abbild();
        QCOMPARE(f->pos(), ort);
        // the position button of any snapshot window places every later one
        f->move(120, 20);
        h.klick(f, namen::AbbildPosition);
        QCOMPARE(h.abbild()->pos(), QPoint(120, 20));
    }

    void fehlgeschlagenesSchreibenLaesstAllesStehen_data() {
        QTest::addColumn<bool>("vollePlatte");
        QTest::addColumn<QString>("grund");
        QTest::newRow("volle Platte") << true << "Die Datei ist zu groß.";
        QTest::newRow("Ordner fehlt") << false << "Die Datei oder der Ordner existiert nicht.";
    }
    void fehlgeschlagenesSchreibenLaesstAllesStehen() {
        QFETCH(bool, vollePlatte);
        QFETCH(QString, grund);
        Hilfe h;
        h.speichern(h.abbild(), h.ordner.ShotsDir + QStringLiteral("erst.jpg"));
        const QString alt = testhilfe::dateiSchreiben(h.ordner.DataRoot + QStringLiteral("alt.jpg"), "alt");
        const QString ziel = vollePlatte ? alt : h.ordner.DataRoot + QStringLiteral("fehlt/alt.jpg");
        ui::TFAbbild* f = h.abbild();
        testhilfe::mitDateigrenze(vollePlatte ? 100 : RLIM_INFINITY, [&] { h.speichern(f, ziel); });
        QVERIFY2(
            h.umgebung.nurMeldung(
                FakeUmgebung::Art::Fehler,
                QStringLiteral("Die Datei \"%1\" kann nicht geschrieben werden.\n\n%2").arg(ziel, grund)),
            qPrintable(h.umgebung.meldungstexte()));
        QCOMPARE(testhilfe::dateiLesen(alt), QByteArray("alt"));
        QCOMPARE(h.abbilder->speicherOrdner(), h.ordner.ShotsDir);
        QCOMPARE(h.gespeicherterOrdner(), h.ordner.ShotsDir);
        QCOMPARE(QDir(h.ordner.DataRoot).entryList(QDir::Files), QStringList{"alt.jpg"});
    }

    void andereEndungFragtVorDemErsetzen_data() {
        QTest::addColumn<bool>("ersetzen");
        QTest::newRow("ersetzen") << true;
        QTest::newRow("behalten") << false;
    }
    void andereEndungFragtVorDemErsetzen() {
        QFETCH(bool, ersetzen);
        Hilfe h;
        const QString alt = testhilfe::dateiSchreiben(h.ordner.ShotsDir + QStringLiteral("bild.jpg"), "alt");
        h.umgebung.antworteFrage(ersetzen);
        h.speichern(h.abbild(), h.ordner.ShotsDir + QStringLiteral("bild.png"));
        QVERIFY(h.umgebung.nurMeldung(
            FakeUmgebung::Art::Frage,
            QStringLiteral("Die Datei \"%1\" existiert bereits.\nSoll sie ersetzt werden?").arg(alt)));
        QCOMPARE(testhilfe::dateiLesen(alt).startsWith("\xFF\xD8"), ersetzen);
        QCOMPARE(h.gespeicherterOrdner(), ersetzen ? h.ordner.ShotsDir : QStringLiteral("<fehlt>"));
    }

    void keinBildImSpeicher() {
        Hilfe h;
        ui::TFAbbild* f = h.abbild(650);
        QCOMPARE(f->size(), QSize(404, 80));
        for (const char* knopf : {namen::AbbildSpeichern, namen::AbbildKopieren}) {
            h.umgebung.zuruecksetzen();
            h.klick(f, knopf);
            QVERIFY(
                h.umgebung.nurMeldung(FakeUmgebung::Art::Warnung, QStringLiteral("Kein Bild im Speicher")));
        }
        QVERIFY(h.umgebung.speichernAuftraege.empty());
    }

    void bedienelementeHabenNamenUndSchliessenGibtFrei() {
        Hilfe h;
        QPointer<ui::TFAbbild> f = h.abbild();
        int bedienbar = 0;
        for (QWidget* w : f->findChildren<QWidget*>())
            if (w->focusPolicy() != Qt::NoFocus || qobject_cast<QAbstractButton*>(w)) {
                ++bedienbar;
                QVERIFY2(!w->accessibleName().isEmpty(), qPrintable(w->objectName()));
            }
        QCOMPARE(bedienbar, 5); // close, position, save, slider, copy
        h.klick(f, namen::BClose);
        QTRY_VERIFY(f.isNull());
    }
};

REMISATOR_TEST_MAIN(TstAbbild)
#include "tst_abbild.moc"
