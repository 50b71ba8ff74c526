#pragma once

#include "bioregthemedformsettings.h"
#include "cmnformboxsplitsettings.h"

class QByteArray;

// The settings of the cover sheet: how often the sheet is folded (0 unfolded,
// 1 or 2 folds), whether the front shows the subject's photo, and the dragged
// divisions of the content box for each folding and of the front.
class CBioRegCoverSheetSettings : public CBioRegThemedFormSettings
{
    Q_OBJECT
public:
    static constexpr qint32 kMaxFoldStyle = 2;

    explicit CBioRegCoverSheetSettings(QObject *parent = nullptr);

    bool operator==(const CBioRegCoverSheetSettings &other) const { return IsEqual(other); }
    bool IsEqual(const CBioRegCoverSheetSettings &other) const;
    void CopyFrom(const CBioRegCoverSheetSettings &other);

    // Block 103, tag 96, version 0, the fold style, a presence marker 1, the
    // picture flag and the three splits (tag 33).
    void Write(QDataStream &out) const;
    // False on another tag or version (the status left alone) or a split that
    // does not read (the stream marked corrupt). A fold style outside 0 to 2 is
    // brought into range; a presence marker 0 leaves the photo shown.
    [[nodiscard]] bool Read(QDataStream &in);

    QByteArray ToByteArray() const;
    // Leaves the settings as they were unless the whole block reads.
    [[nodiscard]] bool FromByteArray(const QByteArray &bytes);

    qint32 m_FoldStyle = 1;
    bool m_ShowPicture = true;
    CCmnFormBoxSplitSettings m_OneFoldSplit;
    CCmnFormBoxSplitSettings m_TwoFoldSplit;
    CCmnFormBoxSplitSettings m_FrontSplit;
};
