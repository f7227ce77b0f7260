// The board page under each board's tree item: the board's model and its board-level options, edited
// on a copy of the board record and written into the model by "Modify".
#pragma once

#include "ktcticonfig/ui/ConfigPage.h"

class QCheckBox;
class QComboBox;
class QFormLayout;
class QLineEdit;
class QPushButton;

namespace ktcticonfig {

class BoardPage : public ConfigPage
{
    Q_OBJECT

public:
    explicit BoardPage(PageHost &host, QWidget *parent = nullptr);

    void load(int boardId, int pcmIndex) override;
    /// Modify: writes the edited copy into the model (nothing to do without edits).
    bool store() override;
    bool keepsChangedFlag() const override { return true; }

    /// The record as edited so far.
    const BoardRecord &copy() const { return m_copy; }

private:
    QComboBox *addList(const char *name, const QStringList &entries);
    QCheckBox *addCheck(const QString &text, const char *name);
    void fill();
    void collect();
    void updateControls();
    void edited();
    void onModelChosen(int index);
    void onClassChanged();
    void onCodecChosen(int entry);

    int m_boardId = -1;
    BoardRecord m_copy;
    bool m_filling = false;

    QFormLayout *m_form;
    QComboBox *m_model;
    QLineEdit *m_serial;
    QLineEdit *m_used;
    QComboBox *m_channelBank;
    QComboBox *m_interface;
    QComboBox *m_protocol;
    QComboBox *m_dtmfReceive;
    QComboBox *m_dspWorkMode;
    QLineEdit *m_faxChannels;
    QComboBox *m_codec;
    QComboBox *m_voiceFormat;
    QCheckBox *m_toneDetector;
    QCheckBox *m_spyMode;
    QCheckBox *m_bargeIn;
    QCheckBox *m_rxDtmf;
    QCheckBox *m_spySync;
    QPushButton *m_modify;
};

} // namespace ktcticonfig
