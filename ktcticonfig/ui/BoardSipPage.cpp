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
    const auto add = [this](QFormLayout *g, const QString &label, std::string_view key, Flavour flavour,
                            const QString &tip = {}) {
        m_fields.push_back({key, m_form.boardText(g, label, key, tip), g, flavour});
    };
    QFormLayout *g = m_form.group(tr("Network"), 0);
    add(g, tr("Board IP:"), "BoardIP", Flavour::First, tr("The address of the board's own network port"));
    add(g, tr("Subnet mask:"), "Submask", Flavour::First);
    add(g, tr("Gateway:"), "Gateway", Flavour::First);
    add(g, tr("Local IP:"), "LocalIp", Flavour::Second, tr("The address of this computer that the board uses"));
    add(g, tr("Local Port:"), "LocalPort", Flavour::Both);
    add(g, tr("RTP Range:"), "RTPRange", Flavour::Both, tr("Lower and upper RTP port, separated by ','; 1024-65535"));
    add(g, tr("Local URI:"), "DisplayName", Flavour::Both);
    g = m_form.group(tr("Media"), 0);
    m_form.boardList(g, tr("Send DTMF Type:"), "SendDtmfType", {tr("RFC2833"), tr("Signaling"), tr("Inbound")});
    add(g, tr("Receive DTMF Type:"), "RecvDtmfType", Flavour::Second);
    add(g, tr("Codec list:"), "AudioCodecList", Flavour::Both,
        tr("Enabled codecs by priority (at most three): 6 G.711 A-law, 7 G.711 "
           "mu-Law, 131 G.729"));
    m_codecs = new CodecListEditor(field("AudioCodecList"), host.dialogs());
    g->addRow(m_codecs);
    add(g, tr("Protocol type:"), "ProtocolType", Flavour::Second);
    m_form.column(0)->addStretch();
    // Both flavours register: Apply waits for the registration of every IP board whose Register is set.
    g = m_form.group(tr("Register Server"), 1);
    add(g, tr("Register:"), "Register", Flavour::Both);
    add(g, tr("Domain:"), "Domain", Flavour::Both);
    add(g, tr("Register expire time:"), "RegExpires", Flavour::Both);
    add(g, tr("Register user name:"), "UserName", Flavour::Both);
    add(g, tr("Register user password:"), "RegPassword", Flavour::Both);
    add(g, tr("Realm:"), "RegRealm", Flavour::Both);
    m_h323 = new QPushButton(tr("H323 Setting"));
    m_form.column(1)->addWidget(m_h323);
    connect(m_h323, &QPushButton::clicked, this, [this] {
        H323Dialog dialog(model().settings, this->host().dialogs(), this);
        dialog.exec();
    });
    m_form.column(1)->addStretch();
    m_form.finish();
}

QLineEdit *BoardSipPage::field(std::string_view key) const
{
    for (const Field &f : m_fields)
        if (f.key == key)
            return f.edit;
    return nullptr;
}

bool BoardSipPage::shows(std::string_view key) const
{
    for (const Field &f : m_fields)
        if (f.key == key)
            return f.flavour == Flavour::Both || (f.flavour == Flavour::Second) == m_second;
    return false;
}

void BoardSipPage::loaded()
{
    // A field the layout leaves out keeps its key as the file has it: it was loaded, is never edited
    // and so stores nothing.
    m_second = board().flags.ipSecond;
    for (const Field &f : m_fields)
        f.group->setRowVisible(f.edit, shows(f.key));
    m_h323->setVisible(!m_second);
    m_form.finish();
}

std::pair<std::string, QWidget *> BoardSipPage::check()
{
    const auto text = [this](std::string_view key) { return field(key)->text().toStdString(); };
    // The first flavour's own address takes the place of the host address in the length check.
    const std::string_view address = m_second ? "LocalIp" : "BoardIP";
    const std::pair<std::string, std::string_view> checks[] = {
        {checkLocalPort(text("LocalPort")), "LocalPort"},
        {checkLength(text(address), 200, "Local Port's length is too long"), address},
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
