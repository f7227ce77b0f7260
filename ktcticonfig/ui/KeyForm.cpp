// Key-bound controls of the option pages.
#include "ktcticonfig/ui/KeyForm.h"

#include "ktcticonfig/model/KeyText.h"

#include "common/Gbk.h"

#include <QCheckBox>
#include <QComboBox>
#include <QFormLayout>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QLabel>
#include <QLayout>
#include <QLineEdit>
#include <QRegularExpression>
#include <QRegularExpressionValidator>
#include <QScrollArea>
#include <QVBoxLayout>

#include <algorithm>

namespace ktcticonfig {

namespace {

// The narrowest a field gets: wide enough for a five-digit number and a little more.
constexpr int kFieldWidth = 80;

} // namespace

KeyForm::KeyForm(QWidget *page, int columns)
{
    auto *outer = new QVBoxLayout(page);
    outer->setContentsMargins(0, 0, 0, 0);
    auto *scroll = new QScrollArea(page);
    scroll->setWidgetResizable(true);
    scroll->setFrameShape(QFrame::NoFrame);
    auto *inner = new QWidget(scroll);
    m_inner = inner;
    auto *row = new QHBoxLayout(inner);
    for (int c = 0; c < columns; ++c) {
        auto *col = new QVBoxLayout;
        row->addLayout(col, 1);
        m_columns.push_back(col);
    }
    scroll->setWidget(inner);
    outer->addWidget(scroll);
}

void KeyForm::finish()
{
    m_inner->layout()->invalidate();
    m_inner->layout()->activate();
    m_inner->setMinimumSize(m_inner->sizeHint());
}

QFormLayout *KeyForm::group(const QString &title, int column)
{
    QVBoxLayout *col = m_columns.at(static_cast<std::size_t>(column));
    auto *box = new QGroupBox(title);
    // A group keeps the height its fields need: a long page scrolls rather than squeezing them.
    box->setSizePolicy(QSizePolicy::Preferred, QSizePolicy::Fixed);
    auto *form = new QFormLayout(box);
    form->setFieldGrowthPolicy(QFormLayout::AllNonFixedFieldsGrow);
    col->addWidget(box);
    return form;
}

void KeyForm::place(QFormLayout *group, const QString &label, QWidget *control, const QString &toolTip,
                    const QString &unit)
{
    control->setToolTip(toolTip);
    if (qobject_cast<QCheckBox *>(control)) {
        group->addRow(control);
    } else if (unit.isEmpty()) {
        group->addRow(label, control);
    } else {
        auto *line = new QHBoxLayout;
        line->addWidget(control, 1);
        line->addWidget(new QLabel(unit));
        group->addRow(label, line);
    }
}

KeyForm::Binding &KeyForm::add(Kind kind, std::string_view section, std::string_view key, QWidget *control)
{
    // The key's name stays on the control, for the tests and for anyone inspecting the page.
    control->setProperty("key", QString::fromUtf8(key.data(), static_cast<qsizetype>(key.size())));
    m_bindings.push_back({kind, std::string(section), std::string(key), control, 1, {}});
    return m_bindings.back();
}

QLineEdit *KeyForm::text(QFormLayout *group, const QString &label, std::string_view section, std::string_view key,
                         const QString &toolTip, const QString &unit)
{
    auto *edit = new QLineEdit;
    edit->setMinimumWidth(kFieldWidth);
    if (const auto index = globalKeyIndex(section, key)) {
        const KeyDef &def = globalKeys()[*index];
        if (def.maxLength > 0)
            edit->setMaxLength(static_cast<int>(def.maxLength));
        // A number key takes digits only (with a sign), so that no text is stored as 0 unseen.
        if (!def.isText() && def.type != KeyType::Char)
            edit->setValidator(new QRegularExpressionValidator(QRegularExpression(QStringLiteral("-?[0-9]*")), edit));
    }
    place(group, label, edit, toolTip, unit);
    add(Kind::Text, section, key, edit);
    return edit;
}

QCheckBox *KeyForm::check(QFormLayout *group, const QString &label, std::string_view section, std::string_view key,
                          const QString &toolTip, int checkedValue)
{
    auto *box = new QCheckBox(label);
    place(group, label, box, toolTip);
    add(Kind::Check, section, key, box).checkedValue = checkedValue;
    return box;
}

QComboBox *KeyForm::list(QFormLayout *group, const QString &label, std::string_view section, std::string_view key,
                         const QStringList &entries, std::vector<int> values, const QString &toolTip)
{
    auto *combo = new QComboBox;
    combo->addItems(entries);
    place(group, label, combo, toolTip);
    add(Kind::List, section, key, combo).values = std::move(values);
    return combo;
}

QComboBox *KeyForm::textList(QFormLayout *group, const QString &label, std::string_view section, std::string_view key,
                             const QStringList &entries, const QString &toolTip)
{
    auto *combo = new QComboBox;
    combo->addItems(entries);
    place(group, label, combo, toolTip);
    add(Kind::TextList, section, key, combo);
    return combo;
}

QLineEdit *KeyForm::boardText(QFormLayout *group, const QString &label, std::string_view key, const QString &toolTip,
                              const QString &unit)
{
    auto *edit = new QLineEdit;
    edit->setMinimumWidth(kFieldWidth);
    place(group, label, edit, toolTip, unit);
    add(Kind::BoardText, {}, key, edit);
    return edit;
}

QComboBox *KeyForm::boardList(QFormLayout *group, const QString &label, std::string_view key,
                              const QStringList &entries, std::vector<int> values, const QString &toolTip)
{
    auto *combo = new QComboBox;
    combo->addItems(entries);
    place(group, label, combo, toolTip);
    add(Kind::BoardList, {}, key, combo).values = std::move(values);
    return combo;
}

QCheckBox *KeyForm::boardCheck(QFormLayout *group, const QString &label, std::string_view key, const QString &toolTip)
{
    auto *box = new QCheckBox(label);
    place(group, label, box, toolTip);
    add(Kind::BoardCheck, {}, key, box);
    return box;
}

void KeyForm::checkOnLeave(QLineEdit *edit, const RangeCheck &check, Dialogs &dialogs)
{
    QObject::connect(edit, &QLineEdit::editingFinished, edit, [edit, check, &dialogs] {
        if (const auto fallback = rangeRepair(check, edit->text().toStdString())) {
            // The field takes its fallback before the box opens, so that the box's focus change
            // does not run the check a second time.
            edit->setText(QString::number(*fallback));
            dialogs.show(check.message);
        }
    });
}

QString KeyForm::fromFile(const std::string &text)
{
    return QString::fromStdString(common::gbkToUtf8(text));
}

std::string KeyForm::toFile(const QString &text)
{
    return common::utf8ToGbk(text.toStdString());
}

QString KeyForm::fieldText(const Binding &b)
{
    auto *edit = qobject_cast<QLineEdit *>(b.control);
    return edit ? edit->text() : QString();
}

int KeyForm::state(const Binding &b)
{
    if (auto *box = qobject_cast<QCheckBox *>(b.control))
        return box->isChecked() ? 1 : 0;
    if (auto *combo = qobject_cast<QComboBox *>(b.control))
        return combo->currentIndex();
    return -1;
}

int KeyForm::entryOf(const Binding &b, long long value)
{
    long long index = value;
    if (!b.values.empty()) {
        const auto it = std::find(b.values.begin(), b.values.end(), value);
        index = it == b.values.end() ? -1 : it - b.values.begin();
    }
    return index >= 0 && index < static_cast<QComboBox *>(b.control)->count() ? static_cast<int>(index) : -1;
}

KeyForm::Shown KeyForm::shown(const Binding &b, const GlobalSettings &settings, const BoardOptions *board)
{
    Shown out;
    switch (b.kind) {
    case Kind::Text:
        out.text = fromFile(keyText(settings, b.section, b.key));
        break;
    case Kind::Check:
        out.state = settings.number(b.section, b.key) != 0 ? 1 : 0;
        break;
    case Kind::List:
        out.state = entryOf(b, settings.number(b.section, b.key));
        break;
    case Kind::TextList:
        out.state = static_cast<QComboBox *>(b.control)->findText(fromFile(settings.text(b.section, b.key)));
        break;
    case Kind::BoardList: {
        const std::string *value = board ? board->find(b.key) : nullptr;
        out.state = value ? entryOf(b, leadingNumber(*value)) : -1;
        break;
    }
    case Kind::BoardText:
    case Kind::BoardCheck: {
        const std::string *value = board ? board->find(b.key) : nullptr;
        if (b.kind == Kind::BoardText)
            out.text = value ? fromFile(*value) : QString();
        else
            out.state = value && leadingNumber(*value) != 0 ? 1 : 0;
        break;
    }
    }
    return out;
}

void KeyForm::load(const GlobalSettings &settings, const BoardOptions *board)
{
    for (const Binding &b : m_bindings) {
        const Shown s = shown(b, settings, board);
        if (auto *edit = qobject_cast<QLineEdit *>(b.control))
            edit->setText(s.text);
        else if (auto *box = qobject_cast<QCheckBox *>(b.control))
            box->setChecked(s.state == 1);
        else if (auto *combo = qobject_cast<QComboBox *>(b.control))
            combo->setCurrentIndex(s.state);
    }
}

void KeyForm::store(GlobalSettings &settings, BoardOptions *board)
{
    for (const Binding &b : m_bindings) {
        // A control that shows what the key holds keeps the key as it is, whatever bytes it holds.
        const Shown s = shown(b, settings, board);
        const int current = state(b);
        const QString text = fieldText(b);
        if (s.state == current && s.text == text)
            continue;
        switch (b.kind) {
        case Kind::Text:
            setKeyText(settings, b.section, b.key, toFile(text));
            break;
        case Kind::Check:
            settings.setNumber(b.section, b.key, current ? b.checkedValue : 0);
            break;
        case Kind::List:
            // No selection keeps the stored value.
            if (current >= 0)
                settings.setNumber(b.section, b.key,
                                   b.values.empty() ? current : b.values.at(static_cast<std::size_t>(current)));
            break;
        case Kind::TextList:
            if (current >= 0)
                settings.setText(b.section, b.key, toFile(static_cast<QComboBox *>(b.control)->currentText()));
            break;
        case Kind::BoardText:
            if (board)
                board->set(b.key, toFile(text));
            break;
        case Kind::BoardCheck:
            if (board)
                board->set(b.key, current ? "1" : "0");
            break;
        case Kind::BoardList:
            if (board && current >= 0)
                board->set(b.key,
                           std::to_string(b.values.empty() ? current : b.values.at(static_cast<std::size_t>(current))));
            break;
        }
    }
}

} // namespace ktcticonfig
