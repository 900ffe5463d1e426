// SPDX-License-Identifier: GPL-3.0-or-later
// Vornak in English: every window, the recipe sheet and vornak-cli speak English with no
// Italian word left, nothing is cut at 800 x 600, and a recipe saved in one language opens
// in the other to the same 51 fields.
#include "accesskeys.h"
#include "catalogue.h"
#include "fakechooser.h"
#include "formprinc.h"
#include "frmabout.h"
#include "frmarchivio.h"
#include "frmbilancio.h"
#include "frmconfronto.h"
#include "frmconvertitore.h"
#include "frmformula.h"
#include "frmingredienti.h"
#include "frmriferimenti.h"
#include "italianwords.h"
#include "language.h"
#include "libraryentry.h"
#include "messageboxsink.h"
#include "modalwatcher.h"
#include "pagetext.h"
#include "recipefile.h"
#include "testfiles.h"

#include <QAbstractButton>
#include <QAbstractItemView>
#include <QComboBox>
#include <QGroupBox>
#include <QLabel>
#include <QLineEdit>
#include <QMenu>
#include <QMenuBar>
#include <QProcess>
#include <QRegularExpression>
#include <QStatusBar>
#include <QTemporaryDir>
#include <QTest>
#include <QTextDocumentFragment>

#include <functional>

using namespace field;
using language::Language;

Q_DECLARE_METATYPE(language::Language)

namespace {

QString plain(const QString &text)
{
    return Qt::mightBeRichText(text) ? QTextDocumentFragment::fromHtml(text).toPlainText() : text;
}

// Every text a user can read in a window: its title, captions, buttons, tool tips, list
// entries, table headers and menus.
QStringList textsOf(QWidget *window)
{
    QStringList texts{window->windowTitle()};
    QList<QWidget *> widgets = window->findChildren<QWidget *>();
    widgets << window;
    for (QWidget *w : std::as_const(widgets)) {
        texts << w->toolTip();
        if (auto *label = qobject_cast<QLabel *>(w))
            texts << plain(label->text());
        else if (auto *button = qobject_cast<QAbstractButton *>(w))
            texts << button->text();
        else if (auto *box = qobject_cast<QGroupBox *>(w))
            texts << box->title();
        else if (auto *edit = qobject_cast<QLineEdit *>(w))
            texts << edit->placeholderText();
        else if (auto *menu = qobject_cast<QMenu *>(w))
            texts << menu->title();
        if (auto *combo = qobject_cast<QComboBox *>(w))
            for (int k = 0; k < combo->count(); ++k)
                texts << combo->itemText(k);
        if (auto *view = qobject_cast<QAbstractItemView *>(w); view && view->model()) {
            for (int c = 0; c < view->model()->columnCount(); ++c)
                texts << view->model()->headerData(c, Qt::Horizontal).toString();
            for (int r = 0; r < view->model()->rowCount(); ++r)
                texts << view->model()->index(r, 0).data().toString();
        }
    }
    for (QAction *action : window->findChildren<QAction *>())
        texts << action->text() << action->toolTip();
    texts.removeAll(QString());
    return texts;
}

// The captions of `window` whose text is wider than the caption: cut on screen.
QStringList cutCaptions(QWidget *window)
{
    QStringList cut;
    for (QLabel *label : window->findChildren<QLabel *>()) {
        if (!label->isVisibleTo(window) || label->wordWrap() || Qt::mightBeRichText(label->text()) ||
            label->text().isEmpty() || qobject_cast<QStatusBar *>(label->parentWidget()))
            continue;
        // A label with a buddy shows its access key's "&" as an underline, not a letter.
        const QString shown = label->buddy() ? QString(label->text()).remove(u'&') : label->text();
        const int needed = label->fontMetrics().horizontalAdvance(shown);
        if (needed > label->contentsRect().width())
            cut << QStringLiteral("«%1» needs %2 px, has %3")
                       .arg(label->text())
                       .arg(needed)
                       .arg(label->contentsRect().width());
    }
    return cut;
}

} // namespace

class TestEnglish : public QObject
{
    Q_OBJECT

private slots:
    void initTestCase()
    {
        // The language chosen in the window goes to a settings folder of the test's own.
        QVERIFY(m_config.isValid());
        qputenv("XDG_CONFIG_HOME", QFile::encodeName(m_config.path()));
        language::install(Language::English);
        m_window = std::make_unique<FormPrinc>();
        m_window->setFileChooser(std::make_unique<FakeChooser>());
        m_window->show();
        QVERIFY(QTest::qWaitForWindowExposed(m_window.get()));
        QCOMPARE(m_window->session().open(dataFile(QStringLiteral("ricetta_sbilanciata.txt"))), true);
        m_window->CmdCalcola_Click();
    }

    void cleanupTestCase()
    {
        m_window.reset();
        language::install(Language::Italian);
    }

    void languageFromTheSystem_data()
    {
        QTest::addColumn<QStringList>("uiLanguages");
        QTest::addColumn<Language>("expected");
        QTest::newRow("C") << QStringList{"C"} << Language::Italian;
        QTest::newRow("POSIX") << QStringList{"POSIX"} << Language::Italian;
        QTest::newRow("British") << QStringList{"en-GB", "en-Latn-GB"} << Language::English;
        QTest::newRow("American") << QStringList{"en-US", "en"} << Language::English;
        QTest::newRow("Italian") << QStringList{"it-IT", "it"} << Language::Italian;
        QTest::newRow("German only") << QStringList{"de-DE", "de"} << Language::Italian;
        QTest::newRow("German, then English") << QStringList{"de-DE", "en-GB"} << Language::English;
        QTest::newRow("Italian before English") << QStringList{"it-IT", "en"} << Language::Italian;
    }
    void languageFromTheSystem()
    {
        QFETCH(QStringList, uiLanguages);
        QFETCH(Language, expected);
        QCOMPARE(language::fromUiLanguages(uiLanguages), expected);
    }

    void everyWindowSpeaksEnglish_data()
    {
        QTest::addColumn<QString>("window");
        QTest::addColumn<QStringList>("expected");
        QTest::newRow("main window")
            << "FormPrinc"
            << QStringList{
                   "Calculate",           "Clear",        "Save ", "Open",  "Print ",    "Exit",
                   "Digestibility Index", "Binder Index", "Eggs",  "&View", "OAT FLOUR", "WHOLE HEN EGG"};
        QTest::newRow("converter") << "FrmConvertitore"
                                   << QStringList{"Percentage to Grams Converter",
                                                  "Total Mix Weight in grams", "Result in grams"};
        QTest::newRow("about") << "FrmAbout" << QStringList{"About Vornak ", "Made by the Vornak team"};
        QTest::newRow("references") << "FrmRiferimenti"
                                    << QStringList{"Reference values",
                                                   "DIGESTIBILITY:", "BALANCED BOILIES:", "BINDER:"};
        QTest::newRow("balance") << "FrmBilancio"
                                 << QStringList{"Balance of the mix", "Nutrient", "Verdict", "Suggestions:"};
        QTest::newRow("ingredients and prices")
            << "FrmIngredienti"
            << QStringList{"Ingredients and prices", "Price € per kg\n(eggs: € per egg)", "&Add", "OAT FLOUR",
                           "EGG YOLK"};
        QTest::newRow("formula") << "FrmFormula"
                                 << QStringList{"Formula of the mix", "Calculate &formula", "Lowest cost",
                                                "Closest to the current mix", "Limits of the mix"};
        QTest::newRow("formula, egg row") << "FrmFormula:eggs" << QStringList{"WHOLE HEN EGG", "OAT FLOUR"};
        QTest::newRow("library") << "FrmArchivio"
                                 << QStringList{"Recipe library",       "Filt&er:", "&Balance:", "balanced",
                                                "Same &mix as another", "Com&pare", "Same mix"};
        QTest::newRow("comparison") << "FrmConfronto"
                                    << QStringList{"Recipe comparison", "Ingredients",
                                                   "Results",           "Cost per kg",
                                                   "Saved results",     "WHOLE HEN EGG",
                                                   "OAT FLOUR",         "Balance Protein (17-40%)",
                                                   "Comparison.pdf"};
    }
    void everyWindowSpeaksEnglish()
    {
        QFETCH(QString, window);
        QFETCH(QStringList, expected);
        FormPrinc &main = *m_window;
        std::unique_ptr<QWidget> owned;
        QWidget *shown = nullptr;
        if (window == "FormPrinc") {
            shown = &main;
        } else if (window == "FrmConvertitore") {
            main.CmdConvertitore_Click();
            shown = main.converterWindow();
        } else if (window == "FrmBilancio") {
            main.mnuBilancio_Click();
            shown = main.balanceWindow();
        } else if (window == "FrmAbout") {
            owned = std::make_unique<FrmAbout>(&main);
        } else if (window == "FrmRiferimenti") {
            owned = std::make_unique<FrmRiferimenti>(&main);
        } else if (window == "FrmIngredienti") {
            owned = std::make_unique<FrmIngredienti>(main.session(), &main);
        } else if (window == "FrmConfronto") {
            QList<library::Entry> entries;
            for (const char *name : {"ricetta_sbilanciata.txt", "ricetta_uova.txt"})
                entries << library::readEntry(dataFile(QString::fromLatin1(name)),
                                              QStringLiteral(VORNAK_TEST_DATA), {});
            owned = std::make_unique<FrmConfronto>(entries, &main);
        } else if (window == "FrmArchivio") {
            owned = std::make_unique<FrmArchivio>(
                main.session(), QStringLiteral(VORNAK_TEST_DATA), [](const QString &) {}, &main);
        } else if (window == "FrmFormula:eggs") {
            QCOMPARE(main.session().open(dataFile(QStringLiteral("ricetta_uova.txt"))), true);
            owned = std::make_unique<FrmFormula>(main.session(), &main);
            QCOMPARE(main.session().open(dataFile(QStringLiteral("ricetta_sbilanciata.txt"))), true);
            main.CmdCalcola_Click();
        } else {
            owned = std::make_unique<FrmFormula>(main.session(), &main);
        }
        if (owned)
            shown = owned.get();
        QVERIFY(shown);
        QStringList texts = textsOf(shown);
        if (auto *confronto = qobject_cast<FrmConfronto *>(shown)) {
            // Every row's label and cell, and the printed page with its chart headings.
            const comparison::Table &table = confronto->table();
            for (const comparison::Line &line : table.lines) {
                texts << line.label;
                for (const comparison::Cell &cell : line.cells)
                    texts << cell.text;
            }
            const QStringList page = pageText(confronto->page());
            texts << page;
            // No label cut on the page: the longest nutrient's ends with its bracket.
            QVERIFY2(page.join(u'\n').contains(QStringLiteral("Balance Carbohydrate (25-60%)")),
                     qPrintable(page.join(u'\n')));
            // A label longer than its column goes on to a further line, whole.
            comparison::Table longLabel;
            longLabel.titles = QStringList{"A", "B"};
            longLabel.files = QStringList{"a.txt", "b.txt"};
            longLabel.lines.append(comparison::Line{
                QStringLiteral("Balance Carbohydrate (25-60%) and a label running longer"), {}, false});
            const QString wrapped = pageText(comparison::page(longLabel, {})).join(u'\n');
            QVERIFY2(wrapped.contains(QStringLiteral("Balance Carbohydrate (25-60%)")) &&
                         wrapped.contains(QStringLiteral("and a label running longer")),
                     qPrintable(wrapped));
            // The name the PDF dialog proposes.
            texts << QCoreApplication::translate("FrmConfronto", "Confronto.pdf");
        }
        if (auto *archive = qobject_cast<FrmArchivio *>(shown))
            for (int column = 0; column < LibraryModel::ColumnCount; ++column)
                texts << archive->model().headerData(column, Qt::Horizontal).toString();
        for (const QString &text : expected)
            QVERIFY2(texts.contains(text), qPrintable(QStringLiteral("missing: ") + text));
        // Every access key of the window is its control's alone, in English too.
        const QStringList keys = accessKeys(shown);
        const QSet<QString> distinct(keys.begin(), keys.end());
        QVERIFY2(distinct.size() == keys.size(), qPrintable(keys.join(u' ')));
        for (const QString &text : texts)
            QVERIFY2(
                italianWordsIn(text).isEmpty(),
                qPrintable(QStringLiteral("«%1» still has %2").arg(text, italianWordsIn(text).join(", "))));
        // Nothing cut: English texts are longer or shorter than the Italian ones.
        shown->show();
        QVERIFY(QTest::qWaitForWindowExposed(shown));
        QVERIFY2(cutCaptions(shown).isEmpty(), qPrintable(cutCaptions(shown).join(QStringLiteral("; "))));
        if (shown != &main)
            shown->close();
    }

    // The status bar after Calcola on a mix with too little fat, and the captions that
    // follow the egg box.
    void theWorksheetAnswersInEnglish()
    {
        const QStringList texts = textsOf(m_window.get());
        const QString status = texts.filter(QStringLiteral("Balance: ")).value(0);
        QVERIFY2(status.contains(QStringLiteral("Fat 1,77% below")), qPrintable(status));
        QVERIFY(texts.contains(QStringLiteral("Total weight without eggs")) ||
                texts.contains(QStringLiteral("Total weight with eggs")));
    }

    // The "?" menu's choice is kept for the next start, and said once in the chosen language.
    void theWindowRemembersTheChoice_data()
    {
        QTest::addColumn<QString>("action");
        QTest::addColumn<Language>("saved");
        QTest::addColumn<QString>("told");
        QTest::newRow("Italiano") << "mnuLingua_it" << Language::Italian
                                  << "Vornak parlerà italiano dal prossimo avvio.";
        QTest::newRow("English, already spoken") << "mnuLingua_en" << Language::English << QString();
    }
    void theWindowRemembersTheChoice()
    {
        QFETCH(QString, action);
        QFETCH(Language, saved);
        QFETCH(QString, told);
        auto *choice = m_window->findChild<QAction *>(action);
        QVERIFY(choice);
        ModalWatcher watcher;
        choice->trigger();
        QCOMPARE(language::saved(), std::optional<Language>(saved));
        QVERIFY(choice->isChecked());
        QCOMPARE(watcher.texts(), told.isEmpty() ? QStringList() : QStringList{told});
        QVERIFY(watcher.unexpected.isEmpty());
    }

    // Qt's own dialogs follow: Italian buttons from qtbase_it, Qt's built-in English otherwise.
    void qtsOwnDialogsFollow()
    {
        language::install(Language::Italian);
        const QString italian = QCoreApplication::translate("QPlatformTheme", "Cancel");
        language::install(Language::English);
        QCOMPARE(italian, QStringLiteral("Annulla"));
        QCOMPARE(QCoreApplication::translate("QPlatformTheme", "Cancel"), QStringLiteral("Cancel"));
    }

    // At 800 x 600 every caption of the main window shows its whole text.
    void nothingIsCutInTheMainWindow()
    {
        QVERIFY2(cutCaptions(m_window.get()).isEmpty(), qPrintable(cutCaptions(m_window.get()).join("; ")));
        // and in Italian, which the window was designed for
        language::install(Language::Italian);
        FormPrinc italian;
        italian.show();
        QVERIFY(QTest::qWaitForWindowExposed(&italian));
        const QStringList cut = cutCaptions(&italian);
        language::install(Language::English);
        QVERIFY2(cut.isEmpty(), qPrintable(cut.join(QStringLiteral("; "))));
    }

    void theRecipeSheetSpeaksEnglish()
    {
        const std::optional<Page> page = m_window->session().recipePage();
        QVERIFY(page);
        QString sheet;
        for (const PageLine &line : page->lines)
            for (const PageItem &item : line.items)
                sheet += item.text;
        QVERIFY2(sheet.contains(QStringLiteral("Recipe:  ")), qPrintable(sheet));
        QVERIFY2(sheet.contains(QStringLiteral("OAT FLOUR")), qPrintable(sheet));
        QVERIFY2(sheet.contains(QStringLiteral("Weight: ")), qPrintable(sheet));
        QVERIFY2(italianWordsIn(sheet).isEmpty(), qPrintable(italianWordsIn(sheet).join(", ")));
    }

    // Both programs read --lang the same way: spaced or with "=", the first one given,
    // never after "--", and what is left is the command line without it.
    void languageOptionIsReadOneWay_data()
    {
        QTest::addColumn<QStringList>("arguments");
        QTest::addColumn<int>("times");
        QTest::addColumn<QString>("value");
        QTest::addColumn<QStringList>("rest");
        QTest::newRow("absent") << QStringList{"calc", "a.txt"} << 0 << "" << QStringList{"calc", "a.txt"};
        QTest::newRow("spaced") << QStringList{"calc", "--lang", "en", "a.txt"} << 1 << "en"
                                << QStringList{"calc", "a.txt"};
        QTest::newRow("with =") << QStringList{"--lang=it", "calc"} << 1 << "it" << QStringList{"calc"};
        QTest::newRow("no value at the end")
            << QStringList{"calc", "--lang"} << 1 << "" << QStringList{"calc"};
        QTest::newRow("twice, the first one")
            << QStringList{"--lang", "it", "--lang=en"} << 2 << "it" << QStringList{};
        QTest::newRow("after --, a file's name") << QStringList{"a.txt", "--", "--lang", "en"} << 0 << ""
                                                 << QStringList{"a.txt", "--", "--lang", "en"};
    }

    void languageOptionIsReadOneWay()
    {
        QFETCH(QStringList, arguments);
        QFETCH(int, times);
        QFETCH(QString, value);
        QFETCH(QStringList, rest);
        const language::CommandLineChoice choice = language::fromCommandLine(arguments);
        QCOMPARE(choice.times, times);
        QCOMPARE(choice.value, value);
        QCOMPARE(choice.rest, rest);
    }

    // A recipe saved in one language opens in the other to the same 51 fields: files keep
    // the Italian names whatever the window shows.
    void aRecipeCrossesLanguages_data()
    {
        QTest::addColumn<Language>("savedIn");
        QTest::addColumn<Language>("openedIn");
        QTest::addColumn<QString>("recipe");
        for (const char *file : {"ricetta_uova.txt", "ricetta_sbilanciata.txt"}) {
            QTest::addRow("%s, English to Italian", file) << Language::English << Language::Italian << file;
            QTest::addRow("%s, Italian to English", file) << Language::Italian << Language::English << file;
        }
    }
    void aRecipeCrossesLanguages()
    {
        QFETCH(Language, savedIn);
        QFETCH(Language, openedIn);
        QFETCH(QString, recipe);
        QTemporaryDir dir;
        const QString saved = dir.filePath(QStringLiteral("saved.txt"));
        QStringList written;
        {
            language::install(savedIn);
            FormPrinc window;
            QVERIFY(window.session().open(dataFile(recipe)));
            // Chosen again through the list as the user sees it: the English entry must
            // put the Italian name back into the worksheet.
            auto *list = window.findChild<QComboBox *>(QStringLiteral("CmbComponente1"));
            QVERIFY(list);
            const int shown = list->currentIndex();
            QVERIFY(shown > 0);
            QCOMPARE(list->currentText(), catalogue::displayName(window.worksheet().text(componente(1))));
            list->activated(shown);
            window.CmdCalcola_Click();
            written = recipefile::recordOf(window.worksheet());
            FakeChooser chooser;
            chooser.savePath = saved;
            QVERIFY(window.session().save(chooser));
        }
        language::install(openedIn);
        FormPrinc window;
        QVERIFY(window.session().open(saved));
        const QStringList read = recipefile::recordOf(window.worksheet());
        QCOMPARE(read.size(), 51);
        QCOMPARE(read, written);
        QVERIFY(catalogue::findIngredient(read.first()));
        language::install(Language::English);
    }

private:
    QTemporaryDir m_config;
    std::unique_ptr<FormPrinc> m_window;
};

QTEST_MAIN(TestEnglish)
#include "tst_english.moc"
