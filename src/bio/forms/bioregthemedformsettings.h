#pragma once

#include "cmnregthemedformsettings.h"

// The level every breeding form's settings share: its block (tag 103) opens the
// cover sheet's and the ancestry forms' blocks and holds nothing yet but the
// themed form's block in front of it.
class CBioRegThemedFormSettings : public CCmnRegThemedFormSettings
{
    Q_OBJECT
public:
    using CCmnRegThemedFormSettings::CCmnRegThemedFormSettings;

    bool operator==(const CBioRegThemedFormSettings &other) const { return IsEqual(other); }

    // The themed form's block, tag 103, version 0.
    void Write(QDataStream &out) const;
    // False, the stream's status left alone, on another tag or version.
    [[nodiscard]] bool Read(QDataStream &in);
};
