// SPDX-License-Identifier: GPL-3.0-or-later
// Feeds arbitrary bytes to the ingredient file reader. Whatever it accepts must be
// written back and read again to the same library, with no line refused.
#include "ingredientfile.h"
#include "ingredientlibrary.h"

#include <cstdio>
#include <cstdlib>

extern "C" int LLVMFuzzerTestOneInput(const uint8_t *data, size_t size)
{
    const QByteArray bytes = QByteArray::fromRawData(reinterpret_cast<const char *>(data), qsizetype(size));
    const auto read = ingredientfile::decode(bytes);
    const auto again = ingredientfile::decode(ingredientfile::encode(read.library));
    if (!again.failure.isEmpty() || !again.problems.isEmpty() || !(again.library == read.library)) {
        std::fprintf(stderr, "broken property: an accepted library does not read back\n");
        std::abort();
    }
    for (const personal::Ingredient &ingredient : read.library.ingredients)
        if (!personal::nameProblem(ingredient.name).isEmpty()) {
            std::fprintf(stderr, "broken property: a refused name was accepted\n");
            std::abort();
        }
    return 0;
}
