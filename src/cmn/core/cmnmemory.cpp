#include "cmnmemory.h"

#include <cstring>

void CmnZeroMemory(void *address, qsizetype length)
{
    if (address && length > 0)
        std::memset(address, 0, size_t(length));
}
