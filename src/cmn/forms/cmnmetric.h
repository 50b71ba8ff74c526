#pragma once

#include <QtGlobal>

class QDataStream;

// A length of a form (margin, padding, border, gap) in the unit the user entered
// it in: stored and streamed with that unit, turned into device units only when
// a box is laid out or painted. Unit codes are those of the measurement-unit
// setting: 1 centimetres, 2 millimetres, anything else inches (written as 0).
class CCmnMetric
{
public:
    CCmnMetric() = default;
    CCmnMetric(qint32 unit, double length) : m_Unit(unit), m_Length(length) {}

    qint32 Unit() const { return m_Unit; }
    double Length() const { return m_Length; }
    void SetLength(double length) { m_Length = length; }

    double ToDevice(double dotsPerInch) const;
    // Converts the length so that the physical length stays the same.
    void SetUnit(qint32 unit);
    CCmnMetric Scaled(double factor) const { return {m_Unit, m_Length * factor}; }

    // Exact: 1 inch and 2.54 centimetres are different values.
    bool operator==(const CCmnMetric &other) const
    {
        return m_Unit == other.m_Unit && m_Length == other.m_Length;
    }
    bool operator!=(const CCmnMetric &other) const { return !(*this == other); }

    // Tag 41, the unit byte and the length; no version byte.
    void Write(QDataStream &out) const;
    // Resets to 0 inches first. False without reading further on another tag (the
    // caller marks the stream corrupt); else true when the stream is still good.
    [[nodiscard]] bool Read(QDataStream &in);

private:
    qint32 m_Unit = 0;
    double m_Length = 0.0;
};
