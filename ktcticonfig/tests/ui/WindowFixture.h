// A window on the software board: a program directory with KtSim.ini and KtIndex.ini, the driver
// library of the build for detection and Apply, and dialogs the test answers.
#pragma once

#include "ktcticonfig/tests/TempDirectory.h"
#include "ktcticonfig/tests/ui/ScriptedDialogs.h"
#include "ktcticonfig/ui/KtCtiConfigDlg.h"

#include <gtest/gtest.h>

#include <memory>
#include <optional>

namespace ktcticonfig::test {

class WindowFixture : public ::testing::Test
{
protected:
    WindowFixture();
    ~WindowFixture() override;

    /// The setup of a window in the fixture's directory; autoAction "1" or "2" for those modes.
    WindowSetup setup(const std::string &autoAction = {});
    /// A model of the simulated boards (an 8- and a 16-channel analog board), as Default finds them.
    ConfigModel detectedModel();
    /// Opens the window on a model.
    KtCtiConfigDlg &open(ConfigModel model, const std::string &autoAction = {});
    /// Presses Apply and waits (a moment) for its worker to end; false when it did not.
    bool applyAndWait();
    /// Clicks a button of the window or of the page shown, found by its object name.
    void click(const char *name);

    std::string configPath() const { return m_dir.file("KtConfig.ini"); }

    TempDirectory m_dir;
    ScriptedDialogs m_dialogs;
    std::unique_ptr<KtCtiConfigDlg> m_window;
    std::optional<int> m_quitCode;
};

} // namespace ktcticonfig::test
