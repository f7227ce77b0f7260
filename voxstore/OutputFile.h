// Writing a composed voice file so that a failure never leaves a half-written file behind.
#pragma once

#include <cstddef>
#include <cstdint>

namespace voxstore {

/// Writes data to a new file beside path and renames it to path, replacing an existing regular file;
/// on failure path is left as it was. A symbolic link, device or pipe at path is written through in
/// place instead. Results: VOXSTORE_OK, VOXSTORE_ERR_FILE (cannot be created or put in place),
/// VOXSTORE_ERR_WRITE.
std::int32_t writeFileReplacing(const char *path, const std::uint8_t *data, std::size_t size);

} // namespace voxstore
