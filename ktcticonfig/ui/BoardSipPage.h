// "Board SIP Options": an IP board's addresses, ports, RTP range, codecs and registration, with the
// checks of its fields; the H.323 settings open from it.
#pragma once

#include "ktcticonfig/ui/BoardKeyPage.h"

class QPushButton;

namespace ktcticonfig {

class CodecListEditor;

class BoardSipPage : public BoardKeyPage
{
    Q_OBJECT

public:
    explicit BoardSipPage(PageHost &host, QWidget *parent = nullptr);

    QLineEdit *field(std::string_view key) const;
    QPushButton *h323Button() const { return m_h323; }
    CodecListEditor *codecs() const { return m_codecs; }

protected:
    std::pair<std::string, QWidget *> check() override;

private:
    std::vector<std::pair<std::string_view, QLineEdit *>> m_fields;
    QPushButton *m_h323 = nullptr;
    CodecListEditor *m_codecs = nullptr;
};

} // namespace ktcticonfig
