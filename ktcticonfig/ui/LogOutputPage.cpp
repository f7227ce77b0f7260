// The log output options page.
#include "ktcticonfig/ui/LogOutputPage.h"

#include "ktcticonfig/ui/LiveLogDialog.h"

#include <QCheckBox>
#include <QComboBox>
#include <QFormLayout>
#include <QLineEdit>
#include <QPushButton>
#include <QTimer>
#include <QVBoxLayout>

namespace ktcticonfig {

namespace {

constexpr std::string_view DV = "DebugView";

} // namespace

LogOutputPage::LogOutputPage(PageHost &host, QWidget *parent) : ConfigPage(host, parent), m_form(this, 2)
{
    const QStringList modes = LiveLogDialog::createModeEntries();
    const QString modeLabel = tr("Log creation mode:");
    QFormLayout *g = m_form.group(tr("API Log"), 0);
    m_api = m_form.list(g, tr("Output API debugging information"), DV, "ApiLogEnable", LiveLogDialog::enableEntries(0));
    m_apiMode = m_form.list(g, modeLabel, DV, "ApiLogCreateMode", modes);
    const QString rangeTip = tr("\"-1..-1\" means all of them; a range such as 10..20 limits the output to those "
                                "numbers");
    m_eventRange = m_form.text(g, tr("Event Range"), DV, "ApiLogSetEventRange", rangeTip);
    m_channelRange = m_form.text(g, tr("Channel Range"), DV, "ApiLogSetChRange", rangeTip);
    connect(m_api, &QComboBox::currentIndexChanged, this, &LogOutputPage::enableFields);

    g = m_form.group(tr("Signalling Logs"), 0);
    m_form.list(g, tr("Output Ss1 log"), DV, "Ss1LogEnable", LiveLogDialog::enableEntries(1));
    m_form.list(g, modeLabel, DV, "Ss1LogCreateMode", modes);
    m_form.list(g, tr("Output Ss1 spy log"), DV, "SpySs1LogEnable", LiveLogDialog::enableEntries(4));
    m_form.list(g, modeLabel, DV, "SpySs1CreateMode", modes);
    m_isdn = m_form.list(g, tr("Output ISDN Message"), DV, "IsdnLogEnable", LiveLogDialog::enableEntries(2));
    m_decode = m_form.check(g, tr("Decode user side Msg"), DV, "DecodeIsdnMsg");
    connect(m_isdn, &QComboBox::currentIndexChanged, this, &LogOutputPage::enableFields);
    m_form.list(g, tr("Output ISDN spy log"), DV, "SpyIsdnLogEnable", LiveLogDialog::enableEntries(5));
    m_form.list(g, tr("Output Ss7 spy log"), DV, "SpySs7LogEnable", LiveLogDialog::enableEntries(3));
    m_form.column(0)->addStretch();

    g = m_form.group(tr("Other Logs"), 1);
    m_form.list(g, tr("Output System Status log"), DV, "SystemInfoLogEnable", LiveLogDialog::enableEntries(6));
    m_form.list(g, tr("Output DST CAS Log"), DV, "DSTLogEnable", LiveLogDialog::enableEntries(7));
    m_form.list(g, modeLabel, DV, "DSTLogCreateMode", modes);

    g = m_form.group(tr("Log Files"), 1);
    m_form.text(g, tr("Create log period"), DV, "LogCreatePeriod", {}, tr("hours"));
    m_form.text(g, tr("Max keep of latest log file"), DV, "LogMaxKeep");
    m_form.text(g, tr("Max limit period"), DV, "LogMaxPeriod");
    m_form.text(g, tr("Log file path"), DV, "LogFilePath");
    m_form.check(g, tr("Wheather overwrite log file when restart progress"), DV, "LogOverWrite");
    m_form.check(g, tr("Create Dump File When Crash"), "SystemConfig", "CreateDumpWhenCrash");
    m_live = new QPushButton(tr("Set log switch actively"));
    m_live->setEnabled(false);
    g->addRow(m_live);
    m_form.column(1)->addStretch();
    m_form.finish();

    connect(m_live, &QPushButton::clicked, this, [this] {
        SharedLogBlock *block = this->host().logBlock();
        if (!block || !block->data())
            return;
        LiveLogDialog dialog(*block, static_cast<int>(model().channels.size()), this->host().dialogs(), this);
        dialog.exec();
    });
    m_poll = new QTimer(this);
    m_poll->setInterval(1000);
    connect(m_poll, &QTimer::timeout, this, &LogOutputPage::pollDriver);
    m_poll->start();
    pollDriver();
}

void LogOutputPage::pollDriver()
{
    SharedLogBlock *block = host().logBlock();
    m_live->setEnabled(block && block->data() && liveLogDriverRunning(block->data()));
}

void LogOutputPage::enableFields()
{
    const int api = m_api->currentIndex();
    m_apiMode->setEnabled(api >= 2 && api <= 4);
    m_eventRange->setEnabled(api >= 3 && api <= 5);
    m_channelRange->setEnabled(api != 0);
    const int isdn = m_isdn->currentIndex();
    m_decode->setEnabled(isdn == 1 || isdn == 2);
}

void LogOutputPage::load(int, int)
{
    m_form.load(model().settings);
    enableFields();
}

bool LogOutputPage::store()
{
    m_form.store(model().settings);
    return true;
}

} // namespace ktcticonfig
