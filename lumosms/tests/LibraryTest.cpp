// libLumoSms.so as an outside program loads it: only the functions of its header, and unloading closes the port.
#include "FakeModem.h"

#include <gtest/gtest.h>

#include <dlfcn.h>

namespace lumosms {
namespace {

constexpr int kPort = 8;

TEST(LibraryTest, ExportsItsFunctionsAndUnloadingCloses)
{
    test::FakeModem modem;
    modem.installAsPort(kPort);
    void *library = dlopen(LUMOSMS_LIBRARY_PATH, RTLD_NOW | RTLD_LOCAL);
    ASSERT_NE(library, nullptr) << dlerror();
    using Init = int (*)(const char *, int, int, void (*)(int, int));
    using Send = int (*)(int, const char *, const char *);
    using Recv = int (*)(char *, int, char *, int, char *, int);
    using Close = int (*)();
    using SetUndecodable = void (*)(void (*)(int, const char *));
    const auto init = reinterpret_cast<Init>(dlsym(library, "Lumo_gsmInit"));
    const auto send = reinterpret_cast<Send>(dlsym(library, "Lumo_gsmSendMessage"));
    const auto recv = reinterpret_cast<Recv>(dlsym(library, "Lumo_gsmRecvMessage"));
    const auto close = reinterpret_cast<Close>(dlsym(library, "Lumo_gsmClose"));
    const auto setUndecodable = reinterpret_cast<SetUndecodable>(dlsym(library, "Lumo_gsmSetUndecodableCallback"));
    ASSERT_TRUE(init && send && recv && close && setUndecodable);
    EXPECT_EQ(
        dlsym(library, "_ZN7lumosms12decodeDeliverESt17basic_string_viewIcSt11char_traitsIcEERNS_13MessageRecordE"),
        nullptr); // internals stay inside

    EXPECT_EQ(send(1, "13900000000", "A"), 4);
    ASSERT_EQ(init("8613800000000", kPort, 115200, nullptr), 1);
    EXPECT_FALSE(modem.portClosed());
    EXPECT_EQ(send(1, "13900000000", "A"), 0);
    EXPECT_EQ(dlclose(library), 0);
    EXPECT_TRUE(modem.portClosed());
}

} // namespace
} // namespace lumosms
