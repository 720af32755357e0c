#include "TFUebertragung.h"

#include "core/grund/Konstanten.h"
#include "core/grund/Zahlformat.h"
#include "ui/bausteine/Namen.h"

#include <QLabel>
#include <QProgressBar>
#include <QPushButton>
#include <QVBoxLayout>

#include <climits>

namespace ui {

TFUebertragung::TFUebertragung(const QString& datei, QWidget* eltern)
    : QDialog(eltern, Qt::Dialog | Qt::WindowTitleHint | Qt::WindowCloseButtonHint |
                          Qt::MSWindowsFixedSizeDialogHint) {
    setObjectName(QString::fromLatin1(namen::TFUebertragung));
    setWindowTitle(core::ProgrammName);
    auto* spalte = new QVBoxLayout(this);
    LDownload = new QLabel(QStringLiteral("Die Datei \"%1\" wird heruntergeladen.").arg(datei), this);
    LDownload->setObjectName(QString::fromLatin1(namen::LDownload));
    LDownload->setTextFormat(Qt::PlainText);
    LBytes = new QLabel(this);
    LBytes->setObjectName(QString::fromLatin1(namen::LBytes));
    balken_ = new QProgressBar(this);
    balken_->setObjectName(QString::fromLatin1(namen::UebertragungBalken));
    balken_->setAccessibleName(QStringLiteral("Fortschritt des Downloads"));
    balken_->setTextVisible(false);
    BAbbrechen = new QPushButton(QStringLiteral("Abbrechen"), this);
    BAbbrechen->setObjectName(QString::fromLatin1(namen::UebertragungAbbrechen));
    BAbbrechen->setAccessibleName(BAbbrechen->text());
    BAbbrechen->setDefault(true);
    spalte->addWidget(LDownload);
    spalte->addWidget(LBytes);
    spalte->addWidget(balken_);
    spalte->addWidget(BAbbrechen, 0, Qt::AlignRight);
    setFixedWidth(360);
    stand(0, 0);
    connect(BAbbrechen, &QPushButton::clicked, this, &TFUebertragung::abbrechen);
    // Escape and the close button: the transfer stops, its end closes the window.
    connect(this, &QDialog::rejected, this, &TFUebertragung::abbrechen);
}

void TFUebertragung::stand(qint64 bisher, qint64 gesamt) {
    LBytes->setText(
        gesamt > 0 ? QStringLiteral("%1 von %2 empfangen").arg(core::Bytetext(bisher), core::Bytetext(gesamt))
                   : QStringLiteral("%1 empfangen").arg(core::Bytetext(bisher)));
    if (gesamt <= 0) {
        balken_->setRange(0, 0); // moving, as long as the size is unknown
        return;
    }
    // The bar counts in int.
    const qint64 teiler = gesamt / INT_MAX + 1;
    balken_->setRange(0, int(gesamt / teiler));
    balken_->setValue(int(qMin(bisher, gesamt) / teiler));
}

} // namespace ui
