// Counting the UTF-16 units of a GBK text with a converter of its own.
#include "lumosms/GbkUnits.h"

#include <cerrno>
#include <iconv.h>
#include <stdexcept>

namespace lumosms {

std::size_t utf16UnitCount(std::string_view gbk)
{
    const iconv_t cd = iconv_open("UTF-16LE", "GBK");
    if (cd == reinterpret_cast<iconv_t>(-1))
        throw std::runtime_error("iconv cannot convert from GBK to UTF-16LE");
    char *in = const_cast<char *>(gbk.data());
    std::size_t inLeft = gbk.size();
    std::size_t units = 0;
    while (inLeft > 0) {
        char out[256];
        char *dst = out;
        std::size_t dstLeft = sizeof out;
        const std::size_t r = iconv(cd, &in, &inLeft, &dst, &dstLeft);
        units += (sizeof out - dstLeft) / 2;
        if (r != static_cast<std::size_t>(-1) || errno == E2BIG)
            continue;
        // EILSEQ or EINVAL: the byte becomes one replacement character and the conversion goes on.
        ++in;
        --inLeft;
        ++units;
        iconv(cd, nullptr, nullptr, nullptr, nullptr);
    }
    iconv_close(cd);
    return units;
}

} // namespace lumosms
