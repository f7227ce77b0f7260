// A data grid's rows handed to a workbook: to the operator in blocks of a thousand rows, sheet after
// sheet, or saved as a file under a merged title.
#pragma once

#include "server/workbook/Workbook.h"

#include <QString>

#include <functional>
#include <string>

namespace server::workbook {

/// What an export reads from a grid: its columns and its records, from the first to the last.
class GridRows
{
public:
    struct Column
    {
        QString title;
        int pixelWidth = 64;
        bool textField = false; ///< a text field: its column keeps what is written as text ("@")
    };

    virtual ~GridRows() = default;
    virtual int columnCount() const = 0;
    virtual Column column(int index) const = 0;
    /// Moves to the first record; false when there is none.
    virtual bool first() = 0;
    /// Moves to the next record; false after the last.
    virtual bool next() = 0;
    /// A field of the current record as text: its value, not a display format.
    virtual std::string value(int column) const = 0;
    /// The same as the grid shows it.
    virtual std::string displayText(int column) const { return value(column); }
};

/// The export's settings, as the grid keeps them.
struct GridExportSettings
{
    QString excelTitle;
    /// The grid font's height in pixels: a column's width in characters is its pixel width × 2 / the
    /// height, rounded.
    int fontHeight = 12;
    /// Set by the operator (a Cancel button) to stop an export between records.
    const bool *terminated = nullptr;
};

/// The workbook of ExportToExcelWindow: the records in blocks of at most 1,000 rows; on each new sheet
/// (a sheet holds 65,536 rows) a bold header of the column titles, the widths, and "@" for text
/// columns. After each block, progress gets the text "(已导出N条)" with the rows so far; it may let
/// pending events run. Nothing, not even a header, for a grid without records. Returns the rows.
int fillWindowWorkbook(GridRows &rows, const GridExportSettings &settings, Workbook &book,
                       const std::function<void(const QString &)> &progress = {});

/// The workbook of ExportToExcelFile: row 1 the title merged over the columns, centred, bold, size 16;
/// row 2 empty; row 3 the column titles, centred, equal neighbours merged; from row 4 one row per
/// record of display texts formatted as text. progress gets each record's number. Stops at the
/// records' end or when the settings' terminated flag is set. Returns the rows written.
int fillFileWorkbook(GridRows &rows, const GridExportSettings &settings, Workbook &book,
                     const std::function<void(int)> &progress = {});

/// A column's width in Excel's characters for a width in pixels and a font height in pixels.
int excelColumnWidth(int pixelWidth, int fontHeight);

} // namespace server::workbook
