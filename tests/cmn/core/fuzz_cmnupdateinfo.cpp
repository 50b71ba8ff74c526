// libFuzzer entry over the update information reader (built with ORV_BUILD_FUZZ=ON
// and clang); tst_cmnupdateinfo replays cuts and mutations of a good file.
#include "cmnupdateinfo.h"

#include <QByteArray>
#include <QString>

#include <cstddef>
#include <cstdint>

extern "C" int LLVMFuzzerTestOneInput(const uint8_t *data, size_t size)
{
    const QByteArray bytes = QByteArray::fromRawData(reinterpret_cast<const char *>(data), qsizetype(size));
    (void)CmnUpdateNoticeHtml(QString::fromUtf8(bytes), QStringLiteral("1.2.2"), QStringLiteral("Orvanta"),
                              QStringLiteral("https://orvanta.example/orvanta"));
    return 0;
}
