// "H323 Setting": the [h323] keys of the H.323 stack, checked on OK.
#pragma once

#include "ktcticonfig/app/Dialogs.h"
#include "ktcticonfig/ui/KeyForm.h"

#include <QDialog>

class QLineEdit;

namespace ktcticonfig {

class H323Dialog : public QDialog
{
    Q_OBJECT

public:
    H323Dialog(GlobalSettings &settings, Dialogs &dialogs, QWidget *parent = nullptr);

    /// OK: stores the fields when every check passes; otherwise tells the user and stays open.
    void accept() override;
    QLineEdit *field(std::string_view key) const;

private:
    GlobalSettings &m_settings;
    Dialogs &m_dialogs;
    KeyForm m_form;
    std::vector<std::pair<std::string_view, QLineEdit *>> m_fields;
};

} // namespace ktcticonfig
