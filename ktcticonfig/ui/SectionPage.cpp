// Pages of board-independent sections.
#include "ktcticonfig/ui/SectionPage.h"

#include "common/Text.h"

#include <QFormLayout>
#include <QGroupBox>
#include <QLineEdit>
#include <QVBoxLayout>

namespace ktcticonfig {

SectionPage::SectionPage(PageHost &host, int columns, QWidget *parent) : ConfigPage(host, parent), m_form(this, columns)
{
}

QLineEdit *SectionPage::addKey(QFormLayout *group, std::string_view section, std::string_view key, const QString &label)
{
    QLineEdit *edit =
        m_form.text(group, label.isEmpty() ? QString::fromLatin1(key.data(), key.size()) + ':' : label, section, key);
    m_fields.emplace_back(std::string(key), edit);
    return edit;
}

void SectionPage::addKeys(QFormLayout *group, KeyGroup keys, std::string_view section,
                          std::initializer_list<std::string_view> except)
{
    for (const KeyDef &k : globalKeys()) {
        if (k.group != keys || !common::equalsIgnoreCase(k.section, section) || !k.written)
            continue;
        bool skip = false;
        for (std::string_view e : except)
            skip = skip || common::equalsIgnoreCase(e, k.name);
        for (const IndexedListDef &list : indexedLists())
            skip = skip ||
                   (common::equalsIgnoreCase(list.section, section) && common::equalsIgnoreCase(list.countKey, k.name));
        if (!skip)
            addKey(group, section, k.name);
    }
}

ListEditor *SectionPage::addList(int column, const QString &title, ListColumns columns)
{
    auto *box = new QGroupBox(title);
    auto *layout = new QVBoxLayout(box);
    auto *editor = new ListEditor(std::move(columns), host().dialogs());
    layout->addWidget(editor);
    m_form.column(column)->addWidget(box);
    m_lists.push_back(editor);
    return editor;
}

QLineEdit *SectionPage::field(std::string_view key) const
{
    for (const auto &[name, edit] : m_fields)
        if (common::equalsIgnoreCase(name, key))
            return edit;
    return nullptr;
}

void SectionPage::load(int, int)
{
    m_form.load(model().settings);
    for (ListEditor *list : m_lists)
        list->load(model().settings);
    loaded();
}

bool SectionPage::store()
{
    if (const auto [error, field] = check(); !error.empty()) {
        host().dialogs().show(error);
        if (field)
            field->setFocus();
        return false;
    }
    m_form.store(model().settings);
    for (ListEditor *list : m_lists)
        list->store(model().settings);
    return true;
}

} // namespace ktcticonfig
