// A dialog service for tests: records every message box and answers with chosen buttons.
#pragma once

#include "server/settings/Dialogs.h"

#include <deque>
#include <string>
#include <vector>

namespace server::testing {

struct ShownDialog
{
    std::string caption;
    std::string text;
    DialogIcon icon;
    DialogButtons buttons = DialogButtons::Ok;
    DialogAnswer defaultAnswer = DialogAnswer::Ok;
};

class RecordingDialogs : public Dialogs
{
public:
    DialogAnswer show(std::string_view caption, std::string_view text, DialogIcon icon, DialogButtons buttons,
                      DialogAnswer defaultAnswer) override
    {
        shown.push_back({std::string(caption), std::string(text), icon, buttons, defaultAnswer});
        if (answers.empty())
            return answer;
        const DialogAnswer next = answers.front();
        answers.pop_front();
        return next;
    }

    std::vector<ShownDialog> shown;
    /// The answers to the next questions, in turn; then answer.
    std::deque<DialogAnswer> answers;
    DialogAnswer answer = DialogAnswer::Ok;
};

} // namespace server::testing
