// The management window: its query page with the actions on the tasks found, and its import page.
#include "server/ui/FrmAdNotice.h"

#include "server/audio/PromptEditor.h"
#include "server/audio/TAudioEditor.h"
#include "server/data/AdNoticeQuery.h"
#include "server/data/TDM.h"
#include "server/data/TaskImport.h"
#include "server/engine/Clock.h"
#include "server/settings/Dialogs.h"
#include "server/ui/AdNoticeDialogs.h"
#include "server/ui/DBGridEhToExcel.h"
#include "server/ui/WaitCursor.h"
#include "server/workbook/Reader.h"

#include "common/DateTime.h"
#include "common/Gbk.h"

#include <QApplication>
#include <QComboBox>
#include <QDateEdit>
#include <QElapsedTimer>
#include <QFile>
#include <QFileDialog>
#include <QFileInfo>
#include <QGridLayout>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QMenu>
#include <QProgressBar>
#include <QPushButton>
#include <QRegularExpressionValidator>
#include <QStatusBar>
#include <QTabWidget>
#include <QVBoxLayout>

namespace server {

namespace {

QPushButton *button(const char *name, const QString &text)
{
    auto *b = new QPushButton(text);
    b->setObjectName(QLatin1String(name));
    return b;
}


QString qs(std::string_view utf8)
{
    return QString::fromUtf8(utf8.data(), static_cast<qsizetype>(utf8.size()));
}

QString fileDialog(QWidget *parent, bool save, const QString &filters, QString *chosen)
{
    return save ? QFileDialog::getSaveFileName(parent, {}, {}, filters, chosen)
                : QFileDialog::getOpenFileName(parent, {}, {}, filters, chosen);
}

} // namespace

TFrmAdNotice::TFrmAdNotice(TDM &dm, const Clock &clock, Dialogs &dialogs, QWidget *parent)
    : QDialog(parent), m_dm(dm), m_clock(clock), m_dialogs(dialogs)
{
    setObjectName(QStringLiteral("FrmAdNotice"));
    setWindowTitle(QStringLiteral("语音外呼"));
    setWindowFlag(Qt::WindowContextHelpButtonHint, false);
    setWindowFlag(Qt::WindowMaximizeButtonHint, true);
    m_chooseOpen = [this](const QString &filters, QString *chosen) { return fileDialog(this, false, filters, chosen); };
    m_chooseSave = [this](const QString &filters, QString *chosen) { return fileDialog(this, true, filters, chosen); };

    m_pages = new QTabWidget;
    m_pages->setObjectName(QStringLiteral("PageControl"));
    auto *queryPage = new QWidget;
    auto *importPage = new QWidget;
    buildQueryPage(queryPage);
    buildImportPage(importPage);
    m_pages->addTab(queryPage, QStringLiteral("数据查询"));
    m_pages->addTab(importPage, QStringLiteral("数据导入"));
    // The import page shows what still waits: tasks dialled meanwhile drop out when it is shown.
    connect(m_pages, &QTabWidget::currentChanged, this, [this](int page) {
        if (page == 1 && m_importGrid->isOpen())
            m_importGrid->requery();
    });
    auto *layout = new QVBoxLayout(this);
    layout->addWidget(m_pages);
    resize(1180, 720);
    reopenImportGrid();
}

TFrmAdNotice::~TFrmAdNotice()
{
    m_queryGrid->closeQuery();
    m_importGrid->closeQuery();
}

void TFrmAdNotice::buildQueryPage(QWidget *page)
{
    const QDate today = QDate::fromString(qs(common::formatDateTime("yyyy-mm-dd", m_clock.now())), Qt::ISODate);
    const auto day = [&today](const char *name) {
        auto *d = new QDateEdit(today);
        d->setObjectName(QLatin1String(name));
        d->setDisplayFormat(QStringLiteral("yyyy-MM-dd"));
        d->setCalendarPopup(true);
        return d;
    };
    m_startDay = day("dtStart");
    m_endDay = day("dtEnd");
    m_status = new QComboBox;
    m_status->setObjectName(QStringLiteral("cbStatus"));
    m_status->addItems({QStringLiteral("0-未通知"), QStringLiteral("1-正在通知"), QStringLiteral("2-通知成功"),
                        QStringLiteral("3-通知失败"), QStringLiteral("4-转人工"), QStringLiteral("5-转人工接听"),
                        QStringLiteral("8-正在放音"), QStringLiteral("9-暂停通知"), QString()});
    m_status->setCurrentIndex(-1);
    m_number = new QLineEdit;
    m_number->setObjectName(QStringLiteral("edTelphone"));
    m_agentChannel = new QLineEdit;
    m_agentChannel->setObjectName(QStringLiteral("edSlicCh"));
    m_agentChannel->setValidator(
        new QRegularExpressionValidator(QRegularExpression(QStringLiteral("[0-9]*")), m_agentChannel));
    m_clientType = new QComboBox;
    m_clientType->setObjectName(QStringLiteral("cbClientType"));
    m_clientType->addItems({QString(), QStringLiteral("无意向"), QStringLiteral("有意向"), QStringLiteral("成交")});
    m_keys = new QLineEdit;
    m_keys->setObjectName(QStringLiteral("edPressInfo"));

    auto *conditions = new QGroupBox(QStringLiteral("查询条件"));
    auto *grid = new QGridLayout(conditions);
    const auto put = [grid](int row, int column, const QString &label, QWidget *control) {
        grid->addWidget(new QLabel(label), row, column * 2, Qt::AlignRight);
        grid->addWidget(control, row, column * 2 + 1);
    };
    put(0, 0, QStringLiteral("起始日期："), m_startDay);
    put(0, 1, QStringLiteral("终止日期："), m_endDay);
    put(0, 2, QStringLiteral("通知状态："), m_status);
    put(1, 0, QStringLiteral("电话号码："), m_number);
    put(1, 1, QStringLiteral("座席通道："), m_agentChannel);
    put(1, 2, QStringLiteral("客户类型："), m_clientType);
    put(1, 3, QStringLiteral("按键："), m_keys);
    QPushButton *query = button("btQuery", QStringLiteral("查询(&Q)"));
    QPushButton *modify = button("btModify", QStringLiteral("修改(&M)"));
    QPushButton *exportButton = button("btExport", QStringLiteral("导出(&O)"));
    QPushButton *back = button("btReturn", QStringLiteral("返回(&R)"));
    connect(query, &QPushButton::clicked, this, &TFrmAdNotice::btQueryClick);
    connect(modify, &QPushButton::clicked, this, &TFrmAdNotice::btModifyClick);
    connect(exportButton, &QPushButton::clicked, this, &TFrmAdNotice::btExportClick);
    connect(back, &QPushButton::clicked, this, &QDialog::reject);
    auto *buttons = new QHBoxLayout;
    for (QPushButton *b : {query, modify, exportButton, back})
        buttons->addWidget(b);
    grid->addLayout(buttons, 0, 6, 1, 2);

    // The counts of the last query without a status, left to right: 4, 5, 2, 3; then its rows.
    auto *info = new QHBoxLayout;
    const char *countNames[] = {"lbToAgent", "lbAgentAnswered", "lbNotified", "lbFailed"};
    for (std::size_t i = 0; i < m_counts.size(); ++i) {
        m_counts[i] = new QLabel;
        m_counts[i]->setObjectName(QLatin1String(countNames[i]));
        m_counts[i]->setStyleSheet(QStringLiteral("color: blue"));
        m_counts[i]->setMinimumWidth(fontMetrics().horizontalAdvance(QStringLiteral("转人工接听：000000")));
        info->addWidget(m_counts[i]);
    }
    info->addStretch();
    // The rows handed to the workbook so far, while an export runs, and its Cancel.
    m_exportProgress = new QProgressBar;
    m_exportProgress->setObjectName(QStringLiteral("ExportProgress"));
    m_exportProgress->setVisible(false);
    m_exportCancel = button("btExportCancel", QStringLiteral("取消"));
    m_exportCancel->setVisible(false);
    info->addWidget(m_exportProgress);
    info->addWidget(m_exportCancel);
    info->addWidget(new QLabel(QStringLiteral("记录数：")));
    m_recordCount = new QLabel;
    m_recordCount->setObjectName(QStringLiteral("lbRecordCount"));
    m_recordCount->setStyleSheet(QStringLiteral("color: red"));
    info->addWidget(m_recordCount);

    m_queryGrid = new TDBGridEhToExcel;
    m_queryGrid->setObjectName(QStringLiteral("DBGridQuery"));
    m_queryGrid->setColumns({{QStringLiteral("姓名"), QStringLiteral("Name")},
                             {QStringLiteral("电话号码"), QStringLiteral("Telphone")},
                             {QStringLiteral("客户类型"), QStringLiteral("ClientType")},
                             {QStringLiteral("通话总时长(秒)"), QStringLiteral("ResultTotalTime")},
                             {QStringLiteral("通知状态"), QStringLiteral("DescStatus")},
                             {QStringLiteral("公司名称"), QStringLiteral("CompanyName")},
                             {QStringLiteral("地址"), QStringLiteral("HomeAddr")},
                             {QStringLiteral("备注"), QStringLiteral("Remark")},
                             {QStringLiteral("按键"), QStringLiteral("PressInfo")},
                             {QStringLiteral("失败原因"), QStringLiteral("FailCause")},
                             {QStringLiteral("实际通知时间"), QStringLiteral("FactNotice")},
                             {QStringLiteral("计划通知时间"), QStringLiteral("PlanNotice")},
                             {QStringLiteral("插入日期"), QStringLiteral("InsertDate")},
                             {QStringLiteral("通知次数"), QStringLiteral("NoticeTimes")},
                             {QStringLiteral("通知成功次数"), QStringLiteral("SuccTimes")},
                             {QStringLiteral("开始通话时间"), QStringLiteral("StartBill")},
                             {QStringLiteral("结束通话时间"), QStringLiteral("FinishBill")},
                             {QStringLiteral("外线通道号"), QStringLiteral("TrunkCh")},
                             {QStringLiteral("座席通道号"), QStringLiteral("SlicCh")},
                             {QStringLiteral("录音文件"), QStringLiteral("RecordFile")}});
    m_queryGrid->ProgressBar = m_exportProgress;
    connect(m_exportCancel, &QPushButton::clicked, this, [this] { m_queryGrid->Terminated = true; });
    m_queryGrid->setContextMenuPolicy(Qt::CustomContextMenu);
    m_gridMenu = new QMenu(this);
    m_gridMenu->setObjectName(QStringLiteral("PopupMenuGrid"));
    const std::pair<const char *, void (TFrmAdNotice::*)()> items[] = {
        {"删除当前记录", &TFrmAdNotice::DeleteCurrentClick},
        {"删除全部记录", &TFrmAdNotice::DeleteAllClick},
        {nullptr, nullptr},
        {"当前记录重新通知", &TFrmAdNotice::RenotifyCurrentClick},
        {"全部记录重新通知", &TFrmAdNotice::RenotifyAllClick},
        {nullptr, nullptr},
        {"全部记录暂停通知", &TFrmAdNotice::PauseAllClick},
        {nullptr, nullptr},
        {"添加备注", &TFrmAdNotice::AddRemarkClick},
        {nullptr, nullptr},
        {"播放录音文件", &TFrmAdNotice::PlayRecordClick},
    };
    for (const auto &[text, handler] : items) {
        if (!text)
            m_gridMenu->addSeparator();
        else
            connect(m_gridMenu->addAction(QString::fromUtf8(text)), &QAction::triggered, this, handler);
    }
    connect(m_queryGrid, &QWidget::customContextMenuRequested, this,
            [this](const QPoint &at) { m_gridMenu->popup(m_queryGrid->viewport()->mapToGlobal(at)); });

    // The prompt editor, which records and plays the notice and the recordings of calls.
    m_promptEditor = new audio::PromptEditor(m_dialogs);
    m_promptEditor->setMinimumHeight(180);

    auto *layout = new QVBoxLayout(page);
    layout->addWidget(conditions);
    layout->addLayout(info);
    layout->addWidget(m_queryGrid, 1);
    layout->addWidget(m_promptEditor);
}

void TFrmAdNotice::buildImportPage(QWidget *page)
{
    m_importGrid = new TDBGridEhToExcel;
    m_importGrid->setObjectName(QStringLiteral("DBGridImport"));
    m_importGrid->setColumns({{QStringLiteral("姓名"), QStringLiteral("Name")},
                              {QStringLiteral("电话号码"), QStringLiteral("Telphone")},
                              {QStringLiteral("计划通知时间"), QStringLiteral("PlanNotice")},
                              {QStringLiteral("通知状态"), QStringLiteral("DescStatus")},
                              {QStringLiteral("插入日期"), QStringLiteral("InsertDate")}});
    QPushButton *add = button("btAdd", QStringLiteral("新增(&A)"));
    QPushButton *import = button("btImport", QStringLiteral("导入(&I)"));
    QPushButton *back = button("btImportReturn", QStringLiteral("返回(&R)"));
    connect(add, &QPushButton::clicked, this, &TFrmAdNotice::btAddClick);
    connect(import, &QPushButton::clicked, this, &TFrmAdNotice::btImportClick);
    connect(back, &QPushButton::clicked, this, &QDialog::reject);
    auto *buttons = new QHBoxLayout;
    buttons->addStretch();
    for (QPushButton *b : {add, import, back})
        buttons->addWidget(b);

    m_importBar = new QStatusBar;
    m_importBar->setObjectName(QStringLiteral("StatusBarImport"));
    m_importBar->setSizeGripEnabled(false);
    for (std::size_t i = 0; i < m_importPanels.size(); ++i) {
        m_importPanels[i] = new QLabel(i == 1 ? QStringLiteral("导入记录数：") : QString());
        m_importPanels[i]->setObjectName(QStringLiteral("ImportPanel%1").arg(i));
        m_importBar->addWidget(m_importPanels[i], i == 0 ? 1 : 0);
    }
    m_importPanels[0]->setMinimumWidth(fontMetrics().horizontalAdvance(QStringLiteral("正在导入数据，请稍候...")));
    m_importPanels[2]->setMinimumWidth(fontMetrics().horizontalAdvance(QStringLiteral("000000")));
    // The rows done of a running import, and its Cancel.
    m_importProgress = new QProgressBar;
    m_importProgress->setObjectName(QStringLiteral("ImportProgress"));
    m_importProgress->setVisible(false);
    m_importCancel = button("btImportCancel", QStringLiteral("取消"));
    m_importCancel->setVisible(false);
    connect(m_importCancel, &QPushButton::clicked, this, [this] { m_importCancelled = true; });
    m_importBar->addPermanentWidget(m_importProgress);
    m_importBar->addPermanentWidget(m_importCancel);

    auto *layout = new QVBoxLayout(page);
    layout->addWidget(m_importGrid, 1);
    layout->addLayout(buttons);
    layout->addWidget(m_importBar);
}

QString TFrmAdNotice::now() const
{
    return qs(common::formatDateTime("yyyy-mm-dd hh:mm:ss", m_clock.now()));
}

void TFrmAdNotice::btQueryClick()
{
    const AdNoticeFilter filter{m_startDay->date().toString(QStringLiteral("yyyy-MM-dd")),
                                m_endDay->date().toString(QStringLiteral("yyyy-MM-dd")),
                                m_status->currentText(),
                                m_number->text(),
                                m_agentChannel->text(),
                                m_clientType->currentText(),
                                m_keys->text()};
    const std::optional<QString> condition = adNoticeCondition(filter);
    if (!condition) {
        m_dialogs.show("提示", "起始时间不能大于终止时间!", DialogIcon::Error);
        return;
    }
    m_condition = *condition;
    const WaitCursor wait;
    m_queryGrid->setUpdatesEnabled(false);
    m_queryGrid->closeQuery();
    if (m_queryGrid->openQuery(m_dm, QStringLiteral("AdNotice"), m_condition, QStringLiteral("FactNotice DESC"))) {
        const qlonglong rows = adNoticeRowCount(m_dm, m_condition);
        m_recordCount->setText(rows < 0 ? QString() : QString::number(rows));
    }
    const char *labels[] = {"转人工：", "转人工接听：", "通知成功：", "通知失败："};
    const auto counts = filter.status.left(1).trimmed().isEmpty() ? adNoticeCounts(m_dm, m_condition) : std::nullopt;
    for (std::size_t i = 0; i < m_counts.size(); ++i)
        m_counts[i]->setText(counts ? QString::fromUtf8(labels[i]) + QString::number((*counts)[i]) : QString());
    m_queryGrid->setUpdatesEnabled(true);
}

bool TFrmAdNotice::hasRows()
{
    return m_queryGrid->isOpen() && m_queryGrid->model()->rowCount() > 0;
}

QVariant TFrmAdNotice::currentId()
{
    const int row = std::max(m_queryGrid->currentRecord(), 0);
    return m_queryGrid->fieldValue(row, QStringLiteral("ID"));
}

bool TFrmAdNotice::confirmed(const char *question)
{
    return hasRows() && m_dialogs.show("提示", question, DialogIcon::Information, DialogButtons::YesNo,
                                       DialogAnswer::Yes) == DialogAnswer::Yes;
}

void TFrmAdNotice::changeRows(const char *question, const std::function<void()> &change)
{
    if (!confirmed(question))
        return;
    try {
        change();
    } catch (const DatabaseError &) {
        m_dialogs.show("提示", "修改记录失败！", DialogIcon::Error);
        return;
    }
    m_queryGrid->requery();
    m_dialogs.show("提示", "修改记录成功！", DialogIcon::Information);
}

void TFrmAdNotice::DeleteCurrentClick()
{
    if (!confirmed("确定删除当前记录吗？"))
        return;
    try {
        deleteAdNotice(m_dm, currentId());
        m_queryGrid->requery();
    } catch (const DatabaseError &e) {
        m_dialogs.show("错误", e.what(), DialogIcon::Error);
    }
}

void TFrmAdNotice::DeleteAllClick()
{
    if (!confirmed("确定删除您所查询出来的全部记录吗？"))
        return;
    m_queryGrid->closeQuery();
    try {
        deleteAdNotices(m_dm, m_condition);
    } catch (const DatabaseError &e) {
        m_dialogs.show("错误", e.what(), DialogIcon::Error);
    }
}

void TFrmAdNotice::RenotifyCurrentClick()
{
    changeRows("你所选择的记录需要重新通知吗？", [this] { renotifyAdNotice(m_dm, currentId(), now()); });
}

void TFrmAdNotice::RenotifyAllClick()
{
    changeRows("你所选择的记录需要重新通知吗？", [this] { renotifyAdNotices(m_dm, m_condition, now()); });
}

void TFrmAdNotice::PauseAllClick()
{
    changeRows("你所选择的记录需要暂停拨测吗？", [this] { pauseAdNotices(m_dm, m_condition, now()); });
}

void TFrmAdNotice::AddRemarkClick()
{
    if (!hasRows())
        return;
    const int row = std::max(m_queryGrid->currentRecord(), 0);
    TFrmAddNotes dialog(m_dm, m_dialogs, currentId(),
                        m_queryGrid->fieldValue(row, QStringLiteral("Telphone")).toString(),
                        m_queryGrid->fieldValue(row, QStringLiteral("Name")).toString(),
                        m_queryGrid->fieldValue(row, QStringLiteral("Remark")).toString(), this);
    dialog.exec();
    m_queryGrid->requery();
}

void TFrmAdNotice::btModifyClick()
{
    if (!hasRows())
        return;
    const int row = std::max(m_queryGrid->currentRecord(), 0);
    TFrmModAdNotice dialog(m_dm, m_dialogs, currentId(),
                           m_queryGrid->fieldValue(row, QStringLiteral("Telphone")).toString(), this);
    if (dialog.exec() == QDialog::Accepted)
        m_queryGrid->requery();
}

void TFrmAdNotice::PlayRecordClick()
{
    if (!hasRows())
        return;
    const int row = std::max(m_queryGrid->currentRecord(), 0);
    const QString file = m_queryGrid->fieldValue(row, QStringLiteral("RecordFile")).toString().trimmed();
    if (!file.isEmpty())
        m_promptEditor->LoadAndPlay(file, audio::TAudioEditor::kVoxRecording);
}

void TFrmAdNotice::btExportClick()
{
    if (!m_queryGrid->isOpen())
        return;
    QString chosen;
    const QString excel = QStringLiteral("Microsoft Excel 工作簿(*.xls)");
    const QString file = m_chooseSave(excel + QStringLiteral(";;Text File(*.txt)"), &chosen);
    if (file.isEmpty())
        return;
    if (chosen == excel) {
        // The file name is not used: the operator saves the workbook from the spreadsheet program.
        m_dialogs.show("提示", "导出完成后，请点EXCEL上的保存按钮！", DialogIcon::Information);
        const WaitCursor wait;
        m_queryGrid->Terminated = false;
        m_exportProgress->setVisible(true);
        m_exportCancel->setVisible(true);
        QString error;
        const int exported = m_queryGrid->ExportToExcelWindow({}, nullptr, &error);
        m_exportProgress->setVisible(false);
        m_exportCancel->setVisible(false);
        if (exported < 0)
            m_dialogs.show("错误", error.toStdString(), DialogIcon::Error);
        return;
    }
    // The numbers alone, one per line, from the first row to the last.
    QFile out(file);
    if (!out.open(QIODevice::WriteOnly | QIODevice::Truncate)) {
        m_dialogs.show("错误", "无法写入文件：" + file.toStdString(), DialogIcon::Error);
        return;
    }
    const int rows = m_queryGrid->recordCount();
    for (int row = 0; row < rows; ++row)
        out.write(m_queryGrid->fieldValue(row, QStringLiteral("Telphone")).toString().toUtf8() + "\r\n");
}

void TFrmAdNotice::reopenImportGrid()
{
    m_importGrid->closeQuery();
    m_importGrid->openQuery(m_dm, QStringLiteral("AdNotice"), QStringLiteral("Status=0"));
}

void TFrmAdNotice::btAddClick()
{
    TFrmAddAdNotice dialog(m_dm, m_dialogs, now(), this);
    dialog.exec();
    reopenImportGrid();
}

void TFrmAdNotice::btImportClick()
{
    QString chosen;
    const QString file = m_chooseOpen(QStringLiteral("Microsoft Excel 工作簿(*.xls *.xlsx);;文本文件(*.txt)"), &chosen);
    if (file.isEmpty())
        return;
    const WaitCursor wait;
    m_importPanels[0]->setText(QStringLiteral("正在导入数据，请稍候..."));
    m_importPanels[2]->clear();
    m_importCancelled = false;
    m_importProgress->setVisible(true);
    m_importCancel->setVisible(true);

    ImportOptions options;
    options.now = [this] { return now(); };
    QElapsedTimer shown;
    shown.start();
    options.beforeRow = [this, &shown](int row, const ImportResult &done) {
        // The counts are drawn at most every 50 ms: a repaint per row would cost more than the
        // row itself, and nobody reads faster.
        if (row == 1 || shown.elapsed() >= 50) {
            shown.restart();
            m_importPanels[0]->setText(QString::number(row));
            m_importPanels[2]->setText(QString::number(done.imported + static_cast<int>(done.failures.size())));
            m_importProgress->setValue(row);
        }
        QApplication::processEvents(); // the dialler keeps calling while the rows come in
        return !m_importCancelled;
    };
    // The extension as written: another spelling is not a file the import reads.
    ImportResult result;
    QString error;
    switch (taskFileKind(file)) {
    case TaskFileKind::Text:
        if (const auto lines = readTaskTextFile(file, &error)) {
            m_importProgress->setRange(0, static_cast<int>(lines->size()));
            result = importTextLines(m_dm, *lines, options);
        }
        break;
    case TaskFileKind::Workbook: {
        workbook::Reader reader;
        if (!reader.open(file)) {
            m_dialogs.show("提示", "不能正确操作Excel文件,可能是该文件已被其他程序打开,或系统错误!", DialogIcon::Error);
            break;
        }
        m_importProgress->setRange(0, std::min(reader.rowCount(), kMaxWorkbookRows));
        result = importWorkbookRows(
            m_dm, [&reader](int row, int column) { return reader.text(row, column); }, options);
        break;
    }
    case TaskFileKind::None:
        break;
    }
    m_importProgress->setVisible(false);
    m_importCancel->setVisible(false);
    if (!result.failures.empty()) {
        std::string text = "以下记录未能导入：";
        const std::size_t shown = std::min<std::size_t>(result.failures.size(), 20);
        for (std::size_t i = 0; i < shown; ++i)
            text += "\n第" + std::to_string(result.failures[i].row) + "行：" + result.failures[i].reason.toStdString();
        if (shown < result.failures.size())
            text += "\n……共" + std::to_string(result.failures.size()) + "行";
        m_dialogs.show("提示", text, DialogIcon::Warning);
    }
    m_importPanels[0]->setText(QStringLiteral("记录导入成功"));
    reopenImportGrid();
}

} // namespace server
