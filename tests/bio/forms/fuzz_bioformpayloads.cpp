// libFuzzer entry over the ancestry charts' settings and cell element readers (built
// with ORV_BUILD_FUZZ=ON and clang).
#include "formpayloadfuzzharness.h"

#include <cstddef>
#include <cstdint>

extern "C" int LLVMFuzzerTestOneInput(const uint8_t *data, size_t size)
{
    BioFuzzFormPayloads(QByteArray::fromRawData(reinterpret_cast<const char *>(data), qsizetype(size)));
    return 0;
}
