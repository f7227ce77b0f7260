// The parameter dialog on a running service: opened from the main window's tool button, its OK with
// and without "启用参数" decides what the next call uses.
#include "server/tests/BoardInstallation.h"

#include "common/DateTime.h"
#include "ktdrv/KtSim.h"

#include <gtest/gtest.h>

#include <QApplication>
#include <QAction>
#include <QCheckBox>
#include <QLineEdit>
#include <QPushButton>
#include <QSpinBox>
#include <QTimer>

namespace server {
namespace {

using testing::exec;
using testing::scalar;

class ParmSetServiceTest : public testing::BoardInstallation
{
protected:
    void SetUp() override
    {
        BoardInstallation::SetUp();
        // A number dialled with the suffix "*" is busy.
        replaceFile("KtSim.ini", "[Device0]\r\nHardwareId=10\r\nSerialNumber=1001\r\nChannelTypes=0,0,0,0,0,0,2,2\r\n"
                                 "LineVoltage=48,48,48,48,48,48,0,0\r\n[Numbers]\r\n300*=busy\r\n");
    }

    /// Opens the dialog with the tool button, edits it, presses OK and closes it.
    void editParameters(bool enable, int interval)
    {
        bool edited = false;
        QTimer::singleShot(0, [&] {
            QWidget *d = QApplication::activeModalWidget();
            if (!d || d->windowTitle() != QStringLiteral("参数设置"))
                return;
            d->findChild<QCheckBox *>(QStringLiteral("CheckBox1"))->setChecked(enable);
            d->findChild<QSpinBox *>(QStringLiteral("SpinEdit3"))->setValue(interval);
            d->findChild<QLineEdit *>(QStringLiteral("Edit22"))->setText(QStringLiteral("*"));
            d->findChild<QPushButton *>(QStringLiteral("btOk"))->click();
            d->close();
            edited = true;
        });
        window->findChild<QAction *>(QStringLiteral("ToolButton5"))->trigger();
        ASSERT_TRUE(edited);
    }

    std::string dialled(int ch)
    {
        char buffer[64] = {};
        TlxSimGetDialled(ch, buffer);
        return buffer;
    }
};

TEST_F(ParmSetServiceTest, TheNextCallUsesWhatOkApplied)
{
    for (const bool enable : {false, true}) {
        startWindow();
        ASSERT_TRUE(service().running());
        dialogs.shown.clear();
        // The file keeps the interval of an OK without "启用参数" for the next start; this one differs.
        editParameters(enable, enable ? 25 : 40);
        ASSERT_EQ(dialogs.shown.size(), 1u);
        EXPECT_EQ(dialogs.shown[0].text, "参数配置成功！");

        exec(service().dataModule(), QStringLiteral("DELETE FROM AdNotice"));
        exec(service().dataModule(), QStringLiteral("INSERT INTO AdNotice (Telphone,Name) VALUES ('300','张三')"));
        runFor(20000);
        // The suffix reaches the running service at once, the interval only with "启用参数".
        EXPECT_EQ(dialled(0), "300*") << enable;
        EXPECT_EQ(scalar(service().dataModule(), QStringLiteral("SELECT Status FROM AdNotice")).toInt(), 3) << enable;
        const QString fact = scalar(service().dataModule(), QStringLiteral("SELECT FactNotice FROM AdNotice")).toString();
        const common::DateTime at = *common::parseDateTime(fact.toStdString());
        EXPECT_EQ(scalar(service().dataModule(), QStringLiteral("SELECT NextNotice FROM AdNotice")).toString().toStdString(),
                  common::formatDateTime("yyyy-mm-dd hh:mm:ss", at.addMinutes(enable ? 25 : 10)))
            << enable;
        stop();
    }
}

} // namespace
} // namespace server
