#pragma once

#include "cmndate.h"
#include "cmndateformatter.h"

#include <QHash>
#include <QString>

#include <optional>
#include <vector>

// The value and display texts of one column's cell in a table export, made again
// for every row. A stored text is handed over where it lies and a made one goes
// into a buffer that the next row reuses, so that exporting many records neither
// copies texts nor allocates for each cell. The texts stay valid until the next
// row's are made or the record changes.
class CCmnRegExportCellTexts
{
public:
    // With `remembersDates`, each date's text is made once and kept for the
    // column's later rows; texts made only once need not keep them.
    explicit CCmnRegExportCellTexts(bool remembersDates = false)
        : m_RemembersDates(remembersDates)
    {
    }
    // A copy remembers dates as the original does but starts without texts: the
    // original's would point into the original.
    CCmnRegExportCellTexts(const CCmnRegExportCellTexts &other)
        : m_RemembersDates(other.m_RemembersDates)
    {
    }
    CCmnRegExportCellTexts &operator=(const CCmnRegExportCellTexts &) = delete;

    const QString &Value() const { return *m_Value; }
    const QString &Display() const { return *m_Display; }

    // Both texts empty, as for a cell without a value.
    void SetEmpty();
    // Texts that live elsewhere at least as long as they are used.
    void SetShared(const QString &value, const QString &display);
    // The value buffer, emptied, as the value text; the display text is set apart.
    QString &NewValue();
    // The display buffer, emptied, as the display text.
    QString &NewDisplay();
    // The buffers as the texts without emptying them, for writers that replace
    // the text whole: a number's text is written in one resize.
    QString &ValueBuffer()
    {
        m_Value = &m_ValueBuffer;
        return m_ValueBuffer;
    }
    QString &DisplayBuffer()
    {
        m_Display = &m_DisplayBuffer;
        return m_DisplayBuffer;
    }
    // The display text is the value text.
    void DisplayValue() { m_Display = m_Value; }

    bool RemembersDates() const { return m_RemembersDates; }
    // The key a date's text is remembered under.
    static quint64 DateKey(const CCmnDate &date) { return quint64(date.FirstDay()) << 32 | date.LastDay(); }
    // Both texts the remembered text of the date with that key; false, with the
    // texts unchanged, when there is none yet. A register holds few distinct
    // dates, and formatting one costs many times a look-up.
    bool SetRememberedDate(quint64 key);
    // Remembers the date's text and sets both texts to it.
    void SetDate(quint64 key, const QString &text);
    // Asks the processor early for the slot where the date with that key is
    // looked for first: the slots of a large export outgrow the cache.
    void PrefetchDate(quint64 key) const
    {
#if defined(__GNUC__)
        if (!m_DateSlots.empty())
            __builtin_prefetch(&m_DateSlots[FirstSlot(key)]);
#else
        Q_UNUSED(key);
#endif
    }
    // The column's date format, read once for all the dates it writes.
    const CCmnDateFormatter &DateFormatter(const QString &format);

private:
    // A remembered date: its key and, in the same cache line, its text. The
    // dates of a large export lie all over a hash table's nodes and their texts
    // elsewhere again, and looking one up waited for memory two or three times.
    // A slot fills one cache line exactly, on the line's bounds: unaligned, most
    // slots spanned two lines and a look-up waited for both.
    static constexpr qsizetype kSlotChars = 26;
    struct alignas(64) SDateSlot
    {
        quint64 m_Key = 0;
        qint32 m_Size = -1; // -1: empty
        char16_t m_Chars[kSlotChars] = {};
    };
    static_assert(sizeof(SDateSlot) == 64);
    // The slot a key is looked for in first; the slots must not be empty.
    size_t FirstSlot(quint64 key) const
    {
        // The keys' high and low halves are close day numbers: the product's
        // high half spreads them over the slots.
        constexpr quint64 kKeySpread = 0x9e3779b97f4a7c15ULL;
        return size_t((key * kKeySpread) >> 32) & (m_DateSlots.size() - 1);
    }
    SDateSlot *FindSlot(quint64 key);
    void GrowSlots();

    std::vector<SDateSlot> m_DateSlots;
    qsizetype m_UsedSlots = 0;
    // The texts too long for a slot.
    QHash<quint64, QString> m_LongDateTexts;
    // The text of the date last looked up in a slot, as the texts.
    QString m_DateText;
    std::optional<CCmnDateFormatter> m_DateFormatter;
    QString m_DateFormat;
    bool m_RemembersDates;
    QString m_ValueBuffer;
    QString m_DisplayBuffer;
    const QString *m_Value = &m_ValueBuffer;
    const QString *m_Display = &m_DisplayBuffer;
};
