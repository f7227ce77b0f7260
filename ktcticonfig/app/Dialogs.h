// The message boxes of the tool behind one interface, so that tests and the command-line modes can
// answer them; every message of the model and detection reaches the user through it.
#pragma once

#include "ktcticonfig/model/Reporter.h"

#include <string_view>

namespace ktcticonfig {

enum class DialogButtons
{
    Ok,
    YesNoCancel,
};

enum class DialogAnswer
{
    Ok,
    Yes,
    No,
    Cancel,
};

class Dialogs : public Reporter
{
public:
    /// Shows a modal box with the text (English, UTF-8; the window translates it) and returns the
    /// button chosen; defaultAnswer is the one Enter presses.
    virtual DialogAnswer show(std::string_view text, DialogButtons buttons = DialogButtons::Ok,
                              DialogAnswer defaultAnswer = DialogAnswer::Ok) = 0;
    /// A box with a caption of its own ("Error" for a missing driver library).
    virtual void showError(std::string_view caption, std::string_view text) = 0;

    void report(std::string_view message) override { show(message); }
};

} // namespace ktcticonfig
