// The system and board pages in the window: Add, Delete, Exchange by button and by dragging, Modify
// Board, the model choice with its visibility rules and the MP3 check.
#include "ktcticonfig/tests/ui/WindowFixture.h"

#include "ktcticonfig/app/BoardListEdit.h"
#include "ktcticonfig/app/BoardPageRules.h"
#include "ktcticonfig/detect/DetectionPass.h"
#include "ktcticonfig/ui/BoardListView.h"
#include "ktcticonfig/ui/BoardPage.h"
#include "ktcticonfig/ui/SystemPage.h"
#include "server/ui/tests/WindowPicture.h"

#include <QApplication>
#include <QComboBox>
#include <QDropEvent>
#include <QLineEdit>
#include <QMimeData>
#include <QTreeWidget>

namespace ktcticonfig::test {
namespace {

SystemPage &systemPage(KtCtiConfigDlg &window)
{
    auto *page = dynamic_cast<SystemPage *>(window.currentPage());
    EXPECT_TRUE(page);
    return *page;
}

class SystemPageInWindow : public WindowFixture
{
protected:
    // Three boards: analog, digital trunk (PCM links), analog.
    ConfigModel threeBoards(int clockMaster);
};

ConfigModel SystemPageInWindow::threeBoards(int clockMaster)
{
    ConfigModel model = detectedModel();
    model.boards.insert(model.boards.begin() + 1, detectedBoard(62, 7001, 0));
    rebuildBoardDefaults(model);
    model.settings.setSystem("WhoSupplySysClock", clockMaster);
    return model;
}

std::vector<int> codes(const ConfigModel &m)
{
    std::vector<int> result;
    for (const BoardRecord &b : m.boards)
        result.push_back(b.modelCode);
    return result;
}

TEST_F(SystemPageInWindow, DeleteMovesTheClockMasterWithItsBoard)
{
    KtCtiConfigDlg &window = open(threeBoards(2));
    SystemPage &page = systemPage(window);
    click("deleteBoard");
    EXPECT_EQ(m_dialogs.shown.back(), "Select the board to be deleted");
    page.boardList()->setCurrentItem(page.boardList()->topLevelItem(0));
    click("deleteBoard");
    EXPECT_EQ(codes(window.model()), (std::vector{62, 8}));
    EXPECT_EQ(window.model().settings.system("WhoSupplySysClock"), 1);
    EXPECT_EQ(window.tree()->topLevelItem(0)->childCount(), 2);
    EXPECT_EQ(window.tree()->topLevelItem(0)->child(1)->text(0).left(4), QStringLiteral("<01>"));
    // The channel table follows the boards in order.
    EXPECT_EQ(window.model().channels.front(), (AppChannel{0, 0, kAppChannelMapped}));
    EXPECT_EQ(window.model().channels.size(), 30u + 16u);

    auto &again = systemPage(window);
    again.boardList()->setCurrentItem(again.boardList()->topLevelItem(1));
    click("deleteBoard");
    again.boardList()->setCurrentItem(again.boardList()->topLevelItem(0));
    click("deleteBoard");
    EXPECT_EQ(m_dialogs.shown.back(), "This is the last one board! ");
    EXPECT_EQ(window.model().boards.size(), 1u);
}

TEST_F(SystemPageInWindow, ExchangeByButtonAndByDraggingKeepsTheClockWithItsBoard)
{
    KtCtiConfigDlg &window = open(threeBoards(1));
    SystemPage &page = systemPage(window);
    page.findChild<QComboBox *>(QStringLiteral("exchangeA"))->setCurrentIndex(1);
    page.findChild<QComboBox *>(QStringLiteral("exchangeB"))->setCurrentIndex(2);
    click("exchange");
    EXPECT_EQ(codes(window.model()), (std::vector{6, 8, 62}));
    EXPECT_EQ(window.model().settings.system("WhoSupplySysClock"), 2);
    EXPECT_EQ(window.model().channels[8], (AppChannel{1, 0, kAppChannelMapped}));

    // Dragging row 2 onto row 0.
    BoardListView *list = systemPage(window).boardList();
    list->setCurrentItem(list->topLevelItem(2));
    const QPoint target = list->visualItemRect(list->topLevelItem(0)).center();
    QMimeData data;
    data.setData(QStringLiteral("application/x-qabstractitemmodeldatalist"), QByteArray());
    QDragEnterEvent enter(target, Qt::MoveAction, &data, Qt::LeftButton, Qt::NoModifier);
    QApplication::sendEvent(list->viewport(), &enter);
    QDragMoveEvent move(target, Qt::MoveAction, &data, Qt::LeftButton, Qt::NoModifier);
    QApplication::sendEvent(list->viewport(), &move);
    QDropEvent drop(target, Qt::MoveAction, &data, Qt::LeftButton, Qt::NoModifier);
    QApplication::sendEvent(list->viewport(), &drop);
    EXPECT_EQ(codes(window.model()), (std::vector{62, 8, 6}));
    EXPECT_EQ(window.model().settings.system("WhoSupplySysClock"), 0);
}

TEST_F(SystemPageInWindow, AddOpensTheNewBoardAndModifyWritesItsModel)
{
    KtCtiConfigDlg &window = open(detectedModel());
    click("addBoard");
    ASSERT_EQ(window.model().boards.size(), 3u);
    auto *page = dynamic_cast<BoardPage *>(window.currentPage());
    ASSERT_TRUE(page);
    auto *models = page->findChild<QComboBox *>(QStringLiteral("boardModel"));
    models->setCurrentIndex(models->findData(66)); // an 8-E1 trunk board of the later family
    EXPECT_TRUE(page->isChanged());
    EXPECT_EQ(page->copy().pcms.size(), 8u);
    EXPECT_EQ(page->copy().usedChannels, 240u);
    EXPECT_FALSE(page->findChild<QComboBox *>(QStringLiteral("compressCodec"))->isVisible());
    server::testing::saveWindowPicture(window, "KtCtiConfig_new_board");
    click("modify");
    EXPECT_EQ(window.model().boards[2].modelCode, 66);
    EXPECT_EQ(window.model().channels.size(), 8u + 16u + 240u);
    // The tree now has the board's PCM items.
    EXPECT_TRUE(window.selectPage(PageKind::Pcm, 2, 7));
}

// The monitoring boards 65 and 74 offer the codec list but refuse its MP3 entries.
TEST_F(SystemPageInWindow, Mp3CodecIsRefusedForTheMonitoringBoards)
{
    ConfigModel model = detectedModel();
    model.boards.push_back(detectedBoard(65, 8001, 0));
    rebuildBoardDefaults(model);
    KtCtiConfigDlg &window = open(std::move(model));
    ASSERT_TRUE(window.selectPage(PageKind::Board, 2));
    auto *codec = window.currentPage()->findChild<QComboBox *>(QStringLiteral("compressCodec"));
    ASSERT_TRUE(codec->isVisible());
    codec->setCurrentIndex(2);
    EXPECT_EQ(codec->currentIndex(), 0);
    EXPECT_EQ(m_dialogs.shown.back(), kNoMp3Text);
    codec->setCurrentIndex(1);
    click("modify");
    EXPECT_EQ(window.model().boards[2].options.get("DspCoder"), "49");
}

} // namespace
} // namespace ktcticonfig::test
