// SPDX-License-Identifier: GPL-3.0-or-later
#include "balancetexts.h"

#include "numbers.h"

namespace balance {

QString nutrientName(Nutrient nutrient)
{
    switch (nutrient) {
    case Nutrient::Protein:
        return QStringLiteral("Proteine");
    case Nutrient::Carbo:
        return QStringLiteral("Carboidrati");
    case Nutrient::Fat:
        break;
    }
    return QStringLiteral("Grassi");
}

QString rangeText(Range range)
{
    return QStringLiteral("%1-%2%").arg(range.low).arg(range.high);
}

QString verdictText(Verdict verdict)
{
    switch (verdict) {
    case Verdict::InRange:
        return QStringLiteral("nel range");
    case Verdict::Below:
        return QStringLiteral("sotto");
    case Verdict::Above:
        break;
    }
    return QStringLiteral("sopra");
}

QString verdictLine(const Assessment &a)
{
    return nutrientName(a.nutrient) + u' ' + a.share + u' ' + verdictText(a.verdict);
}

QString statusLine(const Report &report)
{
    QStringList parts;
    for (const Assessment &a : report)
        parts << verdictLine(a);
    return QStringLiteral("Bilancio: ") + parts.join(QStringLiteral(" · "));
}

QString suggestionLine(const Assessment &a)
{
    QString line = nutrientName(a.nutrient) + u' ' + a.share + QStringLiteral(": ");
    if (!a.suggestion)
        return line + kNoCorrection;
    const Suggestion &s = *a.suggestion;
    return line + QStringLiteral("aggiungere %1 g di %2 (proteine %3, carboidrati %4, grassi %5)")
                      .arg(numbers::integerText(s.grams), s.name, s.shares[0], s.shares[1], s.shares[2]);
}

QStringList commandLineLines(const Report &report)
{
    QStringList lines;
    for (const Assessment &a : report)
        lines << nutrientName(a.nutrient) + u'=' + a.share + u' ' + rangeText(rangeOf(a.nutrient)) + u' ' +
                     verdictText(a.verdict);
    for (const Assessment &a : report) {
        if (a.verdict == Verdict::InRange)
            continue;
        const QString fix = a.suggestion
                                ? QStringLiteral("aggiungere %1 g di %2")
                                      .arg(numbers::integerText(a.suggestion->grams), a.suggestion->name)
                                : kNoCorrection;
        lines << QStringLiteral("Suggerimento ") + nutrientName(a.nutrient) + QStringLiteral(": ") + fix;
    }
    return lines;
}

} // namespace balance
