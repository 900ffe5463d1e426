// SPDX-License-Identifier: GPL-3.0-or-later
#include "ingredientfile.h"

#include "catalogue.h"
#include "csvrecords.h"
#include "filewriter.h"
#include "numbers.h"
#include "usertext.h"

#include <QCoreApplication>
#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QStandardPaths>

#include <algorithm>
#include <cerrno>
#include <optional>

using namespace personal;

namespace ingredientfile {
namespace {

constexpr int kFieldCount = 1 + CsvColumnCount;
constexpr int kShownProblems = 10;

bool isHeader(const QStringList &fields)
{
    const QStringList expected = header().split(u';');
    if (fields.size() != expected.size())
        return false;
    for (qsizetype k = 0; k < fields.size(); ++k)
        if (fields[k].trimmed().compare(expected[k], Qt::CaseInsensitive) != 0)
            return false;
    return true;
}

QString columnReason(CsvColumn column, const QString &text, Check result)
{
    const ColumnRule &r = rule(column);
    const QString header = QString::fromLatin1(r.header);
    if (result == Check::NotANumber)
        return numbers::isTooLarge(text)
                   ? QCoreApplication::translate("Ingredients", "%1 «%2» è un numero troppo grande")
                         .arg(header, text)
                   : QCoreApplication::translate("Ingredients", "%1 «%2» non è un numero").arg(header, text);
    if (column == CsvPrezzo)
        return result == Check::BelowMin
                   ? QCoreApplication::translate("Ingredients", "il prezzo «%1» è negativo").arg(text)
                   : QCoreApplication::translate("Ingredients", "il prezzo «%1» supera 1.000.000 €")
                         .arg(text);
    return QCoreApplication::translate("Ingredients", "%1 «%2» non è tra %3 e %4")
        .arg(header, text, numbers::plainText(r.min), numbers::plainText(r.max));
}

// Why a data line cannot be used, or an empty text; `out` receives the line's entry and
// `cell` the field to blame (the name unless a value or the price is wrong).
QString lineProblem(const QStringList &fields, const QHash<QString, int> &seenAt, Ingredient &out, int &cell)
{
    cell = 0;
    out.name = fields[0].trimmed();
    for (int k = 0; k < kValueCount; ++k)
        out.values[size_t(k)] = fields[k + 1].trimmed();
    out.price = cleanPrice(fields[CsvPrezzo + 1]);

    const NameKind kind = kindOf(out.name);
    if (kind == NameKind::Reserved)
        return nameProblem(out.name);
    if (const auto seen = seenAt.constFind(out.name); seen != seenAt.cend())
        return QCoreApplication::translate("Ingredients", "«%1» compare già alla riga %2")
            .arg(out.name)
            .arg(*seen);

    const bool anyValue = std::any_of(out.values.begin(), out.values.end(),
                                      [](const QString &value) { return !value.isEmpty(); });
    if (kind == NameKind::Catalogue && anyValue)
        return QCoreApplication::translate(
                   "Ingredients",
                   "«%1» è nel catalogo: valgono i suoi valori, la riga può dare solo il prezzo")
            .arg(out.name);
    if (kind == NameKind::Egg && anyValue)
        return QCoreApplication::translate(
                   "Ingredients", "«%1» è un tipo di uovo: valgono i suoi valori, la riga può dare solo il "
                                  "prezzo per uovo")
            .arg(out.name);
    if (kind == NameKind::Personal) {
        if (const QString problem = nameProblem(out.name); !problem.isEmpty())
            return problem;
        for (int k = 0; k < kValueCount; ++k) {
            const auto column = CsvColumn(k);
            const QString &value = out.values[size_t(k)];
            cell = k + 1;
            if (value.isEmpty())
                return QCoreApplication::translate("Ingredients", "manca il valore di %1")
                    .arg(QString::fromLatin1(rule(column).header));
            if (const Check result = check(column, value); result != Check::Ok)
                return columnReason(column, value, result);
        }
        cell = 0;
        if (sumOver100(out.values[CsvProteine], out.values[CsvGrassi], out.values[CsvCarboidrati]))
            return QCoreApplication::translate("Ingredients",
                                               "proteine, grassi e carboidrati insieme superano 100");
    }
    cell = CsvPrezzo + 1;
    if (!out.price.isEmpty())
        if (const Check result = check(CsvPrezzo, out.price); result != Check::Ok)
            return columnReason(CsvPrezzo, out.price, result);
    return QString();
}

} // namespace

QString header()
{
    QStringList names{QStringLiteral("nome")};
    for (int k = 0; k < CsvColumnCount; ++k)
        names << QString::fromLatin1(rule(CsvColumn(k)).header);
    return names.join(u';');
}

namespace {

QStringList textsOf(const csvrecords::Record &record)
{
    QStringList texts;
    for (const csvrecords::Cell &cell : record.cells)
        texts << cell.text;
    return texts;
}

// Takes one data record into the library, or says which line of it is wrong and why.
void takeRecord(const csvrecords::Record &record, QHash<QString, int> &seenAt, ReadResult &result)
{
    auto reject = [&](int line, const QString &reason) {
        result.problems << QCoreApplication::translate("Ingredients", "riga %1: %2").arg(line).arg(reason);
    };
    if (record.brokenLine)
        return reject(
            record.brokenLine,
            QCoreApplication::translate("Ingredients", "virgolette non chiuse o seguite da altro testo"));
    if (record.cells.size() != kFieldCount)
        return reject(record.line, QCoreApplication::translate(
                                       "Ingredients", "servono %1 campi separati da «;», qui sono %2")
                                       .arg(kFieldCount)
                                       .arg(record.cells.size()));
    Ingredient entry;
    int cell = 0;
    if (const QString problem = lineProblem(textsOf(record), seenAt, entry, cell); !problem.isEmpty())
        return reject(record.cells[cell].line, problem);
    seenAt.insert(entry.name, record.line);
    if (kindOf(entry.name) == NameKind::Personal)
        result.library.ingredients << entry;
    else if (!entry.price.isEmpty())
        result.library.prices.insert(entry.name, entry.price);
}

} // namespace

ReadResult decode(const QByteArray &bytes)
{
    ReadResult result;
    // A text editor's or a spreadsheet's "Unicode": UTF-16, with its mark or with a zero
    // byte beside every letter of the header. Said as such, with the way out.
    if (bytes.startsWith("\xFF\xFE") || bytes.startsWith("\xFE\xFF") ||
        (bytes.size() >= 2 && (bytes[0] == '\0') != (bytes[1] == '\0'))) {
        result.failure = QCoreApplication::translate(
            "Ingredients",
            "il file è in UTF-16 (il formato «Unicode» di un editor di testo o di un foglio di "
            "calcolo): salvarlo di nuovo come «CSV» o «CSV UTF-8»");
        return result;
    }
    bool headerSeen = false;
    QHash<QString, int> seenAt;
    for (const csvrecords::Record &record : csvrecords::split(csvrecords::decodeText(bytes))) {
        if (record.blank())
            continue;
        if (headerSeen) {
            takeRecord(record, seenAt, result);
            continue;
        }
        // Without its header the columns cannot be trusted: nothing of the file is used.
        if (record.brokenLine || !isHeader(textsOf(record))) {
            result.failure =
                QCoreApplication::translate("Ingredients", "la prima riga deve essere «%1»").arg(header());
            return result;
        }
        headerSeen = true;
    }
    return result;
}

ReadResult read(const QString &path)
{
    ReadResult result;
    const QFileInfo info(path);
    if (!info.exists()) {
        result.missing = true;
        return result;
    }
    QFile file(path);
    if (!info.isFile() || !file.open(QIODevice::ReadOnly)) { // never a pipe that keeps us waiting
        result.failure = usertext::whyUnreadable(path, errno);
        return result;
    }
    const QByteArray bytes = file.read(kMaxFileSize + 1);
    if (file.error() != QFileDevice::NoError) {
        result.failure = usertext::whyUnreadable(path, errno);
        return result;
    }
    if (bytes.size() > kMaxFileSize) {
        result.failure = QCoreApplication::translate("Ingredients", "è più grande di 1 MiB");
        return result;
    }
    return decode(bytes);
}

QString warningText(const QString &path, const ReadResult &result, bool everyLine)
{
    const QString file = QDir::toNativeSeparators(path);
    if (!result.failure.isEmpty())
        return QCoreApplication::translate("Ingredients",
                                           "Il file degli ingredienti «%1» non è stato usato: %2")
            .arg(file, result.failure);
    if (result.problems.isEmpty())
        return QString();
    QString text = QCoreApplication::translate(
                       "Ingredients",
                       "Nel file degli ingredienti «%1» queste righe non sono valide e sono state ignorate:")
                       .arg(file);
    const qsizetype shown = everyLine ? result.problems.size() : kShownProblems;
    for (qsizetype k = 0; k < result.problems.size() && k < shown; ++k)
        text += u'\n' + result.problems[k];
    if (result.problems.size() > shown)
        text +=
            QCoreApplication::translate("Ingredients", "\n… e altre %1").arg(result.problems.size() - shown);
    return text;
}

QString missingText(const QString &path)
{
    return QCoreApplication::translate("Ingredients", "Il file degli ingredienti «%1» non esiste")
        .arg(QDir::toNativeSeparators(path));
}

QByteArray encode(const Library &library)
{
    const QString none;
    QByteArray bytes = csvrecords::kByteOrderMark + header().toUtf8() + "\r\n";
    auto priceOnly = [&](const char *name) {
        const QString entry = QString::fromLatin1(name);
        if (const QString price = library.prices.value(entry); !price.isEmpty())
            bytes += csvrecords::line({entry, none, none, none, none, none, price});
    };
    for (const catalogue::Ingredient &entry : catalogue::ingredients())
        priceOnly(entry.name);
    for (const catalogue::EggKind &kind : catalogue::eggKinds())
        priceOnly(kind.name);
    for (const Ingredient &ingredient : library.ingredients) {
        QStringList fields{ingredient.name};
        for (const QString &value : ingredient.values)
            fields << value;
        fields << ingredient.price;
        bytes += csvrecords::line(fields);
    }
    return bytes;
}

QString save(const Library &library, const QString &path)
{
    // Two lines, as every other writer says it: what failed, then the file and why.
    const QString cannotSave =
        QCoreApplication::translate("Ingredients", "Impossibile salvare il file degli ingredienti");
    const QString folder = QFileInfo(path).absolutePath();
    if (!QDir().mkpath(folder))
        return usertext::aboutFile(
            cannotSave, path, QCoreApplication::translate("Ingredients", "la cartella non si può creare"));
    if (const QString why = filewriter::write(path, encode(library)); !why.isEmpty())
        return usertext::aboutFile(cannotSave, path, why);
    return QString();
}

QString defaultPath()
{
    return QStandardPaths::writableLocation(QStandardPaths::AppDataLocation) +
           QStringLiteral("/ingredienti.csv");
}

} // namespace ingredientfile
