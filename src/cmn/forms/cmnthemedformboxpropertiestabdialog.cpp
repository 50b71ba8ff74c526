#include "cmnthemedformboxpropertiestabdialog.h"

#include "cmnformboxpropertiestab.h"
#include "cmnthemedformboxgenericdata.h"
#include "cmnthemedformboxgenericpropertiestabsmixin.h"

CCmnThemedFormBoxPropertiesTabDialog::CCmnThemedFormBoxPropertiesTabDialog(
    CCmnTheme &theme, const CCmnTheme &defaultTheme, const QString &layoutEltName,
    const CCmnThemedFormBoxNames &boxNames, const CCmnThemedFormAutoParams &autoParams, QWidget *parent)
    : CCmnTabDialog(parent)
    , CCmnThemedFormBoxPropertiesDialogOrTabMixin(theme, defaultTheme, layoutEltName, boxNames, autoParams)
{
}

CCmnThemedFormBoxPropertiesTabDialog::~CCmnThemedFormBoxPropertiesTabDialog() = default;

int CCmnThemedFormBoxPropertiesTabDialog::ExecTabsAndApply(CCmnThemedFormBoxGenericPropertiesTabsMixin &tabs,
                                                           const CCmnThemedFormBoxLayoutAccessors &accessors)
{
    // The controls edit copies: the theme gets its own elements only on OK, so
    // Cancel leaves it exactly as it was, stored bytes that do not read included.
    const CCmnThemedFormBoxGenericLayout *storedLayout = LayoutForRead();
    const CCmnThemedFormBoxGenericData *storedData = DataForRead(tabs.DataEltName());
    if (!storedLayout || !storedData)
        return QDialog::Rejected;
    CCmnThemedFormBoxGenericLayout edited = *storedLayout;
    CCmnThemedFormBoxGenericData editedData = *storedData;
    CCmnThemedFormBoxGenericLayout *layout = &edited;
    CCmnThemedFormBoxGenericData *data = &editedData;

    CCmnFormBoxPropertiesPanel *photo = tabs.PhotoTab() ? tabs.PhotoTab()->Panel().data() : nullptr;
    CCmnFormBoxPropertiesPanel &text = *tabs.TextTab()->Panel();
    CCmnFormBoxPropertiesPanel &boxLayout = *tabs.LayoutTab()->Panel();
    text.m_Text = data->m_Text.m_Text;
    text.m_Html = data->m_Text.m_Html;

    if (photo) {
        photo->m_Picture = data->m_Picture;
        AddThemedCtrl(*photo, *layout, kCmnThemedPicturePos, accessors.m_PicturePos, CCmnGridCell(0, 1));
    }
    AddThemedCtrl(text, *layout, kCmnThemedTextSize, accessors.m_TextSize, CCmnGridCell(1, 0));
    AddThemedCtrl(text, *layout, kCmnThemedTextColor, accessors.m_TextColor, CCmnGridCell(1, 1));
    AddThemedCtrl(text, *layout, kCmnThemedTextFace, accessors.m_TextFace, CCmnGridCell(2, 0));
    AddThemedCtrl(text, *layout, kCmnThemedTextAlign, accessors.m_TextAlign, CCmnGridCell(2, 1));
    AddThemedCtrl(boxLayout, *layout, kCmnThemedBorderStyle, accessors.m_BorderStyle, CCmnGridCell(0, 0));
    AddThemedCtrl(boxLayout, *layout, kCmnThemedFillStyle, accessors.m_FillStyle, CCmnGridCell(0, 1));
    if (photo)
        AddThemedCtrl(boxLayout, *layout, kCmnThemedPadding, accessors.m_Padding, CCmnGridCell(0, 2));
    AddThemedCtrl(boxLayout, *layout, kCmnThemedBorderColor, accessors.m_BorderColor, CCmnGridCell(1, 0));
    AddThemedCtrl(boxLayout, *layout, kCmnThemedFillColor, accessors.m_FillColor, CCmnGridCell(1, 1));
    if (!photo) {
        // Without a photo tab the picture's position joins the layout, under the box's own look.
        AddThemedCtrl(boxLayout, *layout, kCmnThemedPadding, accessors.m_Padding, CCmnGridCell(2, 0));
        if (accessors.m_PicturePos)
            AddThemedCtrl(boxLayout, *layout, kCmnThemedPicturePos, accessors.m_PicturePos, CCmnGridCell(2, 1));
    }

    const int result = Exec();
    if (result == QDialog::Accepted) {
        StoreThemedCtrls();
        // What was shown goes back even when untouched: the element then holds
        // its own copy, as every other edit leaves it.
        if (photo)
            data->m_Picture = photo->m_Picture;
        data->SetText(text.m_Text, text.m_Html);
        CCmnThemedFormBoxGenericLayout *layoutElt = LayoutForWrite();
        CCmnThemedFormBoxGenericData *dataElt = DataForWrite(tabs.DataEltName());
        if (layoutElt && dataElt) {
            *layoutElt = edited;
            *dataElt = editedData;
        }
    }
    return result;
}
