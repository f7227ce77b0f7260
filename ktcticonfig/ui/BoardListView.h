// The board list of the system page: a row per board; dragging a row onto another exchanges them.
#pragma once

#include <QTreeWidget>

namespace ktcticonfig {

class BoardListView : public QTreeWidget
{
    Q_OBJECT

public:
    explicit BoardListView(QWidget *parent = nullptr);

    /// The row of the selected board, -1 when none is selected.
    int selectedRow() const;

signals:
    /// A row was dropped onto another row.
    void rowDropped(int from, int to);

protected:
    void dragEnterEvent(QDragEnterEvent *event) override;
    void dragMoveEvent(QDragMoveEvent *event) override;
    void dragLeaveEvent(QDragLeaveEvent *event) override;
    void dropEvent(QDropEvent *event) override;

private:
    void highlight(QTreeWidgetItem *item);

    QTreeWidgetItem *m_highlighted = nullptr;
};

} // namespace ktcticonfig
