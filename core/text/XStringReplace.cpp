#include "XStringReplace.h"

#include <vector>

namespace core {

QString XStringReplace(const QString& Source, const QString& OldPattern, const QString& NewPattern,
                       ErsetzOptionen Options) {
    if (OldPattern == NewPattern || Source.isEmpty() || OldPattern.isEmpty())
        return Source;
    const qsizetype alt = OldPattern.size();
    if (alt > Source.size())
        return Source;
    const Qt::CaseSensitivity fall =
        Options.testFlag(ErsetzOption::IgnoreCase) ? Qt::CaseInsensitive : Qt::CaseSensitive;

    std::vector<qsizetype> stellen;
    const QStringView quelle(Source);
    for (qsizetype p = 0; p + alt <= quelle.size();) {
        p = quelle.indexOf(OldPattern, p, fall);
        if (p < 0)
            break;
        stellen.push_back(p);
        if (!Options.testFlag(ErsetzOption::ReplaceAll))
            break;
        p += alt;
    }
    if (stellen.empty())
        return Source;

    QString ergebnis;
    ergebnis.reserve(Source.size() + qsizetype(stellen.size()) * (NewPattern.size() - alt));
    qsizetype von = 0;
    for (const qsizetype p : stellen) {
        ergebnis.append(quelle.mid(von, p - von));
        ergebnis.append(NewPattern);
        von = p + alt;
    }
    ergebnis.append(quelle.mid(von));
    return ergebnis;
}

} // namespace core
