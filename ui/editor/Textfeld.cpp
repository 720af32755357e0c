#include "Textfeld.h"

#include "core/text/XStringReplace.h"

#include <QMimeData>

namespace ui {

QString Textfeld::ohneTabs(const QString& text) {
    return core::XStringReplace(text, QStringLiteral("\t"), QStringLiteral(","),
                                core::ErsetzOption::ReplaceAll);
}

void Textfeld::laden(QString text) {
    text.replace(QStringLiteral("\r\n"), QStringLiteral("\n")).replace(u'\r', u'\n');
    setPlainText(ohneTabs(text));
    moveCursor(QTextCursor::Start);
}

void Textfeld::insertFromMimeData(const QMimeData* quelle) {
    // As plain text, the way the field takes it anyway, without building a document fragment first.
    if (quelle && quelle->hasText())
        insertPlainText(ohneTabs(quelle->text()));
}

} // namespace ui
