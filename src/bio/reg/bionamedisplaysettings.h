#pragma once

#include "cmnhighlight.h"

#include <QString>

class QDataStream;

// How animal names are shown: the highlight of a titled animal's name, and
// whether the name suffix is appended. The document keeps these settings with its
// general settings; each register holds a copy.
class CBioNameDisplaySettings
{
public:
    CBioNameDisplaySettings() { Reset(); }

    // Red title, suffixes included.
    void Reset();
    bool operator==(const CBioNameDisplaySettings &other) const;

    // The text escaped and wrapped in the highlight's bold, italic and underline
    // (innermost to outermost), then in a span of its text colour.
    QString HighlightTitle(const QString &text) const;

    // Tag 100, version 0, the flags, then the highlight block.
    void Write(QDataStream &stream) const;
    // Starts from the defaults, whatever follows. False for another tag or
    // version; damage inside the block shows in the stream's status.
    bool Read(QDataStream &stream);

    CCmnHighlight m_TitleHighlight;
    bool m_IncludeSuffix = true;
};

QDataStream &operator<<(QDataStream &stream, const CBioNameDisplaySettings &settings);
// Marks the stream ReadCorruptData when the block is not one.
QDataStream &operator>>(QDataStream &stream, CBioNameDisplaySettings &settings);
