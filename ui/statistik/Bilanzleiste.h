#pragma once

#include "core/statistik/Bilanz.h"

#include <QWidget>

#include <cstdint>

class QComboBox;
class QDateEdit;
class QLabel;
class QLineEdit;
class QSpinBox;

namespace ui {

class Meldungen;

// Above the statistics: the stake per row, kept in the settings file, and the period of matchdays.
class Bilanzleiste : public QWidget {
    Q_OBJECT
public:
    Bilanzleiste(Meldungen& meldungen, QString optionenDatei, QWidget* parent);

    // In cents; 0 while no stake is set.
    std::int64_t einsatz() const { return einsatz_; }
    bool mitEinsatz() const { return !gemerkt_.isEmpty(); }
    core::Zeitraum zeitraum() const;
    // Stake and period in words, for a report.
    QString beschreibung() const;
    // The period's dates offered from the first to the last matchday.
    void datenAnbieten(QDate erster, QDate letzter);

signals:
    // The stake or the period changed.
    void geaendert();

private:
    // A stake that is no amount is refused with the rule, and the last one stays.
    void einsatzUebernehmen();
    void zeitraumAnpassen();

    Meldungen& meldungen_;
    QString optionenDatei_;
    QLineEdit* einsatzFeld_;
    QComboBox* art_;
    QSpinBox* letzte_;
    QDateEdit* von_;
    QLabel* bisWort_;
    QDateEdit* bis_;
    QString gemerkt_; // the stake as last accepted
    std::int64_t einsatz_ = 0;
};

} // namespace ui
