#include "Bausteine.h"

#include "ui/bausteine/Ikonen.h"
#include "ui/bausteine/Knopf.h"

namespace ui {

QToolButton* Bausteine::knopf(QWidget* eltern, const char* name, const QString& text, const QString& ikone,
                              const QRect& ort, const QString& hinweis) {
    auto* k = new Knopf(eltern);
    k->setObjectName(QString::fromLatin1(name));
    k->setText(text);
    if (!ikone.isEmpty()) {
        k->setIcon(Ikonen::symbol(ikone));
        const int seite = qMin(ort.height() - 8, 24);
        k->setIconSize(QSize(seite, seite));
    }
    k->setToolButtonStyle(text.isEmpty()    ? Qt::ToolButtonIconOnly
                          : ikone.isEmpty() ? Qt::ToolButtonTextOnly
                                            : Qt::ToolButtonTextBesideIcon);
    k->setToolTip(hinweis);
    // A screen reader says the caption; a button without one is known by its hint.
    if (text.isEmpty())
        k->setAccessibleName(hinweis);
    k->setGeometry(ort);
    k->setCursor(Qt::PointingHandCursor);
    return k;
}

QLabel* Bausteine::text(QWidget* eltern, const QString& text, const QRect& ort, const char* name) {
    auto* l = new QLabel(text, eltern);
    // Labels show names and texts from files and from the site: never as markup.
    l->setTextFormat(Qt::PlainText);
    if (name)
        l->setObjectName(QString::fromLatin1(name));
    l->setGeometry(ort);
    return l;
}

Anzeigetext* Bausteine::wert(QWidget* eltern, const char* name, const QRect& ort,
                             const QString& beschriftung) {
    auto* l = new Anzeigetext(beschriftung, eltern);
    l->setObjectName(QString::fromLatin1(name));
    l->setGeometry(ort);
    return l;
}

Anzeigetext* Bausteine::anzeige(QWidget* eltern, const char* name, const QRect& ort,
                                const QString& beschriftung) {
    Anzeigetext* l = wert(eltern, name, ort, beschriftung);
    l->setProperty("rolle", QStringLiteral("vertieft"));
    l->setAlignment(Qt::AlignCenter);
    return l;
}

QFrame* Bausteine::panel(QWidget* eltern, const char* name, const QRect& ort, const char* rolle) {
    auto* p = new QFrame(eltern);
    if (name)
        p->setObjectName(QString::fromLatin1(name));
    p->setProperty("rolle", QString::fromLatin1(rolle));
    p->setGeometry(ort);
    return p;
}

QCheckBox* Bausteine::haken(QWidget* eltern, const char* name, const QString& text, const QRect& ort) {
    auto* h = new QCheckBox(text, eltern);
    h->setObjectName(QString::fromLatin1(name));
    h->setGeometry(ort);
    return h;
}

QFont Bausteine::schrift(const QString& familie, int pixel, bool fett) {
    QFont f(familie);
    f.setPixelSize(pixel);
    f.setBold(fett);
    return f;
}

} // namespace ui
