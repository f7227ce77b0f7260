// Message boxes captioned "KtCtiConfig".
#include "ktcticonfig/ui/MessageBoxDialogs.h"

#include "ktcticonfig/ui/PageTexts.h"

#include <QMessageBox>

namespace ktcticonfig {

DialogAnswer MessageBoxDialogs::show(std::string_view text, DialogButtons buttons, DialogAnswer defaultAnswer)
{
    QMessageBox box(buttons == DialogButtons::Ok ? QMessageBox::Information : QMessageBox::Question,
                    QStringLiteral("KtCtiConfig"), translatedMessage(text), QMessageBox::NoButton, m_parent);
    if (buttons == DialogButtons::Ok) {
        box.setStandardButtons(QMessageBox::Ok);
    } else {
        box.setStandardButtons(QMessageBox::Yes | QMessageBox::No | QMessageBox::Cancel);
        box.setDefaultButton(defaultAnswer == DialogAnswer::No       ? QMessageBox::No
                             : defaultAnswer == DialogAnswer::Cancel ? QMessageBox::Cancel
                                                                     : QMessageBox::Yes);
    }
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

void MessageBoxDialogs::showError(std::string_view caption, std::string_view text)
{
    QMessageBox::critical(m_parent, translatedMessage(caption), translatedMessage(text));
}

} // namespace ktcticonfig
