// libFuzzer entry over one harness of the document file, the function named by
// ORV_DOCUMENT_FUZZ_HARNESS (built with ORV_BUILD_FUZZ=ON and clang, one target a
// harness). A value that reads but does not read back equal is a finding too.
#include "documentfuzzharness.h"

#include <QGuiApplication>

#include <cstddef>
#include <cstdint>

extern "C" int LLVMFuzzerInitialize(int *argc, char ***argv)
{
    // The default theme and the form settings measure fonts.
    qputenv("QT_QPA_PLATFORM", "offscreen");
    static QGuiApplication application(*argc, *argv);
    return 0;
}

extern "C" int LLVMFuzzerTestOneInput(const uint8_t *data, size_t size)
{
    if (ORV_DOCUMENT_FUZZ_HARNESS(QByteArray::fromRawData(reinterpret_cast<const char *>(data), qsizetype(size))) < 0)
        __builtin_trap();
    return 0;
}
