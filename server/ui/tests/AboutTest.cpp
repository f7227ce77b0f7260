// The About window: its lines from the settings, and the main window's command that opens it.
#include "server/engine/tests/UntouchedBoard.h"
#include "server/settings/tests/RecordingDialogs.h"
#include "server/ui/FrmAbout.h"
#include "server/ui/FrmServer.h"
#include "server/ui/tests/WindowPicture.h"

#include <gtest/gtest.h>

#include <QAction>
#include <QApplication>
#include <QLabel>
#include <QPushButton>
#include <QTimer>

namespace server {
namespace {

Settings aboutSettings()
{
    Settings s;
    s.Title = "自动语音通知系统";
    s.Version = "2.0";
    s.Company = "语音通知服务中心";
    s.Address = "北京市海淀区";
    s.Telphone = "010-12345678";
    s.Faxphone = "010-12345679";
    s.NetAdd = "http://www.voice-notice.example";
    s.Email = "service@voice-notice.example";
    return s;
}

TEST(FrmAbout, EveryLineShowsItsSetting)
{
    const Settings s = aboutSettings();
    TFrmAbout about(s);
    EXPECT_EQ(about.windowTitle(), QStringLiteral("关于..."));
    const std::pair<const char *, std::string> lines[] = {
        {"lbTitle", s.Title},       {"lbVersion", s.Version},   {"lbCompany", s.Company}, {"lbAddress", s.Address},
        {"lbTelphone", s.Telphone}, {"lbFaxphone", s.Faxphone}, {"lbNetAdd", s.NetAdd},   {"lbEmail", s.Email},
    };
    for (const auto &[name, value] : lines) {
        auto *label = about.findChild<QLabel *>(QLatin1String(name));
        ASSERT_TRUE(label) << name;
        EXPECT_EQ(label->text().toStdString(), value) << name;
    }
    // Each value stands beside its caption.
    for (const char *caption : {"版本：", "地址：", "电话：", "传真：", "网站：", "Email："}) {
        bool found = false;
        for (auto *label : about.findChildren<QLabel *>())
            found = found || label->text() == QString::fromUtf8(caption);
        EXPECT_TRUE(found) << caption;
    }
    auto *ok = about.findChild<QPushButton *>(QStringLiteral("btOk"));
    ASSERT_TRUE(ok);
    EXPECT_EQ(ok->text(), QStringLiteral("确定(&O)"));
    about.show();
    QApplication::processEvents();
    testing::saveWindowPicture(about, "FrmAbout");
    ok->click();
    EXPECT_EQ(about.result(), QDialog::Accepted);
}

TEST(FrmAbout, MainWindowCommandOpensItModally)
{
    testing::UntouchedBoard board;
    ManualClock clock{common::DateTime{2026, 12, 10, 10, 0, 0, 0}};
    testing::RecordingDialogs dialogs;
    TFrmServer window(QStringLiteral("/nonexistent"), board, clock, dialogs);
    for (const char *name : {"MenuAbout", "ToolButton8"}) {
        QAction *command = window.findChild<QAction *>(QLatin1String(name));
        ASSERT_TRUE(command) << name;
        EXPECT_TRUE(command->isEnabled()) << name;
        // The window is modal: look at it from inside its own event loop, then close it.
        bool seen = false;
        QTimer::singleShot(0, [&] {
            auto *about = qobject_cast<TFrmAbout *>(QApplication::activeModalWidget());
            seen = about != nullptr;
            if (about) {
                EXPECT_EQ(about->pos(), QPoint(131, 102));
                EXPECT_EQ(about->parentWidget(), &window);
                about->accept();
            }
        });
        command->trigger();
        EXPECT_TRUE(seen) << name;
        EXPECT_FALSE(window.findChild<TFrmAbout *>()) << name; // destroyed when closed
    }
}

} // namespace
} // namespace server
