#pragma once

#include <QPlainTextEdit>

namespace ui {

// The slip editor's text field. Tabs become commas before pasted or loaded text goes in, so
// that a long text is laid out once, not again for its tabs.
class Textfeld : public QPlainTextEdit {
    Q_OBJECT
public:
    using QPlainTextEdit::QPlainTextEdit;

    static QString ohneTabs(const QString& text);
    // A text read from a file: line ends CR LF, LF or CR; the caret at the start.
    void laden(QString text);

protected:
    void insertFromMimeData(const QMimeData* quelle) override;
};

} // namespace ui
