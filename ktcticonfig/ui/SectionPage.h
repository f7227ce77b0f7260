// The base of the pages that edit board-independent sections: a form of key-bound fields, filled
// from the model on load and copied back on store, with the section's numbered lists beside it.
#pragma once

#include "ktcticonfig/ui/ConfigPage.h"
#include "ktcticonfig/ui/KeyForm.h"
#include "ktcticonfig/ui/ListEditor.h"

#include <initializer_list>
#include <vector>

namespace ktcticonfig {

class SectionPage : public ConfigPage
{
    Q_OBJECT

public:
    SectionPage(PageHost &host, int columns, QWidget *parent = nullptr);

    void load(int boardId, int pcmIndex) override;
    bool store() override;

    QLineEdit *field(std::string_view key) const;
    const std::vector<ListEditor *> &lists() const { return m_lists; }

protected:
    /// Text fields labelled with their key names for every key of a group in `section`, in table order,
    /// leaving out the keys named in `except` and the counts of numbered lists (written from the lists).
    void addKeys(QFormLayout *group, KeyGroup keys, std::string_view section,
                 std::initializer_list<std::string_view> except = {});
    /// One text field for a key, labelled with its name unless a label is given.
    QLineEdit *addKey(QFormLayout *group, std::string_view section, std::string_view key, const QString &label = {});
    /// A list editor placed in a column; the page loads and stores it with the fields.
    ListEditor *addList(int column, const QString &title, ListColumns columns);
    /// Checks run by store() before anything is copied: the first failure's message and field, which is
    /// shown, focused and refuses the store; an empty message when all pass.
    virtual std::pair<std::string, QWidget *> check() const { return {}; }
    /// Called after the fields were filled.
    virtual void loaded() {}

    KeyForm m_form;

private:
    std::vector<std::pair<std::string, QLineEdit *>> m_fields;
    std::vector<ListEditor *> m_lists;
};

} // namespace ktcticonfig
