// The page tree of the main window, built from the board list without widgets: which option pages
// the tree shows, in which order, with which board ID and PCM index each page is loaded.
#pragma once

#include "ktcticonfig/model/ConfigModel.h"

#include <string>
#include <vector>

namespace ktcticonfig {

/// One kind of option page. The window keeps one page widget per kind and loads it with the board ID
/// and PCM index of the tree item selected (ui/PageFactory.cpp creates the page of each kind).
enum class PageKind
{
    System,       ///< "Boards Setting": the board list and system keys
    Board,        ///< "<%02d> %s": the board's model and board-level options
    PcmList,      ///< "PCM Options": the board's PCMs
    Pcm,          ///< "PCM %02d": one PCM of a board
    BoardSip,     ///< "Board SIP Options": IP boards (the page picks its layout by IP flavour)
    AnalogLine,   ///< "Analog Line Options": voice boards
    DigitalPhone, ///< "Digital Phone Options": recording boards
    BoardVoice,   ///< "Board Voice Options": every board but the resource boards
    Ss7,          ///< "SS7 Options"
    Tup,          ///< "TUP Options"
    Isup,         ///< "ISUP Options"
    Isdn,         ///< "ISDN Options"
    Ss1,          ///< "SS1 Options"
    Spy,          ///< "Spy Options"
    SipGlobal,    ///< "SIP Global Options"
    ToneDetector, ///< "Tone Detector Options"
    Fax,          ///< "FAX Options"
    GlobalVoice,  ///< "Global Voice Options"
    LogOutput,    ///< "Log Output Options"
};

inline constexpr int kPageKindCount = static_cast<int>(PageKind::LogOutput) + 1;

/// The fixed English caption of a kind ("Board" and "Pcm" items carry their own label).
const char *pageCaption(PageKind kind);

struct PageNode
{
    PageKind kind = PageKind::System;
    int boardId = -1;  ///< the board the page is loaded for; -1 when it belongs to none
    int pcmIndex = -1; ///< the PCM of that board; -1 when none
    std::vector<PageNode> children;

    bool operator==(const PageNode &) const = default;
};

/// The items of the tree in order: the root ("Boards Setting", with one child per board), the
/// protocol and option items some board needs, then "Global Voice Options" and "Log Output Options".
std::vector<PageNode> buildPageTree(const ConfigModel &model);

/// The label of a board item: "<%02d> %s" with the board ID and model name.
std::string boardItemLabel(int boardId, const BoardRecord &board);
/// The label of a PCM item: "PCM %02d".
std::string pcmItemLabel(int pcmIndex);

/// True when the PCM (board ID, PCM index on that board) is in the ISUP PCM list, whose items name
/// the PCM by its number in the application PCM list.
bool isIsupPcm(const ConfigModel &model, int boardId, int pcmIndex);

} // namespace ktcticonfig
