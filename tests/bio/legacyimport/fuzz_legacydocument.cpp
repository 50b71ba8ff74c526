// libFuzzer entry over whole legacy data files (built with ORV_BUILD_FUZZ=ON and clang).
#include "legacyfuzzharness.h"

#include <cstddef>
#include <cstdint>

extern "C" int LLVMFuzzerTestOneInput(const uint8_t *data, size_t size)
{
    LegacyFuzzDocument(QByteArray::fromRawData(reinterpret_cast<const char *>(data), qsizetype(size)));
    return 0;
}
