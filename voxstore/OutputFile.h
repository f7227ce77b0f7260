// Writing a composed voice file so that a failure never leaves a half-written file behind.
#pragma once

#include <cstddef>
#include <cstdint>

namespace voxstore {

/// Writes data to a new file beside path and renames it to path, replacing an existing file.
/// Results: VOXSTORE_OK, VOXSTORE_ERR_FILE (cannot be created or put in place), VOXSTORE_ERR_WRITE.
/// On failure path is left as it was.
std::int32_t writeFileReplacing(const char *path, const std::uint8_t *data, std::size_t size);

} // namespace voxstore
