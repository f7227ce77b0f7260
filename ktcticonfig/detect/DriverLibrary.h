// Finding and opening libKTDRV.so, the board driver library the tool loads at run time.
#pragma once

#include <string>

namespace ktcticonfig {

/// Opens libKTDRV.so from the program's directory, else from the folders the program's own libraries
/// are found in (its RUNPATH among them), else from the system's library search. nullptr when none
/// opens; error then holds the loader's reason.
void *openDriverLibrary(const std::string &programDirectory, std::string *error = nullptr);

/// The version of an open driver library: the version its file name carries (libKTDRV.so.1.0.0
/// gives "1.0.0"), else the text of its TlxGetDriverVersion, else "".
std::string driverLibraryVersion(void *library);

} // namespace ktcticonfig
