// The catalogue loader on arbitrary file contents: the first byte picks the
// slot, the rest is written to a file of the fuzzer's own and loaded.
#include "FuzzCheck.h"
#include "mib/QnErrorCatalogue.h"

#include <algorithm>
#include <cstdio>
#include <string>
#include <unistd.h>

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size)
{
    if (size < 1)
        return 0;
    // A memory file system when there is one: the loader reads a real file.
    static const std::string path = std::string(access("/dev/shm", W_OK) == 0 ? "/dev/shm" : "/tmp") +
                                    "/vn-fuzz-catalogue-" + std::to_string(getpid()) + ".err";
    const QnCatalogue slot = QnCatalogue(data[0] % CAT_COUNT);
    std::FILE* f = std::fopen(path.c_str(), "wb");
    FUZZ_CHECK(f);
    FUZZ_CHECK(std::fwrite(data + 1, 1, size - 1, f) == size - 1);
    std::fclose(f);

    const bool loaded = LoadCatalogue(slot, path);
    const int count = CatalogueCount(slot);
    FUZZ_CHECK(!loaded || count >= 1);
    const int builtIn = CatalogueBuiltInCount(slot);
    for (int i = -1; i < std::max(count, builtIn) + 2; ++i) {
        const std::string text = CatalogueText(slot, i);
        // A loaded text is one line (built-in texts may hold line breaks).
        if (loaded && i >= 0 && i < count)
            FUZZ_CHECK(text.find('\n') == std::string::npos);
        // Every position the program addresses has a text; nothing else does.
        FUZZ_CHECK(text.empty() == (i < 0 || i >= std::max(count, builtIn)));
    }
    for (int code : {0, -1, -18, -19, -101, -118, -201, -217, -301, -314, -401, -423, -500, -528, -529, 1})
        (void)ErrorText(code);
    for (int status : {0, 2, 1400, 1414, -1401, -1418, -5, 999})
        (void)MapStatus(status);
    ResetCatalogues();
    return 0;
}
