// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QWidget>

// The client area of a window: tells when its size changes so the controls can follow.
class ClientArea : public QWidget
{
    Q_OBJECT

public:
    using QWidget::QWidget;

signals:
    void resized();

protected:
    void resizeEvent(QResizeEvent *event) override
    {
        QWidget::resizeEvent(event);
        emit resized();
    }
};
