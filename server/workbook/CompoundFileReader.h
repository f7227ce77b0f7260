// Reading one stream out of a compound file (the OLE2 container of an .xls workbook), with every
// sector, chain and size checked against the file.
#pragma once

#include <QByteArray>
#include <QString>

#include <initializer_list>

namespace server::workbook {

/// Finds the first of names among the streams directly in the root storage of the compound file
/// held in file (names compare without regard to letter case) and copies its bytes to stream.
/// Version 3 (512-byte sectors) and 4 (4096-byte sectors) files, DIFAT sectors and the mini stream
/// are read. False with error set when the file is truncated or damaged (a sector outside the
/// file, a chain that loops, a stream longer than its chain) or holds none of the streams.
bool readCompoundStream(const QByteArray &file, std::initializer_list<const char16_t *> names, QByteArray *stream,
                        QString *error);

} // namespace server::workbook
