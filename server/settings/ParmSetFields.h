// The controls of the parameter dialog "参数设置", declared once with their pages, labels, keys, kinds and
// when their values reach the running service; filling, checking, saving and building the dialog all
// go through this table.
#pragma once

#include <span>
#include <string_view>

namespace server {

/// How a control holds its key's value and how the value is written.
enum class FieldKind
{
    Text,    ///< a line of text, written as typed
    Trimmed, ///< a line of text, written without blanks and control characters at its ends
    Number,  ///< a line of text holding an integer of the key's width, written in decimal
    Spin,    ///< an integer between min and max
    Choice,  ///< a drop-down list without free text; no selection writes nothing
    Check,   ///< a check box: 1 ticked, 0 not
    Memo,    ///< lines of text, written as one line
    File,    ///< a file name chosen with the open-file dialog, written as shown
    Time,    ///< a time of day "hh:mm" from 00:00 to 24:00, written without blanks at its ends
};

/// When an edited value reaches the settings record of the running service.
enum class ApplyWhen
{
    Always,  ///< as soon as the file is written
    Enabled, ///< when "启用参数" is ticked
    Never,   ///< at the next load of Setup.ini only
};

/// One item of a drop-down list: its text and the value written for it.
struct ChoiceItem
{
    std::string_view text;
    std::string_view value;
};

struct ParmSetField
{
    std::string_view control; ///< object name of the control
    int page;                 ///< index of its page, 0 for the first
    std::string_view label;   ///< the label before the control (the check box's own text)
    std::string_view unit;    ///< the text after the control, or empty
    std::string_view section;
    std::string_view key;
    FieldKind kind;
    ApplyWhen apply;
    std::span<const ChoiceItem> items = {}; ///< Choice: the list
    int fallbackItem = -1;                  ///< Choice: the item shown for a value none matches; -1 none
    int min = 0, max = 0;                   ///< Spin: the range
    bool digitsOnly = false;                ///< Number: only the digits may be typed
    bool enabled = true;                    ///< the control can be edited
    bool secret = false;                    ///< Text: shown as "*"
};

/// The six page captions in page order.
std::span<const std::string_view> parmSetPages();

/// Every control of the dialog that edits one key, page by page in the order they are laid out. The
/// per-channel texts and polarity of the first page's grid are not in it.
std::span<const ParmSetField> parmSetFields();

/// The field of a control; nullptr for a name that is not in the table.
const ParmSetField *findParmSetField(std::string_view control);

/// The label without its closing colon, as a message names the field.
std::string_view fieldName(const ParmSetField &field);

/// Texts of the polarity column of the grid.
inline constexpr std::string_view kPolarityYes = "有";
inline constexpr std::string_view kPolarityNo = "无";

} // namespace server
