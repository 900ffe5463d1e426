// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QFont>
#include <QString>

class QLabel;
class QLineEdit;
class QWidget;

// Helpers that build controls from the design, whose geometry is given in twips
// (15 twips to a pixel at the standard 96 dots per inch).
namespace design {

void place(QWidget *control, int left, int top, int width, int height);

// The point size of the dialog font as designed.
constexpr double kDialogPointSize = 8.25;

// The 8.25-point sans-serif dialog font, at another size or weight when asked.
QFont dialogFont(double pointSize = kDialogPointSize, bool bold = false);

// A static text without border.
QLabel *staticText(QWidget *parent, const QString &text, int left, int top, int width, int height,
                   Qt::Alignment alignment = Qt::AlignLeft | Qt::AlignTop);

// A single-line input box, its text centred unless asked otherwise.
QLineEdit *inputBox(QWidget *parent, const QString &name, int left, int top, int width, int height,
                    bool centred = true);

// A read-only bordered value box with centred text that never takes the focus.
QLabel *displayField(QWidget *parent, const QString &name, int left, int top, int width, int height);

} // namespace design
