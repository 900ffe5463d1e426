// SPDX-License-Identifier: GPL-3.0-or-later
// The main window on an unbalanced mix, calculated, with the balance window open: what
// the README shows. Runs until closed.
#include "formprinc.h"

#include <QApplication>
#include <QStyleFactory>
#include <QTimer>

using namespace field;

int main(int argc, char *argv[])
{
    QApplication app(argc, argv);
    app.setStyle(QStyleFactory::create(QStringLiteral("Fusion")));
    FormPrinc window;
    Worksheet &sheet = window.worksheet();
    const char *mix[][2] = {{"ALBUMINA", "200"}, {"SEMOLINO", "300"}, {"FARINA DI AVENA", "100"}};
    for (int row = 1; row <= 3; ++row) {
        sheet.select(componente(row), QLatin1String(mix[row - 1][0]));
        sheet.setText(peso(row), QLatin1String(mix[row - 1][1]));
    }
    sheet.setText(NomeRicetta, QStringLiteral("Mix magro"));
    window.show();
    QTimer::singleShot(0, &window, [&window] {
        window.CmdCalcola_Click();
        window.mnuBilancio_Click();
    });
    return app.exec();
}
