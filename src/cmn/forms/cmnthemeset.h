#pragma once

#include "cmntheme.h"

#include <QByteArray>
#include <QHash>
#include <QString>

// The themes of one document: the base theme and the themes the user saved
// under a name, with the name of the one the forms are drawn with. The forms
// draw with the base theme while the current name names no saved theme.
class CCmnThemeSet
{
public:
    CCmnThemeSet();

    // The saved theme of the current name when there is one, else the base theme.
    const CCmnTheme &GetCurrentTheme() const;
    CCmnTheme &GetCurrentTheme();

    // False for an empty name or one that names no saved theme. Names that
    // pointed at the removed theme are cleared.
    bool RemoveTheme(const QString &name);
    // False when either name is empty, the old one names no saved theme or the
    // new one is taken; renaming to the same name changes nothing and succeeds.
    // Names that pointed at the old name follow it.
    bool RenameTheme(const QString &oldName, const QString &newName);
    // Makes the saved theme of the name current; any other name (the empty one
    // included) clears the current name, so the base theme is drawn.
    void SelectTheme(const QString &name);
    // Copies the theme over the one GetCurrentTheme gives: the saved theme of the
    // current name, else the base theme.
    void StoreCurrentTheme(const CCmnTheme &theme);

    bool operator==(const CCmnThemeSet &other) const;
    bool operator!=(const CCmnThemeSet &other) const { return !(*this == other); }

    // Tag 5, version 0, the base theme, the current name, the second text, the
    // count and the saved themes (name, theme) in name order, the third text.
    QByteArray ToByteArray() const;
    // Leaves the set as it was unless the whole block reads. A block that ends
    // inside the saved themes keeps none of them.
    [[nodiscard]] bool FromByteArray(const QByteArray &bytes);

    CCmnTheme m_BaseTheme;
    QString m_CurrentThemeName;
    // A second theme name kept with the set; it follows renames and removals
    // of the theme it names, as the current name does.
    QString m_SecondText;
    QHash<QString, CCmnTheme> m_NamedThemes;
    // Kept, copied and compared with the set.
    QString m_ThirdText;
};
