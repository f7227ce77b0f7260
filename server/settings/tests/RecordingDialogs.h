// A dialog service for tests: records every message box and answers with a chosen button.
#pragma once

#include "server/settings/Dialogs.h"

#include <string>
#include <vector>

namespace server::testing {

struct ShownDialog
{
    std::string caption;
    std::string text;
    DialogIcon icon;
};

class RecordingDialogs : public Dialogs
{
public:
    DialogAnswer show(std::string_view caption, std::string_view text, DialogIcon icon, DialogButtons,
                      DialogAnswer) override
    {
        shown.push_back({std::string(caption), std::string(text), icon});
        return answer;
    }

    std::vector<ShownDialog> shown;
    DialogAnswer answer = DialogAnswer::Ok;
};

} // namespace server::testing
