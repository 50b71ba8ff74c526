#include "cmnregexportcelltexts.h"

#include <algorithm>

namespace {

const QString kNoText;
constexpr qsizetype kFirstSlots = 1024;

} // namespace

void CCmnRegExportCellTexts::SetEmpty()
{
    m_Value = m_Display = &kNoText;
}

void CCmnRegExportCellTexts::SetShared(const QString &value, const QString &display)
{
    m_Value = &value;
    m_Display = &display;
}

QString &CCmnRegExportCellTexts::NewValue()
{
    // resize keeps the buffer's memory, where clear would free it.
    m_ValueBuffer.resize(0);
    m_Value = &m_ValueBuffer;
    return m_ValueBuffer;
}

QString &CCmnRegExportCellTexts::NewDisplay()
{
    m_DisplayBuffer.resize(0);
    m_Display = &m_DisplayBuffer;
    return m_DisplayBuffer;
}

const CCmnDateFormatter &CCmnRegExportCellTexts::DateFormatter(const QString &format)
{
    if (!m_DateFormatter || format != m_DateFormat) {
        m_DateFormatter.emplace(format);
        m_DateFormat = format;
    }
    return *m_DateFormatter;
}

CCmnRegExportCellTexts::SDateSlot *CCmnRegExportCellTexts::FindSlot(quint64 key)
{
    if (m_DateSlots.empty())
        return nullptr;
    // Linear probing: the slots are never more than half used.
    const size_t mask = m_DateSlots.size() - 1;
    for (size_t at = FirstSlot(key);; at = (at + 1) & mask) {
        SDateSlot &slot = m_DateSlots[at];
        if (slot.m_Size < 0 || slot.m_Key == key)
            return &slot;
    }
}

void CCmnRegExportCellTexts::GrowSlots()
{
    std::vector<SDateSlot> old(std::max(2 * m_DateSlots.size(), size_t(kFirstSlots)));
    old.swap(m_DateSlots);
    for (const SDateSlot &slot : old) {
        if (slot.m_Size >= 0)
            *FindSlot(slot.m_Key) = slot;
    }
}

bool CCmnRegExportCellTexts::SetRememberedDate(quint64 key)
{
    const SDateSlot *slot = FindSlot(key);
    if (slot && slot->m_Size >= 0) {
        // Copied out of the slot into a text of its own, not handed over as a
        // view: a copy that a controller kept would point into the slots, which
        // move when they grow and go with the export.
        m_DateText.resize(slot->m_Size);
        std::copy(slot->m_Chars, slot->m_Chars + slot->m_Size, reinterpret_cast<char16_t *>(m_DateText.data()));
        SetShared(m_DateText, m_DateText);
        return true;
    }
    const auto known = m_LongDateTexts.constFind(key);
    if (known == m_LongDateTexts.cend())
        return false;
    SetShared(*known, *known);
    return true;
}

void CCmnRegExportCellTexts::SetDate(quint64 key, const QString &text)
{
    if (text.size() > kSlotChars) {
        const auto known = m_LongDateTexts.insert(key, text);
        SetShared(*known, *known);
        return;
    }
    if (2 * (m_UsedSlots + 1) > qsizetype(m_DateSlots.size()))
        GrowSlots();
    SDateSlot *slot = FindSlot(key);
    if (slot->m_Size < 0)
        ++m_UsedSlots;
    slot->m_Key = key;
    slot->m_Size = qint32(text.size());
    std::copy(text.utf16(), text.utf16() + text.size(), slot->m_Chars);
    SetRememberedDate(key);
}
