// "Global Voice Options": buffers, pre-recording, auto-dial and answer detection, conferencing, play
// lists, flash and analog line details of [SystemConfig], and the FSK transmit dialog.
#pragma once

#include "ktcticonfig/ui/ConfigPage.h"
#include "ktcticonfig/ui/KeyForm.h"

class QCheckBox;
class QComboBox;
class QLineEdit;
class QPushButton;

namespace ktcticonfig {

class GlobalVoicePage : public ConfigPage
{
    Q_OBJECT

public:
    explicit GlobalVoicePage(PageHost &host, QWidget *parent = nullptr);

    void load(int boardId, int pcmIndex) override;
    bool store() override;

    QLineEdit *field(std::string_view key) const;
    QCheckBox *prerecordEnable() const { return m_prerecordEnable; }
    QComboBox *prerecordMode() const { return m_prerecordMode; }
    QComboBox *prerecordCodec() const { return m_prerecordCodec; }
    QPushButton *fskButton() const { return m_fskButton; }

private:
    void enablePrerecording(bool on);

    KeyForm m_form;
    std::vector<std::pair<std::string_view, QLineEdit *>> m_fields;
    QCheckBox *m_prerecordEnable = nullptr;
    QComboBox *m_prerecordMode = nullptr;
    QComboBox *m_prerecordCodec = nullptr;
    QLineEdit *m_prerecordInsert = nullptr;
    QPushButton *m_fskButton = nullptr;
};

} // namespace ktcticonfig
