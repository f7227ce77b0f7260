// "PCM Options": the PCM links of a digital trunk or monitoring board at a glance.
#pragma once

#include "ktcticonfig/ui/ConfigPage.h"

class QTableWidget;

namespace ktcticonfig {

class PcmListPage : public ConfigPage
{
    Q_OBJECT

public:
    explicit PcmListPage(PageHost &host, QWidget *parent = nullptr);

    void load(int boardId, int pcmIndex) override;
    bool store() override { return true; }

    QTableWidget *table() const { return m_table; }

    /// The names of a PCM's signalling type, clock mode and link type as the PCM pages list them.
    static QString signallingName(int type);
    static QString clockName(int mode);
    static QString linkName(int type);

private:
    QTableWidget *m_table;
};

} // namespace ktcticonfig
