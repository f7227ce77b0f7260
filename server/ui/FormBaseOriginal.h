// The base of the management windows: the keyboard moves the focus from control to control, so that
// an operator can fill a form without the mouse.
#pragma once

#include <QDialog>

namespace server {

class TFormBaseOriginal : public QDialog
{
    Q_OBJECT

public:
    explicit TFormBaseOriginal(QWidget *parent = nullptr);

protected:
    /// Sees every key meant for a control of this window before the control does: Page Down and Page
    /// Up move the focus to the next and previous control; the double quote and the exclamation mark
    /// do the same, except in a multi-line text or a grid, where they are typed.
    bool eventFilter(QObject *watched, QEvent *event) override;
    void showEvent(QShowEvent *event) override;
    void hideEvent(QHideEvent *event) override;

private:
    bool ownsFocusOf(QObject *watched) const;
};

} // namespace server
