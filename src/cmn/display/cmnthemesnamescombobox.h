#pragma once

#include "cmntheme.h"
#include "cmnthemeset.h"
#include "tcmnnameditemsnamescombobox.h"

// The list of a document's themes for a form view's side panel: one entry per
// theme name, sorted, then the commands that add a theme and delete or rename
// the current one. New themes start as copies of the base theme, listed as
// "Default".
class CCmnThemesNamesComboBox : public TCmnNamedItemsNamesComboBox<CCmnTheme, CCmnThemeSet>
{
public:
    // The name under which the base theme is listed.
    static QString BaseThemeName() { return QStringLiteral("Default"); }

    explicit CCmnThemesNamesComboBox(QWidget *parent = nullptr);
};
