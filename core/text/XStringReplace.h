#pragma once

#include <QString>

namespace core {

enum class ErsetzOption { ReplaceAll = 1, IgnoreCase = 2 };
Q_DECLARE_FLAGS(ErsetzOptionen, ErsetzOption)
Q_DECLARE_OPERATORS_FOR_FLAGS(ErsetzOptionen)

// Replaces occurrences of OldPattern in Source: one scan, then one allocation.
// Without ReplaceAll only the first occurrence; occurrences never overlap.
QString XStringReplace(const QString& Source, const QString& OldPattern, const QString& NewPattern,
                       ErsetzOptionen Options);

} // namespace core
