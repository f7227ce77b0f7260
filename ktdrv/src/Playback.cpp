// Playing on channels: files, play lists and indexed voice segments; what a line heard.
#include "ktdrv/src/Board.h"

namespace ktdrv {

void Board::collectPlayed(int ch, std::vector<PlayedPiece> &pieces)
{
    auto &c = m_channels[static_cast<std::size_t>(ch)];
    for (auto &p : pieces) {
        // A SIP line's record is made of the packets it sent (the media tick adds them).
        if (c.trunk()) {
            if (!c.sip)
                c.heard.push_back(p);
        }
        // A station playing with destination 1 is heard by the line bridged to it as well.
        else if (c.playDest == 1 && c.peer >= 0 && m_channels[static_cast<std::size_t>(c.peer)].trunk())
            m_channels[static_cast<std::size_t>(c.peer)].heard.push_back(p);
    }
    pieces.clear();
}

void Board::settlePlayed(int ch, Ms t)
{
    std::vector<PlayedPiece> pieces;
    m_channels[static_cast<std::size_t>(ch)].player.flush(t, pieces);
    collectPlayed(ch, pieces);
}

int Board::setPlayDest(int ch, int destination)
{
    Channel *c = channel(ch);
    if (!c)
        return -1;
    settlePlayed(ch, m_now);
    c->playDest = destination;
    return 0;
}

int Board::play(int ch, std::vector<PlayItem> items)
{
    Channel *c = channel(ch);
    if (!c || c->type < 0)
        return -1;
    for (const auto &i : items)
        if (!i.data)
            m_log.write(m_now, "ch " + std::to_string(ch) + " cannot play " + i.path + ": file missing or unreadable");
    std::vector<PlayedPiece> pieces;
    c->player.start(std::move(items), m_now, pieces);
    collectPlayed(ch, pieces);
    return 0;
}

int Board::playIndex(int ch, const std::string &names)
{
    Channel *c = channel(ch);
    if (!c || c->type < 0)
        return -1;
    std::vector<PlayItem> items;
    std::size_t pos = 0;
    while (pos <= names.size()) {
        auto comma = names.find(',', pos);
        if (comma == std::string::npos)
            comma = names.size();
        std::string name(common::trimBlanks(std::string_view(names).substr(pos, comma - pos)));
        pos = comma + 1;
        if (name.empty())
            continue;
        auto it = m_index.find(name);
        if (it == m_index.end()) {
            m_log.write(m_now, "ch " + std::to_string(ch) + " voice segment '" + name + "' is not in the index");
            continue;
        }
        items.push_back(loadPlayItem(it->second, 0, -1));
    }
    return play(ch, std::move(items));
}

int Board::stopPlay(int ch)
{
    Channel *c = channel(ch);
    if (!c)
        return -1;
    std::vector<PlayedPiece> pieces;
    c->player.stop(m_now, pieces);
    collectPlayed(ch, pieces);
    return 0;
}

} // namespace ktdrv
