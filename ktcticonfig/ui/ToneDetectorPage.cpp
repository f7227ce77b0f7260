// The tone detector options page.
#include "ktcticonfig/ui/ToneDetectorPage.h"

#include "ktcticonfig/model/FieldChecks.h"
#include "ktcticonfig/model/ToneAreas.h"
#include "ktcticonfig/ui/ToneItemDialog.h"

#include <QButtonGroup>
#include <QCheckBox>
#include <QComboBox>
#include <QFormLayout>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QHeaderView>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QRadioButton>
#include <QTableWidget>
#include <QVBoxLayout>

namespace ktcticonfig {

namespace {

constexpr std::string_view SC = "SystemConfig";

// The list's columns: the item number, then the fields in the order the page shows them.
constexpr int kListFields[] = {kToneType,
                               kToneMode,
                               kToneF1,
                               kToneF2,
                               kToneF3,
                               kToneT1,
                               kToneT2,
                               kToneT3,
                               kTonePeriodCount,
                               kToneFreqErr,
                               kToneBandRatio,
                               kToneLevelErr,
                               kTonePeriodEndMode,
                               kTonePeriodClearTime,
                               kToneHighFilter,
                               kToneLowFilter,
                               kTonePopDriver,
                               kToneStopDetect,
                               kToneWorkCondition};

} // namespace

QLineEdit *ToneDetectorPage::detectorField(QFormLayout *group, const QString &label, std::string_view key, int detector)
{
    QLineEdit *edit = m_form.text(group, label, SC, key);
    m_fields.emplace_back(key, edit);
    m_detectorFields[detector].push_back(edit);
    return edit;
}

ToneDetectorPage::ToneDetectorPage(PageHost &host, QWidget *parent) : ConfigPage(host, parent), m_form(this, 3)
{
    const std::string_view keys[2][9] = {
        {"TonePara", "IsDialToneDetermineTime", "BusyTonePeriod", "IsBusyToneDetermineCount", "RingEchoTonePara",
         "AppointedToneAnalyzerSwitch", "IsAppointedToneDetermineTime", "AppointedTonePara",
         "IsAppointedToneDetermineCount"},
        {"2ndTonePara", "2ndIsDialToneDetermineTime", "2ndBusyTonePeriod", "2ndIsBusyToneDetermineCount",
         "2ndRingEchoTonePara", "2ndAppointedToneAnalyzerSwitch", "2ndIs2ndAppointedToneDetermineTime",
         "2ndAppointedTonePara", "2ndIsAppointedToneDetermineCount"}};
    const QString tips[9] = {
        {},
        {},
        tr("Specifies the period of busy tone in millisecond, used to detect busy tone. Maximum 4 periods can be "
           "specified, periods should be separated by ',' when more than one are to be specified. Range:200-2000. "
           "Default: 700ms."),
        {},
        {},
        tr("Whether to detect self-defined tone. 0--not to detect. 1--to detect continuous tone (similar to "
           "DialTone); 2--to detect periodic tone (similar to RingBackTone)"),
        {},
        {},
        {}};
    for (int d = 0; d < 2; ++d) {
        QFormLayout *g = m_form.group(d == 0 ? tr("Original Tone Detector") : QString(), d);
        if (d == 1) {
            m_second = m_form.check(g, tr("Second Tone Detector"), SC, "Enable2ndToneAnalyzer");
            connect(m_second, &QCheckBox::toggled, this, &ToneDetectorPage::enableGroups);
        }
        QLineEdit *f[9];
        const QString labels[9] = {tr("Tone parameters:"),        tr("IsDialToneDetermineTime:"),
                                   tr("Period of busy tone:"),    tr("IsBusyToneDetermineCount:"),
                                   tr("RingEchoToneParameters:"), tr("DetectSwitch:"),
                                   tr("DetermineTime:"),          tr("HighAndLowLevelDuration:"),
                                   tr("DeterminePeriodCount:")};
        for (int i = 0; i < 9; ++i) {
            if (i == 5)
                g->addRow(new QLabel(tr("Self-defined tone param:")));
            f[i] = detectorField(g, labels[i], keys[d][i], d);
            f[i]->setToolTip(tips[i]);
        }
        m_switch[d] = f[5];
        m_determineTime[d] = f[6];
        m_levelDuration[d] = f[7];
        m_periodCount[d] = f[8];
        connect(m_switch[d], &QLineEdit::editingFinished, this, [this, d] { selfDefinedSwitchLeft(d); });
        m_form.column(d)->addStretch();
    }

    QFormLayout *g = m_form.group(tr("Other"), 2);
    m_fields.emplace_back("VoiceOffDetermineTime", m_form.text(g, tr("NoVoiceDtrmTime"), SC, "VoiceOffDetermineTime"));
    QStringList areas;
    for (const ToneArea &a : toneAreas())
        areas << tr(a.name);
    m_area = m_form.list(g, tr("Area Select:"), SC, "CurArea", areas);
    connect(m_area, &QComboBox::activated, this, &ToneDetectorPage::selectArea);
    m_form.check(g, tr("Check Second Tone On Auto Dial"), SC, "Check2ndToneOnAutoDial");
    for (auto [label, key] :
         {std::pair{tr("F1VoiceFreqPara:"), "VoiceFreqF1Para"}, std::pair{tr("F2VoiceFreqPara:"), "VoiceFreqF2Para"},
          std::pair{tr("MinVoiceDetermineEnergy:"), "MinimumVoiceDetermineEnergy"},
          std::pair{tr("MaxBusyToneOffTime:"), "MaxBsTnOffTime"}})
        m_fields.emplace_back(key, m_form.text(g, label, SC, key));
    m_original = new QRadioButton(tr("Original Tone Detector"));
    m_enhanced = new QRadioButton(tr("Enhanced Tone Detector"));
    auto *modes = new QButtonGroup(this);
    modes->addButton(m_original, 0);
    modes->addButton(m_enhanced, 1);
    g->addRow(m_original);
    g->addRow(m_enhanced);
    connect(modes, &QButtonGroup::idToggled, this, &ToneDetectorPage::enableGroups);
    m_form.column(2)->addStretch();
    m_form.finish();

    auto *items = new QGroupBox(tr("Enhanced Tone Detector"));
    auto *itemsLayout = new QVBoxLayout(items);
    m_list = new QTableWidget(0, static_cast<int>(std::size(kListFields)) + 1);
    QStringList headers{tr("NO")};
    for (int field : kListFields)
        headers << QString::fromLatin1(toneItemColumnNames()[static_cast<std::size_t>(field)]);
    m_list->setHorizontalHeaderLabels(headers);
    m_list->setSelectionBehavior(QAbstractItemView::SelectRows);
    m_list->setSelectionMode(QAbstractItemView::SingleSelection);
    m_list->setEditTriggers(QAbstractItemView::NoEditTriggers);
    m_list->verticalHeader()->hide();
    m_list->horizontalHeader()->setSectionResizeMode(QHeaderView::ResizeToContents);
    m_list->setMinimumHeight(160);
    itemsLayout->addWidget(m_list);
    auto *buttons = new QHBoxLayout;
    m_total = new QLabel;
    m_add = new QPushButton(tr("Add"));
    m_modify = new QPushButton(tr("Modify"));
    m_remove = new QPushButton(tr("Remove"));
    buttons->addWidget(m_total);
    buttons->addStretch();
    buttons->addWidget(m_add);
    buttons->addWidget(m_modify);
    buttons->addWidget(m_remove);
    itemsLayout->addLayout(buttons);
    layout()->addWidget(items);
    connect(m_add, &QPushButton::clicked, this, &ToneDetectorPage::addItem);
    connect(m_modify, &QPushButton::clicked, this, &ToneDetectorPage::modifyItem);
    connect(m_remove, &QPushButton::clicked, this, &ToneDetectorPage::removeItem);

    edit = [this](ToneDetectorItem &item) {
        ToneItemDialog dialog(item, this);
        if (dialog.exec() != QDialog::Accepted)
            return false;
        item = dialog.item();
        return true;
    };
}

QLineEdit *ToneDetectorPage::field(std::string_view key) const
{
    for (const auto &[name, e] : m_fields)
        if (name == key)
            return e;
    return nullptr;
}

void ToneDetectorPage::load(int, int)
{
    m_form.load(model().settings);
    const std::int32_t mode = model().settings.system("ToneDetectorMode");
    // A mode other than 0 and 1 leaves both buttons clear, and the store keeps it.
    m_original->setAutoExclusive(false);
    m_enhanced->setAutoExclusive(false);
    m_original->setChecked(mode == 0);
    m_enhanced->setChecked(mode == 1);
    m_original->setAutoExclusive(true);
    m_enhanced->setAutoExclusive(true);
    m_items = model().settings.toneItems;
    refreshItems();
    enableGroups();
}

bool ToneDetectorPage::store()
{
    GlobalSettings &settings = model().settings;
    m_form.store(settings);
    if (m_original->isChecked())
        settings.setSystem("ToneDetectorMode", 0);
    else if (m_enhanced->isChecked())
        settings.setSystem("ToneDetectorMode", 1);
    settings.toneItems = m_items;
    return true;
}

void ToneDetectorPage::selfDefinedSwitchLeft(int detector)
{
    const int value = selfDefinedToneSwitch(m_switch[detector]->text().toStdString());
    if (QString::number(value) != m_switch[detector]->text())
        m_switch[detector]->setText(QString::number(value));
    enableGroups();
}

void ToneDetectorPage::enableGroups()
{
    const bool original = !m_enhanced->isChecked();
    for (int d = 0; d < 2; ++d) {
        const bool on = original && (d == 0 || m_second->isChecked());
        for (QWidget *w : m_detectorFields[d])
            w->setEnabled(on);
        const int sw = selfDefinedToneSwitch(m_switch[d]->text().toStdString());
        m_determineTime[d]->setEnabled(on && sw == 1);
        m_levelDuration[d]->setEnabled(on && sw == 2);
        m_periodCount[d]->setEnabled(on && sw == 2);
    }
    m_second->setEnabled(original);
    for (QWidget *w : {static_cast<QWidget *>(m_list), static_cast<QWidget *>(m_add), static_cast<QWidget *>(m_modify),
                       static_cast<QWidget *>(m_remove)})
        w->setEnabled(!original);
}

void ToneDetectorPage::refreshItems()
{
    m_list->setRowCount(static_cast<int>(m_items.size()));
    for (int row = 0; row < static_cast<int>(m_items.size()); ++row) {
        const auto &f = m_items[static_cast<std::size_t>(row)].fields;
        m_list->setItem(row, 0, new QTableWidgetItem(QString::number(row)));
        for (int c = 0; c < static_cast<int>(std::size(kListFields)); ++c) {
            const int field = kListFields[c];
            const std::uint32_t v = f[static_cast<std::size_t>(field)];
            const std::string text = field == kToneType   ? toneTypeText(v)
                                     : field == kToneMode ? toneModeText(v)
                                                          : std::to_string(v);
            m_list->setItem(row, c + 1, new QTableWidgetItem(QString::fromStdString(text)));
        }
    }
    m_total->setText(tr("Total items:%1").arg(m_items.size()));
}

void ToneDetectorPage::selectArea(int area)
{
    if (area < 0)
        return;
    GlobalSettings scratch = model().settings;
    applyToneArea(scratch, area);
    for (std::string_view key : {"TonePara", "BusyTonePeriod", "RingEchoTonePara"})
        field(key)->setText(KeyForm::fromFile(scratch.text(SC, key)));
    m_items = scratch.toneItems;
    refreshItems();
}

void ToneDetectorPage::addItem()
{
    if (static_cast<int>(m_items.size()) >= kMaxToneDetectorItems) {
        host().dialogs().show("It's too much to add new item");
        return;
    }
    ToneDetectorItem item = builtInToneDetectorItems()[0];
    if (!edit(item))
        return;
    m_items.push_back(item);
    refreshItems();
}

void ToneDetectorPage::modifyItem()
{
    const int row = m_list->currentRow();
    if (row < 0 || row >= static_cast<int>(m_items.size()) || m_list->selectedItems().isEmpty()) {
        host().dialogs().show("Please choose the item to modify.");
        return;
    }
    ToneDetectorItem item = m_items[static_cast<std::size_t>(row)];
    if (!edit(item))
        return;
    m_items[static_cast<std::size_t>(row)] = item;
    refreshItems();
}

void ToneDetectorPage::removeItem()
{
    const int row = m_list->currentRow();
    if (row < 0 || row >= static_cast<int>(m_items.size()) || m_list->selectedItems().isEmpty()) {
        host().dialogs().show("Please choose the item to remove.");
        return;
    }
    m_items.erase(m_items.begin() + row);
    refreshItems();
}

} // namespace ktcticonfig
