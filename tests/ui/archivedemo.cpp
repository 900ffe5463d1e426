// SPDX-License-Identifier: GPL-3.0-or-later
// The recipe archive on a folder of a season's recipes, with prices, as the README shows
// it: `archivedemo FOLDER list` opens the archive, `archivedemo FOLDER compare` also
// compares three recipes. Writes the recipes into FOLDER first. Runs until closed.
#include "calculation.h"
#include "formprinc.h"
#include "frmarchivio.h"
#include "recipefile.h"

#include <QAbstractItemModel>
#include <QApplication>
#include <QDir>
#include <QPushButton>
#include <QStyleFactory>
#include <QTableView>
#include <QTimer>

using namespace field;

namespace {

struct Demo
{
    const char *file;
    const char *name;
    QList<QPair<const char *, const char *>> rows;
    int eggs;
    bool editedAfter; // grams changed after "Calcola": stored results stale
};

void writeRecipe(const QString &folder, const Demo &demo)
{
    Worksheet w;
    int row = 1;
    for (const auto &[ingredient, grams] : demo.rows) {
        w.select(componente(row), QLatin1String(ingredient));
        w.setText(peso(row++), QLatin1String(grams));
    }
    if (demo.eggs) {
        w.setChecked(true);
        w.select(componente(kEggRow), QStringLiteral("UOVO INTERO GALLINA"));
        w.setText(NumeroUova, QString::number(demo.eggs));
    }
    w.setText(NomeRicetta, QString::fromUtf8(demo.name));
    w.setText(Note, QStringLiteral("Bollire 2 minuti"));
    calculate(w);
    if (demo.editedAfter)
        w.setText(peso(1), QStringLiteral("250"));
    QDir().mkpath(QFileInfo(QDir(folder).filePath(QLatin1String(demo.file))).absolutePath());
    QFile file(QDir(folder).filePath(QLatin1String(demo.file)));
    if (file.open(QIODevice::WriteOnly))
        file.write(*recipefile::encode(recipefile::recordOf(w)));
}

void writeFolder(const QString &folder)
{
    const Demo demos[] = {
        {"inverno.txt",
         "Inverno al fegato",
         {{"FARINA DI FEGATO", "150"}, {"SEMOLINO", "250"}, {"SOYA TOSTATA", "100"}},
         4,
         false},
        {"estate.txt",
         "Estate dolce",
         {{"SEMOLINO", "300"}, {"FARINA DI MAIS", "150"}, {"LATTE IN POLVERE", "50"}},
         5,
         false},
        {"estate_v2.txt",
         "Estate dolce v2",
         {{"SEMOLINO", "250"}, {"FARINA DI MAIS", "120"}, {"LATTE IN POLVERE", "80"}, {"TIGER NUTS", "50"}},
         5,
         false},
        {"pesce.txt",
         "Pesce e birdfood",
         {{"FARINA DI SALMONE", "200"}, {"BIRDFOOD BLEND Drumlow", "150"}, {"SEMOLINO", "150"}},
         4,
         true},
        {"amici/luca_proteica.txt",
         "Proteica di Luca",
         {{"CASEINA", "200"}, {"LACTALBUMINA", "100"}, {"ALBUMINA", "100"}, {"SEMOLINO", "100"}},
         6,
         false},
        {"amici/marco_leggera.txt",
         "Leggera di Marco",
         {{"SEMOLINO", "400"}, {"FARINA DI RISO", "100"}},
         4,
         false},
    };
    for (const Demo &demo : demos)
        writeRecipe(folder, demo);
    QFile notes(QDir(folder).filePath(QStringLiteral("lista_spesa.txt")));
    if (notes.open(QIODevice::WriteOnly))
        notes.write("semolino, uova, mais\r\n");
    QFile prices(QDir(folder).filePath(QStringLiteral("prezzi.csv")));
    if (prices.open(QIODevice::WriteOnly))
        prices.write("nome;proteine;grassi;carboidrati;digeribilita;legante;prezzo\n"
                     "SEMOLINO;;;;;;1,20\nFARINA DI MAIS;;;;;;0,90\nLATTE IN POLVERE;;;;;;6,50\n"
                     "FARINA DI FEGATO;;;;;;9\nSOYA TOSTATA;;;;;;2,40\nTIGER NUTS;;;;;;4\n"
                     "CASEINA;;;;;;14\nLACTALBUMINA;;;;;;18\nALBUMINA;;;;;;16\nFARINA DI RISO;;;;;;1,50\n"
                     "UOVO INTERO GALLINA;;;;;;0,30\n");
}

// Selects the recipes of these files and presses "Confronta".
void compare(FrmArchivio *archive, const QStringList &files)
{
    QTableView *view = archive->view();
    QAbstractItemModel *shown = view->model();
    for (int row = 0; row < shown->rowCount(); ++row)
        if (files.contains(shown->index(row, LibraryModel::FileColumn).data().toString()))
            view->selectionModel()->select(shown->index(row, 0),
                                           QItemSelectionModel::Select | QItemSelectionModel::Rows);
    archive->findChild<QPushButton *>(QStringLiteral("CmdConfronta"))->click();
}

} // namespace

int main(int argc, char *argv[])
{
    QApplication app(argc, argv);
    app.setStyle(QStyleFactory::create(QStringLiteral("Fusion")));
    const QStringList args = app.arguments();
    const QString folder = args.value(1);
    const bool comparing = args.value(2) == QStringLiteral("compare");
    writeFolder(folder);
    FormPrinc window;
    window.loadIngredients(QDir(folder).filePath(QStringLiteral("prezzi.csv")));
    window.openOnShow(QDir(folder).filePath(QStringLiteral("estate.txt")));
    window.show();
    QTimer::singleShot(300, &window, [&window, comparing] {
        window.mnuArchivio_Click();
        FrmArchivio *archive = window.archiveWindow();
        QObject::connect(&archive->model(), &LibraryModel::listed, archive, [archive, comparing] {
            if (comparing && !archive->findChild<QDialog *>(QStringLiteral("FrmConfronto")))
                compare(archive, {QStringLiteral("estate.txt"), QStringLiteral("estate_v2.txt"),
                                  QStringLiteral("inverno.txt")});
        });
    });
    return app.exec();
}
