#pragma once

#include "cmnregthemedformstickystate.h"

// The level every breeding form's remembered state shares.
class CBioRegThemedFormStickyState : public CCmnRegThemedFormStickyState
{
    Q_OBJECT
public:
    using CCmnRegThemedFormStickyState::CCmnRegThemedFormStickyState;
};
