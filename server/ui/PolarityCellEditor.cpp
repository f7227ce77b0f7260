// The polarity column's drop-down: placed over the selected cell, written back when it is left.
#include "server/ui/PolarityCellEditor.h"

#include "server/settings/ParmSetFields.h"

#include <QAbstractItemView>
#include <QApplication>
#include <QComboBox>
#include <QFocusEvent>
#include <QScrollBar>
#include <QTableWidget>

namespace server {

PolarityCellEditor::PolarityCellEditor(QTableWidget *grid, int column)
    : QObject(grid), m_grid(grid), m_column(column), m_combo(new QComboBox(grid->viewport()))
{
    m_combo->setObjectName(QStringLiteral("ComboBoxPolarity"));
    m_combo->addItem(QString::fromUtf8(kPolarityNo.data(), static_cast<qsizetype>(kPolarityNo.size())));
    m_combo->addItem(QString::fromUtf8(kPolarityYes.data(), static_cast<qsizetype>(kPolarityYes.size())));
    m_combo->hide();
    m_combo->installEventFilter(this);
    // A cell chosen with the mouse opens the editor when the click is over, so that the release does not
    // pick an item of the list that has just dropped down; one reached with the keys opens it at once.
    connect(grid, &QTableWidget::cellClicked, this, [this](int row, int col) {
        if (col == m_column)
            open(row);
    });
    connect(grid, &QTableWidget::currentCellChanged, this, [this](int row, int col) {
        if (!m_combo->isHidden() && row != m_row)
            commit();
        if (col == m_column && row >= 0 && QApplication::mouseButtons() == Qt::NoButton)
            open(row);
    });
    // The drop-down does not follow a scrolled cell: scrolling ends the editing.
    connect(grid->verticalScrollBar(), &QScrollBar::valueChanged, this, &PolarityCellEditor::commit);
    connect(grid->horizontalScrollBar(), &QScrollBar::valueChanged, this, &PolarityCellEditor::commit);
    connect(m_combo, &QComboBox::activated, this, [this](int) {
        if (QTableWidgetItem *item = m_grid->item(m_row, m_column))
            item->setText(m_combo->currentText());
    });
}

void PolarityCellEditor::open(int row)
{
    QTableWidgetItem *item = m_grid->item(row, m_column);
    if (!item)
        return;
    if (!m_combo->isHidden() && row != m_row)
        commit();
    m_row = row;
    const QRect cell = m_grid->visualItemRect(item);
    m_combo->setGeometry(cell.x(), cell.y(), cell.width(), m_combo->sizeHint().height());
    m_combo->setCurrentIndex(m_combo->findText(item->text()));
    m_combo->show();
    m_combo->raise();
    m_combo->setFocus(Qt::OtherFocusReason);
    m_combo->showPopup();
}

void PolarityCellEditor::commit()
{
    // Shown, or hidden only with its page: the choice still counts.
    if (m_combo->isHidden())
        return;
    m_combo->hidePopup();
    m_combo->hide();
    if (m_combo->currentIndex() >= 0)
        if (QTableWidgetItem *item = m_grid->item(m_row, m_column))
            item->setText(m_combo->currentText());
}

bool PolarityCellEditor::eventFilter(QObject *watched, QEvent *event)
{
    // The list dropping down takes the focus while it is open; only a real exit ends the editing.
    if (watched == m_combo && event->type() == QEvent::FocusOut &&
        static_cast<QFocusEvent *>(event)->reason() != Qt::PopupFocusReason && !m_combo->view()->isVisible())
        commit();
    return QObject::eventFilter(watched, event);
}

} // namespace server
