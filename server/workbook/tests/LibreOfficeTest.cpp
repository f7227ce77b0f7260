// Our workbooks as LibreOffice reads them: the same texts, the looks that were asked for, large files.
#include "server/workbook/tests/LibreOffice.h"
#include "server/workbook/Reader.h"

#include <QDir>
#include <QFileInfo>

#include <gtest/gtest.h>

#include <zip.h>

namespace server::workbook {
namespace {

using testing::Grid;

class LibreOfficeTest : public ::testing::Test
{
protected:
    void SetUp() override
    {
        if (testing::LibreOffice::program().isEmpty())
            GTEST_SKIP() << "LibreOffice is not installed";
    }

    void expectSameCells(const Grid &csv, const Grid &expected, const std::string &what)
    {
        std::size_t rows = std::max(csv.size(), expected.size());
        for (std::size_t r = 1; r <= rows; ++r) {
            const std::size_t columns =
                std::max(r <= csv.size() ? csv[r - 1].size() : 0, r <= expected.size() ? expected[r - 1].size() : 0);
            for (std::size_t c = 1; c <= columns; ++c)
                EXPECT_EQ(testing::cellOf(csv, static_cast<int>(r), static_cast<int>(c)),
                          testing::cellOf(expected, static_cast<int>(r), static_cast<int>(c)))
                    << what << " row " << r << " column " << c;
        }
    }

    testing::LibreOffice m_office;
    testing::TempDir m_dir;
};

QByteArray zipMember(const QString &path, const char *name)
{
    int code = 0;
    zip_t *archive = zip_open(QFile::encodeName(path).constData(), ZIP_RDONLY, &code);
    if (archive == nullptr)
        return {};
    QByteArray bytes;
    zip_stat_t stat;
    if (zip_stat(archive, name, 0, &stat) == 0) {
        zip_file_t *file = zip_fopen(archive, name, 0);
        bytes.resize(static_cast<qsizetype>(stat.size));
        if (file == nullptr || zip_fread(file, bytes.data(), stat.size) != static_cast<zip_int64_t>(stat.size))
            bytes.clear();
        if (file != nullptr)
            zip_fclose(file);
    }
    zip_discard(archive);
    return bytes;
}

TEST_F(LibreOfficeTest, ReadsTheTextsWeWrote)
{
    const Workbook book = testing::sampleWorkbook();
    QString error;
    for (const char *name : {"sample.xls", "sample.xlsx"})
        ASSERT_TRUE(book.save(m_dir.file(QString::fromLatin1(name)), &error)) << error.toStdString();
    const QString out = m_dir.file(QStringLiteral("csv"));
    ASSERT_TRUE(QDir().mkpath(out));
    ASSERT_TRUE(m_office.convertToCsv(
        {m_dir.file(QStringLiteral("sample.xls")), m_dir.file(QStringLiteral("sample.xlsx"))}, out, &error))
        << error.toStdString();
    // LibreOffice writes both to sample.csv; convert the second again on its own.
    const Grid fromXlsx = testing::parseCsv(testing::readFile(out + QStringLiteral("/sample.csv")));
    expectSameCells(fromXlsx, testing::sampleTexts(), "xlsx");
    ASSERT_TRUE(m_office.convertToCsv({m_dir.file(QStringLiteral("sample.xls"))}, out, &error)) << error.toStdString();
    expectSameCells(testing::parseCsv(testing::readFile(out + QStringLiteral("/sample.csv"))), testing::sampleTexts(),
                    "xls");
}

TEST_F(LibreOfficeTest, KeepsTheMergedBoldTitleWidthsAndTextFormat)
{
    const Workbook book = testing::sampleWorkbook();
    QString error;
    ASSERT_TRUE(book.save(m_dir.file(QStringLiteral("ours.xls")), &error)) << error.toStdString();
    ASSERT_TRUE(book.save(m_dir.file(QStringLiteral("ours.xlsx")), &error)) << error.toStdString();
    // LibreOffice's own .xlsx of each, whose XML says what it made of our styles.
    const QString out = m_dir.file(QStringLiteral("again"));
    ASSERT_TRUE(QDir().mkpath(out));
    ASSERT_TRUE(m_office.convert({m_dir.file(QStringLiteral("ours.xls"))}, QStringLiteral("xlsx"), out, &error))
        << error.toStdString();
    ASSERT_TRUE(QFile::rename(out + QStringLiteral("/ours.xlsx"), out + QStringLiteral("/from-xls.xlsx")));
    ASSERT_TRUE(m_office.convert({m_dir.file(QStringLiteral("ours.xlsx"))}, QStringLiteral("xlsx"), out, &error))
        << error.toStdString();
    for (const char *name : {"from-xls.xlsx", "ours.xlsx"}) {
        const QString path = out + QLatin1Char('/') + QString::fromLatin1(name);
        const QByteArray sheet = zipMember(path, "xl/worksheets/sheet1.xml");
        const QByteArray styles = zipMember(path, "xl/styles.xml");
        const QByteArray workbook = zipMember(path, "xl/workbook.xml");
        ASSERT_FALSE(sheet.isEmpty()) << name;
        EXPECT_TRUE(sheet.contains("<mergeCell ref=\"A1:D1\"/>")) << name;
        EXPECT_TRUE(workbook.contains("name=\"导出\"")) << name;
        EXPECT_TRUE(styles.contains("<b val=\"true\"/>") || styles.contains("<b/>")) << name;
        EXPECT_TRUE(styles.contains("<sz val=\"16\"/>")) << name;
        EXPECT_TRUE(styles.contains("horizontal=\"center\"") && styles.contains("vertical=\"center\"")) << name;
        EXPECT_TRUE(styles.contains("numFmtId=\"49\"") || styles.contains("formatCode=\"@\"")) << name;
        // Widths 15, 20, 25 and 30 with Excel's padding; LibreOffice rounds them to its own units.
        for (const int width : {15, 20, 25, 30}) {
            const QByteArray needle = "width=\"" + QByteArray::number(width);
            EXPECT_TRUE(sheet.contains(needle)) << name << " width " << width;
        }
    }
}

// Two sheets of a large export, the first beyond 7 MB so that the .xls file has DIFAT sectors.
TEST_F(LibreOfficeTest, OpensBothSheetsOfALargeExport)
{
    Workbook book;
    const std::string padding(600, 'x');
    for (const int rows : {12000, 1500}) {
        Sheet &sheet = book.addSheet();
        TextBlock block(4);
        for (int r = 1; r <= rows; ++r) {
            const std::string n = std::to_string(r);
            block.addRow({std::to_string(13800000000LL + r), "张" + n, "00" + n, padding + n});
        }
        sheet.writeBlock(1, block);
    }
    QString error;
    for (const char *name : {"large.xls", "large.xlsx"})
        ASSERT_TRUE(book.save(m_dir.file(QString::fromLatin1(name)), &error)) << error.toStdString();
    EXPECT_GT(QFileInfo(m_dir.file(QStringLiteral("large.xls"))).size(), 109 * 128 * 512);

    for (const char *name : {"large.xls", "large.xlsx"}) {
        const QString out = m_dir.file(QString::fromLatin1(name) + QStringLiteral(".csv"));
        ASSERT_TRUE(QDir().mkpath(out));
        ASSERT_TRUE(m_office.convertToCsv({m_dir.file(QString::fromLatin1(name))}, out, &error, -1))
            << error.toStdString();
        const Grid first = testing::parseCsv(testing::readFile(out + QStringLiteral("/large-Sheet1.csv")));
        const Grid second = testing::parseCsv(testing::readFile(out + QStringLiteral("/large-Sheet2.csv")));
        ASSERT_EQ(first.size(), 12000u) << name;
        ASSERT_EQ(second.size(), 1500u) << name;
        for (const auto &[grid, row] : {std::pair{&first, 1}, {&first, 12000}, {&second, 1}, {&second, 1500}}) {
            const std::string n = std::to_string(row);
            EXPECT_EQ(testing::cellOf(*grid, row, 1), std::to_string(13800000000LL + row)) << name;
            EXPECT_EQ(testing::cellOf(*grid, row, 2), "张" + n) << name;
            EXPECT_EQ(testing::cellOf(*grid, row, 3), "00" + n) << name;
            EXPECT_EQ(testing::cellOf(*grid, row, 4), padding + n) << name;
        }
    }
}

} // namespace
} // namespace server::workbook
