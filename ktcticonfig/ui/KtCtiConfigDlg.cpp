// The main window: tree and pages, buttons, status line, tray icon and command-line modes.
#include "ktcticonfig/ui/KtCtiConfigDlg.h"

#include "ktcticonfig/app/BoardListEdit.h"
#include "ktcticonfig/detect/SerialRefresh.h"
#include "ktcticonfig/ui/PageTexts.h"

#include <QAction>
#include <QCheckBox>
#include <QCloseEvent>
#include <QDesktopServices>
#include <QFileDialog>
#include <QHBoxLayout>
#include <QHeaderView>
#include <QLabel>
#include <QMenu>
#include <QMessageBox>
#include <QProcess>
#include <QPushButton>
#include <QScrollArea>
#include <QSettings>
#include <QSplitter>
#include <QStackedWidget>
#include <QSystemTrayIcon>
#include <QThread>
#include <QTreeWidget>
#include <QUrl>
#include <QVBoxLayout>

namespace ktcticonfig {

namespace {

constexpr int kKindRole = Qt::UserRole;
constexpr int kBoardRole = Qt::UserRole + 1;
constexpr int kPcmRole = Qt::UserRole + 2;
constexpr int kAutoTickMs = 200;
constexpr int kDefaultTick = 5;
constexpr int kSecondActionTick = 8;

const char *const kChangedQuestion =
    "Current options has been changed,do you want save them?\n\rselect \"Yes\" to save changes;select \"No\" to "
    "discard changes;select \"Cancel\" to return modify page.";

QString fromStd(const std::string &text)
{
    return QString::fromStdString(text);
}

QSettings hideSettings()
{
    return QSettings(QStringLiteral("KtCtiConfig"), QStringLiteral("KtCtiConfig"));
}

const QString kHideKey = QStringLiteral("HideKtCtiConfigDlg");

QTreeWidgetItem *makeItem(const PageNode &node, const ConfigModel &model)
{
    auto *item = new QTreeWidgetItem;
    QString label;
    if (node.kind == PageKind::Board)
        label = fromStd(boardItemLabel(node.boardId, model.boards[static_cast<std::size_t>(node.boardId)]));
    else if (node.kind == PageKind::Pcm)
        label = fromStd(pcmItemLabel(node.pcmIndex));
    else
        label = pageTitle(node.kind);
    item->setText(0, label);
    item->setData(0, kKindRole, static_cast<int>(node.kind));
    item->setData(0, kBoardRole, node.boardId);
    item->setData(0, kPcmRole, node.pcmIndex);
    for (const PageNode &child : node.children)
        item->addChild(makeItem(child, model));
    return item;
}

} // namespace

KtCtiConfigDlg::KtCtiConfigDlg(WindowSetup setup, ConfigModel model, Dialogs &dialogs, QWidget *parent)
    : QDialog(parent), m_setup(std::move(setup)), m_model(std::move(model)), m_dialogs(dialogs)
{
    setWindowTitle(QStringLiteral("KtCtiConfig"));
    setWindowFlags(Qt::Window | Qt::WindowMinimizeButtonHint | Qt::WindowCloseButtonHint);
    buildWidgets();
    buildTray();
    setStatus("Welcome to use KtCtiCogfig.exe！", StatusState::Done);
    rebuildTree();
    m_autoTimer.setInterval(kAutoTickMs);
    connect(&m_autoTimer, &QTimer::timeout, this, &KtCtiConfigDlg::autoActionTick);
    resize(1040, 680);
}

KtCtiConfigDlg::~KtCtiConfigDlg()
{
    // A test start still running ends before the window goes; its result is not shown any more.
    if (m_worker) {
        m_worker->wait();
        delete m_worker;
    }
    if (m_tray)
        m_tray->hide();
}

void KtCtiConfigDlg::buildWidgets()
{
    m_tree = new QTreeWidget;
    m_tree->setHeaderHidden(true);
    m_tree->setMinimumWidth(330);
    QFont treeFont = m_tree->font();
    if (m_setup.language == Language::SimplifiedChinese) {
        treeFont.setPixelSize(14);
    } else {
        treeFont.setFamily(QStringLiteral("Arial"));
        treeFont.setPixelSize(15);
    }
    m_tree->setFont(treeFont);
    connect(m_tree, &QTreeWidget::currentItemChanged, this, &KtCtiConfigDlg::onCurrentItemChanged);

    m_stack = new QStackedWidget;
    auto *splitter = new QSplitter;
    splitter->addWidget(m_tree);
    splitter->addWidget(m_stack);
    splitter->setStretchFactor(1, 1);

    m_status = new QLabel;
    m_status->setObjectName(QStringLiteral("status"));
    m_status->setFrameShape(QFrame::StyledPanel);
    m_hide = new QCheckBox(tr("Whether hide the dialog when restart this procedure"));
    m_hide->setChecked(hideSettings().value(kHideKey, 1).toInt() != 0);
    connect(m_hide, &QCheckBox::toggled, this, &KtCtiConfigDlg::onHideToggled);

    auto *buttons = new QHBoxLayout;
    const std::pair<const char *, std::function<void()>> actions[] = {
        {QT_TR_NOOP("OK"), [this] { onOk(); }},
        {QT_TR_NOOP("CLOSE"), [this] { onClose(); }},
        {QT_TR_NOOP("INI FILE..."), [this] { onIniFile(); }},
        {QT_TR_NOOP("Apply"), [this] { onApply(); }},
        {QT_TR_NOOP("Default"), [this] { onDefault(); }},
        {QT_TR_NOOP("Detect"), [this] { onDetect(); }},
    };
    buttons->addWidget(m_hide);
    buttons->addStretch();
    for (const auto &[text, slot] : actions) {
        auto *button = new QPushButton(tr(text));
        button->setObjectName(QString::fromLatin1(text));
        button->setAutoDefault(false);
        connect(button, &QPushButton::clicked, this, slot);
        buttons->addWidget(button);
    }

    auto *layout = new QVBoxLayout(this);
    layout->addWidget(splitter, 1);
    layout->addWidget(m_status);
    layout->addLayout(buttons);

    // The system menu's About entry, on the window's context menu.
    auto *about = new QAction(tr("About KtCtiConfig(&A)..."), this);
    connect(about, &QAction::triggered, this, [this] {
        QMessageBox::about(this, tr("About KtCtiConfig"),
                           QStringLiteral("KtCtiConfig\n") + tr("Version") + QStringLiteral(" 1.0.0"));
    });
    addAction(about);
    setContextMenuPolicy(Qt::ActionsContextMenu);
}

void KtCtiConfigDlg::buildTray()
{
    if (!QSystemTrayIcon::isSystemTrayAvailable())
        return;
    m_tray = new QSystemTrayIcon(windowIcon(), this);
    m_tray->setToolTip(QStringLiteral("KtCtiConfig"));
    auto *menu = new QMenu(this);
    connect(menu->addAction(tr("Show(&S)")), &QAction::triggered, this, &KtCtiConfigDlg::showAndRaise);
    connect(menu->addAction(tr("Close(&C)")), &QAction::triggered, this, &KtCtiConfigDlg::onClose);
    m_tray->setContextMenu(menu);
    connect(m_tray, &QSystemTrayIcon::activated, this, [this](QSystemTrayIcon::ActivationReason reason) {
        if (reason == QSystemTrayIcon::Trigger)
            showAndRaise();
    });
    m_tray->show();
}

void KtCtiConfigDlg::showDriverVersion(const std::string &version)
{
    setWindowTitle(QStringLiteral("KtCtiConfig.exe   Current Version : ") + fromStd(version));
}

void KtCtiConfigDlg::startAutoAction()
{
    if (m_setup.autoAction == "1" || m_setup.autoAction == "2")
        m_autoTimer.start();
}

void KtCtiConfigDlg::autoActionTick()
{
    ++m_autoTicks;
    if (m_autoTicks == kDefaultTick) {
        onDefault();
    } else if (m_autoTicks == kSecondActionTick) {
        m_autoTimer.stop();
        // A mode whose last step is refused (a check, a failed write) ends with 1 after saying why:
        // nobody is there to correct the values and try again.
        bool started = false;
        if (m_setup.autoAction == "1") {
            onApply();
            started = m_busy;
        } else {
            started = onOk();
        }
        if (!started)
            m_setup.quit(1);
    }
}

void KtCtiConfigDlg::showAndRaise()
{
    setWindowState(windowState() & ~Qt::WindowMinimized);
    show();
    raise();
    activateWindow();
}

void KtCtiConfigDlg::hideIfWanted()
{
    // Without a tray icon a hidden window could not be brought back.
    if (m_tray && m_hide->isChecked())
        hide();
}

QString KtCtiConfigDlg::statusText() const
{
    return m_status->text();
}

void KtCtiConfigDlg::setStatus(const std::string &text, StatusState state)
{
    m_statusState = state;
    m_status->setText(translatedMessage(text));
    const char *color = state == StatusState::Error ? "red" : state == StatusState::Busy ? "blue" : "black";
    m_status->setStyleSheet(QStringLiteral("color: %1;").arg(QLatin1String(color)));
}

bool KtCtiConfigDlg::refusedWhileBusy()
{
    if (m_busy)
        m_dialogs.show(kApplyingText);
    return m_busy;
}

// ---- tree and pages ----

ConfigPage *KtCtiConfigDlg::pageOf(PageKind kind)
{
    auto it = m_pages.find(kind);
    if (it != m_pages.end())
        return it->second;
    // A page larger than the window scrolls, so that the window keeps a size a screen can show.
    auto *frame = new QScrollArea;
    frame->setWidgetResizable(true);
    frame->setFrameShape(QFrame::NoFrame);
    ConfigPage *page = createPage(kind, *this, frame);
    frame->setWidget(page);
    m_stack->addWidget(frame);
    m_pages[kind] = page;
    return page;
}

void KtCtiConfigDlg::rebuildTree(int selectBoard)
{
    m_rebuilding = true;
    ++m_treeGeneration;
    m_tree->clear();
    for (const PageNode &node : buildPageTree(m_model))
        m_tree->addTopLevelItem(makeItem(node, m_model));
    m_rebuilding = false;
    m_currentItem = nullptr;
    QTreeWidgetItem *root = m_tree->topLevelItem(0);
    root->setExpanded(true);
    QTreeWidgetItem *target = selectBoard >= 0 ? findItem(PageKind::Board, selectBoard, -1) : nullptr;
    if (target) {
        target->setExpanded(true);
        m_rebuilding = true;
        m_tree->setCurrentItem(target);
        m_rebuilding = false;
        showPageOf(target);
    } else {
        m_rebuilding = true;
        m_tree->setCurrentItem(root);
        m_rebuilding = false;
        showPageOf(root);
    }
}

void KtCtiConfigDlg::selectBoard(int boardId)
{
    if (QTreeWidgetItem *item = findItem(PageKind::Board, boardId, -1)) {
        item->setExpanded(true);
        m_tree->setCurrentItem(item);
    }
}

QTreeWidgetItem *KtCtiConfigDlg::findItem(PageKind kind, int boardId, int pcmIndex) const
{
    for (QTreeWidgetItemIterator it(m_tree); *it; ++it) {
        QTreeWidgetItem *item = *it;
        if (item->data(0, kKindRole).toInt() == static_cast<int>(kind) &&
            item->data(0, kBoardRole).toInt() == boardId && item->data(0, kPcmRole).toInt() == pcmIndex)
            return item;
    }
    return nullptr;
}

bool KtCtiConfigDlg::selectPage(PageKind kind, int boardId, int pcmIndex)
{
    QTreeWidgetItem *item = findItem(kind, boardId, pcmIndex);
    if (!item)
        return false;
    m_tree->setCurrentItem(item);
    return true;
}

void KtCtiConfigDlg::showPageOf(QTreeWidgetItem *item)
{
    const auto kind = static_cast<PageKind>(item->data(0, kKindRole).toInt());
    ConfigPage *page = pageOf(kind);
    m_currentItem = item;
    m_current = page;
    page->setChanged(false);
    page->load(item->data(0, kBoardRole).toInt(), item->data(0, kPcmRole).toInt());
    m_stack->setCurrentIndex(m_stack->indexOf(frameOf(page)));
}

QWidget *KtCtiConfigDlg::frameOf(ConfigPage *page) const
{
    for (int i = 0; i < m_stack->count(); ++i)
        if (static_cast<QScrollArea *>(m_stack->widget(i))->widget() == page)
            return m_stack->widget(i);
    return nullptr;
}

// The page being left is stored; a page with edits asks first. False keeps it selected.
bool KtCtiConfigDlg::leavePage()
{
    if (!m_current)
        return true;
    if (m_current->keepsChangedFlag()) {
        if (!m_current->isChanged())
            return true;
        switch (m_dialogs.show(kChangedQuestion, DialogButtons::YesNoCancel, DialogAnswer::Yes)) {
        case DialogAnswer::Yes:
            m_current->store();
            return false;
        case DialogAnswer::No:
            m_current->setChanged(false);
            return true;
        default:
            return false;
        }
    }
    return m_current->store();
}

bool KtCtiConfigDlg::storeCurrentPage()
{
    return !m_current || m_current->store();
}

void KtCtiConfigDlg::onCurrentItemChanged(QTreeWidgetItem *current, QTreeWidgetItem *previous)
{
    if (m_rebuilding || !current || current == m_currentItem)
        return;
    QTreeWidgetItem *leaving = m_currentItem;
    const int generation = m_treeGeneration;
    const bool left = !leaving || leaving != previous || leavePage();
    // A page that was stored may have rebuilt the tree and selected its own item: the items seen
    // here are gone.
    if (m_treeGeneration != generation)
        return;
    if (!left) {
        // Back to the page being left, which keeps its state.
        m_rebuilding = true;
        m_tree->setCurrentItem(leaving);
        m_rebuilding = false;
        return;
    }
    showPageOf(current);
}

// ---- buttons ----

bool KtCtiConfigDlg::onOk()
{
    if (refusedWhileBusy() || !storeCurrentPage())
        return false;
    if (const auto error = checkBeforeOk(m_model)) {
        m_dialogs.show(*error);
        if (*error == kClockMasterText)
            setStatus(kConfigErrorText, StatusState::Error);
        return false;
    }
    if (!writeModel(m_setup.configPath, m_model, m_dialogs))
        return false;
    hideIfWanted();
    if (!m_setup.autoAction.empty())
        m_setup.quit(0);
    return true;
}

void KtCtiConfigDlg::onApply()
{
    if (!clockMasterValid(m_model)) {
        m_dialogs.show(kClockMasterText);
        setStatus(kConfigErrorText, StatusState::Error);
        return;
    }
    if (refusedWhileBusy())
        return;
    m_busy = true;
    if (!storeCurrentPage()) {
        m_busy = false;
        return;
    }
    const ApplyPlan plan = prepareApply(m_model);
    if (plan.error) {
        m_dialogs.show(*plan.error);
        setStatus(kConfigErrorText, StatusState::Error);
        m_busy = false;
        return;
    }
    if (!writeModel(m_setup.configPath, m_model, m_dialogs)) {
        setStatus(kConfigErrorText, StatusState::Error);
        m_busy = false;
        return;
    }
    // The clock master may have moved: the page shows the model as written.
    if (m_current && m_currentItem)
        m_current->load(m_currentItem->data(0, kBoardRole).toInt(), m_currentItem->data(0, kPcmRole).toInt());
    setStatus(kApplyingText, StatusState::Busy);

    m_worker = QThread::create([this, plan, setup = m_setup] {
        auto status = [this](const std::string &text, StatusState state) {
            QMetaObject::invokeMethod(
                this, [this, text, state] { setStatus(text, state); }, Qt::QueuedConnection);
        };
        TestStartResult result;
        std::string error;
        if (auto driver = setup.openDriver(error))
            result =
                runTestStart(*driver, setup.configPath, setup.indexPath, plan.ipBoards, status, setup.waitOneSecond);
        else
            result = {{}, error, StatusState::Error, true};
        QMetaObject::invokeMethod(
            this, [this, result] { onApplyDone(result); }, Qt::QueuedConnection);
    });
    m_worker->start();
}

void KtCtiConfigDlg::onApplyDone(const TestStartResult &result)
{
    m_worker->wait();
    delete m_worker;
    m_worker = nullptr;
    for (const std::string &warning : result.warnings)
        m_dialogs.show(warning);
    if (result.showOnStatusLine)
        setStatus(result.message, result.state);
    m_dialogs.show(result.message);
    m_busy = false;
    emit applyFinished();
    if (!m_setup.autoAction.empty()) {
        if (m_tray)
            m_tray->hide();
        m_setup.quit(0);
    }
}

void KtCtiConfigDlg::onDefault()
{
    if (refusedWhileBusy())
        return;
    if (auto probe = m_setup.openProbe(m_dialogs)) {
        std::string error;
        if (!applyDefault(m_model, *probe, m_dialogs, m_setup.logDirectory, &error))
            m_dialogs.show(error);
    }
    rebuildTree();
}

void KtCtiConfigDlg::onDetect()
{
    if (refusedWhileBusy())
        return;
    auto probe = m_setup.openProbe(m_dialogs);
    if (!probe)
        return;
    if (!refreshSerialNumbers(m_model.boards, *probe).empty() && m_current == m_pages[PageKind::System])
        m_current->load(-1, -1);
}

void KtCtiConfigDlg::onIniFile()
{
    const QString start = fromStd(m_setup.programDirectory) + QStringLiteral("/KtConfig.ini");
    const QString path = QFileDialog::getOpenFileName(this, tr("INI FILE..."), start, tr("INI Files (*.ini)"));
    if (path.isEmpty())
        return;
    // The user's editor, else the desktop's application for text files.
    for (const char *variable : {"VISUAL", "EDITOR"}) {
        QStringList command = QProcess::splitCommand(qEnvironmentVariable(variable));
        if (!command.isEmpty()) {
            const QString program = command.takeFirst();
            if (QProcess::startDetached(program, command << path))
                return;
        }
    }
    QDesktopServices::openUrl(QUrl::fromLocalFile(path));
}

void KtCtiConfigDlg::onClose()
{
    if (refusedWhileBusy())
        return;
    if (m_tray)
        m_tray->hide();
    hide();
    m_setup.quit(0);
}

void KtCtiConfigDlg::onHideToggled(bool checked)
{
    QSettings settings = hideSettings();
    settings.setValue(kHideKey, checked ? 1 : 0);
    settings.sync();
    if (settings.status() != QSettings::NoError)
        m_dialogs.show(
            "Error: Fail to write the value of HKEY_CURRENT_USER\\Software\\KtCtiConfig\\HideKtCtiConfigDlg in regist");
}

void KtCtiConfigDlg::closeEvent(QCloseEvent *event)
{
    event->ignore();
    onClose();
}

void KtCtiConfigDlg::reject()
{
    onClose();
}

void KtCtiConfigDlg::changeEvent(QEvent *event)
{
    QDialog::changeEvent(event);
    // Minimizing puts the window into the tray, where there is one.
    if (event->type() == QEvent::WindowStateChange && isMinimized() && m_tray)
        QTimer::singleShot(0, this, &QWidget::hide);
}

} // namespace ktcticonfig
