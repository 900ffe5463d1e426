// SPDX-License-Identifier: GPL-3.0-or-later
// Frames and input fields show on a dark palette and on the high-contrast ones: each has a
// line that stands out from the window around it.
#include "contrast.h"
#include "visibleframes.h"

#include <QApplication>
#include <QCheckBox>
#include <QDoubleSpinBox>
#include <QGroupBox>
#include <QLineEdit>
#include <QStyle>
#include <QStyleFactory>
#include <QStyleOptionButton>
#include <QTest>
#include <QVBoxLayout>

namespace {

// The strongest contrast to `window` along a line of the image.
double strongest(const QImage &image, QPoint from, QPoint step, int count, const QColor &window)
{
    double best = 1;
    for (int k = 0; k < count; ++k, from += step)
        if (image.rect().contains(from))
            best = std::max(best, contrast::ratio(image.pixelColor(from), window));
    return best;
}

} // namespace

class TestVisibleFrames : public QObject
{
    Q_OBJECT

private slots:
    void initTestCase()
    {
        QApplication::setStyle(new VisibleFramesStyle(QStyleFactory::create(QStringLiteral("Fusion"))));
    }

    void framesShowOnAnyPalette_data()
    {
        QTest::addColumn<QColor>("window");
        QTest::addColumn<QColor>("text");
        QTest::addColumn<QColor>("base");
        QTest::newRow("dark") << QColor(0x35, 0x35, 0x35) << QColor(0xF0, 0xF0, 0xF0)
                              << QColor(0x2A, 0x2A, 0x2A);
        QTest::newRow("high contrast, black") << QColor(Qt::black) << QColor(Qt::white) << QColor(Qt::black);
        QTest::newRow("high contrast, white") << QColor(Qt::white) << QColor(Qt::black) << QColor(Qt::white);
    }
    void framesShowOnAnyPalette()
    {
        QFETCH(QColor, window);
        QFETCH(QColor, text);
        QFETCH(QColor, base);
        QPalette palette;
        for (auto [role, colour] : {std::pair{QPalette::Window, window},
                                    {QPalette::WindowText, text},
                                    {QPalette::Base, base},
                                    {QPalette::Text, text},
                                    {QPalette::Button, window},
                                    {QPalette::ButtonText, text}})
            palette.setColor(role, colour);
        QWidget form;
        form.setPalette(palette);
        auto *layout = new QVBoxLayout(&form);
        auto *box = new QGroupBox(QStringLiteral("Limiti del mix"), &form);
        auto *field = new QLineEdit(QStringLiteral("1000"), box);
        auto *tick = new QCheckBox(QStringLiteral("Mantieni"), box);
        auto *spin = new QDoubleSpinBox(box);
        auto *inBox = new QVBoxLayout(box);
        for (QWidget *control : std::initializer_list<QWidget *>{field, tick, spin})
            inBox->addWidget(control);
        layout->addWidget(box);
        form.resize(300, 120);
        form.show();
        QVERIFY(QTest::qWaitForWindowExposed(&form));
        const QImage shot = form.grab().toImage();
        // Across the field's left edge, and up through the box's bottom edge.
        const QPoint fieldLeft = field->mapTo(&form, QPoint(0, field->height() / 2));
        QVERIFY2(strongest(shot, fieldLeft + QPoint(-2, 0), {1, 0}, 5, window) >= 1.5, "the field's border");
        const QPoint boxBottom = box->mapTo(&form, QPoint(box->width() / 2, box->height() - 1));
        QVERIFY2(strongest(shot, boxBottom + QPoint(0, 1), {0, -1}, 5, window) >= 1.5, "the box's frame");
        const QPoint spinLeft = spin->mapTo(&form, QPoint(0, spin->height() / 2));
        QVERIFY2(strongest(shot, spinLeft + QPoint(-2, 0), {1, 0}, 5, window) >= 1.5,
                 "the spin box's border");
        // The tick box, unticked: its square's left edge.
        QStyleOptionButton option;
        option.initFrom(tick);
        const QRect square = tick->style()->subElementRect(QStyle::SE_CheckBoxIndicator, &option, tick);
        const QPoint tickLeft = tick->mapTo(&form, QPoint(square.left(), square.center().y()));
        QVERIFY2(strongest(shot, tickLeft + QPoint(-2, 0), {1, 0}, 5, window) >= 1.5,
                 "the tick box's square");
    }
};

QTEST_MAIN(TestVisibleFrames)
#include "tst_visibleframes.moc"
