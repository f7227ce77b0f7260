// ktsim: sends one control command to a running software board and prints its reply.
#include <cstdio>
#include <cstring>
#include <string>
#include <sys/socket.h>
#include <sys/un.h>
#include <unistd.h>

#include "vn/Version.h"

namespace {

constexpr const char *kUsage = "usage: ktsim SOCKET COMMAND [ARGS...]\n"
                               "       ktsim --help | --version\n"
                               "commands: offhook CH | onhook CH | flash CH | keys CH DIGITS | voltage CH V | state\n";

int usage()
{
    std::fputs(kUsage, stderr);
    return 2;
}

} // namespace

int main(int argc, char **argv)
{
    if (argc == 2 && std::strcmp(argv[1], "--help") == 0) {
        std::fputs(kUsage, stdout);
        return 0;
    }
    if (argc == 2 && std::strcmp(argv[1], "--version") == 0) {
        std::printf("ktsim %s\n", VN_VERSION);
        return 0;
    }
    if (argc < 3)
        return usage();
    std::string line;
    for (int i = 2; i < argc; ++i)
        line += std::string(i > 2 ? " " : "") + argv[i];
    line += '\n';
    sockaddr_un addr{};
    if (std::strlen(argv[1]) >= sizeof(addr.sun_path)) {
        std::fprintf(stderr, "ktsim: %s: path too long\n", argv[1]);
        return 1;
    }
    addr.sun_family = AF_UNIX;
    std::strcpy(addr.sun_path, argv[1]);
    int fd = socket(AF_UNIX, SOCK_STREAM, 0);
    if (fd < 0 || connect(fd, reinterpret_cast<sockaddr *>(&addr), sizeof addr) != 0) {
        std::fprintf(stderr, "ktsim: cannot connect to %s: %s\n", argv[1], std::strerror(errno));
        return 1;
    }
    if (write(fd, line.data(), line.size()) != static_cast<ssize_t>(line.size())) {
        std::fprintf(stderr, "ktsim: cannot send: %s\n", std::strerror(errno));
        return 1;
    }
    // Every reply ends with a line "ok" or a line beginning "error:".
    std::string reply;
    char buf[1024];
    ssize_t n;
    while ((n = read(fd, buf, sizeof buf)) > 0) {
        reply.append(buf, static_cast<std::size_t>(n));
        if (reply.size() >= 3 && (reply.ends_with("ok\n") || reply.rfind("error:") != std::string::npos) &&
            reply.back() == '\n')
            break;
    }
    close(fd);
    std::fputs(reply.c_str(), stdout);
    return reply.rfind("error:", 0) == 0 ? 1 : 0;
}
