// The in-place editor of the grid's polarity column: a drop-down list over the selected cell.
#pragma once

#include <QObject>

class QComboBox;
class QTableWidget;

namespace server {

class PolarityCellEditor : public QObject
{
    Q_OBJECT

public:
    /// The drop-down (object name "ComboBoxPolarity", items "无" and "有") edits the cells of column
    /// below the header of grid; it is hidden until such a cell is selected.
    PolarityCellEditor(QTableWidget *grid, int column);

    QComboBox *comboBox() const { return m_combo; }
    /// Places the drop-down over the cell of row, as wide as the cell, selects the item equal to the
    /// cell's text (none when there is no match), shows it, gives it the focus and drops its list down.
    void open(int row);
    /// Hides the drop-down, first writing the selected item's text into its cell. Leaving the
    /// drop-down does this, and so must everything that reads the grid while it is shown.
    void commit();

protected:
    bool eventFilter(QObject *watched, QEvent *event) override;

private:
    QTableWidget *m_grid;
    int m_column;
    int m_row = -1;
    QComboBox *m_combo;
};

} // namespace server
