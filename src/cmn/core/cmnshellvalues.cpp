#include "cmnshellvalues.h"

bool CmnEmbedPictures = false;

Qt::WindowFlags CmnDefaultDialogFlags = Qt::WindowTitleHint | Qt::WindowSystemMenuHint;
