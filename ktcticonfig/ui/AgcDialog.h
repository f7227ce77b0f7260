// "AGC Setting" for the boards with one automatic gain control per channel.
#pragma once

#include "ktcticonfig/ui/KeyForm.h"

#include <QDialog>

namespace ktcticonfig {

class AgcDialog : public QDialog
{
    Q_OBJECT

public:
    /// Filled from the board's options; OK copies the fields into them, Cancel leaves them alone.
    AgcDialog(BoardOptions &options, Dialogs &dialogs, QWidget *parent = nullptr);

    void accept() override;

private:
    BoardOptions &m_options;
    GlobalSettings m_unused;
    KeyForm m_form;
};

} // namespace ktcticonfig
