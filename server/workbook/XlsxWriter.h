// Writing a workbook as an .xlsx file through libxlsxwriter.
#pragma once

#include "server/workbook/Sheet.h"

#include <QString>

#include <deque>

namespace server::workbook {

/// Writes the sheets as an Office Open XML workbook to the file at path: under a new name beside it,
/// then renamed over it once complete (common::replaceFileAtomically), so that a failed save leaves
/// the file as it was. libxlsxwriter runs in its
/// constant-memory mode: rows go out in order and only the current one is held, so the sheets'
/// own cells are all the memory a large export takes. False with error set when libxlsxwriter
/// refuses a cell or cannot write the file.
///
/// libxlsxwriter writes each sheet's XML to a temporary file first and does not check those
/// writes, so a disk that fills up under it would give a damaged package reported as written. Its
/// temporary files therefore go to path's folder, where a full disk also stops the package itself
/// (whose writes it does check), and the folder must have room for the sheets' XML beforehand.
bool writeXlsx(const std::deque<Sheet> &sheets, const QString &path, QString *error);

/// A generous estimate of the bytes of XML the sheets take before compression.
std::uint64_t xlsxSheetBytes(const std::deque<Sheet> &sheets);

/// Whether folder's file system has bytes free for this user; false with error set otherwise (and
/// true for a folder whose file system cannot be asked, which the save then reports).
bool checkFreeSpace(const QString &folder, std::uint64_t bytes, QString *error);

/// A text as the package writes it: a literal "_xHHHH_" in it would read back as one escaped
/// character, so its underscore is written as the escape "_x005F_".
std::string_view escapeXlsxText(std::string_view text, std::string *buffer);

} // namespace server::workbook
