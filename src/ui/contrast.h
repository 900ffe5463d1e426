// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QColor>

// Whether text reads on its background, by the contrast ratio of their relative luminance
// (1:1 for equal colours to 21:1 for black on white); 4.5:1 counts as readable.
namespace contrast {

constexpr double kReadable = 4.5;

// The contrast ratio of two colours, from 1 to 21.
double ratio(const QColor &a, const QColor &b);

// A muted text colour: `text` blended towards `background` as far as it stays readable.
QColor mutedText(const QColor &text, const QColor &background);

} // namespace contrast
