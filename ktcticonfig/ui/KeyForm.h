// The controls of an option page bound to keys: the page builds its fields through a form, which lays
// them out in titled groups and loads and stores them all.
#pragma once

#include "ktcticonfig/app/Dialogs.h"
#include "ktcticonfig/model/BoardOptions.h"
#include "ktcticonfig/model/FieldChecks.h"
#include "ktcticonfig/model/GlobalSettings.h"

#include <QString>
#include <QStringList>

#include <string>
#include <string_view>
#include <vector>

class QCheckBox;
class QComboBox;
class QFormLayout;
class QLineEdit;
class QVBoxLayout;
class QWidget;

namespace ktcticonfig {

class KeyForm
{
public:
    /// Lays the groups out in `columns` columns inside a scroll area that fills the page.
    KeyForm(QWidget *page, int columns);

    /// Called when every control is in place: the page keeps the size its controls need and scrolls
    /// when it is shown smaller.
    void finish();

    /// A titled group at the foot of a column.
    QFormLayout *group(const QString &title, int column);
    /// The layout of a column, for controls that are no key's field (buttons, lists).
    QVBoxLayout *column(int column) { return m_columns.at(static_cast<std::size_t>(column)); }

    /// A field holding the value of a global key as text, with its unit after it when one is given.
    QLineEdit *text(QFormLayout *group, const QString &label, std::string_view section, std::string_view key,
                    const QString &toolTip = {}, const QString &unit = {});
    /// A check box for a global key: checkedValue when checked, 0 when not.
    QCheckBox *check(QFormLayout *group, const QString &label, std::string_view section, std::string_view key,
                     const QString &toolTip = {}, int checkedValue = 1);
    /// A list for a global key: entry i stands for values[i] (for i itself when values is empty).
    QComboBox *list(QFormLayout *group, const QString &label, std::string_view section, std::string_view key,
                    const QStringList &entries, std::vector<int> values = {}, const QString &toolTip = {});
    /// A list for a global text key whose value is one of `entries`, stored as the entry's text.
    QComboBox *textList(QFormLayout *group, const QString &label, std::string_view section, std::string_view key,
                        const QStringList &entries, const QString &toolTip = {});
    /// A field holding the text of a board key as the file holds it.
    QLineEdit *boardText(QFormLayout *group, const QString &label, std::string_view key, const QString &toolTip = {},
                         const QString &unit = {});
    /// A list for a board key holding one number: entry i stands for values[i] (for i when empty).
    QComboBox *boardList(QFormLayout *group, const QString &label, std::string_view key, const QStringList &entries,
                         std::vector<int> values = {}, const QString &toolTip = {});
    /// A check box for a board key: "1" when checked, "0" when not.
    QCheckBox *boardCheck(QFormLayout *group, const QString &label, std::string_view key, const QString &toolTip = {});

    /// Fills every control from the settings and (for board keys) the board's options.
    void load(const GlobalSettings &settings, const BoardOptions *board = nullptr);
    /// Copies every control into its key. A control that shows what its key holds leaves the key as it
    /// is (a check box on a value of 2, a board key the board does not have while its field is empty),
    /// so that a load and store change nothing.
    void store(GlobalSettings &settings, BoardOptions *board = nullptr);

    /// Runs the range check when the user leaves the field: outside the range the user is told and
    /// the field takes the check's fallback.
    static void checkOnLeave(QLineEdit *edit, const RangeCheck &check, Dialogs &dialogs);

    /// A text of the file (GBK) for a control, and a control's text for the file.
    static QString fromFile(const std::string &text);
    static std::string toFile(const QString &text);

private:
    enum class Kind
    {
        Text,
        Check,
        List,
        TextList,
        BoardText,
        BoardCheck,
        BoardList,
    };
    struct Binding
    {
        Kind kind;
        std::string section;
        std::string key;
        QWidget *control;
        int checkedValue = 1;
        std::vector<int> values;
    };
    /// What a control shows for the value its key holds: the state of a check box or list, the text
    /// of a field.
    struct Shown
    {
        int state = -1;
        QString text;
    };

    Binding &add(Kind kind, std::string_view section, std::string_view key, QWidget *control);
    static void place(QFormLayout *group, const QString &label, QWidget *control, const QString &toolTip,
                      const QString &unit = {});
    static int entryOf(const Binding &b, long long value);
    static Shown shown(const Binding &b, const GlobalSettings &settings, const BoardOptions *board);
    static int state(const Binding &b);
    static QString fieldText(const Binding &b);

    QWidget *m_inner = nullptr;
    std::vector<QVBoxLayout *> m_columns;
    std::vector<Binding> m_bindings;
};

} // namespace ktcticonfig
