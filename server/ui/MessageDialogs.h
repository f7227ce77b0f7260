// The two dialog services of the program: message boxes on screen, and standard error when headless.
#pragma once

#include "server/settings/Dialogs.h"

class QWidget;

namespace server {

/// Modal message boxes over a parent window.
class MessageBoxDialogs : public Dialogs
{
public:
    explicit MessageBoxDialogs(QWidget *parent = nullptr) : m_parent(parent) {}
    void setParent(QWidget *parent) { m_parent = parent; }
    DialogAnswer show(std::string_view caption, std::string_view text, DialogIcon icon, DialogButtons buttons,
                      DialogAnswer defaultAnswer) override;

private:
    QWidget *m_parent;
};

/// A run without a display: every message is written to standard error as "caption: text" and
/// answered at once, Yes for a question (so that the exit confirmation lets the run end), else Ok.
class HeadlessDialogs : public Dialogs
{
public:
    DialogAnswer show(std::string_view caption, std::string_view text, DialogIcon icon, DialogButtons buttons,
                      DialogAnswer defaultAnswer) override;
};

} // namespace server
