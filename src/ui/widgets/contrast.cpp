// SPDX-License-Identifier: GPL-3.0-or-later
#include "contrast.h"

#include <cmath>

namespace contrast {
namespace {

double luminance(const QColor &colour)
{
    auto linear = [](double c) { return c <= 0.03928 ? c / 12.92 : std::pow((c + 0.055) / 1.055, 2.4); };
    return 0.2126 * linear(colour.redF()) + 0.7152 * linear(colour.greenF()) +
           0.0722 * linear(colour.blueF());
}

QColor blend(const QColor &from, const QColor &to, double share)
{
    auto mix = [share](int a, int b) { return int(std::lround(a + (b - a) * share)); };
    return QColor(mix(from.red(), to.red()), mix(from.green(), to.green()), mix(from.blue(), to.blue()));
}

} // namespace

double ratio(const QColor &a, const QColor &b)
{
    const double la = luminance(a), lb = luminance(b);
    return (std::max(la, lb) + 0.05) / (std::min(la, lb) + 0.05);
}

QColor textOn(const QColor &background, const QColor &preferred)
{
    if (ratio(preferred, background) >= kReadable)
        return preferred;
    const QColor black(Qt::black), white(Qt::white);
    return ratio(black, background) >= ratio(white, background) ? black : white;
}

QColor firstReadable(std::initializer_list<QColor> candidates, const QColor &background,
                     const QColor &fallback, double readable)
{
    for (const QColor &colour : candidates)
        if (ratio(colour, background) >= readable)
            return colour;
    return fallback;
}

QColor mutedText(const QColor &text, const QColor &background)
{
    QColor muted = text;
    for (int step = 1; step < 20; ++step) {
        const QColor next = blend(text, background, step / 20.0);
        if (ratio(next, background) < kReadable)
            break;
        muted = next;
    }
    return muted;
}

} // namespace contrast
