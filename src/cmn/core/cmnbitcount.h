#pragma once

#include <QtGlobal>

// The number of set bits in a 32-bit word, as the record register's bit sets count
// their members.
int CmnBitCount32(quint32 word);
