#pragma once

#include "cmncomponentsettings.h"
#include "cmnformboxsplitsettings.h"

#include <QHash>
#include <QString>

struct CCmnThemedFormBoxNames;
class QDataStream;

// The divider settings of one box of a themed form, one entry per arrangement
// (orientation and combination of parts), so each arrangement keeps its own
// dragged proportions.
struct CCmnThemedFormSplitGroup
{
    bool operator==(const CCmnThemedFormSplitGroup &) const = default;

    bool m_Horizontal = false; // given to every entry the group creates
    QHash<QString, CCmnFormBoxSplitSettings> m_Settings;
};

// The key of an arrangement: "P-" (portrait) or "L-" (landscape) and the parts
// of the box, e.g. "P-H;M;F".
QString CmnThemedFormSplitKey(const QString &layout, quint32 orientation);

// The settings of one themed form kind: which ornaments are switched on, the
// page orientation, and the dragged proportions of the root, header and footer
// boxes for every arrangement. They travel with the document.
class CCmnThemedFormSettings : public CCmnComponentSettings
{
    Q_OBJECT
public:
    // With `stacked` the root box stacks header, content and footer and the
    // header and footer place their parts side by side (the other way round
    // without it); the header and footer fractions start the root's proportions.
    CCmnThemedFormSettings(bool stacked, double headerFraction, double footerFraction, QObject *parent = nullptr);

    // The parts of the header, footer and root boxes, separated by ";".
    virtual QString GetHeaderLayout(const CCmnThemedFormBoxNames &names) const;
    virtual QString GetFooterLayout(const CCmnThemedFormBoxNames &names) const;
    virtual QString GetRootLayout(const CCmnThemedFormBoxNames &names) const;

    // The settings of the current arrangement; defaults for a box of one part.
    CCmnFormBoxSplitSettings GetRootSplitSettings(const CCmnThemedFormBoxNames &names);
    CCmnFormBoxSplitSettings GetHeaderSplitSettings(const CCmnThemedFormBoxNames &names);
    CCmnFormBoxSplitSettings GetFooterSplitSettings(const CCmnThemedFormBoxNames &names);
    // Stored under the settings' own arrangement; nothing for a box of one part.
    void SetRootSplitSettings(const CCmnThemedFormBoxNames &names, const CCmnFormBoxSplitSettings &split);
    void SetHeaderSplitSettings(const CCmnThemedFormBoxNames &names, const CCmnFormBoxSplitSettings &split);
    void SetFooterSplitSettings(const CCmnThemedFormBoxNames &names, const CCmnFormBoxSplitSettings &split);
    // The group's entry for the arrangement, created with dividers on and
    // automatic proportions when missing.
    CCmnFormBoxSplitSettings &GetSplitSettingsFor(CCmnThemedFormSplitGroup &group, const QString &layout,
                                                  quint32 orientation);

    bool IsEqual(const CCmnThemedFormSettings &other) const;
    void CopyFrom(const CCmnThemedFormSettings &other);

    // Tag 37, version 0, the orientation, the three groups (tag 38, entries in
    // key order) and the four switches.
    void Write(QDataStream &out) const;
    // False on another tag or version of the block or a group.
    [[nodiscard]] bool Read(QDataStream &in);
    [[nodiscard]] static bool ReadSplitGroup(QDataStream &in, CCmnThemedFormSplitGroup &group);

    quint32 m_Orientation = 0; // 0 portrait, 1 landscape
    CCmnThemedFormSplitGroup m_RootGroup;
    CCmnThemedFormSplitGroup m_HeaderGroup;
    CCmnThemedFormSplitGroup m_FooterGroup;
    bool m_ShowLeftHeaderOrnament = false;
    bool m_ShowRightHeaderOrnament = false;
    bool m_ShowLeftFooterOrnament = false;
    bool m_ShowRightFooterOrnament = false;

private:
    CCmnFormBoxSplitSettings GetFor(CCmnThemedFormSplitGroup &group, const QString &layout);
    void SetFor(CCmnThemedFormSplitGroup &group, const QString &layout, const CCmnFormBoxSplitSettings &split);
    static void WriteSplitGroup(QDataStream &out, const CCmnThemedFormSplitGroup &group);
};
