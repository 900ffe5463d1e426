// SPDX-License-Identifier: GPL-3.0-or-later
// The recipe sheet of hostile notes: how long the whole PDF takes to draw, its pages,
// and the time per page, which must stay near a second at most for any 1 MiB of text.
#include "calculation.h"
#include "pagerenderer.h"
#include "recipepage.h"
#include "worksheet.h"

#include <QElapsedTimer>
#include <QGuiApplication>
#include <QTextStream>

#include <algorithm>

using namespace field;

namespace {

struct Hostile
{
    const char *what;
    QString note;
};

QList<Hostile> hostileNotes()
{
    const qsizetype mib = 1024 * 1024;
    return {
        {"one letter and 500,000 combining accents", QStringLiteral("a") + QString(500000, QChar(0x0301))},
        {"1 MiB of blank lines", QString(mib, u'\n')},
        {"1 MiB of tabs", QString(mib, u'\t')},
        {"1 MiB of spaces", QString(mib, u' ')},
        {"1 MiB of zero-width spaces", QString(mib, QChar(0x200B))},
        {"one word of 1 MiB", QString(mib, u'm')},
        {"1 MiB of words", QStringLiteral("parola ").repeated(mib / 7)},
        {"1 MiB of accented words", QStringLiteral("e\u0301\u0301\u0301\u0301 ").repeated(mib / 6)},
    };
}

} // namespace

int main(int argc, char *argv[])
{
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM"))
        qputenv("QT_QPA_PLATFORM", "offscreen");
    QGuiApplication app(argc, argv);
    QTextStream out(stdout);
    out << "Recipe sheet of a hostile note, whole PDF drawn; medians of 3 runs:\n";
    for (const Hostile &hostile : hostileNotes()) {
        Worksheet worksheet;
        worksheet.select(componente(1), QStringLiteral("FARINA DI MAIS"));
        worksheet.setText(peso(1), QStringLiteral("500"));
        worksheet.setText(NomeRicetta, QStringLiteral("Ostile"));
        worksheet.setText(Note, hostile.note);
        calculate(worksheet);
        const Page page = recipepage::build(worksheet);
        QList<double> samples;
        QByteArray pdf;
        for (int run = 0; run < 3; ++run) {
            QElapsedTimer timer;
            timer.start();
            pdf = pagerenderer::pdf(page);
            samples << timer.nsecsElapsed() / 1e6;
        }
        std::sort(samples.begin(), samples.end());
        const int pages = std::max<qsizetype>(1, pdf.count("/Type /Page\n") + pdf.count("/Type /Page\r"));
        out << "sheet, " << hostile.what << ": " << samples[1] << " ms (" << pages << " pages, "
            << samples[1] / pages << " ms a page)\n";
    }
    return 0;
}
