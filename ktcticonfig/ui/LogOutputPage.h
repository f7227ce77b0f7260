// "Log Output Options": the [DebugView] keys the board driver reads when it starts, and the button
// that opens the live log dialog while a running driver reports itself in the shared block.
#pragma once

#include "ktcticonfig/ui/ConfigPage.h"
#include "ktcticonfig/ui/KeyForm.h"

class QCheckBox;
class QComboBox;
class QLineEdit;
class QPushButton;
class QTimer;

namespace ktcticonfig {

class LogOutputPage : public ConfigPage
{
    Q_OBJECT

public:
    explicit LogOutputPage(PageHost &host, QWidget *parent = nullptr);

    void load(int boardId, int pcmIndex) override;
    bool store() override;

    /// Reads the driver-running flag of the window's live-log block and enables the live log button by
    /// it (the page does so every second).
    void pollDriver();

    QComboBox *apiList() const { return m_api; }
    QComboBox *apiModeList() const { return m_apiMode; }
    QLineEdit *eventRange() const { return m_eventRange; }
    QLineEdit *channelRange() const { return m_channelRange; }
    QComboBox *isdnList() const { return m_isdn; }
    QCheckBox *decodeIsdn() const { return m_decode; }
    QPushButton *liveButton() const { return m_live; }

private:
    void enableFields();

    KeyForm m_form;
    QComboBox *m_api = nullptr;
    QComboBox *m_apiMode = nullptr;
    QLineEdit *m_eventRange = nullptr;
    QLineEdit *m_channelRange = nullptr;
    QComboBox *m_isdn = nullptr;
    QCheckBox *m_decode = nullptr;
    QPushButton *m_live = nullptr;
    QTimer *m_poll = nullptr;
};

} // namespace ktcticonfig
