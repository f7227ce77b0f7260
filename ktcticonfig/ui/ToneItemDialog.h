// "Set tone parameters": the nineteen values of one tone detector item, with the presets of the tone
// types and the fields each tone mode uses.
#pragma once

#include "ktcticonfig/model/ToneDetectorItem.h"

#include <QDialog>

#include <array>

class QCheckBox;
class QComboBox;
class QLineEdit;

namespace ktcticonfig {

class ToneItemDialog : public QDialog
{
    Q_OBJECT

public:
    explicit ToneItemDialog(const ToneDetectorItem &item, QWidget *parent = nullptr);

    /// The item as the dialog's controls hold it.
    ToneDetectorItem item() const;

    QComboBox *modeList() const { return m_mode; }
    QComboBox *typeList() const { return m_type; }
    /// The number field of an item field (nullptr for the fields that are lists or check boxes).
    QLineEdit *numberField(int field) const { return m_numbers[static_cast<std::size_t>(field)]; }

private:
    void fill(const ToneDetectorItem &item);
    void modeChosen(int mode);
    void typeChosen(int entry);

    std::array<QLineEdit *, 19> m_numbers{};
    QComboBox *m_mode = nullptr;
    QComboBox *m_periodEndMode = nullptr;
    QComboBox *m_type = nullptr;
    QLineEdit *m_userType = nullptr;
    QComboBox *m_workCondition = nullptr;
    QCheckBox *m_stop = nullptr;
    QCheckBox *m_pop = nullptr;
    ToneDetectorItem m_original;
};

} // namespace ktcticonfig
