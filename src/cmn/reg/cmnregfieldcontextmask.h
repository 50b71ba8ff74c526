#pragma once

#include <QtGlobal>

class QDataStream;

// The form contexts (box kinds, 0 to 127) in which a field is shown by default.
class CCmnRegFieldContextMask
{
public:
    static constexpr int kContexts = 128;

    // Bits outside 0 to 127 are ignored.
    void SetContext(int bit, bool on);
    bool HasContext(int bit) const;
    quint64 Word(int index) const { return m_Words[index & 1]; }
    void SetWord(int index, quint64 bits) { m_Words[index & 1] = bits; }

    // Block tag 40, version 1: both words.
    void Write(QDataStream &stream) const;

    friend bool operator==(const CCmnRegFieldContextMask &, const CCmnRegFieldContextMask &) = default;

private:
    quint64 m_Words[2] = {0, 0};
};

// Reads a mask block; version 0 held only the first word (the second becomes 0).
// False for another tag or a newer version.
[[nodiscard]] bool CmnRegReadContextMasks(QDataStream &stream, CCmnRegFieldContextMask &mask);
