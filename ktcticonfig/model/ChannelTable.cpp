// Reading, checking, writing and defaulting of the application channel table.
#include "ktcticonfig/model/ChannelTable.h"

#include <cstdint>
#include <cstdio>
#include <unordered_map>

namespace ktcticonfig {

namespace {

constexpr const char *kSection = "AppChToBoardChTable";

std::string appChKey(long long n)
{
    return "AppCh[" + std::to_string(n) + "]";
}

struct Parsed
{
    int board = -1;
    int first = -1;
    int last = -1;
    bool run = false;
};

Parsed parse(const std::string &text)
{
    Parsed p;
    p.run = text.find("..") != std::string::npos;
    if (p.run)
        std::sscanf(text.c_str(), "%d,%d..%d", &p.board, &p.first, &p.last);
    else
        std::sscanf(text.c_str(), "%d,%d", &p.board, &p.first);
    return p;
}

bool fail(Reporter &reporter, const std::string &message)
{
    reporter.report(message);
    return false;
}

bool checkEntries(ChannelTable &table, const std::vector<BoardRecord> &boards, Reporter &reporter)
{
    for (AppChannel &e : table) {
        if (e.board == -1 && e.channel == -1)
            continue;
        if (e.board < 0 || e.board >= static_cast<int>(boards.size()))
            return fail(reporter, "Error: matching number channel not found on board!");
        const int count = boards[e.board].channelCount;
        if (e.channel < 0 || e.channel >= count)
            return fail(reporter, "Error: matching channel number for ch=" + std::to_string(count) + " not found on board!");
        e.state = kAppChannelMapped;
    }
    return true;
}

// The pair the exhaustive comparison would name first: the earliest entry that has a twin, with the
// first twin after it. Found with one hash pass instead of comparing every pair.
bool checkDuplicates(const ChannelTable &table, Reporter &reporter)
{
    std::unordered_map<std::uint64_t, std::pair<std::size_t, std::size_t>> seen;
    seen.reserve(table.size());
    constexpr std::size_t none = static_cast<std::size_t>(-1);
    std::size_t bestFirst = none, bestSecond = none;
    for (std::size_t k = 0; k < table.size(); ++k) {
        const AppChannel &e = table[k];
        if (e.state != kAppChannelMapped)
            continue;
        const std::uint64_t key = (static_cast<std::uint64_t>(static_cast<std::uint32_t>(e.board)) << 32) |
                                  static_cast<std::uint32_t>(e.channel);
        auto [it, inserted] = seen.try_emplace(key, k, none);
        if (!inserted && it->second.second == none) {
            it->second.second = k;
            if (bestFirst == none || it->second.first < bestFirst) {
                bestFirst = it->second.first;
                bestSecond = k;
            }
        }
    }
    if (bestFirst == none)
        return true;
    const AppChannel &m = table[bestFirst];
    const AppChannel &k = table[bestSecond];
    char text[160];
    std::snprintf(text, sizeof text,
                  "Error on AppCh[%zu]=%d,%d and AppCh[%zu]=%d,%d: duplicate channel specification!", bestFirst,
                  m.board, m.channel, bestSecond, k.board, k.channel);
    return fail(reporter, text);
}

} // namespace

bool readChannelTable(const common::ProfileFile &file, std::vector<BoardRecord> &boards, ChannelTable &table,
                      Reporter &reporter)
{
    table.clear();
    const int total = file.readProfileInt(kSection, "TotalAppCh", 0);
    if (total < 1 || total > kMaxAppChannels)
        return fail(reporter, "Error: 'TotalAppCh' must be within 0 and 20000!");
    table.assign(static_cast<std::size_t>(total), AppChannel{});
    std::vector<long long> used(boards.size(), 0);
    long long mapped = 0;

    for (long long n = 0; n < total;) {
        const Parsed p = parse(file.readString(kSection, appChKey(n), "-1,-1", 29));
        long long length = 1;
        if (p.run) {
            if (p.last < p.first)
                return fail(reporter, "Error: the beginning channel number should not exceed the ending one!");
            length = static_cast<long long>(p.last) - p.first + 1;
            for (long long i = 0; i < length; ++i) {
                // A run reaching past the table's end would name application channels that do not exist.
                if (n + i >= total)
                    return fail(reporter, "Error: specified channels exceeded total channels on boards!");
                table[n + i] = {p.board, static_cast<int>(p.first + i), kAppChannelUnmapped};
            }
            for (long long k = n + 1; k < n + length; ++k) {
                const Parsed inner = parse(file.readString(kSection, appChKey(k), "-1,-1", 29));
                if (inner.board != -1 && inner.first != -1)
                    return fail(reporter, "Error: duplicate channel number specification!");
            }
        } else {
            table[n] = {p.board, p.first, kAppChannelUnmapped};
        }
        if (p.board >= 0 && p.board < static_cast<int>(boards.size()))
            used[p.board] += length;
        if (p.board >= 0)
            mapped += length;
        n += length;
    }
    for (std::size_t b = 0; b < boards.size(); ++b)
        boards[b].usedChannels = static_cast<std::uint16_t>(used[b] > 0xFFFF ? 0xFFFF : used[b]);

    if (!checkEntries(table, boards, reporter) || !checkDuplicates(table, reporter))
        return false;
    if (mapped == 0)
        return fail(reporter, "No available hardware channel found!");
    return true;
}

void writeChannelTable(ProfileWriter &w, const ChannelTable &table, const std::vector<BoardRecord> &boards)
{
    const long long total = static_cast<long long>(table.size());
    w.writeInt(kSection, "TotalAppCh", total);
    for (long long n = 0; n < total + 480; ++n)
        w.write(kSection, appChKey(n), std::nullopt);
    for (std::size_t n = 0; n < table.size();) {
        const AppChannel &start = table[n];
        if (start.state != kAppChannelMapped) {
            ++n;
            continue;
        }
        const int lastOfBoard =
            start.board >= 0 && start.board < static_cast<int>(boards.size()) ? boards[start.board].channelCount - 1 : -1;
        std::size_t end = n;
        while (end + 1 < table.size() && table[end].channel != lastOfBoard) {
            const AppChannel &next = table[end + 1];
            if (next.state != kAppChannelMapped || next.board != start.board || next.channel != table[end].channel + 1)
                break;
            ++end;
        }
        w.write(kSection, appChKey(static_cast<long long>(n)),
                std::to_string(start.board) + "," + std::to_string(start.channel) + ".." +
                    std::to_string(table[end].channel));
        n = end + 1;
    }
}

ChannelTable defaultChannelTable(const std::vector<BoardRecord> &boards)
{
    ChannelTable table;
    for (std::size_t b = 0; b < boards.size(); ++b)
        for (int c = 0; c < boards[b].usedChannels; ++c)
            table.push_back({static_cast<int>(b), c, kAppChannelMapped});
    return table;
}

} // namespace ktcticonfig
