#pragma once

#include <QPointer>
#include <QString>

#include "cmnformboxpropertiestab.h"
class CCmnTabDialog;

// The "Photo", "Text" and "Layout" tabs of the dialogs that edit a box of a
// themed form through its layout and data elements.
class CCmnThemedFormBoxGenericPropertiesTabsMixin
{
public:
    explicit CCmnThemedFormBoxGenericPropertiesTabsMixin(const QString &dataEltName);
    CCmnThemedFormBoxGenericPropertiesTabsMixin(const CCmnThemedFormBoxGenericPropertiesTabsMixin &) = delete;
    CCmnThemedFormBoxGenericPropertiesTabsMixin &operator=(const CCmnThemedFormBoxGenericPropertiesTabsMixin &) =
        delete;

    // The box was shown without a picture and now has one: the caller warns that
    // it may be cropped.
    bool HasPicture() const;

    const QString &DataEltName() const { return m_DataEltName; }
    CCmnFormBoxPropertiesTab *PhotoTab() const { return m_PhotoTab; }
    CCmnFormBoxPropertiesTab *TextTab() const { return m_TextTab; }
    CCmnFormBoxPropertiesTab *LayoutTab() const { return m_LayoutTab; }

protected:
    ~CCmnThemedFormBoxGenericPropertiesTabsMixin();

    // Adds the three tabs to the dialog, their help pages named after the dialog's
    // class, with the picture on "Photo" and the text on "Text". Boxes whose
    // picture comes from elsewhere (a record's photo) go without the "Photo" tab.
    void CreateTabs(CCmnTabDialog *dialog, const QString &helpPageStem, bool withPhotoTab = true);

private:
    QString m_DataEltName;
    QPointer<CCmnFormBoxPropertiesTab> m_PhotoTab;
    QPointer<CCmnFormBoxPropertiesTab> m_TextTab;
    QPointer<CCmnFormBoxPropertiesTab> m_LayoutTab;
};
