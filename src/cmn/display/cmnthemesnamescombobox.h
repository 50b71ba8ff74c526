#pragma once

#include "cmnnameditemsterminology.h"

#include <QPointer>

class CCmnComboBox;
class CCmnThemeSet;
class QWidget;

// The list of a document's themes for a form view's side panel: one entry per
// theme name, sorted, then the commands on themes. It is not a widget: it keeps
// the combo box that the side panel shows, and what each entry stands for is in
// its item data ("!" and the name, "NEW", "DELETE", "RENAME").
class CCmnThemesNamesComboBox : public CCmnNamedItemsTerminology
{
public:
    // The name under which the base theme is listed.
    static QString BaseThemeName() { return QStringLiteral("Default"); }

    explicit CCmnThemesNamesComboBox(QWidget *parent = nullptr);
    ~CCmnThemesNamesComboBox();
    CCmnThemesNamesComboBox(const CCmnThemesNamesComboBox &) = delete;
    CCmnThemesNamesComboBox &operator=(const CCmnThemesNamesComboBox &) = delete;

    // Lists the set's themes and commands and selects the current theme's entry
    // (the base theme's when no saved theme is current).
    CCmnComboBox *Fill(const CCmnThemeSet &themes);
    // Selects the entry of the current theme again, entry 0 before any filling.
    void RestoreIndex();

    CCmnComboBox *ComboBox() const { return m_ComboBox; }
    int RememberedIndex() const { return m_RememberedIndex; }

private:
    // Laid out in a side panel, whose Qt parenthood then owns it; freed here
    // only while nothing has taken it.
    QPointer<CCmnComboBox> m_ComboBox;
    int m_RememberedIndex = -1;
};
