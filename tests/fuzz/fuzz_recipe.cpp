// Feeds arbitrary bytes to the recipe reader. A file the reader accepts must, once
// applied to a worksheet and saved, read back to the same 51 texts.
#include "recipefile.h"
#include "worksheet.h"

#include <cstdio>
#include <cstdlib>

namespace {

[[noreturn]] void broken(const char *what)
{
    std::fprintf(stderr, "broken property: %s\n", what);
    std::abort();
}

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
    for (const QStringList &record : *records)
        recipefile::apply(sheet, record);
    const QStringList saved = recipefile::recordOf(sheet);
    if (saved != records->last())
        broken("the worksheet does not hold the record it was given");
    const auto written = recipefile::encode(saved);
    if (!written)
        broken("a record read from a file cannot be written");
    const auto again = recipefile::decode(*written);
    if (!again || again->size() != 1 || again->first() != saved)
        broken("a written record does not read back");
    if (!recipefile::isValid(again->first()))
        broken("a written record is no longer valid");
    return 0;
}
