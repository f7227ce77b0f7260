// "SS1 Options": the MFC R2 and line signalling keys and the phone number rules.
#pragma once

#include "ktcticonfig/ui/SectionPage.h"

class QComboBox;

namespace ktcticonfig {

class Ss1Page : public SectionPage
{
    Q_OBJECT

public:
    explicit Ss1Page(PageHost &host, QWidget *parent = nullptr);

    QComboBox *protocolType() const { return m_type; }
    QComboBox *idleState() const { return m_idle; }

protected:
    void loaded() override;

private:
    void enableByType();

    QComboBox *m_type = nullptr;
    QComboBox *m_idle = nullptr;
};

} // namespace ktcticonfig
