#pragma once

#include <QString>

// A value the program works out (deduced) next to one the user, a parameter file or
// the per-file memory set (custom), with the choice between them. While the custom
// value follows, every new deduction is copied into it as well, so that ticking
// "Customize" starts from what was deduced; a value fixed from outside stops that.
template <class TValue>
class TCmnAutomaticOrCustom
{
public:
    // The deduced value while automatic, else the custom one.
    const TValue &Effective() const { return m_Automatic ? m_Deduced : m_Custom; }

    // A new deduction; the custom value takes it too while it follows.
    void SetDeduced(const TValue &value)
    {
        m_Deduced = value;
        if (m_Follow)
            m_Custom = value;
    }

    // Makes the value custom and stops it from following deductions.
    void FixCustom(const TValue &value)
    {
        m_Custom = value;
        m_Automatic = false;
        m_Follow = false;
    }

    // FixCustom with the value read from its one-line text form; false, changing
    // nothing, when the text does not parse (an empty text never does).
    bool FixCustomFromText(const QString &text)
    {
        TValue value = m_Custom;
        if (text.isEmpty() || !value.FromText(text))
            return false;
        FixCustom(value);
        return true;
    }

    bool operator==(const TCmnAutomaticOrCustom &other) const = default;

    bool m_Automatic = true;
    bool m_Follow = true;
    TValue m_Deduced;
    TValue m_Custom;
};
