// The main window: layout, the display operations, the start-up sequence, pause, resume and shutdown.
#include "server/ui/FrmServer.h"

#include "server/audio/PromptEditor.h"
#include "server/engine/ServiceTimers.h"
#include "server/ui/FrmAbout.h"
#include "server/ui/FrmAdNotice.h"
#include "server/ui/FormParmSet.h"
#include "server/ui/FrmDataDelete.h"
#include "server/ui/FrmDataStat.h"
#include "server/ui/FrmForbidTel.h"

#include <QCloseEvent>
#include <QDir>
#include <QDockWidget>
#include <QFile>
#include <QHeaderView>
#include <QLabel>
#include <QMenuBar>
#include <QPainter>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QScreen>
#include <QScrollBar>
#include <QSettings>
#include <QSplitter>
#include <QStatusBar>
#include <QTextBlock>
#include <QTimer>
#include <QToolBar>
#include <QToolButton>
#include <QTreeWidget>
#include <QVBoxLayout>

namespace server {

namespace {

QString qs(std::string_view text)
{
    return QString::fromUtf8(text.data(), static_cast<qsizetype>(text.size()));
}

// The window's size and place, kept between runs in the user's settings.
const char *const kGeometryKey = "FrmServer/geometry";

QByteArray savedGeometry()
{
    return QSettings(QStringLiteral("VoiceNotify"), QStringLiteral("Server")).value(QLatin1String(kGeometryKey)).toByteArray();
}

void keepGeometry(const QByteArray &geometry)
{
    QSettings(QStringLiteral("VoiceNotify"), QStringLiteral("Server")).setValue(QLatin1String(kGeometryKey), geometry);
}

// Readable on a screen of 1280 x 800: every visible column and status panel whole.
constexpr QSize kDefaultSize(1264, 760);

// Columns of a channel row: the caption, four visible texts, then the task's further texts.
constexpr int kVisibleColumns = 5;
constexpr int kColumns = 13;
constexpr int kMemoLines = 1000;

QIcon rowIcon(RowImage image)
{
    static const QColor colours[] = {QColor(150, 150, 150), QColor(220, 60, 40), QColor(40, 170, 60)};
    QPixmap pixmap(16, 16);
    pixmap.fill(Qt::transparent);
    QPainter p(&pixmap);
    p.setRenderHint(QPainter::Antialiasing);
    p.setBrush(colours[static_cast<int>(image)]);
    p.setPen(Qt::NoPen);
    p.drawEllipse(2, 2, 12, 12);
    return QIcon(pixmap);
}

} // namespace

TFrmServer::TFrmServer(const QString &programDir, Board &board, Clock &clock, Dialogs &dialogs, QWidget *parent)
    : QMainWindow(parent), m_clock(clock), m_dialogs(dialogs), m_service(programDir.toStdString(), board, *this, clock, dialogs),
      m_timers(new ServiceTimers(m_service, this))
{
    setObjectName(QStringLiteral("FrmServer"));
    setWindowTitle(QStringLiteral("自动语音通知系统"));
    buildMenus();
    buildToolBar();
    buildCentre();
    buildStatusBar();
    resize(kDefaultSize.boundedTo(screen() ? screen()->availableGeometry().size() : kDefaultSize));
}

void TFrmServer::showAtStart()
{
    // The size and place of the last run, else maximised over the default size.
    const QByteArray geometry = savedGeometry();
    if (!geometry.isEmpty() && restoreGeometry(geometry))
        show();
    else
        showMaximized();
}

TFrmServer::~TFrmServer() = default;

TFrmServer::Opener TFrmServer::openerOf(std::string_view control)
{
    static const std::pair<std::string_view, Opener> openers[] = {
        {"btDataQuery", &TFrmServer::btDataQueryClick},
        {"MenuDataQuery", &TFrmServer::MenuDataQueryClick},
        {"tbDataQuery", &TFrmServer::MenuDataQueryClick},
        {"Button2", &TFrmServer::Button2Click},
        {"ToolButton3", &TFrmServer::Button2Click},
        {"btDataDelete", &TFrmServer::btDataDeleteClick},
        {"MenuDataDelete", &TFrmServer::btDataDeleteClick},
        {"tbDataDelete", &TFrmServer::btDataDeleteClick},
        {"Button3", &TFrmServer::Button3Click},
        {"Button1", &TFrmServer::menuParaSetClick},
        {"menuParaSet", &TFrmServer::menuParaSetClick},
        {"ToolButton5", &TFrmServer::menuParaSetClick},
        {"MenuAbout", &TFrmServer::MenuAboutClick},
        {"ToolButton8", &TFrmServer::MenuAboutClick},
    };
    for (const auto &[name, opener] : openers)
        if (name == control)
            return opener;
    return nullptr;
}

void TFrmServer::wireOpener(QAction *action)
{
    // An opener stays disabled until its window exists.
    const Opener opener = openerOf(action->objectName().toStdString());
    action->setEnabled(opener != nullptr);
    if (opener)
        connect(action, &QAction::triggered, this, opener);
}

void TFrmServer::buildMenus()
{
    const auto item = [this](QMenu *menu, const char *name, const QString &text) {
        QAction *a = menu->addAction(text);
        a->setObjectName(QLatin1String(name));
        wireOpener(a);
        return a;
    };
    QMenu *file = menuBar()->addMenu(QStringLiteral("文件(&F)"));
    item(file, "menuParaSet", QStringLiteral("参数设置"));
    file->addSeparator();
    QAction *exit = file->addAction(QStringLiteral("退出(&X)"));
    exit->setObjectName(QStringLiteral("X1"));
    connect(exit, &QAction::triggered, this, &QWidget::close);
    QMenu *data = menuBar()->addMenu(QStringLiteral("数据(&D)"));
    item(data, "MenuDataQuery", QStringLiteral("外呼管理"));
    data->addSeparator();
    item(data, "MenuDataDelete", QStringLiteral("数据删除"));
    QMenu *help = menuBar()->addMenu(QStringLiteral("帮助(&H)"));
    item(help, "MenuAbout", QStringLiteral("关于"));
}

void TFrmServer::buildToolBar()
{
    QToolBar *bar = addToolBar(QStringLiteral("工具栏"));
    bar->setObjectName(QStringLiteral("ToolBar1"));
    bar->setMovable(false);
    const auto button = [this, bar](const char *name, const QString &text, QStyle::StandardPixmap icon) {
        QAction *a = bar->addAction(style()->standardIcon(icon), text);
        a->setObjectName(QLatin1String(name));
        a->setToolTip(text);
        return a;
    };
    m_tbStartServer = button("tbStartServer", QStringLiteral("启动服务"), QStyle::SP_MediaPlay);
    connect(m_tbStartServer, &QAction::triggered, this, &TFrmServer::tbStartServerClick);
    m_tbStopServer = button("tbStopServer", QStringLiteral("暂停服务"), QStyle::SP_MediaPause);
    m_tbStopServer->setEnabled(false);
    connect(m_tbStopServer, &QAction::triggered, this, &TFrmServer::tbStopServerClick);

    m_popMenuChannel = new QMenu(this);
    m_popMenuChannel->setObjectName(QStringLiteral("PopMenuChannel"));
    auto *hangup = new QToolButton(bar);
    hangup->setObjectName(QStringLiteral("ToolButton4"));
    hangup->setToolTip(QStringLiteral("线路挂机"));
    hangup->setText(QStringLiteral("线路挂机"));
    hangup->setIcon(style()->standardIcon(QStyle::SP_DialogCancelButton));
    hangup->setMenu(m_popMenuChannel);
    hangup->setPopupMode(QToolButton::MenuButtonPopup);
    bar->addWidget(hangup);

    const struct
    {
        const char *name;
        QString text;
        QStyle::StandardPixmap icon;
    } openers[] = {
        {"tbDataQuery", QStringLiteral("外呼管理"), QStyle::SP_FileDialogDetailedView},
        {"ToolButton3", QStringLiteral("数据统计"), QStyle::SP_FileDialogInfoView},
        {"tbDataDelete", QStringLiteral("数据删除"), QStyle::SP_TrashIcon},
        {"ToolButton5", QStringLiteral("参数设置"), QStyle::SP_FileDialogContentsView},
        {"ToolButton8", QStringLiteral("关于"), QStyle::SP_MessageBoxInformation},
    };
    for (const auto &o : openers)
        wireOpener(button(o.name, o.text, o.icon));
    QAction *exit = button("ToolButton6", QStringLiteral("退出"), QStyle::SP_DialogCloseButton);
    connect(exit, &QAction::triggered, this, &QWidget::close);
}

QTreeWidget *TFrmServer::makeChannelList(const char *name)
{
    auto *list = new QTreeWidget;
    list->setObjectName(QLatin1String(name));
    list->setColumnCount(kColumns);
    list->setHeaderLabels({QStringLiteral("线路开关"), QStringLiteral("线路状态"), QStringLiteral("通知电话"),
                           QStringLiteral("通知时间"), QStringLiteral("按键信息")});
    for (int c = kVisibleColumns; c < kColumns; ++c)
        list->setColumnHidden(c, true);
    list->setRootIsDecorated(false);
    list->setUniformRowHeights(true);
    list->setAlternatingRowColors(true);
    // Each column as wide as its header or its longest usual text, whichever is wider: the first
    // column also holds the check box and the image, the number column a number with a long prefix.
    // The keys take what is left.
    const QFontMetrics fm(list->font());
    const auto width = [&fm](const char *text) { return fm.horizontalAdvance(QString::fromUtf8(text)); };
    constexpr int kPadding = 24;
    constexpr int kBoxAndImage = 44;
    list->header()->resizeSection(0, std::max(width("线路开关"), width("48") + kBoxAndImage) + kPadding);
    list->header()->resizeSection(1, std::max(width("线路状态"), width("转人工接听")) + kPadding);
    list->header()->resizeSection(2, std::max(width("通知电话"), width("017913800000000")) + kPadding);
    list->header()->resizeSection(3, std::max(width("通知时间"), width("2026-12-10 23:59:59")) + kPadding);
    list->header()->setMinimumSectionSize(width("按键信息") + kPadding);
    list->header()->setStretchLastSection(false);
    list->header()->setSectionResizeMode(4, QHeaderView::Stretch);
    // A click on a row's check box switches the channel in or out of service.
    connect(list, &QTreeWidget::itemChanged, this, [this, list](QTreeWidgetItem *item, int column) {
        if (column != 0)
            return;
        const bool ticked = item->checkState(0) == Qt::Checked;
        if (!engine().SetChannelInService(item->text(0).toInt() - 1, ticked)) {
            const QSignalBlocker blocker(list);
            item->setCheckState(0, ticked ? Qt::Unchecked : Qt::Checked);
        }
    });
    return list;
}

void TFrmServer::buildCentre()
{
    auto *side = new QWidget;
    side->setObjectName(QStringLiteral("SidePanel"));
    auto *sideLayout = new QVBoxLayout(side);
    auto *title = new QLabel(QStringLiteral("功能面板"));
    title->setAlignment(Qt::AlignCenter);
    sideLayout->addWidget(title);
    const std::pair<const char *, QString> buttons[] = {
        {"btDataQuery", QStringLiteral("外呼管理")}, {"Button2", QStringLiteral("数据统计")},
        {"btDataDelete", QStringLiteral("数据删除")}, {"Button3", QStringLiteral("黑名单")},
        {"Button1", QStringLiteral("参数设置")},
    };
    for (const auto &[name, text] : buttons) {
        auto *b = new QPushButton(text);
        b->setObjectName(QLatin1String(name));
        const Opener opener = openerOf(name);
        b->setEnabled(opener != nullptr);
        if (opener)
            connect(b, &QPushButton::clicked, this, opener);
        sideLayout->addWidget(b);
    }
    sideLayout->addStretch();

    m_trunkList = makeChannelList("LVTrunkChannel");
    m_slicList = makeChannelList("LVSlicChannel");
    auto *lists = new QSplitter(Qt::Vertical);
    lists->addWidget(m_trunkList);
    lists->addWidget(m_slicList);
    lists->setStretchFactor(0, 3);
    lists->setStretchFactor(1, 1);

    m_memo = new QPlainTextEdit;
    m_memo->setObjectName(QStringLiteral("lvSlicInfo"));
    m_memo->setReadOnly(true);
    m_memo->setVerticalScrollBarPolicy(Qt::ScrollBarAlwaysOn);
    // A transfer line of the memo fits on one line of its own.
    m_memo->setLineWrapMode(QPlainTextEdit::NoWrap);
    m_memo->setMinimumWidth(QFontMetrics(m_memo->font())
                                .horizontalAdvance(QStringLiteral("外线01-座席10 时间:03/07 09:05 电话:13800000000")) +
                            m_memo->verticalScrollBar()->sizeHint().width() + 16);

    auto *centre = new QSplitter(Qt::Horizontal);
    centre->addWidget(side);
    centre->addWidget(lists);
    centre->addWidget(m_memo);
    centre->setStretchFactor(1, 4);
    centre->setStretchFactor(2, 1);
    centre->setCollapsible(1, false);
    centre->setCollapsible(2, false);
    // The lists get every visible column whole; the memo and the side bar their own widths.
    int listWidth = m_trunkList->frameWidth() * 2 + m_trunkList->verticalScrollBar()->sizeHint().width();
    for (int c = 0; c < kVisibleColumns; ++c)
        listWidth += m_trunkList->header()->sectionSize(c);
    m_trunkList->setMinimumWidth(listWidth);
    m_slicList->setMinimumWidth(listWidth);
    centre->setSizes({side->sizeHint().width(), listWidth, m_memo->minimumWidth()});
    setCentralWidget(centre);
}

void TFrmServer::buildStatusBar()
{
    QStatusBar *bar = statusBar();
    bar->setObjectName(QStringLiteral("SysStatus"));
    const char *labels[16] = {nullptr, "通知成功：", nullptr, "通知失败：", nullptr, "未通知：", nullptr,
                              "正在通知：", nullptr, "正在放音：", nullptr, "转人工：", nullptr, "转人工接听：",
                              nullptr, nullptr};
    // The panels that change keep the width of their widest text, so that the bar does not jump.
    const QFontMetrics fm(bar->font());
    const auto widest = [&fm](int panel) {
        if (panel == 0)
            return fm.horizontalAdvance(QStringLiteral("语音服务已经暂停"));
        if (panel == 15)
            return fm.horizontalAdvance(QStringLiteral("2026-12-10 23:59:59"));
        return fm.horizontalAdvance(QStringLiteral("0000"));
    };
    for (int i = 0; i < 16; ++i) {
        auto *panel = new QLabel(labels[i] ? QString::fromUtf8(labels[i]) : QString());
        panel->setObjectName(QStringLiteral("SysStatusPanel%1").arg(i));
        if (!labels[i])
            panel->setMinimumWidth(widest(i) + 4);
        m_panels[static_cast<std::size_t>(i)] = panel;
        bar->addWidget(panel, i == 0 ? 2 : 0);
    }
}

QTreeWidget *TFrmServer::listOf(ChannelList list) const
{
    return list == ChannelList::Trunk ? m_trunkList : m_slicList;
}

int TFrmServer::addChannelRow(ChannelList list, std::string_view caption, bool inService)
{
    const QSignalBlocker blocker(listOf(list));
    auto *item = new QTreeWidgetItem(listOf(list), {qs(caption)});
    item->setFlags(item->flags() | Qt::ItemIsUserCheckable);
    item->setCheckState(0, inService ? Qt::Checked : Qt::Unchecked);
    item->setIcon(0, rowIcon(inService ? RowImage::Idle : RowImage::Closed));
    return listOf(list)->indexOfTopLevelItem(item);
}

void TFrmServer::setChannelRow(ChannelList list, int row, RowImage image, const std::vector<std::string> &texts)
{
    QTreeWidgetItem *item = listOf(list)->topLevelItem(row);
    if (!item)
        return;
    const QSignalBlocker blocker(listOf(list));
    item->setIcon(0, rowIcon(image));
    for (int c = 1; c < kColumns; ++c) {
        const auto i = static_cast<std::size_t>(c - 1);
        item->setText(c, i < texts.size() ? qs(texts[i]) : QString());
    }
}

void TFrmServer::setRowImage(ChannelList list, int row, RowImage image)
{
    const QSignalBlocker blocker(listOf(list));
    if (QTreeWidgetItem *item = listOf(list)->topLevelItem(row))
        item->setIcon(0, rowIcon(image));
}

void TFrmServer::setRowText(ChannelList list, int row, int column, std::string_view text)
{
    const QSignalBlocker blocker(listOf(list));
    if (QTreeWidgetItem *item = listOf(list)->topLevelItem(row); item && column > 0 && column < kColumns)
        item->setText(column, qs(text));
}

void TFrmServer::setRowChecked(ChannelList list, int row, bool checked)
{
    const QSignalBlocker blocker(listOf(list));
    if (QTreeWidgetItem *item = listOf(list)->topLevelItem(row))
        item->setCheckState(0, checked ? Qt::Checked : Qt::Unchecked);
}

void TFrmServer::addHangupMenuItem(std::string_view caption, std::string_view name)
{
    QAction *a = m_popMenuChannel->addAction(qs(caption));
    a->setObjectName(qs(name));
    connect(a, &QAction::triggered, this, [this, a] { engine().HangupMenuClick(a->objectName().toStdString()); });
}

void TFrmServer::setStatusPanel(int panel, std::string_view text)
{
    if (panel >= 0 && panel < 16)
        m_panels[static_cast<std::size_t>(panel)]->setText(qs(text));
}

void TFrmServer::addMemoLine(std::string_view text)
{
    QTextDocument *doc = m_memo->document();
    if (doc->blockCount() >= kMemoLines && !doc->isEmpty()) {
        QTextCursor cursor(doc->firstBlock());
        cursor.select(QTextCursor::BlockUnderCursor);
        cursor.movePosition(QTextCursor::NextCharacter, QTextCursor::KeepAnchor);
        cursor.removeSelectedText();
    }
    m_memo->appendPlainText(qs(text));
}

void TFrmServer::showEvent(QShowEvent *event)
{
    QMainWindow::showEvent(event);
    if (!m_shown) {
        m_shown = true;
        // After the window is on screen, so that the operator sees it while the board starts.
        QTimer::singleShot(0, this, [this] { FormShow(); });
    }
}

QTimer *TFrmServer::statusTimer() const
{
    return m_timers->statusTimer();
}

QTimer *TFrmServer::systemTimer() const
{
    return m_timers->systemTimer();
}

QTimer *TFrmServer::noticeStatusTimer() const
{
    return m_timers->noticeStatusTimer();
}

bool TFrmServer::FormShow()
{
    m_shown = true;
    const bool started = m_service.start();
    if (m_service.settingsLoaded())
        setWindowTitle(QString::fromStdString(m_service.settings().Title));
    m_timers->sync();
    if (started) {
        m_tbStartServer->setEnabled(false);
        m_tbStopServer->setEnabled(true);
    }
    return started;
}

void TFrmServer::openAdNotice(QPoint place)
{
    TFrmAdNotice window(m_service.dataModule(), m_clock, m_dialogs, this);
    // A notice recorded there and saved under the notice file's name is what the next call plays.
    if (m_service.settingsLoaded())
        window.promptEditor().setNoticeFile(QString::fromStdString(m_service.settings().AdNotice));
    window.move(place);
    window.exec();
}

void TFrmServer::btDataQueryClick()
{
    openAdNotice({131, 80});
}

void TFrmServer::MenuDataQueryClick()
{
    openAdNotice({131, 102});
}

void TFrmServer::Button2Click()
{
    TFrmDataStat window(m_service.dataModule(), m_clock, m_dialogs, this);
    window.move(131, 102);
    window.exec();
}

void TFrmServer::btDataDeleteClick()
{
    TFrmDataDelete window(m_service.dataModule(), m_clock, m_dialogs, this);
    window.move(327, 235);
    window.exec();
}

void TFrmServer::Button3Click()
{
    TFrmForbidTel window(m_service.dataModule(), m_clock, m_dialogs);
    window.move(131, 102);
    window.exec();
}

void TFrmServer::menuParaSetClick()
{
    TFormParmSet dialog(m_service, this);
    if (!dialog.FormShow())
        return;
    dialog.move(200, 200);
    dialog.exec();
}

void TFrmServer::MenuAboutClick()
{
    TFrmAbout about(m_service.settings(), this);
    about.move(131, 102);
    about.exec();
}

void TFrmServer::activate()
{
    if (isMinimized())
        showNormal();
    raise();
    activateWindow();
}

bool TFrmServer::serviceRunning() const
{
    return m_timers->systemTimer()->isActive();
}

void TFrmServer::tbStopServerClick()
{
    m_tbStopServer->setEnabled(false);
    m_service.pause();
    m_timers->sync();
    m_tbStartServer->setEnabled(true);
}

void TFrmServer::tbStartServerClick()
{
    m_service.resume();
    m_timers->sync();
    m_tbStopServer->setEnabled(true);
    m_tbStartServer->setEnabled(false);
}

void TFrmServer::closeConfirmed()
{
    m_confirmed = true;
    if (!m_closing && FormClose()) {
        m_closing = true;
        close();
    }
}

bool TFrmServer::FormClose()
{
    if (!m_confirmed &&
        m_dialogs.show("系统提示", "是否真的退出自动语音通知系统？", DialogIcon::Question, DialogButtons::YesNo,
                       DialogAnswer::No) != DialogAnswer::Yes)
        return false;
    m_service.shutdown();
    m_timers->sync();
    return true;
}

void TFrmServer::closeEvent(QCloseEvent *event)
{
    if (m_closing || FormClose()) {
        m_closing = true;
        if (isVisible())
            keepGeometry(saveGeometry());
        event->accept();
    } else {
        event->ignore();
    }
}

} // namespace server
