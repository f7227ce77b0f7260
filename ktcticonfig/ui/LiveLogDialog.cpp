// The live log dialog.
#include "ktcticonfig/ui/LiveLogDialog.h"

#include "ktcticonfig/ui/KeyForm.h"

#include <QComboBox>
#include <QDialogButtonBox>
#include <QFormLayout>
#include <QGroupBox>
#include <QLineEdit>
#include <QPushButton>
#include <QVBoxLayout>

namespace ktcticonfig {

QStringList LiveLogDialog::enableEntries(int logType)
{
    const QStringList three{tr("Not output info"), tr("Output to LOG file"), tr("Output to DebugView")};
    switch (logType) {
    case 0:
        return {tr("Not output debugging information"),    tr("Output API info to DebugView"),
                tr("Output API info to the LOG file"),     tr("Output event info to the LOG file"),
                tr("both API and event info to LOG file"), tr("both API and event info to DebugView")};
    case 2:
    case 3:
    case 5:
        return three + QStringList{tr("Output to PCAPLOG")};
    default:
        return three;
    }
}

QStringList LiveLogDialog::createModeEntries()
{
    return {tr("Output All Channel info to one log"), tr("Create log by channel")};
}

LiveLogDialog::LiveLogDialog(SharedLogBlock &block, int channels, Dialogs &dialogs, QWidget *parent)
    : QDialog(parent), m_block(block), m_dialogs(dialogs)
{
    setWindowTitle(tr("Set log switch actively"));
    auto *layout = new QVBoxLayout(this);

    auto *switches = new QGroupBox(tr("Set Log switch actively"));
    auto *form = new QFormLayout(switches);
    m_type = new QComboBox;
    m_type->addItems({tr("API Log"), tr("Ss1 Log"), tr("ISDN log"), tr("Ss7 Spy Log"), tr("Ss1 Spy Log"),
                      tr("ISDN Spy Log"), tr("System Runinfo log"), tr("DST CAS Log")});
    m_enable = new QComboBox;
    m_mode = new QComboBox;
    m_mode->addItems(createModeEntries());
    form->addRow(tr("LogType"), m_type);
    form->addRow(tr("LogEnable"), m_enable);
    form->addRow(tr("LogCreateMode"), m_mode);
    layout->addWidget(switches);

    auto *limits = new QGroupBox(tr("Set log limit parameters"));
    form = new QFormLayout(limits);
    m_period = new QLineEdit;
    m_maxKeep = new QLineEdit;
    m_maxPeriod = new QLineEdit;
    m_path = new QLineEdit;
    m_path->setMaxLength(259);
    form->addRow(tr("Create log period"), m_period);
    form->addRow(tr("Max keep of latest log file"), m_maxKeep);
    form->addRow(tr("Max limit period"), m_maxPeriod);
    form->addRow(tr("Log file path"), m_path);
    layout->addWidget(limits);

    auto *api = new QGroupBox(tr("Set Api log limit parameters"));
    form = new QFormLayout(api);
    const QString labels[4] = {tr("Channel start"), tr("Channel end"), tr("Event start"), tr("Event end")};
    for (int i = 0; i < 4; ++i) {
        m_range[i] = new QComboBox;
        m_range[i]->addItem(QStringLiteral("-1"));
        const int count = i < 2 ? channels : 101;
        for (int n = 0; n < count; ++n)
            m_range[i]->addItem(QString::number(n));
        form->addRow(labels[i], m_range[i]);
    }
    layout->addWidget(api);

    auto *buttons = new QDialogButtonBox;
    QPushButton *ok = buttons->addButton(QDialogButtonBox::Ok);
    QPushButton *close = buttons->addButton(tr("Close"), QDialogButtonBox::RejectRole);
    connect(ok, &QPushButton::clicked, this, &LiveLogDialog::send);
    connect(close, &QPushButton::clicked, this, &LiveLogDialog::reject);
    layout->addWidget(buttons);

    connect(m_type, &QComboBox::currentIndexChanged, this, &LiveLogDialog::typeChosen);
    fill(readLiveLogRequest(block.data()));
}

void LiveLogDialog::typeChosen(int type)
{
    const int enable = m_enable->currentIndex();
    m_enable->clear();
    m_enable->addItems(enableEntries(type));
    m_enable->setCurrentIndex(enable < m_enable->count() ? enable : -1);
}

void LiveLogDialog::fill(const LiveLogRequest &r)
{
    m_type->setCurrentIndex(r.type >= 0 && r.type < m_type->count() ? r.type : 0);
    typeChosen(m_type->currentIndex());
    m_enable->setCurrentIndex(r.enable >= 0 && r.enable < m_enable->count() ? r.enable : -1);
    m_mode->setCurrentIndex(r.mode >= 0 && r.mode < 2 ? r.mode : -1);
    m_period->setText(QString::number(r.period));
    m_maxKeep->setText(QString::number(r.maxKeep));
    m_maxPeriod->setText(QString::number(r.maxPeriod));
    m_path->setText(KeyForm::fromFile(r.path));
    const std::int32_t range[4] = {r.firstChannel, r.lastChannel, r.firstEvent, r.lastEvent};
    for (int i = 0; i < 4; ++i)
        m_range[i]->setCurrentIndex(range[i] + 1 < m_range[i]->count() ? std::max(range[i] + 1, 0) : 0);
}

bool LiveLogDialog::send()
{
    LiveLogRequest r;
    r.type = m_type->currentIndex();
    r.enable = std::max(m_enable->currentIndex(), 0);
    r.mode = std::max(m_mode->currentIndex(), 0);
    r.period = m_period->text().toInt();
    r.maxKeep = m_maxKeep->text().toInt();
    r.maxPeriod = m_maxPeriod->text().toInt();
    r.path = KeyForm::toFile(m_path->text());
    std::int32_t *range[4] = {&r.firstChannel, &r.lastChannel, &r.firstEvent, &r.lastEvent};
    for (int i = 0; i < 4; ++i)
        *range[i] = m_range[i]->currentIndex() - 1;
    const std::string error = prepareLiveLogRequest(r);
    if (!error.empty()) {
        m_dialogs.show(error);
        return false;
    }
    writeLiveLogRequest(m_block.data(), r);
    m_block.post();
    return true;
}

} // namespace ktcticonfig
