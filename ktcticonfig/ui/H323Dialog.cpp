// The H.323 settings dialog.
#include "ktcticonfig/ui/H323Dialog.h"

#include "ktcticonfig/model/IpChecks.h"

#include <QDialogButtonBox>
#include <QFormLayout>
#include <QLayout>
#include <QLineEdit>

namespace ktcticonfig {

H323Dialog::H323Dialog(GlobalSettings &settings, Dialogs &dialogs, QWidget *parent)
    : QDialog(parent), m_settings(settings), m_dialogs(dialogs), m_form(this, 1)
{
    setWindowTitle(tr("H323 Setting"));
    QFormLayout *g = m_form.group({}, 0);
    for (const KeyDef &k : globalKeys())
        if (k.group == KeyGroup::H323)
            m_fields.emplace_back(
                k.name, m_form.text(g, QString::fromLatin1(k.name.data(), k.name.size()) + ':', k.section, k.name));
    auto *buttons = new QDialogButtonBox(QDialogButtonBox::Ok | QDialogButtonBox::Cancel, this);
    connect(buttons, &QDialogButtonBox::accepted, this, &H323Dialog::accept);
    connect(buttons, &QDialogButtonBox::rejected, this, &H323Dialog::reject);
    layout()->addWidget(buttons);
    m_form.finish();
    m_form.load(settings);
}

QLineEdit *H323Dialog::field(std::string_view key) const
{
    for (const auto &[name, edit] : m_fields)
        if (name == key)
            return edit;
    return nullptr;
}

void H323Dialog::accept()
{
    const auto text = [this](std::string_view key) { return field(key)->text().toStdString(); };
    const std::pair<std::string, std::string_view> checks[] = {
        {checkH323NetworkType(text("NetworkType")), "NetworkType"},
        {checkLocalPort(text("LocalPort")), "LocalPort"},
        {checkRtpRange(text("RTPRange")), "RTPRange"},
        {checkJitterDelay(text("JitterDelay")), "JitterDelay"},
    };
    for (const auto &[error, key] : checks)
        if (!error.empty()) {
            m_dialogs.show(error);
            field(key)->setFocus();
            return;
        }
    m_form.store(m_settings);
    QDialog::accept();
}

} // namespace ktcticonfig
