// SPDX-License-Identifier: GPL-3.0-or-later
// Plays a long run of random user actions on the worksheet and the converter and
// checks after every action that the rules still hold.
#include "calculation.h"
#include "catalogue.h"
#include "clearing.h"
#include "converter.h"
#include "fakechooser.h"
#include "recipecommands.h"
#include "recipefile.h"
#include "recordingsink.h"
#include "soakinvariants.h"

#include <QRandomGenerator>
#include <QTemporaryDir>
#include <QTest>

using namespace field;

namespace {

constexpr int kActions = 100000;

// Texts a hurried angler might type: numbers of every shape, signs, commas, letters, blanks.
QString randomText(QRandomGenerator &random)
{
    static const QString pieces[] = {"0", "1", "5",   "12",    "250",   ",",  ".",    "-", "+",  " ",
                                     "a", "e", "100", "99,99", "1.000", "00", "33,3", "€", "\"", "\r\n"};
    switch (random.bounded(10)) {
    case 0:
        return QString();
    case 1:
        return QString(int(random.bounded(1, 40)), QChar(u'0' + random.bounded(10)));
    case 2:
        return QString::number(random.bounded(-50, 400));
    case 3:
    case 4:
    case 5:
        return QString::number(random.bounded(1, 30)); // mostly what anglers type: plain grams
    default:
        break;
    }
    QString text;
    const int count = int(random.bounded(1, 5));
    for (int k = 0; k < count; ++k)
        text += pieces[random.bounded(int(std::size(pieces)))];
    return text;
}

QList<FieldId> typedFields()
{
    QList<FieldId> ids{Aggiunta1, Aggiunta2, NumeroUova, NomeRicetta, Note};
    for (int row = 1; row <= 13; ++row)
        ids << peso(row);
    for (int row : {12, 13})
        ids << proteine(row) << grassi(row) << carbo(row);
    return ids;
}

QList<FieldId> lists()
{
    QList<FieldId> ids{componente(kEggRow), dig(12), legante(12), dig(13), legante(13)};
    for (int row = 1; row <= kCatalogueRows; ++row)
        ids << componente(row);
    return ids;
}

// Opens a file just saved from the worksheet into a fresh one: every file Vornak saves
// opens again, without a warning, to the same 51 texts (a double quote is stored as two
// apostrophes). Returns what differs, or an empty text.
QString reopenedDifference(const Worksheet &saved, const QString &path)
{
    Worksheet fresh;
    RecordingSink sink;
    fresh.setWarningSink(&sink);
    FakeChooser chooser;
    chooser.openPath = path;
    if (!recipecommands::open(fresh, chooser))
        return QStringLiteral("the saved file does not open: ") + sink.texts().join(u'/');
    if (!sink.warnings.isEmpty())
        return QStringLiteral("the saved file opens with warnings: ") + sink.texts().join(u'/');
    QStringList expected = recipefile::recordOf(saved);
    for (QString &text : expected)
        text.replace(u'"', QStringLiteral("''"));
    const QStringList opened = recipefile::recordOf(fresh);
    for (int k = 0; k < recipefile::kFieldCount; ++k)
        if (opened[k] != expected[k])
            return QStringLiteral("field %1 saved as '%2' opens as '%3'")
                .arg(k + 1)
                .arg(expected[k], opened[k]);
    return {};
}

} // namespace

class TestSoak : public QObject
{
    Q_OBJECT

private slots:
    void worksheetKeepsItsRules()
    {
        QRandomGenerator random(20261207);
        QTemporaryDir dir;
        Worksheet sheet;
        RecordingSink sink;
        sheet.setWarningSink(&sink);
        FakeChooser chooser;
        const QList<FieldId> typed = typedFields();
        const QList<FieldId> choices = lists();
        int calculations = 0, saves = 0, opens = 0;

        for (int action = 0; action < kActions;) {
            sink.clear();
            const int kind = int(random.bounded(100));
            QString what;
            int maxWarnings = 1;
            if (kind < 55) {
                const FieldId id = typed[random.bounded(int(typed.size()))];
                if (!sheet.isEnabled(id))
                    continue;
                const QString text = randomText(random);
                what = QStringLiteral("type '%1' into %2").arg(text, field::name(id));
                sheet.setText(id, text);
            } else if (kind < 70) {
                // What anglers mostly do: pick an ingredient and give its grams.
                const int row = int(random.bounded(1, kCatalogueRows + 1));
                const QStringList &entries = catalogue::ingredientEntries();
                const QString entry = entries[random.bounded(1, int(entries.size()))];
                what = QStringLiteral("choose '%1' in row %2 and type its grams").arg(entry).arg(row);
                sheet.select(componente(row), entry);
                sheet.setText(peso(row), QString::number(random.bounded(1, 500)));
                maxWarnings = 0;
            } else if (kind < 85) {
                const FieldId id = choices[random.bounded(int(choices.size()))];
                if (!sheet.isEnabled(id))
                    continue;
                const QStringList entries = sheet.entries(id);
                const QString entry = entries[random.bounded(int(entries.size()))];
                what = QStringLiteral("choose '%1' in %2").arg(entry, field::name(id));
                sheet.select(id, entry);
                maxWarnings = 0;
            } else if (kind < 90) {
                what = QStringLiteral("click the egg box");
                sheet.setChecked(!sheet.eggsChecked());
                maxWarnings = 0;
            } else if (kind < 96) {
                what = QStringLiteral("Calcola");
                const bool done = calculate(sheet);
                calculations += done;
                QVERIFY2(sink.warnings.size() == (done ? 0 : 1), qPrintable(what));
            } else if (kind < 98) {
                what = QStringLiteral("Cancella");
                clearWorksheet(sheet);
                maxWarnings = 0;
            } else if (kind < 99) {
                what = QStringLiteral("Salva");
                chooser.savePath = dir.filePath(QStringLiteral("r%1.txt").arg(random.bounded(5)));
                if (recipecommands::save(sheet, chooser)) {
                    ++saves;
                    const QString reopened = reopenedDifference(sheet, chooser.savePath);
                    QVERIFY2(reopened.isEmpty(),
                             qPrintable(QStringLiteral("action %1 (Salva): %2").arg(action).arg(reopened)));
                }
            } else {
                what = QStringLiteral("Apri");
                chooser.openPath = dir.filePath(QStringLiteral("r%1.txt").arg(random.bounded(5)));
                opens += recipecommands::open(sheet, chooser);
            }
            QVERIFY2(sink.warnings.size() <= maxWarnings,
                     qPrintable(QStringLiteral("%1 gave %2 warnings").arg(what).arg(sink.warnings.size())));
            const QString broken = brokenInvariant(sheet);
            QVERIFY2(broken.isEmpty(),
                     qPrintable(QStringLiteral("action %1 (%2): %3").arg(action).arg(what, broken)));
            ++action; // an action on a disabled field was never made and does not count
        }
        qInfo("worksheet soak: %d actions, %d calculations, %d saves, %d opens", kActions, calculations,
              saves, opens);
        QVERIFY(calculations > 50 && saves > 10 && opens > 10);
    }

    void converterKeepsItsRules()
    {
        QRandomGenerator random(7122026);
        Converter converter;
        RecordingSink sink;
        converter.setWarningSink(&sink);
        int conversions = 0;
        for (int action = 0; action < kActions; ++action) {
            sink.clear();
            const int kind = int(random.bounded(100));
            if (kind < 80) {
                const int which = int(random.bounded(2 * Converter::kRows + 1));
                const FieldId id = which == 0 ? Converter::kTotal : FieldId(which);
                if (!converter.isEnabled(id)) {
                    --action; // a disabled field takes no typing: not an action
                    continue;
                }
                converter.setText(id, randomText(random));
                QVERIFY(sink.warnings.size() <= 1);
            } else if (kind < 97) {
                const bool done = converter.calculate();
                conversions += done;
                QCOMPARE(sink.warnings.size(), done ? 0 : 1);
            } else {
                converter.clear();
                QVERIFY(sink.warnings.isEmpty());
            }

            const auto total = numbers::toNumber(converter.text(Converter::kTotal));
            QVERIFY(total && *total >= 0);
            const bool rowsOpen = *total != 0;
            for (int row = 1; row <= Converter::kRows; ++row) {
                const auto share = numbers::toNumber(converter.text(Converter::percent(row)));
                QVERIFY(share && *share >= 0 && *share <= 100);
                QCOMPARE(converter.isEnabled(Converter::percent(row)), rowsOpen);
                const QString &grams = converter.text(Converter::grams(row));
                QVERIFY(!grams.contains(QStringLiteral("inf")) && !grams.contains(QStringLiteral("nan")));
                QCOMPARE(converter.colour(Converter::grams(row)),
                         grams.isEmpty() || grams == QStringLiteral("0") ? Colour::Window : Colour::Filled);
            }
        }
        qInfo("converter soak: %d actions, %d conversions", kActions, conversions);
        QVERIFY(conversions > 10);
    }
};

QTEST_APPLESS_MAIN(TestSoak)
#include "tst_soak.moc"
