#pragma once

#include "cmnthemedformstickystate.h"

// What a themed form that shows records remembers; the form kinds add the
// records they showed.
class CCmnRegThemedFormStickyState : public CCmnThemedFormStickyState
{
    Q_OBJECT
public:
    using CCmnThemedFormStickyState::CCmnThemedFormStickyState;
};
