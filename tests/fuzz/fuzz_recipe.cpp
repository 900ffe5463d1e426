// SPDX-License-Identifier: GPL-3.0-or-later
// Feeds arbitrary bytes to the recipe reader. A file the reader accepts opens, and
// what it opens to saves as a file that the reader accepts again and that reopens,
// without a warning, to the same 51 texts (a double quote kept from a hand-edited text
// saved as two apostrophes).
#include "cp1252.h"
#include "recipefile.h"
#include "warnings.h"
#include "worksheet.h"

#include <cstdio>
#include <cstdlib>

namespace {

[[noreturn]] void broken(const char *what)
{
    std::fprintf(stderr, "broken property: %s\n", what);
    std::abort();
}

class CountingSink : public WarningSink
{
public:
    void warn(const QString &, const QString &) override { ++count; }
    int count = 0;
};

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t *data, size_t size)
{
    const QByteArray bytes = QByteArray::fromRawData(reinterpret_cast<const char *>(data), qsizetype(size));
    const auto records = recipefile::decode(bytes);
    if (!records || records->isEmpty())
        return 0;
    for (const QStringList &record : *records)
        if (!recipefile::isValid(record))
            return 0;

    Worksheet sheet;
    CountingSink openWarnings;
    sheet.setWarningSink(&openWarnings);
    for (const QStringList &record : *records)
        recipefile::apply(sheet, record);
    const QStringList saved = recipefile::recordOf(sheet);
    // Values the input rules accept are held exactly as the file gives them.
    const QString &eggBox = records->last().at(36);
    if (openWarnings.count == 0 && (eggBox == QStringLiteral("0") || eggBox == QStringLiteral("1")) &&
        saved != records->last())
        broken("a record that opens without a warning is not held as given");

    const auto written = recipefile::encode(saved);
    if (!written) {
        // Only a record grown past the size limit (empty fields opened as "0"), or one read
        // from UTF-8 with a character Windows-1252 lacks, may be refused.
        qsizetype length = 0;
        bool uncodable = false;
        for (const QString &text : saved) {
            length += text.size();
            uncodable = uncodable || !cp1252::firstMissing(text).isEmpty();
        }
        if (length < recipefile::kMaxFileSize - 3 * recipefile::kFieldCount && !uncodable)
            broken("an opened recipe cannot be saved");
        return 0;
    }
    QStringList expected = saved;
    for (QString &text : expected)
        text.replace(u'"', QStringLiteral("''"));
    const auto again = recipefile::decode(*written);
    if (!again || again->size() != 1 || again->first() != expected)
        broken("a saved record does not read back");
    if (!recipefile::isValid(again->first()))
        broken("a saved record is refused on opening");

    Worksheet fresh;
    CountingSink reopenWarnings;
    fresh.setWarningSink(&reopenWarnings);
    recipefile::apply(fresh, again->first());
    if (reopenWarnings.count != 0)
        broken("a saved record opens with warnings");
    if (recipefile::recordOf(fresh) != expected)
        broken("a saved record does not reopen to the same 51 texts");
    return 0;
}
