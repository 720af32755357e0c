#pragma once

#include <QObject>

namespace ui {

struct Umgebung;

// The web pages the program opens in the browser: the donation page, the introduction video and
// the page of the larger program. Each asks for a connection first and otherwise says why not.
class WebVerweise : public QObject {
    Q_OBJECT
public:
    explicit WebVerweise(Umgebung& umgebung, QObject* eltern = nullptr);

public slots:
    void spendenSeiteOeffnen();
    void videoOeffnen();
    void plusSeiteOeffnen();

private:
    void oeffnen(const QString& adresse, const QString& ohneVerbindung);

    Umgebung& umgebung_;
};

} // namespace ui
