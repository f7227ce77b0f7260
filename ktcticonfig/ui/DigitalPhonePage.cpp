// The digital phone options page.
#include "ktcticonfig/ui/DigitalPhonePage.h"

#include <QComboBox>
#include <QFormLayout>
#include <QIntValidator>
#include <QLineEdit>
#include <QPushButton>
#include <QVBoxLayout>

#include <cstdio>

namespace ktcticonfig {

DigitalPhonePage::DigitalPhonePage(PageHost &host, QWidget *parent) : BoardKeyPage(host, 1, parent)
{
    QFormLayout *g = m_form.group(tr("Digital Phone Options"), 0);
    m_form.boardText(g, tr("Set Pbx Type"), "PBXType");
    m_form.boardText(g, tr("Set Phone Type"), "PhoneType", tr("One phone type per channel, separated by ','"));
    m_form.boardCheck(g, tr("Bin Voice Format Support"), "BinVoiceFormat");
    m_form.boardText(g, tr("Rec Raw Mode"), "DSTRecRawData");
    m_form.boardText(g, tr("ClockReferenceLine"), "SupplyBoardClockLine");
    m_form.check(g, tr("Enable DEvent Filter"), "SystemConfig", "DEventUpdates");

    g = m_form.group(tr("SetModuleType"), 0);
    m_module = new QLineEdit(QStringLiteral("0"));
    m_module->setValidator(new QIntValidator(0, 255, m_module));
    g->addRow(tr("Module:"), m_module);
    m_newType = new QComboBox;
    m_newType->addItems({tr("ALCATEL"), tr("AVAYA"), tr("SIEMENS"), tr("PANASONIC"), tr("NEC"), tr("ERICSSON")});
    m_newType->setCurrentIndex(-1);
    g->addRow(tr("New type:"), m_newType);
    auto *program = new QPushButton(tr("SetModuleType"));
    g->addRow(program);
    connect(program, &QPushButton::clicked, this, &DigitalPhonePage::setModuleType);
    m_form.column(0)->addStretch();
    m_form.finish();
}

void DigitalPhonePage::setModuleType()
{
    if (m_newType->currentIndex() < 0) {
        host().dialogs().show("Please select new type!");
        return;
    }
    // The board driver programs a module's logic device through its control interface; the driver
    // this tool runs with offers no module to program, so it reports the module as absent.
    char text[80];
    std::snprintf(text, sizeof text, "Module %u does not exist... ...", m_module->text().toUInt());
    host().dialogs().show(text);
}

} // namespace ktcticonfig
