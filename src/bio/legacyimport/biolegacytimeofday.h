#pragma once

#include <QString>

// A time of day in minutes since midnight; -1 is no time.
class CBioLegacyTimeOfDay
{
public:
    int Minutes() const { return m_Minutes; }
    void SetMinutes(int minutes) { m_Minutes = minutes; }
    bool IsNull() const { return m_Minutes < 0 || m_Minutes >= 1440; }

    // Fails for an hour above 23 or a minute of 60 or more, saying which when asked.
    bool Set(int hour, int minute, QString *message = nullptr);

private:
    int m_Minutes = -1;
};
