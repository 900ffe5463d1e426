// SPDX-License-Identifier: GPL-3.0-or-later
#include "formprinc.h"
#include "frmconvertitore.h"
#include "modalwatcher.h"

#include <QLineEdit>
#include <QPointer>
#include <QPushButton>
#include <QTest>

class TestFrmConvertitore : public QObject
{
    Q_OBJECT

    FormPrinc *form = nullptr;
    ModalWatcher *watcher = nullptr;

    FrmConvertitore *openConverter()
    {
        QTest::mouseClick(form->findChild<QPushButton *>(QStringLiteral("CmdConvertitore")), Qt::LeftButton);
        return form->converterWindow();
    }

    static void type(FrmConvertitore *window, const QString &name, const QString &text)
    {
        auto *edit = window->findChild<QLineEdit *>(name);
        QVERIFY2(edit, qPrintable(name));
        edit->setFocus();
        edit->selectAll();
        QTest::keyClicks(edit, text);
    }

private slots:
    void init()
    {
        form = new FormPrinc;
        form->show();
        QVERIFY(QTest::qWaitForWindowExposed(form));
        watcher = new ModalWatcher;
    }

    void cleanup()
    {
        QVERIFY2(watcher->unexpected.isEmpty(), qPrintable(watcher->unexpected.join(u',')));
        delete watcher;
        delete form;
    }

    void openingTwiceGivesOneWindow()
    {
        FrmConvertitore *first = openConverter();
        QVERIFY(first && first->isVisible());
        QVERIFY(!first->isModal());
        QCOMPARE(first->windowTitle(), QStringLiteral("Convertitire Percentuale - Grammi"));
        QCOMPARE(first->size(), QSize(423, 578));
        QCOMPARE(first->minimumSize(), first->maximumSize());
        form->findChild<QAction *>(QStringLiteral("mnuConvertitore"))->trigger();
        QCOMPARE(form->converterWindow(), first);
        QCOMPARE(form->findChildren<FrmConvertitore *>().size(), 1);
    }

    void convertsThroughItsWidgets()
    {
        FrmConvertitore *window = openConverter();
        auto *name = window->findChild<QLineEdit *>(QStringLiteral("Txt1"));
        QVERIFY(!name->isEnabled());
        type(window, QStringLiteral("TxtImpostaPeso"), QStringLiteral("1000"));
        QVERIFY(name->isEnabled());
        type(window, QStringLiteral("Txt1"), QStringLiteral("Farina"));
        type(window, QStringLiteral("TxtPercent1"), QStringLiteral("40"));
        type(window, QStringLiteral("TxtPercent2"), QStringLiteral("60"));
        QTest::mouseClick(window->findChild<QPushButton *>(QStringLiteral("CmdCalcola")), Qt::LeftButton);
        QCOMPARE(window->findChild<QLineEdit *>(QStringLiteral("TxtRis1"))->text(), QStringLiteral("400"));
        QCOMPARE(window->findChild<QLineEdit *>(QStringLiteral("TxtRis2"))->text(), QStringLiteral("600"));
        QCOMPARE(window->findChild<QLineEdit *>(QStringLiteral("TxtRis3"))->text(), QStringLiteral("0"));
        QVERIFY(window->findChild<QLineEdit *>(QStringLiteral("TxtRis1"))->isReadOnly());

        type(window, QStringLiteral("TxtPercent3"), QStringLiteral("150"));
        QCOMPARE(watcher->texts(), QStringList{"Il valore Percentuale non deve superare il 100%"});
        QCOMPARE(window->findChild<QLineEdit *>(QStringLiteral("TxtPercent3"))->text(), QStringLiteral("0"));

        QTest::mouseClick(window->findChild<QPushButton *>(QStringLiteral("CmdCancella")), Qt::LeftButton);
        QCOMPARE(window->findChild<QLineEdit *>(QStringLiteral("TxtImpostaPeso"))->text(),
                 QStringLiteral("0"));
        QVERIFY(!name->isEnabled());
        QVERIFY(name->text().isEmpty());
    }

    void disabledBoxesLookDisabled()
    {
        FrmConvertitore *window = openConverter();
        auto *name = window->findChild<QLineEdit *>(QStringLiteral("Txt1"));
        auto background = [name] { return name->grab().toImage().pixelColor(4, name->height() / 2); };
        const QColor disabled = background();
        type(window, QStringLiteral("TxtImpostaPeso"), QStringLiteral("1000"));
        QVERIFY(name->isEnabled());
        QVERIFY(background() != disabled);
    }

    void closingDiscardsAndReopeningStartsAfresh()
    {
        QPointer<FrmConvertitore> window = openConverter();
        type(window, QStringLiteral("TxtImpostaPeso"), QStringLiteral("500"));
        window->close(); // the close box
        QTRY_VERIFY(window.isNull());
        FrmConvertitore *again = openConverter();
        QCOMPARE(again->findChild<QLineEdit *>(QStringLiteral("TxtImpostaPeso"))->text(),
                 QStringLiteral("0"));
        QVERIFY(!again->findChild<QLineEdit *>(QStringLiteral("Txt1"))->isEnabled());

        QTest::mouseClick(again->findChild<QPushButton *>(QStringLiteral("CmdEsci")), Qt::LeftButton);
        QTRY_VERIFY(form->converterWindow() == nullptr);
    }

    void closesWithTheMainWindow()
    {
        QPointer<FrmConvertitore> window = openConverter();
        form->close();
        QTRY_VERIFY(window.isNull());
    }
};

QTEST_MAIN(TestFrmConvertitore)
#include "tst_frmconvertitore.moc"
