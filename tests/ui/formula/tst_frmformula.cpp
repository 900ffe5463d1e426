// SPDX-License-Identifier: GPL-3.0-or-later
#include "catalogue.h"
#include "formprinc.h"
#include "frmformula.h"
#include "modalwatcher.h"
#include "testfiles.h"

#include <QCheckBox>
#include <QLabel>
#include <QLineEdit>
#include <QMenuBar>
#include <QPushButton>
#include <QStatusBar>
#include <QStyleFactory>
#include <QTemporaryDir>
#include <QTest>

using namespace field;

class TestFrmFormula : public QObject
{
    Q_OBJECT

    FormPrinc *form = nullptr;
    ModalWatcher *watcher = nullptr;
    QTemporaryDir dir;

    template <typename T = QLabel> T *control(QWidget *window, const char *name)
    {
        T *widget = window->findChild<T *>(QLatin1String(name));
        if (!widget)
            qFatal("no control %s", name);
        return widget;
    }

    QString text(QWidget *window, const char *name) { return control<QLabel>(window, name)->text(); }

    void typeInto(QWidget *window, const char *name, const QString &text)
    {
        auto *edit = control<QLineEdit>(window, name);
        edit->setFocus();
        edit->selectAll();
        QTest::keyClicks(edit, text);
    }

    void click(QWidget *window, const char *name)
    {
        QTest::mouseClick(control<QPushButton>(window, name), Qt::LeftButton);
    }

    FrmFormula *openFromTheMenu()
    {
        form->findChild<QAction *>(QStringLiteral("mnuFormula"))->trigger();
        auto *window = form->findChild<FrmFormula *>();
        if (window)
            (void)QTest::qWaitForWindowExposed(window);
        return window;
    }

private slots:
    void initTestCase() { QApplication::setStyle(QStyleFactory::create(QStringLiteral("Fusion"))); }

    void init()
    {
        form = new FormPrinc;
        form->show();
        QVERIFY(QTest::qWaitForWindowExposed(form));
        watcher = new ModalWatcher;
        const QString prices = dir.filePath(QStringLiteral("ingredienti.csv"));
        writeAll(prices, "nome;proteine;grassi;carboidrati;digeribilita;legante;prezzo\n"
                         "ALBUMINA;;;;;;10\nSEMOLINO;;;;;;1\nFARINA DI AVENA;;;;;;2\n");
        form->loadIngredients(prices);
        // ALBUMINA 200 g, SEMOLINO 300 g, FARINA DI AVENA 100 g: too little fat.
        const char *mix[] = {"ALBUMINA", "SEMOLINO", "FARINA DI AVENA"};
        const char *grams[] = {"200", "300", "100"};
        for (int row = 1; row <= 3; ++row) {
            form->worksheet().select(componente(row), QLatin1String(mix[row - 1]));
            typeInto(form, qPrintable(field::name(peso(row))), QLatin1String(grams[row - 1]));
        }
    }

    void cleanup()
    {
        QVERIFY2(watcher->unexpected.isEmpty(), qPrintable(watcher->unexpected.join(u',')));
        delete watcher;
        delete form;
    }

    // From the menu to the proposal to the worksheet: nothing changes before Applica,
    // which writes the grams as typed and runs Calcola, whose results are the proposal's.
    void proposeThenApply()
    {
        FrmFormula *window = openFromTheMenu();
        QVERIFY(window && window->isVisible() && !window->isModal());
        form->findChild<QAction *>(QStringLiteral("mnuFormula"))->trigger();
        QCOMPARE(form->findChildren<FrmFormula *>().size(), 1);
        QCOMPARE(control<QLineEdit>(window, "TxtPesoTotale")->text(), QStringLiteral("600"));
        QCOMPARE(text(window, "TxtAttuale2"), QStringLiteral("300"));
        QVERIFY(!control<QPushButton>(window, "CmdApplica")->isEnabled());
        // Applica's Alt+A, greyed, types nothing into the box that has the focus; what
        // Alt Gr types there stays.
        auto *total = control<QLineEdit>(window, "TxtPesoTotale");
        total->setFocus();
        total->end(false);
        QTest::keyClick(total, Qt::Key_A, Qt::AltModifier);
        QCOMPARE(total->text(), QStringLiteral("600"));
        QTest::sendKeyEvent(QTest::Click, total, Qt::Key_E, QStringLiteral("€"), Qt::AltModifier);
        QCOMPARE(total->text(), QStringLiteral("600€"));
        total->setText(QStringLiteral("600"));

        // A click into a row's "0" selects it, as in every window, so typing replaces it.
        QTest::mouseClick(control<QLineEdit>(window, "TxtMinimo3"), Qt::LeftButton);
        QTest::keyClicks(control<QLineEdit>(window, "TxtMinimo3"), QStringLiteral("5"));
        QCOMPARE(control<QLineEdit>(window, "TxtMinimo3")->text(), QStringLiteral("5"));
        typeInto(window, "TxtMassimo2", QStringLiteral("0"));
        click(window, "CmdCalcolaFormula");
        QCOMPARE(text(window, "TxtProposta2"), QStringLiteral("0,0"));
        QCOMPARE(text(window, "TxtFormulaPeso"), QStringLiteral("600,00"));
        const QString albumin = text(window, "TxtProposta1"), oats = text(window, "TxtProposta3");
        QCOMPARE(albumin.toInt() + oats.toInt(), 600);
        QCOMPARE(form->worksheet().text(peso(1)), QStringLiteral("200"));
        QCOMPARE(form->worksheet().text(RisPeso), QString());
        window->grab().save(QStringLiteral("formula.png")); // the guide's picture of a proposal

        click(window, "CmdApplica");
        QCOMPARE(form->worksheet().text(peso(1)), albumin);
        QCOMPARE(form->worksheet().text(peso(2)), QStringLiteral("0,0"));
        QCOMPARE(form->worksheet().text(peso(3)), oats);
        QCOMPARE(form->worksheet().text(RisPeso), QStringLiteral("600,00"));
        for (auto [result, shown] : {std::pair{RisProteinePercentuale, "TxtFormulaProteine"},
                                     {RisGrassiPercentuale, "TxtFormulaGrassi"},
                                     {RisDigeribilita, "TxtFormulaDigeribilita"},
                                     {RisProprietaLegante, "TxtFormulaLegante"}})
            QCOMPARE(form->worksheet().text(result), text(window, shown));
        QVERIFY(form->findChild<QLabel *>(QStringLiteral("LblCosto"))
                    ->text()
                    .contains(text(window, "TxtFormulaCosto")));
        QVERIFY(!control<QPushButton>(window, "CmdApplica")->isEnabled());
        QCOMPARE(text(window, "TxtAttuale2"), QStringLiteral("0"));
        QVERIFY(watcher->boxes.isEmpty());

        // A worksheet that changes after the proposal takes the proposal away.
        click(window, "CmdCalcolaFormula");
        QVERIFY(control<QPushButton>(window, "CmdApplica")->isEnabled());
        typeInto(form, "TxtPeso1", QStringLiteral("150"));
        QTRY_COMPARE(text(window, "TxtAttuale1"), QStringLiteral("150"));
        QVERIFY(!control<QPushButton>(window, "CmdApplica")->isEnabled());
        QCOMPARE(text(window, "TxtProposta1"), QString());
        QVERIFY(text(window, "TxtFormulaNote").startsWith(QStringLiteral("Il foglio è cambiato")));
        QCOMPARE(control<QLineEdit>(window, "TxtMassimo2")->text(),
                 QStringLiteral("0")); // the user's bound stays

        // So does any change of the limits it was found for: a band, the total, a row's bound.
        for (const char *limit : {"TxtGrassiMax", "TxtPesoTotale", "TxtMinimo3"}) {
            click(window, "CmdCalcolaFormula");
            QVERIFY(control<QPushButton>(window, "CmdApplica")->isEnabled());
            QLineEdit *edit = control<QLineEdit>(window, limit);
            typeInto(window, limit, edit->text());
            QVERIFY2(!control<QPushButton>(window, "CmdApplica")->isEnabled(), limit);
            QVERIFY(text(window, "TxtFormulaNote").startsWith(QStringLiteral("I limiti sono cambiati")));
        }

        // A new price list takes it away too, and says so.
        click(window, "CmdCalcolaFormula");
        QVERIFY(control<QPushButton>(window, "CmdApplica")->isEnabled());
        const QString prices = dir.filePath(QStringLiteral("ingredienti.csv"));
        writeAll(prices, "nome;proteine;grassi;carboidrati;digeribilita;legante;prezzo\n"
                         "ALBUMINA;;;;;;10\nSEMOLINO;;;;;;3\nFARINA DI AVENA;;;;;;2\n");
        form->loadIngredients(prices);
        QTRY_VERIFY(!control<QPushButton>(window, "CmdApplica")->isEnabled());
        QVERIFY(text(window, "TxtFormulaNote").startsWith(QStringLiteral("I prezzi sono cambiati")));

        // A limit that is not a number is pointed out; no mix says why.
        typeInto(window, "TxtGrassiMin", QStringLiteral("tre"));
        click(window, "CmdCalcolaFormula");
        QCOMPARE(watcher->texts(), QStringList{"Grassi %: il minimo «tre» non è un numero da 0 a 100"});
        typeInto(window, "TxtGrassiMin", QStringLiteral("9"));
        typeInto(window, "TxtGrassiMax", QStringLiteral("10"));
        click(window, "CmdCalcolaFormula");
        QCOMPARE(
            text(window, "TxtFormulaNote"),
            QStringLiteral("Nessun mix possibile:\nGrassi almeno 9%: con questi ingredienti si arriva al "
                           "massimo a 7,10%"));
        QVERIFY(!control<QPushButton>(window, "CmdApplica")->isEnabled());
    }

    // The window fits an 800 x 600 screen with a panel and its title bar, also for a full worksheet
    // whose rows then scroll.
    void fitsASmallScreen_data()
    {
        QTest::addColumn<bool>("full");
        QTest::newRow("three rows") << false;
        QTest::newRow("thirteen rows and eggs") << true;
    }

    void fitsASmallScreen()
    {
        QFETCH(bool, full);
        Worksheet &sheet = form->worksheet();
        if (full) {
            const QStringList names = catalogue::ingredientEntries().mid(1, 11);
            for (int row = 1; row <= 11; ++row)
                sheet.select(componente(row), names[row - 1]);
            sheet.setText(Aggiunta1, QStringLiteral("Mio 1"));
            sheet.setText(Aggiunta2, QStringLiteral("Mio 2"));
            sheet.setChecked(true);
            sheet.select(componente(kEggRow), QStringLiteral("UOVO INTERO GALLINA"));
        }
        FrmFormula *window = openFromTheMenu();
        QVERIFY(window);
        const QSize screen(800, 600 - 40 - 30); // less a panel and a title bar
        for (QSize size : {window->sizeHint(), window->minimumSizeHint()})
            QVERIFY2(size.width() <= screen.width() && size.height() <= screen.height(),
                     qPrintable(QStringLiteral("%1 x %2").arg(size.width()).arg(size.height())));
        QCOMPARE(bool(window->findChild<QCheckBox *>(QStringLiteral("ChkMantieniUova"))), full);
        QVERIFY(window->findChild<QLineEdit *>(QStringLiteral("TxtMinimo%1").arg(full ? 13 : 3)));
    }
};

QTEST_MAIN(TestFrmFormula)
#include "tst_frmformula.moc"
