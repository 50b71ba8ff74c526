#pragma once

#include <QVector>

// Where one ancestor of a pairing was met: the nearest and furthest generation
// (1 = the sire or dam itself) and, per generation, the number of paths reaching
// it through the sire and through the dam.
class CBioAncestorOccurrences
{
public:
    struct Counts
    {
        int sireSide = 0;
        int damSide = 0;

        friend bool operator==(const Counts &, const Counts &) = default;
    };

    void AddAppearance(int generation, bool damSide);

    int Nearest() const { return m_Nearest; }
    int Furthest() const { return m_Furthest; }
    // Counts at a generation; none beyond the array.
    Counts At(int generation) const;
    const QVector<Counts> &PerGeneration() const { return m_PerGeneration; }

private:
    int m_Nearest = 0;
    int m_Furthest = 0;
    QVector<Counts> m_PerGeneration;
};
