// The blacklist window: its editable grid, the tool bar's actions, the workbook import and the export.
#include "server/ui/FrmForbidTel.h"

#include "server/data/Blacklist.h"
#include "server/data/TDM.h"
#include "server/engine/Clock.h"
#include "server/settings/Dialogs.h"
#include "server/ui/DBGridEhToExcel.h"
#include "server/ui/PendingRowModel.h"
#include "server/ui/WaitCursor.h"
#include "server/workbook/Reader.h"
#include "server/workbook/Workbook.h"

#include "common/DateTime.h"

#include <QAction>
#include <QFileDialog>
#include <QHeaderView>
#include <QItemSelectionModel>
#include <QLabel>
#include <QProgressBar>
#include <QPushButton>
#include <QStatusBar>
#include <QStyle>
#include <QToolBar>
#include <QVBoxLayout>

namespace server {

namespace {

constexpr int kTelephone = 0;
constexpr int kInsertDate = 1;

} // namespace

TFrmForbidTel::TFrmForbidTel(TDM &dm, const Clock &clock, Dialogs &dialogs)
    : m_dm(dm), m_clock(clock), m_dialogs(dialogs), m_rows(new PendingRowModel), m_grid(new TDBGridEhToExcel(m_rows))
{
    setObjectName(QStringLiteral("FrmForbidTel"));
    setWindowTitle(QStringLiteral("黑名单设置"));
    m_chooseOpen = [this](const QString &filters) {
        return QFileDialog::getOpenFileName(this, QStringLiteral("数据导入"), {}, filters);
    };
    m_chooseSave = [this](const QString &filters) { return QFileDialog::getSaveFileName(this, {}, {}, filters); };

    auto *bar = m_toolBar = new QToolBar;
    bar->setObjectName(QStringLiteral("ToolBar1"));
    bar->setToolButtonStyle(Qt::ToolButtonTextBesideIcon);
    const struct
    {
        const char *name;
        const char *text;
        QStyle::StandardPixmap icon;
        void (TFrmForbidTel::*handler)();
    } actions[] = {
        {"tbNew", "  新增  ", QStyle::SP_FileIcon, &TFrmForbidTel::tbNewClick},
        {"tbEdit", "修改", QStyle::SP_FileDialogDetailedView, &TFrmForbidTel::tbEditClick},
        {"tbCancel", "取消", QStyle::SP_DialogCancelButton, &TFrmForbidTel::tbCancelClick},
        {"tbDelete", "删除", QStyle::SP_TrashIcon, &TFrmForbidTel::tbDeleteClick},
        {"tbSave", "保存", QStyle::SP_DialogSaveButton, &TFrmForbidTel::tbSaveClick},
        {"tbExit", "退出", QStyle::SP_DialogCloseButton, &TFrmForbidTel::tbExitClick},
        {"tbImport", "导入", QStyle::SP_ArrowDown, &TFrmForbidTel::tbImportClick},
        {"tbExport", "导出", QStyle::SP_ArrowUp, &TFrmForbidTel::tbExportClick},
    };
    for (const auto &a : actions) {
        QAction *action = bar->addAction(style()->standardIcon(a.icon), QString::fromUtf8(a.text));
        action->setObjectName(QLatin1String(a.name));
        connect(action, &QAction::triggered, this, a.handler);
    }

    // The grid is the window's one control that takes the focus.
    m_grid->setObjectName(QStringLiteral("DBGrid1"));
    m_grid->setColumns({{QStringLiteral("禁拨号码"), QStringLiteral("Telephone")},
                        {QStringLiteral("新建日期"), QStringLiteral("InsertDate")}});
    m_rows->setEditableColumns({kTelephone, kInsertDate});
    m_grid->setEditTriggers(QAbstractItemView::DoubleClicked | QAbstractItemView::EditKeyPressed |
                            QAbstractItemView::AnyKeyPressed);
    m_grid->horizontalHeader()->setStretchLastSection(true);

    m_statusBar = new QStatusBar;
    m_statusBar->setObjectName(QStringLiteral("StatusBar1"));
    m_statusBar->setSizeGripEnabled(false);
    m_panel = new QLabel;
    m_panel->setObjectName(QStringLiteral("StatusPanel0"));
    m_panel->setMinimumWidth(fontMetrics().horizontalAdvance(QStringLiteral("正在导入数据，请稍候...")));
    m_statusBar->addWidget(m_panel, 1);
    // The rows done of a running import, and its Cancel.
    m_importProgress = new QProgressBar;
    m_importProgress->setObjectName(QStringLiteral("ImportProgress"));
    m_importProgress->setVisible(false);
    m_importCancel = new QPushButton(QStringLiteral("取消"));
    m_importCancel->setObjectName(QStringLiteral("btImportCancel"));
    m_importCancel->setVisible(false);
    connect(m_importCancel, &QPushButton::clicked, this, [this] { m_importCancelled = true; });
    m_statusBar->addPermanentWidget(m_importProgress);
    m_statusBar->addPermanentWidget(m_importCancel);

    auto *layout = new QVBoxLayout(this);
    layout->setContentsMargins(0, 0, 0, 0);
    layout->setSpacing(0);
    layout->addWidget(bar);
    layout->addWidget(m_grid, 1);
    layout->addWidget(m_statusBar);
    resize(640, 480);

    m_grid->openQuery(m_dm, QStringLiteral("c_blacklist"), QStringLiteral("1=1"));
    m_grid->setColumnWidth(kTelephone, fontMetrics().horizontalAdvance(QStringLiteral("禁拨号码0000000000000")));
    m_panel->setText(QString::number(m_grid->recordCount()));
    // Leaving the pending row for another stores it, as a grid of a data set does.
    connect(
        m_grid->selectionModel(), &QItemSelectionModel::currentRowChanged, this, [this](const QModelIndex &current) {
            if (!m_posting && m_rows->pendingRow() >= 0 && current.isValid() && current.row() != m_rows->pendingRow())
                post();
        });
}

TFrmForbidTel::~TFrmForbidTel()
{
    m_grid->closeQuery();
}

QString TFrmForbidTel::statusText() const
{
    return m_panel->text();
}

QString TFrmForbidTel::now() const
{
    return QString::fromStdString(common::formatDateTime("yyyy-mm-dd hh:mm:ss", m_clock.now()));
}

void TFrmForbidTel::requery(int currentRow)
{
    m_posting = true;
    m_grid->requery();
    const int rows = m_grid->recordCount();
    if (rows > 0)
        m_grid->setCurrentIndex(m_rows->index(std::clamp(currentRow, 0, rows - 1), kTelephone));
    m_posting = false;
}

bool TFrmForbidTel::post()
{
    m_grid->endCellEdit(true);
    const int row = m_rows->pendingRow();
    if (row < 0)
        return true;
    const QString telephone = m_rows->pendingValue(kTelephone).toString();
    const QString insertDate = m_rows->pendingValue(kInsertDate).toString();
    try {
        if (m_rows->state() == PendingRowModel::State::Insert)
            insertForbidTel(m_dm, telephone, insertDate);
        else
            updateForbidTel(m_dm, m_grid->fieldValue(row, QStringLiteral("ID")), telephone, insertDate);
    } catch (const DatabaseError &e) {
        m_dialogs.show("错误", std::string("保存数据失败！\n") + e.what(), DialogIcon::Error);
        return false;
    }
    requery(row);
    return true;
}

void TFrmForbidTel::tbNewClick()
{
    if (!post())
        return;
    m_rows->append({{kInsertDate, now()}});
    const QModelIndex cell = m_rows->index(m_rows->pendingRow(), kTelephone);
    m_posting = true;
    m_grid->setCurrentIndex(cell);
    m_posting = false;
    m_grid->setFocus();
    m_grid->edit(cell);
}

void TFrmForbidTel::tbEditClick()
{
    const int row = m_grid->currentRecord();
    if (row < 0 || !m_rows->edit(row))
        return;
    m_grid->setFocus();
    m_grid->edit(m_rows->index(row, kTelephone));
}

void TFrmForbidTel::tbCancelClick()
{
    m_grid->endCellEdit(false);
    m_rows->cancel();
}

void TFrmForbidTel::tbDeleteClick()
{
    if (m_rows->rowCount() == 0)
        return;
    if (m_dialogs.show("提示", "是否确定删除？", DialogIcon::Information, DialogButtons::OkCancel, DialogAnswer::Ok) !=
        DialogAnswer::Ok)
        return;
    m_grid->endCellEdit(false);
    const int row = std::max(m_grid->currentRecord(), 0);
    // A row not yet stored goes by discarding it.
    if (row == m_rows->pendingRow() && m_rows->state() == PendingRowModel::State::Insert) {
        m_rows->cancel();
        return;
    }
    const QVariant id = m_grid->fieldValue(row, QStringLiteral("ID"));
    m_rows->cancel();
    try {
        deleteForbidTel(m_dm, id);
    } catch (const DatabaseError &e) {
        m_dialogs.show("错误", e.what(), DialogIcon::Error);
        return;
    }
    requery(row);
}

void TFrmForbidTel::tbSaveClick()
{
    post();
}

void TFrmForbidTel::tbExitClick()
{
    reject();
}

void TFrmForbidTel::tbImportClick()
{
    if (!post())
        return;
    const QString file = m_chooseOpen(QStringLiteral("Microsoft Excel 工作簿(*.xls *.xlsx)"));
    if (file.isEmpty())
        return;
    // The extension as written: ".xls", ".XLS", ".xlsx" or ".XLSX".
    if (taskFileKind(file) != TaskFileKind::Workbook) {
        m_dialogs.show("提示", "提供的文件必须是Excel格式的！", DialogIcon::Information);
        return;
    }
    const WaitCursor wait;
    m_panel->setText(QStringLiteral("正在导入数据，请稍候..."));
    workbook::Reader reader;
    if (!reader.open(file)) {
        m_dialogs.show("提示", "不能正确操作Excel文件,可能是该文件已被其他程序打开,或系统错误!", DialogIcon::Error);
    } else {
        m_importCancelled = false;
        m_importProgress->setRange(0, std::min(reader.rowCount(), kMaxWorkbookRows));
        m_importProgress->setValue(0);
        m_importProgress->setVisible(true);
        m_importCancel->setVisible(true);
        m_toolBar->setEnabled(false); // one thing at a time while events run between the rows
        ImportOptions options;
        options.now = [this] { return now(); };
        options.beforeRow = [this](int row, const ImportResult &done) {
            m_panel->setText(QString::number(done.imported + static_cast<int>(done.failures.size())));
            m_importProgress->setValue(std::min(row, m_importProgress->maximum()));
            QApplication::processEvents(); // the dialler keeps calling while the rows come in
            return !m_importCancelled;
        };
        const ImportResult result = importForbidTels(
            m_dm, [&reader](int row) { return reader.text(row, 1); }, options);
        m_importProgress->setVisible(false);
        m_importCancel->setVisible(false);
        m_toolBar->setEnabled(true);
        // A number the database refused is not on the list: the operator must know which.
        if (!result.failures.empty()) {
            std::string text = "以下记录未能导入：";
            const std::size_t shown = std::min<std::size_t>(result.failures.size(), 20);
            for (std::size_t i = 0; i < shown; ++i)
                text +=
                    "\n第" + std::to_string(result.failures[i].row) + "行：" + result.failures[i].reason.toStdString();
            if (shown < result.failures.size())
                text += "\n……共" + std::to_string(result.failures.size()) + "行";
            m_dialogs.show("提示", text, DialogIcon::Warning);
        }
    }
    m_panel->setText(QStringLiteral("记录导入成功"));
    requery(m_grid->currentRecord());
}

void TFrmForbidTel::tbExportClick()
{
    if (!m_grid->isOpen() || m_grid->recordCount() == 0 || !post())
        return;
    QString file = m_chooseSave(QStringLiteral("Excel files(*.xls *.xlsx)"));
    if (file.isEmpty())
        return;
    if (!workbook::formatOfPath(file))
        file += QStringLiteral(".xls");
    const WaitCursor wait;
    // The export's own words: "导出完成!", or why the file could not be written.
    m_grid->OnMessage = [this](const QString &text) {
        m_dialogs.show("提示", text.toStdString(),
                       text == QStringLiteral("导出完成!") ? DialogIcon::Information : DialogIcon::Error);
    };
    m_grid->ExportToExcelFile(file);
    m_grid->OnMessage = nullptr;
}

} // namespace server
