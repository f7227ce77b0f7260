// Notice tasks from outside: the numbers of a text file or the people of a workbook's rows become
// tasks, without the numbers on the blacklist. Each row is its own statement, so that an import cut
// short keeps the rows already stored and the dialler may call the first of them before it ends.
#pragma once

#include "server/data/TDM.h"

#include <QString>

#include <functional>
#include <optional>
#include <vector>

namespace server {

/// A row that could not be stored, numbered as the file numbers it (from 1), and why.
struct ImportFailure
{
    int row;
    QString reason;
};

struct ImportResult
{
    int imported = 0;    ///< rows stored
    int blacklisted = 0; ///< rows left out because their number is on the blacklist
    std::vector<ImportFailure> failures;
    bool cancelled = false;
};

struct ImportOptions
{
    /// The planned notice time of every row; empty: the time the row is stored.
    QString planNotice;
    /// The time now, "yyyy-mm-dd hh:mm:ss".
    std::function<QString()> now;
    /// Called before each row with its number and the result so far; it lets pending events run and
    /// answers false to stop the import there. May be empty.
    std::function<bool(int row, const ImportResult &)> beforeRow;
};

/// The width of AdNotice.Telphone: a longer number is a failed row of either import.
inline constexpr int kMaxImportedNumberLength = 20;

/// At most this many workbook rows are read by one import.
inline constexpr int kMaxWorkbookRows = 50000;

/// The kinds of file an import reads, by the extension as written: ".txt"; ".xls" or ".XLS", ".xlsx"
/// or ".XLSX". Any other spelling (".Xls", ".TXT") is none.
enum class TaskFileKind
{
    None,
    Text,
    Workbook
};
TaskFileKind taskFileKind(const QString &path);

/// The lines of a text file of numbers (UTF-8, or the system's GBK), without their line ends; nothing,
/// with error set, when it cannot be read.
std::optional<QStringList> readTaskTextFile(const QString &path, QString *error);

/// True when the number is on the blacklist; false on a database error.
bool IsBlacklisted(TDM &dm, const QString &number);

/// The text-file import: line 1 is a header; every further line, without surrounding blanks, is a
/// number.
ImportResult importTextLines(TDM &dm, const QStringList &lines, const ImportOptions &options);

/// The workbook import: row r gives the number, name, company and address in its columns 1 to 4
/// (cell(r, c), from 1); the rows end at the first whose columns 1 to 3 are all blank, or after
/// kMaxWorkbookRows. A workbook row gets a random order key from 0 to 49.
ImportResult importWorkbookRows(TDM &dm, const std::function<QString(int row, int column)> &cell,
                                const ImportOptions &options);

/// One task typed into the add dialog (the blacklist is not consulted); throws DatabaseError when the
/// database refuses it.
void addTask(TDM &dm, const QString &number, const QString &planNotice, const QString &now, const QString &name,
             const QString &userId, const QString &birthday);

} // namespace server
