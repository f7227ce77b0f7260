// The display of a run without a window (headless, virtual time): its memo lines, such as the faults
// the service reports while it runs, go to standard error; the rest is not shown.
#pragma once

#include "server/engine/Display.h"

namespace server {

class StandardErrorDisplay : public NoDisplay
{
public:
    void addMemoLine(std::string_view text) override;
};

} // namespace server
