#pragma once

#include "cmncomponentstickystate.h"

// What a themed form remembers between runs; the form kinds add their own.
class CCmnThemedFormStickyState : public CCmnComponentStickyState
{
    Q_OBJECT
public:
    using CCmnComponentStickyState::CCmnComponentStickyState;
};
