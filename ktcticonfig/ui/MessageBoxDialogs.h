// The tool's message boxes on screen, with the texts in the language of the run.
#pragma once

#include "ktcticonfig/app/Dialogs.h"

class QWidget;

namespace ktcticonfig {

class MessageBoxDialogs : public Dialogs
{
public:
    explicit MessageBoxDialogs(QWidget *parent = nullptr) : m_parent(parent) {}
    void setParent(QWidget *parent) { m_parent = parent; }

    DialogAnswer show(std::string_view text, DialogButtons buttons = DialogButtons::Ok,
                      DialogAnswer defaultAnswer = DialogAnswer::Ok) override;
    void showError(std::string_view caption, std::string_view text) override;

private:
    QWidget *m_parent;
};

} // namespace ktcticonfig
