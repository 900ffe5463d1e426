// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QWidget>

// The nutrient ranges of a balanced mix as a labelled pie: protein, carbohydrate,
// fat and fibre, each slice sized by the middle of its range.
class PieChart : public QWidget
{
    Q_OBJECT

public:
    explicit PieChart(QWidget *parent = nullptr);

protected:
    void paintEvent(QPaintEvent *event) override;
};
