#pragma once

#include <QObject>
#include <QString>

class QAbstractButton;

namespace ui {

class Meldungen;

// The files opened last, offered by a right click on an open button, or by the menu key or
// Shift+F10 while it has the focus. A file that is gone is taken off the list with a note.
class Zuletztmenue : public QObject {
    Q_OBJECT
public:
    // art is one of settings::Zuletzt's kinds; ordner: folders are offered instead of files.
    Zuletztmenue(QAbstractButton* knopf, Meldungen& meldungen, QString optionenDatei, const char* art,
                 bool ordner = false);

signals:
    // An entry was chosen whose file (or folder) is there.
    void gewaehlt(const QString& pfad);

protected:
    bool eventFilter(QObject* objekt, QEvent* ereignis) override;

private:
    void zeigen(const QPoint& ort);
    void waehlen(const QString& pfad);

    QAbstractButton* knopf_;
    Meldungen& meldungen_;
    QString optionenDatei_;
    const char* art_;
    bool ordner_;
};

} // namespace ui
