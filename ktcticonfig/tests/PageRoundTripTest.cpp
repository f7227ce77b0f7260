// A load and store through every page of the tree leaves KtConfig.ini byte-identical.
#include "ktcticonfig/detect/DetectionPass.h"
#include "ktcticonfig/model/BoardKeys.h"
#include "ktcticonfig/tests/FakeProbe.h"
#include "ktcticonfig/tests/PageTestHost.h"
#include "ktcticonfig/tests/TempDirectory.h"

#include "server/ui/tests/WindowPicture.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <fstream>
#include <functional>
#include <map>
#include <set>
#include <sstream>

namespace ktcticonfig {
namespace {

using test::device;

std::string fileBytes(const std::string &path)
{
    std::ifstream in(path, std::ios::binary);
    std::ostringstream out;
    out << in.rdbuf();
    return out.str();
}

// Boards that bring every page into the tree: analog, E1 with every signalling type, a second E1
// running as a monitor, an IP board of each flavour, a recording board, a small fax board.
ConfigModel everyPageModel()
{
    test::FakeProbe probe({{0, device(test::kPci8Channel, 11)},
                           {1, device(test::kPci8E1, 12)},
                           {2, device(test::kPci8E1, 13)},
                           {3, device(test::kIpBoard, 14)},
                           {4, device(99, 15)},    // code 61, recording
                           {5, device(164, 16)},   // code 135
                           {6, device(109, 17)}}); // code 88, the second IP flavour
    ConfigModel model;
    RecordingReporter reporter;
    std::string error;
    EXPECT_TRUE(runDetection(model, probe, reporter, &error)) << error;
    auto &pcms = model.boards.at(1).pcms;
    const std::uint8_t types[] = {0, 1, 2, 7, 7, 1, 1, 1};
    for (std::size_t p = 0; p < pcms.size() && p < std::size(types); ++p)
        pcms[p].signalling = types[p];
    model.boards.at(2).options.set("RunAsSpy", "1");
    // The ISDN links of the user- and network-side PCMs, with their default parameters.
    buildDefaultPcmList(model);
    model.boards.at(5).options.set("MaxFaxChannel", "2");
    // The second SS7 PCM of board 1 carries ISUP: the list names it by its number in the PCM list.
    const auto isup = std::find(model.pcmList.begin(), model.pcmList.end(), "1,4");
    EXPECT_NE(isup, model.pcmList.end());
    model.settings.list(1) = {{std::to_string(isup - model.pcmList.begin()), "4"}};
    model.boards.at(3).options.set("DefaultToneCheckState", "1");
    model.settings.list(0) = {{"\"110\",3,1"}, {"\"114\",3,1"}, {"\"127\",10,1"}};
    model.settings.setNumber("SS1Config", "MaxPhoNumRule", 3);
    model.settings.setText("DebugView", "LogFilePath", "/var/log/kt");
    model.settings.setText("SystemConfig", "DefaultTxFlashChar", "!");
    return model;
}

void visit(const std::vector<PageNode> &nodes, const std::function<void(const PageNode &)> &f)
{
    for (const PageNode &node : nodes) {
        f(node);
        visit(node.children, f);
    }
}

TEST(PageRoundTrip, EveryPageLeavesTheFileByteIdentical)
{
    test::TempDirectory dir;
    test::PageTestHost host;
    RecordingReporter reporter;
    ASSERT_TRUE(writeModel(dir.file("first.ini"), everyPageModel(), reporter));
    std::string error;
    ASSERT_TRUE(readModel(dir.file("first.ini"), host.m_model, reporter, &error)) << error;
    ASSERT_TRUE(writeModel(dir.file("before.ini"), host.m_model, reporter));
    EXPECT_EQ(host.m_model.settings.list(listIndex("ISDN", "TotalUserLinker")).size(), 1u);
    EXPECT_EQ(host.m_model.settings.list(listIndex("ISDN", "TotalNetLinker")).size(), 1u);

    std::map<PageKind, std::unique_ptr<ConfigPage>> pages;
    std::set<PageKind> seen;
    visit(buildPageTree(host.m_model), [&](const PageNode &node) {
        auto &page = pages[node.kind];
        if (!page)
            page = host.page(node.kind);
        page->load(node.boardId, node.pcmIndex);
        if (!seen.count(node.kind)) {
            // A picture of every page as it shows the first item of its kind.
            std::string name = std::string("KtCtiConfigPage-") + pageCaption(node.kind);
            name.erase(std::remove(name.begin(), name.end(), ' '), name.end());
            page->show();
            server::testing::saveWindowPicture(*page, name.c_str());
        }
        EXPECT_TRUE(page->store()) << pageCaption(node.kind);
        seen.insert(node.kind);
    });
    for (int k = 0; k < kPageKindCount; ++k)
        EXPECT_TRUE(seen.count(static_cast<PageKind>(k))) << pageCaption(static_cast<PageKind>(k));
    EXPECT_TRUE(host.m_dialogs.messages.empty()) << host.m_dialogs.messages.front();
    ASSERT_TRUE(writeModel(dir.file("after.ini"), host.m_model, reporter));
    EXPECT_EQ(fileBytes(dir.file("after.ini")), fileBytes(dir.file("before.ini")));
}

} // namespace
} // namespace ktcticonfig
