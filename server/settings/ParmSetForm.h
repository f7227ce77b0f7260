// The values of the parameter dialog without its widgets: filled from the settings record, checked,
// written into Setup.ini and applied to the record.
#pragma once

#include "server/settings/Settings.h"

#include <array>
#include <map>
#include <optional>
#include <string>
#include <string_view>

namespace common {
class ProfileFile;
}

namespace server {

/// One row of the channel grid: the texts of its station ID, dial prefix and polarity cells.
struct ParmSetRow
{
    std::string stationId;
    std::string dialPrefix;
    std::string polarity; ///< "有", "无" or what else the cell holds
};

/// What the dialog's controls show, in UTF-8. Values are keyed by control name: the text of a text,
/// number or file field or memo; a spin edit's value in decimal; a drop-down's selected item text (empty
/// when none is selected); "1" or "0" for a check box.
struct ParmSetForm
{
    std::map<std::string, std::string, std::less<>> values;
    std::array<ParmSetRow, kMaxChannels> rows;

    const std::string &value(std::string_view control) const;
    void set(std::string_view control, std::string text) { values.insert_or_assign(std::string(control), std::move(text)); }
};

/// A value the dialog cannot save: the control (and for the grid its row and column) and the message.
struct FormProblem
{
    std::string control;
    int row = -1;    ///< grid row 0..47, or -1
    int column = -1; ///< grid column 1 or 2, or -1
    std::string message;
};

/// The form as the dialog shows the record and the channel tables.
ParmSetForm formFromSettings(const Settings &settings, const ChannelTables &tables);

/// The first value that cannot be saved, in the order of the dialog: a number field (or spin edit)
/// that is not an integer of its key's width, or a text that Setup.ini cannot hold (a line break, a
/// character outside GBK). Nothing when the whole form can be saved.
std::optional<FormProblem> checkForm(const ParmSetForm &form);

/// Writes the form into the file in memory. A key whose value would load as it loads now is left as
/// it stands, so that saving unchanged values leaves the file as it was. The form must pass checkForm.
void writeForm(const ParmSetForm &form, common::ProfileFile &file);

/// Stores the saved values into the record and the tables as a load of the file gives them: the
/// polarity table and the values applied at once always, with enable the values applied when
/// "启用参数" is ticked. The file must hold the form (see writeForm).
void applyForm(const ParmSetForm &form, const common::ProfileFile &file, bool enable, Settings &settings,
               ChannelTables &tables);

} // namespace server
