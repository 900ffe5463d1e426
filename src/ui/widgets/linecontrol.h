// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QWidget>

// A straight line drawn between two points of its parent, like a drawn line of a
// form. The resizer moves its end points instead of scaling a box.
class LineControl : public QWidget
{
    Q_OBJECT

public:
    explicit LineControl(QWidget *parent = nullptr);

    // End points in pixels of the parent.
    void setPoints(QPointF start, QPointF end);
    QPointF start() const { return m_start; }
    QPointF end() const { return m_end; }

protected:
    void paintEvent(QPaintEvent *event) override;

private:
    QPointF m_start;
    QPointF m_end;
};
