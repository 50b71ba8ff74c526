#include "cmnregindexentry.h"

#include "cmnindexkey.h"

#include <algorithm>
#include <bit>

CCmnRegIndexEntry CmnRegMakeIndexKeys(QString name, bool foldAccents)
{
    const int flags = CmnIndexCollapseSpace | (foldAccents ? CmnIndexFoldAccents : 0);
    // A plain ASCII name upper-cases to its normalised key: the two keys share it.
    if (QString key = CmnPlainAsciiIndexText(name, flags); !key.isNull())
        return CCmnRegIndexEntry{key, key, std::move(name), 0};
    QString key1 = CmnNormaliseIndexText(name, flags);
    QString key2 = CmnUpperCaseText(name);
    if (key2 == key1)
        key2 = key1;
    return CCmnRegIndexEntry{std::move(key1), std::move(key2), std::move(name), 0};
}

bool CmnRegIndexEntryLess(const CCmnRegIndexEntry &a, const CCmnRegIndexEntry &b)
{
    if (const int c = a.m_Key1.compare(b.m_Key1))
        return c < 0;
    if (const int c = a.m_Key2.compare(b.m_Key2))
        return c < 0;
    if (const int c = a.m_Key3.compare(b.m_Key3))
        return c < 0;
    return a.m_Id < b.m_Id;
}

namespace {

// A normalised key seen through eight code units from some depth on: the units
// (padded with zero past the end) and how many of them the key has. Handles in
// (units, length) order are in key order, given equal units before that depth.
struct THandle
{
    quint64 high = 0;
    quint64 low = 0;
    quint32 length = 0;
    quint32 at = 0;
};

constexpr quint32 kChunk = 8;

bool ChunkLess(const THandle &a, const THandle &b)
{
    if (a.high != b.high)
        return a.high < b.high;
    return a.low != b.low ? a.low < b.low : a.length < b.length;
}

bool SameChunk(const THandle &a, const THandle &b)
{
    return a.high == b.high && a.low == b.low && a.length == b.length;
}

struct TText
{
    const char16_t *units;
    quint32 size;
};

void LoadChunk(THandle &handle, const TText &text, quint32 depth)
{
    const quint32 length = depth < text.size ? std::min(text.size - depth, kChunk) : 0;
    quint64 units[2] = {0, 0};
    for (quint32 i = 0; i < kChunk; ++i)
        units[i / 4] = (units[i / 4] << 16) | (i < length ? text.units[depth + i] : 0u);
    handle.high = units[0];
    handle.low = units[1];
    handle.length = length;
}

// Sorts handles by their loaded units. A range holds few distinct units (names
// share their words), so a three-way split, which sets all equal handles aside
// at once, does far less than a plain sort. Past a depth that only a crafted
// file reaches, the plain sort takes over, so no input makes it quadratic.
void SortByChunk(THandle *first, THandle *last, int depthLeft)
{
    constexpr qsizetype kSmall = 16;
    while (last - first > kSmall) {
        if (depthLeft-- == 0) {
            std::sort(first, last, ChunkLess);
            return;
        }
        THandle *middle = first + (last - first) / 2;
        const THandle pivot = ChunkLess(*first, *middle)
                                  ? (ChunkLess(*middle, last[-1]) ? *middle
                                                                  : (ChunkLess(*first, last[-1]) ? last[-1] : *first))
                                  : (ChunkLess(*first, last[-1]) ? *first
                                                                 : (ChunkLess(*middle, last[-1]) ? last[-1] : *middle));
        THandle *less = first;
        THandle *greater = last;
        for (THandle *at = first; at < greater;) {
            if (ChunkLess(*at, pivot))
                std::swap(*less++, *at++);
            else if (ChunkLess(pivot, *at))
                std::swap(*at, *--greater);
            else
                ++at;
        }
        // The smaller side first, by recursion, so the stack stays logarithmic.
        if (less - first < last - greater) {
            SortByChunk(first, less, depthLeft);
            first = greater;
        } else {
            SortByChunk(greater, last, depthLeft);
            last = less;
        }
    }
    std::sort(first, last, ChunkLess);
}

struct TRange
{
    THandle *first;
    THandle *last;
    quint32 depth;
};

} // namespace

std::vector<quint32> CmnRegIndexEntryOrder(std::span<const CCmnRegIndexEntry> entries)
{
    std::vector<THandle> handles(entries.size());
    std::vector<TText> texts(entries.size());
    for (size_t at = 0; at < entries.size(); ++at) {
        const QString &key = entries[at].m_Key1;
        handles[at].at = quint32(at);
        texts[at] = {reinterpret_cast<const char16_t *>(key.constData()), quint32(key.size())};
    }
    const auto entryLess = [&entries](const THandle &a, const THandle &b) {
        return CmnRegIndexEntryLess(entries[a.at], entries[b.at]);
    };

    // Ranges still to order whose keys agree before their depth; a list rather
    // than recursion, as a crafted file could nest as deep as its names are long.
    std::vector<TRange> pending;
    if (handles.size() > 1)
        pending.push_back({handles.data(), handles.data() + handles.size(), 0});
    while (!pending.empty()) {
        const TRange range = pending.back();
        pending.pop_back();
        const qsizetype count = range.last - range.first;
        // The handles' texts lie all over memory, and so do their places in `texts`
        // once the handles are sorted: ask for both a few handles ahead.
        constexpr qsizetype kPlaceAhead = 16;
        constexpr qsizetype kTextAhead = 8;
        for (qsizetype i = 0; i < count; ++i) {
            if (i + kPlaceAhead < count)
                __builtin_prefetch(&texts[range.first[i + kPlaceAhead].at]);
            if (i + kTextAhead < count)
                __builtin_prefetch(texts[range.first[i + kTextAhead].at].units + range.depth);
            LoadChunk(range.first[i], texts[range.first[i].at], range.depth);
        }
        const bool alike = std::all_of(range.first + 1, range.last,
                                       [&range](const THandle &h) { return SameChunk(h, *range.first); });
        if (alike) {
            // Names sharing a long beginning go on to the next units without a sort.
            if (range.first->length == kChunk)
                pending.push_back({range.first, range.last, range.depth + kChunk});
            else
                std::sort(range.first, range.last, entryLess);
            continue;
        }
        SortByChunk(range.first, range.last, 2 * std::bit_width(quint64(count)));
        for (THandle *run = range.first; run != range.last;) {
            THandle *end = std::find_if_not(run + 1, range.last,
                                            [run](const THandle &h) { return SameChunk(h, *run); });
            if (end - run > 1) {
                // A key that ends in these units equals every key of its run: the
                // other keys, the name and the id decide.
                if (run->length == kChunk)
                    pending.push_back({run, end, range.depth + kChunk});
                else
                    std::sort(run, end, entryLess);
            }
            run = end;
        }
    }

    std::vector<quint32> order(handles.size());
    std::transform(handles.cbegin(), handles.cend(), order.begin(), [](const THandle &h) { return h.at; });
    return order;
}
