#pragma once

#include "cmnthemedformboxgenericdata.h"
#include "tcmnthemepayloadelt.h"

#include <array>
#include <optional>

// Index of entry (n, g) of the tables the ancestor cell elements keep per chart
// size n (1 to 6 generations) and generation g; only g < n is used.
constexpr qint32 kBioCellChartSizes = 6;
constexpr bool BioIsCellEntry(qint32 n, qint32 g)
{
    return n >= 1 && n <= kBioCellChartSizes && g >= 0 && g < n;
}
constexpr size_t BioCellEntryIndex(qint32 n, qint32 g)
{
    return size_t((n - 1) * kBioCellChartSizes + g);
}

// The marker that ends the entry lists of the ancestor cell payloads.
constexpr qint8 kBioCellEntriesEnd = 127;

// Reads entries (i8 n, i8 g, the entry) until the end marker: entries outside
// the table are read and dropped. False as soon as the stream fails.
template <typename TReadEntry>
bool BioReadCellEntries(QDataStream &in, TReadEntry readEntry)
{
    for (;;) {
        qint8 n = 0;
        in >> n;
        if (in.status() != QDataStream::Ok)
            return false;
        if (n == kBioCellEntriesEnd)
            return true;
        qint8 g = 0;
        in >> g;
        if (in.status() != QDataStream::Ok)
            return false;
        readEntry(qint32(n), qint32(g));
        if (in.status() != QDataStream::Ok)
            return false;
    }
}

// The texts of the ancestor cells of a chart: one picture, text and HTML flag
// for every chart size and generation, so that small charts can say more.
class CBioThemedFormWithAncestryPanelsCellData
{
public:
    // Holds the default texts.
    CBioThemedFormWithAncestryPanelsCellData();

    bool operator==(const CBioThemedFormWithAncestryPanelsCellData &) const = default;

    // Created empty when absent; (n, g) must be an entry of the table.
    CCmnThemedFormBoxGenericData &GetEntry(qint32 n, qint32 g);
    const std::optional<CCmnThemedFormBoxGenericData> &Entry(qint32 n, qint32 g) const;
    // Every entry removed, then the default texts.
    void Reset();
    // "[#Name]", a line break (a space from generation 3 on) and the record's
    // name line: long in the parents' cells (generation 0), short further back.
    void SetDefaultTexts();

    // Tag 107, version 0, each present entry as (i8 n, i8 g, tag-35 payload)
    // by n then g, then 127.
    void Write(QDataStream &out) const;
    // Starts from the default texts. False on another tag or version, or when
    // the stream fails inside the entries.
    [[nodiscard]] bool Read(QDataStream &in);

private:
    std::array<std::optional<CCmnThemedFormBoxGenericData>, kBioCellChartSizes * kBioCellChartSizes> m_Entries;
};

using CBioThemedFormWithAncestryPanelsCellDataElt = TCmnThemePayloadElt<CBioThemedFormWithAncestryPanelsCellData>;
