#pragma once

#include <QString>

class QDataStream;

// The text of a theme data element: plain text, or HTML when the flag is set.
class CCmnFormBoxText
{
public:
    bool operator==(const CCmnFormBoxText &) const = default;

    // Empty for an empty text; plain text is escaped.
    QString ToHtml() const;

    QString m_Text;
    bool m_Html = false;
};

// Tag 51, a zero byte, the text and the HTML flag byte.
void CmnWriteFormBoxText(QDataStream &out, const CCmnFormBoxText &text);
// Resets the text first; another tag or a cut block marks the stream corrupt.
[[nodiscard]] bool CmnReadFormBoxText(QDataStream &in, CCmnFormBoxText &text);
