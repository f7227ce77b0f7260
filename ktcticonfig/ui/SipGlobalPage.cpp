// The SIP global options page.
#include "ktcticonfig/ui/SipGlobalPage.h"

#include "ktcticonfig/model/IpChecks.h"

#include <QFormLayout>
#include <QLineEdit>
#include <QVBoxLayout>

namespace ktcticonfig {

SipGlobalPage::SipGlobalPage(PageHost &host, QWidget *parent) : SectionPage(host, 1, parent)
{
    addKeys(m_form.group(tr("SIP Global Options"), 0), KeyGroup::Sip, "SIP");
    m_form.column(0)->addStretch();
    m_form.finish();
}

std::pair<std::string, QWidget *> SipGlobalPage::check() const
{
    const auto text = [this](std::string_view key) { return field(key)->text().toStdString(); };
    const std::pair<std::string, std::string_view> checks[] = {
        {checkRtpRange(text("RTPRange")), "RTPRange"},
        {checkHeartInterval(text("HeartInterval")), "HeartInterval"},
        {checkLength(text("LogFile"), 260, "Log file's length is too long"), "LogFile"},
    };
    for (const auto &[error, key] : checks)
        if (!error.empty())
            return {error, field(key)};
    return {};
}

} // namespace ktcticonfig
