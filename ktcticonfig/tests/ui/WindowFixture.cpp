// The window test fixture on the software board.
#include "ktcticonfig/tests/ui/WindowFixture.h"

#include "ktcticonfig/app/WindowActions.h"
#include "ktcticonfig/detect/DriverProbe.h"

#include <QPushButton>
#include <QSignalSpy>

#include <cstdlib>
#include <fstream>

namespace ktcticonfig::test {

namespace {

constexpr int kApplyWaitMs = 20000;

} // namespace

WindowFixture::WindowFixture()
{
    std::ifstream sim(std::string(VN_TEST_DATA_DIR) + "/KtSim.ini", std::ios::binary);
    std::string text((std::istreambuf_iterator<char>(sim)), std::istreambuf_iterator<char>());
    ::setenv("KTSIM_CONFIG", m_dir.put("KtSim.ini", text).c_str(), 1);
    m_dir.put("KtIndex.ini", "[Index]\n");
}

WindowFixture::~WindowFixture()
{
    m_window.reset();
    ::unsetenv("KTSIM_CONFIG");
}

WindowSetup WindowFixture::setup(const std::string &autoAction)
{
    WindowSetup s;
    s.configPath = configPath();
    s.indexPath = m_dir.file("KtIndex.ini");
    s.programDirectory = m_dir.path();
    s.logDirectory = m_dir.path();
    s.autoAction = autoAction;
    s.openProbe = [](Reporter &reporter) -> std::unique_ptr<DeviceProbe> { return DriverProbe::load("", reporter); };
    s.openDriver = [](std::string &error) -> std::unique_ptr<DriverFunctions> {
        return DriverLibraryFunctions::load("", error);
    };
    s.waitOneSecond = [] {};
    s.quit = [this](int code) { m_quitCode = code; };
    return s;
}

ConfigModel WindowFixture::detectedModel()
{
    ConfigModel model;
    RecordingReporter reporter;
    auto probe = DriverProbe::load("", reporter);
    std::string error;
    EXPECT_TRUE(probe && applyDefault(model, *probe, reporter, m_dir.path(), &error)) << error;
    return model;
}

KtCtiConfigDlg &WindowFixture::open(ConfigModel model, const std::string &autoAction)
{
    m_window = std::make_unique<KtCtiConfigDlg>(setup(autoAction), std::move(model), m_dialogs);
    m_window->show();
    return *m_window;
}

bool WindowFixture::applyAndWait()
{
    QSignalSpy finished(m_window.get(), &KtCtiConfigDlg::applyFinished);
    click("Apply");
    return !finished.isEmpty() || finished.wait(kApplyWaitMs);
}

void WindowFixture::click(const char *name)
{
    auto *button = m_window->findChild<QPushButton *>(QString::fromLatin1(name));
    ASSERT_TRUE(button) << name;
    ASSERT_TRUE(button->isVisible()) << name;
    button->click();
}

} // namespace ktcticonfig::test
