// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "balance.h"

#include <QColor>
#include <QString>

// How the balance check marks a share out of range on screen: besides the words
// "sotto" and "sopra", bold type in a red that stays readable on the background.
namespace balancelook {

// A red with a contrast ratio of at least 4.5:1 against the background (dark red on a
// light background, light red on a dark one), or the plain text colour when neither is.
QColor markColour(const QColor &background, const QColor &text);

// The status line as rich text, each share out of range in bold and markColour.
QString statusHtml(const balance::Report &report, const QColor &mark);

} // namespace balancelook
