// "AGC Setting" for the recording boards with an automatic gain control per direction (up-link and
// down-link).
#pragma once

#include "ktcticonfig/ui/KeyForm.h"

#include <QDialog>

namespace ktcticonfig {

class AgcUpDownDialog : public QDialog
{
    Q_OBJECT

public:
    /// Filled from the board's options; OK copies the fields into them, Cancel leaves them alone.
    explicit AgcUpDownDialog(BoardOptions &options, QWidget *parent = nullptr);

    void accept() override;

private:
    BoardOptions &m_options;
    GlobalSettings m_unused;
    KeyForm m_form;
};

} // namespace ktcticonfig
