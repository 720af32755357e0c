#include "Berichtsausgabe.h"

#include "core/text/TextDatei.h"
#include "ui/bericht/Bericht.h"
#include "ui/umgebung/Umgebung.h"
#include "ui/umgebung/Wartezeiger.h"

#include <QApplication>
#include <QPageLayout>
#include <QPrinter>
#include <QProgressDialog>

namespace ui {
namespace {

// Shown once painting takes longer than a moment; the other windows wait, but stay painted.
class Seitenfortschritt {
public:
    explicit Seitenfortschritt(const QString& titel)
        : dialog_(QStringLiteral("Der Bericht wird erstellt ..."), QStringLiteral("Abbrechen"), 0, 1,
                  QApplication::activeWindow()) {
        dialog_.setWindowTitle(titel);
        dialog_.setWindowModality(Qt::ApplicationModal);
        dialog_.setMinimumDuration(500);
        dialog_.setAutoReset(false);
        dialog_.setAutoClose(false);
    }
    bool operator()(int seite, int seiten) {
        dialog_.setMaximum(seiten);
        dialog_.setValue(seite);
        dialog_.setLabelText(QStringLiteral("Seite %1 von %2").arg(seite).arg(seiten));
        // Until the dialog shows, no key or click may reach a window whose rows are being printed.
        QCoreApplication::processEvents(dialog_.isVisible() ? QEventLoop::AllEvents
                                                            : QEventLoop::ExcludeUserInputEvents);
        return !dialog_.wasCanceled();
    }

private:
    QProgressDialog dialog_;
};

} // namespace

void Berichtsausgabe::drucken(const Bericht& bericht) {
    umgebung_.drucker.vorschau(bericht.titel(), [&](QPrinter& drucker) {
        const Wartezeiger warten;
        drucker.setPageLayout(Bericht::seitenformat());
        Seitenfortschritt fortschritt(bericht.titel());
        if (!bericht.malen(drucker, std::ref(fortschritt)))
            drucker.abort();
    });
}

void Berichtsausgabe::alsPdfSpeichern(const Bericht& bericht, const QString& startOrdner,
                                      const QString& vorschlag) {
    const std::optional<GewaehlteDatei> datei = umgebung_.dialoge.speichern(
        {bericht.titel() + QStringLiteral(" als PDF speichern"), QStringLiteral("PDF-Dokument|*.pdf"),
         QStringLiteral("pdf"), startOrdner, vorschlag + QStringLiteral(".pdf"), true});
    if (!datei)
        return;
    const Wartezeiger warten;
    Seitenfortschritt fortschritt(bericht.titel());
    // Made whole in memory first: a stopped or failed report leaves the file as it was.
    const QByteArray pdf = bericht.pdf(std::ref(fortschritt));
    if (!pdf.isEmpty())
        core::TextDatei::bytesSchreiben(datei->pfad, pdf);
}

} // namespace ui
