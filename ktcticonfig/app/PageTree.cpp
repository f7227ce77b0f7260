// Building the page tree from the board list.
#include "ktcticonfig/app/PageTree.h"

#include "ktcticonfig/model/GlobalKeys.h"
#include "ktcticonfig/model/ModelRules.h"
#include "ktcticonfig/model/ModelTable.h"

#include <cstdio>
#include <cstdlib>

namespace ktcticonfig {

namespace {

// Which of the global items some board needs, gathered in one pass over the boards.
struct GlobalItems
{
    bool tup = false;
    bool isup = false;
    bool isdn = false;
    bool ss1 = false;
    bool spy = false;
    bool sipGlobal = false;
    bool toneDetector = false;
    bool fax = false;
};

// A text option counts as set when it is a non-zero number.
bool nonZeroNumber(const BoardRecord &board, std::string_view key)
{
    const std::string text = board.options.get(key, "0");
    return std::strtol(text.c_str(), nullptr, 0) != 0;
}

bool runsAsSpy(const BoardRecord &board)
{
    return board.options.get("RunAsSpy", "0") != "0";
}

bool isResourceModel(int code)
{
    return code >= 57 && code <= 60;
}

void noteBoard(const ConfigModel &model, int id, GlobalItems &items)
{
    const BoardRecord &board = model.boards[static_cast<std::size_t>(id)];
    const BoardFlags &f = board.flags;
    if (f.digital && !runsAsSpy(board)) {
        for (std::size_t p = 0; p < board.pcms.size(); ++p) {
            switch (board.pcms[p].signalling) {
            case 7:
                (isIsupPcm(model, id, static_cast<int>(p)) ? items.isup : items.tup) = true;
                break;
            case 0:
            case 2:
                items.isdn = true;
                break;
            case 1:
                items.ss1 = true;
                break;
            default:
                break;
            }
        }
    }
    if (f.monitoring || (f.digital && runsAsSpy(board)))
        items.spy = true;
    if (f.ip)
        items.sipGlobal = true;
    if (f.voice || f.recording ||
        ((f.ip || f.digital || f.monitoring) && nonZeroNumber(board, "DefaultToneCheckState")))
        items.toneDetector = true;
    if (nonZeroNumber(board, "MaxFaxChannel") || isSmallFaxModel(board.modelCode))
        items.fax = true;
}

PageNode boardNode(const BoardRecord &board, int id)
{
    PageNode node{PageKind::Board, id, -1, {}};
    const BoardFlags &f = board.flags;
    // The first class flag in this order decides the board's own option items.
    if (f.voice) {
        node.children.push_back({PageKind::AnalogLine, id, -1, {}});
    } else if (f.ip) {
        node.children.push_back({PageKind::BoardSip, id, -1, {}});
    } else if (f.recording) {
        node.children.push_back({PageKind::DigitalPhone, id, -1, {}});
    } else if (f.digital || f.monitoring) {
        PageNode pcms{PageKind::PcmList, id, -1, {}};
        for (std::size_t p = 0; p < board.pcms.size(); ++p)
            pcms.children.push_back({PageKind::Pcm, id, static_cast<int>(p), {}});
        node.children.push_back(std::move(pcms));
    }
    if (!isResourceModel(board.modelCode))
        node.children.push_back({PageKind::BoardVoice, id, -1, {}});
    return node;
}

} // namespace

const char *pageCaption(PageKind kind)
{
    switch (kind) {
    case PageKind::System:
        return "Boards Setting";
    case PageKind::Board:
        return "Board";
    case PageKind::PcmList:
        return "PCM Options";
    case PageKind::Pcm:
        return "PCM";
    case PageKind::BoardSip:
        return "Board SIP Options";
    case PageKind::AnalogLine:
        return "Analog Line Options";
    case PageKind::DigitalPhone:
        return "Digital Phone Options";
    case PageKind::BoardVoice:
        return "Board Voice Options";
    case PageKind::Ss7:
        return "SS7 Options";
    case PageKind::Tup:
        return "TUP Options";
    case PageKind::Isup:
        return "ISUP Options";
    case PageKind::Isdn:
        return "ISDN Options";
    case PageKind::Ss1:
        return "SS1 Options";
    case PageKind::Spy:
        return "Spy Options";
    case PageKind::SipGlobal:
        return "SIP Global Options";
    case PageKind::ToneDetector:
        return "Tone Detector Options";
    case PageKind::Fax:
        return "FAX Options";
    case PageKind::GlobalVoice:
        return "Global Voice Options";
    case PageKind::LogOutput:
        return "Log Output Options";
    }
    return "";
}

bool isIsupPcm(const ConfigModel &model, int boardId, int pcmIndex)
{
    const std::string name = std::to_string(boardId) + "," + std::to_string(pcmIndex);
    std::size_t number = 0;
    while (number < model.pcmList.size() && model.pcmList[number] != name)
        ++number;
    if (number == model.pcmList.size())
        return false;
    const auto lists = indexedLists();
    for (std::size_t i = 0; i < lists.size(); ++i) {
        if (lists[i].countKey != "TotalIsupPcm")
            continue;
        for (const auto &row : model.settings.list(i))
            if (!row.empty() && row[0] && std::atoi(row[0]->c_str()) == static_cast<int>(number))
                return true;
    }
    return false;
}

std::string boardItemLabel(int boardId, const BoardRecord &board)
{
    // A board whose model is still to be chosen shows the placeholder name of code 0.
    const ModelRow *row = modelRow(board.modelCode);
    const std::string name = row ? std::string(row->name) : std::string();
    char text[80];
    std::snprintf(text, sizeof text, "<%02d> %s", boardId, name.c_str());
    return text;
}

std::string pcmItemLabel(int pcmIndex)
{
    char text[16];
    std::snprintf(text, sizeof text, "PCM %02d", pcmIndex);
    return text;
}

std::vector<PageNode> buildPageTree(const ConfigModel &model)
{
    std::vector<PageNode> tree;
    PageNode root{PageKind::System, -1, -1, {}};
    GlobalItems items;
    for (std::size_t b = 0; b < model.boards.size(); ++b) {
        root.children.push_back(boardNode(model.boards[b], static_cast<int>(b)));
        noteBoard(model, static_cast<int>(b), items);
    }
    tree.push_back(std::move(root));
    if (items.tup || items.isup) {
        PageNode ss7{PageKind::Ss7, -1, -1, {}};
        if (items.tup)
            ss7.children.push_back({PageKind::Tup, -1, -1, {}});
        if (items.isup)
            ss7.children.push_back({PageKind::Isup, -1, -1, {}});
        tree.push_back(std::move(ss7));
    }
    const std::pair<bool, PageKind> optional[] = {{items.isdn, PageKind::Isdn},
                                                  {items.ss1, PageKind::Ss1},
                                                  {items.spy, PageKind::Spy},
                                                  {items.sipGlobal, PageKind::SipGlobal},
                                                  {items.toneDetector, PageKind::ToneDetector},
                                                  {items.fax, PageKind::Fax}};
    for (const auto &[needed, kind] : optional)
        if (needed)
            tree.push_back({kind, -1, -1, {}});
    tree.push_back({PageKind::GlobalVoice, -1, -1, {}});
    tree.push_back({PageKind::LogOutput, -1, -1, {}});
    return tree;
}

} // namespace ktcticonfig
