// The three exported functions of libVoxStore over the one global segment store.
#include "voxstore/VoxStore.h"

#include "voxstore/Composer.h"
#include "voxstore/SegmentStore.h"
#include "voxstore/TextSource.h"

#include <string>

namespace {

// One store per loaded library; its destructor releases the image when the library is unloaded.
voxstore::SegmentStore g_store;

} // namespace

extern "C" {

int32_t InstallVoxStore(const char *path)
{
    return g_store.install(path);
}

int16_t UnInstallVoxStore(void)
{
    g_store.uninstall();
    return 0;
}

int32_t TxtToVoc(const char *text, const char *textFile, const char *outFile, int32_t source, int32_t speed)
{
    if (!g_store.isLoaded())
        return VOXSTORE_ERR_NOT_LOADED;
    std::string fileText;
    const voxstore::ObtainedText obtained = static_cast<std::int16_t>(source) == 1
                                                ? voxstore::textFromFile(textFile, fileText)
                                                : voxstore::textFromArgument(text);
    if (obtained.result != VOXSTORE_OK)
        return obtained.result;
    g_store.setPauseBytes(voxstore::pauseBytesForSpeed(speed));
    return voxstore::composeToFile(g_store, obtained.text, outFile);
}

} // extern "C"
