// SPDX-License-Identifier: GPL-3.0-or-later
// Measures what a user feels: start-up against a bare Qt window with the same menus,
// one pass of the proportional resizer, the calculation, and opening and saving.
#include "balancetexts.h"
#include "calculation.h"
#include "clsresize.h"
#include "formprinc.h"
#include "recipefile.h"
#include "worksheet.h"

#include <QApplication>
#include <QElapsedTimer>
#include <QMainWindow>
#include <QMenuBar>
#include <QProcess>
#include <QStyleFactory>
#include <QTemporaryDir>
#include <QTextStream>

#include <algorithm>
#include <functional>

using namespace field;

namespace {

double medianOf(QList<double> samples)
{
    std::sort(samples.begin(), samples.end());
    return samples[samples.size() / 2];
}

// Milliseconds of one run of `work`, median over `runs`.
double measure(int runs, const std::function<void()> &work)
{
    QList<double> samples;
    for (int k = 0; k < runs; ++k) {
        QElapsedTimer timer;
        timer.start();
        work();
        samples << timer.nsecsElapsed() / 1e6;
    }
    return medianOf(samples);
}

// Shows a window and returns once its first paint has been processed.
class FirstPaint : public QObject
{
public:
    bool painted = false;
    bool eventFilter(QObject *, QEvent *event) override
    {
        if (event->type() == QEvent::Paint)
            painted = true;
        return false;
    }
};

void showAndWaitForPaint(QWidget &window)
{
    FirstPaint watch;
    window.installEventFilter(&watch);
    window.show();
    while (!watch.painted)
        QCoreApplication::processEvents(QEventLoop::AllEvents, 5);
    window.removeEventFilter(&watch);
}

void bareWindowWithMenus()
{
    QMainWindow window;
    for (const auto &[menu, items] :
         {std::pair{"&File", QStringList{"&Apri", "&Stampa", "&Salva con nome", "&Esci"}},
          std::pair{"&Visualizza", QStringList{"Riferimenti", "Convertitore"}},
          std::pair{"&?", QStringList{"Informazioni"}}}) {
        QMenu *m = window.menuBar()->addMenu(QString::fromLatin1(menu));
        for (const QString &item : items)
            m->addAction(item);
    }
    window.setCentralWidget(new QWidget);
    showAndWaitForPaint(window);
}

void fullWorksheet(Worksheet &worksheet)
{
    static const char *const names[] = {
        "ALBUMINA", "CASEINA",   "FARINA DI MAIS",   "FARINA DI AVENA", "GLM",       "SEMOLINO",
        "CRUSCA",   "ROBIN RED", "LATTE IN POLVERE", "SOYA TOSTATA",    "TIGER NUTS"};
    for (int row = 1; row <= kCatalogueRows; ++row) {
        worksheet.select(componente(row), QString::fromLatin1(names[row - 1]));
        worksheet.setText(peso(row), QString::number(row * 25));
    }
}

} // namespace

// A whole program start as the user feels it: a fresh process that creates the
// application, shows one window, waits for its first paint and ends.
double coldStart(const QString &program, const QString &window)
{
    return measure(9, [&] { QProcess::execute(program, {QStringLiteral("--child"), window}); });
}

int main(int argc, char *argv[])
{
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM"))
        qputenv("QT_QPA_PLATFORM", "offscreen");
    qInstallMessageHandler([](QtMsgType, const QMessageLogContext &, const QString &) {});
    QApplication app(argc, argv);
    app.setStyle(QStyleFactory::create(QStringLiteral("Fusion")));
    if (argc == 3 && qstrcmp(argv[1], "--child") == 0) {
        if (qstrcmp(argv[2], "bare") == 0) {
            bareWindowWithMenus();
        } else {
            FormPrinc window;
            showAndWaitForPaint(window);
        }
        return 0;
    }
    QTextStream out(stdout);

    const double coldBare = coldStart(app.applicationFilePath(), QStringLiteral("bare"));
    const double coldForm = coldStart(app.applicationFilePath(), QStringLiteral("form"));

    // Warm both up once: fonts and styles load on first use for either window.
    bareWindowWithMenus();
    {
        FormPrinc warm;
        showAndWaitForPaint(warm);
    }

    const double bare = measure(15, bareWindowWithMenus);
    const double startup = measure(15, [] {
        FormPrinc window;
        showAndWaitForPaint(window);
    });

    FormPrinc hidden;
    const QSize sizes[] = {QSize(1280, 1000), QSize(1024, 740), QSize(1600, 1150)};
    // The hidden window's client takes each new size without a pass of its own, so
    // only the pass itself is timed.
    QList<double> passes;
    for (int k = 0; k < 300; ++k) {
        hidden.resize(sizes[k % 3]);
        ClsResize::syncClientArea(&hidden);
        QElapsedTimer timer;
        timer.start();
        hidden.resizer()->ResizeControls();
        passes << timer.nsecsElapsed() / 1e6;
    }
    const double pass = medianOf(passes);

    Worksheet worksheet;
    fullWorksheet(worksheet);
    worksheet.setText(Aggiunta1, QStringLiteral("Mio 1"));
    worksheet.setText(peso(12), QStringLiteral("40"));
    worksheet.select(dig(12), QStringLiteral("3"));
    worksheet.select(legante(12), QStringLiteral("2"));
    worksheet.setText(Aggiunta2, QStringLiteral("Mio 2"));
    worksheet.setText(peso(13), QStringLiteral("60"));
    worksheet.setText(proteine(13), QStringLiteral("30"));
    worksheet.select(dig(13), QStringLiteral("4"));
    worksheet.select(legante(13), QStringLiteral("1"));
    worksheet.setChecked(true);
    worksheet.select(componente(kEggRow), QStringLiteral("UOVO INTERO GALLINA"));
    worksheet.setText(NumeroUova, QStringLiteral("4"));
    worksheet.setText(NomeRicetta, QStringLiteral("Prova"));
    int grams = 0;
    const double calc = measure(1000, [&] {
        worksheet.setText(peso(1), QString::number(100 + grams++ % 2)); // results change every time
        calculate(worksheet);
    });

    // The balance check with two shares out of range and some ten candidate rows for each.
    worksheet.setText(peso(1), QStringLiteral("5000"));
    CalculatedRows rows;
    calculate(worksheet, &rows);
    const balance::Report report = balance::check(rows);
    const double check = measure(200, [&] { balance::check(rows); });

    QTemporaryDir dir;
    const QString path = dir.filePath(QStringLiteral("ricetta.txt"));
    const double save =
        measure(200, [&] { recipefile::save(*recipefile::encode(recipefile::recordOf(worksheet)), path); });
    Worksheet target;
    const double open = measure(200, [&] { recipefile::open(target, path); });

    out << "Medians on this machine (" << QSysInfo::prettyProductName() << ", Qt " << qVersion() << "):\n";
    out << "program start to first paint, bare window: " << coldBare << " ms\n";
    out << "program start to first paint, FormPrinc:   " << coldForm << " ms (ratio " << coldForm / coldBare
        << ")\n";
    out << "window alone, bare window with the menus:  " << bare << " ms\n";
    out << "window alone, FormPrinc:                   " << startup << " ms (ratio " << startup / bare
        << ")\n";
    out << "one ResizeControls pass:                    " << pass << " ms\n";
    out << "calculate, full worksheet:                  " << calc << " ms\n";
    out << "balance check, " << balance::statusLine(report) << ": " << check << " ms\n";
    out << "save a recipe:                              " << save << " ms\n";
    out << "open a recipe:                              " << open << " ms\n";
    return 0;
}
