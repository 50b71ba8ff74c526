#include "cmnthemedformboxgenericpropertiestabsmixin.h"

#include "cmnformboxpropertiespanel.h"
#include "cmnformboxpropertiestab.h"
#include "cmntabdialog.h"

CCmnThemedFormBoxGenericPropertiesTabsMixin::CCmnThemedFormBoxGenericPropertiesTabsMixin(const QString &dataEltName)
    : m_DataEltName(dataEltName)
{
}

CCmnThemedFormBoxGenericPropertiesTabsMixin::~CCmnThemedFormBoxGenericPropertiesTabsMixin() = default;

bool CCmnThemedFormBoxGenericPropertiesTabsMixin::HasPicture() const
{
    return m_PhotoTab && m_PhotoTab->Panel()->HasPicture();
}

void CCmnThemedFormBoxGenericPropertiesTabsMixin::CreateTabs(CCmnTabDialog *dialog, const QString &helpPageStem,
                                                             bool withPhotoTab)
{
    const auto newTab = [dialog, &helpPageStem](const QString &label, const QString &pageSuffix) {
        auto *tab = new CCmnFormBoxPropertiesTab;
        tab->SetHelpPage(helpPageStem + pageSuffix);
        dialog->AddTab(tab, label);
        return tab;
    };
    if (withPhotoTab) {
        m_PhotoTab = newTab(QStringLiteral("Photo"), QStringLiteral("_Pic.html"));
        m_PhotoTab->AddPictureCtrl(QStringLiteral("Photo"), CCmnGridCell(0, 0, 1, 1, {}, 1, 1));
    }
    m_TextTab = newTab(QStringLiteral("Text"), QStringLiteral("_Text.html"));
    m_TextTab->AddTextCtrl(QString(), 5, true, CCmnGridCell(0, 0, 1, 2));
    m_LayoutTab = newTab(QStringLiteral("Layout"), QStringLiteral("_Layout.html"));
}
