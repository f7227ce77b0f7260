// "FSK Send Setting": the carrier frequencies, baud rate and amplitude of FSK transmission.
#pragma once

#include "ktcticonfig/model/GlobalSettings.h"
#include "ktcticonfig/ui/KeyForm.h"

#include <QDialog>

namespace ktcticonfig {

class FskDialog : public QDialog
{
    Q_OBJECT

public:
    /// Filled from the settings; OK stores the four numbers into them, Cancel leaves them alone.
    FskDialog(GlobalSettings &settings, QWidget *parent = nullptr);

    void accept() override;

private:
    GlobalSettings &m_settings;
    KeyForm m_form;
};

} // namespace ktcticonfig
