// Message boxes on screen and on standard error.
#include "server/ui/MessageDialogs.h"

#include <QMessageBox>

#include <cstdio>
#include <string>

namespace server {

namespace {

QMessageBox::Icon iconOf(DialogIcon icon)
{
    switch (icon) {
    case DialogIcon::Information:
        return QMessageBox::Information;
    case DialogIcon::Warning:
        return QMessageBox::Warning;
    case DialogIcon::Error:
        return QMessageBox::Critical;
    case DialogIcon::Question:
        return QMessageBox::Question;
    }
    return QMessageBox::NoIcon;
}

QMessageBox::StandardButton buttonOf(DialogAnswer a)
{
    switch (a) {
    case DialogAnswer::Ok:
        return QMessageBox::Ok;
    case DialogAnswer::Cancel:
        return QMessageBox::Cancel;
    case DialogAnswer::Yes:
        return QMessageBox::Yes;
    case DialogAnswer::No:
        return QMessageBox::No;
    }
    return QMessageBox::Ok;
}

QString qs(std::string_view text)
{
    return QString::fromUtf8(text.data(), static_cast<qsizetype>(text.size()));
}

} // namespace

DialogAnswer MessageBoxDialogs::show(std::string_view caption, std::string_view text, DialogIcon icon,
                                     DialogButtons buttons, DialogAnswer defaultAnswer)
{
    QMessageBox box(iconOf(icon), qs(caption), qs(text), QMessageBox::NoButton, m_parent);
    switch (buttons) {
    case DialogButtons::Ok:
        box.setStandardButtons(QMessageBox::Ok);
        break;
    case DialogButtons::YesNo:
        box.setStandardButtons(QMessageBox::Yes | QMessageBox::No);
        break;
    case DialogButtons::OkCancel:
        box.setStandardButtons(QMessageBox::Ok | QMessageBox::Cancel);
        break;
    }
    box.setDefaultButton(buttonOf(defaultAnswer));
    switch (box.exec()) {
    case QMessageBox::Yes:
        return DialogAnswer::Yes;
    case QMessageBox::No:
        return DialogAnswer::No;
    case QMessageBox::Cancel:
        return DialogAnswer::Cancel;
    default:
        return DialogAnswer::Ok;
    }
}

DialogAnswer HeadlessDialogs::show(std::string_view caption, std::string_view text, DialogIcon, DialogButtons buttons,
                                   DialogAnswer)
{
    const std::string line = std::string(caption) + ": " + std::string(text) + "\n";
    std::fputs(line.c_str(), stderr);
    std::fflush(stderr);
    return buttons == DialogButtons::YesNo ? DialogAnswer::Yes : DialogAnswer::Ok;
}

} // namespace server
