#pragma once

#include "cmnregfield.h"

// One built-in field on the system fields list: a special field (sex, parents,
// coefficient of inbreeding) or a system field (dates, title, suffix); only the
// field of its kind is meaningful.
struct CCmnRegFieldsSettingsSystemFieldsCtrlElt
{
    CCmnRegFieldsSettingsSystemFieldsCtrlElt() = default;
    CCmnRegFieldsSettingsSystemFieldsCtrlElt(bool special, const CCmnRegField &specialField,
                                             const CCmnRegField &systemField)
        : m_Special(special), m_SpecialField(specialField), m_SystemField(systemField)
    {
    }

    CCmnRegField &Field() { return m_Special ? m_SpecialField : m_SystemField; }
    const CCmnRegField &Field() const { return m_Special ? m_SpecialField : m_SystemField; }

    friend bool operator==(const CCmnRegFieldsSettingsSystemFieldsCtrlElt &,
                           const CCmnRegFieldsSettingsSystemFieldsCtrlElt &) = default;

    bool m_Special = false;
    CCmnRegField m_SpecialField;
    CCmnRegField m_SystemField;
};
