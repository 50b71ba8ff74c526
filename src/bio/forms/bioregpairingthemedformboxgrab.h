#pragma once

#include "bioregthemedformboxgrab.h"

// A box grab bound to a prospective pairing of a sire and a dam: its text
// speaks of their offspring, so fields that follow a record's parents resolve
// through the two. It never shows a picture.
class CBioRegPairingThemedFormBoxGrab : public CBioRegThemedFormBoxGrab
{
public:
    using CBioRegThemedFormBoxGrab::CBioRegThemedFormBoxGrab;

    // Asks the register about an offspring record that exists only for the
    // question: nothing is emitted, and the ids in use stay as they were. An id
    // of 0 or less, or one the register does not hold, is no parent; with no
    // parent at all the box shows no text.
    void GrabPairing(CBioReg &reg, qint32 sireId, qint32 damId);
};

// The title box of the trial-mating chart.
class CBioRegTrialMatingTitleBoxGrab : public CBioRegPairingThemedFormBoxGrab
{
public:
    using CBioRegPairingThemedFormBoxGrab::CBioRegPairingThemedFormBoxGrab;
    void GrabLayoutElt(CCmnTheme &theme, const CCmnTheme &defaultTheme, const QString &layoutElt, CCmnForm &form,
                       qint32 boxId, const CCmnThemedFormBoxNames &names,
                       const CCmnThemedFormAutoParams *params) override;
};
