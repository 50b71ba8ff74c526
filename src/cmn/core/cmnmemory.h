#pragma once

#include <QtGlobal>

// Fills `length` bytes from `address` with zeros; nothing for a null address or a
// length of 0 or below.
void CmnZeroMemory(void *address, qsizetype length);
