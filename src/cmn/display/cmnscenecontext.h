#pragma once

// The context a page scene is made for. Print, preview and export each draw a
// fresh scene of their own; only the screen's scene stays.
enum ECmnSceneContextFlags {
    CmnSceneContextPrint = 1,
    CmnSceneContextPrintPreview = 2,
    CmnSceneContextExport = 4,
    CmnSceneContextScreen = 8,
};

// The one context meant when several bits are set: the first of screen,
// print, preview and export; the screen when none is.
ECmnSceneContextFlags CmnSceneContextOf(int flags);

// 0 screen, 1 print, 2 preview, 3 export: the slot of the context's scene.
int CmnSceneContextSlot(int flags);
