#include "Uebertragungsbegleitung.h"

#include "ui/internet/TFUebertragung.h"
#include "ui/umgebung/Eingabesperre.h"

#include <QApplication>
#include <QPointer>
#include <QTimer>

#include <optional>

namespace ui {
namespace {

class Fortschrittsanzeige : public net::Begleitung::Anzeige {
public:
    Fortschrittsanzeige(const QString& datei, const std::function<void()>& abbrechen, bool eingabenZulassen,
                        int verzoegerungMs)
        : fenster_(new TFUebertragung(datei, QApplication::activeWindow())) {
        if (!eingabenZulassen) {
            sperre_.emplace();
            sperre_->ausser(fenster_);
        }
        QObject::connect(fenster_, &TFUebertragung::abbrechen, fenster_, abbrechen);
        zeitgeber_.setSingleShot(true);
        QObject::connect(&zeitgeber_, &QTimer::timeout, fenster_, [this] { zeigen(); });
        zeitgeber_.start(verzoegerungMs);
    }
    ~Fortschrittsanzeige() override {
        delete fenster_;
        if (gezeigt_)
            QGuiApplication::restoreOverrideCursor();
    }

    void stand(qint64 bisher, qint64 gesamt) override {
        if (fenster_)
            fenster_->stand(bisher, gesamt);
    }

private:
    void zeigen() {
        fenster_->show();
        fenster_->raise();
        fenster_->activateWindow();
        // Over the wait cursor of the command: "Abbrechen" is to be clicked.
        QGuiApplication::setOverrideCursor(Qt::ArrowCursor);
        gezeigt_ = true;
    }

    // Its parent, the window that fetches, may go first.
    QPointer<TFUebertragung> fenster_;
    std::optional<Eingabesperre> sperre_;
    QTimer zeitgeber_;
    bool gezeigt_ = false;
};

} // namespace

std::unique_ptr<net::Begleitung::Anzeige> Uebertragungsbegleitung::beginnen(const QString& datei,
                                                                            std::function<void()> abbrechen,
                                                                            bool eingabenZulassen) {
    return std::make_unique<Fortschrittsanzeige>(datei, abbrechen, eingabenZulassen, verzoegerungMs_);
}

} // namespace ui
