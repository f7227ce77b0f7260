// The digits filter: a key filter for typing and a validator for pasted and dropped text.
#include "server/ui/DigitsFilter.h"

#include <QKeyEvent>
#include <QLineEdit>
#include <QRegularExpression>
#include <QRegularExpressionValidator>

namespace server {

namespace {

class DigitKeys : public QObject
{
public:
    using QObject::QObject;

protected:
    bool eventFilter(QObject *watched, QEvent *event) override
    {
        if (event->type() == QEvent::KeyPress) {
            const auto *key = static_cast<QKeyEvent *>(event);
            const QString text = key->text();
            // A printable character that is not a digit; control characters (backspace, shortcuts) pass.
            if (!text.isEmpty() && text.at(0).isPrint() && !(text.size() == 1 && text.at(0).isDigit() &&
                                                             text.at(0).unicode() < 0x80))
                return true;
        }
        return QObject::eventFilter(watched, event);
    }
};

} // namespace

void allowDigitsOnly(QLineEdit *edit)
{
    edit->installEventFilter(new DigitKeys(edit));
    // Pasted and dropped text goes through the validator: the field keeps digits only. A value read
    // from the file may carry a sign, which editing must not get stuck on.
    edit->setValidator(
        new QRegularExpressionValidator(QRegularExpression(QStringLiteral("-?[0-9]*")), edit));
}

} // namespace server
