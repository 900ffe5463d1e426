// SPDX-License-Identifier: GPL-3.0-or-later
#include "recipefile.h"
#include "sentinels.h"

#include "catalogue.h"
#include "cp1252.h"
#include "fieldwords.h"
#include "filewriter.h"
#include "numbers.h"
#include "usertext.h"
#include "warnings.h"
#include "worksheet.h"

#include <QCoreApplication>
#include <QFile>
#include <QFileInfo>

#include <array>
#include <cerrno>

using namespace field;

namespace recipefile {
namespace {

constexpr int kEggBox = 36; // index of field 37

// The worksheet field behind each of the 51 record fields (ChkUova for field 37).
const std::array<FieldId, kFieldCount> &recordFields()
{
    static const std::array<FieldId, kFieldCount> fields = [] {
        std::array<FieldId, kFieldCount> f{};
        int k = 0;
        for (int row = 1; row <= kCatalogueRows; ++row)
            f[k++] = componente(row);
        f[k++] = Aggiunta1;
        f[k++] = Aggiunta2;
        for (int row = 1; row <= kIngredientRows; ++row)
            f[k++] = peso(row);
        for (int row : kCustomRows)
            for (RowColumn column : kValueColumns)
                f[k++] = at(column, row);
        f[k++] = ChkUova;
        f[k++] = componente(kEggRow);
        f[k++] = NumeroUova;
        f[k++] = peso(kEggRow);
        f[k++] = NomeRicetta;
        f[k++] = Note;
        for (FieldId id : kResultsInClearOrder)
            f[k++] = id;
        return f;
    }();
    return fields;
}

int indexOf(FieldId id)
{
    const auto &fields = recordFields();
    return int(std::find(fields.begin(), fields.end(), id) - fields.begin());
}

QString describe(FieldId id)
{
    return fieldwords::describe(id);
}

QString describeContaining(FieldId id)
{
    return fieldwords::containing(id);
}

// Field 37: any number; exactly 1 ticks the egg box, every other number leaves it off.
std::optional<bool> eggBoxOf(const QString &text)
{
    const auto value = numbers::toNumber(text);
    if (!value)
        return std::nullopt;
    return *value == 1;
}

// What a row showing "-", a custom row without a name and the egg row without eggs
// hold: texts that read as zero.
bool isZero(const QString &text)
{
    return numbers::toNumber(text) == 0.0;
}

} // namespace

QString describeField(int index)
{
    return index >= 0 && index < kFieldCount ? describe(recordFields()[size_t(index)]) : QString();
}

QStringList openingNotices(const QStringList &record)
{
    auto capitalised = [](QString text) {
        text[0] = text[0].toUpper();
        return text;
    };
    QStringList notices;
    QStringList quoted;
    for (int k = 0; k < kFieldCount && k < record.size(); ++k) {
        if (k == kEggBox)
            continue;
        const FieldId id = recordFields()[size_t(k)];
        if (record[k].contains(u'"'))
            quoted << describe(id);
        if (const QString missing = cp1252::firstMissing(record[k]); !missing.isEmpty())
            notices << capitalised(QCoreApplication::translate(
                                       "Recipe", "%1 il carattere «%2», che il file delle ricette non può "
                                                 "contenere: va tolto prima di salvare")
                                       .arg(describeContaining(id), missing));
    }
    if (!quoted.isEmpty()) {
        const bool plural = quoted.size() > 1 || fieldwords::isPlural(quoted.first());
        const QString fields = quoted.size() == 1
                                   ? quoted.first()
                                   : quoted.mid(0, quoted.size() - 1).join(QStringLiteral(", ")) +
                                         QCoreApplication::translate("Recipe", " e ") + quoted.last();
        notices.prepend(capitalised(
            QCoreApplication::translate("Recipe",
                                        "%1 %2 delle virgolette (\"), che il file delle ricette non può "
                                        "contenere: al salvataggio ogni virgoletta sarà scritta come due "
                                        "apostrofi ('')")
                .arg(fields, plural ? QCoreApplication::translate("Recipe", "contengono")
                                    : QCoreApplication::translate("Recipe", "contiene"))));
    }
    return notices;
}

QStringList recordOf(const Worksheet &worksheet)
{
    QStringList record;
    record.reserve(kFieldCount);
    for (FieldId id : recordFields())
        record << (id == ChkUova ? QString::number(worksheet.eggsChecked() ? 1 : 0) : worksheet.text(id));
    return record;
}

std::optional<QByteArray> encode(const QStringList &record, QString *problem)
{
    QByteArray bytes;
    for (int k = 0; k < kFieldCount; ++k) {
        if (k > 0)
            bytes += ',';
        if (k == kEggBox) {
            bytes += record.value(k).toLatin1();
            continue;
        }
        // The format has no escape for a double quote: two apostrophes stand in for it.
        QString text = record.value(k);
        text.replace(u'"', QStringLiteral("''"));
        const auto encoded = cp1252::encode(text);
        if (!encoded) {
            if (problem)
                *problem =
                    QCoreApplication::translate(
                        "recipefile", "%1 il carattere «%2», che il file delle ricette non può contenere")
                        .arg(describeContaining(recordFields()[size_t(k)]), cp1252::firstMissing(text));
            return std::nullopt;
        }
        bytes += '"' + *encoded + '"';
    }
    bytes += "\r\n";
    // Open refuses a larger file, so save refuses it too, naming the longest text:
    // only the free texts can grow that long.
    if (bytes.size() > kMaxFileSize) {
        if (problem) {
            int longest = 0;
            for (int k = 1; k < kFieldCount; ++k)
                if (record.value(k).size() > record.value(longest).size())
                    longest = k;
            *problem =
                QCoreApplication::translate("recipefile", "la ricetta supera %1 MiB, il limite del file "
                                                          "delle ricette: accorciare %2")
                    .arg(kMaxFileSize / (1024 * 1024))
                    .arg(describe(recordFields()[size_t(longest)]));
        }
        return std::nullopt;
    }
    return bytes;
}

namespace {

int numberOf(FieldId id)
{
    return indexOf(id) + 1;
}

QString quotedValue(const QString &value)
{
    return QStringLiteral("«%1»").arg(value);
}

// An entry no list of the worksheet has: the file is no recipe of this program.
QString entryProblem(const QStringList &record, const QStringList &ingredients)
{
    auto text = [&](FieldId id) -> const QString & { return record[indexOf(id)]; };
    for (int row = 1; row <= kCatalogueRows; ++row)
        if (!ingredients.contains(text(componente(row))))
            return QCoreApplication::translate("Recipe", "il campo %1 (%2) non è un componente della lista")
                .arg(numberOf(componente(row)))
                .arg(quotedValue(text(componente(row))));
    for (int row : kCustomRows) {
        if (!catalogue::digestibilityEntries().contains(text(dig(row))))
            return QCoreApplication::translate("Recipe",
                                               "il campo %1 (%2) non è un indice di digeribilità della lista")
                .arg(numberOf(dig(row)))
                .arg(quotedValue(text(dig(row))));
        if (!catalogue::binderEntries().contains(text(legante(row))))
            return QCoreApplication::translate("Recipe",
                                               "il campo %1 (%2) non è un indice legante della lista")
                .arg(numberOf(legante(row)))
                .arg(quotedValue(text(legante(row))));
    }
    const QString &kind = text(componente(kEggRow));
    if (!catalogue::eggEntries().contains(kind))
        return QCoreApplication::translate("Recipe", "il campo %1 (%2) non è un tipo di uovo")
            .arg(numberOf(componente(kEggRow)))
            .arg(quotedValue(kind));
    return QString();
}

// Values where the program keeps none would count in a calculation without showing on
// the worksheet.
QString strayValueProblem(const QStringList &record, bool eggBox)
{
    auto text = [&](FieldId id) -> const QString & { return record[indexOf(id)]; };
    const QString &dash = sentinel::kNothingChosen;
    for (int row = 1; row <= kCatalogueRows; ++row)
        if (text(componente(row)) == dash && !isZero(text(peso(row))))
            return QCoreApplication::translate(
                       "Recipe", "il campo %1 dà dei grammi alla riga %2, che non ha un componente")
                .arg(numberOf(peso(row)))
                .arg(row);
    for (int row : kCustomRows) {
        if (!text(aggiunta(row)).isEmpty())
            continue;
        for (RowColumn column : {Peso, Proteine, Grassi, Carbo})
            if (!isZero(text(at(column, row))))
                return QCoreApplication::translate(
                           "Recipe", "il campo %1 dà un valore alla riga %2, che non ha un nome")
                    .arg(numberOf(at(column, row)))
                    .arg(row);
        for (FieldId id : {dig(row), legante(row)})
            if (text(id) != sentinel::kZero)
                return QCoreApplication::translate(
                           "Recipe", "il campo %1 dà un indice alla riga %2, che non ha un nome")
                    .arg(numberOf(id))
                    .arg(row);
    }
    const QString &eggWeight = text(peso(kEggRow));
    if (!eggBox && (text(componente(kEggRow)) != dash || !isZero(text(NumeroUova)) ||
                    !(eggWeight.isEmpty() || isZero(eggWeight))))
        return QCoreApplication::translate("Recipe", "dati delle uova con la casella spenta (campo %1)")
            .arg(kEggBox + 1);
    return QString();
}

} // namespace

QString whyNotARecipe(const QStringList &record, const QStringList &ingredients)
{
    if (record.size() != kFieldCount)
        return QCoreApplication::translate("Recipe", "la ricetta ha %1 campi invece di %2")
            .arg(record.size())
            .arg(kFieldCount);
    const auto eggBox = eggBoxOf(record[kEggBox]);
    if (!eggBox)
        return QCoreApplication::translate("Recipe", "il campo %1 (%2) non è un numero")
            .arg(kEggBox + 1)
            .arg(quotedValue(record[kEggBox]));
    if (const QString why = entryProblem(record, ingredients); !why.isEmpty())
        return why;
    // Every other value goes through the input rules as it is set, which answer a bad
    // one with their warning and "0".
    return strayValueProblem(record, *eggBox);
}

bool isValid(const QStringList &record, const QStringList &ingredients)
{
    return whyNotARecipe(record, ingredients).isEmpty();
}

std::optional<QString> unknownIngredient(const QStringList &record, const QStringList &ingredients)
{
    for (int row = 1; row <= kCatalogueRows && row <= record.size(); ++row)
        if (const QString &name = record[indexOf(componente(row))];
            !name.isEmpty() && !ingredients.contains(name))
            return name;
    return std::nullopt;
}

namespace {

// While a file opens, an input rule's warning says which file and which field of it
// the refused value came from.
class OpeningSink : public WarningSink
{
public:
    OpeningSink(WarningSink *inner, const QString &path) : m_inner(inner), m_path(path) {}

    void warn(const QString &title, const QString &text) override
    {
        if (!m_inner)
            return;
        const QString where = QCoreApplication::translate("recipefile", "il campo %1 (%2) è «%3»")
                                  .arg(m_index + 1)
                                  .arg(describe(recordFields()[size_t(m_index)]), m_value);
        m_inner->warn(title, usertext::aboutFile(text, m_path, where));
    }
    bool takesLongLists() const override { return m_inner && m_inner->takesLongLists(); }

    void setField(int index, const QString &value)
    {
        m_index = index;
        m_value = value;
    }

private:
    WarningSink *m_inner;
    QString m_path;
    int m_index = 0;
    QString m_value;
};

void setField(Worksheet &worksheet, FieldId id, const QString &text)
{
    if (id == ChkUova)
        worksheet.setChecked(eggBoxOf(text).value_or(false));
    else if (worksheet.field(id).kind == FieldKind::List)
        worksheet.select(id, text);
    else
        worksheet.setText(id, text);
}

// apply(), each warning naming the file at `path` and the field.
void applyFrom(Worksheet &worksheet, const QStringList &record, const QString &path)
{
    WarningSink *const sink = worksheet.warningSink();
    OpeningSink opening(sink, path);
    worksheet.setWarningSink(&opening);
    for (int k = 0; k < kFieldCount; ++k) {
        opening.setField(k, record[k]);
        setField(worksheet, recordFields()[size_t(k)], record[k]);
    }
    worksheet.setWarningSink(sink);
}

} // namespace

void apply(Worksheet &worksheet, const QStringList &record)
{
    for (int k = 0; k < kFieldCount; ++k)
        setField(worksheet, recordFields()[size_t(k)], record[k]);
}

Outcome open(Worksheet &worksheet, const QString &path, QString *detail)
{
    auto fail = [detail](Outcome outcome, const QString &why) {
        if (detail)
            *detail = why;
        return outcome;
    };
    QFile file(path);
    // Only a regular file: a pipe or a device would keep the program waiting for ever.
    if (!QFileInfo(path).isFile() || !file.open(QIODevice::ReadOnly))
        return fail(Outcome::Unreadable, usertext::whyUnreadable(path, errno));
    const QString tooLarge =
        QCoreApplication::translate("Recipe", "il file supera %1 MiB").arg(kMaxFileSize / (1024 * 1024));
    if (file.size() > kMaxFileSize)
        return fail(Outcome::NotARecipe, tooLarge);
    const QByteArray bytes = file.read(kMaxFileSize + 1);
    if (file.error() != QFileDevice::NoError)
        return fail(Outcome::Unreadable, usertext::whyUnreadable(path, errno));
    if (bytes.size() > kMaxFileSize)
        return fail(Outcome::NotARecipe, tooLarge);
    file.close();

    QString problem;
    const auto records = decode(bytes, &problem);
    if (!records)
        return fail(Outcome::NotARecipe, problem);
    const QStringList ingredients = worksheet.entries(componente(1));
    for (const QStringList &record : *records) {
        if (const auto name = unknownIngredient(record, ingredients))
            return fail(Outcome::UnknownIngredient, *name);
        if (const QString why = whyNotARecipe(record, ingredients); !why.isEmpty())
            return fail(Outcome::NotARecipe, why);
    }
    for (const QStringList &record : *records)
        applyFrom(worksheet, record, path);
    return Outcome::Done;
}

bool write(const QByteArray &bytes, QIODevice &device)
{
    return device.write(bytes) == bytes.size();
}

Outcome save(const QByteArray &bytes, const QString &path, QString *problem)
{
    const QString why = filewriter::write(path, bytes);
    if (why.isEmpty())
        return Outcome::Done;
    if (problem)
        *problem = why;
    return Outcome::Unwritable;
}

} // namespace recipefile
