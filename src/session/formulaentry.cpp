// SPDX-License-Identifier: GPL-3.0-or-later
#include "formulaentry.h"

#include "numbers.h"
#include "sentinels.h"

#include <cmath>

namespace formulaentry {

std::optional<qint64> wholeGrams(const QString &text)
{
    const std::optional<double> value = numbers::toNumber(text);
    // Up to where a double still holds every whole number.
    if (!value || *value < 0 || *value > 1e15 || std::floor(*value) != *value)
        return std::nullopt;
    return qint64(*value);
}

std::optional<double> percentEdge(const QString &text)
{
    const std::optional<double> value = numbers::toNumber(text);
    return value && *value >= 0 && *value <= 100 ? value : std::nullopt;
}

QString typedGrams(qint64 grams)
{
    return grams == 0 ? sentinel::kNoGramsTyped : QString::number(grams);
}

} // namespace formulaentry
