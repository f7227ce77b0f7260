// The operator display as the engine sees it: the two channel lists, the hang-up menu, the memo and
// the status panels.
#pragma once

#include <string>
#include <string_view>
#include <vector>

namespace server {

enum class ChannelList { Trunk, Station };

/// Row images of the channel lists.
enum class RowImage { Closed = 0, InUse = 1, Idle = 2 };

class Display
{
public:
    virtual ~Display() = default;
    /// Appends a row with its caption, ticked when the channel is in service; returns the row number.
    virtual int addChannelRow(ChannelList list, std::string_view caption, bool inService) = 0;
    /// Replaces every text of a row after its caption and sets its image.
    virtual void setChannelRow(ChannelList list, int row, RowImage image, const std::vector<std::string> &texts) = 0;
    virtual void setRowImage(ChannelList list, int row, RowImage image) = 0;
    /// Sets one text of a row; column 1 is the first text after the caption.
    virtual void setRowText(ChannelList list, int row, int column, std::string_view text) = 0;
    virtual void setRowChecked(ChannelList list, int row, bool checked) = 0;
    virtual void addHangupMenuItem(std::string_view caption, std::string_view name) = 0;
    virtual void setStatusPanel(int panel, std::string_view text) = 0;
    virtual void addMemoLine(std::string_view text) = 0;
};

/// The display of a run without a window (headless, virtual time): it shows nothing.
class NoDisplay : public Display
{
public:
    int addChannelRow(ChannelList, std::string_view, bool) override { return m_rows++; }
    void setChannelRow(ChannelList, int, RowImage, const std::vector<std::string> &) override {}
    void setRowImage(ChannelList, int, RowImage) override {}
    void setRowText(ChannelList, int, int, std::string_view) override {}
    void setRowChecked(ChannelList, int, bool) override {}
    void addHangupMenuItem(std::string_view, std::string_view) override {}
    void setStatusPanel(int, std::string_view) override {}
    void addMemoLine(std::string_view) override {}

private:
    int m_rows = 0;
};

} // namespace server
