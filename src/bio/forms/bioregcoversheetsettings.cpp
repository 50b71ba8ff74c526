#include "bioregcoversheetsettings.h"

#include "cmndatastream.h"
#include "cmnformvalueblock.h"

#include <QDataStream>

#include <algorithm>

namespace {

constexpr quint8 kTag = 96;
constexpr quint8 kVersion = 0;
constexpr quint8 kPictureFlagFollows = 1;

// The page is landscape with a header above the content; the cover sheet shows
// neither header nor footer, so their fractions only seed the stored defaults.
constexpr bool kStacked = true;
constexpr double kHeaderFraction = 0.27;
constexpr double kFooterFraction = 0.07;

// Panes side by side (or stacked) at the given proportions, with movable
// dividers in the cover sheet's own colour.
CCmnFormBoxSplitSettings PanesSplit(bool horizontal, const QList<double> &proportions)
{
    CCmnFormBoxSplitSettings split;
    split.m_Horizontal = horizontal;
    for (qint32 i = 0; i < proportions.size(); ++i)
        split.SetProportion(i, proportions.at(i));
    split.m_Dividers = true;
    split.m_EqualSplit = false;
    split.m_DividerColor = QColor(QStringLiteral("#B7B9FF"));
    split.NormaliseSplitProportions(qint32(proportions.size()));
    return split;
}

} // namespace

CBioRegCoverSheetSettings::CBioRegCoverSheetSettings(QObject *parent)
    : CBioRegThemedFormSettings(kStacked, kHeaderFraction, kFooterFraction, parent)
    // A third would not survive the stored proportions unchanged: the panes
    // share 0.3333 each.
    , m_OneFoldSplit(PanesSplit(true, {0.5, 0.5}))
    , m_TwoFoldSplit(PanesSplit(true, {0.3333, 0.3333, 0.3333}))
    , m_FrontSplit(PanesSplit(false, {0.6, 0.4}))
{
    m_Orientation = 1;
}

bool CBioRegCoverSheetSettings::IsEqual(const CBioRegCoverSheetSettings &other) const
{
    return CBioRegThemedFormSettings::IsEqual(other) && m_FoldStyle == other.m_FoldStyle
        && m_ShowPicture == other.m_ShowPicture && m_OneFoldSplit == other.m_OneFoldSplit
        && m_TwoFoldSplit == other.m_TwoFoldSplit && m_FrontSplit == other.m_FrontSplit;
}

void CBioRegCoverSheetSettings::CopyFrom(const CBioRegCoverSheetSettings &other)
{
    CBioRegThemedFormSettings::CopyFrom(other);
    m_FoldStyle = other.m_FoldStyle;
    m_ShowPicture = other.m_ShowPicture;
    m_OneFoldSplit = other.m_OneFoldSplit;
    m_TwoFoldSplit = other.m_TwoFoldSplit;
    m_FrontSplit = other.m_FrontSplit;
}

void CBioRegCoverSheetSettings::Write(QDataStream &out) const
{
    CBioRegThemedFormSettings::Write(out);
    out << kTag << kVersion << quint8(std::clamp(m_FoldStyle, 0, kMaxFoldStyle)) << kPictureFlagFollows
        << quint8(m_ShowPicture ? 1 : 0);
    m_OneFoldSplit.Write(out);
    m_TwoFoldSplit.Write(out);
    m_FrontSplit.Write(out);
}

bool CBioRegCoverSheetSettings::Read(QDataStream &in)
{
    if (!CBioRegThemedFormSettings::Read(in) || !CmnReadTagAndVersion(in, kTag, kVersion))
        return false;
    quint8 foldStyle = 0;
    quint8 marker = 0;
    in >> foldStyle >> marker;
    m_FoldStyle = std::clamp(qint32(foldStyle), 0, kMaxFoldStyle);
    m_ShowPicture = true;
    if (marker != 0) {
        quint8 showPicture = 0;
        in >> showPicture;
        m_ShowPicture = showPicture != 0;
    }
    if (in.status() != QDataStream::Ok)
        return false;
    for (CCmnFormBoxSplitSettings *split : {&m_OneFoldSplit, &m_TwoFoldSplit, &m_FrontSplit}) {
        if (!split->Read(in))
            return CmnFailBlock(in);
    }
    return in.status() == QDataStream::Ok;
}

QByteArray CBioRegCoverSheetSettings::ToByteArray() const
{
    return CmnStreamBytes([this](QDataStream &stream) { Write(stream); });
}

bool CBioRegCoverSheetSettings::FromByteArray(const QByteArray &bytes)
{
    CBioRegCoverSheetSettings read;
    if (!CmnReadStreamBytes(bytes, [&read](QDataStream &stream) { return read.Read(stream); }))
        return false;
    CopyFrom(read);
    return true;
}
