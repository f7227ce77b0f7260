// A workbook being built from sheets, saved as .xls or .xlsx by the file's extension.
#pragma once

#include "server/workbook/Sheet.h"

#include <QString>

#include <deque>
#include <optional>

namespace server::workbook {

/// The file formats a workbook is saved in.
enum class FileFormat
{
    Xls,  ///< Excel 97-2003: BIFF8 in a compound file; 65,536 rows and 256 columns per sheet
    Xlsx, ///< Office Open XML
};

/// The format named by a file's extension (".xls" or ".xlsx", in any letter case), if any.
std::optional<FileFormat> formatOfPath(const QString &path);

/// How a save treats the disk.
struct SaveOptions
{
    /// The file is flushed to disk before it takes its name, so that it outlives a crash of the
    /// machine; false for a file made again at will, like an export, which then saves faster.
    bool durable = true;
};

/// The sheets of a workbook in the order they are shown, and saving them.
class Workbook
{
public:
    /// Adds a sheet after the last one; an empty name becomes "Sheet1", "Sheet2", … by its
    /// position. The reference stays valid as long as the workbook.
    Sheet &addSheet(const QString &name = QString());
    int sheetCount() const { return static_cast<int>(m_sheets.size()); }
    /// Sheet number index, counted from 1 as Excel counts its sheets.
    Sheet &sheet(int index) { return m_sheets[static_cast<std::size_t>(index - 1)]; }
    const Sheet &sheet(int index) const { return m_sheets[static_cast<std::size_t>(index - 1)]; }

    /// Saves under path in the format its extension names. The file is written beside its place
    /// and renamed into it once complete, so that a failed save leaves no part of a file behind
    /// and an earlier file of that name as it was. A workbook without sheets is saved with one
    /// empty sheet. False with error set when the extension is neither .xls nor .xlsx, the folder
    /// cannot be written, a sheet name is not one Excel accepts, a sheet was given a cell outside
    /// its size, or an .xls sheet has more than 65,536 rows or 256 columns.
    bool save(const QString &path, QString *error, const SaveOptions &options = {}) const;
    /// The same in the given format, whatever the extension.
    bool save(const QString &path, FileFormat format, QString *error, const SaveOptions &options = {}) const;

    /// Checks what save would refuse before anything is written.
    bool check(FileFormat format, QString *error) const;

private:
    std::deque<Sheet> m_sheets;
};

} // namespace server::workbook
