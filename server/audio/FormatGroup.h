// A group box of radio buttons, one per item, for the format dialogs.
#pragma once

#include <QStringList>

#include <span>

class QBoxLayout;
class QButtonGroup;
class QDialog;
class QGroupBox;
class QWidget;

namespace server::audio {

/// The dialog's name and caption, without the help button.
void nameDialog(QDialog &dialog, const char *name, const QString &caption);
/// The rates as the items of a group show them.
QStringList rateItems(std::span<const int> rates);
/// A group box titled `title` holding one radio button per item in `columns` columns, the buttons in a
/// button group whose ids are the item indexes; item `chosen` is checked.
QGroupBox *formatGroup(const QString &title, const QStringList &items, int chosen, int columns, QButtonGroup *&group,
                       QWidget *owner);
/// The dialog's "确定" and "取消" in a row, wired to accept and reject.
void addOkCancel(QDialog &dialog, QBoxLayout &layout);

} // namespace server::audio
