// SPDX-License-Identifier: GPL-3.0-or-later
// Times the formula: first a full worksheet (eleven catalogue rows, two custom rows and
// the eggs, kept at four, then free) with the default bands, 1 kg and 25 kg, both goals;
// then a fixed generated set of random and hard problems up to 10 t, each solved once,
// with the median, the 99th percentile and the longest time and step count, and how many
// ended by the step limit. `--dump FILE` also writes every problem of the set and its answer, for a
// check against another solver (scripts/formula-crosscheck.py).
// Usage: formula_bench [--set RANDOM HARD] [--dump FILE] [--only N,N,...]
#include "catalogue.h"
#include "formula.h"
#include "formulaexplain.h"
#include "formulainstances.h"
#include "glpksolver.h"
#include "numbers.h"

#include <QDateTime>
#include <QElapsedTimer>
#include <QFile>
#include <QStringList>
#include <QSysInfo>
#include <QTextStream>
#include <QThread>

#include <algorithm>

namespace {

formula::Candidate catalogueRow(int row, const char *name, double grams, double price)
{
    const catalogue::Ingredient *entry = catalogue::findIngredient(QString::fromLatin1(name));
    auto value = [](const char *text) { return numbers::valueOrZero(QString::fromLatin1(text)); };
    formula::Candidate c;
    c.row = row;
    c.name = QString::fromLatin1(name);
    c.protein = value(entry->proteine);
    c.fat = value(entry->grassi);
    c.carbo = value(entry->carbo);
    c.digestibility = value(entry->dig);
    c.binder = value(entry->legante);
    c.currentGrams = grams;
    c.pricePerKg = price;
    return c;
}

// The worksheet of the main benchmark: rows of 25 to 275 g, two custom rows, four eggs.
formula::Input fullWorksheet(qint64 total, formula::Goal goal, bool freeEggs)
{
    static const char *const names[] = {
        "ALBUMINA", "CASEINA",   "FARINA DI MAIS",   "FARINA DI AVENA", "GLM",       "SEMOLINO",
        "CRUSCA",   "ROBIN RED", "LATTE IN POLVERE", "SOYA TOSTATA",    "TIGER NUTS"};
    static const double prices[] = {9.5, 14, 1.2, 2.1, 11, 1.4, 0.9, 7.5, 6, 2.8, 4.2};
    formula::Input input;
    for (int row = 1; row <= 11; ++row)
        input.rows << catalogueRow(row, names[row - 1], row * 25, prices[row - 1]);
    input.rows << formula::Candidate{12, QStringLiteral("Mio 1"), 0, 0, 0, 3, 2, 3.0, 40, 0, {}, false};
    input.rows << formula::Candidate{13, QStringLiteral("Mio 2"), 30, 0, 0, 4, 1, 5.0, 60, 0, {}, false};
    formula::Eggs eggs;
    eggs.kind = QStringLiteral("UOVO INTERO GALLINA");
    eggs.protein = 13;
    eggs.fat = 11.1;
    eggs.gramsPerEgg = 52;
    eggs.pricePerEgg = 0.3;
    eggs.currentCount = 4;
    eggs.free = freeEggs;
    input.eggs = eggs;
    input.totalGrams = total;
    input.goal = goal;
    return input;
}

bool endedByTimeLimit(const formula::Result &result)
{
    return result.status == formula::Status::MaybeNotBest || result.reasons.contains(formula::timedOutText());
}

double percentile(const QList<double> &sorted, double p)
{
    return sorted[qMin(sorted.size() - 1, qsizetype(std::ceil(p * double(sorted.size()))) - 1)];
}

void fullWorksheetFigures(QTextStream &out)
{
    out << "Formula, full worksheet (13 rows and eggs), default bands; medians of 21 runs:\n";
    for (const bool freeEggs : {false, true}) {
        for (const qint64 total : {1000, 25000}) {
            for (const formula::Goal goal : {formula::Goal::LowestCost, formula::Goal::ClosestToCurrent}) {
                const formula::Input input = fullWorksheet(total, goal, freeEggs);
                QList<double> samples;
                formula::Result result;
                for (int run = 0; run < 21; ++run) {
                    QElapsedTimer timer;
                    timer.start();
                    result = formula::solve(input);
                    samples << double(timer.nsecsElapsed()) / 1e6;
                }
                std::sort(samples.begin(), samples.end());
                const QString what = goal == formula::Goal::LowestCost ? QStringLiteral("lowest cost")
                                                                       : QStringLiteral("closest    ");
                out << (freeEggs ? "eggs free, " : "4 eggs,    ") << "total " << total << " g, " << what
                    << ": " << samples[samples.size() / 2] << " ms (";
                if (result.status == formula::Status::NoMix)
                    out << "no mix: " << result.reasons.join(QStringLiteral("; "));
                else
                    out << (result.status == formula::Status::Best ? "best" : "may not be the best")
                        << ", cost " << numbers::twoDecimals(result.cost.value_or(0)) << " EUR, distance "
                        << numbers::twoDecimals(result.distance) << " g";
                out << ")\n";
            }
        }
    }
}

// Each problem of the set solved once; the figures per kind and for the whole set.
void setFigures(QTextStream &out, int randomCount, int hardCount, const QString &dumpPath,
                const QList<int> &only)
{
    const QList<formulainstances::Instance> set = formulainstances::generate(randomCount, hardCount);
    QFile dump(dumpPath);
    QTextStream dumped(&dump);
    if (!dumpPath.isEmpty() && !dump.open(QIODevice::WriteOnly | QIODevice::Text))
        qFatal("cannot write %s", qPrintable(dumpPath));
    QMap<QString, QList<double>> times, steps;
    QMap<QString, int> limited, mixes;
    for (qsizetype k = 0; k < set.size(); ++k) {
        if (!only.isEmpty() && !only.contains(int(k)))
            continue;
        const formulainstances::Instance &instance = set[k];
        QElapsedTimer timer;
        timer.start();
        formula::GlpkSolver solver;
        const formula::Result result = formula::solve(instance.input, solver);
        const double ms = double(timer.nsecsElapsed()) / 1e6;
        steps[instance.kind] << double(solver.stepsTaken());
        steps[QStringLiteral("all")] << double(solver.stepsTaken());
        for (const QString &group : {instance.kind, QStringLiteral("all")}) {
            times[group] << ms;
            limited[group] += endedByTimeLimit(result) ? 1 : 0;
            mixes[group] += result.status == formula::Status::NoMix ? 0 : 1;
        }
        if (dump.isOpen())
            dumped << "instance " << k << ' ' << instance.kind << '\n'
                   << formulainstances::describe(instance.input) << '\n'
                   << "answer " << formulainstances::answerText(result) << '\n'
                   << "time " << ms << "\nsteps " << solver.stepsTaken() << "\nend\n";
    }
    out << "Formula, generated set (seed 27), each problem solved once, " << QSysInfo::prettyProductName()
        << ", " << QThread::idealThreadCount() << " cores, "
        << QDateTime::currentDateTimeUtc().toString(QStringLiteral("yyyy-MM-dd HH:mm")) << " UTC:\n";
    for (const QString &group : {QStringLiteral("random"), QStringLiteral("hard"), QStringLiteral("all")}) {
        QList<double> sorted = times.value(group);
        if (sorted.isEmpty())
            continue;
        std::sort(sorted.begin(), sorted.end());
        const QString name = QStringLiteral("set %1 (%2 problems, %3 with a mix)")
                                 .arg(group)
                                 .arg(sorted.size())
                                 .arg(mixes[group]);
        out << name << ", median: " << percentile(sorted, 0.5) << " ms\n"
            << name << ", p99: " << percentile(sorted, 0.99) << " ms\n"
            << name << ", max: " << sorted.last() << " ms\n"
            << name << ", ended by the step limit: " << limited[group] << '\n';
        QList<double> counted = steps.value(group);
        std::sort(counted.begin(), counted.end());
        out << name << ", steps, median: " << percentile(counted, 0.5) << '\n'
            << name << ", steps, p99: " << percentile(counted, 0.99) << '\n'
            << name << ", steps, max: " << counted.last() << '\n';
    }
}

} // namespace

int main(int argc, char **argv)
{
    QStringList args;
    for (int k = 1; k < argc; ++k)
        args << QString::fromLocal8Bit(argv[k]);
    int randomCount = 2000, hardCount = 500;
    QString dumpPath;
    QList<int> only; // problem numbers of the set, to look at a few
    for (qsizetype k = 0; k < args.size(); ++k) {
        if (args[k] == QStringLiteral("--set") && k + 2 < args.size()) {
            randomCount = args[++k].toInt();
            hardCount = args[++k].toInt();
        } else if (args[k] == QStringLiteral("--dump") && k + 1 < args.size()) {
            dumpPath = args[++k];
        } else if (args[k] == QStringLiteral("--only") && k + 1 < args.size()) {
            for (const QString &number : args[++k].split(u','))
                only << number.toInt();
        }
    }
    QTextStream out(stdout);
    fullWorksheetFigures(out);
    out.flush();
    setFigures(out, randomCount, hardCount, dumpPath, only);
    return 0;
}
