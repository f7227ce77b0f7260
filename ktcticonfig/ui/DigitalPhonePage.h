// "Digital Phone Options": a recording board's PBX and phone types, raw recording, clock line and the
// D-channel event filter, and the programming of a board module's type.
#pragma once

#include "ktcticonfig/ui/BoardKeyPage.h"

class QComboBox;
class QLineEdit;
class QPushButton;

namespace ktcticonfig {

class DigitalPhonePage : public BoardKeyPage
{
    Q_OBJECT

public:
    explicit DigitalPhonePage(PageHost &host, QWidget *parent = nullptr);

    QLineEdit *moduleField() const { return m_module; }
    QComboBox *newTypeList() const { return m_newType; }
    /// "SetModuleType": asks the board driver to program the module with the new type. The driver
    /// reports whether the board has a programmable module; the software board has none.
    void setModuleType();

private:
    QLineEdit *m_module = nullptr;
    QComboBox *m_newType = nullptr;
};

} // namespace ktcticonfig
