// "Board SIP Options": an IP board's addresses, ports, RTP range, codecs and registration, with the
// checks of its fields; the H.323 settings open from it. The page has a layout per IP flavour: a
// board of the first flavour has a network port of its own and shows its own address, mask and
// gateway and the H.323 settings; one of the second flavour works on the host's network and shows
// the host address it uses, its receive DTMF type and SIP transport.
#pragma once

#include "ktcticonfig/ui/BoardKeyPage.h"

class QFormLayout;
class QPushButton;

namespace ktcticonfig {

class CodecListEditor;

class BoardSipPage : public BoardKeyPage
{
    Q_OBJECT

public:
    explicit BoardSipPage(PageHost &host, QWidget *parent = nullptr);

    QLineEdit *field(std::string_view key) const;
    /// True when the field of a key is part of the layout of the board loaded last.
    bool shows(std::string_view key) const;
    QPushButton *h323Button() const { return m_h323; }
    CodecListEditor *codecs() const { return m_codecs; }

protected:
    void loaded() override;
    std::pair<std::string, QWidget *> check() override;

private:
    /// Which layouts show a field.
    enum class Flavour
    {
        Both,
        First,
        Second,
    };
    struct Field
    {
        std::string_view key;
        QLineEdit *edit;
        QFormLayout *group;
        Flavour flavour;
    };

    std::vector<Field> m_fields;
    QPushButton *m_h323 = nullptr;
    CodecListEditor *m_codecs = nullptr;
    bool m_second = false;
};

} // namespace ktcticonfig
