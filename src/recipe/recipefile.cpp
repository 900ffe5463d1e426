// SPDX-License-Identifier: GPL-3.0-or-later
#include "recipefile.h"

#include "catalogue.h"
#include "cp1252.h"
#include "numbers.h"
#include "usertext.h"
#include "worksheet.h"

#include <QFile>
#include <QFileInfo>
#include <QSaveFile>

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

// How a message names a free-text field to the user.
QString describe(FieldId id)
{
    switch (id) {
    case NomeRicetta:
        return QStringLiteral("il nome della ricetta");
    case Note:
        return QStringLiteral("le note");
    case Aggiunta1:
        return QStringLiteral("il nome del DODICESIMO componente");
    case Aggiunta2:
        return QStringLiteral("il nome del TREDICESIMO componente");
    default:
        return QStringLiteral("il campo %1").arg(field::name(id));
    }
}

// The field named with its verb: "le note contengono", "il nome della ricetta contiene".
QString describeContaining(FieldId id)
{
    return describe(id) + (id == Note ? QStringLiteral(" contengono") : QStringLiteral(" contiene"));
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
            notices << capitalised(QStringLiteral("%1 il carattere «%2», che il file delle ricette non può "
                                                  "contenere: va tolto prima di salvare")
                                       .arg(describeContaining(id), missing));
    }
    if (!quoted.isEmpty()) {
        const bool plural = quoted.size() > 1 || quoted.first() == describe(Note); // "le note contengono"
        const QString fields = quoted.size() == 1
                                   ? quoted.first()
                                   : quoted.mid(0, quoted.size() - 1).join(QStringLiteral(", ")) +
                                         QStringLiteral(" e ") + quoted.last();
        notices.prepend(capitalised(
            QStringLiteral("%1 %2 delle virgolette (\"), che il file delle ricette non può "
                           "contenere: al salvataggio ogni virgoletta sarà scritta come due "
                           "apostrofi ('')")
                .arg(fields, plural ? QStringLiteral("contengono") : QStringLiteral("contiene"))));
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
                    QStringLiteral("Impossibile salvare il file: %1 il carattere \u00ab%2\u00bb, "
                                   "che il file delle ricette non può contenere")
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
            *problem = QStringLiteral("Impossibile salvare il file: la ricetta supera %1 MiB, il limite del "
                                      "file delle ricette. Accorciare %2.")
                           .arg(kMaxFileSize / (1024 * 1024))
                           .arg(describe(recordFields()[size_t(longest)]));
        }
        return std::nullopt;
    }
    return bytes;
}

QString whyNotARecipe(const QStringList &record, const QStringList &ingredients)
{
    if (record.size() != kFieldCount)
        return QStringLiteral("la ricetta ha %1 campi invece di %2").arg(record.size()).arg(kFieldCount);
    auto number = [](FieldId id) { return indexOf(id) + 1; };
    auto text = [&](FieldId id) -> const QString & { return record[indexOf(id)]; };
    auto quoted = [](const QString &value) { return QStringLiteral("«%1»").arg(value); };
    const auto eggBox = eggBoxOf(record[kEggBox]);
    if (!eggBox)
        return QStringLiteral("il campo %1 (%2) non è un numero")
            .arg(kEggBox + 1)
            .arg(quoted(record[kEggBox]));
    const QString dash = QStringLiteral("-");

    // Entries the lists do not have: the file is no recipe of this program.
    for (int row = 1; row <= kCatalogueRows; ++row)
        if (!ingredients.contains(text(componente(row))))
            return QStringLiteral("il campo %1 (%2) non è un componente della lista")
                .arg(number(componente(row)))
                .arg(quoted(text(componente(row))));
    for (int row : kCustomRows) {
        if (!catalogue::digestibilityEntries().contains(text(dig(row))))
            return QStringLiteral("il campo %1 (%2) non è un indice di digeribilità della lista")
                .arg(number(dig(row)))
                .arg(quoted(text(dig(row))));
        if (!catalogue::binderEntries().contains(text(legante(row))))
            return QStringLiteral("il campo %1 (%2) non è un indice legante della lista")
                .arg(number(legante(row)))
                .arg(quoted(text(legante(row))));
    }
    const QString &kind = text(componente(kEggRow));
    if (!catalogue::eggEntries().contains(kind))
        return QStringLiteral("il campo %1 (%2) non è un tipo di uovo")
            .arg(number(componente(kEggRow)))
            .arg(quoted(kind));

    // Values where the program keeps none would count in a calculation without
    // showing on the worksheet.
    for (int row = 1; row <= kCatalogueRows; ++row)
        if (text(componente(row)) == dash && !isZero(text(peso(row))))
            return QStringLiteral("il campo %1 dà dei grammi alla riga %2, che non ha un componente")
                .arg(number(peso(row)))
                .arg(row);
    for (int row : kCustomRows) {
        if (!text(aggiunta(row)).isEmpty())
            continue;
        for (RowColumn column : {Peso, Proteine, Grassi, Carbo})
            if (!isZero(text(at(column, row))))
                return QStringLiteral("il campo %1 dà un valore alla riga %2, che non ha un nome")
                    .arg(number(at(column, row)))
                    .arg(row);
        for (FieldId id : {dig(row), legante(row)})
            if (text(id) != QStringLiteral("0"))
                return QStringLiteral("il campo %1 dà un indice alla riga %2, che non ha un nome")
                    .arg(number(id))
                    .arg(row);
    }
    if (!*eggBox) {
        const QString &eggWeight = text(peso(kEggRow));
        if (kind != dash || !isZero(text(NumeroUova)) || !(eggWeight.isEmpty() || isZero(eggWeight)))
            return QStringLiteral("dati delle uova con la casella spenta (campo %1)").arg(kEggBox + 1);
    }
    // Every other value goes through the input rules as it is set, which answer a bad
    // one with their warning and "0".
    return QString();
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

void apply(Worksheet &worksheet, const QStringList &record)
{
    for (int k = 0; k < kFieldCount; ++k) {
        const FieldId id = recordFields()[size_t(k)];
        if (id == ChkUova)
            worksheet.setChecked(eggBoxOf(record[k]).value_or(false));
        else if (worksheet.field(id).kind == FieldKind::List)
            worksheet.select(id, record[k]);
        else
            worksheet.setText(id, record[k]);
    }
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
    const QString tooLarge = QStringLiteral("il file supera %1 MiB").arg(kMaxFileSize / (1024 * 1024));
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
        apply(worksheet, record);
    return Outcome::Done;
}

bool write(const QByteArray &bytes, QIODevice &device)
{
    return device.write(bytes) == bytes.size();
}

Outcome save(const QByteArray &bytes, const QString &path, QString *problem)
{
    auto fail = [&](int systemError) {
        if (problem)
            *problem = usertext::whyUnwritable(path, systemError);
        return Outcome::Unwritable;
    };
    const QFileInfo info(path);
    // A read-only recipe stays as it is, even for a user whom the system would let
    // replace it: the read-only mark is the owner's wish.
    const bool readOnly = !info.isWritable() || !(info.permissions() & QFileDevice::WriteOwner);
    if (info.exists() && (!info.isFile() || readOnly))
        return fail(0);
    QSaveFile file(path);
    // Unbuffered, so a write that fails (a full disk) fails the save and commit() keeps the
    // earlier file: a buffered write would only fail inside commit(), which ignores it.
    if (!file.open(QIODevice::WriteOnly | QIODevice::Unbuffered))
        return fail(errno);
    if (!write(bytes, file)) {
        const int error = file.error() == QFileDevice::ResourceError ? ENOSPC : errno;
        file.cancelWriting();
        return fail(error);
    }
    if (!file.commit())
        return fail(errno);
    return Outcome::Done;
}

} // namespace recipefile
