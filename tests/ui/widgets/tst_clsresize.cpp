// SPDX-License-Identifier: GPL-3.0-or-later
#include "clsresize.h"
#include "design.h"
#include "linecontrol.h"

#include <QGroupBox>
#include <QLabel>
#include <QTest>

namespace {

qint32 twips(int pixels)
{
    return pixels * 15;
}

// A form of 990 x 711 pixels (14850 x 10665 twips) with a few controls.
struct Form
{
    QWidget window;
    QLabel *label;
    QGroupBox *frame;
    QLabel *inFrame;
    LineControl *line;

    Form()
    {
        window.resize(990, 711);
        label = new QLabel(QStringLiteral("x"), &window);
        label->setFont(design::dialogFont());
        design::place(label, 120, 480, 1575, 315);
        frame = new QGroupBox(&window);
        design::place(frame, 120, 6600, 10575, 1575);
        inFrame = new QLabel(frame);
        inFrame->setFont(design::dialogFont());
        design::place(inFrame, 3480, 600, 1575, 315);
        line = new LineControl(&window);
        line->setPoints(QPointF(0, 128), QPointF(416, 128));
    }
};

} // namespace

class TestClsResize : public QObject
{
    Q_OBJECT

private slots:
    void doubleSizeDoublesEverything()
    {
        Form form;
        ClsResize resizer;
        resizer.SetSourceForm(&form.window);
        resizer.ResizeControls(); // the first call only records
        QCOMPARE(form.label->x(), 8);

        form.window.resize(1980, 1422);
        resizer.ResizeControls();
        QCOMPARE(twips(form.label->x()), 240);
        QCOMPARE(twips(form.label->width()), 3150);
        QCOMPARE(twips(form.label->y()), 960);
        QVERIFY(qAbs(form.label->font().pointSizeF() - 11.667) < 0.01);
        // Controls inside a frame keep their place relative to it.
        QCOMPARE(twips(form.inFrame->x()), 6960);
        QCOMPARE(form.line->end(), QPointF(832, 256));
    }

    void narrowerChangesOnlyHorizontalThings()
    {
        Form form;
        ClsResize resizer;
        resizer.SetSourceForm(&form.window);
        resizer.ReInitialise();
        form.window.resize(495, 711);
        resizer.ResizeControls();
        QCOMPARE(form.label->geometry(), QRect(4, 32, 53, 21));
        QVERIFY(qAbs(form.label->font().pointSizeF() - 8.25 * std::sqrt(0.5)) < 0.01);
        QCOMPARE(form.line->start(), QPointF(0, 128));
        QCOMPARE(form.line->end(), QPointF(208, 128));
    }

    void scalingAlwaysStartsFromTheDesign()
    {
        Form form;
        ClsResize resizer;
        resizer.SetSourceForm(&form.window);
        resizer.ReInitialise();
        const QRect design = form.label->geometry();
        for (QSize size : {QSize(1001, 733), QSize(517, 411), QSize(1377, 902), QSize(990, 711)}) {
            form.window.resize(size);
            resizer.ResizeControls();
        }
        QCOMPARE(form.label->geometry(), design);
        QCOMPARE(form.label->font().pointSizeF(), 8.25);
    }

    void tags_data()
    {
        QTest::addColumn<QString>("tag");
        QTest::addColumn<QRect>("geometry");
        QTest::addColumn<double>("fontSize");
        QTest::newRow("@LT only moves") << "@LT" << QRect(16, 64, 105, 21) << 8.25;
        QTest::newRow("@ scales nothing") << "@" << QRect(8, 32, 105, 21) << 8.25;
        QTest::newRow("lower case and commas") << "@w,f" << QRect(8, 32, 210, 21) << 8.25 * std::sqrt(2.0);
        QTest::newRow("not a tag: everything") << "nota" << QRect(16, 64, 210, 42) << 8.25 * std::sqrt(2.0);
        // Every letter scales its own coordinate and no other, alone or with any of the rest:
        // the window doubles, the type grows by the square root of the area's factor.
        const QString letters = QStringLiteral("LTWHF");
        for (int subset = 1; subset < (1 << 5); ++subset) {
            QString tag = QStringLiteral("@");
            for (int k = 0; k < 5; ++k)
                if (subset & (1 << k))
                    tag += letters[k];
            auto has = [&tag](char letter) { return tag.contains(QLatin1Char(letter)); };
            QTest::addRow("%s", qPrintable(tag))
                << tag
                << QRect(has('L') ? 16 : 8, has('T') ? 64 : 32, has('W') ? 210 : 105, has('H') ? 42 : 21)
                << (has('F') ? 8.25 * std::sqrt(2.0) : 8.25);
        }
    }

    void tags()
    {
        QFETCH(QString, tag);
        QFETCH(QRect, geometry);
        QFETCH(double, fontSize);
        Form form;
        form.label->setProperty("Tag", tag);
        ClsResize resizer;
        resizer.SetSourceForm(&form.window);
        resizer.ReInitialise();
        form.window.resize(1980, 1422);
        resizer.ResizeControls();
        QCOMPARE(form.label->geometry(), geometry);
        QVERIFY(qAbs(form.label->font().pointSizeF() - fontSize) < 0.01);
    }

    void minimisedWindowIsLeftAlone()
    {
        Form form;
        form.window.show();
        QVERIFY(QTest::qWaitForWindowExposed(&form.window));
        ClsResize resizer;
        resizer.SetSourceForm(&form.window);
        resizer.ReInitialise();
        const QRect before = form.label->geometry();
        form.window.setWindowState(Qt::WindowMinimized);
        form.window.resize(10, 10);
        resizer.ResizeControls();
        QCOMPARE(form.label->geometry(), before);
        form.window.setWindowState(Qt::WindowNoState);
        form.window.resize(990, 711);
        resizer.ResizeControls();
        QCOMPARE(form.label->geometry(), before);
    }

    void sizeFormToScreen_data()
    {
        QTest::addColumn<int>("percent");
        QTest::addColumn<QRect>("geometry");
        QTest::newRow("half, centred") << 50 << QRect(320, 246, 640, 492);
        QTest::newRow("whole work area") << 100 << QRect(0, 0, 1280, 984);
    }

    void sizeFormToScreen()
    {
        QFETCH(int, percent);
        QFETCH(QRect, geometry);
        Form form;
        ClsResize resizer;
        resizer.setWorkAreaQuery([] { return QRect(0, 0, 1280, 984); });
        QCOMPARE(resizer.AvaibleAreaX(true), 1280);
        QCOMPARE(resizer.AvaibleAreaY(false), 984 * 15);
        resizer.SetSourceForm(&form.window);
        resizer.SizeFormToScreen(quint8(percent), true);
        QCOMPARE(QRect(form.window.pos(), form.window.size()), geometry);
        // The design was recorded before the size changed, so the controls follow.
        QCOMPARE(form.label->x(), qRound(8 * geometry.width() / 990.0));
    }
};

QTEST_MAIN(TestClsResize)
#include "tst_clsresize.moc"
