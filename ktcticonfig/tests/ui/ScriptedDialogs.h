// A dialog service for window tests: it keeps every text shown and answers questions from a script.
#pragma once

#include "ktcticonfig/app/Dialogs.h"

#include <deque>
#include <string>
#include <vector>

namespace ktcticonfig::test {

class ScriptedDialogs : public Dialogs
{
public:
    DialogAnswer show(std::string_view text, DialogButtons buttons = DialogButtons::Ok,
                      DialogAnswer defaultAnswer = DialogAnswer::Ok) override
    {
        shown.emplace_back(text);
        if (buttons == DialogButtons::Ok)
            return DialogAnswer::Ok;
        if (answers.empty())
            return defaultAnswer;
        const DialogAnswer answer = answers.front();
        answers.pop_front();
        return answer;
    }
    void showError(std::string_view caption, std::string_view text) override
    {
        shown.push_back(std::string(caption) + ": " + std::string(text));
    }

    std::vector<std::string> shown;
    std::deque<DialogAnswer> answers; ///< for the Yes/No/Cancel questions, in order
};

} // namespace ktcticonfig::test
