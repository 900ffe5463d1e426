#include "balancelook.h"

#include "balancetexts.h"

#include <QStringList>

#include <cmath>

namespace balancelook {
namespace {

double luminance(const QColor &colour)
{
    auto linear = [](double c) { return c <= 0.03928 ? c / 12.92 : std::pow((c + 0.055) / 1.055, 2.4); };
    return 0.2126 * linear(colour.redF()) + 0.7152 * linear(colour.greenF()) +
           0.0722 * linear(colour.blueF());
}

constexpr double kReadable = 4.5;

} // namespace

double contrastRatio(const QColor &a, const QColor &b)
{
    const double la = luminance(a), lb = luminance(b);
    return (std::max(la, lb) + 0.05) / (std::min(la, lb) + 0.05);
}

QColor markColour(const QColor &background, const QColor &text)
{
    for (const QColor red : {QColor(0xA4, 0x00, 0x00), QColor(0xFF, 0x9C, 0x9C)})
        if (contrastRatio(red, background) >= kReadable)
            return red;
    return text;
}

QString statusHtml(const balance::Report &report, const QColor &mark)
{
    QStringList parts;
    for (const balance::Assessment &a : report) {
        const QString words = balance::verdictLine(a).toHtmlEscaped();
        parts << (a.verdict == balance::Verdict::InRange
                      ? words
                      : QStringLiteral("<b style=\"color:%1\">%2</b>").arg(mark.name(), words));
    }
    return QStringLiteral("Bilancio: ") + parts.join(QStringLiteral(" · "));
}

} // namespace balancelook
