// Dragging a board row onto another.
#include "ktcticonfig/ui/BoardListView.h"

#include <QDragEnterEvent>
#include <QDropEvent>

namespace ktcticonfig {

BoardListView::BoardListView(QWidget *parent) : QTreeWidget(parent)
{
    setRootIsDecorated(false);
    setSelectionMode(QAbstractItemView::SingleSelection);
    setDragEnabled(true);
    setAcceptDrops(true);
    setDragDropMode(QAbstractItemView::InternalMove);
    setDropIndicatorShown(false);
}

int BoardListView::selectedRow() const
{
    const auto selected = selectedItems();
    return selected.isEmpty() ? -1 : indexOfTopLevelItem(selected.front());
}

void BoardListView::highlight(QTreeWidgetItem *item)
{
    if (m_highlighted == item)
        return;
    const QBrush none;
    if (m_highlighted)
        for (int c = 0; c < columnCount(); ++c)
            m_highlighted->setBackground(c, none);
    m_highlighted = item;
    if (item)
        for (int c = 0; c < columnCount(); ++c)
            item->setBackground(c, palette().highlight().color().lighter(160));
}

void BoardListView::dragEnterEvent(QDragEnterEvent *event)
{
    if (selectedRow() >= 0)
        event->acceptProposedAction();
    else
        event->ignore();
}

void BoardListView::dragMoveEvent(QDragMoveEvent *event)
{
    highlight(itemAt(event->position().toPoint()));
    event->acceptProposedAction();
}

void BoardListView::dragLeaveEvent(QDragLeaveEvent *event)
{
    highlight(nullptr);
    QTreeWidget::dragLeaveEvent(event);
}

void BoardListView::dropEvent(QDropEvent *event)
{
    highlight(nullptr);
    // The rows are exchanged by the page through the model; the view itself moves nothing.
    event->setDropAction(Qt::IgnoreAction);
    event->accept();
    const int from = selectedRow();
    QTreeWidgetItem *target = itemAt(event->position().toPoint());
    const int to = target ? indexOfTopLevelItem(target) : -1;
    if (from >= 0 && to >= 0 && from != to)
        emit rowDropped(from, to);
}

} // namespace ktcticonfig
