// The codec lists of an IP board: the codecs the stack offers and the enabled ones by priority, with
// add, delete, up and down; it edits the text of the board's codec list field.
#pragma once

#include "ktcticonfig/app/Dialogs.h"

#include <QWidget>

#include <string>
#include <vector>

class QLineEdit;
class QListWidget;

namespace ktcticonfig {

class CodecListEditor : public QWidget
{
    Q_OBJECT

public:
    /// Works on `field`, whose text is the enabled list ("6,7,131"), and refreshes when it changes.
    CodecListEditor(QLineEdit *field, Dialogs &dialogs, QWidget *parent = nullptr);

    QListWidget *available() const { return m_available; }
    QListWidget *enabled() const { return m_enabled; }
    void add();
    void remove();
    void up();
    void down();

private:
    void refresh();
    void apply(std::string (*step)(std::vector<int> &, int), int argument, int selectAfter);

    QLineEdit *m_field;
    Dialogs &m_dialogs;
    QListWidget *m_available;
    QListWidget *m_enabled;
};

} // namespace ktcticonfig
