// The message boxes the server shows, behind one interface so that headless runs and tests answer them.
#pragma once

#include <string_view>

namespace server {

enum class DialogIcon { Information, Warning, Error, Question };
enum class DialogButtons { Ok, YesNo, OkCancel };
enum class DialogAnswer { Ok, Cancel, Yes, No };

class Dialogs
{
public:
    virtual ~Dialogs() = default;
    /// Shows a modal message box (texts in UTF-8) and returns the button chosen; defaultAnswer is the
    /// button that Enter presses.
    virtual DialogAnswer show(std::string_view caption, std::string_view text, DialogIcon icon,
                              DialogButtons buttons = DialogButtons::Ok,
                              DialogAnswer defaultAnswer = DialogAnswer::Ok) = 0;
};

} // namespace server
