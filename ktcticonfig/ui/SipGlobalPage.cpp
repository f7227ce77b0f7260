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

std::string SipGlobalPage::check() const
{
    const auto text = [this](std::string_view key) { return field(key)->text().toStdString(); };
    for (std::string error : {checkRtpRange(text("RTPRange")), checkHeartInterval(text("HeartInterval")),
                              checkLength(text("LogFile"), 260, "Log file's length is too long")})
        if (!error.empty())
            return error;
    return {};
}

} // namespace ktcticonfig
