// Server --import: the import page's rules on the command line.
#include "server/app/ImportCommand.h"

#include "server/app/CommandDatabase.h"
#include "server/data/TDM.h"
#include "server/data/TaskImport.h"
#include "server/workbook/Reader.h"

#include "common/DateTime.h"

#include <cstdio>

namespace server {

namespace {

void fail(const QString &text)
{
    std::fprintf(stderr, "Server --import: %s\n", text.toUtf8().constData());
}

} // namespace

int runImport(const QString &programDir, const QString &file, const QString &planNotice)
{
    const TaskFileKind kind = taskFileKind(file);
    if (kind == TaskFileKind::None) {
        fail(QStringLiteral("%1: the import reads .txt, .xls and .xlsx files").arg(file));
        return 2;
    }
    Settings settings;
    TDM dm;
    QString error;
    if (!openCommandDatabase(programDir, settings, dm, &error)) {
        fail(error);
        return 1;
    }
    ImportOptions options;
    options.planNotice = planNotice;
    options.now = [] {
        return QString::fromStdString(common::formatDateTime("yyyy-mm-dd hh:mm:ss", common::DateTime::now()));
    };

    ImportResult result;
    if (kind == TaskFileKind::Text) {
        const auto lines = readTaskTextFile(file, &error);
        if (!lines) {
            fail(error);
            return 1;
        }
        result = importTextLines(dm, *lines, options);
    } else {
        workbook::Reader reader;
        if (!reader.open(file)) {
            fail(file + QStringLiteral(": ") + reader.error());
            return 1;
        }
        result = importWorkbookRows(
            dm, [&reader](int row, int column) { return reader.text(row, column); }, options);
    }
    for (const ImportFailure &f : result.failures)
        std::printf("row %d: %s\n", f.row, f.reason.toUtf8().constData());
    std::printf("imported %d, skipped by blacklist %d, failed %zu\n", result.imported, result.blacklisted,
                result.failures.size());
    return 0;
}

} // namespace server
