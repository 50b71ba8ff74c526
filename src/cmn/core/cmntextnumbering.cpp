#include "cmntextnumbering.h"

#include <QHash>

#include <algorithm>
#include <bit>
#include <climits>

namespace {

// At most half the slots in use keeps the runs of linear probing short.
constexpr size_t kSlotsPerText = 2;
constexpr size_t kFewestSlots = 16;

} // namespace

CCmnTextNumbering::CCmnTextNumbering(bool caseSensitive)
    : m_CaseSensitive(caseSensitive),
      m_Seed(QHashSeed::globalSeed())
{
}

void CCmnTextNumbering::Reserve(qsizetype texts)
{
    // Numbers are ints, and a slot's place comes from the 32 bits of hash it keeps.
    const size_t wanted = std::bit_ceil(std::max(size_t(std::max<qsizetype>(texts, 0)) * kSlotsPerText, kFewestSlots));
    if (wanted > m_Slots.size() && wanted <= (size_t(1) << 32))
        Resize(wanted);
    m_Texts.reserve(size_t(std::min<qsizetype>(std::max<qsizetype>(texts, 0), INT_MAX)));
}

int CCmnTextNumbering::Number(const QString &folded)
{
    if ((m_Texts.size() + 1) * kSlotsPerText > m_Slots.size())
        Resize(std::max(m_Slots.size() * 2, kFewestSlots));
    const size_t full = qHash(QStringView(folded), m_Seed);
    // The slot keeps all 32 bits, whose low ones pick its place: the table then
    // grows without hashing the texts again.
    const auto hash = quint32(full ^ (full >> 32));
    for (size_t at = hash & m_Mask;; at = (at + 1) & m_Mask) {
        TSlot &slot = m_Slots[at];
        if (slot.m_Number == kEmpty) {
            slot = {hash, qint32(m_Texts.size())};
            m_Texts.push_back(folded);
            return slot.m_Number;
        }
        if (slot.m_Hash == hash && m_Texts[size_t(slot.m_Number)] == folded)
            return slot.m_Number;
    }
}

void CCmnTextNumbering::Resize(size_t size)
{
    std::vector<TSlot> old(size, TSlot{0, kEmpty});
    old.swap(m_Slots);
    m_Mask = size - 1;
    for (const TSlot &slot : old) {
        if (slot.m_Number == kEmpty)
            continue;
        size_t at = slot.m_Hash & m_Mask;
        while (m_Slots[at].m_Number != kEmpty)
            at = (at + 1) & m_Mask;
        m_Slots[at] = slot;
    }
}
