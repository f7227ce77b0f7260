// "Tone Detector Options": the original detector's tone strings for a first and a second detector,
// the enhanced detector's table of items, and the area selector that fills both.
#pragma once

#include "ktcticonfig/ui/ConfigPage.h"
#include "ktcticonfig/ui/KeyForm.h"

#include <functional>
#include <vector>

class QCheckBox;
class QComboBox;
class QLabel;
class QLineEdit;
class QPushButton;
class QRadioButton;
class QTableWidget;

namespace ktcticonfig {

class ToneDetectorPage : public ConfigPage
{
    Q_OBJECT

public:
    explicit ToneDetectorPage(PageHost &host, QWidget *parent = nullptr);

    void load(int boardId, int pcmIndex) override;
    bool store() override;

    QLineEdit *field(std::string_view key) const;
    QComboBox *areaList() const { return m_area; }
    QRadioButton *originalMode() const { return m_original; }
    QRadioButton *enhancedMode() const { return m_enhanced; }
    QCheckBox *secondDetector() const { return m_second; }
    QTableWidget *itemList() const { return m_list; }
    QLabel *totalLabel() const { return m_total; }

    /// Fills the tone strings and the items from an area of the table.
    void selectArea(int area);
    /// The add, modify and remove buttons: each checks first, then opens the item dialog (add and
    /// modify) through `edit`, which returns false when the user cancels.
    void addItem();
    void modifyItem();
    void removeItem();
    std::function<bool(ToneDetectorItem &)> edit;

private:
    QLineEdit *detectorField(QFormLayout *group, const QString &label, std::string_view key, int detector);
    void selfDefinedSwitchLeft(int detector);
    void enableGroups();
    void refreshItems();

    KeyForm m_form;
    std::vector<std::pair<std::string_view, QLineEdit *>> m_fields;
    std::vector<QWidget *> m_detectorFields[2];
    QLineEdit *m_switch[2] = {};
    QLineEdit *m_determineTime[2] = {};
    QLineEdit *m_levelDuration[2] = {};
    QLineEdit *m_periodCount[2] = {};
    QCheckBox *m_second = nullptr;
    QComboBox *m_area = nullptr;
    QRadioButton *m_original = nullptr;
    QRadioButton *m_enhanced = nullptr;
    QTableWidget *m_list = nullptr;
    QLabel *m_total = nullptr;
    QPushButton *m_add = nullptr;
    QPushButton *m_modify = nullptr;
    QPushButton *m_remove = nullptr;
    std::vector<ToneDetectorItem> m_items;
};

} // namespace ktcticonfig
