// The tone detector item dialog.
#include "ktcticonfig/ui/ToneItemDialog.h"

#include "ktcticonfig/model/ToneAreas.h"

#include <QCheckBox>
#include <QComboBox>
#include <QDialogButtonBox>
#include <QFormLayout>
#include <QHBoxLayout>
#include <QIntValidator>
#include <QLineEdit>
#include <QVBoxLayout>

namespace ktcticonfig {

ToneItemDialog::ToneItemDialog(const ToneDetectorItem &item, QWidget *parent) : QDialog(parent)
{
    setWindowTitle(tr("Set tone parameters"));
    auto *columns = new QHBoxLayout;
    auto *left = new QFormLayout;
    auto *right = new QFormLayout;
    columns->addLayout(left);
    columns->addLayout(right);
    const auto number = [this](QFormLayout *form, const QString &label, int field) {
        auto *edit = new QLineEdit;
        edit->setValidator(new QIntValidator(0, 2147483647, edit));
        form->addRow(label, edit);
        m_numbers[static_cast<std::size_t>(field)] = edit;
    };
    m_mode = new QComboBox;
    m_mode->addItems({tr("Continuous Tone"), tr("Periodoc Tone"), tr("SIT Tone")});
    left->addRow(tr("Tone Mode:"), m_mode);
    number(left, tr("F1"), kToneF1);
    number(left, tr("F2"), kToneF2);
    number(left, tr("F3"), kToneF3);
    number(left, tr("T1"), kToneT1);
    number(left, tr("T2"), kToneT2);
    number(left, tr("T3"), kToneT3);
    number(left, tr("High Filter Count:"), kToneHighFilter);
    number(left, tr("Low Filter Count:"), kToneLowFilter);
    number(right, tr("Freq Err:"), kToneFreqErr);
    number(right, tr("Band ratio:"), kToneBandRatio);
    number(right, tr("Level Err:"), kToneLevelErr);
    m_periodEndMode = new QComboBox;
    m_periodEndMode->addItems({tr("Level Determine"), tr("Error Determine")});
    right->addRow(tr("Period Determine Mode:"), m_periodEndMode);
    number(right, tr("Need Period Count:"), kTonePeriodCount);
    number(right, tr("Period Time:"), kTonePeriodClearTime);
    m_type = new QComboBox;
    m_type->addItems({tr("Dial"), tr("Busy"), tr("Echo"), tr("FAX F1"), tr("FAX F2"), tr("Appointed")});
    right->addRow(tr("Tone Type:"), m_type);
    m_userType = new QLineEdit;
    m_userType->setValidator(new QIntValidator(0, 65535, m_userType));
    right->addRow(tr("User Define Type:"), m_userType);
    m_workCondition = new QComboBox;
    m_workCondition->addItems({tr("FFT Analyze"), tr("Recv FSK")});
    right->addRow(tr("Work Condition:"), m_workCondition);
    m_stop = new QCheckBox(tr("Stop after Tetected:"));
    m_pop = new QCheckBox(tr("Pop Event to Driver Status:"));
    right->addRow(m_stop);
    right->addRow(m_pop);

    auto *buttons = new QDialogButtonBox(QDialogButtonBox::Ok | QDialogButtonBox::Cancel);
    connect(buttons, &QDialogButtonBox::accepted, this, &ToneItemDialog::accept);
    connect(buttons, &QDialogButtonBox::rejected, this, &ToneItemDialog::reject);
    auto *layout = new QVBoxLayout(this);
    layout->addLayout(columns);
    layout->addWidget(buttons);

    fill(item);
    // Connected after the first fill, so that opening an item keeps its values.
    connect(m_mode, &QComboBox::activated, this, &ToneItemDialog::modeChosen);
    connect(m_type, &QComboBox::activated, this, &ToneItemDialog::typeChosen);
}

void ToneItemDialog::fill(const ToneDetectorItem &item)
{
    const auto &f = item.fields;
    for (std::size_t i = 0; i < m_numbers.size(); ++i)
        if (m_numbers[i])
            m_numbers[i]->setText(QString::number(f[i]));
    // Values beyond a list's entries stay as they are: the list shows the nearest entry only when one
    // matches, and item() keeps the value otherwise.
    m_mode->setCurrentIndex(f[kToneMode] < 3 ? static_cast<int>(f[kToneMode]) : -1);
    m_periodEndMode->setCurrentIndex(f[kTonePeriodEndMode] < 2 ? static_cast<int>(f[kTonePeriodEndMode]) : -1);
    m_workCondition->setCurrentIndex(f[kToneWorkCondition] < 2 ? static_cast<int>(f[kToneWorkCondition]) : -1);
    const int entry = toneTypeEntry(f[kToneType]);
    m_type->setCurrentIndex(entry);
    m_userType->setText(QString::number(f[kToneType]));
    m_userType->setEnabled(entry == kAppointedToneEntry);
    m_stop->setChecked(f[kToneStopDetect] != 0);
    m_pop->setChecked(f[kTonePopDriver] != 0);
    m_original = item;
    modeChosen(m_mode->currentIndex());
}

ToneDetectorItem ToneItemDialog::item() const
{
    ToneDetectorItem out = m_original;
    auto &f = out.fields;
    for (std::size_t i = 0; i < m_numbers.size(); ++i)
        if (m_numbers[i])
            f[i] = m_numbers[i]->text().toUInt();
    if (m_mode->currentIndex() >= 0)
        f[kToneMode] = static_cast<std::uint32_t>(m_mode->currentIndex());
    if (m_periodEndMode->currentIndex() >= 0)
        f[kTonePeriodEndMode] = static_cast<std::uint32_t>(m_periodEndMode->currentIndex());
    if (m_workCondition->currentIndex() >= 0)
        f[kToneWorkCondition] = static_cast<std::uint32_t>(m_workCondition->currentIndex());
    const int entry = m_type->currentIndex();
    if (entry == kAppointedToneEntry) {
        f[kToneType] = m_userType->text().toUInt();
    } else if (entry >= 0) {
        ToneDetectorItem typed;
        applyToneTypePreset(typed, entry);
        f[kToneType] = typed.fields[kToneType];
    }
    if (m_stop->isChecked() != (m_original.fields[kToneStopDetect] != 0))
        f[kToneStopDetect] = m_stop->isChecked() ? 1 : 0;
    if (m_pop->isChecked() != (m_original.fields[kTonePopDriver] != 0))
        f[kTonePopDriver] = m_pop->isChecked() ? 1 : 0;
    return parseToneDetectorItem(formatToneDetectorItem(out));
}

void ToneItemDialog::modeChosen(int mode)
{
    // Continuous tones use neither T3 nor the period fields; periodic tones use the period fields; SIT
    // tones use T3 and not the period fields.
    m_numbers[kToneT3]->setEnabled(mode == 2);
    const bool periodic = mode == 1;
    m_periodEndMode->setEnabled(periodic);
    m_numbers[kTonePeriodCount]->setEnabled(periodic);
    m_numbers[kTonePeriodClearTime]->setEnabled(periodic);
}

void ToneItemDialog::typeChosen(int entry)
{
    ToneDetectorItem preset = item();
    applyToneTypePreset(preset, entry);
    if (entry == kAppointedToneEntry) {
        m_userType->setEnabled(true);
        return;
    }
    fill(preset);
}

} // namespace ktcticonfig
