// Memo lines of a run without a window, written to standard error.
#include "server/app/StandardErrorDisplay.h"

#include <cstdio>

namespace server {

void StandardErrorDisplay::addMemoLine(std::string_view text)
{
    std::fprintf(stderr, "memo: %.*s\n", static_cast<int>(text.size()), text.data());
}

} // namespace server
