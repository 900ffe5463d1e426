// SPDX-License-Identifier: GPL-3.0-or-later
// Every text of every window reads on its background (contrast 4.5:1 or better) under the
// style's own palette and under a dark one, as a desktop's dark theme hands it over: a full
// worksheet, calculated, with every window open. The colours are those the program sets
// (the filled cyan, the results caption, the balance marks) on top of the palette.
#include "contrast.h"
#include "formprinc.h"
#include "frmabout.h"
#include "frmingredienti.h"
#include "frmriferimenti.h"
#include "modalwatcher.h"
#include "testfiles.h"

#include <QAbstractItemView>
#include <QCheckBox>
#include <QComboBox>
#include <QGroupBox>
#include <QLabel>
#include <QLineEdit>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QRegularExpression>
#include <QStyleFactory>
#include <QTest>

namespace {

QPalette darkPalette(const QColor &placeholder = QColor(0xA0, 0xA0, 0xA0))
{
    QPalette dark;
    const QColor window(0x35, 0x35, 0x35), base(0x2A, 0x2A, 0x2A), text(0xF0, 0xF0, 0xF0);
    for (auto [role, colour] : {std::pair{QPalette::Window, window},
                                {QPalette::WindowText, text},
                                {QPalette::Base, base},
                                {QPalette::AlternateBase, QColor(0x42, 0x42, 0x42)},
                                {QPalette::Text, text},
                                {QPalette::Button, window},
                                {QPalette::ButtonText, text},
                                {QPalette::ToolTipBase, base},
                                {QPalette::ToolTipText, text},
                                {QPalette::Highlight, QColor(0x2A, 0x82, 0xDA)},
                                {QPalette::HighlightedText, Qt::white},
                                {QPalette::PlaceholderText, placeholder}})
        dark.setColor(role, colour);
    dark.setColor(QPalette::Disabled, QPalette::Text, QColor(0x80, 0x80, 0x80));
    dark.setColor(QPalette::Disabled, QPalette::WindowText, QColor(0x80, 0x80, 0x80));
    dark.setColor(QPalette::Disabled, QPalette::ButtonText, QColor(0x80, 0x80, 0x80));
    return dark;
}

// The colour a widget's text stands on when it does not fill its own: that of the nearest
// parent that does, the window at the latest.
QColor parentBackground(const QWidget *widget)
{
    const QWidget *w = widget->parentWidget();
    while (w && !w->autoFillBackground() && !w->isWindow())
        w = w->parentWidget();
    return w ? w->palette().color(QPalette::Active, w->backgroundRole())
             : widget->palette().color(QPalette::Active, QPalette::Window);
}

struct Pair
{
    QString what;
    QColor text, background;
    double readable = contrast::kReadable;
};

// Large type, 18 points or 14 points bold, reads at 3:1.
double readableFor(const QFont &font)
{
    const double points = font.pointSizeF();
    return points >= 18 || (font.bold() && points >= 14) ? contrast::kReadableLarge : contrast::kReadable;
}

// The text and background colours of each visible, enabled text in `window`.
QList<Pair> textPairs(QWidget *window)
{
    QList<Pair> pairs;
    auto add = [&pairs](const QWidget *w, const QString &text, const QColor &fg, const QColor &bg) {
        pairs.append(
            {QStringLiteral("%1 %2 «%3»").arg(w->metaObject()->className(), w->objectName(), text.left(30)),
             fg, bg, readableFor(w->font())});
    };
    for (QWidget *w : window->findChildren<QWidget *>()) {
        if (!w->isVisibleTo(window) || !w->isEnabled() || w->window() != window)
            continue;
        const QPalette p = w->palette();
        const QColor onSelf = p.color(QPalette::Active, w->backgroundRole());
        if (auto *label = qobject_cast<QLabel *>(w); label && !label->text().isEmpty()) {
            const QColor bg = label->autoFillBackground() ? onSelf : parentBackground(label);
            add(label, label->text(), p.color(QPalette::Active, QPalette::WindowText), bg);
            // Rich text brings colours of its own (the balance marks).
            static const QRegularExpression colour(QStringLiteral("color:\\s*(#[0-9a-fA-F]{6})"));
            for (const auto &match : colour.globalMatch(label->text()))
                add(label, match.captured(0), QColor(match.captured(1)), bg);
        } else if (auto *edit = qobject_cast<QLineEdit *>(w)) {
            add(edit, edit->text(), p.color(QPalette::Active, QPalette::Text),
                p.color(QPalette::Active, QPalette::Base));
            if (edit->text().isEmpty() && !edit->placeholderText().isEmpty())
                add(edit, edit->placeholderText(), p.color(QPalette::Active, QPalette::PlaceholderText),
                    p.color(QPalette::Active, QPalette::Base));
        } else if (qobject_cast<QPlainTextEdit *>(w) || qobject_cast<QAbstractItemView *>(w)) {
            add(w, QString(), p.color(QPalette::Active, QPalette::Text),
                p.color(QPalette::Active, QPalette::Base));
        } else if (auto *list = qobject_cast<QComboBox *>(w)) {
            add(list, list->currentText(), p.color(QPalette::Active, QPalette::ButtonText),
                p.color(QPalette::Active, QPalette::Button));
        } else if (auto *button = qobject_cast<QPushButton *>(w)) {
            add(button, button->text(), p.color(QPalette::Active, QPalette::ButtonText),
                p.color(QPalette::Active, QPalette::Button));
        } else if (auto *check = qobject_cast<QCheckBox *>(w); check && !check->text().isEmpty()) {
            add(check, check->text(), p.color(QPalette::Active, QPalette::WindowText),
                parentBackground(check));
        } else if (auto *frame = qobject_cast<QGroupBox *>(w); frame && !frame->title().isEmpty()) {
            add(frame, frame->title(), p.color(QPalette::Active, QPalette::WindowText),
                parentBackground(frame));
        }
    }
    return pairs;
}

} // namespace

class TestContrast : public QObject
{
    Q_OBJECT

    QStringList unreadable(QWidget *window)
    {
        QStringList found;
        for (const Pair &pair : textPairs(window)) {
            const double ratio = contrast::ratio(pair.text, pair.background);
            if (ratio < pair.readable)
                found << QStringLiteral("%1: %2 on %3, %4:1")
                             .arg(pair.what, pair.text.name(), pair.background.name())
                             .arg(ratio, 0, 'f', 2);
        }
        return found;
    }

private slots:
    void initTestCase() { QApplication::setStyle(QStyleFactory::create(QStringLiteral("Fusion"))); }

    void everyWindow_data()
    {
        QTest::addColumn<QPalette>("palette");
        QTest::addColumn<QString>("shot");
        QTest::newRow("default palette") << QApplication::style()->standardPalette() << QString();
        QTest::newRow("dark palette") << darkPalette() << QStringLiteral("worksheet-dark.png");
        // A dark theme that keeps the dark grey placeholders of a light one.
        QTest::newRow("dark palette, light theme's placeholders")
            << darkPalette(QColor(0x33, 0x33, 0x33)) << QString();
    }

    void everyWindow()
    {
        QFETCH(QPalette, palette);
        QFETCH(QString, shot);
        QApplication::setPalette(palette);
        ModalWatcher watcher;
        FormPrinc form;
        form.loadIngredients(dataFile(QStringLiteral("ingredienti_nome_lungo.csv")));
        form.show();
        QVERIFY(QTest::qWaitForWindowExposed(&form));
        QVERIFY(form.session().open(dataFile(QStringLiteral("ricetta_piena.txt"))));
        form.CmdCalcola_Click();
        form.CmdConvertitore_Click();
        form.mnuBilancio_Click();
        form.mnuFormula_Click();
        QTest::qWait(20);
        QStringList found = unreadable(&form);
        // The filled cyan is still there: it says "filled" under any palette.
        QCOMPARE(form.findChild<QLabel *>(QStringLiteral("TxtProteine1"))->palette().color(QPalette::Window),
                 QColor(0, 255, 255));
        for (QWidget *window : QApplication::topLevelWidgets())
            if (window != &form && window->isVisible())
                found << unreadable(window);
        FrmAbout about(&form);
        FrmRiferimenti references(&form);
        FrmIngredienti editor(form.session(), &form);
        for (QDialog *dialog : std::initializer_list<QDialog *>{&about, &references, &editor}) {
            dialog->show();
            found << unreadable(dialog);
        }
        if (!shot.isEmpty())
            form.grab().save(shot); // the worksheet under a dark theme, to look at
        QApplication::setPalette(QApplication::style()->standardPalette());
        QVERIFY2(found.isEmpty(), qPrintable(found.join(u'\n')));
        QVERIFY(watcher.unexpected.isEmpty());
    }
};

QTEST_MAIN(TestContrast)
#include "tst_contrast.moc"
