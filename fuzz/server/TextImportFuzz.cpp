// Fuzz target: arbitrary bytes as a text file of numbers read and imported into an embedded database
// with one number on the blacklist; every line after the header is stored, left out as blacklisted or
// reported as failed, and the table gains exactly the rows stored.
#include "FuzzScratch.h"
#include "server/data/SchemaScript.h"
#include "server/data/TaskImport.h"

#include <QSqlQuery>

#include <cstdint>
#include <cstdlib>

namespace {

// Imports of more lines only read the file: the database work grows with the lines, not the coverage.
constexpr int kMaxImportedLines = 200;

QVariant scalar(server::TDM &dm, const QString &sql)
{
    QSqlQuery q(dm.DBConnection());
    if (!q.exec(sql))
        std::abort();
    return q.next() ? q.value(0) : QVariant();
}

server::TDM &database()
{
    static server::TDM *dm = [] {
        const auto dir = fuzz::scratchFolder("vn_fuzz_text_import") / "program";
        std::filesystem::create_directories(dir);
        server::Settings settings;
        settings.ProgramDir = dir.string();
        auto *connected = new server::TDM;
        if (!server::createEmbeddedDatabase(server::embeddedDatabasePath(settings)) ||
            !connected->ConnectDatabase(settings))
            std::abort();
        scalar(*connected, QStringLiteral("INSERT INTO C_BlackList(Telephone) VALUES('13900000000')"));
        return connected;
    }();
    return *dm;
}

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t *data, std::size_t size)
{
    const auto file = fuzz::scratchFolder("vn_fuzz_text_import") / "tasks.txt";
    fuzz::writeBytes(file, fuzz::asText(data, size));
    QString error;
    const auto lines = server::readTaskTextFile(QString::fromStdString(file.string()), &error);
    if (!lines)
        std::abort(); // the file is there and readable
    for (const QString &line : *lines)
        if (line.contains(QLatin1Char('\n')))
            std::abort(); // a line is never two
    if (lines->size() > kMaxImportedLines)
        return 0;

    server::TDM &dm = database();
    server::ImportOptions options;
    options.now = [] { return QStringLiteral("2026-12-11 12:00:00"); };
    const server::ImportResult result = server::importTextLines(dm, *lines, options);
    const qsizetype rows = lines->isEmpty() ? 0 : lines->size() - 1;
    if (result.imported + result.blacklisted + static_cast<qsizetype>(result.failures.size()) != rows ||
        scalar(dm, QStringLiteral("SELECT COUNT(*) FROM AdNotice")).toInt() != result.imported)
        std::abort();
    scalar(dm, QStringLiteral("DELETE FROM AdNotice"));
    return 0;
}
