// SPDX-License-Identifier: GPL-3.0-or-later
// The formula window on a small screen and from the keyboard: a full worksheet with long
// names, the rows that show, the message, the focus chain and the access keys.
#include "catalogue.h"
#include "formprinc.h"
#include "frmformula.h"
#include "modalwatcher.h"
#include "testfiles.h"

#include <QCheckBox>
#include <QComboBox>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QScrollArea>
#include <QScrollBar>
#include <QStyleFactory>
#include <QTemporaryDir>
#include <QTest>

using namespace field;

namespace {

// What a screen of 800 x 600 leaves a window's client area under a 40 px panel and a title bar.
const QSize kSmallRoom(800, 600 - 40 - 30);

const QString kLongPersonal = QStringLiteral("Mix Birdfood di Luca con semi di canapa tostati, "
                                             "miele di castagno e farina di cocco fine");
const QString kLongCustom = QString(196, u'X');

} // namespace

class TestFormulaWindow : public QObject
{
    Q_OBJECT

    FormPrinc *form = nullptr;
    ModalWatcher *watcher = nullptr;
    QTemporaryDir dir;

    template <typename T = QWidget> T *control(QWidget *window, const QString &name)
    {
        T *widget = window->findChild<T *>(name);
        if (!widget)
            qFatal("no control %s", qPrintable(name));
        return widget;
    }

    // Eleven catalogue rows (the eleventh a personal ingredient with a long name), two
    // custom rows (one with a name of 196 letters and no blank) and eggs: every row weighed.
    void fillWorksheet()
    {
        Worksheet &sheet = form->worksheet();
        const QStringList names = catalogue::ingredientEntries().mid(1, 10);
        for (int row = 1; row <= 10; ++row)
            sheet.select(componente(row), names[row - 1]);
        sheet.select(componente(11), kLongPersonal);
        sheet.setText(Aggiunta1, kLongCustom);
        sheet.setText(Aggiunta2, QStringLiteral("Mio 2"));
        for (int row = 1; row <= 13; ++row)
            sheet.setText(peso(row), QStringLiteral("100"));
        sheet.setChecked(true);
        sheet.select(componente(kEggRow), QStringLiteral("UOVO INTERO GALLINA"));
        sheet.setText(NumeroUova, QStringLiteral("2"));
    }

    FrmFormula *open()
    {
        form->findChild<QAction *>(QStringLiteral("mnuFormula"))->trigger();
        auto *window = form->findChild<FrmFormula *>();
        if (!window || !QTest::qWaitForWindowExposed(window))
            return nullptr;
        // Offscreen, the main window takes the activation back as the other one shows.
        QTest::qWait(10);
        window->activateWindow();
        if (!QTest::qWaitFor([window] { return window->isActiveWindow(); }))
            qWarning("the formula window is not active");
        return window;
    }

    // The rows whose proposal box lies wholly in the visible part of the rows.
    static int rowsInView(FrmFormula *window)
    {
        auto *area = window->findChild<QScrollArea *>(QString(), Qt::FindDirectChildrenOnly);
        for (QScrollArea *candidate : window->findChildren<QScrollArea *>())
            if (candidate->objectName() != QStringLiteral("AreaNote"))
                area = candidate;
        int shown = 0;
        for (QLabel *box : window->findChildren<QLabel *>())
            if (box->objectName().startsWith(QStringLiteral("TxtProposta"))) {
                const QRect where(box->mapTo(area->viewport(), QPoint()), box->size());
                shown += area->viewport()->rect().contains(where);
            }
        return shown;
    }

    // Every control Tab should reach: enabled input boxes, check boxes, lists and buttons.
    static QSet<QWidget *> tabStops(QWidget *window)
    {
        QSet<QWidget *> stops;
        for (QWidget *w : window->findChildren<QWidget *>())
            if ((qobject_cast<QLineEdit *>(w) || qobject_cast<QCheckBox *>(w) ||
                 qobject_cast<QComboBox *>(w) || qobject_cast<QPushButton *>(w)) &&
                w->isEnabled() && w->isVisibleTo(window))
                stops << w;
        return stops;
    }

private slots:
    void initTestCase() { QApplication::setStyle(QStyleFactory::create(QStringLiteral("Fusion"))); }

    void init()
    {
        form = new FormPrinc;
        form->show();
        QVERIFY(QTest::qWaitForWindowExposed(form));
        watcher = new ModalWatcher;
        const QString file = dir.filePath(QStringLiteral("ingredienti.csv"));
        writeAll(file, "nome;proteine;grassi;carboidrati;digeribilita;legante;prezzo\n" +
                           kLongPersonal.toUtf8() + ";24;9,5;48;4;3;8,90\n");
        form->loadIngredients(file);
        fillWorksheet();
    }

    void cleanup()
    {
        QVERIFY2(watcher->unexpected.isEmpty(), qPrintable(watcher->unexpected.join(u',')));
        delete watcher;
        delete form;
    }

    // A long name ends in "…" with the whole name as tooltip; the columns of grams stay
    // in view without scrolling sideways, and at least six rows show on a small screen.
    void longNamesOnASmallScreen()
    {
        FrmFormula *window = open();
        QVERIFY(window);
        window->resize(kSmallRoom);
        QTest::qWait(20);
        for (auto [row, name] : {std::pair{11, kLongPersonal}, {12, kLongCustom}}) {
            auto *label = control<QLabel>(window, QStringLiteral("LblNome%1").arg(row));
            QCOMPARE(label->text(), name);
            QVERIFY(label->width() < label->fontMetrics().horizontalAdvance(name));
            (void)label->grab(); // painted: the label decides its tooltip as it draws
            QCOMPARE(label->toolTip(), name);
        }
        for (QScrollArea *area : window->findChildren<QScrollArea *>())
            QCOMPARE(area->horizontalScrollBar()->maximum(), 0);
        QVERIFY2(rowsInView(window) >= 6, qPrintable(QString::number(rowsInView(window))));
        const QSize hint = window->minimumSizeHint();
        QVERIFY2(hint.width() <= kSmallRoom.width() && hint.height() <= kSmallRoom.height(),
                 qPrintable(QStringLiteral("%1 x %2").arg(hint.width()).arg(hint.height())));
    }

    // Without prices the cheapest mix cannot be found: the message names every row. It
    // shows whole where the window has room, and never takes the six rows' place.
    void wholeMessage()
    {
        FrmFormula *window = open();
        QVERIFY(window);
        QTest::mouseClick(control<QPushButton>(window, QStringLiteral("CmdCalcolaFormula")), Qt::LeftButton);
        auto *note = control<QLabel>(window, QStringLiteral("TxtFormulaNote"));
        QVERIFY(note->text().count(u'\n') >= 10);
        auto *area = control<QScrollArea>(window, QStringLiteral("AreaNote"));
        window->resize(kSmallRoom.width(), 1000);
        QTRY_COMPARE(area->verticalScrollBar()->maximum(), 0);
        window->resize(kSmallRoom);
        QTest::qWait(20);
        QVERIFY(rowsInView(window) >= 6);
        QVERIFY(area->height() >= 2 * note->fontMetrics().lineSpacing());
    }

    // The window opens with the focus on the total; Tab and Shift+Tab each visit every
    // control once, and nothing else, before coming back. On a small screen, where the rows
    // scroll, every box of the rows the focus reaches lies wholly in view.
    void focusChain_data()
    {
        QTest::addColumn<bool>("forwards");
        QTest::addColumn<QSize>("room");
        QTest::newRow("Tab") << true << QSize();
        QTest::newRow("Shift+Tab") << false << QSize();
        QTest::newRow("Tab, 800 x 600") << true << kSmallRoom;
        QTest::newRow("Shift+Tab, 800 x 600") << false << kSmallRoom;
    }

    void focusChain()
    {
        QFETCH(bool, forwards);
        QFETCH(QSize, room);
        FrmFormula *window = open();
        QVERIFY(window);
        if (room.isValid()) {
            window->resize(room);
            QTest::qWait(20);
        }
        QScrollArea *rows = nullptr;
        for (QScrollArea *candidate : window->findChildren<QScrollArea *>())
            if (candidate->objectName() != QStringLiteral("AreaNote"))
                rows = candidate;
        QVERIFY(rows);
        if (room.isValid())
            QVERIFY(rows->verticalScrollBar()->maximum() > 0); // the rows do scroll
        QWidget *first = QApplication::focusWidget();
        QCOMPARE(first, control(window, QStringLiteral("TxtPesoTotale")));
        const QSet<QWidget *> expected = tabStops(window);
        QList<QWidget *> visited;
        for (int k = 0; k <= expected.size() + 2; ++k) {
            QTest::keyClick(QApplication::focusWidget(), forwards ? Qt::Key_Tab : Qt::Key_Backtab);
            QWidget *now = QApplication::focusWidget();
            QVERIFY2(expected.contains(now), qPrintable(QStringLiteral("stop %1: %2 (%3)")
                                                            .arg(k)
                                                            .arg(now ? now->objectName() : QString())
                                                            .arg(now ? now->metaObject()->className() : "")));
            if (rows->widget()->isAncestorOf(now)) {
                const QRect where(now->mapTo(rows->viewport(), QPoint()), now->size());
                QVERIFY2(rows->viewport()->rect().contains(where),
                         qPrintable(QStringLiteral("stop %1: %2 out of view %3,%4 %5x%6 in %7x%8")
                                        .arg(k)
                                        .arg(now->objectName())
                                        .arg(where.x())
                                        .arg(where.y())
                                        .arg(where.width())
                                        .arg(where.height())
                                        .arg(rows->viewport()->width())
                                        .arg(rows->viewport()->height())));
            }
            if (now == first)
                break;
            visited << now;
        }
        QCOMPARE(visited.size() + 1, expected.size());
        QCOMPARE(QSet<QWidget *>(visited.cbegin(), visited.cend()) << first, expected);
    }

    // Calcola formula, Applica and Chiudi answer Alt and their underlined letter, and no
    // two controls of the window share a letter.
    void accessKeys()
    {
        FrmFormula *window = open();
        QVERIFY(window);
        QMap<QKeySequence, QString> taken;
        for (QAbstractButton *button : window->findChildren<QAbstractButton *>()) {
            const QKeySequence key = QKeySequence::mnemonic(button->text());
            if (key.isEmpty())
                continue;
            QVERIFY2(!taken.contains(key), qPrintable(button->text() + QStringLiteral(" and ") + taken[key]));
            taken.insert(key, button->text());
        }
        for (const char *name : {"CmdCalcolaFormula", "CmdApplica", "CmdChiudi"})
            QVERIFY2(taken.values().contains(control<QPushButton>(window, QLatin1String(name))->text()),
                     name);

        // Alt+F finds a formula (with the closest goal, which needs no price), Alt+A applies it.
        auto *goal = control<QComboBox>(window, QStringLiteral("CmbObiettivo"));
        goal->setCurrentIndex(1);
        emit goal->activated(1);
        QTest::keyClick(window, Qt::Key_F, Qt::AltModifier);
        QTRY_VERIFY(!control<QLabel>(window, QStringLiteral("TxtFormulaPeso"))->text().isEmpty());
        QTest::keyClick(window, Qt::Key_A, Qt::AltModifier);
        QTRY_VERIFY(!control<QPushButton>(window, QStringLiteral("CmdApplica"))->isEnabled());
        QVERIFY(!form->worksheet().text(RisPeso).isEmpty());
        QTest::keyClick(window, Qt::Key_C, Qt::AltModifier);
        QTRY_VERIFY(!form->findChild<FrmFormula *>());
    }
};

QTEST_MAIN(TestFormulaWindow)
#include "tst_formulawindow.moc"
