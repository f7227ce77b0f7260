// Fuzz target: arbitrary bytes as KtConfig.ini read into the configuration model (global settings,
// board list, PCM list, channel table); the model written to a new file must read back equal.
#include "FuzzScratch.h"
#include "ktcticonfig/model/ConfigModel.h"

#include <cstdint>
#include <cstdlib>

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t *data, std::size_t size)
{
    const auto &scratch = fuzz::scratchFolder("vn_fuzz_ktconfig");
    const auto input = scratch / "KtConfig.ini", written = scratch / "Written.ini";
    fuzz::writeBytes(input, fuzz::asText(data, size));

    ktcticonfig::RecordingReporter reporter;
    ktcticonfig::ConfigModel model;
    std::string error;
    if (!ktcticonfig::readModel(input.string(), model, reporter, &error)) {
        if (error.empty() || reporter.messages.empty())
            std::abort(); // a failed read always says why
        return 0;
    }
    std::filesystem::remove(written);
    if (!ktcticonfig::writeModel(written.string(), model, reporter))
        std::abort(); // a scratch folder always takes the file
    ktcticonfig::ConfigModel again;
    if (!ktcticonfig::readModel(written.string(), again, reporter, &error) || !(again == model))
        std::abort();
    return 0;
}
