// SPDX-License-Identifier: GPL-3.0-or-later
// The archive window driven through its widgets: sort, filter, open as "Apri", compare.
#include "accesskeys.h"
#include "formprinc.h"
#include "frmarchivio.h"
#include "frmconfronto.h"
#include "libraryentry.h"
#include "modalwatcher.h"
#include "pagerenderer.h"
#include "pagetext.h"
#include "recipegenerator.h"
#include "remembered.h"
#include "testfiles.h"
#include "usersettings.h"

#include <QCheckBox>
#include <QComboBox>
#include <QDoubleSpinBox>
#include <QHeaderView>
#include <QLabel>
#include <QLineEdit>
#include <QMenuBar>
#include <QPdfWriter>
#include <QPointer>
#include <QProgressBar>
#include <QPushButton>
#include <QSignalSpy>
#include <QSortFilterProxyModel>
#include <QStyleFactory>
#include <QTableView>
#include <QTableWidget>
#include <QTemporaryDir>
#include <QTest>
#include <QTimer>

using namespace field;

class TestFrmArchivio : public QObject
{
    Q_OBJECT

    FormPrinc *form = nullptr;
    ModalWatcher *watcher = nullptr;
    FrmArchivio *window = nullptr;
    QTemporaryDir dir;
    QTemporaryDir scratch;
    QTemporaryDir settingsHome;

    // The recipes' file names in the order the list shows them, files that are no recipe left out.
    QStringList shownRecipes()
    {
        QStringList names;
        QAbstractItemModel *shown = window->view()->model();
        for (int row = 0; row < shown->rowCount(); ++row) {
            const int entry = shown->index(row, 0).data(LibraryModel::EntryRole).toInt();
            if (window->model().entry(entry).isRecipe())
                names.append(window->model().entry(entry).relativePath);
        }
        return names;
    }

    // Selects the rows of these files, in this order of clicks.
    void select(const QStringList &files)
    {
        QTableView *view = window->view();
        view->clearSelection();
        QAbstractItemModel *shown = view->model();
        for (const QString &file : files)
            for (int row = 0; row < shown->rowCount(); ++row)
                if (shown->index(row, LibraryModel::FileColumn).data().toString() == file)
                    view->selectionModel()->select(shown->index(row, 0),
                                                   QItemSelectionModel::Select | QItemSelectionModel::Rows);
        if (files.size() == 1)
            for (int row = 0; row < shown->rowCount(); ++row)
                if (shown->index(row, LibraryModel::FileColumn).data().toString() == files.first())
                    view->setCurrentIndex(shown->index(row, 0));
    }

private slots:
    void initTestCase()
    {
        QApplication::setStyle(QStyleFactory::create(QStringLiteral("Fusion")));
        // The folder the archive remembers goes to a settings file of this run.
        qputenv("XDG_CONFIG_HOME", QFile::encodeName(settingsHome.path()));
        for (const char *name : {"ricetta_uova.txt", "ricetta_sbilanciata.txt", "ricetta_lf_accenti.txt",
                                 "campo37_non_valido.txt"})
            QVERIFY(QFile::copy(dataFile(QLatin1String(name)), dir.filePath(QLatin1String(name))));
        for (const char *name : {"r2.txt", "r10.txt"})
            QVERIFY(
                QFile::copy(dataFile(QStringLiteral("ricetta_uova.txt")), dir.filePath(QLatin1String(name))));
    }

    void init()
    {
        usersettings::open().clear();
        form = new FormPrinc;
        watcher = new ModalWatcher;
        // The archive starts at the folder of the last recipe opened.
        form->openOnShow(dir.filePath(QStringLiteral("ricetta_uova.txt")));
        form->show();
        QVERIFY(QTest::qWaitForWindowExposed(form));
        QTRY_COMPARE(form->worksheet().text(NomeRicetta), QStringLiteral("Boilie al latte"));
        form->findChild<QAction *>(QStringLiteral("mnuArchivio"))->trigger();
        window = form->archiveWindow();
        QVERIFY(window && window->isVisible() && !window->isModal());
        QTRY_VERIFY(window->model().rowCount() == 6 && !window->model().busy());
    }

    void cleanup()
    {
        QVERIFY2(watcher->unexpected.isEmpty(), qPrintable(watcher->unexpected.join(u',')));
        delete watcher;
        delete form;
    }

    // Closing the worksheet closes the library too, and the program ends: no window is
    // left to keep it running.
    void closingTheWorksheetEndsTheProgram()
    {
        QPointer<FrmArchivio> library = window;
        QVERIFY(form->close());
        QTRY_VERIFY(!library);
        for (const QWidget *top : QApplication::topLevelWidgets())
            QVERIFY2(!top->isVisible(), qPrintable(top->objectName()));
    }

    // Whatever is left open when the worksheet closes (a comparison, a window of no one's,
    // the library still reading), the program's event loop ends.
    void nothingLeftOpenKeepsTheProgramRunning()
    {
        select({QStringLiteral("r2.txt"), QStringLiteral("r10.txt")});
        window->CmdConfronta_Click();
        QWidget stray;
        stray.setWindowTitle(QStringLiteral("stray"));
        stray.show();
        bool stuck = false;
        QTimer::singleShot(0, form, [this] { form->close(); });
        QTimer::singleShot(10000, qApp, [&stuck] {
            stuck = true;
            QCoreApplication::quit();
        });
        QApplication::exec();
        QVERIFY(!stuck);
    }

    void startsAtTheLastRecipesFolder() { QCOMPARE(QDir(window->model().folder()), QDir(dir.path())); }

    // The folder the archive showed last is where it starts next time, before the last
    // recipe's; a folder since gone is said with its path, not counted as "0 ricette".
    void remembersItsFolderAndSaysWhenItIsGone()
    {
        QTemporaryDir other;
        QVERIFY(QFile::copy(dataFile(QStringLiteral("ricetta_uova.txt")),
                            other.filePath(QStringLiteral("a.txt"))));
        remembered::setArchiveFolder(other.path());
        auto reopen = [this] {
            window->close();
            QTRY_VERIFY(!form->archiveWindow()); // gone, not hidden
            form->findChild<QAction *>(QStringLiteral("mnuArchivio"))->trigger();
            window = form->archiveWindow();
            QVERIFY(window);
        };
        reopen();
        QTRY_VERIFY(window->model().rowCount() == 1 && !window->model().busy());
        QCOMPARE(QDir(window->model().folder()), QDir(other.path()));
        const QString gone = other.path();
        QVERIFY(other.remove());
        reopen();
        auto *counts = window->findChild<QLabel *>(QStringLiteral("LblConteggio"));
        QTRY_VERIFY(!window->model().busy());
        QCOMPARE(counts->text(),
                 QStringLiteral("Impossibile leggere la cartella: la cartella «%1» non esiste").arg(gone));
        // Made again, it is listed and the words go.
        QVERIFY(QDir().mkpath(gone));
        QVERIFY(QFile::copy(dataFile(QStringLiteral("ricetta_uova.txt")), gone + QStringLiteral("/b.txt")));
        QTRY_COMPARE(window->model().rowCount(), 1);
        QTRY_VERIFY(!counts->text().contains(QStringLiteral("Impossibile")));
        QDir(gone).removeRecursively();
    }

    // Half a large folder moved away at once: the recipes selected that stay, stay selected.
    void selectionSurvivesManyFilesLeaving()
    {
        QTemporaryDir big, away;
        QRandomGenerator rng(5);
        for (int k = 0; k < 300; ++k)
            recipegenerator::write(rng,
                                   big.filePath(QStringLiteral("r%1.txt").arg(k, 3, 10, QLatin1Char('0'))),
                                   QStringLiteral("R%1").arg(k));
        remembered::setArchiveFolder(big.path());
        window->close();
        QTRY_VERIFY(!form->archiveWindow());
        form->findChild<QAction *>(QStringLiteral("mnuArchivio"))->trigger();
        window = form->archiveWindow();
        QTRY_VERIFY(window->model().rowCount() == 300 && !window->model().busy());
        select({QStringLiteral("r001.txt"), QStringLiteral("r002.txt"), QStringLiteral("r151.txt")});
        for (int k = 0; k < 300; k += 2) {
            const QString name = QStringLiteral("r%1.txt").arg(k, 3, 10, QLatin1Char('0'));
            QVERIFY(QFile::rename(big.filePath(name), away.filePath(name)));
        }
        QTRY_VERIFY(window->model().rowCount() == 150 && !window->model().busy());
        QStringList selected;
        for (const QModelIndex &row :
             window->view()->selectionModel()->selectedRows(LibraryModel::FileColumn))
            selected.append(row.data().toString());
        selected.sort();
        QCOMPARE(selected, QStringList({QStringLiteral("r001.txt"), QStringLiteral("r151.txt")}));
    }

    // Another folder chosen: the count line starts again from nothing rather than keep the
    // last folder's figures while it is read; the progress bar has room for its words.
    void anotherFolderCountsAfresh()
    {
        class ChoosingWindow : public FrmArchivio
        {
        public:
            using FrmArchivio::FrmArchivio;
            QString next;

        protected:
            QString chooseFolder() override { return next; }
        };
        QTemporaryDir other;
        QVERIFY(QFile::copy(dataFile(QStringLiteral("ricetta_uova.txt")),
                            other.filePath(QStringLiteral("a.txt"))));
        ChoosingWindow chooser(form->session(), dir.path(), [](const QString &) {});
        QTRY_VERIFY(chooser.model().rowCount() == 6 && !chooser.model().busy());
        auto *counts = chooser.findChild<QLabel *>(QStringLiteral("LblConteggio"));
        QCOMPARE(counts->text(), QStringLiteral("5 ricette, 1 file non validi"));
        chooser.next = other.path();
        chooser.CmdCartella_Click();
        QCOMPARE(counts->text(), QStringLiteral("0 ricette"));
        QTRY_VERIFY(chooser.model().rowCount() == 1 && !chooser.model().busy());
        QCOMPARE(counts->text(), QStringLiteral("1 ricette"));
        // Read while a filter showed nothing, the columns take their widths once it shows lines.
        auto *filter = chooser.findChild<QLineEdit *>(QStringLiteral("TxtFiltro"));
        filter->setText(QStringLiteral("QUINOA"));
        chooser.next = dir.path();
        chooser.CmdCartella_Click();
        QTRY_VERIFY(chooser.model().rowCount() == 6 && !chooser.model().busy());
        filter->clear();
        const QFontMetrics fm = chooser.view()->fontMetrics();
        QVERIFY(chooser.view()->columnWidth(LibraryModel::FileColumn) >
                fm.horizontalAdvance(QStringLiteral("ricetta_sbilanciata.txt")));
        auto *bar = chooser.findChild<QProgressBar *>(QStringLiteral("BarLettura"));
        QVERIFY(bar->minimumWidth() >
                bar->fontMetrics().horizontalAdvance(QStringLiteral("10.000 di 10.000 file letti")));
    }

    void sortsByAnyColumn_data()
    {
        QTest::addColumn<int>("column");
        QTest::addColumn<int>("order");
        QTest::addColumn<QStringList>("files");
        const QString u = QStringLiteral("ricetta_uova.txt"), s = QStringLiteral("ricetta_sbilanciata.txt"),
                      l = QStringLiteral("ricetta_lf_accenti.txt");
        QTest::newRow("protein, as numbers")
            << int(LibraryModel::ProteinColumn) << int(Qt::AscendingOrder) << QStringList{l, u, s};
        QTest::newRow("fat, descending")
            << int(LibraryModel::FatColumn) << int(Qt::DescendingOrder) << QStringList{u, l, s};
        QTest::newRow("total weight 80 < 404 < 600")
            << int(LibraryModel::WeightColumn) << int(Qt::AscendingOrder) << QStringList{l, u, s};
        QTest::newRow("binder -1 first")
            << int(LibraryModel::BinderColumn) << int(Qt::AscendingOrder) << QStringList{l, u, s};
        QTest::newRow("recipe name") << int(LibraryModel::NameColumn) << int(Qt::AscendingOrder)
                                     << QStringList{u, s, l};
        QTest::newRow("file name, numbers within as numbers")
            << int(LibraryModel::FileColumn) << int(Qt::AscendingOrder)
            << QStringList{QStringLiteral("r2.txt"), QStringLiteral("r10.txt"), l, s, u};
    }
    void sortsByAnyColumn()
    {
        QFETCH(int, column);
        QFETCH(int, order);
        QFETCH(QStringList, files);
        // From the keyboard: "Ordina:" and an arrow key to the column, which sorts it up;
        // chosen again, down.
        auto *sort = window->findChild<QComboBox *>(QStringLiteral("CmbOrdina"));
        QHeaderView *header = window->view()->horizontalHeader();
        auto choose = [sort](int c) {
            sort->setCurrentIndex(c == 0 ? 1 : c - 1);
            QTest::keyClick(sort, c == 0 ? Qt::Key_Up : Qt::Key_Down);
        };
        if (header->sortIndicatorSection() == column)
            choose(column == 0 ? 1 : 0);
        choose(column);
        QCOMPARE(header->sortIndicatorSection(), column);
        QCOMPARE(header->sortIndicatorOrder(), Qt::AscendingOrder);
        if (order == Qt::DescendingOrder)
            choose(column);
        QCOMPARE(int(header->sortIndicatorOrder()), order);
        QStringList shown = shownRecipes();
        shown.removeIf([&files](const QString &name) { return !files.contains(name); }); // copies tie
        QCOMPARE(shown, files);
    }

    // Tab leaves the list; the filter and the sort have access keys.
    void keyboardReachesEveryControl()
    {
        window->activateWindow();
        QVERIFY(QTest::qWaitForWindowActive(window));
        window->view()->setFocus();
        QTest::keyClick(window->view(), Qt::Key_Tab);
        QVERIFY(QApplication::focusWidget() != window->view());
        QTest::keyClick(QApplication::focusWidget(), Qt::Key_F, Qt::AltModifier);
        QCOMPARE(QApplication::focusWidget(), window->findChild<QLineEdit *>(QStringLiteral("TxtFiltro")));
        // Confronta's Alt+O, greyed with nothing selected, types nothing into the filter.
        QTest::keyClick(QApplication::focusWidget(), Qt::Key_O, Qt::AltModifier);
        QCOMPARE(window->findChild<QLineEdit *>(QStringLiteral("TxtFiltro"))->text(), QString());
        QTest::keyClick(QApplication::focusWidget(), Qt::Key_R, Qt::AltModifier);
        QCOMPARE(QApplication::focusWidget(), window->findChild<QComboBox *>(QStringLiteral("CmbOrdina")));
        // Every access key of the window is its control's alone.
        const QStringList keys = accessKeys(window);
        const QSet<QString> distinct(keys.begin(), keys.end());
        QCOMPARE(distinct.size(), keys.size());
    }

    void filterFindsIngredientsAndNames_data()
    {
        QTest::addColumn<QString>("typed");
        QTest::addColumn<QStringList>("files");
        QTest::newRow("ingredient") << "SEMOLINO" << QStringList{QStringLiteral("ricetta_sbilanciata.txt")};
        QTest::newRow("egg kind, other case")
            << "uovo intero"
            << QStringList{QStringLiteral("r2.txt"), QStringLiteral("r10.txt"),
                           QStringLiteral("ricetta_uova.txt")};
        QTest::newRow("recipe name") << "di per" << QStringList{QStringLiteral("ricetta_lf_accenti.txt")};
        QTest::newRow("nothing") << "QUINOA" << QStringList{};
    }
    void filterFindsIngredientsAndNames()
    {
        QFETCH(QString, typed);
        QFETCH(QStringList, files);
        window->view()->sortByColumn(LibraryModel::FileColumn, Qt::AscendingOrder);
        QTest::keyClicks(window->findChild<QLineEdit *>(QStringLiteral("TxtFiltro")), typed);
        QCOMPARE(shownRecipes(), files);
    }

    // The bar's filters, reached by their access keys, narrow the list with the text filter.
    void filterBarNarrowsTheList_data()
    {
        QTest::addColumn<int>("balance"); // the choice's place in "Bilancio:"
        QTest::addColumn<bool>("sameMix");
        QTest::addColumn<QString>("costTo");
        QTest::addColumn<QStringList>("files");
        const QStringList eggs{"r2.txt", "r10.txt", "ricetta_uova.txt"};
        QTest::newRow("balanced") << 1 << false << "" << eggs;
        QTest::newRow("fat out of range") << 5 << false << "" << QStringList{"ricetta_sbilanciata.txt"};
        QTest::newRow("same mix") << 0 << true << "" << eggs;
        QTest::newRow("same mix, out of range") << 2 << true << "" << QStringList{};
        QTest::newRow("a cost, none priced") << 0 << false << "9" << QStringList{};
    }
    void filterBarNarrowsTheList()
    {
        QFETCH(int, balance);
        QFETCH(bool, sameMix);
        QFETCH(QString, costTo);
        QFETCH(QStringList, files);
        window->view()->sortByColumn(LibraryModel::FileColumn, Qt::AscendingOrder);
        window->activateWindow();
        QVERIFY(QTest::qWaitForWindowActive(window));
        QTest::keyClick(window, Qt::Key_B, Qt::AltModifier);
        auto *choice = window->findChild<QComboBox *>(QStringLiteral("CmbBilancio"));
        QCOMPARE(QApplication::focusWidget(), choice);
        for (int k = 0; k < balance; ++k)
            QTest::keyClick(choice, Qt::Key_Down);
        if (sameMix) { // the key clicks the box, as a button is clicked: after a moment
            QTest::keyClick(window, Qt::Key_M, Qt::AltModifier);
            QTRY_VERIFY(window->findChild<QCheckBox *>(QStringLiteral("ChkStessoMix"))->isChecked());
        }
        if (!costTo.isEmpty()) {
            QTest::keyClick(window, Qt::Key_T, Qt::AltModifier);
            QTest::keyClick(window, Qt::Key_Tab); // from "da" to "a"
            QTest::keyClicks(QApplication::focusWidget(), costTo);
            QTest::keyClick(QApplication::focusWidget(), Qt::Key_Return);
        }
        QCOMPARE(shownRecipes(), files);
        // The counts say how many are shown.
        QVERIFY(window->findChild<QLabel *>(QStringLiteral("LblConteggio"))
                    ->text()
                    .contains(QStringLiteral("(%1 mostrat").arg(window->view()->model()->rowCount())));
    }

    // A cost range stays a range: one edge moved past the other takes it along.
    void costRangeStaysARange()
    {
        auto *from = window->findChild<QDoubleSpinBox *>(QStringLiteral("TxtCostoDa"));
        auto *to = window->findChild<QDoubleSpinBox *>(QStringLiteral("TxtCostoA"));
        from->setValue(7);
        to->setValue(6);
        QCOMPARE(from->value(), 6.0);
        from->setValue(8);
        QCOMPARE(to->value(), 8.0);
        to->setValue(0); // "qualsiasi": no upper edge, the lower one stays
        QCOMPARE(from->value(), 8.0);
    }

    // Enter opens the recipe exactly as "Apri": its texts, and no calculation standing.
    void enterOpensAsApri()
    {
        form->CmdCalcola_Click();
        QVERIFY(form->session().lastCalculation());
        window->activateWindow();
        QVERIFY(QTest::qWaitForWindowActive(window));
        select({QStringLiteral("ricetta_sbilanciata.txt")});
        QTest::keyClick(window->view(), Qt::Key_Return);
        QCOMPARE(form->worksheet().text(NomeRicetta), QStringLiteral("Mix magro"));
        // The worksheet it filled comes to the front; the library, a window of its own, behind.
        QTRY_COMPARE(QApplication::activeWindow(), form);
        QVERIFY(window->isVisible());
        QCOMPARE(form->worksheet().text(componente(2)), QStringLiteral("SEMOLINO"));
        QVERIFY(!form->session().lastCalculation());
        QVERIFY(watcher->boxes.isEmpty());
        // A file that is no recipe: the refusal "Apri" gives, and nothing changes.
        select({QStringLiteral("campo37_non_valido.txt")});
        QTest::keyClick(window->view(), Qt::Key_Return);
        QTRY_COMPARE(watcher->boxes.size(), 1);
        QVERIFY(watcher->texts().first().startsWith(
            QStringLiteral("Impossibile aprire il file: non è una ricetta valida")));
        QCOMPARE(form->worksheet().text(NomeRicetta), QStringLiteral("Mix magro"));
    }

    // A greyed "Confronta" says why in its tooltip, in the words a comparison would refuse in.
    void compareSaysWhyItIsGreyed_data()
    {
        QTest::addColumn<QStringList>("files");
        QTest::addColumn<QString>("why");
        QTest::newRow("one recipe") << QStringList{"ricetta_uova.txt"}
                                    << QStringLiteral("Per il confronto servono da 2 a 4 ricette");
        QTest::newRow("one that is no recipe") << QStringList{"ricetta_uova.txt", "campo37_non_valido.txt"}
                                               << QStringLiteral("campo37_non_valido.txt");
        QTest::newRow("two recipes") << QStringList{"ricetta_uova.txt", "ricetta_sbilanciata.txt"}
                                     << QString();
        const QStringList four{"ricetta_uova.txt", "ricetta_sbilanciata.txt", "ricetta_lf_accenti.txt",
                               "r2.txt"};
        QTest::newRow("four recipes") << four << QString();
        QTest::newRow("five recipes")
            << four + QStringList{"r10.txt"} << QStringLiteral("Per il confronto servono da 2 a 4 ricette");
    }

    void compareSaysWhyItIsGreyed()
    {
        QFETCH(QStringList, files);
        QFETCH(QString, why);
        select(files);
        auto *compare = window->findChild<QPushButton *>(QStringLiteral("CmdConfronta"));
        QCOMPARE(compare->isEnabled(), why.isEmpty());
        const QStringList tip = compare->toolTip().split(u'\n');
        QCOMPARE(tip.first(), QStringLiteral("Mette a confronto da 2 a 4 ricette selezionate"));
        QCOMPARE(tip.size() > 1, !why.isEmpty());
        if (!why.isEmpty())
            QVERIFY2(tip.mid(1).join(u'\n').contains(why), qPrintable(compare->toolTip()));
    }

    void compareSideBySide()
    {
        select({QStringLiteral("ricetta_uova.txt")});
        QVERIFY(!window->findChild<QPushButton *>(QStringLiteral("CmdConfronta"))->isEnabled());
        window->view()->sortByColumn(LibraryModel::FileColumn, Qt::DescendingOrder);
        select({QStringLiteral("ricetta_uova.txt"), QStringLiteral("ricetta_sbilanciata.txt")});
        auto *compare = window->findChild<QPushButton *>(QStringLiteral("CmdConfronta"));
        QVERIFY(compare->isEnabled());
        QTest::mouseClick(compare, Qt::LeftButton);
        auto *confronto = window->findChild<FrmConfronto *>();
        QVERIFY(confronto);
        QTableWidget *grid = confronto->grid();
        QCOMPARE(grid->columnCount(), 2);
        // In the order of the list: the first column is the reference.
        QCOMPARE(confronto->table().titles,
                 QStringList({QStringLiteral("Boilie al latte"), QStringLiteral("Mix magro")}));
        int fat = -1;
        for (int row = 0; row < grid->rowCount(); ++row)
            if (grid->verticalHeaderItem(row)->text() == QStringLiteral("Grassi %"))
                fat = row;
        QVERIFY(fat >= 0);
        QCOMPARE(grid->item(fat, 0)->text(), QStringLiteral("6,62%"));
        QCOMPARE(grid->item(fat, 1)->text(), QStringLiteral("1,77% (-4,85)"));
        QVERIFY(grid->item(fat, 1)->font().bold() && !grid->item(fat, 0)->font().bold());
        const QStringList page = pageText(confronto->page());
        QVERIFY(confronto->page().landscape);
        QVERIFY(page.filter(QStringLiteral("Mix magro")).size() >= 4); // the title and three bars
        QVERIFY(page.filter(QStringLiteral("1,77% (-4,85) *")).size() == 1);

        // "Salva PDF…" writes it through the page renderer; nothing in the folder changes.
        struct ToPdf : FrmConfronto
        {
            using FrmConfronto::FrmConfronto;
            QString path;
            QString choosePdfPath() override { return path; }
        } pdf(confronto->entries());
        pdf.path = scratch.filePath(QStringLiteral("confronto.pdf"));
        QTest::mouseClick(pdf.findChild<QPushButton *>(QStringLiteral("CmdPdf")), Qt::LeftButton);
        QVERIFY(readAll(pdf.path).startsWith("%PDF"));
        pdf.path = scratch.filePath(QStringLiteral("manca/confronto.pdf"));
        QTest::mouseClick(pdf.findChild<QPushButton *>(QStringLiteral("CmdPdf")), Qt::LeftButton);
        QTRY_COMPARE(watcher->boxes.size(), 1);
        QVERIFY(
            watcher->texts().first().startsWith(QStringLiteral("Impossibile salvare il file PDF\nFile «")));
    }

    // Recipes of one name are told apart by their files; a name of 200 letters is cut with
    // "…" in the window's column, the chart and the sheet, and whole in the tooltip.
    void comparedNamesAreToldApartAndFit()
    {
        QByteArray bytes = readAll(dataFile(QStringLiteral("ricetta_sbilanciata.txt")));
        const QString longName = QString(200, u'M');
        bytes.replace("\"Mix magro\"", '"' + longName.toUtf8() + '"');
        writeAll(scratch.filePath(QStringLiteral("lunga.txt")), bytes);
        QList<library::Entry> entries;
        for (const char *name : {"ricetta_uova.txt", "r2.txt"})
            entries.append(library::readEntry(dir.filePath(QLatin1String(name)), dir.path(), {}));
        entries.append(library::readEntry(scratch.filePath(QStringLiteral("lunga.txt")), scratch.path(), {}));
        FrmConfronto confronto(entries);
        QCOMPARE(confronto.table().titles,
                 QStringList({QStringLiteral("Boilie al latte (ricetta_uova.txt)"),
                              QStringLiteral("Boilie al latte (r2.txt)"), longName}));
        QTableWidget *grid = confronto.grid();
        QVERIFY(grid->columnWidth(2) <= grid->fontMetrics().horizontalAdvance(QLatin1Char('x')) * 30);
        for (int row = 0; row < grid->rowCount(); ++row) { // the ingredients' labels too
            const QTableWidgetItem *label = grid->verticalHeaderItem(row);
            QVERIFY(grid->verticalHeader()->fontMetrics().horizontalAdvance(label->text()) <=
                    grid->verticalHeader()->maximumWidth());
            QVERIFY(label->text() == label->toolTip() || label->text().endsWith(u'…'));
        }
        QCOMPARE(grid->horizontalHeaderItem(2)->toolTip(), longName);
        const QString heading = grid->horizontalHeaderItem(2)->text();
        QVERIFY2(heading.startsWith(QStringLiteral("MMM")) && heading.endsWith(u'…'), qPrintable(heading));
        QVERIFY(grid->horizontalHeader()->fontMetrics().horizontalAdvance(heading) <= grid->columnWidth(2));
        const QStringList page = pageText(confronto.page());
        QVERIFY(page.filter(longName).isEmpty());
        QVERIFY(!page.filter(QStringLiteral("MMMMMMMMMM…")).isEmpty());
    }

    // The chart yields to the table: eight lines stay in view at any height the window
    // takes on a 800x600 screen (with a panel, at its smallest), and the chart keeps a
    // strip of its own.
    void comparisonKeepsEightLinesInView_data()
    {
        QTest::addColumn<int>("recipes");
        QTest::addColumn<int>("height"); // 0: as it opens; -1: its smallest
        for (int recipes : {2, 4}) {
            QTest::addRow("%d recipes, as opened", recipes) << recipes << 0;
            QTest::addRow("%d recipes, 800x600 with a panel", recipes) << recipes << 500;
            QTest::addRow("%d recipes, smallest", recipes) << recipes << -1;
        }
    }
    void comparisonKeepsEightLinesInView()
    {
        QFETCH(int, recipes);
        QFETCH(int, height);
        QList<library::Entry> entries;
        for (const library::Entry &entry : window->model().entries())
            if (entry.isRecipe() && entries.size() < recipes)
                entries.append(entry);
        FrmConfronto confronto(entries);
        if (height != 0)
            confronto.resize(confronto.width(), height < 0 ? confronto.minimumSizeHint().height() : height);
        confronto.show();
        QVERIFY(QTest::qWaitForWindowExposed(&confronto));
        QTableWidget *grid = confronto.grid();
        int whole = 0;
        for (int row = 0; row < grid->rowCount(); ++row)
            whole +=
                grid->visualRect(grid->model()->index(row, 0)).bottom() < grid->viewport()->height() ? 1 : 0;
        QVERIFY2(whole >= qMin(8, grid->rowCount()), qPrintable(QString::number(whole)));
        QVERIFY(confronto.findChild<QWidget *>(QStringLiteral("ScrQuote"))->height() >=
                confronto.fontMetrics().height() * 3);
    }

    // Four recipes on the landscape sheet: every line of the page stays one printed line,
    // the chart's marks included, and nothing runs past the printable width.
    void fourRecipesFitTheSheet()
    {
        QList<library::Entry> recipes;
        for (const library::Entry &entry : window->model().entries())
            if (entry.isRecipe() && recipes.size() < comparison::kMaxRecipes)
                recipes.append(entry);
        QCOMPARE(recipes.size(), comparison::kMaxRecipes);
        const Page page = comparison::page(comparison::build(recipes), comparison::bars(recipes));
        QPdfWriter pdf(scratch.filePath(QStringLiteral("quattro.pdf")));
        pdf.setPageOrientation(QPageLayout::Landscape);
        const QSizeF printable = pdf.pageLayout().paintRectPixels(pdf.resolution()).size();
        QSet<QPair<int, double>> printed;
        for (const pagerenderer::PlacedText &p : pagerenderer::layout(page, pdf, printable)) {
            printed.insert({p.page, p.y});
            const QFontMetricsF metrics(QFont(QStringLiteral("Liberation Sans"), int(p.pointSize)), &pdf);
            QVERIFY2(p.x + metrics.horizontalAdvance(p.text) <= printable.width() + 0.5, qPrintable(p.text));
        }
        int written = 0;
        for (const PageLine &line : page.lines)
            written += line.items.isEmpty() ? 0 : 1;
        QCOMPARE(int(printed.size()), written);
    }
};

QTEST_MAIN(TestFrmArchivio)
#include "tst_frmarchivio.moc"
