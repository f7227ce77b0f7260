// The system page and its board list edits.
#include "ktcticonfig/ui/SystemPage.h"

#include "ktcticonfig/app/BoardListEdit.h"
#include "ktcticonfig/model/ModelTable.h"
#include "ktcticonfig/ui/BoardListView.h"
#include "ktcticonfig/ui/PageTexts.h"

#include <QCheckBox>
#include <QComboBox>
#include <QFormLayout>
#include <QGridLayout>
#include <QGroupBox>
#include <QHeaderView>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>

namespace ktcticonfig {

namespace {

QPushButton *button(const QString &text, const char *name, QWidget *parent)
{
    auto *b = new QPushButton(text, parent);
    b->setObjectName(QString::fromLatin1(name));
    return b;
}

QString modelText(int code)
{
    if (code == 0)
        return SystemPage::tr("-- Select --");
    const std::string_view name = modelName(code);
    return QString::fromUtf8(name.data(), static_cast<qsizetype>(name.size()));
}

} // namespace

SystemPage::SystemPage(PageHost &host, QWidget *parent)
    : ConfigPage(host, parent), m_totalBoards(new QLineEdit), m_clockMaster(new QLineEdit), m_totalAppCh(new QLineEdit),
      m_boards(new BoardListView), m_exchangeA(new QComboBox), m_exchangeB(new QComboBox),
      m_gsmCodec(new QCheckBox(tr("Load soft play&&rec codec"))),
      m_multiProcess(new QCheckBox(tr("MultiBoardMultiProcessSupport"))), m_eventInterface(new QComboBox)
{
    m_totalBoards->setReadOnly(true);
    m_totalAppCh->setReadOnly(true);
    m_clockMaster->setObjectName(QStringLiteral("clockMaster"));
    m_exchangeA->setObjectName(QStringLiteral("exchangeA"));
    m_exchangeB->setObjectName(QStringLiteral("exchangeB"));
    m_eventInterface->addItems({QStringLiteral("MESSAGE_INFO"), QStringLiteral("TLX_EVENT")});
    m_boards->setHeaderLabels({tr("ID"), tr("Board Model"), tr("Board Serial No."), tr("Used Ch")});
    m_boards->header()->setStretchLastSection(false);
    m_boards->header()->setSectionResizeMode(QHeaderView::ResizeToContents);
    m_boards->header()->setSectionResizeMode(1, QHeaderView::Stretch);
    connect(m_boards, &BoardListView::rowDropped, this, &SystemPage::exchange);

    auto *numbers = new QFormLayout;
    numbers->addRow(tr("Total boards:"), m_totalBoards);
    numbers->addRow(tr("Board to supply clock:"), m_clockMaster);
    numbers->addRow(tr("Total Used AppCh:"), m_totalAppCh);
    numbers->addRow(tr("Event Interface:"), m_eventInterface);

    auto *actions = new QGridLayout;
    QPushButton *add = button(tr("Add Board"), "addBoard", this);
    QPushButton *modify = button(tr("Modify Board"), "modifyBoard", this);
    QPushButton *remove = button(tr("Delete Board"), "deleteBoard", this);
    QPushButton *swap = button(tr("Exchange"), "exchange", this);
    connect(add, &QPushButton::clicked, this, &SystemPage::addBoard);
    connect(modify, &QPushButton::clicked, this, &SystemPage::modifyBoard);
    connect(remove, &QPushButton::clicked, this, &SystemPage::deleteBoard);
    connect(swap, &QPushButton::clicked, this, &SystemPage::exchangeBoards);
    actions->addWidget(add, 0, 0);
    actions->addWidget(modify, 0, 1);
    actions->addWidget(remove, 0, 2);
    actions->addWidget(m_exchangeA, 1, 0);
    actions->addWidget(m_exchangeB, 1, 1);
    actions->addWidget(swap, 1, 2);

    auto *boardsBox = new QGroupBox(tr("Boards Setting"));
    auto *boardsLayout = new QVBoxLayout(boardsBox);
    boardsLayout->addWidget(m_boards, 1);
    boardsLayout->addLayout(actions);

    auto *layout = new QVBoxLayout(this);
    layout->addLayout(numbers);
    layout->addWidget(boardsBox, 1);
    layout->addWidget(m_gsmCodec);
    layout->addWidget(m_multiProcess);
}

void SystemPage::load(int, int)
{
    ConfigModel &m = model();
    const int count = static_cast<int>(m.boards.size());
    m_totalBoards->setText(QString::number(count));
    m_clockMaster->setText(QString::number(m.settings.system("WhoSupplySysClock")));
    m_totalAppCh->setText(QString::number(m.channels.size()));
    m_boards->clear();
    m_exchangeA->clear();
    m_exchangeB->clear();
    for (int id = 0; id < count; ++id) {
        BoardRecord &board = m.boards[static_cast<std::size_t>(id)];
        board.state = kBoardStateListed;
        const QString serial = board.flags.isa ? QString() : QString::number(board.serialNumber);
        m_boards->addTopLevelItem(new QTreeWidgetItem(
            {QString::number(id), modelText(board.modelCode), serial, QString::number(board.usedChannels)}));
        m_exchangeA->addItem(QString::number(id));
        m_exchangeB->addItem(QString::number(id));
    }
    m_gsmCodec->setChecked(m.settings.system("GsmCodecEnable") != 0);
    m_multiProcess->setChecked(m.settings.system("MultiCardMultiProcess") != 0);
    m_eventInterface->setCurrentIndex(m.settings.system("EventInterfaceType") == 1 ? 1 : 0);
}

bool SystemPage::store()
{
    bool ok = false;
    const int clock = m_clockMaster->text().trimmed().toInt(&ok);
    if (!ok || clock < -1 || clock > kMaxBoards) {
        host().dialogs().show(tr("Please enter an integer between %1 and %2.").arg(-1).arg(kMaxBoards).toStdString());
        m_clockMaster->setFocus();
        m_clockMaster->selectAll();
        return false;
    }
    GlobalSettings &s = model().settings;
    s.setSystem("WhoSupplySysClock", clock);
    s.setSystem("EventInterfaceType", m_eventInterface->currentIndex());
    s.setSystem("GsmCodecEnable", m_gsmCodec->isChecked() ? 1 : 0);
    s.setSystem("MultiCardMultiProcess", m_multiProcess->isChecked() ? 1 : 0);
    return true;
}

void SystemPage::addBoard()
{
    if (!store())
        return;
    const int id = ktcticonfig::addBoard(model());
    if (id < 0) {
        host().dialogs().show(tr("The board list holds at most %1 boards!").arg(kMaxBoards).toStdString());
        return;
    }
    host().rebuildTree(id);
}

void SystemPage::modifyBoard()
{
    const int row = m_boards->selectedRow();
    if (row < 0) {
        host().dialogs().show("Select the board to be modified");
        return;
    }
    host().selectBoard(row);
}

void SystemPage::deleteBoard()
{
    const int row = m_boards->selectedRow();
    if (row < 0) {
        host().dialogs().show("Select the board to be deleted");
        return;
    }
    if (m_boards->topLevelItemCount() < 2) {
        host().dialogs().show("This is the last one board! ");
        return;
    }
    if (!store())
        return;
    ktcticonfig::deleteBoard(model(), row);
    host().rebuildTree();
}

void SystemPage::exchangeBoards()
{
    if (m_exchangeA->currentIndex() < 0 || m_exchangeB->currentIndex() < 0) {
        host().dialogs().show("Select the boards to be exchanged");
        return;
    }
    exchange(m_exchangeA->currentIndex(), m_exchangeB->currentIndex());
}

void SystemPage::exchange(int a, int b)
{
    if (!store())
        return;
    ktcticonfig::exchangeBoards(model(), a, b);
    host().rebuildTree();
}

} // namespace ktcticonfig
