#pragma once

#include <Qt>

// Process-wide values that the application shell sets and the framework reads.

// Whether pictures chosen for a record are embedded in the document as the bytes
// of their file (true) or linked by path (false). The document widget sets it from
// the current document's settings each time it installs a document or takes new
// settings; it is false until the first document is installed.
extern bool CmnEmbedPictures;

// The window flags that dialogs pass to their dialog base. It starts with the value
// main gives it, a title bar with the system menu, so that a window made before
// main has set it (or without main, in a test) looks the same.
extern Qt::WindowFlags CmnDefaultDialogFlags;
