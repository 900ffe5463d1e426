// SPDX-License-Identifier: GPL-3.0-or-later
// The main window on a calculated mix, for the pictures in docs/: "balancedemo mix" shows a
// full worksheet with eggs and its balance line, "balancedemo" (or "balance") a lean mix
// with the balance window open. Runs until closed.
#include "formprinc.h"

#include <QApplication>
#include <QStyleFactory>
#include <QTimer>

using namespace field;

namespace {

struct Weighed
{
    const char *name;
    const char *grams;
};

void fill(Worksheet &sheet, std::initializer_list<Weighed> rows, const char *recipeName)
{
    int row = 1;
    for (const Weighed &weighed : rows) {
        sheet.select(componente(row), QLatin1String(weighed.name));
        sheet.setText(peso(row), QLatin1String(weighed.grams));
        ++row;
    }
    sheet.setText(NomeRicetta, QLatin1String(recipeName));
}

} // namespace

int main(int argc, char *argv[])
{
    QApplication app(argc, argv);
    app.setStyle(QStyleFactory::create(QStringLiteral("Fusion")));
    const bool fullMix = app.arguments().value(1) == QLatin1String("mix");
    FormPrinc window;
    Worksheet &sheet = window.worksheet();
    if (fullMix) {
        // Prices of the demo's own, so the picture does not depend on the user's file.
        personal::Library prices;
        const Weighed priced[] = {{"SEMOLINO", "1,60"},         {"FARINA DI MAIS", "1,20"},
                                  {"SOYA GRASSA", "2,80"},      {"FARINA DI SARDINA", "4,50"},
                                  {"LATTE IN POLVERE", "6,00"}, {"UOVO INTERO GALLINA", "0,30"}};
        for (const Weighed &price : priced)
            prices.prices.insert(QLatin1String(price.name), QLatin1String(price.grams));
        sheet.setLibrary(prices);
        fill(sheet,
             {{"SEMOLINO", "300"},
              {"FARINA DI MAIS", "200"},
              {"SOYA GRASSA", "150"},
              {"FARINA DI SARDINA", "100"},
              {"LATTE IN POLVERE", "50"}},
             "Boilie al pesce");
        sheet.setChecked(true);
        sheet.select(componente(kEggRow), QStringLiteral("UOVO INTERO GALLINA"));
        sheet.setText(NumeroUova, QStringLiteral("4"));
    } else {
        fill(sheet, {{"ALBUMINA", "200"}, {"SEMOLINO", "300"}, {"FARINA DI AVENA", "100"}}, "Mix magro");
    }
    window.show();
    QTimer::singleShot(0, &window, [&window, fullMix] {
        window.CmdCalcola_Click();
        if (!fullMix)
            window.mnuBilancio_Click();
    });
    return app.exec();
}
