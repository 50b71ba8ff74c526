// libFuzzer entry over one harness of the text import, the function named by
// ORV_IMPORT_FUZZ_HARNESS (built with ORV_BUILD_FUZZ=ON and clang, one target a harness).
#include "importfuzzharness.h"

#include <cstddef>
#include <cstdint>

extern "C" int LLVMFuzzerTestOneInput(const uint8_t *data, size_t size)
{
    if (ORV_IMPORT_FUZZ_HARNESS(QByteArray::fromRawData(reinterpret_cast<const char *>(data), qsizetype(size))) < 0)
        __builtin_trap();
    return 0;
}
