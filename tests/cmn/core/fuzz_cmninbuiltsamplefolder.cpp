// libFuzzer entry over the sample folder's two text formats (built with
// ORV_BUILD_FUZZ=ON and clang); tst_cmninbuiltsamplefolder replays cuts and
// mutations of a good file.
#include "cmninbuiltsamplefolder.h"
#include "cmntextfile.h"

#include <QBuffer>

#include <cstddef>
#include <cstdint>

extern "C" int LLVMFuzzerTestOneInput(const uint8_t *data, size_t size)
{
    QBuffer buffer;
    buffer.setData(reinterpret_cast<const char *>(data), qsizetype(size));
    buffer.open(QIODevice::ReadOnly);
    const QStringList lines = CmnReadTextDeviceLines(buffer);
    CCmnInbuiltSampleFolder folder;
    folder.ApplyConfigLines(lines);
    CCmnInbuiltSample sample;
    (void)CCmnInbuiltSampleFolder::ParseInfoLines(lines, &sample);
    return 0;
}
