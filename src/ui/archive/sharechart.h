// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "comparison.h"

#include <QWidget>

// The protein, carbohydrate and fat shares of each compared recipe as bars over the
// balanced range, drawn as a band: a bar that ends outside the band is out of balance,
// seen before it is read.
class ShareChart : public QWidget
{
    Q_OBJECT

public:
    ShareChart(QList<comparison::Bar> bars, QStringList titles, QWidget *parent = nullptr);

    QSize sizeHint() const override;

    // The balanced band and the bars in it and beyond it, from the palette: each bar at
    // 3:1 or better against the band and the window, so it shows on any palette.
    struct Colours
    {
        QColor band;
        QColor inRange;
        QColor outOfRange;
    };
    static Colours colours(const QPalette &palette);

    // The whole name of the recipe whose label is drawn at `at`, or empty.
    QString labelAt(const QPoint &at) const;

protected:
    void paintEvent(QPaintEvent *event) override;
    // A label cut with "…" shows its whole name when the mouse rests on it.
    bool event(QEvent *event) override;

private:
    QList<comparison::Bar> m_bars;
    QStringList m_titles;
    QList<QPair<QRect, QString>> m_labels; // where each label was drawn, and its whole name
};
