// A fault inside the polling loop, end to end on the software board: a record folder that cannot be
// made is reported in the memo and the log, never in a message box, and the calls go on.
#include "server/data/TDM.h"
#include "server/tests/BoardInstallation.h"

#include <gtest/gtest.h>

#include <QDir>

namespace server {
namespace {

using testing::scalar;

class PollingFaultTest : public testing::BoardInstallation
{
protected:
    void SetUp() override
    {
        BoardInstallation::SetUp();
        replaceFile("Notice.voc", QByteArray(16000, char(0xD5)));
        setup("Voice", "AdNotice", (programDir() + QStringLiteral("/Notice.voc")).toStdString());
        setup("Other", "TranSlic", "8");
        setup("Other", "RecordFlag", "1");
        setup("FaxLocalID", "Ch7ID", "801");
        setup("Other", "WriteLogFlag", "1");
        // The called party asks for an agent; agent 801 answers, talks and hangs up.
        replaceFile("KtSim.ini", "[Device0]\r\nHardwareId=10\r\nSerialNumber=1001\r\nChannelTypes=0,0,0,0,0,0,2,2\r\n"
                                 "[Numbers]\r\n*=ring:1,answer,voice:500,wait:1000,key:8,silence:60000\r\n"
                                 "[Stations]\r\n6=answer:2000,wait:3000,hangup:500\r\n7=noanswer\r\n");
    }

    QVariant task(const char *column)
    {
        return scalar(service().dataModule(),
                      QStringLiteral("SELECT %1 FROM AdNotice WHERE ID=1").arg(QLatin1String(column)));
    }
};

TEST_F(PollingFaultTest, RecordFolderThatCannotBeMadeIsReportedAndTheCallsGoOn)
{
    // A file where the day's record folder should go.
    ASSERT_TRUE(QDir(programDir() + QStringLiteral("/Record")).removeRecursively());
    replaceFile("Record", "not a folder");
    start();
    testing::exec(service().dataModule(),
                  QStringLiteral("INSERT INTO AdNotice (Telphone,Name) VALUES ('13800000000','张三')"));
    runFor(30000);

    EXPECT_TRUE(dialogs.shown.empty()) << dialogs.shown.front().text;
    const std::string folder = programDir().toStdString() + "/Record/20261209";
    const std::string fault = "创建文件夹：" + folder + "失败!";
    const std::string memo = memoText();
    EXPECT_NE(memo.find(fault), std::string::npos) << memo;
    EXPECT_NE(logText().find(fault), std::string::npos);
    // The call was bridged to the agent unrecorded, and its end was recorded: the polling went on.
    EXPECT_NE(memo.find("外线01-座席07"), std::string::npos) << memo;
    EXPECT_EQ(task("Status").toInt(), 5);
    EXPECT_EQ(task("RecordFile").toString(), QString());
}

} // namespace
} // namespace server
