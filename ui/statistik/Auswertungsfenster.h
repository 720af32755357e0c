#pragma once

#include "ui/umgebung/Umgebung.h"
#include "ui/umgebung/Waechter.h"

#include <QFuture>
#include <QFutureWatcher>
#include <QPointer>
#include <QPromise>
#include <QWidget>
#include <QtConcurrent/QtConcurrentRun>

#include <array>
#include <exception>
#include <functional>

class QLabel;
class QProgressBar;
class QPushButton;
class QTableView;
class QVBoxLayout;

namespace core {
struct Auswertung;
}

namespace ui {

class Bericht;
struct Wert;

// The frame of a window that evaluates many files at once: its content, a progress bar while
// the files are read on a pool thread, the export as CSV and a close button. It is freed when
// closed; a run still going is cancelled then and its result dropped.
class Auswertungsfenster : public QWidget {
    Q_OBJECT
public:
    ~Auswertungsfenster() override;
    // From the start of a run until its results are shown.
    bool laeuft() const { return laeuft_; }

    // "Als CSV speichern...": the table as shown, followed by its total.
    void csvSpeichern();
    // "Als PDF speichern...": the tables and charts as shown.
    void pdfSpeichern();

signals:
    // A run has ended and its results are shown.
    void ausgewertet();

protected:
    Auswertungsfenster(Umgebung& umgebung, const QString& titel, const char* name, QWidget* parent);

    // The rank columns, the counts per rank as cells and the total line of counts and amount.
    static QStringList rangSpalten();
    static void rangWerte(std::vector<Wert>& zeile, const std::array<int, 7>& anzahl);
    // The total of an evaluation as its text shows it, sorted by its amount.
    static Wert gewinnWert(const core::Auswertung& auswertung);
    static void addieren(std::array<int, 7>& summe, const std::array<int, 7>& anzahl);
    static QStringList summenfelder(QStringList anfang, const std::array<int, 7>& anzahl,
                                    const QString& gewinn);
    static QString summentext(const QString& worueber, const std::array<int, 7>& anzahl,
                              const QString& gewinn);

    // arbeit(fortschritt, abbrechen) runs on a pool thread and returns a T; fertig(T) takes it on
    // this window's thread. fortschritt(i, n) moves the bar; abbrechen() tells that the window is
    // gone and the work may stop.
    template <typename T, typename Arbeit, typename Fertig> void starten(Arbeit arbeit, Fertig fertig) {
        auto* waechter = new QFutureWatcher<T>(this);
        verbinden(waechter, [this, waechter, fertig] {
            QFuture<T> ergebnis = waechter->future();
            waechter->deleteLater();
            Schuetzen(umgebung_.meldungen, [&] {
                ergebnis.waitForFinished(); // rethrows what the work threw
                if (ergebnis.resultCount() > 0)
                    fertig(ergebnis.takeResult());
            });
        });
        waechter->setFuture(QtConcurrent::run([arbeit = std::move(arbeit)](QPromise<T>& versprechen) {
            const std::function<void(int, int)> fortschritt = [&versprechen](int i, int n) {
                versprechen.setProgressRange(0, n);
                versprechen.setProgressValue(i);
            };
            const std::function<bool()> abbrechen = [&versprechen] { return versprechen.isCanceled(); };
            try {
                versprechen.addResult(arbeit(fortschritt, abbrechen));
            } catch (...) {
                versprechen.setException(std::current_exception());
            }
        }));
    }

    // What the export writes after the table: the total as one line, none when empty.
    virtual QStringList summenzeile() const = 0;
    // The PDF's content; by default the table as shown with its total line, and the total's text.
    virtual void berichtFuellen(Bericht& bericht) const;
    // The table as shown, its total line below: what the exports write.
    QList<QStringList> mitSumme() const;
    // The exports are offered once there is something to export.
    void exportErlauben(bool ja);

    Umgebung& umgebung_;
    QVBoxLayout* inhalt;           // the windows' own controls go here
    QTableView* tabelle = nullptr; // the table that is exported
    QLabel* summe;
    QPushButton* csv;
    QPushButton* pdf;

private:
    void verbinden(QFutureWatcherBase* waechter, const std::function<void()>& fertig);

    QProgressBar* laufbalken_;
    QPushButton* schliessen;
    QPointer<QFutureWatcherBase> lauf_;
    bool laeuft_ = false;
};

} // namespace ui
