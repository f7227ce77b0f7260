// The dialog that edits one ISDN link: its side, PCM, TEI, CRC mode, channel identification, number
// types and speech code.
#pragma once

#include "ktcticonfig/app/Dialogs.h"
#include "ktcticonfig/model/GlobalSettings.h"
#include "ktcticonfig/model/IsdnLink.h"

#include <QDialog>

#include <array>
#include <string>
#include <utility>

class QCheckBox;
class QComboBox;
class QLineEdit;
class QRadioButton;

namespace ktcticonfig {

class IsdnLinkDialog : public QDialog
{
    Q_OBJECT

public:
    /// Shows `link` of the given side; an absent item shows its default. `pcmCount` is the length of
    /// the PCM list that a link number names (0: not checked).
    IsdnLinkDialog(const ListRow &link, bool netSide, std::size_t pcmCount, Dialogs &dialogs,
                   QWidget *parent = nullptr);

    /// The link as the controls hold it. An item whose control still shows what the link held stays as
    /// it was, absent or holding a value the lists do not know.
    ListRow link() const;
    bool netSide() const;

    /// Checks the fields the user changed; a refused field is named in a message and focused, and the
    /// dialog stays open.
    void accept() override;

    QRadioButton *userSideButton() const { return m_user; }
    QRadioButton *netSideButton() const { return m_net; }
    QLineEdit *textField(std::size_t item) const;
    QCheckBox *crcBox() const { return m_crc; }
    QComboBox *codeList(std::size_t item) const;

private:
    /// What a control shows: a list's entry, a check box's state or a field's text.
    struct Shown
    {
        int state = -1;
        QString text;
        bool operator==(const Shown &) const = default;
    };
    Shown shown(std::size_t item) const;
    QComboBox *addCodes(std::size_t item, const QStringList &names);
    std::pair<std::string, QLineEdit *> check() const;

    ListRow m_link;
    std::size_t m_pcmCount;
    Dialogs &m_dialogs;
    QRadioButton *m_user = nullptr;
    QRadioButton *m_net = nullptr;
    QCheckBox *m_crc = nullptr;
    std::array<QWidget *, kLinkItemCount> m_controls{};
    std::array<Shown, kLinkItemCount> m_loaded{};
};

} // namespace ktcticonfig
