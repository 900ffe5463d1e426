// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QProxyStyle>

// The style with frames that show on any palette. Fusion draws group boxes, input
// fields and panels in a shade darker than the window, which on a black high-contrast
// palette is black on black, and a group box's frame is faint on any light one: on a
// high-contrast palette, and wherever that shade hardly differs from the window, the
// frame is drawn over in a muted text colour.
class VisibleFramesStyle : public QProxyStyle
{
public:
    using QProxyStyle::QProxyStyle;

    void drawPrimitive(PrimitiveElement element, const QStyleOption *option, QPainter *painter,
                       const QWidget *widget = nullptr) const override;

    // Whether the style's own frame shade is lost against this window colour.
    static bool framesFade(const QColor &window);
};
