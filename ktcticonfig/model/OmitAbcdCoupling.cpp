// The Omit-A/B/C/D coupling.
#include "ktcticonfig/model/OmitAbcdCoupling.h"

#include <vector>

namespace ktcticonfig {

namespace {

enum class Mark
{
    None,
    ZeroToOne,
    OneToZero,
};

} // namespace

int omitAbcdElements(int modelCode)
{
    switch (modelCode) {
    case 23:
    case 24:
    case 75:
    case 77:
        return 16;
    case 25:
    case 26:
    case 76:
    case 78:
        return 8;
    default:
        return 0;
    }
}

std::string coupleOmitAbcd(int modelCode, std::string_view before, std::string_view after, std::string_view scale)
{
    const int elements = omitAbcdElements(modelCode);
    if (elements == 0)
        return std::string(scale);
    std::vector<Mark> marks(static_cast<std::size_t>(elements), Mark::None);
    int element = 0;
    for (std::size_t i = 0; i < before.size() && i < after.size() && i < 200 && element < elements; ++i) {
        if (before[i] == ',') {
            ++element;
            continue;
        }
        if (before[i] == '0' && after[i] == '1')
            marks[static_cast<std::size_t>(element)] = Mark::ZeroToOne;
        else if (before[i] == '1' && after[i] == '0')
            marks[static_cast<std::size_t>(element)] = Mark::OneToZero;
    }
    std::string out;
    std::size_t start = 0;
    for (int e = 0;; ++e) {
        const std::size_t comma = scale.find(',', start);
        const std::string_view item = scale.substr(start, comma == std::string_view::npos ? comma : comma - start);
        const Mark mark = e < elements ? marks[static_cast<std::size_t>(e)] : Mark::None;
        out += mark == Mark::ZeroToOne ? "15" : mark == Mark::OneToZero ? "32" : std::string(item);
        if (comma == std::string_view::npos)
            break;
        out += ',';
        start = comma + 1;
    }
    return out;
}

} // namespace ktcticonfig
