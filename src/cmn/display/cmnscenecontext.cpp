#include "cmnscenecontext.h"

namespace {

constexpr ECmnSceneContextFlags kOrder[] = {CmnSceneContextScreen, CmnSceneContextPrint,
                                            CmnSceneContextPrintPreview, CmnSceneContextExport};

} // namespace

ECmnSceneContextFlags CmnSceneContextOf(int flags)
{
    return kOrder[CmnSceneContextSlot(flags)];
}

int CmnSceneContextSlot(int flags)
{
    for (int slot = 0; slot < 4; ++slot) {
        if (flags & kOrder[slot])
            return slot;
    }
    return 0;
}
