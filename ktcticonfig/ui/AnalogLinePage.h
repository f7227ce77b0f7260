// "Analog Line Options": a voice board's station, record and trunk channel options, edited as the
// value lists the file holds.
#pragma once

#include "ktcticonfig/ui/BoardKeyPage.h"

class QCheckBox;
class QLineEdit;

namespace ktcticonfig {

class AnalogLinePage : public BoardKeyPage
{
    Q_OBJECT

public:
    explicit AnalogLinePage(PageHost &host, QWidget *parent = nullptr);

    QCheckBox *analyzeBusyTone() const { return m_analyze; }
    QLineEdit *fskEnergy() const { return m_energy; }

protected:
    void loaded() override;

private:
    QCheckBox *m_analyze = nullptr;
    QLineEdit *m_energy = nullptr;
};

} // namespace ktcticonfig
