// The management windows' base: the keys that move the focus, and the window that stands on its own.
#include "server/ui/FormBaseOriginal.h"
#include "server/ui/FrmApp.h"
#include "server/ui/tests/WindowPicture.h"

#include <gtest/gtest.h>

#include <QApplication>
#include <QLineEdit>
#include <QPlainTextEdit>
#include <QScrollBar>
#include <QTableWidget>
#include <QVBoxLayout>

namespace server {
namespace {

class FormBaseTest : public ::testing::Test
{
protected:
    void SetUp() override
    {
        auto *layout = new QVBoxLayout(&form);
        for (const char *name : {"first", "second", "third"}) {
            auto *edit = new QLineEdit;
            edit->setObjectName(QLatin1String(name));
            layout->addWidget(edit);
        }
        memo = new QPlainTextEdit;
        memo->setObjectName(QStringLiteral("memo"));
        layout->addWidget(memo);
        form.show();
        focus("first");
    }

    void focus(const char *name)
    {
        QWidget *w = form.findChild<QWidget *>(QLatin1String(name));
        QApplication::setActiveWindow(&form);
        w->setFocus();
        QApplication::processEvents();
    }

    QString focused() const
    {
        return QApplication::focusWidget() ? QApplication::focusWidget()->objectName() : QString();
    }

    void press(QWidget *target, Qt::Key key, const QString &text = {})
    {
        QKeyEvent down(QEvent::KeyPress, key, Qt::NoModifier, text);
        QApplication::sendEvent(target, &down);
        QKeyEvent up(QEvent::KeyRelease, key, Qt::NoModifier, text);
        QApplication::sendEvent(target, &up);
    }

    TFormBaseOriginal form;
    QPlainTextEdit *memo = nullptr;
};

TEST_F(FormBaseTest, PageKeysAndQuoteKeysMoveTheFocus)
{
    const struct
    {
        const char *from;
        Qt::Key key;
        const char *text;
        const char *to;
    } cases[] = {
        {"first", Qt::Key_PageDown, "", "second"},   {"second", Qt::Key_PageUp, "", "first"},
        {"second", Qt::Key_QuoteDbl, "\"", "third"}, {"third", Qt::Key_Exclam, "!", "second"},
        {"memo", Qt::Key_PageUp, "", "third"}, // the page keys work in a memo too
    };
    for (const auto &c : cases) {
        focus(c.from);
        press(QApplication::focusWidget(), c.key, QString::fromLatin1(c.text));
        EXPECT_EQ(focused().toStdString(), c.to) << c.from << " " << c.text;
    }
    // The keys are consumed: nothing was typed into the edits.
    for (const char *name : {"first", "second", "third"})
        EXPECT_TRUE(form.findChild<QLineEdit *>(QLatin1String(name))->text().isEmpty()) << name;
}

TEST_F(FormBaseTest, QuotesAreTextInAMemo)
{
    focus("memo");
    press(memo, Qt::Key_QuoteDbl, QStringLiteral("\""));
    press(memo, Qt::Key_Exclam, QStringLiteral("!"));
    EXPECT_EQ(focused(), QStringLiteral("memo"));
    EXPECT_EQ(memo->toPlainText(), QStringLiteral("\"!"));
}

TEST(FormBase, PageKeysDoNotScrollTheOnlyGrid)
{
    TFormBaseOriginal form;
    auto *grid = new QTableWidget(200, 3);
    grid->setObjectName(QStringLiteral("grid"));
    (new QVBoxLayout(&form))->addWidget(grid);
    form.resize(400, 300);
    form.show();
    QApplication::setActiveWindow(&form);
    grid->setFocus();
    grid->setCurrentCell(0, 0);
    QApplication::processEvents();
    for (Qt::Key key : {Qt::Key_PageDown, Qt::Key_PageDown, Qt::Key_PageUp}) {
        QKeyEvent down(QEvent::KeyPress, key, Qt::NoModifier);
        QApplication::sendEvent(grid, &down);
    }
    EXPECT_EQ(grid->currentRow(), 0);
    EXPECT_EQ(grid->verticalScrollBar()->value(), 0);
    EXPECT_EQ(QApplication::focusWidget(), grid);
}

TEST(FrmApp, StandsOnTheDesktopOnItsOwn)
{
    TfrmApp window;
    EXPECT_EQ(window.parentWidget(), nullptr);
    EXPECT_TRUE(window.isWindow());
    EXPECT_EQ(window.windowModality(), Qt::ApplicationModal);
    EXPECT_EQ(window.windowType(), Qt::Window); // not a dialog bound to its opener
}

} // namespace
} // namespace server
