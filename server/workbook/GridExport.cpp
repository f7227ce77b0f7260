// The grid exports' workbooks: blocks of rows over sheets, and the titled file.
#include "server/workbook/GridExport.h"

#include <algorithm>
#include <cmath>
#include <cstdlib>

namespace server::workbook {

namespace {

constexpr int kBlockRows = 1000;

bool stopped(const GridExportSettings &settings)
{
    return settings.terminated && *settings.terminated;
}

} // namespace

int excelColumnWidth(int pixelWidth, int fontHeight)
{
    const int height = std::abs(fontHeight);
    return height == 0 ? pixelWidth : static_cast<int>(std::lround(pixelWidth * 2.0 / height));
}

int fillWindowWorkbook(GridRows &rows, const GridExportSettings &settings, Workbook &book,
                       const std::function<void(const QString &)> &progress)
{
    const int n = rows.columnCount();
    int exported = 0;
    if (n <= 0 || !rows.first())
        return 0;
    TextBlock block(n);
    Sheet *sheet = nullptr;
    int sheetRow = 0; // the next row of the current sheet to fill
    bool more = true;
    while (more && !stopped(settings)) {
        if (!sheet || sheetRow > kMaxSheetRows) {
            sheet = &book.addSheet();
            CellStyle bold;
            bold.bold = true;
            for (int s = 1; s <= n; ++s) {
                const GridRows::Column c = rows.column(s - 1);
                sheet->setCell(1, s, c.title.toStdString(), bold);
                sheet->setColumnWidth(s, excelColumnWidth(c.pixelWidth, settings.fontHeight));
                if (c.textField)
                    sheet->setColumnTextFormat(s);
            }
            sheetRow = 2;
        }
        // One block: up to a thousand records, no further than the sheet's last row.
        block.clear();
        const int firstRow = sheetRow;
        while (block.rows() < kBlockRows && sheetRow <= kMaxSheetRows) {
            for (int s = 0; s < n; ++s)
                block.add(rows.value(s));
            ++sheetRow;
            ++exported;
            if (!rows.next()) {
                more = false;
                break;
            }
        }
        sheet->writeBlock(firstRow, block);
        if (progress)
            progress(QStringLiteral("(已导出%1条)").arg(exported));
    }
    return exported;
}

int fillFileWorkbook(GridRows &rows, const GridExportSettings &settings, Workbook &book,
                     const std::function<void(int)> &progress)
{
    const int n = rows.columnCount();
    Sheet &sheet = book.addSheet();
    if (n <= 0)
        return 0;
    sheet.setTitle(1, 1, n, settings.excelTitle.toStdString(), 16);
    CellStyle centred;
    centred.centred = true;
    for (int s = 1; s <= n;) {
        const QString title = rows.column(s - 1).title;
        int last = s;
        while (last < n && rows.column(last).title == title)
            ++last;
        sheet.setCell(3, s, title.toStdString(), centred);
        if (last > s)
            sheet.mergeCells(3, s, last);
        s = last + 1;
    }
    for (int s = 1; s <= n; ++s)
        sheet.setColumnTextFormat(s);
    int written = 0;
    for (bool more = rows.first(); more && !stopped(settings); more = rows.next()) {
        const int row = 4 + written;
        if (row > kMaxSheetRows)
            break; // a sheet holds no more
        for (int s = 0; s < n; ++s)
            sheet.setText(row, s + 1, rows.displayText(s));
        ++written;
        if (progress)
            progress(written);
    }
    return written;
}

} // namespace server::workbook
