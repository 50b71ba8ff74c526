#pragma once

#include "biopedigree.h"

#include <QVector>

#include <optional>

// The working pedigree of one ancestry calculation: a pairing's ancestry
// renumbered 1..n with every ancestor before its descendants, and the tables
// between record ids and those positions.
class CBioSubPedigree
{
public:
    // Positions 1..n; a parent outside the ancestry is 0.
    CBioPedigree pedigree;
    // By record id; 0 for an id outside the ancestry. May be shorter than the
    // source's ids (empty when the builder kept positions elsewhere).
    QVector<int> idToPosition;
    // By position 0..n; entry 0 is 0.
    QVector<int> positionToId;

    // 0 for an id not in the table.
    int PositionOf(int id) const;
    // The coefficient of inbreeding of the individual at a position; none when the
    // memory for the calculation could not be had or the position does not exist.
    std::optional<double> InbreedingOf(int position) const;
};
