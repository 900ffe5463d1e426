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

protected:
    void paintEvent(QPaintEvent *event) override;

private:
    QList<comparison::Bar> m_bars;
    QStringList m_titles;
};
