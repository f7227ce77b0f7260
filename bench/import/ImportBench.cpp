// Importing a 50,000-row workbook into the embedded database with the blacklist applied (goal: at most
// 1.5 times the time raw SQLite takes to store the same rows with one commit per row after the same
// blacklist lookup), measured beside that raw baseline in the same run.
#include "server/data/SchemaScript.h"
#include "server/data/TDM.h"
#include "server/data/TaskImport.h"
#include "server/workbook/Reader.h"
#include "server/workbook/Workbook.h"

#include <benchmark/benchmark.h>

#include <QCoreApplication>
#include <QSqlQuery>

#include <filesystem>
#include <unistd.h>

namespace {

using namespace server;

constexpr int kRows = 50000;

struct Scratch
{
    std::filesystem::path root =
        std::filesystem::temp_directory_path() / ("vn-bench-import-" + std::to_string(::getpid()));
    Scratch() { std::filesystem::create_directories(root); }
    ~Scratch() { std::filesystem::remove_all(root); }
};

Scratch &scratch()
{
    static Scratch s;
    return s;
}

QString workbookFile()
{
    static const QString path = [] {
        const QString p = QString::fromStdString((scratch().root / "tasks.xlsx").string());
        workbook::Workbook book;
        workbook::Sheet &sheet = book.addSheet();
        for (int row = 1; row <= kRows; ++row) {
            sheet.setText(row, 1, std::to_string(13800000000LL + row));
            sheet.setText(row, 2, "张三丰");
            sheet.setText(row, 3, "某某有限公司");
            sheet.setText(row, 4, "北京市海淀区");
        }
        QString error;
        return book.save(p, &error) ? p : QString();
    }();
    return path;
}

// A fresh database with a blacklist of a thousand numbers.
bool freshDatabase(TDM &dm, const char *name)
{
    Settings settings;
    settings.ProgramDir = (scratch().root / name).string();
    std::filesystem::remove_all(settings.ProgramDir);
    std::filesystem::create_directories(settings.ProgramDir);
    if (!createEmbeddedDatabase(embeddedDatabasePath(settings)) || !dm.ConnectDatabase(settings))
        return false;
    QSqlQuery q(dm.DBConnection());
    q.exec(QStringLiteral("BEGIN"));
    for (int i = 0; i < 1000; ++i)
        q.exec(
            QStringLiteral("INSERT INTO c_blacklist (Telephone) VALUES ('1390000%1')").arg(i, 4, 10, QLatin1Char('0')));
    return q.exec(QStringLiteral("COMMIT"));
}

void BM_ImportWorkbook(benchmark::State &state)
{
    const QString file = workbookFile();
    if (file.isEmpty()) {
        state.SkipWithError("the workbook could not be written");
        return;
    }
    for (auto _ : state) {
        state.PauseTiming();
        TDM dm;
        if (!freshDatabase(dm, "import")) {
            state.SkipWithError("no database");
            return;
        }
        state.ResumeTiming();
        workbook::Reader reader;
        if (!reader.open(file)) {
            state.SkipWithError(reader.error().toStdString().c_str());
            return;
        }
        ImportOptions options;
        options.now = [] { return QStringLiteral("2026-12-10 10:00:00"); };
        const ImportResult r = importWorkbookRows(
            dm, [&reader](int row, int column) { return reader.text(row, column); }, options);
        state.counters["rows"] = r.imported;
    }
}
BENCHMARK(BM_ImportWorkbook)->Unit(benchmark::kSecond)->Iterations(1);

// The same rows straight into SQLite: one prepared lookup and one prepared insert, a commit each.
void BM_RawSqlite(benchmark::State &state)
{
    for (auto _ : state) {
        state.PauseTiming();
        TDM dm;
        if (!freshDatabase(dm, "raw")) {
            state.SkipWithError("no database");
            return;
        }
        state.ResumeTiming();
        QSqlQuery lookup(dm.DBConnection());
        lookup.prepare(QStringLiteral("SELECT id FROM C_BlackList WHERE Telephone=?"));
        QSqlQuery insert(dm.DBConnection());
        insert.prepare(QStringLiteral("INSERT INTO AdNotice(Telphone,Name,CompanyName,HomeAddr,PlanNotice,InsertDate,"
                                      "RandomValue) VALUES(?,?,?,?,?,?,?)"));
        int stored = 0;
        for (int row = 1; row <= kRows; ++row) {
            const QString number = QString::number(13800000000LL + row);
            lookup.addBindValue(number);
            lookup.exec();
            const bool listed = lookup.next();
            lookup.finish();
            if (listed)
                continue;
            for (const QVariant &v :
                 {QVariant(number), QVariant(QStringLiteral("张三丰")), QVariant(QStringLiteral("某某有限公司")),
                  QVariant(QStringLiteral("北京市海淀区")), QVariant(QStringLiteral("2026-12-10 10:00:00")),
                  QVariant(QStringLiteral("2026-12-10 10:00:00")), QVariant(row % 50)})
                insert.addBindValue(v);
            stored += insert.exec() ? 1 : 0;
        }
        state.counters["rows"] = stored;
    }
}
BENCHMARK(BM_RawSqlite)->Unit(benchmark::kSecond)->Iterations(1);

} // namespace

int main(int argc, char **argv)
{
    QCoreApplication app(argc, argv);
    benchmark::Initialize(&argc, argv);
    benchmark::RunSpecifiedBenchmarks();
    benchmark::Shutdown();
    return 0;
}
