// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QColor>

#include <initializer_list>

// Whether text reads on its background, by the contrast ratio of their relative luminance
// (1:1 for equal colours to 21:1 for black on white); 4.5:1 counts as readable.
namespace contrast {

constexpr double kReadable = 4.5;
// Large type (18 points, or 14 points bold) reads at a lower contrast.
constexpr double kReadableLarge = 3.0;

// The contrast ratio of two colours, from 1 to 21.
double ratio(const QColor &a, const QColor &b);

// A muted text colour: `text` blended towards `background` as far as it stays readable.
QColor mutedText(const QColor &text, const QColor &background);

// The text colour to write on `background`: `preferred` when it reads there, otherwise
// black or white, whichever reads better.
QColor textOn(const QColor &background, const QColor &preferred);

// The first of `candidates` that reads on `background` (at `readable` or better), or
// `fallback` when none does.
QColor firstReadable(std::initializer_list<QColor> candidates, const QColor &background,
                     const QColor &fallback, double readable = kReadable);

} // namespace contrast
