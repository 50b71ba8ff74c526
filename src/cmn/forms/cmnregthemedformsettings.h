#pragma once

#include "cmnthemedformsettings.h"

// The settings of a themed form that shows records. It stores nothing of its
// own: its block is the themed form's, and it is the level the record-bound
// form kinds build their settings on.
class CCmnRegThemedFormSettings : public CCmnThemedFormSettings
{
    Q_OBJECT
public:
    using CCmnThemedFormSettings::CCmnThemedFormSettings;
};
