// LibreOffice as the outside reader of our workbooks: conversions on the command line, and CSV.
#pragma once

#include "server/workbook/tests/TestFiles.h"

#include <QString>
#include <QStringList>
#include <QTemporaryDir>

namespace server::workbook::testing {

/// LibreOffice in headless mode with a private profile, so that parallel runs do not meet.
class LibreOffice
{
public:
    LibreOffice();

    /// The program, empty when LibreOffice is not installed.
    static QString program();

    /// Converts files with one run of LibreOffice into outDir. target is a filter such as "xlsx"
    /// or "csv:Text - txt - csv (StarCalc):…". False with error set when LibreOffice fails or
    /// takes longer than a few minutes.
    bool convert(const QStringList &files, const QString &target, const QString &outDir, QString *error);

    /// Converts files to CSV in UTF-8 with commas and double quotes. sheet 0 writes the first
    /// sheet to NAME.csv; -1 writes every sheet to NAME-SHEETNAME.csv.
    bool convertToCsv(const QStringList &files, const QString &outDir, QString *error, int sheet = 0);

private:
    QTemporaryDir m_profile;
};

/// The cells of a CSV file with commas and double quotes, quoted fields with doubled quotes and
/// line breaks included.
Grid parseCsv(const QByteArray &csv);

} // namespace server::workbook::testing
