// The board SIP options page.
#include "ktcticonfig/ui/BoardSipPage.h"

#include "ktcticonfig/model/IpChecks.h"
#include "ktcticonfig/ui/CodecListEditor.h"
#include "ktcticonfig/ui/H323Dialog.h"

#include <QFormLayout>
#include <QLineEdit>
#include <QPushButton>
#include <QVBoxLayout>

namespace ktcticonfig {

BoardSipPage::BoardSipPage(PageHost &host, QWidget *parent) : BoardKeyPage(host, 2, parent)
{
    const auto add = [this](QFormLayout *g, const QString &label, std::string_view key, const QString &tip = {}) {
        m_fields.emplace_back(key, m_form.boardText(g, label, key, tip));
    };
    QFormLayout *g = m_form.group(tr("Network"), 0);
    add(g, tr("Board IP:"), "BoardIP");
    add(g, tr("Local IP:"), "LocalIp");
    add(g, tr("Subnet mask:"), "Submask");
    add(g, tr("Gateway:"), "Gateway");
    add(g, tr("Local Port:"), "LocalPort");
    add(g, tr("RTP Range:"), "RTPRange", tr("Lower and upper RTP port, separated by ','; 1024-65535"));
    add(g, tr("Local URI:"), "DisplayName");
    g = m_form.group(tr("Media"), 0);
    m_form.boardList(g, tr("Send DTMF Type:"), "SendDtmfType", {tr("RFC2833"), tr("Signaling"), tr("Inbound")});
    add(g, tr("Receive DTMF Type:"), "RecvDtmfType");
    add(g, tr("Codec list:"), "AudioCodecList",
        tr("Enabled codecs by priority (at most three): 6 G.711 A-law, 7 G.711 "
           "mu-Law, 131 G.729"));
    m_codecs = new CodecListEditor(field("AudioCodecList"), host.dialogs());
    g->addRow(m_codecs);
    add(g, tr("Protocol type:"), "ProtocolType");
    m_form.column(0)->addStretch();
    g = m_form.group(tr("Register Server"), 1);
    add(g, tr("Register:"), "Register");
    add(g, tr("Domain:"), "Domain");
    add(g, tr("Register expire time:"), "RegExpires");
    add(g, tr("Register user name:"), "UserName");
    add(g, tr("Register user password:"), "RegPassword");
    add(g, tr("Realm:"), "RegRealm");
    m_h323 = new QPushButton(tr("H323 Setting"));
    g->addRow(m_h323);
    connect(m_h323, &QPushButton::clicked, this, [this] {
        H323Dialog dialog(model().settings, this->host().dialogs(), this);
        dialog.exec();
    });
    m_form.column(1)->addStretch();
    m_form.finish();
}

QLineEdit *BoardSipPage::field(std::string_view key) const
{
    for (const auto &[name, edit] : m_fields)
        if (name == key)
            return edit;
    return nullptr;
}

std::pair<std::string, QWidget *> BoardSipPage::check()
{
    const auto text = [this](std::string_view key) { return field(key)->text().toStdString(); };
    const std::pair<std::string, std::string_view> checks[] = {
        {checkLocalPort(text("LocalPort")), "LocalPort"},
        {checkLength(text("LocalIp"), 200, "Local Port's length is too long"), "LocalIp"},
        {checkRtpRange(text("RTPRange")), "RTPRange"},
        {checkLength(text("DisplayName"), 56, "Local URI's length must not exceed 256 characters"), "DisplayName"},
        {checkLength(text("Domain"), 200, "Register Server's length is too long"), "Domain"},
        {checkLength(text("RegExpires"), 200, "Register expire time's length is too long"), "RegExpires"},
        {checkLength(text("UserName"), 200, "Register user name's length is too lomg"), "UserName"},
        {checkLength(text("RegPassword"), 200, "Register user password's length is too long"), "RegPassword"},
        {checkLength(text("RegRealm"), 200, "Realm's length is too long"), "RegRealm"},
    };
    for (const auto &[error, key] : checks)
        if (!error.empty())
            return {error, field(key)};
    return {};
}

} // namespace ktcticonfig
