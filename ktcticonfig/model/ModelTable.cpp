// Data of the board model table: names and rule columns of codes 0..137, alternative spellings and
// the hardware model identifiers reported by the board devices.
#include "ktcticonfig/model/ModelTable.h"

#include "common/Text.h"

#include <array>
#include <utility>

namespace ktcticonfig {

namespace {

using C = BoardClass;

constexpr ModelRow voice(int code, std::string_view bus, std::uint16_t ch, std::string_view name, C c = C::Voice)
{
    return {code, name, bus, c, ch, ch, 0, ch, -1};
}

constexpr ModelRow trunk(int code, std::string_view bus, std::uint16_t e1, std::uint16_t other, std::uint8_t pcms,
                         std::uint16_t used, std::int8_t sig, std::string_view name, C c = C::Digital)
{
    return {code, name, bus, c, e1, other, pcms, used, sig};
}

const ModelRow kRows[] = {
    {0, "-- Select --", "", C::None, 0, 0, 0, 0, -1},
    voice(1, "ISA", 8, "ISA 8-channel analog voice board"),
    voice(2, "ISA", 8, "ISA 8-channel analog voice board, series 2"),
    voice(3, "ISA", 16, "ISA 16-channel analog voice board"),
    voice(4, "ISA", 4, "ISA 4-channel analog voice board"),
    voice(5, "ISA", 8, "ISA 8-channel analog voice board, series 3"),
    voice(6, "PCI", 8, "PCI 8-channel analog voice board"),
    voice(7, "PCI", 8, "PCI 8-channel analog voice board, series 2"),
    voice(8, "PCI", 16, "PCI 16-channel analog voice board"),
    trunk(9, "ISA", 30, 30, 1, 30, 1, "ISA 30-channel digital trunk board (SS1)"),
    trunk(10, "ISA", 30, 30, 1, 30, 7, "ISA 30-channel digital trunk board (SS7)"),
    trunk(11, "ISA", 30, 30, 1, 30, 0, "ISA 30-channel digital trunk board (ISDN)"),
    trunk(12, "ISA", 60, 60, 2, 60, 1, "ISA 60-channel digital trunk board (SS1)"),
    trunk(13, "ISA", 60, 60, 2, 60, 7, "ISA 60-channel digital trunk board (SS7)"),
    trunk(14, "ISA", 60, 60, 2, 60, 0, "ISA 60-channel digital trunk board (ISDN)"),
    trunk(15, "PCI", 30, 30, 1, 30, 1, "PCI 30-channel digital trunk board (SS1)"),
    trunk(16, "PCI", 30, 30, 1, 30, 7, "PCI 30-channel digital trunk board (SS7)"),
    trunk(17, "PCI", 30, 30, 1, 30, 0, "PCI 30-channel digital trunk board (ISDN)"),
    trunk(18, "PCI", 60, 60, 2, 60, 1, "PCI 60-channel digital trunk board (SS1)"),
    trunk(19, "PCI", 60, 60, 2, 60, 7, "PCI 60-channel digital trunk board (SS7)"),
    trunk(20, "PCI", 60, 60, 2, 60, 0, "PCI 60-channel digital trunk board (ISDN)"),
    trunk(21, "PCI", 120, 120, 4, 120, 1, "PCI 120-channel digital trunk board (SS1)"),
    trunk(22, "PCI", 120, 120, 4, 120, 7, "PCI 120-channel digital trunk board (SS7)"),
    trunk(23, "PCI", 120, 120, 4, 120, 0, "PCI 120-channel digital trunk board (ISDN)"),
    voice(24, "PCI", 16, "PCI 16-channel analog voice board, series 2"),
    voice(25, "PCI", 20, "PCI 20-channel analog voice and fax board"),
    voice(26, "PCI", 8, "PCI 8-channel analog voice board, series 3"),
    voice(27, "PCI", 12, "PCI 12-channel analog voice and fax board"),
    trunk(28, "cPCI", 30, 30, 1, 30, 1, "cPCI 30-channel digital trunk board (SS1)"),
    trunk(29, "cPCI", 30, 30, 1, 30, 7, "cPCI 30-channel digital trunk board (SS7)"),
    trunk(30, "cPCI", 30, 30, 1, 30, 0, "cPCI 30-channel digital trunk board (ISDN)"),
    trunk(31, "cPCI", 60, 60, 2, 60, 1, "cPCI 60-channel digital trunk board (SS1)"),
    trunk(32, "cPCI", 60, 60, 2, 60, 7, "cPCI 60-channel digital trunk board (SS7)"),
    trunk(33, "cPCI", 60, 60, 2, 60, 0, "cPCI 60-channel digital trunk board (ISDN)"),
    trunk(34, "cPCI", 120, 120, 4, 120, 1, "cPCI 120-channel digital trunk board (SS1)"),
    trunk(35, "cPCI", 120, 120, 4, 120, 7, "cPCI 120-channel digital trunk board (SS7)"),
    trunk(36, "cPCI", 120, 120, 4, 120, 0, "cPCI 120-channel digital trunk board (ISDN)"),
    voice(37, "cPCI", 16, "cPCI 16-channel analog voice board"),
    voice(38, "cPCI", 20, "cPCI 20-channel analog voice and fax board"),
    trunk(39, "", 60, 60, 2, 60, 0, "2-E1 60-channel monitoring board", C::Monitoring),
    trunk(40, "PCI", 76, 76, 2, 76, 7, "PCI 2-E1 digital trunk board with 16 fax channels"),
    trunk(41, "PCI", 54, 54, 1, 54, 7, "PCI 1-E1 digital trunk board with 24 fax channels"),
    trunk(42, "cPCI", 480, 480, 16, 480, 7, "cPCI 480-channel digital trunk board"),
    trunk(43, "cPCI", 76, 76, 2, 76, 7, "cPCI 2-E1 digital trunk and 16-channel fax board"),
    trunk(44, "cPCI", 480, 368, 16, 480, 7, "cPCI 16-E1/T1 digital trunk board"),
    voice(45, "PCI", 16, "PCI 16-channel recording board", C::Recording),
    voice(46, "PCI", 120, "PCI 120-channel channel-bank voice board"),
    voice(47, "cPCI", 16, "cPCI 16-channel analog voice board, DSP mode 3"),
    voice(48, "", 16, "16-channel analog voice box"),
    trunk(49, "", 120, 120, 4, 120, 0, "4-E1 120-channel monitoring board", C::Monitoring),
    voice(50, "USB", 2, "USB 2-channel analog voice box"),
    voice(51, "USB", 4, "USB 4-channel analog voice box"),
    voice(52, "cPCI", 120, "cPCI 120-channel channel-bank voice board"),
    voice(53, "USB", 2, "USB 2-channel analog voice box, series 2"),
    voice(54, "USB", 4, "USB 4-channel analog voice box, series 2"),
    trunk(55, "cPCI", 240, 240, 8, 240, 7, "cPCI 240-channel digital trunk board"),
    trunk(56, "cPCI", 240, 184, 8, 240, 7, "cPCI 8-E1/T1 digital trunk board"),
    voice(57, "PCI", 240, "PCI 240-channel voice resource board", C::Resource),
    voice(58, "PCI", 120, "PCI 120-channel voice resource board", C::Resource),
    voice(59, "cPCI", 240, "cPCI 240-channel voice resource board", C::Resource),
    voice(60, "cPCI", 120, "cPCI 120-channel voice resource board", C::Resource),
    voice(61, "PCI", 24, "PCI 24-channel recording board", C::Recording),
    trunk(62, "PCI", 30, 23, 1, 30, 7, "PCI 1-E1/T1 digital trunk board"),
    trunk(63, "PCI", 60, 46, 2, 60, 7, "PCI 2-E1/T1 digital trunk board"),
    trunk(64, "PCI", 120, 92, 4, 120, 7, "PCI 4-E1/T1 digital trunk board"),
    trunk(65, "PCI", 60, 48, 2, 60, 0, "PCI 2-E1/T1 monitoring board", C::Monitoring),
    trunk(66, "PCI", 248, 192, 8, 240, 7, "PCI 8-E1/T1 digital trunk board, series 2"),
    trunk(67, "PCI", 248, 192, 8, 240, 7, "PCI 8-E1/T1 trunk board, series 2, echo canc."),
    trunk(68, "PCI", 124, 96, 4, 120, 7, "PCI 4-E1/T1 digital trunk board, series 2"),
    trunk(69, "PCI", 124, 96, 4, 120, 7, "PCI 4-E1/T1 trunk board, series 2, echo canc."),
    trunk(70, "cPCI", 496, 384, 16, 480, 7, "cPCI 16-E1/T1 digital trunk board, series 2"),
    trunk(71, "cPCI", 496, 384, 16, 480, 7, "cPCI 16-E1/T1 trunk board, series 2, echo canc."),
    trunk(72, "cPCI", 248, 192, 8, 240, 7, "cPCI 8-E1/T1 digital trunk board, series 2"),
    trunk(73, "cPCI", 248, 192, 8, 240, 7, "cPCI 8-E1/T1 trunk board, series 2, echo canc."),
    trunk(74, "PCI", 124, 96, 4, 120, 0, "PCI 4-E1/T1 monitoring board", C::Monitoring),
    voice(75, "PCI", 32, "PCI 32-channel IP voice board", C::IpFirst),
    voice(76, "PCI", 20, "PCI 20-channel voice and fax board, series 2"),
    voice(77, "PCI", 12, "PCI 12-channel voice and fax board, series 2"),
    voice(78, "PCI", 16, "PCI 16-channel voice board with echo canceller"),
    voice(79, "PCI", 8, "PCI 8-channel voice board with echo canceller"),
    trunk(80, "PCI", 54, 54, 1, 54, 7, "PCI 1-E1 digital trunk and 24-channel fax board"),
    trunk(81, "PCI", 76, 76, 2, 76, 7, "PCI 2-E1 digital trunk and 16-channel fax board"),
    voice(82, "PCI", 24, "PCI 24-channel analog voice board"),
    voice(83, "PCI", 24, "PCI 24-channel analog voice board, series 2"),
    voice(84, "PCIe", 24, "PCIe 24-channel analog voice board"),
    voice(85, "PCIe", 24, "PCIe 24-channel analog voice board, series 2"),
    trunk(86, "PCI", 120, 92, 4, 120, 1, "PCI 4-E1/T1 channel-bank trunk board"),
    trunk(87, "PCI", 240, 184, 8, 240, 1, "PCI 8-E1/T1 channel-bank trunk board"),
    voice(88, "PCI", 120, "PCI 120-channel SIP voice board", C::IpSecond),
    voice(89, "PCI", 60, "PCI 60-channel SIP voice board", C::IpSecond),
    voice(90, "PCI", 32, "PCI 32-channel SIP voice board", C::IpSecond),
    voice(91, "PCI", 16, "PCI 16-channel SIP voice board", C::IpSecond),
    voice(92, "PCI", 8, "PCI 8-channel SIP voice board", C::IpSecond),
    voice(93, "PCI", 24, "PCI 24-channel phone recording board", C::Recording),
    voice(94, "PCI", 24, "PCI 24-channel phone recording board, series 2", C::Recording),
    voice(95, "PCIe", 24, "PCIe 24-channel phone recording board", C::Recording),
    voice(96, "PCIe", 24, "PCIe 24-channel phone recording board, series 2", C::Recording),
    trunk(97, "PCIe", 62, 48, 2, 60, 0, "PCIe 2-E1/T1 ISDN trunk board"),
    trunk(98, "PCIe", 62, 48, 2, 60, 0, "PCIe 2-E1/T1 ISDN trunk board, series 2"),
    trunk(99, "PCIe", 124, 96, 4, 120, 0, "PCIe 4-E1/T1 ISDN trunk board"),
    trunk(100, "PCIe", 124, 96, 4, 120, 0, "PCIe 4-E1/T1 ISDN trunk board, series 2"),
    trunk(101, "PCIe", 248, 192, 8, 240, 0, "PCIe 8-E1/T1 ISDN trunk board"),
    trunk(102, "PCIe", 248, 192, 8, 240, 0, "PCIe 8-E1/T1 ISDN trunk board, series 2"),
    trunk(103, "PCIe", 124, 96, 4, 120, 7, "PCIe 4-E1/T1 digital trunk board"),
    trunk(104, "PCIe", 124, 96, 4, 120, 7, "PCIe 4-E1/T1 digital trunk board, echo canc."),
    trunk(105, "PCIe", 188, 160, 4, 184, 7, "PCIe 4-E1/T1 trunk board with 64 fax channels"),
    trunk(106, "PCIe", 248, 192, 8, 240, 7, "PCIe 8-E1/T1 digital trunk board"),
    trunk(107, "PCIe", 248, 192, 8, 240, 7, "PCIe 8-E1/T1 digital trunk board, echo canc."),
    trunk(108, "PCIe", 312, 256, 8, 304, 7, "PCIe 8-E1/T1 trunk board with 64 fax channels"),
    trunk(109, "PCI", 31, 24, 1, 30, 7, "PCI 1-E1/T1 digital trunk board, series 3"),
    trunk(110, "PCI", 31, 24, 1, 30, 7, "PCI 1-E1/T1 trunk board, series 3, echo canc."),
    trunk(111, "PCI", 63, 56, 1, 62, 7, "PCI 1-E1/T1 trunk board with 32 fax channels"),
    trunk(112, "PCI", 62, 48, 2, 60, 7, "PCI 2-E1/T1 digital trunk board, series 3"),
    trunk(113, "PCI", 62, 48, 2, 60, 7, "PCI 2-E1/T1 trunk board, series 3, echo canc."),
    trunk(114, "PCI", 126, 112, 2, 124, 7, "PCI 2-E1/T1 trunk board with 64 fax channels"),
    trunk(115, "PCI", 248, 192, 8, 240, 7, "PCI 8-E1/T1 digital trunk board, series 3"),
    trunk(116, "PCI", 248, 192, 8, 240, 7, "PCI 8-E1/T1 trunk board, series 3, echo canc."),
    trunk(117, "PCI", 312, 256, 8, 304, 7, "PCI 8-E1/T1 trunk board with 64 fax channels"),
    trunk(118, "PCI", 124, 96, 4, 120, 7, "PCI 4-E1/T1 digital trunk board, series 3"),
    trunk(119, "PCI", 124, 96, 4, 120, 7, "PCI 4-E1/T1 trunk board, series 3, echo canc."),
    trunk(120, "PCI", 188, 160, 4, 184, 7, "PCI 4-E1/T1 trunk board with 64 fax channels"),
    trunk(121, "PCIe", 31, 24, 1, 30, 7, "PCIe 1-E1/T1 digital trunk board"),
    trunk(122, "PCIe", 31, 24, 1, 30, 7, "PCIe 1-E1/T1 digital trunk board, echo canc."),
    trunk(123, "PCIe", 63, 56, 1, 62, 7, "PCIe 1-E1/T1 trunk board with 32 fax channels"),
    trunk(124, "PCIe", 62, 48, 2, 60, 7, "PCIe 2-E1/T1 digital trunk board"),
    trunk(125, "PCIe", 62, 48, 2, 60, 7, "PCIe 2-E1/T1 digital trunk board, echo canc."),
    trunk(126, "PCIe", 126, 112, 2, 124, 7, "PCIe 2-E1/T1 trunk board with 64 fax channels"),
    trunk(127, "PCI", 62, 48, 2, 60, 0, "PCI 2-E1/T1 ISDN trunk board"),
    trunk(128, "PCI", 62, 48, 2, 60, 0, "PCI 2-E1/T1 ISDN trunk board, series 2"),
    trunk(129, "PCI", 124, 96, 4, 120, 0, "PCI 4-E1/T1 ISDN trunk board"),
    trunk(130, "PCI", 124, 96, 4, 120, 0, "PCI 4-E1/T1 ISDN trunk board, series 2"),
    trunk(131, "PCI", 248, 192, 8, 240, 0, "PCI 8-E1/T1 ISDN trunk board"),
    trunk(132, "PCI", 248, 192, 8, 240, 0, "PCI 8-E1/T1 ISDN trunk board, series 2"),
    voice(133, "", 128, "128-channel digital phone voice board"),
    trunk(134, "PCIe", 488, 432, 8, 480, 7, "PCIe 8-E1/T1 trunk board with 240 voice channels"),
    voice(135, "PCIe", 16, "PCIe 16/20-channel analog voice board"),
    voice(136, "PCI", 8, "PCI 8-channel voice board with 4 fax channels"),
    voice(137, "PCI", 4, "PCI 4-channel voice board with 2 fax channels"),
};

static_assert(std::size(kRows) == kMaxModelCode + 1);

// Other spellings accepted on reading: the cPCI SS7 variants as the plain family name, and the
// short forms of the USB boxes.
const std::pair<std::string_view, int> kAlternatives[] = {
    {"cPCI 30-channel digital trunk board", 29},
    {"cPCI 60-channel digital trunk board", 32},
    {"cPCI 120-channel digital trunk board", 35},
    {"USB 2-channel voice box", 50},
    {"USB 4-channel voice box", 51},
};

// Hardware model identifier (the low byte of the board's model value) -> model code.
const std::pair<std::uint8_t, int> kHardwareIds[] = {
    {7, 18},    {9, 8},     {10, 6},    {11, 19},   {12, 20},   {13, 21},   {14, 22},   {15, 23},   {20, 37},
    {21, 49},   {22, 29},   {23, 32},   {24, 35},   {29, 15},   {30, 16},   {31, 17},   {32, 39},   {36, 24},
    {37, 25},   {38, 26},   {39, 27},   {40, 41},   {41, 40},   {44, 55},   {45, 42},   {47, 56},   {48, 44},
    {49, 47},   {50, 38},   {54, 43},   {59, 45},   {66, 46},   {67, 48},   {70, 50},   {71, 51},   {74, 52},
    {75, 62},   {76, 80},   {77, 63},   {78, 81},   {79, 64},   {80, 70},   {81, 71},   {82, 72},   {83, 73},
    {85, 58},   {86, 57},   {87, 66},   {88, 67},   {89, 68},   {90, 69},   {91, 77},   {92, 76},   {93, 75},
    {95, 53},   {96, 54},   {99, 61},   {100, 60},  {101, 59},  {102, 65},  {103, 74},  {104, 82},  {105, 93},
    {106, 78},  {107, 79},  {108, 83},  {109, 88},  {110, 94},  {111, 97},  {112, 98},  {113, 99},  {114, 100},
    {115, 101}, {116, 102}, {117, 121}, {118, 122}, {119, 123}, {120, 124}, {121, 125}, {122, 126}, {123, 103},
    {124, 104}, {125, 105}, {126, 106}, {127, 107}, {128, 108}, {131, 89},  {132, 84},  {133, 85},  {134, 86},
    {135, 87},  {136, 90},  {137, 91},  {138, 92},  {139, 95},  {140, 96},  {142, 118}, {143, 119}, {144, 120},
    {145, 115}, {146, 116}, {147, 117}, {148, 109}, {149, 110}, {150, 111}, {151, 112}, {152, 113}, {153, 114},
    {155, 137}, {156, 136}, {157, 127}, {158, 128}, {159, 129}, {160, 130}, {161, 131}, {162, 132}, {164, 135},
    {166, 133}, {167, 134},
};

static_assert(std::size(kHardwareIds) == 119);

} // namespace

std::span<const ModelRow> modelRows()
{
    return kRows;
}

const ModelRow *modelRow(int code)
{
    return code >= 0 && code <= kMaxModelCode ? &kRows[code] : nullptr;
}

std::string_view modelName(int code)
{
    const ModelRow *row = modelRow(code);
    return row && code > 0 ? row->name : std::string_view{};
}

int modelCodeByName(std::string_view name)
{
    for (int code = 1; code <= kMaxModelCode; ++code)
        if (common::equalsIgnoreCase(kRows[code].name, name))
            return code;
    for (const auto &[spelling, code] : kAlternatives)
        if (common::equalsIgnoreCase(spelling, name))
            return code;
    return 0;
}

std::string_view modelNameByHardwareId(std::uint8_t identifier)
{
    for (const auto &[id, code] : kHardwareIds)
        if (id == identifier)
            return kRows[code].name;
    return {};
}

} // namespace ktcticonfig
