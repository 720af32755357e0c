#include "Skin.h"

#include "ui/bausteine/Ikonen.h"

#include <QApplication>
#include <QColor>
#include <QFont>
#include <QPalette>
#include <QWidget>

namespace ui {

void Skin::schriftenZuordnen() {
    QFont::insertSubstitution(QStringLiteral("Tahoma"), QStringLiteral("DejaVu Sans"));
    QFont::insertSubstitution(QStringLiteral("Calibri"), QStringLiteral("Carlito"));
    QFont::insertSubstitution(QStringLiteral("Arial"), QStringLiteral("Liberation Sans"));
    QFont::insertSubstitution(QStringLiteral("Arial Rounded MT Bold"), QStringLiteral("Comfortaa"));
}

const char* Skin::stilvorlage() {
    return R"(
QWidget { color: #1B1F24; }
QWidget#TFGewonnen, QWidget#TFEingabe, QWidget#TFStart, ui--TFAbbild, QWidget#TFsptag, ui--TFNeu,
ui--TFInfo { background: #E9EDF1; }
QFrame[rolle="leiste"] {
    background: qlineargradient(x1:0, y1:0, x2:0, y2:1, stop:0 #F7F9FB, stop:1 #D5DCE3);
    border: 1px solid #AEB8C2; border-radius: 2px;
}
QFrame[rolle="flaeche"] { background: #F3F5F7; border: 1px solid #B9C2CB; border-radius: 2px; }
QFrame[rolle="rahmenlos"] { background: transparent; border: none; }
QLabel { background: transparent; }
QLabel[rolle="vertieft"] { background: #FFFFFF; border: 1px solid #8D99A6; }
QToolButton {
    background: qlineargradient(x1:0, y1:0, x2:0, y2:1, stop:0 #FFFFFF, stop:1 #DCE3EA);
    border: 1px solid #9AA6B2; border-radius: 3px; padding: 1px 3px;
}
QToolButton:hover { background: qlineargradient(x1:0, y1:0, x2:0, y2:1, stop:0 #FFFFFF, stop:1 #C9E2F7); border-color: #4B8CC8; }
QToolButton:pressed { background: #B7D3EC; }
QToolButton:disabled { color: #8C959E; background: #E4E8EC; border-color: #C3CAD1; }
QToolButton:focus { border: 2px solid #2F6FB0; padding: 0px 2px; }
QLineEdit { background: #FFFFFF; border: 1px solid #8D99A6; padding: 0px; }
QLineEdit:focus { border: 1px solid #2F6FB0; }
QPlainTextEdit { background: #FFFFFF; border: 1px solid #8D99A6; }
QTableView { background: #FFFFFF; gridline-color: #C8CFD6; border: 1px solid #8D99A6; }
QTableView:focus { border: 1px solid #2F6FB0; }
QHeaderView::section { background: #DDE3EA; border: none; border-right: 1px solid #C8CFD6;
    border-bottom: 1px solid #C8CFD6; padding: 0px 0px 0px 2px; }
QScrollBar:vertical { background: #E4E8EC; width: 16px; border: 1px solid #B9C2CB; }
QScrollBar::handle:vertical { background: #AFC1D3; min-height: 20px; border-radius: 3px; margin: 1px; }
QScrollBar::add-line:vertical, QScrollBar::sub-line:vertical { height: 0px; }
QCheckBox { background: transparent; spacing: 4px; }
QCheckBox::indicator { width: 11px; height: 11px; background: #FFFFFF; border: 1px solid #5F6B77;
    border-radius: 2px; }
QCheckBox::indicator:checked { image: url(:/bilder/haken.svg); }
QCheckBox::indicator:disabled { background: #E4E8EC; border-color: #AEB8C2; }
QCheckBox::indicator:focus { width: 9px; height: 9px; border: 2px solid #2F6FB0; }
QTabWidget::pane { border: 1px solid #9AA6B2; background: #F3F5F7; }
QTabBar::tab { background: #DCE3EA; border: 1px solid #9AA6B2; padding: 2px 10px; margin-right: 1px; }
QTabBar::tab:selected { background: #F3F5F7; border-bottom-color: #F3F5F7; }
QSlider::groove:horizontal { height: 4px; background: #AEB8C2; border-radius: 2px; }
QSlider::handle:horizontal { width: 10px; margin: -5px 0; background: #4B8CC8; border-radius: 3px; }
QComboBox { background: #FFFFFF; border: 1px solid #8D99A6; padding: 1px 4px; }
QGroupBox { border: 1px solid #9AA6B2; border-radius: 3px; margin-top: 8px; padding-top: 4px; font-weight: bold; }
QGroupBox::title { subcontrol-origin: margin; left: 8px; padding: 0px 3px; }
QProgressBar { background: #FFFFFF; border: 1px solid #8D99A6; border-radius: 2px; text-align: center; }
QProgressBar::chunk { background: #2E8B57; }
)";
}

QPalette Skin::palette() {
    // Every role of every group is set, so that nothing of a dark desktop theme shows through.
    const QColor text(0x1B, 0x1F, 0x24);
    const QColor grau(0x8C, 0x95, 0x9E);
    QPalette p(text, QColor(0xE4, 0xE8, 0xEC), QColor(0xFF, 0xFF, 0xFF), QColor(0x9A, 0xA6, 0xB2),
               QColor(0xC3, 0xCA, 0xD1), text, QColor(0xFF, 0xFF, 0xFF), QColor(0xFF, 0xFF, 0xFF),
               QColor(0xE9, 0xED, 0xF1));
    for (const QPalette::ColorGroup g : {QPalette::Active, QPalette::Inactive, QPalette::Disabled}) {
        const bool aus = g == QPalette::Disabled;
        p.setColor(g, QPalette::WindowText, aus ? grau : text);
        p.setColor(g, QPalette::Text, aus ? grau : text);
        p.setColor(g, QPalette::ButtonText, aus ? grau : text);
        p.setColor(g, QPalette::AlternateBase, QColor(0xF3, 0xF5, 0xF7));
        p.setColor(g, QPalette::Highlight, aus ? grau : QColor(0x2F, 0x6F, 0xB0));
        p.setColor(g, QPalette::HighlightedText, QColor(0xFF, 0xFF, 0xFF));
        p.setColor(g, QPalette::ToolTipBase, QColor(0xFF, 0xFF, 0xE1));
        p.setColor(g, QPalette::ToolTipText, text);
        p.setColor(g, QPalette::PlaceholderText, grau);
        p.setColor(g, QPalette::Link, QColor(0x00, 0x00, 0x80));
        p.setColor(g, QPalette::LinkVisited, QColor(0x55, 0x1A, 0x8B));
        p.setColor(g, QPalette::NoRole, QColor());
    }
    return p;
}

void Skin::anwenden(QApplication& app) {
    schriftenZuordnen();
    // The check mark of the check boxes is a resource.
    Ikonen::bildPfad(QStringLiteral("haken"));
    app.setPalette(palette());
    QFont standard(QStringLiteral("Tahoma"));
    // DejaVu Sans runs wider than Tahoma, for which the layout was drawn; one pixel less keeps the
    // captions in their places.
    standard.setPixelSize(10);
    app.setFont(standard);
    app.setStyleSheet(QString::fromLatin1(stilvorlage()));
}

void Skin::fuellfarbe(QWidget* w, unsigned rgb) {
    w->setStyleSheet(QStringLiteral("background: %1;").arg(QColor::fromRgb(rgb).name()));
}

} // namespace ui
