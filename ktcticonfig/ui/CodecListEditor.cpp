// The codec list editor of the board SIP page.
#include "ktcticonfig/ui/CodecListEditor.h"

#include "ktcticonfig/model/CodecList.h"

#include <QGridLayout>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QPushButton>
#include <QVBoxLayout>

namespace ktcticonfig {

CodecListEditor::CodecListEditor(QLineEdit *field, Dialogs &dialogs, QWidget *parent)
    : QWidget(parent), m_field(field), m_dialogs(dialogs), m_available(new QListWidget), m_enabled(new QListWidget)
{
    for (const CodecName &c : knownCodecs()) {
        auto *item = new QListWidgetItem(QString::fromLatin1(c.name), m_available);
        item->setData(Qt::UserRole, c.code);
    }
    auto *layout = new QGridLayout(this);
    layout->setContentsMargins(0, 0, 0, 0);
    layout->addWidget(new QLabel(tr("Available codecs")), 0, 0);
    layout->addWidget(new QLabel(tr("Enabled codecs")), 0, 2);
    layout->addWidget(m_available, 1, 0);
    layout->addWidget(m_enabled, 1, 2);
    auto *buttons = new QVBoxLayout;
    const std::pair<QString, void (CodecListEditor::*)()> actions[] = {{tr("Add >>"), &CodecListEditor::add},
                                                                       {tr("<< Delete"), &CodecListEditor::remove},
                                                                       {tr("Up"), &CodecListEditor::up},
                                                                       {tr("Down"), &CodecListEditor::down}};
    for (const auto &[text, action] : actions) {
        auto *button = new QPushButton(text);
        connect(button, &QPushButton::clicked, this, action);
        buttons->addWidget(button);
    }
    buttons->addStretch();
    layout->addLayout(buttons, 1, 1);
    for (QListWidget *list : {m_available, m_enabled})
        list->setMaximumHeight(100);
    connect(m_field, &QLineEdit::textChanged, this, &CodecListEditor::refresh);
    refresh();
}

void CodecListEditor::refresh()
{
    m_enabled->clear();
    for (int code : parseCodecList(m_field->text().toStdString()))
        new QListWidgetItem(QString::fromStdString(codecName(code)), m_enabled);
}

void CodecListEditor::apply(std::string (*step)(std::vector<int> &, int), int argument, int selectAfter)
{
    std::vector<int> codecs = parseCodecList(m_field->text().toStdString());
    if (const std::string refusal = step(codecs, argument); !refusal.empty()) {
        m_dialogs.show(refusal);
        return;
    }
    m_field->setText(QString::fromStdString(formatCodecList(codecs)));
    m_enabled->setCurrentRow(std::min(selectAfter, m_enabled->count() - 1));
}

void CodecListEditor::add()
{
    QListWidgetItem *item = m_available->currentItem();
    apply(&addCodec, item && item->isSelected() ? item->data(Qt::UserRole).toInt() : -1, m_enabled->count());
}

void CodecListEditor::remove()
{
    const int row = m_enabled->currentItem() && m_enabled->currentItem()->isSelected() ? m_enabled->currentRow() : -1;
    apply(&removeCodec, row, row);
}

void CodecListEditor::up()
{
    const int row = m_enabled->currentItem() && m_enabled->currentItem()->isSelected() ? m_enabled->currentRow() : -1;
    apply(&raiseCodec, row, row - 1);
}

void CodecListEditor::down()
{
    const int row = m_enabled->currentItem() && m_enabled->currentItem()->isSelected() ? m_enabled->currentRow() : -1;
    apply(&lowerCodec, row, row + 1);
}

} // namespace ktcticonfig
