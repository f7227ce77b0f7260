// "PCM %02d": one PCM link of a board (signalling, clock, link type, call-in time slots, automatic
// calls), with "Apply to All" for every PCM of the board; edits are confirmed before the page is left.
#pragma once

#include "ktcticonfig/ui/ConfigPage.h"

class QCheckBox;
class QComboBox;
class QLineEdit;
class QPushButton;

namespace ktcticonfig {

class PcmPage : public ConfigPage
{
    Q_OBJECT

public:
    explicit PcmPage(PageHost &host, QWidget *parent = nullptr);

    void load(int boardId, int pcmIndex) override;
    bool store() override;
    bool keepsChangedFlag() const override { return true; }

    /// Copies the page's values into every PCM of the board.
    void applyToAll();

    QComboBox *signallingList() const { return m_ssx; }
    QComboBox *clockList() const { return m_clock; }
    QLineEdit *callInFirst() const { return m_callInFirst; }

private:
    void copyInto(PcmLink &pcm) const;

    int m_boardId = -1;
    int m_pcmIndex = -1;
    bool m_loading = false;
    QComboBox *m_ssx = nullptr;
    QComboBox *m_clock = nullptr;
    QComboBox *m_link = nullptr;
    QLineEdit *m_callInFirst = nullptr;
    QLineEdit *m_callInCount = nullptr;
    QLineEdit *m_signalingTs = nullptr;
    QCheckBox *m_autoCall = nullptr;
    QCheckBox *m_ts16 = nullptr;
};

} // namespace ktcticonfig
