// SPDX-License-Identifier: GPL-3.0-or-later
#include "formprinc.h"
#include "frmingredienti.h"
#include "ingredienteditormodel.h"
#include "ingredientfile.h"
#include "messages.h"
#include "modalwatcher.h"
#include "recordingsink.h"

#include "testfiles.h"

#include <QComboBox>
#include <QFile>
#include <QLabel>
#include <QLineEdit>
#include <QMenuBar>
#include <QPushButton>
#include <QStandardPaths>
#include <QTableView>
#include <QTemporaryDir>
#include <QTest>

#include <csignal>
#include <sys/resource.h>

using namespace field;

namespace {

const QByteArray kFile = "nome;proteine;grassi;carboidrati;digeribilita;legante;prezzo\n"
                         "ALBUMINA;;;;;;10\nFARINA DI AVENA;;;;;;2\nUOVO INTERO GALLINA;;;;;;0,25\n"
                         "Mix Luca;22,5;8;45;3,5;-1;4\nAnice;10;0;0;1;0;\n";

} // namespace

class TestFrmIngredienti : public QObject
{
    Q_OBJECT

    QTemporaryDir dir;
    QString path;
    Session *session = nullptr;
    Worksheet *sheet = nullptr;
    RecordingSink sink;
    FrmIngredienti *editor = nullptr;
    ModalWatcher *watcher = nullptr;

    QModelIndex cell(const QString &name, int column)
    {
        IngredientEditorModel *table = editor->table();
        for (int row = 0; row < table->rowCount(); ++row)
            if (table->index(row, IngredientEditorModel::TableNome).data().toString() == name)
                return table->index(row, column);
        qFatal("no row %s", qPrintable(name));
    }

    // Edits a cell as a user does: click the selected cell and type over its text at once
    // (the first key on its own: no row search may take it elsewhere), press Enter.
    void type(const QModelIndex &index, const QString &text)
    {
        QTableView *view = editor->view();
        view->setCurrentIndex(index);
        view->scrollTo(index);
        QTest::mouseClick(view->viewport(), Qt::LeftButton, {}, view->visualRect(index).center());
        QWidget *focus = view->indexWidget(index);
        QTest::keyClick(focus ? focus : view, text[0].toLatin1());
        QCOMPARE(view->currentIndex(), index);
        auto *edit = qobject_cast<QLineEdit *>(view->indexWidget(index));
        QVERIFY(edit);
        edit->insert(text.mid(1)); // "€" included
        QTest::keyClick(edit, Qt::Key_Return);
        QTRY_VERIFY(!view->indexWidget(index));
    }

private slots:
    void initTestCase()
    {
        QStandardPaths::setTestModeEnabled(true);
        path = dir.filePath(QStringLiteral("ingredienti.csv"));
    }

    void init()
    {
        writeAll(path, kFile);
        session = new Session(sink);
        session->loadLibrary(path);
        sheet = &session->worksheet();
        sheet->select(componente(1), QStringLiteral("Mix Luca"));
        sink.clear();
        editor = new FrmIngredienti(*session);
        editor->setWindowModality(Qt::NonModal); // driven here without exec()
        editor->show();
        QVERIFY(QTest::qWaitForWindowExposed(editor));
        watcher = new ModalWatcher;
    }

    void cleanup()
    {
        QVERIFY2(watcher->unexpected.isEmpty(), qPrintable(watcher->unexpected.join(u',')));
        QVERIFY2(sink.unanswered.isEmpty(), qPrintable(sink.unanswered.join(u',')));
        delete watcher;
        delete editor;
        delete session;
    }

    void cellsAreCheckedAsTyped_data()
    {
        QTest::addColumn<QString>("row");
        QTest::addColumn<int>("column");
        QTest::addColumn<QString>("typed");
        QTest::addColumn<QString>("message"); // empty: accepted
        QTest::addColumn<QString>("shown");
        const int name = IngredientEditorModel::TableNome, price = IngredientEditorModel::TablePrezzo;
        const int protein = IngredientEditorModel::TableProteine, fat = IngredientEditorModel::TableGrassi;
        QTest::newRow("price with a euro sign") << "CASEINA" << price << "3 €"
                                                << ""
                                                << "3";
        QTest::newRow("egg price not a number")
            << "TUORLO (IL ROSSO)" << price << "tre" << messages::kNotANumber << "";
        QTest::newRow("negative price") << "Anice" << price << "-1" << messages::kNegative << "";
        QTest::newRow("percentage over 100") << "Anice" << protein << "100,5" << messages::kOver100 << "10";
        QTest::newRow("sum over 100")
            << "Mix Luca" << fat << "33"
            << "La somma % di Proteine Grassi e Carboidrati non può essere superiore a "
               "100. Controlla queste voci per «Mix Luca»"
            << "8";
        QTest::newRow("digestibility 0") << "Anice" << int(IngredientEditorModel::TableDigeribilita) << "0"
                                         << "L'indice di digeribilità deve essere compreso tra 1 e 5"
                                         << "1";
        QTest::newRow("binder 6") << "Anice" << int(IngredientEditorModel::TableLegante) << "6"
                                  << "L'indice legante deve essere compreso tra -1 e 5"
                                  << "0";
        QTest::newRow("name of a catalogue entry") << "Anice" << name << "CASEINA"
                                                   << "«CASEINA» è già un ingrediente del catalogo"
                                                   << "Anice";
        QTest::newRow("name taken") << "Anice" << name << "Mix Luca"
                                    << "«Mix Luca» è già tra gli ingredienti personali"
                                    << "Anice";
        QTest::newRow("renaming one the worksheet shows")
            << "Mix Luca" << name << "Mix Marco"
            << "«Mix Luca» è scelto nel foglio di lavoro: non si può rinominare finché una riga lo usa"
            << "Mix Luca";
        QTest::newRow("name Windows-1252 lacks")
            << "Anice" << name << "Cocco ✓ Ω"
            << "Il nome non può contenere il carattere «✓», che il file delle ricette non può contenere"
            << "Anice";
        QTest::newRow("renaming, blanks trimmed") << "Anice" << name << " Anice stellato "
                                                  << ""
                                                  << "Anice stellato";
    }

    void cellsAreCheckedAsTyped()
    {
        QFETCH(QString, row);
        QFETCH(int, column);
        QFETCH(QString, typed);
        QFETCH(QString, message);
        QFETCH(QString, shown);
        const int tableRow = cell(row, column).row();
        type(cell(row, column), typed);
        if (message.isEmpty()) {
            QVERIFY(editor->table()->isModified());
        } else {
            QTRY_COMPARE(sink.texts(), QStringList{message});
            QVERIFY(!editor->table()->isModified());
        }
        QCOMPARE(editor->table()->index(tableRow, column).data().toString(), shown);
        QCOMPARE(sink.warnings.size(), message.isEmpty() ? 0 : 1);
    }

    void catalogueValuesAreReadOnly()
    {
        IngredientEditorModel *table = editor->table();
        for (const QString &name : {QStringLiteral("ALBUMINA"), QStringLiteral("UOVO INTERO GALLINA")})
            for (int column = IngredientEditorModel::TableNome; column < IngredientEditorModel::TablePrezzo;
                 ++column)
                QVERIFY(!(table->flags(cell(name, column)) & Qt::ItemIsEditable));
        QCOMPARE(table->rowCount(), 72 + 3 + 2);
        editor->grab().save(QStringLiteral("ingredienti-e-prezzi.png")); // the guide's picture
    }

    void deleteAddAndSaveReachTheLists()
    {
        QTableView *view = editor->view();
        auto click = [this](const char *button) {
            QTest::mouseClick(editor->findChild<QPushButton *>(QLatin1String(button)), Qt::LeftButton);
        };
        view->setCurrentIndex(cell("Mix Luca", IngredientEditorModel::TableNome));
        click("CmdElimina");
        view->setCurrentIndex(cell("CASEINA", IngredientEditorModel::TableNome));
        click("CmdElimina");
        QTRY_COMPARE(
            sink.texts(),
            QStringList(
                {"«Mix Luca» è scelto nel foglio di lavoro: non si può eliminare finché una riga lo usa",
                 "Si possono eliminare solo gli ingredienti personali"}));
        view->setCurrentIndex(cell("Anice", IngredientEditorModel::TableNome));
        click("CmdElimina");

        click("CmdAggiungi");
        auto *nameEdit = qobject_cast<QLineEdit *>(
            view->indexWidget(cell("Nuovo ingrediente", IngredientEditorModel::TableNome)));
        QVERIFY(nameEdit);
        nameEdit->selectAll();
        // Alt and a letter in the cell is an access key (or none), never a letter typed.
        QTest::keyClick(nameEdit, Qt::Key_Q, Qt::AltModifier);
        QCOMPARE(nameEdit->text(), QStringLiteral("Nuovo ingrediente"));
        nameEdit->selectAll();
        QTest::keyClicks(nameEdit, "Pellet");
        QTest::keyClick(nameEdit, Qt::Key_Return);
        const QModelIndex added =
            editor->table()->index(editor->table()->rowCount() - 1, IngredientEditorModel::TableNome);
        QTRY_COMPARE(added.data().toString(), QStringLiteral("Pellet"));
        sink.clear();
        click("CmdSalva");
        QCOMPARE(sink.texts(), QStringList{"Impossibile salvare: a «Pellet» manca il valore di Proteine %"});
        QCOMPARE(readAll(path), kFile);

        const QStringList values{"30", "12", "20", "4", "2", "6,5"};
        for (int k = 0; k < values.size(); ++k)
            type(cell("Pellet", IngredientEditorModel::TableProteine + k), values[k]);
        sink.clear();
        click("CmdSalva");
        QCOMPARE(sink.texts(), QStringList());
        QVERIFY(!editor->table()->isModified());
        QCOMPARE(readAll(path), ingredientfile::encode(editor->table()->library()));
        QCOMPARE(ingredientfile::read(path).library.ingredients.size(), 2);
        QCOMPARE(QDir(dir.path()).entryList(QDir::Files), QStringList{"ingredienti.csv"});

        // The lists follow at once; row 1 keeps its choice.
        QCOMPARE(sheet->entries(componente(2)).mid(73), QStringList({"Mix Luca", "Pellet"}));
        QCOMPARE(sheet->text(componente(1)), QStringLiteral("Mix Luca"));
    }

    void failedSaveKeepsTheEarlierFile()
    {
        type(cell("CASEINA", IngredientEditorModel::TablePrezzo), "12");
        // A disk that fills up: writes beyond 64 bytes fail.
        std::signal(SIGXFSZ, SIG_IGN);
        rlimit previous{};
        getrlimit(RLIMIT_FSIZE, &previous);
        rlimit small = previous;
        small.rlim_cur = 64;
        setrlimit(RLIMIT_FSIZE, &small);
        const bool saved = editor->CmdSalva_Click();
        setrlimit(RLIMIT_FSIZE, &previous);
        QVERIFY(!saved);
        QCOMPARE(sink.warnings.size(), 1);
        QVERIFY2(sink.texts().first().startsWith("Impossibile salvare il file degli ingredienti\nFile «" +
                                                 path + "»: "),
                 qPrintable(sink.texts().first()));
        QCOMPARE(readAll(path), kFile);
        QCOMPARE(QDir(dir.path()).entryList(QDir::Files), QStringList{"ingredienti.csv"});
        QVERIFY(editor->table()->isModified());
    }

    // Closing asks only when something is unsaved; saving over a file with bad lines asks
    // again, since those lines are dropped. Each answer decides whether the window closes
    // and whether the file changes.
    void closingAsksAboutChanges_data()
    {
        using Answer = WarningSink::Answer;
        QTest::addColumn<bool>("edited");
        QTest::addColumn<bool>("badLine");
        QTest::addColumn<QList<Answer>>("answers");
        QTest::addColumn<bool>("closes");
        QTest::addColumn<bool>("saves");
        QTest::newRow("nothing edited: closes, asks nothing")
            << false << false << QList<Answer>{} << true << false;
        QTest::newRow("Annulla: stays open")
            << true << false << QList<Answer>{Answer::Cancel} << false << false;
        QTest::newRow("No: closes, file unchanged")
            << true << false << QList<Answer>{Answer::No} << true << false;
        QTest::newRow("Sì: saves and closes") << true << false << QList<Answer>{Answer::Yes} << true << true;
        QTest::newRow("bad line, Sì then No: stays open unsaved")
            << true << true << QList<Answer>{Answer::Yes, Answer::No} << false << false;
        QTest::newRow("bad line, Sì then Sì: saves without it and closes")
            << true << true << QList<Answer>{Answer::Yes, Answer::Yes} << true << true;
    }

    void closingAsksAboutChanges()
    {
        QFETCH(bool, edited);
        QFETCH(bool, badLine);
        QFETCH(QList<WarningSink::Answer>, answers);
        QFETCH(bool, closes);
        QFETCH(bool, saves);
        const QByteArray before = badLine ? kFile + "rotta\n" : kFile;
        if (badLine) { // the editor reads the file as it opens
            writeAll(path, before);
            delete editor;
            editor = new FrmIngredienti(*session);
            editor->setWindowModality(Qt::NonModal);
            editor->show();
        }
        if (edited)
            type(cell("CASEINA", IngredientEditorModel::TablePrezzo), "12");
        sink.clear();
        sink.nextAnswers = answers;
        editor->reject();
        QCOMPARE(sink.questions.size(), answers.size());
        QCOMPARE(editor->isVisible(), !closes);
        QCOMPARE(readAll(path) != before, saves);
        QCOMPARE(ingredientfile::read(path).library.prices.value("CASEINA"), saves ? "12" : QString());
    }

    void mainWindowListsCostAndEditor()
    {
        writeAll(path, kFile + "rotta\n");
        FormPrinc form;
        form.show();
        QVERIFY(QTest::qWaitForWindowExposed(&form));
        // A file named on the command line must exist; the default one need not.
        const QString missing = dir.filePath(QStringLiteral("manca.csv"));
        form.loadIngredients(missing);
        form.loadIngredients(missing, true);
        QCOMPARE(watcher->texts(), QStringList{"Il file degli ingredienti «" + missing + "» non esiste"});
        watcher->boxes.clear();
        form.loadIngredients(path);
        QCOMPARE(watcher->boxes.size(), 1);
        QVERIFY(
            watcher->boxes.first().second.endsWith("\nriga 7: servono 7 campi separati da «;», qui sono 1"));

        auto *list = form.findChild<QComboBox *>("CmbComponente3");
        QCOMPARE(list->count(), 75);
        QCOMPARE(list->itemText(73), QStringLiteral("Mix Luca"));
        auto calculateMix = [&form] {
            Worksheet &ws = form.worksheet();
            ws.select(componente(1), QStringLiteral("ALBUMINA"));
            ws.setText(peso(1), QStringLiteral("100"));
            ws.select(componente(2), QStringLiteral("Mix Luca"));
            ws.setText(peso(2), QStringLiteral("200"));
            QTest::mouseClick(form.findChild<QPushButton *>("CmdCalcola"), Qt::LeftButton);
        };
        calculateMix();
        auto *cost = form.findChild<QLabel *>("LblCosto");
        QCOMPARE(cost->text(), QStringLiteral("Costo: 1,80 € · 6,00 €/kg"));
        QTest::mouseClick(form.findChild<QPushButton *>("CmdCancella"), Qt::LeftButton);
        QCOMPARE(cost->text(), QString());

        // The menu opens the editor on the same file, warning again about the bad line.
        QStringList opened;
        watcher->onDialog = [&opened](QDialog *dialog) {
            opened << dialog->objectName();
            dialog->reject();
        };
        form.findChild<QAction *>("mnuIngredienti")->trigger();
        QCOMPARE(opened, QStringList{"FrmIngredienti"});
        QCOMPARE(watcher->boxes.size(), 2);

        // A new price saved there empties the figures of the last calculation.
        calculateMix();
        auto *balanceLine = form.findChild<QLabel *>("LblBilancio");
        QVERIFY(!cost->text().isEmpty() && !balanceLine->text().isEmpty());
        writeAll(path, kFile); // no bad line: Salva asks nothing
        bool emptiedOnSave = false;
        watcher->onDialog = [&](QDialog *dialog) {
            auto *editor = qobject_cast<FrmIngredienti *>(dialog);
            IngredientEditorModel *table = editor->table();
            QVERIFY(
                table->setData(table->index(0, IngredientEditorModel::TablePrezzo), QStringLiteral("20")));
            QVERIFY(editor->CmdSalva_Click());
            emptiedOnSave = cost->text().isEmpty() && balanceLine->text().isEmpty();
            dialog->reject();
        };
        form.findChild<QAction *>("mnuIngredienti")->trigger();
        QVERIFY(emptiedOnSave); // at once, while the editor is still open
        QCOMPARE(cost->text(), QString());
        QCOMPARE(balanceLine->text(), QString());
    }
};

QTEST_MAIN(TestFrmIngredienti)
#include "tst_frmingredienti.moc"
