#include "cmnbitcount.h"

#include <array>

namespace {

// The bit counts of the byte values 0 to 255, worked out by the compiler.
constexpr std::array<quint8, 256> MakeByteBitCounts()
{
    std::array<quint8, 256> counts{};
    for (int value = 1; value < 256; ++value)
        counts[value] = quint8((value & 1) + counts[value >> 1]);
    return counts;
}

constexpr std::array<quint8, 256> kByteBitCounts = MakeByteBitCounts();

} // namespace

int CmnBitCount32(quint32 word)
{
    return kByteBitCounts[word & 0xFFu] + kByteBitCounts[(word >> 8) & 0xFFu]
         + kByteBitCounts[(word >> 16) & 0xFFu] + kByteBitCounts[word >> 24];
}
