// The .xls reader on records other writers use: rich and phonetic strings, strings continued over
// records, RK numbers, booleans, errors, formula values, BIFF5 texts in their code page, the mini
// stream and 4096-byte sectors, and damaged files.
#include "server/workbook/Reader.h"
#include "server/workbook/tests/TestFiles.h"

#include <gtest/gtest.h>

#include <cstring>

namespace server::workbook {
namespace {

// Little-endian bytes of records and of a compound file, built by hand.
class Bytes
{
public:
    Bytes &u8(unsigned v)
    {
        m_data.append(static_cast<char>(v));
        return *this;
    }
    Bytes &u16(unsigned v) { return u8(v & 0xFF).u8(v >> 8 & 0xFF); }
    Bytes &u32(std::uint32_t v) { return u16(v & 0xFFFF).u16(v >> 16); }
    Bytes &f64(double v)
    {
        std::uint64_t bits;
        std::memcpy(&bits, &v, sizeof bits);
        return u32(static_cast<std::uint32_t>(bits)).u32(static_cast<std::uint32_t>(bits >> 32));
    }
    Bytes &raw(const QByteArray &b)
    {
        m_data.append(b);
        return *this;
    }
    // UTF-16LE of a text.
    Bytes &utf16(const QString &t)
    {
        for (const QChar c : t)
            u16(c.unicode());
        return *this;
    }
    const QByteArray &data() const { return m_data; }
    qsizetype size() const { return m_data.size(); }

private:
    QByteArray m_data;
};

QByteArray record(unsigned type, const Bytes &body)
{
    return Bytes().u16(type).u16(static_cast<unsigned>(body.size())).raw(body.data()).data();
}

// A cell record's row, column and XF.
Bytes cell(unsigned row, unsigned column, unsigned xf = 15)
{
    Bytes b;
    b.u16(row).u16(column).u16(xf);
    return b;
}

Bytes bof(unsigned version, unsigned kind)
{
    Bytes b;
    b.u16(version).u16(kind).u16(0x0DBB).u16(0x07CC).u32(0).u32(6);
    return b;
}

// A compound file of one stream: in 512-byte (shift 9) or 4096-byte (shift 12) sectors, in the
// mini stream when mini is set (else padded to the 4096 bytes of an ordinary stream). Sectors: the
// stream's (or the mini stream's), the mini allocation table, the directory, the allocation table.
QByteArray compoundFile(QByteArray stream, const QString &name, int shift, bool mini)
{
    if (!mini && stream.size() < 4096)
        stream += QByteArray(4096 - stream.size(), '\0');
    const int size = 1 << shift;
    auto pad = [](QByteArray b, int to) { return b + QByteArray((to - b.size() % to) % to, '\0'); };
    const QByteArray data = pad(stream, mini ? 64 : size);
    const int dataSectors = static_cast<int>(pad(data, size).size() / size);
    const int miniFatAt = dataSectors;
    const int directoryAt = dataSectors + (mini ? 1 : 0);
    const int fatAt = directoryAt + 1;
    Bytes fat;
    for (int s = 0; s < dataSectors; ++s)
        fat.u32(s + 1 < dataSectors ? s + 1 : 0xFFFFFFFE);
    if (mini)
        fat.u32(0xFFFFFFFE);
    fat.u32(0xFFFFFFFE).u32(0xFFFFFFFD);
    Bytes miniFat;
    const int miniSectors = static_cast<int>(data.size() / 64);
    for (int s = 0; s < miniSectors; ++s)
        miniFat.u32(s + 1 < miniSectors ? s + 1 : 0xFFFFFFFE);
    auto entry = [](const QString &n, unsigned type, std::uint32_t child, std::uint32_t start, std::uint32_t length) {
        Bytes e;
        e.utf16(n).raw(QByteArray(64 - 2 * n.size(), '\0')).u16(static_cast<unsigned>(2 * n.size() + 2)).u8(type).u8(1);
        e.u32(0xFFFFFFFF).u32(0xFFFFFFFF).u32(child).raw(QByteArray(36, '\0')).u32(start).u32(length).u32(0);
        return e.data();
    };
    Bytes directory;
    directory.raw(entry(QStringLiteral("Root Entry"), 5, 1, mini ? 0 : 0xFFFFFFFE, mini ? data.size() : 0));
    directory.raw(entry(name, 2, 0xFFFFFFFF, 0, static_cast<std::uint32_t>(stream.size())));
    Bytes header;
    header.raw(QByteArray("\xD0\xCF\x11\xE0\xA1\xB1\x1A\xE1", 8)).raw(QByteArray(16, '\0'));
    header.u16(0x3E).u16(shift == 12 ? 4 : 3).u16(0xFFFE).u16(shift).u16(6).raw(QByteArray(6, '\0'));
    header.u32(0).u32(1).u32(directoryAt).u32(0).u32(4096).u32(mini ? miniFatAt : 0xFFFFFFFE).u32(mini ? 1 : 0);
    header.u32(0xFFFFFFFE).u32(0).u32(fatAt);
    for (int i = 1; i < 109; ++i)
        header.u32(0xFFFFFFFF);
    QByteArray file = pad(header.data(), size) + pad(data, size);
    if (mini)
        file += pad(miniFat.data(), size);
    file += pad(directory.data(), size) + pad(fat.data() + QByteArray(size, '\xFF'), size).left(size);
    return file;
}

// The globals of a BIFF8 workbook with its formats, cell formats and shared strings, and a worksheet
// after a chart sheet.
QByteArray biff8Workbook(const QByteArray &sheetRecords, const QByteArray &extraGlobals = {})
{
    QByteArray globals = record(0x0809, bof(0x0600, 0x0005));
    globals += record(0x0042, Bytes().u16(1200));
    globals += extraGlobals;
    globals += record(0x041E, Bytes().u16(164).u16(12).u8(0).raw("yyyy\\-mm\\-dd"));
    // XF 0 to 15, then 16: format 164, 17: built-in date 14, 18: built-in date and time 22.
    for (unsigned format : {0u, 0u, 0u, 0u, 0u, 0u, 0u, 0u, 0u, 0u, 0u, 0u, 0u, 0u, 0u, 0u, 164u, 14u, 22u})
        globals += record(0x00E0, Bytes().u16(0).u16(format).raw(QByteArray(16, '\0')));
    // Shared strings: plain; rich with two runs; phonetic extension; one continued over a
    // CONTINUE record, one byte per character before and two after.
    Bytes sst;
    sst.u32(5).u32(4);
    sst.u16(5).u8(0).raw("plain");
    sst.u16(4).u8(0x08).u16(2).raw("rich").u32(0x00010000).u32(0x00020001);
    sst.u16(2).u8(0x05).u32(6).utf16(QStringLiteral("拼音")).raw(QByteArray(6, '\x11'));
    sst.u16(5).u8(0).raw("abc");
    QByteArray strings = record(0x00FC, sst) + record(0x003C, Bytes().u8(1).utf16(QStringLiteral("张三")));

    // Positions: the globals, their BOUNDSHEETs and strings, then the chart, then the worksheet.
    auto boundSheet = [](std::uint32_t at, unsigned type, const char *name) {
        return record(0x0085,
                      Bytes().u32(at).u8(0).u8(type).u8(static_cast<unsigned>(std::strlen(name))).u8(0).raw(name));
    };
    const QByteArray chart = record(0x0809, bof(0x0600, 0x0020)) + record(0x000A, Bytes());
    const qsizetype head =
        globals.size() + boundSheet(0, 2, "Chart1").size() + boundSheet(0, 0, "Data").size() + strings.size() + 4;
    globals += boundSheet(static_cast<std::uint32_t>(head), 2, "Chart1");
    globals += boundSheet(static_cast<std::uint32_t>(head + chart.size()), 0, "Data");
    globals += strings + record(0x000A, Bytes());
    return globals + chart + record(0x0809, bof(0x0600, 0x0010)) + sheetRecords + record(0x000A, Bytes());
}

QByteArray otherWritersSheet()
{
    QByteArray s;
    for (unsigned i = 0; i < 4; ++i)
        s += record(0x00FD, cell(0, i).u32(i));
    s += record(0x0204, cell(1, 0).u16(8).u8(1).utf16(QStringLiteral("label 标签")));
    s += record(0x027E, cell(1, 1).u32(42 << 2 | 2));   // RK integer
    s += record(0x027E, cell(1, 2).u32(1234 << 2 | 3)); // RK integer / 100
    s += record(0x027E, cell(1, 3).u32(0x3FE00000));    // RK double 0.5
    s += record(0x00BD, Bytes().u16(2).u16(1).u16(15).u32(7 << 2 | 2).u16(15).u32(8 << 2 | 2).u16(2)); // MULRK
    s += record(0x0203, cell(2, 0).f64(13800000000.0));
    s += record(0x0203, cell(3, 0, 16).f64(45356));
    s += record(0x0203, cell(3, 1, 18).f64(45356.5));
    s += record(0x027E, cell(3, 2, 17).u32(1 << 2 | 2));
    s += record(0x0205, cell(4, 0).u8(1).u8(0));
    s += record(0x0205, cell(4, 1).u8(0x07).u8(1));
    s += record(0x0006, cell(5, 0).f64(25).u16(0).u32(0).u16(0));
    s += record(0x0006, cell(5, 1).u8(0).u8(0).u8(0).u8(0).u8(0).u8(0).u16(0xFFFF).u16(0).u32(0).u16(0));
    s += record(0x0207, Bytes().u16(2).u8(1).utf16(QStringLiteral("公式")));
    s += record(0x0006, cell(5, 2).u8(1).u8(0).u8(0).u8(0).u8(0).u8(0).u16(0xFFFF).u16(0).u32(0).u16(0));
    s += record(0x0006, cell(5, 3).u8(2).u8(0).u8(0x2A).u8(0).u8(0).u8(0).u16(0xFFFF).u16(0).u32(0).u16(0));
    // An embedded chart's substream inside the sheet: its records are no cells of the sheet.
    s += record(0x0809, bof(0x0600, 0x0020)) + record(0x00FD, cell(9, 9).u32(0)) + record(0x000A, Bytes());
    s += record(0x0201, cell(6, 0));
    s += record(0x00BE, Bytes().u16(6).u16(1).u16(15).u16(15).u16(2));
    return s;
}

const testing::Grid kOtherWriters = {
    {"plain", "rich", "拼音", "abc张三"},
    {"label 标签", "42", "12.34", "0.5"},
    {"13800000000", "7", "8"},
    {"2024-03-05", "2024-03-05 12:00:00", "1900-01-01"},
    {"TRUE", "#DIV/0!"},
    {"25", "公式", "FALSE", "#N/A"},
};

void expectGrid(const Reader &reader, const testing::Grid &expected, const char *what)
{
    for (int r = 1; r <= 7; ++r)
        for (int c = 1; c <= 10; ++c)
            EXPECT_EQ(std::string(reader.utf8(r, c)), testing::cellOf(expected, r, c))
                << what << " row " << r << " column " << c;
}

TEST(XlsReaderTest, RecordsOfOtherWriters)
{
    const QByteArray stream = biff8Workbook(otherWritersSheet());
    const struct
    {
        const char *what;
        QByteArray file;
    } files[] = {
        {"512-byte sectors", compoundFile(stream, QStringLiteral("Workbook"), 9, false)},
        {"4096-byte sectors", compoundFile(stream, QStringLiteral("Workbook"), 12, false)},
        {"mini stream", compoundFile(stream, QStringLiteral("WORKBOOK"), 9, true)},
    };
    for (const auto &f : files) {
        Reader reader;
        ASSERT_TRUE(reader.openData(f.file)) << f.what << ": " << reader.error().toStdString();
        expectGrid(reader, kOtherWriters, f.what);
        EXPECT_EQ(reader.rowCount(), 6) << f.what;
        EXPECT_EQ(reader.columnCount(), 4) << f.what;
    }
}

TEST(XlsReaderTest, Biff5TextsInTheirCodePage)
{
    // Excel 95: a "Book" stream, 8-bit texts in the workbook's code page (936, GBK).
    QByteArray globals = record(0x0809, bof(0x0500, 0x0005)) + record(0x0042, Bytes().u16(936));
    globals += record(0x0022, Bytes().u16(1)); // the 1904 date system
    for (int i = 0; i < 16; ++i)
        globals += record(0x00E0, Bytes().u16(0).u16(i == 15 ? 0 : 0).raw(QByteArray(12, '\0')));
    globals += record(0x00E0, Bytes().u16(0).u16(14).raw(QByteArray(12, '\0')));
    const QByteArray sheetName = record(0x0085, Bytes().u32(0).u8(0).u8(0).u8(5).raw("Sheet"));
    const qsizetype at = globals.size() + sheetName.size() + 4;
    globals += record(0x0085, Bytes().u32(static_cast<std::uint32_t>(at)).u8(0).u8(0).u8(5).raw("Sheet"));
    globals += record(0x000A, Bytes());
    QByteArray sheet = record(0x0809, bof(0x0500, 0x0010));
    sheet += record(0x0204, cell(0, 0).u16(4).raw("\xD5\xC5\xC8\xFD"));
    sheet += record(0x0203, cell(0, 1, 16).f64(43894));
    sheet += record(0x000A, Bytes());
    Reader reader;
    ASSERT_TRUE(reader.openData(compoundFile(globals + sheet, QStringLiteral("Book"), 9, true)))
        << reader.error().toStdString();
    expectGrid(reader, {{"张三", "2024-03-05"}}, "BIFF5");
}

TEST(XlsReaderTest, DamagedOrRefusedWorkbooks)
{
    const QByteArray good = biff8Workbook(otherWritersSheet());
    QByteArray cutStrings = good;
    cutStrings.truncate(good.indexOf(QByteArray("\xFC\x00", 2)) + 20);
    QByteArray loop = compoundFile(good, QStringLiteral("Workbook"), 9, false);
    // The first allocation-table entry of the stream points back at itself.
    const qsizetype fat = loop.size() - 512;
    loop[fat] = 0;
    loop[fat + 1] = loop[fat + 2] = loop[fat + 3] = 0;
    QByteArray outside = compoundFile(good, QStringLiteral("Workbook"), 9, false);
    outside[outside.size() - 512 + 4] = '\x70';
    QByteArray longName = compoundFile(good, QStringLiteral("Workbook"), 9, false);
    const qsizetype directory = longName.size() - 1024;
    longName[directory + 128 + 64] = '\x00';
    longName[directory + 128 + 65] = '\x12'; // a name of 4608 bytes
    const struct
    {
        const char *what;
        QByteArray file;
        const char *error;
    } cases[] = {
        {"password",
         compoundFile(biff8Workbook({}, record(0x002F, Bytes().u16(0))), QStringLiteral("Workbook"), 9, false),
         "protected by a password"},
        {"Excel 4",
         compoundFile(record(0x0409, Bytes().u16(0).u16(0x10)) + QByteArray(5000, '\0'), QStringLiteral("Workbook"), 9,
                      false),
         "older than Excel 5"},
        {"strings cut off", compoundFile(cutStrings, QStringLiteral("Workbook"), 9, false),
         "cannot read the .xls workbook"},
        {"chain that loops", loop, "loops"},
        {"sector outside the file", outside, "outside"},
        {"directory name too long", longName, "no Excel workbook stream"},
        {"no worksheet",
         compoundFile(record(0x0809, bof(0x0600, 5)) + record(0x000A, Bytes()), QStringLiteral("Workbook"), 9, false),
         "no worksheet"},
    };
    for (const auto &c : cases) {
        Reader reader;
        EXPECT_FALSE(reader.openData(c.file)) << c.what;
        EXPECT_NE(reader.error().toStdString().find(c.error), std::string::npos)
            << c.what << ": " << reader.error().toStdString();
    }
}

} // namespace
} // namespace server::workbook
