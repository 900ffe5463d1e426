// SPDX-License-Identifier: GPL-3.0-or-later
// A long run of random use over the worksheet's windows: the library filtered, sorted and
// opened from while its folder changes under it, comparisons opened and closed, the formula
// computed and applied, and every window closed in a random order at the end of each round.
// After every step the library lists exactly the folder's files and counts what it shows;
// after every round the program's event loop ends once the worksheet is closed.
#include "formprinc.h"
#include "frmarchivio.h"
#include "frmconfronto.h"
#include "frmformula.h"
#include "modalwatcher.h"
#include "recipegenerator.h"
#include "testfiles.h"
#include "usersettings.h"

#include <QCheckBox>
#include <QComboBox>
#include <QDirIterator>
#include <QDoubleSpinBox>
#include <QLabel>
#include <QLineEdit>
#include <QPointer>
#include <QPushButton>
#include <QRandomGenerator>
#include <QStyleFactory>
#include <QTableView>
#include <QTemporaryDir>
#include <QTest>
#include <QTimer>

namespace {

constexpr int kRounds = 12;
constexpr int kSteps = 40;

// The .txt files under `folder`, by path.
QStringList filesUnder(const QString &folder)
{
    QStringList files;
    QDirIterator walk(folder, {QStringLiteral("*.txt")}, QDir::Files, QDirIterator::Subdirectories);
    while (walk.hasNext())
        files.append(walk.next());
    files.sort();
    return files;
}

QStringList listedFiles(const LibraryModel &model)
{
    QStringList files;
    for (const library::Entry &entry : model.entries())
        files.append(entry.path);
    files.sort();
    return files;
}

} // namespace

class TestWindowSoak : public QObject
{
    Q_OBJECT

    QTemporaryDir folder, away, settingsHome;
    QRandomGenerator rng{2026};
    FormPrinc *form = nullptr;
    ModalWatcher *watcher = nullptr;

    template <typename T> T *in(QWidget *window, const char *name)
    {
        return window->findChild<T *>(QLatin1String(name));
    }

    FrmArchivio *library()
    {
        form->findChild<QAction *>(QStringLiteral("mnuArchivio"))->trigger();
        return form->archiveWindow();
    }

    // One random thing a user does; false when the step ended the round early.
    void step()
    {
        FrmArchivio *window = form->archiveWindow();
        switch (rng.bounded(10)) {
        case 0:
            library();
            break;
        case 1:
            if (window) {
                static const char *const texts[] = {"", "SEMOLINO", "ricetta", "=", "inverno/", "zz"};
                in<QLineEdit>(window, "TxtFiltro")->setText(QLatin1String(texts[rng.bounded(6)]));
            }
            break;
        case 2:
            if (window) {
                in<QComboBox>(window, "CmbBilancio")->setCurrentIndex(int(rng.bounded(6)));
                in<QDoubleSpinBox>(window, "TxtCostoDa")->setValue(rng.bounded(3));
                in<QDoubleSpinBox>(window, "TxtCostoA")->setValue(rng.bounded(2) ? 0 : rng.bounded(2, 9));
                in<QCheckBox>(window, "ChkStessoMix")->setChecked(rng.bounded(2));
            }
            break;
        case 3:
            if (window)
                window->view()->sortByColumn(int(rng.bounded(LibraryModel::ColumnCount)),
                                             rng.bounded(2) ? Qt::AscendingOrder : Qt::DescendingOrder);
            break;
        case 4:
            if (window && window->view()->model()->rowCount() > 0) {
                QTableView *view = window->view();
                view->clearSelection();
                for (int k = int(rng.bounded(1, 5)); k > 0; --k)
                    view->selectionModel()->select(
                        view->model()->index(int(rng.bounded(view->model()->rowCount())), 0),
                        QItemSelectionModel::Select | QItemSelectionModel::Rows);
                if (in<QPushButton>(window, "CmdConfronta")->isEnabled())
                    window->CmdConfronta_Click();
            }
            break;
        case 5:
            if (window && window->view()->model()->rowCount() > 0) {
                QTableView *view = window->view();
                view->setCurrentIndex(view->model()->index(int(rng.bounded(view->model()->rowCount())), 0));
                window->CmdApri_Click();
            }
            break;
        case 6: {
            // A recipe leaves the folder or comes back, as a file manager moves it.
            const QStringList here = filesUnder(folder.path()), gone = filesUnder(away.path());
            if (!gone.isEmpty() && (here.isEmpty() || rng.bounded(2))) {
                const QString file = gone[qsizetype(rng.bounded(int(gone.size())))];
                QFile::rename(file, folder.filePath(QFileInfo(file).fileName()));
            } else if (!here.isEmpty()) {
                const QString file = here[qsizetype(rng.bounded(int(here.size())))];
                QFile::rename(file, away.filePath(QFileInfo(file).fileName()));
            }
            break;
        }
        case 7: {
            form->findChild<QAction *>(QStringLiteral("mnuFormula"))->trigger();
            if (auto *formula = form->findChild<FrmFormula *>()) {
                in<QPushButton>(formula, "CmdCalcolaFormula")->click();
                if (rng.bounded(2) && in<QPushButton>(formula, "CmdApplica")->isEnabled())
                    in<QPushButton>(formula, "CmdApplica")->click();
            }
            break;
        }
        case 8:
            for (auto *comparison : form->findChildren<FrmConfronto *>())
                if (rng.bounded(2))
                    comparison->close();
            break;
        default:
            if (window && rng.bounded(3) == 0)
                window->close();
            break;
        }
    }

    void checkLibrary()
    {
        FrmArchivio *window = form->archiveWindow();
        if (!window)
            return;
        // The list follows its folder (the last recipe's, which may be a subfolder): once it
        // has settled, exactly its files.
        QTRY_COMPARE_WITH_TIMEOUT(listedFiles(window->model()), filesUnder(window->model().folder()), 10000);
        const int shown = window->view()->model()->rowCount();
        const QString counts = in<QLabel>(window, "LblConteggio")->text();
        if (shown != window->model().rowCount())
            QVERIFY2(counts.contains(QStringLiteral("(%1 mostrat").arg(shown)), qPrintable(counts));
    }

    // Closes every window in a random order, the worksheet among them; the event loop must
    // end, whatever was left open.
    void closeEverything()
    {
        QList<QPointer<QWidget>> open;
        for (QWidget *top : QApplication::topLevelWidgets())
            if (top->isVisible())
                open.append(top);
        for (qsizetype k = open.size() - 1; k > 0; --k)
            open.swapItemsAt(k, qsizetype(rng.bounded(int(k) + 1)));
        bool stuck = false;
        QTimer::singleShot(0, qApp, [open] {
            for (const QPointer<QWidget> &window : open)
                if (window)
                    window->close();
        });
        QTimer::singleShot(10000, qApp, [&stuck] {
            stuck = true;
            QCoreApplication::quit();
        });
        QApplication::exec();
        QVERIFY2(!stuck, "the program kept running with its worksheet closed");
    }

private slots:
    void initTestCase()
    {
        QApplication::setStyle(QStyleFactory::create(QStringLiteral("Fusion")));
        qputenv("XDG_CONFIG_HOME", QFile::encodeName(settingsHome.path()));
        QRandomGenerator files(11);
        for (int k = 0; k < 60; ++k) {
            const QString sub =
                QStringLiteral("%1/").arg(k % 3 ? QStringLiteral("inverno") : QStringLiteral("estate"));
            QDir(folder.path()).mkpath(sub);
            recipegenerator::write(files, folder.filePath(sub + QStringLiteral("r%1.txt").arg(k)),
                                   QStringLiteral("Ricetta %1").arg(k % 20));
        }
        writeAll(folder.filePath(QStringLiteral("appunti.txt")), "comprare esche\r\n");
        QVERIFY(QFile::copy(dataFile(QStringLiteral("ricetta_uova.txt")),
                            folder.filePath(QStringLiteral("=1+1.txt"))));
    }

    void randomUse()
    {
        for (int round = 0; round < kRounds; ++round) {
            usersettings::open().clear();
            form = new FormPrinc;
            watcher = new ModalWatcher;
            watcher->answer = QStringLiteral("No"); // unsaved changes are dropped when asked
            form->openOnShow(folder.filePath(QStringLiteral("=1+1.txt")));
            form->show();
            QVERIFY(QTest::qWaitForWindowExposed(form));
            library();
            for (int k = 0; k < kSteps; ++k) {
                step();
                QCoreApplication::processEvents();
                checkLibrary();
                if (QTest::currentTestFailed())
                    return;
            }
            closeEverything();
            QVERIFY2(watcher->unexpected.isEmpty(), qPrintable(watcher->unexpected.join(u',')));
            delete watcher;
            delete form;
            if (QTest::currentTestFailed())
                return;
        }
    }
};

QTEST_MAIN(TestWindowSoak)
#include "tst_windowsoak.moc"
