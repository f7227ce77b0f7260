// The main window on the software board: Apply and its checks, the changed question, Default, the
// command-line modes, the round trip of KtConfig.ini and pictures in the three languages.
#include "ktcticonfig/tests/ui/WindowFixture.h"

#include "ktcticonfig/app/WindowActions.h"
#include "ktcticonfig/detect/DetectionPass.h"
#include "ktcticonfig/ui/BoardPage.h"
#include "ktcticonfig/ui/SystemPage.h"
#include "ktcticonfig/ui/Translations.h"
#include "server/ui/tests/WindowPicture.h"

#include <QCheckBox>
#include <QLineEdit>
#include <QSignalSpy>
#include <QTreeWidget>

#include <filesystem>

namespace ktcticonfig::test {
namespace {

using MainWindow = WindowFixture;

const std::string kSucceeded = "Current configuration succeeds!";

void setClockMaster(KtCtiConfigDlg &window, int value)
{
    auto *field = window.findChild<QLineEdit *>(QStringLiteral("clockMaster"));
    ASSERT_TRUE(field);
    field->setText(QString::number(value));
}

// The clock master may name every board at once (the board count) but no board beyond.
TEST_F(MainWindow, ClockMasterEqualToTheBoardCountIsAcceptedAndOneMoreRefused)
{
    KtCtiConfigDlg &window = open(detectedModel());
    ASSERT_EQ(window.model().boards.size(), 2u);
    setClockMaster(window, 2);
    ASSERT_TRUE(applyAndWait());
    EXPECT_EQ(m_dialogs.shown.back(), kSucceeded);
    EXPECT_EQ(window.statusState(), StatusState::Done);
    EXPECT_EQ(window.model().settings.system("WhoSupplySysClock"), 2);

    m_dialogs.shown.clear();
    setClockMaster(window, 3);
    click("OK");
    click("Apply");
    EXPECT_FALSE(window.isBusy());
    EXPECT_EQ(m_dialogs.shown, (std::vector<std::string>{kClockMasterText, kClockMasterText}));
    EXPECT_EQ(window.statusText().toStdString(), kConfigErrorText);
    EXPECT_EQ(window.statusState(), StatusState::Error);
}

TEST_F(MainWindow, SecondApplyWhileTheFirstRunsIsRefused)
{
    KtCtiConfigDlg &window = open(detectedModel());
    click("Apply");
    ASSERT_TRUE(window.isBusy());
    EXPECT_EQ(window.statusText().toStdString(), kApplyingText);
    EXPECT_EQ(window.statusState(), StatusState::Busy);
    ASSERT_TRUE(applyAndWait());
    // The second press only said so; the first press's result is the one shown after it.
    ASSERT_EQ(m_dialogs.shown.size(), 2u);
    EXPECT_EQ(m_dialogs.shown[0], kApplyingText);
    EXPECT_EQ(m_dialogs.shown[1], kSucceeded);
    EXPECT_FALSE(window.isBusy());
    for (const char *refused : {"Default", "Detect", "OK"}) {
        click("Apply");
        m_dialogs.shown.clear();
        click(refused);
        EXPECT_EQ(m_dialogs.shown, (std::vector<std::string>{kApplyingText})) << refused;
        ASSERT_TRUE(applyAndWait() || !window.isBusy());
    }
}

// The window may go while its test start runs: the worker ends first (and nothing is left behind).
TEST_F(MainWindow, WindowGoneWhileApplyRunsWaitsForTheWorker)
{
    open(detectedModel());
    click("Apply");
    ASSERT_TRUE(m_window->isBusy());
    m_window.reset();
    QCoreApplication::processEvents();
    EXPECT_TRUE(m_dialogs.shown.empty());
}

// A board the driver cannot find is a warning before the result.
TEST_F(MainWindow, FewerBoardsStartedIsAWarningBeforeTheResult)
{
    ConfigModel model = detectedModel();
    model.boards[1].serialNumber = 9999;
    KtCtiConfigDlg &window = open(std::move(model));
    ASSERT_TRUE(applyAndWait());
    ASSERT_EQ(m_dialogs.shown.size(), 2u);
    EXPECT_EQ(m_dialogs.shown[0].rfind("Warning:only 1 within 2 boards were initialized successfully!", 0), 0u)
        << m_dialogs.shown[0];
    EXPECT_EQ(m_dialogs.shown[1], kSucceeded);
    EXPECT_FALSE(window.isBusy());
}

// A driver that does not start shows its reason; the status line says the configuration has an error.
TEST_F(MainWindow, DriverThatDoesNotStartShowsItsReason)
{
    KtCtiConfigDlg &window = open(detectedModel());
    std::filesystem::remove(m_dir.file("KtIndex.ini"));
    ASSERT_TRUE(applyAndWait());
    ASSERT_EQ(m_dialogs.shown.size(), 1u);
    EXPECT_NE(m_dialogs.shown[0].find("KtIndex.ini"), std::string::npos) << m_dialogs.shown[0];
    EXPECT_EQ(window.statusText().toStdString(), kConfigErrorText);
    EXPECT_EQ(window.statusState(), StatusState::Error);
}

struct ChangedCase
{
    DialogAnswer answer;
    bool pageKept;   // the board page stays selected
    bool modelTakes; // the edit reached the model
};

class ChangedQuestion : public WindowFixture, public ::testing::WithParamInterface<ChangedCase>
{
};

// Leaving an edited board page asks first: Yes stores and stays, No discards, Cancel stays with the edit.
TEST_P(ChangedQuestion, AnswerDecidesPageAndModel)
{
    const ChangedCase c = GetParam();
    KtCtiConfigDlg &window = open(detectedModel());
    ASSERT_TRUE(window.selectPage(PageKind::Board, 0));
    auto *rxDtmf = window.findChild<QCheckBox *>(QStringLiteral("rxDtmf"));
    ASSERT_TRUE(rxDtmf);
    const bool before = rxDtmf->isChecked();
    rxDtmf->setChecked(!before);
    ASSERT_TRUE(window.currentPage()->isChanged());

    m_dialogs.answers = {c.answer};
    ASSERT_TRUE(window.selectPage(PageKind::System));
    ASSERT_EQ(m_dialogs.shown.size(), 1u);
    EXPECT_EQ(m_dialogs.shown[0].rfind("Current options has been changed", 0), 0u);
    EXPECT_EQ(window.currentPage()->keepsChangedFlag(), c.pageKept);
    const std::string stored = window.model().boards[0].options.get("AlwaysEnableRxDtmf", "0");
    EXPECT_EQ(stored == "1", c.modelTakes ? !before : before);

    // Back on the board page: it shows the model's values (or still the edit after Cancel).
    window.selectPage(PageKind::Board, 0);
    EXPECT_EQ(rxDtmf->isChecked(), c.answer == DialogAnswer::No ? before : !before);
}

INSTANTIATE_TEST_SUITE_P(MainWindow, ChangedQuestion,
                         ::testing::Values(ChangedCase{DialogAnswer::Yes, true, true},
                                           ChangedCase{DialogAnswer::No, false, false},
                                           ChangedCase{DialogAnswer::Cancel, true, false}));

// Mode "1": Default at the fifth tick, Apply at the eighth, and the end once the result is shown.
TEST_F(MainWindow, ModeOneDetectsAppliesAndEnds)
{
    KtCtiConfigDlg &window = open(ConfigModel{}, "1");
    for (int tick = 1; tick <= 4; ++tick)
        window.autoActionTick();
    EXPECT_TRUE(window.model().boards.empty());
    window.autoActionTick();
    ASSERT_EQ(window.model().boards.size(), 2u);
    QSignalSpy finished(&window, &KtCtiConfigDlg::applyFinished);
    window.autoActionTick();
    window.autoActionTick();
    EXPECT_FALSE(m_quitCode);
    window.autoActionTick();
    ASSERT_TRUE(finished.wait(20000));
    EXPECT_EQ(m_dialogs.shown.back(), kSucceeded);
    EXPECT_EQ(m_quitCode, 0);
    ConfigModel written;
    RecordingReporter reporter;
    ASSERT_TRUE(readModel(configPath(), written, reporter, nullptr));
    EXPECT_EQ(written.boards.size(), 2u);
}

// Mode "2": Default, then OK's checks and save, and the end.
TEST_F(MainWindow, ModeTwoDetectsSavesAndEnds)
{
    KtCtiConfigDlg &window = open(ConfigModel{}, "2");
    for (int tick = 1; tick <= 8; ++tick)
        window.autoActionTick();
    EXPECT_EQ(m_quitCode, 0);
    EXPECT_EQ(window.model().boards.size(), 2u);
    EXPECT_TRUE(std::filesystem::exists(configPath()));
}

// A mode whose last step is refused says why and ends with 1, instead of waiting for a user.
TEST_F(MainWindow, ModeOneThatCannotApplyEndsWithOne)
{
    ConfigModel model = detectedModel();
    model.settings.setSystem("WhoSupplySysClock", 5);
    m_dir.put("KtSim.ini", "[Simulator]\n"); // Default finds nothing and keeps the boards
    KtCtiConfigDlg &window = open(std::move(model), "1");
    for (int tick = 1; tick <= 8; ++tick)
        window.autoActionTick();
    EXPECT_EQ(m_dialogs.shown.back(), kClockMasterText);
    EXPECT_EQ(m_quitCode, 1);
    EXPECT_FALSE(std::filesystem::exists(configPath()));
}

// Opening a file and applying without a change leaves it byte for byte as it was.
TEST_F(MainWindow, ApplyWithoutChangesKeepsTheFile)
{
    RecordingReporter reporter;
    // A file as the tool writes it once it has read it: WhoApplySysInt and UseISDNMode of a fresh
    // default model are read as other values without a repair of the file.
    ASSERT_TRUE(writeModel(configPath(), detectedModel(), reporter));
    ConfigModel model;
    ASSERT_TRUE(readModel(configPath(), model, reporter, nullptr));
    ASSERT_TRUE(writeModel(configPath(), model, reporter));
    const std::string before = TempDirectory::read(configPath());
    ASSERT_TRUE(readModel(configPath(), model, reporter, nullptr));
    ASSERT_EQ(TempDirectory::read(configPath()), before);
    KtCtiConfigDlg &window = open(std::move(model));
    // Every page of the tree is shown and left once.
    for (QTreeWidgetItemIterator it(window.tree()); *it; ++it)
        window.tree()->setCurrentItem(*it);
    ASSERT_TRUE(applyAndWait());
    EXPECT_EQ(m_dialogs.shown.back(), kSucceeded);
    EXPECT_EQ(TempDirectory::read(configPath()), before);
    click("OK");
    EXPECT_EQ(TempDirectory::read(configPath()), before);
}

// Boards read or listed are never waiting to be identified again: Detect leaves them as they are.
TEST_F(MainWindow, DetectLeavesListedBoardsAlone)
{
    KtCtiConfigDlg &window = open(detectedModel());
    const ConfigModel before = window.model();
    click("Detect");
    EXPECT_EQ(window.model(), before);
    EXPECT_TRUE(m_dialogs.shown.empty());
}

TEST_F(MainWindow, DefaultThatFindsNoBoardKeepsTheBoardList)
{
    KtCtiConfigDlg &window = open(detectedModel());
    m_dir.put("KtSim.ini", "[Simulator]\n");
    click("Default");
    EXPECT_EQ(m_dialogs.shown.back(), "Error: PCI board not found! Please check if the boards has been correctly "
                                      "installed.");
    EXPECT_EQ(window.model().boards.size(), 2u);
    EXPECT_EQ(window.tree()->topLevelItem(0)->childCount(), 2);
}

// The window as a user sees it, in each language, on the system page and on a board page.
TEST_F(MainWindow, PicturesInTheThreeLanguages)
{
    const std::pair<Language, const char *> languages[] = {
        {Language::English, "en"}, {Language::SimplifiedChinese, "zh_CN"}, {Language::TraditionalChinese, "zh_TW"}};
    for (const auto &[language, name] : languages) {
        ASSERT_TRUE(installTranslators(language)) << name;
        WindowSetup s = setup();
        s.language = language;
        KtCtiConfigDlg window(s, detectedModel(), m_dialogs);
        window.showDriverVersion("1.0.0");
        window.show();
        window.tree()->expandAll();
        server::testing::saveWindowPicture(window, (std::string("KtCtiConfig_") + name).c_str());
        window.selectPage(PageKind::Board, 1);
        server::testing::saveWindowPicture(window, (std::string("KtCtiConfig_board_") + name).c_str());
        // The largest page scrolls inside the window instead of stretching it.
        window.selectPage(PageKind::GlobalVoice);
        server::testing::saveWindowPicture(window, (std::string("KtCtiConfig_global_voice_") + name).c_str());
        if (language != Language::English) {
            EXPECT_NE(window.tree()->topLevelItem(0)->text(0), QStringLiteral("Boards Setting")) << name;
        }
    }
    installTranslators(Language::English);
}

} // namespace
} // namespace ktcticonfig::test
