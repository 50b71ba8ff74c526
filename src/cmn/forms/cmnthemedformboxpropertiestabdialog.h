#pragma once

#include "cmntabdialog.h"
#include "cmnthemedformboxpropertiesdialogortabmixin.h"

class CCmnThemedFormBoxGenericPropertiesTabsMixin;

// The accessors with which a tabbed dialog shows its box's properties: those of
// the box's own grab, so that "Automatic" shows what the box would show.
struct CCmnThemedFormBoxTabAccessors
{
    TCmnThemeAccessorFn<CCmnFormBoxPicturePos> m_PicturePos;
    TCmnThemeAccessorFn<QString> m_TextSize;
    TCmnThemeAccessorFn<QColor> m_TextColor;
    TCmnThemeAccessorFn<QString> m_TextFace;
    TCmnThemeAccessorFn<CCmnFormBoxTextAlign> m_TextAlign;
    TCmnThemeAccessorFn<CCmnFormBoxBorderStyle> m_BorderStyle;
    TCmnThemeAccessorFn<CCmnFormBoxFillStyle> m_FillStyle;
    TCmnThemeAccessorFn<CCmnFormBoxRectExtents> m_Padding;
    TCmnThemeAccessorFn<QColor> m_BorderColor;
    TCmnThemeAccessorFn<QColor> m_FillColor;
};

// A tabbed dialog that edits the layout and the data element of one box of a
// themed form (its root or an ornament) in a theme copy.
class CCmnThemedFormBoxPropertiesTabDialog : public CCmnTabDialog, public CCmnThemedFormBoxPropertiesDialogOrTabMixin
{
    Q_OBJECT
public:
    CCmnThemedFormBoxPropertiesTabDialog(CCmnTheme &theme, const CCmnTheme &defaultTheme,
                                         const QString &layoutEltName, const CCmnThemedFormBoxNames &boxNames,
                                         const CCmnThemedFormAutoParams &autoParams, QWidget *parent = nullptr);
    ~CCmnThemedFormBoxPropertiesTabDialog() override;

protected:
    // Fills the tabs from the elements, runs the dialog and, when it is accepted
    // (1), writes the properties, the picture and the text back; returns the
    // dialog's result.
    int ExecTabsAndApply(CCmnThemedFormBoxGenericPropertiesTabsMixin &tabs,
                         const CCmnThemedFormBoxTabAccessors &accessors);
};
