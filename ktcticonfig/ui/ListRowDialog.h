// The dialog that edits one row of a list editor: a field or check box per value.
#pragma once

#include <QDialog>
#include <QStringList>

#include <vector>

namespace ktcticonfig {

class ListRowDialog : public QDialog
{
    Q_OBJECT

public:
    /// Fields labelled `labels`, the ones listed in `checks` as check boxes ("1" checked), filled with
    /// `values`.
    ListRowDialog(const QStringList &labels, const std::vector<int> &checks, const QStringList &values,
                  QWidget *parent = nullptr);

    QStringList values() const;

private:
    std::vector<QWidget *> m_controls;
};

} // namespace ktcticonfig
