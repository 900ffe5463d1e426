// SPDX-License-Identifier: GPL-3.0-or-later
#include "ingredientfile.h"

#include "catalogue.h"
#include "numbers.h"
#include "usertext.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QSaveFile>
#include <QStandardPaths>
#include <QStringDecoder>

#include <algorithm>
#include <cerrno>
#include <optional>

using namespace personal;

namespace ingredientfile {
namespace {

constexpr int kFieldCount = 1 + CsvColumnCount;
constexpr int kShownProblems = 10;

bool isBlank(QChar c)
{
    return c == u' ' || c == u'\t';
}

// A line of nothing but blanks and separators is an empty spreadsheet row.
bool isEmptyRow(const QString &line)
{
    for (QChar c : line)
        if (!isBlank(c) && c != u';')
            return false;
    return true;
}

// The fields of one line, or nothing when a quoted field is not closed or is followed
// by more than blanks. "" inside quotes is one double quote.
std::optional<QStringList> splitLine(const QString &line)
{
    QStringList fields;
    const qsizetype n = line.size();
    qsizetype i = 0;
    while (true) {
        qsizetype start = i;
        while (start < n && isBlank(line[start]))
            ++start;
        QString field;
        if (start < n && line[start] == u'"') {
            bool closed = false;
            for (i = start + 1; i < n; ++i) {
                if (line[i] != u'"') {
                    field += line[i];
                } else if (i + 1 < n && line[i + 1] == u'"') {
                    field += u'"';
                    ++i;
                } else {
                    closed = true;
                    ++i;
                    break;
                }
            }
            while (i < n && isBlank(line[i]))
                ++i;
            if (!closed || (i < n && line[i] != u';'))
                return std::nullopt;
        } else {
            qsizetype end = line.indexOf(u';', i);
            if (end < 0)
                end = n;
            field = line.mid(i, end - i);
            i = end;
        }
        fields << field;
        if (i >= n)
            return fields;
        ++i; // past the ";"
    }
}

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
                   ? QStringLiteral("%1 «%2» è un numero troppo grande").arg(header, text)
                   : QStringLiteral("%1 «%2» non è un numero").arg(header, text);
    if (column == CsvPrezzo)
        return result == Check::BelowMin ? QStringLiteral("il prezzo «%1» è negativo").arg(text)
                                         : QStringLiteral("il prezzo «%1» supera 1.000.000 €").arg(text);
    return QStringLiteral("%1 «%2» non è tra %3 e %4")
        .arg(header, text, numbers::plainText(r.min), numbers::plainText(r.max));
}

// Why a data line cannot be used, or an empty text; `out` receives the line's entry.
QString lineProblem(const QStringList &fields, const QHash<QString, int> &seenAt, Ingredient &out)
{
    out.name = fields[0].trimmed();
    for (int k = 0; k < kValueCount; ++k)
        out.values[size_t(k)] = fields[k + 1].trimmed();
    out.price = cleanPrice(fields[CsvPrezzo + 1]);

    const NameKind kind = kindOf(out.name);
    if (kind == NameKind::Reserved)
        return nameProblem(out.name);
    if (const auto seen = seenAt.constFind(out.name); seen != seenAt.cend())
        return QStringLiteral("«%1» compare già alla riga %2").arg(out.name).arg(*seen);

    const bool anyValue = std::any_of(out.values.begin(), out.values.end(),
                                      [](const QString &value) { return !value.isEmpty(); });
    if (kind == NameKind::Catalogue && anyValue)
        return QStringLiteral("«%1» è nel catalogo: valgono i suoi valori, la riga può dare solo il prezzo")
            .arg(out.name);
    if (kind == NameKind::Egg && anyValue)
        return QStringLiteral("«%1» è un tipo di uovo: valgono i suoi valori, la riga può dare solo il "
                              "prezzo per uovo")
            .arg(out.name);
    if (kind == NameKind::Personal) {
        if (const QString problem = nameProblem(out.name); !problem.isEmpty())
            return problem;
        for (int k = 0; k < kValueCount; ++k) {
            const auto column = CsvColumn(k);
            const QString &value = out.values[size_t(k)];
            if (value.isEmpty())
                return QStringLiteral("manca il valore di %1").arg(QString::fromLatin1(rule(column).header));
            if (const Check result = check(column, value); result != Check::Ok)
                return columnReason(column, value, result);
        }
        if (sumOver100(out.values[CsvProteine], out.values[CsvGrassi], out.values[CsvCarboidrati]))
            return QStringLiteral("proteine, grassi e carboidrati insieme superano 100");
    }
    if (!out.price.isEmpty())
        if (const Check result = check(CsvPrezzo, out.price); result != Check::Ok)
            return columnReason(CsvPrezzo, out.price, result);
    return QString();
}

QByteArray csvField(const QString &text)
{
    const bool quoted = text.contains(u';') || text.contains(u'"') || text.contains(u'\n') ||
                        text.contains(u'\r') ||
                        (!text.isEmpty() && (isBlank(text.front()) || isBlank(text.back())));
    if (!quoted)
        return text.toUtf8();
    QString escaped = text;
    escaped.replace(u'"', QStringLiteral("\"\""));
    return '"' + escaped.toUtf8() + '"';
}

QByteArray csvLine(const QStringList &fields)
{
    QByteArray line;
    for (qsizetype k = 0; k < fields.size(); ++k) {
        if (k > 0)
            line += ';';
        line += csvField(fields[k]);
    }
    return line + "\r\n";
}

} // namespace

QString header()
{
    QStringList names{QStringLiteral("nome")};
    for (int k = 0; k < CsvColumnCount; ++k)
        names << QString::fromLatin1(rule(CsvColumn(k)).header);
    return names.join(u';');
}

ReadResult decode(const QByteArray &input)
{
    ReadResult result;
    QByteArray bytes = input;
    if (bytes.startsWith("\xEF\xBB\xBF"))
        bytes.remove(0, 3);
    const QList<QByteArray> lines = bytes.split('\n');
    bool headerSeen = false;
    QHash<QString, int> seenAt;
    for (qsizetype k = 0; k < lines.size(); ++k) {
        const int lineNumber = int(k) + 1;
        QByteArray raw = lines[k];
        if (raw.endsWith('\r'))
            raw.chop(1);
        QStringDecoder decoder(QStringDecoder::Utf8);
        const QString line = decoder(raw);
        auto reject = [&](const QString &reason) {
            result.problems << QStringLiteral("riga %1: %2").arg(lineNumber).arg(reason);
        };
        if (decoder.hasError()) {
            if (!headerSeen)
                break; // reported below as a file without its header
            reject(QStringLiteral("il testo non è in UTF-8"));
            continue;
        }
        if (isEmptyRow(line))
            continue;
        const auto fields = splitLine(line);
        if (!headerSeen) {
            if (!fields || !isHeader(*fields))
                break;
            headerSeen = true;
            continue;
        }
        if (!fields) {
            reject(QStringLiteral("virgolette non chiuse o seguite da altro testo"));
            continue;
        }
        if (fields->size() != kFieldCount) {
            reject(QStringLiteral("servono %1 campi separati da «;», qui sono %2")
                       .arg(kFieldCount)
                       .arg(fields->size()));
            continue;
        }
        Ingredient entry;
        if (const QString problem = lineProblem(*fields, seenAt, entry); !problem.isEmpty()) {
            reject(problem);
            continue;
        }
        seenAt.insert(entry.name, lineNumber);
        if (kindOf(entry.name) == NameKind::Personal)
            result.library.ingredients << entry;
        else if (!entry.price.isEmpty())
            result.library.prices.insert(entry.name, entry.price);
    }
    // Without its header the columns cannot be trusted: nothing of the file is used.
    if (!headerSeen && !isEmptyRow(QString::fromUtf8(bytes).remove(u'\r').remove(u'\n'))) {
        result = ReadResult();
        result.failure = QStringLiteral("la prima riga deve essere «%1»").arg(header());
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
        result.failure = QStringLiteral("è più grande di 1 MiB");
        return result;
    }
    return decode(bytes);
}

QString warningText(const QString &path, const ReadResult &result, bool everyLine)
{
    const QString file = QDir::toNativeSeparators(path);
    if (!result.failure.isEmpty())
        return QStringLiteral("Il file degli ingredienti «%1» non è stato usato: %2")
            .arg(file, result.failure);
    if (result.problems.isEmpty())
        return QString();
    QString text =
        QStringLiteral("Nel file degli ingredienti «%1» queste righe non sono valide e sono state ignorate:")
            .arg(file);
    const qsizetype shown = everyLine ? result.problems.size() : kShownProblems;
    for (qsizetype k = 0; k < result.problems.size() && k < shown; ++k)
        text += u'\n' + result.problems[k];
    if (result.problems.size() > shown)
        text += QStringLiteral("\n… e altre %1").arg(result.problems.size() - shown);
    return text;
}

QString missingText(const QString &path)
{
    return QStringLiteral("Il file degli ingredienti «%1» non esiste").arg(QDir::toNativeSeparators(path));
}

QByteArray encode(const Library &library)
{
    const QString none;
    QByteArray bytes = "\xEF\xBB\xBF" + header().toUtf8() + "\r\n";
    auto priceOnly = [&](const char *name) {
        const QString entry = QString::fromLatin1(name);
        if (const QString price = library.prices.value(entry); !price.isEmpty())
            bytes += csvLine({entry, none, none, none, none, none, price});
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
        bytes += csvLine(fields);
    }
    return bytes;
}

QString save(const Library &library, const QString &path)
{
    const QString file = QDir::toNativeSeparators(path);
    const QString folder = QFileInfo(path).absolutePath();
    if (!QDir().mkpath(folder))
        return QStringLiteral(
                   "Impossibile salvare il file degli ingredienti «%1»: la cartella non si può creare")
            .arg(file);
    QSaveFile out(path);
    const QByteArray bytes = encode(library);
    // Unbuffered, so a write that fails half-way (a full disk) is the save's failure and commit()
    // keeps the earlier file; a buffered write would only fail in close(), after the check.
    if (!out.open(QIODevice::WriteOnly | QIODevice::Unbuffered) || out.write(bytes) != bytes.size() ||
        !out.commit()) {
        const int error = out.error() == QFileDevice::ResourceError ? ENOSPC : errno;
        return QStringLiteral("Impossibile salvare il file degli ingredienti «%1»: %2")
            .arg(file, usertext::whyUnwritable(path, error));
    }
    return QString();
}

QString defaultPath()
{
    return QStandardPaths::writableLocation(QStandardPaths::AppDataLocation) +
           QStringLiteral("/ingredienti.csv");
}

} // namespace ingredientfile
