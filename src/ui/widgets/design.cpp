// SPDX-License-Identifier: GPL-3.0-or-later
#include "design.h"

#include "captionfit.h"
#include "clsresize.h"

#include <QLabel>
#include <QLineEdit>

#include <cmath>

namespace design {

void place(QWidget *control, int left, int top, int width, int height)
{
    auto px = [](int twips) { return int(std::lround(twips / ClsResize::kTwipsPerPixel)); };
    control->setGeometry(px(left), px(top), px(width), px(height));
}

QFont dialogFont(double pointSize, bool bold)
{
    QFont font;
    font.setFamilies({QStringLiteral("MS Sans Serif"), QStringLiteral("Liberation Sans"),
                      QStringLiteral("Arial"), QStringLiteral("DejaVu Sans")});
    font.setStyleHint(QFont::SansSerif);
    font.setPointSizeF(pointSize);
    font.setWeight(bold ? QFont::Bold : QFont::Normal);
    return font;
}

QLabel *staticText(QWidget *parent, const QString &text, int left, int top, int width, int height,
                   Qt::Alignment alignment)
{
    auto *label = new QLabel(text, parent);
    label->setTextFormat(Qt::PlainText);
    label->setAlignment(alignment);
    label->setFont(dialogFont());
    label->setProperty(captionfit::kCaption, true);
    place(label, left, top, width, height);
    return label;
}

QLineEdit *inputBox(QWidget *parent, const QString &name, int left, int top, int width, int height,
                    bool centred)
{
    auto *edit = new QLineEdit(parent);
    edit->setObjectName(name);
    edit->setFont(dialogFont());
    if (centred)
        edit->setAlignment(Qt::AlignCenter);
    place(edit, left, top, width, height);
    return edit;
}

QLabel *displayField(QWidget *parent, const QString &name, int left, int top, int width, int height)
{
    auto *label = new QLabel(parent);
    label->setObjectName(name);
    label->setTextFormat(Qt::PlainText);
    label->setAlignment(Qt::AlignCenter);
    // The style's thin single-line frame, the same line as around an input box.
    label->setFrameStyle(QFrame::StyledPanel | QFrame::Plain);
    label->setLineWidth(1);
    label->setFocusPolicy(Qt::NoFocus);
    label->setAutoFillBackground(true);
    label->setFont(dialogFont());
    place(label, left, top, width, height);
    return label;
}

} // namespace design
