#pragma once

#include "cmnregfielddef.h"
#include "cmnregfieldvalue.h"
#include "cmnregfieldwidgets.h"

#include <QVariantList>

// One field of a fields grid: its id, its definition and its row of widgets,
// with what the last load put into the editors, so that a save can tell a value
// the user left alone from one the user changed.
struct CCmnRegFieldEditItem
{
    int m_FieldId = 0;
    CCmnRegFieldDef m_Def;
    CCmnRegFieldWidgets m_Widgets;
    // The record's own entry for the field as loaded, whatever its kind.
    bool m_HadStoredValue = false;
    CCmnRegFieldValue m_LoadedStoredValue;
    QVariantList m_LoadedState;
};
