// The ISDN link dialog.
#include "ktcticonfig/ui/IsdnLinkDialog.h"

#include "ktcticonfig/model/GlobalKeys.h"
#include "ktcticonfig/model/KeyText.h"
#include "ktcticonfig/ui/KeyForm.h"

#include <QCheckBox>
#include <QComboBox>
#include <QDialogButtonBox>
#include <QFormLayout>
#include <QHBoxLayout>
#include <QLineEdit>
#include <QRadioButton>
#include <QRegularExpressionValidator>

namespace ktcticonfig {

namespace {

constexpr int kMaxTei = 127;
constexpr int kMaxChannelId = 0xff;

// The defaults of a link's items; both sides have the same.
std::string itemDefault(std::size_t item)
{
    return std::string(indexedLists()[listIndex("ISDN", "TotalUserLinker")].itemDefaults[item]);
}

// The codes a list item chooses from.
std::span<const int> codesOf(std::size_t item)
{
    return item == kLinkCalledNoSet    ? calledNumberTypes()
           : item == kLinkCallingNoSet ? callingNumberTypes()
                                       : speechCodes();
}

// The index of a stored code in its list; the list's length (the entry after the known ones) for a
// value the list does not know.
int entryOf(std::size_t item, const std::string &value)
{
    const std::span<const int> codes = codesOf(item);
    const auto code = linkCode(value);
    for (std::size_t i = 0; i < codes.size(); ++i)
        if (code && *code == codes[i])
            return static_cast<int>(i);
    return static_cast<int>(codes.size());
}

} // namespace

IsdnLinkDialog::IsdnLinkDialog(const ListRow &link, bool netSide, std::size_t pcmCount, Dialogs &dialogs,
                               QWidget *parent)
    : QDialog(parent), m_link(link), m_pcmCount(pcmCount), m_dialogs(dialogs)
{
    m_link.resize(kLinkItemCount);
    setWindowTitle(tr("ISDN Link"));
    auto *form = new QFormLayout(this);
    auto *sides = new QHBoxLayout;
    m_user = new QRadioButton(tr("User side"));
    m_net = new QRadioButton(tr("Net side"));
    (netSide ? m_net : m_user)->setChecked(true);
    sides->addWidget(m_user);
    sides->addWidget(m_net);
    sides->addStretch();
    form->addRow(sides);

    const auto text = [&](std::size_t item, const QString &label, const QString &pattern, const QString &tip = {}) {
        auto *edit = new QLineEdit;
        edit->setValidator(new QRegularExpressionValidator(QRegularExpression(pattern), edit));
        edit->setToolTip(tip);
        form->addRow(label, edit);
        m_controls[item] = edit;
    };
    text(kLinkPcm, tr("Link No.:"), QStringLiteral("[0-9]{0,4}"), tr("The link's PCM: its number in the PCM list"));
    text(kLinkLocalPcm, tr("Local PCM No.:"), QStringLiteral("[0-9]{0,4}"), tr("The PCM on its board"));
    text(kLinkTei, tr("TEI value:"), QStringLiteral("[0-9]{0,3}"), tr("0 - 127"));
    m_crc = new QCheckBox(tr("CRC mode"));
    form->addRow(m_crc);
    m_controls[kLinkCrc] = m_crc;
    text(kLinkChannelId, tr("Channel ID:"), QStringLiteral("(0[xX][0-9a-fA-F]{0,2}|[0-9]{0,3})"),
         tr("Hexadecimal, such as 0x10"));
    form->addRow(tr("CalledNoSet:"),
                 addCodes(kLinkCalledNoSet, {tr("National(0XA1)"), tr("International(0X91)"), tr("NetSpecific(0XB1)"),
                                             tr("Subscriber(0XC1)"), tr("UnKnown(0X01)"), tr("Unknown(0X81)")}));
    form->addRow(tr("CallingNoSet:"),
                 addCodes(kLinkCallingNoSet, {tr("National(0X21)"), tr("International(0X11)"), tr("NetSpecific(0X31)"),
                                              tr("Subscriber(0X41)"), tr("UnKnown(0X01)"), tr("Unknown(0X81)")}));
    form->addRow(tr("SpeechCode"), addCodes(kLinkSpeechCode, {tr("A-law"), tr("u-law")}));

    for (std::size_t item = 0; item < kLinkItemCount; ++item) {
        m_loaded[item] = shown(item);
        QWidget *control = m_controls[item];
        if (auto *edit = qobject_cast<QLineEdit *>(control))
            edit->setText(m_loaded[item].text);
        else if (auto *box = qobject_cast<QCheckBox *>(control))
            box->setChecked(m_loaded[item].state == 1);
        else if (auto *combo = qobject_cast<QComboBox *>(control))
            combo->setCurrentIndex(m_loaded[item].state);
    }

    auto *buttons = new QDialogButtonBox(QDialogButtonBox::Ok | QDialogButtonBox::Cancel);
    connect(buttons, &QDialogButtonBox::accepted, this, &IsdnLinkDialog::accept);
    connect(buttons, &QDialogButtonBox::rejected, this, &IsdnLinkDialog::reject);
    form->addRow(buttons);
}

QComboBox *IsdnLinkDialog::addCodes(std::size_t item, const QStringList &names)
{
    auto *combo = new QComboBox;
    combo->addItems(names);
    const std::string stored = m_link[item].value_or(itemDefault(item));
    // A value outside the list is shown as the file holds it, and kept while it stays chosen.
    if (entryOf(item, stored) == static_cast<int>(codesOf(item).size()))
        combo->addItem(KeyForm::fromFile(stored));
    m_controls[item] = combo;
    return combo;
}

IsdnLinkDialog::Shown IsdnLinkDialog::shown(std::size_t item) const
{
    const std::string value = m_link[item].value_or(itemDefault(item));
    Shown out;
    QWidget *control = m_controls[item];
    if (qobject_cast<QLineEdit *>(control))
        out.text = KeyForm::fromFile(value);
    else if (qobject_cast<QCheckBox *>(control))
        out.state = leadingNumber(value) != 0 ? 1 : 0;
    else
        out.state = entryOf(item, value);
    return out;
}

QLineEdit *IsdnLinkDialog::textField(std::size_t item) const
{
    return qobject_cast<QLineEdit *>(m_controls.at(item));
}

QComboBox *IsdnLinkDialog::codeList(std::size_t item) const
{
    return qobject_cast<QComboBox *>(m_controls.at(item));
}

bool IsdnLinkDialog::netSide() const
{
    return m_net->isChecked();
}

ListRow IsdnLinkDialog::link() const
{
    ListRow out = m_link;
    for (std::size_t item = 0; item < kLinkItemCount; ++item) {
        QWidget *control = m_controls[item];
        Shown now;
        if (auto *edit = qobject_cast<QLineEdit *>(control))
            now.text = edit->text();
        else if (auto *box = qobject_cast<QCheckBox *>(control))
            now.state = box->isChecked() ? 1 : 0;
        else
            now.state = static_cast<QComboBox *>(control)->currentIndex();
        if (now == m_loaded[item])
            continue;
        if (qobject_cast<QLineEdit *>(control)) {
            out[item] = KeyForm::toFile(now.text);
        } else if (qobject_cast<QCheckBox *>(control)) {
            out[item] = now.state ? "1" : "0";
        } else if (now.state >= 0 && now.state < static_cast<int>(codesOf(item).size())) {
            // Speech codes are written in decimal, number types in hexadecimal.
            const int code = codesOf(item)[static_cast<std::size_t>(now.state)];
            out[item] = item == kLinkSpeechCode ? std::to_string(code) : hexLinkCode(code);
        }
    }
    return out;
}

std::pair<std::string, QLineEdit *> IsdnLinkDialog::check() const
{
    const auto changed = [this](std::size_t item) { return textField(item)->text() != m_loaded[item].text; };
    const auto number = [this](std::size_t item) { return linkCode(textField(item)->text().toStdString()); };
    for (std::size_t item : {kLinkPcm, kLinkLocalPcm, kLinkTei})
        if (changed(item) && !number(item))
            return {tr("Link No., Local PCM No. and TEI value must be numbers!").toStdString(), textField(item)};
    if (changed(kLinkPcm) && m_pcmCount > 0 && *number(kLinkPcm) >= static_cast<int>(m_pcmCount))
        return {tr("Link No. must between 0~%1").arg(m_pcmCount - 1).toStdString(), textField(kLinkPcm)};
    if (changed(kLinkTei) && *number(kLinkTei) > kMaxTei)
        return {tr("TEI value must between 0~%1").arg(kMaxTei).toStdString(), textField(kLinkTei)};
    if (changed(kLinkChannelId) && number(kLinkChannelId).value_or(kMaxChannelId + 1) > kMaxChannelId)
        return {tr("Channel ID must be a number from 0x00 to 0xff, such as 0x10").toStdString(),
                textField(kLinkChannelId)};
    return {};
}

void IsdnLinkDialog::accept()
{
    if (const auto [error, field] = check(); !error.empty()) {
        m_dialogs.show(error);
        field->setFocus();
        return;
    }
    QDialog::accept();
}

} // namespace ktcticonfig
