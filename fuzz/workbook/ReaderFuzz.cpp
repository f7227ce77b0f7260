// Fuzz target: arbitrary bytes opened as a workbook (.xls through our compound-file and BIFF reader,
// .xlsx through libzip and its XML parts), then the cells in use read; the reader must answer with
// cells or an error.
#include "server/workbook/Reader.h"

#include <algorithm>
#include <cstdint>
#include <cstdlib>

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t *data, std::size_t size)
{
    server::workbook::Reader reader;
    const QByteArray bytes =
        QByteArray::fromRawData(reinterpret_cast<const char *>(data), static_cast<qsizetype>(size));
    if (!reader.openData(bytes)) {
        if (reader.error().isEmpty())
            std::abort(); // a failed open always says why
        return 0;
    }
    // The cells of the rows and columns in use, up to a corner large enough for any seed.
    std::size_t total = 0;
    for (int r = 0; r <= std::min(reader.rowCount(), 200) + 1; ++r)
        for (int c = 0; c <= std::min(reader.columnCount(), 50) + 1; ++c)
            total += reader.text(r, c).size();
    return total == static_cast<std::size_t>(-1) ? 1 : 0;
}
