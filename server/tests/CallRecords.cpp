// Reading a run's log and audio call by call.
#include "server/tests/CallRecords.h"

#include <algorithm>
#include <cstdio>
#include <sstream>
#include <string_view>

namespace server::testing {

bool LoggedCall::has(const char *text) const
{
    return std::any_of(lines.begin(), lines.end(),
                       [&](const std::string &line) { return line.find(text) != std::string::npos; });
}

int trunkOfLogLine(const std::string &line)
{
    for (const char *word : {"外线通道：", "通道：", "通道"}) {
        const auto at = line.find(word);
        if (at == std::string::npos)
            continue;
        std::size_t end = at + std::string_view(word).size();
        int n = -1;
        while (end < line.size() && line[end] >= '0' && line[end] <= '9')
            n = std::max(n, 0) * 10 + (line[end++] - '0');
        if (n >= 0)
            return n;
    }
    return -1;
}

std::map<std::string, std::vector<LoggedCall>> callsInLog(const std::string &log, int trunks)
{
    static const std::string dial = " 摘机呼叫: ";
    std::map<std::string, std::vector<LoggedCall>> calls;
    std::map<int, std::pair<std::string, std::size_t>> open; // trunk -> number and call in progress
    std::istringstream in(log);
    for (std::string line; std::getline(in, line);) {
        if (!line.empty() && line.back() == '\r')
            line.pop_back();
        const int c = trunkOfLogLine(line);
        if (c < 0 || c >= trunks)
            continue;
        if (const auto at = line.find(dial); at != std::string::npos) {
            const std::string phone = line.substr(at + dial.size());
            calls[phone].push_back({c, {}});
            open[c] = {phone, calls[phone].size() - 1};
        }
        const auto it = open.find(c);
        if (it == open.end())
            continue;
        calls[it->second.first][it->second.second].lines.push_back(line);
        if (line.find("延迟设置为空闲") != std::string::npos)
            open.erase(it);
    }
    return calls;
}

std::string audioRuns(const QByteArray &audio)
{
    std::string text;
    const char *const end = audio.constData() + audio.size();
    for (const char *at = audio.constData(); at != end;) {
        const char *const from = at;
        while (at != end && *at == *from)
            ++at;
        char token[32];
        std::snprintf(token, sizeof token, " %02x*%td", static_cast<unsigned char>(*from), at - from);
        text += token;
    }
    return text + " ";
}

std::string audioRun(char byte, int ms)
{
    return audioRuns(QByteArray(ms * 8, byte));
}

std::string audioRunBegun(char byte)
{
    char token[8];
    std::snprintf(token, sizeof token, " %02x*", static_cast<unsigned char>(byte));
    return token;
}

std::size_t occurrences(const std::string &text, const std::string &part)
{
    std::size_t n = 0;
    for (auto at = text.find(part); at != std::string::npos; at = text.find(part, at + part.size()))
        ++n;
    return n;
}

} // namespace server::testing
