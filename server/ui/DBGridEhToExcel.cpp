// The management windows' data grid.
#include "server/ui/DBGridEhToExcel.h"

#include "server/data/NoticeStatus.h"
#include "server/data/SqlLiteral.h"
#include "server/data/TDM.h"

#include <QHeaderView>
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

} // namespace

TDBGridEhToExcel::TDBGridEhToExcel(QWidget *parent) : QTableView(parent), m_model(new QSqlQueryModel(this))
{
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

} // namespace server
