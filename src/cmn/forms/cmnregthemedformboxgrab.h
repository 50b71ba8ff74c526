#pragma once

#include "cmnthemedformboxgrab.h"

#include <QList>

class CCmnReg;

// A box grab whose text names record fields: it knows which fields those are,
// so that only their values are asked of the register when the box is bound to
// a record. The references are worked out again only after the text changed.
class CCmnRegThemedFormBoxGrab : public CCmnThemedFormBoxGrab
{
public:
    // The base's grab, then modified and pending: the text may name other fields.
    void GrabDataElt(CCmnTheme &theme, const CCmnTheme &defaultTheme, const QString &dataElt,
                     const CCmnThemedFormBoxNames &names, const CCmnThemedFormAutoParams *params) override;

    // Parses the box text for field names and resolves them to field ids; an
    // all-fields list takes every field of the box's context and records their
    // labels in context order. Names that name no field are dropped.
    void UpdateFieldReferences(const CCmnReg &reg, const QList<int> &contextFieldIds);

    QList<int> m_ReferencedFieldIds;
};

// The field a form text's upper-case name stands for, 0 for none: "#" and a
// built-in label, else a label in the user's wording; identity, special, system,
// then user fields (names compared ignoring case).
int CmnRegResolveFieldReference(const CCmnReg &reg, const QString &name);
