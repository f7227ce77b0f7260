// A display for tests: keeps the rows, menu items, panels and memo lines the engine shows.
#pragma once

#include "server/engine/Display.h"

#include <map>
#include <string>
#include <vector>

namespace server::testing {

class RecordingDisplay : public Display
{
public:
    struct Row
    {
        std::string caption;
        bool checked = false;
        RowImage image = RowImage::Idle;
        std::vector<std::string> texts;
    };

    int addChannelRow(ChannelList list, std::string_view caption, bool inService) override
    {
        auto &rows = list == ChannelList::Trunk ? trunkRows : stationRows;
        rows.push_back({std::string(caption), inService, inService ? RowImage::Idle : RowImage::Closed, {}});
        return static_cast<int>(rows.size()) - 1;
    }
    void setChannelRow(ChannelList list, int row, RowImage image, const std::vector<std::string> &texts) override
    {
        Row &r = rowOf(list, row);
        r.image = image;
        r.texts = texts;
    }
    void setRowImage(ChannelList list, int row, RowImage image) override { rowOf(list, row).image = image; }
    void setRowText(ChannelList list, int row, int column, std::string_view text) override
    {
        auto &texts = rowOf(list, row).texts;
        if (texts.size() < static_cast<std::size_t>(column))
            texts.resize(static_cast<std::size_t>(column));
        texts[static_cast<std::size_t>(column - 1)] = std::string(text);
    }
    void setRowChecked(ChannelList list, int row, bool checked) override { rowOf(list, row).checked = checked; }
    void addHangupMenuItem(std::string_view caption, std::string_view name) override
    {
        menu.emplace_back(std::string(caption), std::string(name));
    }
    void setStatusPanel(int panel, std::string_view text) override { panels[panel] = std::string(text); }
    void addMemoLine(std::string_view text) override { memo.emplace_back(text); }

    Row &rowOf(ChannelList list, int row) { return (list == ChannelList::Trunk ? trunkRows : stationRows).at(static_cast<std::size_t>(row)); }

    std::vector<Row> trunkRows, stationRows;
    std::vector<std::pair<std::string, std::string>> menu;
    std::map<int, std::string> panels;
    std::vector<std::string> memo;
};

} // namespace server::testing
