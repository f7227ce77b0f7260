// The management windows' base: focus moves by Page Down and Page Up, and by '"' and '!'.
#include "server/ui/FormBaseOriginal.h"

#include <QAbstractItemView>
#include <QApplication>
#include <QKeyEvent>
#include <QPlainTextEdit>
#include <QTextEdit>

namespace server {

namespace {

// Where '"' and '!' are text, not focus keys.
bool typesQuotes(const QWidget *w)
{
    for (; w; w = w->parentWidget()) {
        if (qobject_cast<const QPlainTextEdit *>(w) || qobject_cast<const QTextEdit *>(w) ||
            qobject_cast<const QAbstractItemView *>(w))
            return true;
        if (w->isWindow())
            break;
    }
    return false;
}

} // namespace

TFormBaseOriginal::TFormBaseOriginal(QWidget *parent) : QDialog(parent)
{
    // A window of its owner: no taskbar entry of its own.
    setWindowFlag(Qt::WindowContextHelpButtonHint, false);
}

void TFormBaseOriginal::showEvent(QShowEvent *event)
{
    // The key preview: the application's filter sees the keys of every control of the window first.
    qApp->installEventFilter(this);
    QDialog::showEvent(event);
}

void TFormBaseOriginal::hideEvent(QHideEvent *event)
{
    qApp->removeEventFilter(this);
    QDialog::hideEvent(event);
}

bool TFormBaseOriginal::ownsFocusOf(QObject *watched) const
{
    auto *w = qobject_cast<QWidget *>(watched);
    return w && (w == this || isAncestorOf(w));
}

bool TFormBaseOriginal::eventFilter(QObject *watched, QEvent *event)
{
    if (event->type() != QEvent::KeyPress || !ownsFocusOf(watched))
        return QDialog::eventFilter(watched, event);
    const auto *key = static_cast<QKeyEvent *>(event);
    bool forward;
    if (key->key() == Qt::Key_PageDown || key->key() == Qt::Key_PageUp) {
        forward = key->key() == Qt::Key_PageDown;
    } else if ((key->text() == QLatin1String("\"") || key->text() == QLatin1String("!")) &&
               !typesQuotes(QApplication::focusWidget())) {
        forward = key->text() == QLatin1String("\"");
    } else {
        return QDialog::eventFilter(watched, event);
    }
    focusNextPrevChild(forward);
    return true; // consumed: a grid does not scroll, an edit does not type it
}

} // namespace server
