#pragma once

#include "cmnformboxtext.h"
#include "cmnpicture.h"

// What a theme data element puts into a box: a picture and a text (HTML, or
// plain text in the box markup).
class CCmnThemedFormBoxGenericData
{
public:
    bool operator==(const CCmnThemedFormBoxGenericData &other) const
    {
        return m_Picture == other.m_Picture && m_Text == other.m_Text;
    }

    void SetText(const QString &text, bool html) { m_Text = {text, html}; }

    // Tag 35, version 0, the picture block and the text block.
    void Write(QDataStream &out) const;
    // Resets to the default payload first. False on another tag or version (the
    // payload stays the default); damage inside marks the stream corrupt.
    [[nodiscard]] bool Read(QDataStream &in);

    CCmnPicture m_Picture;
    CCmnFormBoxText m_Text;
};

void CmnWriteThemedFormBoxGenericData(QDataStream &out, const CCmnThemedFormBoxGenericData &data);
// Marks the stream corrupt when the payload's reader fails.
void CmnReadThemedFormBoxGenericData(QDataStream &in, CCmnThemedFormBoxGenericData &data);
