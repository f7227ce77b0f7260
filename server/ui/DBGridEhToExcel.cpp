// The management windows' data grid.
#include "server/ui/DBGridEhToExcel.h"

#include "server/data/NoticeStatus.h"
#include "server/data/SqlLiteral.h"
#include "server/data/TDM.h"

#include "server/workbook/GridExport.h"
#include "server/workbook/ShowToOperator.h"

#include <QApplication>
#include <QHeaderView>
#include <QProgressBar>
#include <QSqlField>
#include <QSqlQuery>
#include <QSqlQueryModel>
#include <QSqlRecord>

namespace server {

namespace {

// The status's text as a column of the result set, as every grid shows it.
QString descStatusExpression()
{
    QString e = QStringLiteral("CASE Status");
    for (const NoticeStatus s :
         {NoticeStatus::NotNotified, NoticeStatus::Notifying, NoticeStatus::Notified, NoticeStatus::Failed,
          NoticeStatus::ToAgent, NoticeStatus::AgentAnswered, NoticeStatus::Playing, NoticeStatus::Paused}) {
        const std::string_view text = StatusDescription(s);
        e += QStringLiteral(" WHEN %1 THEN ").arg(static_cast<int>(s)) +
             sqlText(QString::fromUtf8(text.data(), static_cast<qsizetype>(text.size())));
    }
    return e + QStringLiteral(" ELSE '' END AS DescStatus");
}

// The grid's result set as an export reads it: its visible columns and its records.
class GridRowsOf : public workbook::GridRows
{
public:
    explicit GridRowsOf(TDBGridEhToExcel &grid) : m_grid(grid)
    {
        for (int c = 0; c < static_cast<int>(grid.columns().size()); ++c)
            if (!grid.isColumnHidden(c))
                m_visible.push_back(c);
    }
    int columnCount() const override { return static_cast<int>(m_visible.size()); }
    Column column(int index) const override
    {
        const int c = m_visible[static_cast<std::size_t>(index)];
        // A text field keeps what it holds as text: a number with leading zeros stays whole.
        const auto *model = qobject_cast<const QSqlQueryModel *>(m_grid.model());
        const QMetaType type = model ? model->record().field(c).metaType() : QMetaType();
        const bool text = !type.isValid() || type.id() == QMetaType::QString;
        return {m_grid.columns()[static_cast<std::size_t>(c)].title, m_grid.columnWidth(c), text};
    }
    bool first() override
    {
        m_rows = m_grid.recordCount();
        m_row = 0;
        return m_row < m_rows;
    }
    bool next() override { return ++m_row < m_rows; }
    std::string value(int column) const override
    {
        return m_grid.model()
            ->index(m_row, m_visible[static_cast<std::size_t>(column)])
            .data(Qt::EditRole)
            .toString()
            .toStdString();
    }
    std::string displayText(int column) const override
    {
        return m_grid.model()
            ->index(m_row, m_visible[static_cast<std::size_t>(column)])
            .data(Qt::DisplayRole)
            .toString()
            .toStdString();
    }

private:
    TDBGridEhToExcel &m_grid;
    std::vector<int> m_visible;
    int m_rows = 0;
    int m_row = 0;
};

} // namespace

TDBGridEhToExcel::TDBGridEhToExcel(QWidget *parent) : TDBGridEhToExcel(new QSqlQueryModel, parent) {}

TDBGridEhToExcel::TDBGridEhToExcel(QSqlQueryModel *model, QWidget *parent) : QTableView(parent), m_model(model)
{
    m_model->setParent(this);
    setModel(m_model);
    setEditTriggers(QAbstractItemView::NoEditTriggers);
    setSelectionBehavior(QAbstractItemView::SelectRows);
    setSelectionMode(QAbstractItemView::SingleSelection);
    setAlternatingRowColors(true);
    verticalHeader()->setDefaultSectionSize(fontMetrics().height() + 6);
    verticalHeader()->hide();
}

TDBGridEhToExcel::~TDBGridEhToExcel() = default;

void TDBGridEhToExcel::setColumns(std::vector<Column> columns)
{
    m_columns = std::move(columns);
}

bool TDBGridEhToExcel::openQuery(TDM &dm, const QString &table, const QString &condition, const QString &order)
{
    QStringList fields;
    for (const Column &c : m_columns)
        fields << (c.field == QLatin1String("DescStatus") ? descStatusExpression() : c.field);
    fields << QStringLiteral("ID");
    QString sql = QStringLiteral("SELECT ") + fields.join(QLatin1Char(',')) + QStringLiteral(" FROM ") + table +
                  QStringLiteral(" WHERE ") + condition;
    if (!order.isEmpty())
        sql += QStringLiteral(" ORDER BY ") + order;
    m_dm = &dm;
    m_sql = sql;
    return requery();
}

bool TDBGridEhToExcel::requery()
{
    if (!m_dm)
        return false;
    QSqlQuery query(m_dm->DBConnection());
    m_open = query.exec(m_sql);
    if (!m_open) {
        m_model->clear();
        return false;
    }
    m_model->setQuery(std::move(query));
    for (std::size_t i = 0; i < m_columns.size(); ++i)
        m_model->setHeaderData(static_cast<int>(i), Qt::Horizontal, m_columns[i].title);
    setColumnHidden(static_cast<int>(m_columns.size()), true); // the key
    // Numbers and times are read whole: each column as wide as its title and the rows in view.
    resizeColumnsToContents();
    return true;
}

void TDBGridEhToExcel::closeQuery()
{
    m_model->clear();
    m_open = false;
}

int TDBGridEhToExcel::recordCount()
{
    if (!m_open)
        return 0;
    // Fetches until the end; a fetch that brings no row ends it too.
    for (int rows = m_model->rowCount(); m_model->canFetchMore();) {
        m_model->fetchMore();
        if (m_model->rowCount() == rows)
            break;
        rows = m_model->rowCount();
    }
    return m_model->rowCount();
}

QVariant TDBGridEhToExcel::fieldValue(int row, const QString &field) const
{
    const QSqlRecord record = m_model->record(row);
    const int column = record.indexOf(field);
    return column < 0 ? QVariant() : record.value(column);
}

int TDBGridEhToExcel::currentRecord() const
{
    const QModelIndex index = currentIndex();
    return m_open && index.isValid() ? index.row() : -1;
}

void TDBGridEhToExcel::endCellEdit(bool commit)
{
    if (state() != QAbstractItemView::EditingState)
        return;
    // The cell's editor is the grid's widget over its cells while the operator types.
    for (QWidget *editor : viewport()->findChildren<QWidget *>(Qt::FindDirectChildrenOnly)) {
        if (!editor->isVisible())
            continue;
        if (commit)
            commitData(editor);
        closeEditor(editor, QAbstractItemDelegate::NoHint);
        return;
    }
}

int TDBGridEhToExcel::ExportToExcelWindow(const std::function<void(void *, const QString &)> &progress, void *user,
                                          QString *error)
{
    const int current = currentRecord();
    setUpdatesEnabled(false);
    workbook::Workbook book;
    GridRowsOf rows(*this);
    workbook::GridExportSettings settings;
    settings.fontHeight = fontMetrics().height();
    settings.terminated = &Terminated;
    if (ProgressBar) {
        ProgressBar->setRange(0, recordCount());
        ProgressBar->setValue(0);
    }
    const int exported = workbook::fillWindowWorkbook(rows, settings, book, [&](const QString &text) {
        if (progress)
            progress(user, text);
        if (ProgressBar)
            ProgressBar->setValue(ProgressBar->value() + std::min(1000, ProgressBar->maximum() - ProgressBar->value()));
        QApplication::processEvents(); // the service goes on between the blocks; Cancel is seen
    });
    if (book.sheetCount() == 0)
        book.addSheet(); // an empty result set shows an empty workbook
    const bool shown = workbook::showToOperator(book, error);
    if (current >= 0)
        selectRow(current);
    setUpdatesEnabled(true);
    return shown ? exported : -1;
}

void TDBGridEhToExcel::ExportToExcelFile(const QString &fileName)
{
    const auto say = [this](const QString &text) {
        if (OnMessage)
            OnMessage(text);
    };
    GridRowsOf rows(*this);
    if (rows.columnCount() == 0) {
        say(QStringLiteral("列数不能0"));
        return;
    }
    const int current = currentRecord();
    setUpdatesEnabled(false);
    workbook::Workbook book;
    workbook::GridExportSettings settings;
    settings.excelTitle = ExcelTitle;
    settings.terminated = &Terminated;
    if (ProgressBar) {
        ProgressBar->setRange(0, recordCount());
        ProgressBar->setValue(0);
    }
    workbook::fillFileWorkbook(rows, settings, book, [this](int done) {
        if (ProgressBar && done % 100 == 0) {
            ProgressBar->setValue(done);
            QApplication::processEvents();
        }
    });
    if (current >= 0)
        selectRow(current);
    setUpdatesEnabled(true);
    QString error;
    // An export is made again at will, so it is not flushed to disk before it takes its name.
    workbook::SaveOptions options;
    options.durable = false;
    if (!book.save(fileName, &error, options)) {
        say(error);
        return;
    }
    say(QStringLiteral("导出完成!"));
}

} // namespace server
