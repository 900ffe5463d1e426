// SPDX-License-Identifier: GPL-3.0-or-later
// The comparison's chart on any palette: its bars show against the band and the window.
#include "contrast.h"
#include "sharechart.h"

#include <QApplication>
#include <QRandomGenerator>
#include <QStyle>
#include <QStyleFactory>
#include <QTest>

#include <memory>

class TestShareChart : public QObject
{
    Q_OBJECT

private slots:
    // The chart's bars stand out 3:1 from the balanced band and from the window on the
    // style's palette, a dark one and the high-contrast ones desktops offer, and on any
    // palette whose text reads on its window.
    void chartColoursStandOutOnAnyPalette_data()
    {
        QTest::addColumn<QColor>("window");
        QTest::addColumn<QColor>("text");
        QTest::addColumn<QColor>("highlight");
        const std::unique_ptr<QStyle> style(QStyleFactory::create(QStringLiteral("Fusion")));
        const QPalette fusion = style->standardPalette();
        QTest::newRow("the style's own")
            << fusion.color(QPalette::Window) << fusion.color(QPalette::WindowText)
            << fusion.color(QPalette::Highlight);
        QTest::newRow("dark") << QColor(0x35, 0x35, 0x35) << QColor(0xF0, 0xF0, 0xF0)
                              << QColor(0x2A, 0x82, 0xDA);
        QTest::newRow("high contrast, black")
            << QColor(Qt::black) << QColor(Qt::white) << QColor(0x1A, 0xEB, 0xFF);
        QTest::newRow("high contrast, black, navy")
            << QColor(Qt::black) << QColor(Qt::white) << QColor(0, 0, 0x80);
        QTest::newRow("high contrast, white")
            << QColor(Qt::white) << QColor(Qt::black) << QColor(0x37, 0x00, 0x6E);
        QTest::newRow("yellow on black") << QColor(Qt::black) << QColor(Qt::yellow) << QColor(Qt::yellow);
        QRandomGenerator rng(7);
        for (int k = 0; k < 200;) {
            const QColor window = QColor::fromRgb(rng.generate() & 0xFFFFFF);
            const QColor text = QColor::fromRgb(rng.generate() & 0xFFFFFF);
            if (contrast::ratio(window, text) < contrast::kReadable)
                continue;
            QTest::addRow("random %d", k++) << window << text << QColor::fromRgb(rng.generate() & 0xFFFFFF);
        }
    }
    void chartColoursStandOutOnAnyPalette()
    {
        QFETCH(QColor, window);
        QFETCH(QColor, text);
        QFETCH(QColor, highlight);
        QPalette palette;
        palette.setColor(QPalette::Window, window);
        palette.setColor(QPalette::WindowText, text);
        palette.setColor(QPalette::Highlight, highlight);
        const ShareChart::Colours c = ShareChart::colours(palette);
        QVERIFY(c.band.isValid() && c.inRange.isValid() && c.outOfRange.isValid());
        if (!QByteArray(QTest::currentDataTag()).startsWith("random")) // the band shows on these
            QVERIFY2(c.band != window, qPrintable(c.band.name()));
        for (const QColor &bar : {c.inRange, c.outOfRange})
            for (const QColor &behind : {c.band, window})
                QVERIFY2(contrast::ratio(bar, behind) >= contrast::kReadableLarge,
                         qPrintable(bar.name() + u'/' + behind.name()));
    }

    // A label cut with "…" has its whole name for the tooltip; the bars have none.
    void aCutLabelShowsItsWholeName()
    {
        const QString longName = QString(120, u'M');
        comparison::Bar bar{QStringLiteral("Proteine"), {17, 40}, {20.0, 30.0}};
        ShareChart chart({bar}, {QStringLiteral("Corta"), longName});
        chart.resize(700, chart.sizeHint().height());
        chart.show();
        QVERIFY(QTest::qWaitForWindowExposed(&chart));
        chart.grab(); // painted once: the labels' places are known
        const int line = chart.fontMetrics().height() + 4;
        QCOMPARE(chart.labelAt(QPoint(5, line * 2 + line / 2)), longName); // the second recipe's label
        QCOMPARE(chart.labelAt(QPoint(5, line + line / 2)), QStringLiteral("Corta"));
        QCOMPARE(chart.labelAt(QPoint(chart.width() - 5, line * 2 + line / 2)), QString()); // its bar's end
    }
};

QTEST_MAIN(TestShareChart)
#include "tst_sharechart.moc"
