// The .xlsx package: content types, relationships, the workbook, styles and one part per sheet, in a
// zip archive built in memory by libzip and then written to the file in one go. The sheets' parts,
// nearly all of the bytes, are deflated on every core before libzip takes them.
#include "server/workbook/XlsxWriter.h"

#include "common/AtomicFile.h"
#include "server/workbook/ParallelDeflate.h"
#include "server/workbook/XlsxSheetXml.h"
#include "server/workbook/XlsxStyleSheet.h"

#include <QFile>

#include <zip.h>

#include <algorithm>
#include <string>
#include <thread>

namespace server::workbook {

namespace {

constexpr const char *kXmlHead = "<?xml version=\"1.0\" encoding=\"UTF-8\" standalone=\"yes\"?>\n";
constexpr const char *kMainNs = "http://schemas.openxmlformats.org/spreadsheetml/2006/main";
constexpr const char *kRelNs = "http://schemas.openxmlformats.org/officeDocument/2006/relationships";
constexpr const char *kPackageRelNs = "http://schemas.openxmlformats.org/package/2006/relationships";

std::string sheetPart(std::size_t n)
{
    return "worksheets/sheet" + std::to_string(n) + ".xml";
}

std::string contentTypes(std::size_t sheets)
{
    std::string x = kXmlHead;
    x += "<Types xmlns=\"http://schemas.openxmlformats.org/package/2006/content-types\">"
         "<Default Extension=\"rels\" ContentType=\"application/vnd.openxmlformats-package.relationships+xml\"/>"
         "<Default Extension=\"xml\" ContentType=\"application/xml\"/>"
         "<Override PartName=\"/xl/workbook.xml\" "
         "ContentType=\"application/vnd.openxmlformats-officedocument.spreadsheetml.sheet.main+xml\"/>"
         "<Override PartName=\"/xl/styles.xml\" "
         "ContentType=\"application/vnd.openxmlformats-officedocument.spreadsheetml.styles+xml\"/>";
    for (std::size_t n = 1; n <= sheets; ++n)
        x += "<Override PartName=\"/xl/" + sheetPart(n) +
             "\" ContentType=\"application/vnd.openxmlformats-officedocument.spreadsheetml.worksheet+xml\"/>";
    return x + "</Types>";
}

std::string packageRelationships()
{
    return std::string(kXmlHead) + "<Relationships xmlns=\"" + kPackageRelNs +
           "\"><Relationship Id=\"rId1\" Type=\"" + kRelNs +
           "/officeDocument\" Target=\"xl/workbook.xml\"/></Relationships>";
}

std::string workbookPart(const std::deque<Sheet> &sheets)
{
    std::string x = std::string(kXmlHead) + "<workbook xmlns=\"" + kMainNs + "\" xmlns:r=\"" + kRelNs +
                    "\"><bookViews><workbookView activeTab=\"0\"/></bookViews><sheets>";
    std::size_t n = 0;
    for (const Sheet &sheet : sheets) {
        ++n;
        x += "<sheet name=\"";
        appendXlsxText(&x, sheet.name().toStdString());
        x += "\" sheetId=\"" + std::to_string(n) + "\" r:id=\"rId" + std::to_string(n) + "\"/>";
    }
    return x + "</sheets></workbook>";
}

std::string workbookRelationships(std::size_t sheets)
{
    std::string x = std::string(kXmlHead) + "<Relationships xmlns=\"" + kPackageRelNs + "\">";
    for (std::size_t n = 1; n <= sheets; ++n)
        x += "<Relationship Id=\"rId" + std::to_string(n) + "\" Type=\"" + kRelNs + "/worksheet\" Target=\"" +
             sheetPart(n) + "\"/>";
    x += "<Relationship Id=\"rId" + std::to_string(sheets + 1) + "\" Type=\"" + kRelNs +
         "/styles\" Target=\"styles.xml\"/>";
    return x + "</Relationships>";
}

// A sheet's part, deflated ahead on every core, as a libzip source that hands libzip the compressed
// bytes with their sizes and CRC, so that libzip stores them as they are.
struct SheetSource
{
    std::string compressed;
    std::uint32_t crc = 0;
    std::uint64_t size = 0;
    std::size_t at = 0;
    zip_error_t error;
};

zip_int64_t readSheet(void *state, void *data, zip_uint64_t length, zip_source_cmd_t command)
{
    auto *source = static_cast<SheetSource *>(state);
    switch (command) {
    case ZIP_SOURCE_OPEN:
        source->at = 0;
        return 0;
    case ZIP_SOURCE_READ: {
        const std::size_t n = std::min<std::size_t>(length, source->compressed.size() - source->at);
        std::copy_n(source->compressed.data() + source->at, n, static_cast<char *>(data));
        source->at += n;
        return static_cast<zip_int64_t>(n);
    }
    case ZIP_SOURCE_CLOSE:
        return 0;
    case ZIP_SOURCE_STAT: {
        auto *stat = static_cast<zip_stat_t *>(data);
        zip_stat_init(stat);
        stat->size = source->size;
        stat->comp_size = source->compressed.size();
        stat->crc = source->crc;
        stat->comp_method = ZIP_CM_DEFLATE;
        stat->valid |= ZIP_STAT_SIZE | ZIP_STAT_COMP_SIZE | ZIP_STAT_CRC | ZIP_STAT_COMP_METHOD;
        return sizeof(zip_stat_t);
    }
    case ZIP_SOURCE_ERROR:
        return zip_error_to_data(&source->error, data, length);
    case ZIP_SOURCE_FREE:
        return 0;
    case ZIP_SOURCE_SUPPORTS:
        return zip_source_make_command_bitmap(ZIP_SOURCE_OPEN, ZIP_SOURCE_READ, ZIP_SOURCE_CLOSE, ZIP_SOURCE_STAT,
                                              ZIP_SOURCE_ERROR, ZIP_SOURCE_FREE, -1);
    default:
        zip_error_set(&source->error, ZIP_ER_INVAL, 0);
        return -1;
    }
}

// Level 1: an export of a hundred thousand rows is written in a fraction of a second, and the file
// is still about a tenth of its XML.
constexpr int kCompressionLevel = 1;

// The archive being built in memory, and the texts and sheet sources it reads until it is closed.
class Package
{
public:
    Package()
    {
        zip_error_init(&m_error);
        m_buffer = zip_source_buffer_create(nullptr, 0, 0, &m_error);
        if (m_buffer == nullptr)
            return;
        zip_source_keep(m_buffer);
        m_zip = zip_open_from_source(m_buffer, ZIP_TRUNCATE, &m_error);
    }
    ~Package()
    {
        if (m_zip != nullptr)
            zip_discard(m_zip);
        if (m_buffer != nullptr)
            zip_source_free(m_buffer);
        zip_error_fini(&m_error);
    }
    Package(const Package &) = delete;
    Package &operator=(const Package &) = delete;

    bool addText(const char *name, std::string text)
    {
        if (m_zip == nullptr)
            return false;
        const std::string &kept = m_texts.emplace_back(std::move(text));
        zip_source_t *source = zip_source_buffer(m_zip, kept.data(), kept.size(), 0);
        const zip_int64_t index = add(name, source);
        return index >= 0 &&
               zip_set_file_compression(m_zip, static_cast<zip_uint64_t>(index), ZIP_CM_DEFLATE, kCompressionLevel) == 0;
    }

    bool addSheet(const std::string &name, const Sheet &sheet, const XlsxStyleSheet &styles, bool selected)
    {
        if (m_zip == nullptr)
            return false;
        SheetSource &state = m_sheets.emplace_back();
        zip_error_init(&state.error);
        ParallelDeflate deflate(kCompressionLevel, static_cast<int>(std::max(1u, std::thread::hardware_concurrency())));
        XlsxSheetXml xml(sheet, styles, selected);
        std::string piece;
        while (xml.next(&piece))
            deflate.add(piece);
        if (!deflate.finish(&state.compressed, &state.crc, &state.size)) {
            zip_error_set(&m_error, ZIP_ER_INTERNAL, 0);
            return false;
        }
        zip_source_t *source = zip_source_function(m_zip, readSheet, &state);
        return add(name.c_str(), source) >= 0;
    }

    /// Deflates every part into the archive and hands back its bytes.
    bool finish(std::string *bytes)
    {
        if (m_zip == nullptr)
            return false;
        const int closed = zip_close(m_zip);
        if (closed != 0)
            return false;
        m_zip = nullptr;
        zip_stat_t stat;
        if (zip_source_stat(m_buffer, &stat) != 0 || zip_source_open(m_buffer) != 0) {
            zip_error_set(&m_error, ZIP_ER_INTERNAL, 0);
            return false;
        }
        bytes->resize(static_cast<std::size_t>(stat.size));
        const zip_int64_t read = zip_source_read(m_buffer, bytes->data(), stat.size);
        zip_source_close(m_buffer);
        if (read != static_cast<zip_int64_t>(stat.size)) {
            zip_error_set(&m_error, ZIP_ER_READ, 0);
            return false;
        }
        return true;
    }

    QString error()
    {
        if (m_zip != nullptr && zip_error_code_zip(zip_get_error(m_zip)) != ZIP_ER_OK)
            return QString::fromUtf8(zip_error_strerror(zip_get_error(m_zip)));
        return QString::fromUtf8(zip_error_strerror(&m_error));
    }

private:
    // The member's index, or -1.
    zip_int64_t add(const char *name, zip_source_t *source)
    {
        if (source == nullptr)
            return -1;
        const zip_int64_t index = zip_file_add(m_zip, name, source, ZIP_FL_ENC_UTF_8);
        if (index < 0)
            zip_source_free(source);
        return index;
    }

    zip_error_t m_error;
    zip_source_t *m_buffer = nullptr;
    zip_t *m_zip = nullptr;
    std::deque<std::string> m_texts;
    std::deque<SheetSource> m_sheets;
};

} // namespace

bool writeXlsx(const std::deque<Sheet> &sheets, const QString &path, const common::AtomicWriteOptions &options,
               QString *error)
{
    std::string bytes;
    {
        const XlsxStyleSheet styles(sheets);
        Package package;
        bool ok = package.addText("[Content_Types].xml", contentTypes(sheets.size())) &&
                  package.addText("_rels/.rels", packageRelationships()) &&
                  package.addText("xl/workbook.xml", workbookPart(sheets)) &&
                  package.addText("xl/_rels/workbook.xml.rels", workbookRelationships(sheets.size())) &&
                  package.addText("xl/styles.xml", styles.xml());
        std::size_t n = 0;
        for (const Sheet &sheet : sheets) {
            ++n;
            ok = ok && package.addSheet("xl/" + sheetPart(n), sheet, styles, n == 1);
        }
        if (!ok || !package.finish(&bytes)) {
            *error = QStringLiteral("cannot make the workbook %1: %2").arg(path, package.error());
            return false;
        }
    }
    std::string why;
    if (!common::writeFileAtomically(QFile::encodeName(path).toStdString(), bytes, &why, options)) {
        *error = QString::fromStdString(why);
        return false;
    }
    return true;
}

} // namespace server::workbook
