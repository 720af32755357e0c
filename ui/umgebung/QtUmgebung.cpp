#include "QtUmgebung.h"

#include "settings/Ordner.h"

#include <QApplication>
#include <QDateTime>
#include <QDesktopServices>
#include <QFileDialog>
#include <QMessageBox>
#include <QPrintPreviewDialog>
#include <QPrinter>
#include <QProcess>
#include <QPushButton>
#include <QUrl>

#include <cstdlib>

namespace ui {
namespace {

QMessageBox::StandardButton zeige(QMessageBox::Icon symbol, const QString& titel, const QString& text,
                                  bool jaNein, Meldungen::Ort ort = Meldungen::Ort::Fenster) {
    QMessageBox box(symbol, titel, text, QMessageBox::NoButton,
                    ort == Meldungen::Ort::Fenster ? QApplication::activeWindow() : nullptr);
    // Messages quote names and fields from outside: never markup. Their text can be copied.
    box.setTextFormat(Qt::PlainText);
    box.setTextInteractionFlags(Qt::TextSelectableByMouse);
    if (jaNein) {
        box.addButton(QStringLiteral("&Ja"), QMessageBox::YesRole);
        QPushButton* nein = box.addButton(QStringLiteral("&Nein"), QMessageBox::NoRole);
        box.setDefaultButton(nein);
        box.exec();
        return box.clickedButton() == nein ? QMessageBox::No : QMessageBox::Yes;
    }
    box.addButton(QStringLiteral("OK"), QMessageBox::AcceptRole);
    box.exec();
    return QMessageBox::Ok;
}

QString standardEndungAnhaengen(QString pfad, const QString& endung) {
    if (!endung.isEmpty() && QFileInfo(pfad).suffix().isEmpty())
        pfad += u'.' + endung;
    return pfad;
}

// "CSV-Datei (*.csv)" -> "csv"; a filter of several patterns keeps the default.
QString filterEndung(const QString& filter, const QString& vorgabe) {
    const qsizetype auf = filter.lastIndexOf(u'(');
    const QString muster = filter.mid(auf + 1).chopped(filter.endsWith(u')') ? 1 : 0).trimmed();
    if (auf < 0 || muster.contains(u' ') || !muster.startsWith(QStringLiteral("*.")))
        return vorgabe;
    return muster.mid(2);
}

} // namespace

void QtMeldungen::information(const QString& text) {
    zeige(QMessageBox::Information, QStringLiteral("Information"), text, false);
}

void QtMeldungen::warnung(const QString& text) {
    zeige(QMessageBox::Warning, QStringLiteral("Warnung"), text, false);
}

void QtMeldungen::fehler(const QString& text, Ort ort) {
    zeige(QMessageBox::Critical, QStringLiteral("Fehler"), text, false, ort);
}

bool QtMeldungen::frage(const QString& text) {
    return zeige(QMessageBox::Question, QStringLiteral("Bestätigen"), text, true) == QMessageBox::Yes;
}

QString QtDateiDialoge::qtFilter(const QString& filter) {
    const QStringList teile = filter.split(u'|');
    QStringList filter2;
    for (qsizetype i = 0; i + 1 < teile.size(); i += 2)
        filter2.append(teile[i] + QStringLiteral(" (") + QString(teile[i + 1]).replace(u';', u' ') + u')');
    return filter2.join(QStringLiteral(";;"));
}

namespace {

QStringList oeffnenDialog(const DialogAuftrag& auftrag, QFileDialog::FileMode modus) {
    QFileDialog dialog(QApplication::activeWindow(), auftrag.titel, auftrag.startOrdner,
                       QtDateiDialoge::qtFilter(auftrag.filter));
    dialog.setAcceptMode(QFileDialog::AcceptOpen);
    dialog.setFileMode(modus);
    dialog.setDefaultSuffix(auftrag.standardEndung);
    if (dialog.exec() != QDialog::Accepted)
        return {};
    return dialog.selectedFiles();
}

} // namespace

std::optional<QString> QtDateiDialoge::oeffnen(const DialogAuftrag& auftrag) {
    const QStringList dateien = oeffnenDialog(auftrag, QFileDialog::ExistingFile);
    if (dateien.isEmpty())
        return std::nullopt;
    return dateien.constFirst();
}

QStringList QtDateiDialoge::mehrereOeffnen(const DialogAuftrag& auftrag) {
    return oeffnenDialog(auftrag, QFileDialog::ExistingFiles);
}

std::optional<GewaehlteDatei> QtDateiDialoge::speichern(const DialogAuftrag& auftrag) {
    QFileDialog dialog(QApplication::activeWindow(), auftrag.titel, auftrag.startOrdner,
                       qtFilter(auftrag.filter));
    dialog.setAcceptMode(QFileDialog::AcceptSave);
    dialog.setFileMode(QFileDialog::AnyFile);
    dialog.setDefaultSuffix(auftrag.standardEndung);
    if (!auftrag.ueberschreibenFragen)
        dialog.setOption(QFileDialog::DontConfirmOverwrite);
    if (!auftrag.vorschlag.isEmpty())
        dialog.selectFile(auftrag.vorschlag);
    // A name typed without extension gets the one of the chosen filter ("CSV-Datei" gives .csv).
    QString endung = auftrag.standardEndung;
    QObject::connect(&dialog, &QFileDialog::filterSelected, &dialog, [&](const QString& gewaehlt) {
        endung = filterEndung(gewaehlt, auftrag.standardEndung);
        dialog.setDefaultSuffix(endung);
    });
    if (dialog.exec() != QDialog::Accepted || dialog.selectedFiles().isEmpty())
        return std::nullopt;
    const QStringList filter = qtFilter(auftrag.filter).split(QStringLiteral(";;"));
    const int index = int(filter.indexOf(dialog.selectedNameFilter())) + 1;
    return GewaehlteDatei{standardEndungAnhaengen(dialog.selectedFiles().constFirst(), endung),
                          index > 0 ? index : 1};
}

bool QtShell::oeffnen(const QString& adresse) {
    return QDesktopServices::openUrl(QUrl(adresse));
}

bool QtShell::programmStarten(const QString& programm, bool) {
    return QProcess::startDetached(programm, {});
}

void QtShell::sofortBeenden() {
    std::_Exit(0);
}

void QtDrucker::vorschau(const QString& titel, const std::function<void(QPrinter&)>& malen) {
    QPrinter drucker(QPrinter::HighResolution);
    drucker.setDocName(titel);
    drucker.setPageSize(QPageSize(QPageSize::A4));
    QPrintPreviewDialog vorschau(&drucker, QApplication::activeWindow());
    vorschau.setWindowTitle(titel);
    QObject::connect(&vorschau, &QPrintPreviewDialog::paintRequested, &vorschau,
                     [&malen](QPrinter* p) { malen(*p); });
    vorschau.exec();
}

QDate QtUhr::heute() {
    return QDate::currentDate();
}

std::uint32_t QtUhr::zufallsSeed() {
    return std::uint32_t(QDateTime::currentMSecsSinceEpoch());
}

QString QtUmgebung::probeFile() {
    return settings::Ordner::ermitteln(QCoreApplication::applicationDirPath()).ProbeFile;
}

} // namespace ui
