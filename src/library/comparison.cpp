// SPDX-License-Identifier: GPL-3.0-or-later
#include "comparison.h"

#include "balancetexts.h"
#include "catalogue.h"
#include "librarymodel.h"
#include "librarytexts.h"
#include "numbers.h"
#include "usertext.h"

#include <QCoreApplication>

#include <algorithm>
#include <functional>
#include <iterator>

using library::Entry;

namespace comparison {

namespace {

constexpr char kContext[] = "Confronto";

// Grams per ingredient name, rows of one name added up (a custom row may repeat a
// catalogue name); the eggs under their kind.
QList<QPair<QString, double>> gramsByName(const Entry &entry)
{
    QList<QPair<QString, double>> out;
    for (const CalculatedRow &row : entry.rows) {
        if (row.name.isEmpty())
            continue;
        auto it = std::find_if(out.begin(), out.end(), [&](const auto &p) { return p.first == row.name; });
        if (it == out.end())
            out.append({row.name, row.grams});
        else
            it->second += row.grams;
    }
    return out;
}

QString signedText(double change)
{
    const QString text = numbers::twoDecimals(change);
    return change > 0 ? QStringLiteral("+") + text : text;
}

Line textLine(const QString &label, const QList<Entry> &entries,
              const std::function<QString(const Entry &)> &text)
{
    Line line{label, {}, false};
    for (const Entry &entry : entries) {
        Cell cell{text(entry), {}, false};
        cell.differs = !line.cells.isEmpty() && cell.text != line.cells.first().text;
        line.cells.append(cell);
    }
    return line;
}

// The cell of one ingredient: "200 g · 33,33%"; eggs as "4 uova · 208 g · 40,94%"; "-"
// where the recipe lacks it.
QString ingredientCell(const Entry &entry, const QString &name)
{
    const auto grams = gramsByName(entry);
    const auto it = std::find_if(grams.begin(), grams.end(), [&](const auto &p) { return p.first == name; });
    if (it == grams.end())
        return QStringLiteral("-"); // as the lists show a row without an ingredient
    QString text = numbers::plainText(it->second) + QStringLiteral(" g · ") +
                   numbers::percent(it->second / entry.results->totalWeight);
    if (entry.rows[field::kEggRow - 1].name == name)
        text =
            QCoreApplication::translate("Confronto", "%1 uova · ").arg(numbers::plainText(entry.eggCount)) +
            text;
    return text;
}

void addIngredients(Table &table, const QList<Entry> &entries)
{
    QStringList names;
    for (const Entry &entry : entries)
        for (const auto &p : gramsByName(entry))
            if (!names.contains(p.first))
                names.append(p.first);
    table.lines.append(Line{QCoreApplication::translate("Confronto", "Ingredienti"), {}, true});
    for (const QString &name : names)
        table.lines.append(textLine(usertext::printable(catalogue::displayName(name)), entries,
                                    [&](const Entry &entry) { return ingredientCell(entry, name); }));
}

using Pick = std::optional<double> (*)(const Entry &);

void addResults(Table &table, const QList<Entry> &entries)
{
    const auto two = [](double v) { return numbers::twoDecimals(v); };
    const auto share = [](double v) { return numbers::percent(v); };
    const std::function<QString(double)> formats[] = {two, share};
    struct Figure
    {
        const char *label;
        Pick pick;
        int format; // 0 two decimals, 1 percent
    };
    static const Figure kFigures[] = {
        {QT_TRANSLATE_NOOP("Confronto", "Peso totale"),
         [](const Entry &e) -> std::optional<double> { return e.results->totalWeight; }, 0},
        {QT_TRANSLATE_NOOP("Confronto", "Proteine gr."),
         [](const Entry &e) -> std::optional<double> { return e.results->proteinGrams; }, 0},
        {QT_TRANSLATE_NOOP("Confronto", "Proteine %"),
         [](const Entry &e) -> std::optional<double> { return e.results->proteinShare; }, 1},
        {QT_TRANSLATE_NOOP("Confronto", "Grassi gr."),
         [](const Entry &e) -> std::optional<double> { return e.results->fatGrams; }, 0},
        {QT_TRANSLATE_NOOP("Confronto", "Grassi %"),
         [](const Entry &e) -> std::optional<double> { return e.results->fatShare; }, 1},
        {QT_TRANSLATE_NOOP("Confronto", "Carboidrati gr."),
         [](const Entry &e) -> std::optional<double> { return e.results->carboGrams; }, 0},
        {QT_TRANSLATE_NOOP("Confronto", "Carboidrati %"),
         [](const Entry &e) -> std::optional<double> { return e.results->carboShare; }, 1},
        {QT_TRANSLATE_NOOP("Confronto", "Indice Digeribilità"),
         [](const Entry &e) -> std::optional<double> { return e.results->digestibility; }, 0},
        {QT_TRANSLATE_NOOP("Confronto", "Indice Legante"), [](const Entry &e) { return e.results->binder; },
         0},
    };
    table.lines.append(Line{QCoreApplication::translate("Confronto", "Risultati"), {}, true});
    for (const Figure &f : kFigures) {
        // Only calculated recipes are compared (see refusal()); the rest shows nothing.
        const auto pick = [&f](const Entry &e) { return e.calculated() ? f.pick(e) : std::nullopt; };
        Line line = textLine(QCoreApplication::translate(kContext, f.label), entries, [&](const Entry &e) {
            const auto v = pick(e);
            return v ? formats[f.format](*v) : QString();
        });
        const auto first = pick(entries.first());
        for (qsizetype k = 1; k < entries.size(); ++k) {
            const auto v = pick(entries[k]);
            const double scale = f.format == 1 ? 100 : 1; // percent points for a share
            if (line.cells[k].differs && v && first)
                line.cells[k].change = signedText(numbers::roundToDecimals(*v * scale, 2) -
                                                  numbers::roundToDecimals(*first * scale, 2));
        }
        table.lines.append(line);
    }
}

void addVerdicts(Table &table, const QList<Entry> &entries)
{
    for (size_t k = 0; k < std::size(balance::kNutrients); ++k) {
        const balance::Nutrient n = balance::kNutrients[k];
        table.lines.append(
            textLine(QCoreApplication::translate("Confronto", "Bilancio %1 (%2)")
                         .arg(balance::nutrientName(n), balance::rangeText(balance::rangeOf(n))),
                     entries, [k](const Entry &e) { return balance::verdictText(e.verdicts[k]); }));
    }
    table.lines.append(textLine(QCoreApplication::translate("Confronto", "Costo al kg"), entries,
                                [](const Entry &e) { return library::costText(e); }));
    table.lines.append(
        textLine(QCoreApplication::translate("Confronto", "Risultati salvati"), entries,
                 [](const Entry &e) { return LibraryModel::cellText(e, LibraryModel::StoredColumn); }));
}

} // namespace

QString refusal(const QList<Entry> &entries)
{
    if (!countAllowed(entries.size()))
        return QCoreApplication::translate("Confronto", "Per il confronto servono da %1 a %2 ricette")
            .arg(kMinRecipes)
            .arg(kMaxRecipes);
    for (const Entry &entry : entries) {
        if (!entry.isRecipe())
            return entry.refusal;
        if (!entry.calculated())
            return usertext::aboutFile(
                QCoreApplication::translate("Confronto", "Impossibile confrontare la ricetta"), entry.path,
                library::oneLine(entry.calculationRefusal));
    }
    return QString();
}

Table build(const QList<Entry> &entries)
{
    Table table;
    for (const Entry &entry : entries) {
        table.titles.append(
            usertext::printable(entry.recipeName.isEmpty() ? entry.relativePath : entry.recipeName));
        table.files.append(usertext::printable(entry.relativePath));
    }
    // Recipes of the same name in other files are told apart by their files, in every
    // column and label.
    const QStringList names = table.titles;
    for (qsizetype k = 0; k < names.size(); ++k)
        for (qsizetype other = 0; other < names.size(); ++other)
            if (names[other] == names[k] && table.files[other] != table.files[k]) {
                table.titles[k] = QStringLiteral("%1 (%2)").arg(names[k], table.files[k]);
                break;
            }
    addIngredients(table, entries);
    addResults(table, entries);
    addVerdicts(table, entries);
    return table;
}

QList<Bar> bars(const QList<Entry> &entries)
{
    QList<Bar> out;
    for (size_t k = 0; k < std::size(balance::kNutrients); ++k) {
        const balance::Nutrient n = balance::kNutrients[k];
        Bar bar{balance::nutrientName(n), balance::rangeOf(n), {}};
        for (const Entry &entry : entries) {
            if (!entry.calculated()) {
                bar.percents.append(std::nullopt);
                continue;
            }
            bar.percents.append(balance::shownPercent(balance::shareOf(*entry.results, n)));
        }
        out.append(bar);
    }
    return out;
}

} // namespace comparison
