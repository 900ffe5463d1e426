// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

class QWidget;

// The static texts of a scaled layout keep their words whole. The resizer scales a
// caption's type by the square root of the width's ratio and its box by the ratio itself,
// so on a small window the words outgrow the box, and with a small height (a wide, low
// screen, or a scale factor of 2) the descenders fall below it ("gr." read "qr.").
namespace captionfit {

// The property that marks a static text or a button of a designed layout.
inline constexpr char kCaption[] = "vornakCaption";

// After a resizer pass: each caption or marked button under `root` too wide for its box
// takes a type just small enough to fit, and each box lower than a line of its type grows downwards to one.
void fit(QWidget *root);

} // namespace captionfit
