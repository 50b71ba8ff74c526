#include "cmnthemedformboxpropertiesdialogortabmixin.h"

#include "cmntheme.h"
#include "cmnthemedformboxgenericdataelt.h"
#include "cmnthemedformboxgenericlayoutelt.h"

#include <QtDebug>

CCmnThemedFormBoxPropertiesDialogOrTabMixin::CCmnThemedFormBoxPropertiesDialogOrTabMixin(
    CCmnTheme &theme, const CCmnTheme &defaultTheme, const QString &layoutEltName,
    const CCmnThemedFormBoxNames &boxNames, const CCmnThemedFormAutoParams &autoParams)
    : m_Theme(theme)
    , m_DefaultTheme(defaultTheme)
    , m_LayoutEltName(layoutEltName)
    , m_EltNames{layoutEltName}
    , m_BoxNames(boxNames)
    , m_AutoParams(autoParams)
{
}

CCmnThemedFormBoxPropertiesDialogOrTabMixin::~CCmnThemedFormBoxPropertiesDialogOrTabMixin() = default;

CCmnThemedFormBoxGenericLayout *CCmnThemedFormBoxPropertiesDialogOrTabMixin::LayoutForWrite()
{
    auto *element =
        dynamic_cast<CCmnThemedFormBoxGenericLayoutElt *>(m_Theme.GetEltForWrite(m_LayoutEltName, m_DefaultTheme));
    if (!element) {
        qWarning() << "No layout element" << m_LayoutEltName << "to edit";
        return nullptr;
    }
    return &element->m_Payload;
}

CCmnThemedFormBoxGenericData *CCmnThemedFormBoxPropertiesDialogOrTabMixin::DataForWrite(const QString &name)
{
    auto *element = dynamic_cast<CCmnThemedFormBoxGenericDataElt *>(m_Theme.GetEltForWrite(name, m_DefaultTheme));
    if (!element) {
        qWarning() << "No data element" << name << "to edit";
        return nullptr;
    }
    return &element->m_Payload;
}

const CCmnThemedFormBoxGenericLayout *CCmnThemedFormBoxPropertiesDialogOrTabMixin::LayoutForRead()
{
    const auto *element =
        dynamic_cast<const CCmnThemedFormBoxGenericLayoutElt *>(m_Theme.GetElt(m_LayoutEltName, m_DefaultTheme));
    if (!element) {
        qWarning() << "No layout element" << m_LayoutEltName << "to edit";
        return nullptr;
    }
    return &element->m_Payload;
}

const CCmnThemedFormBoxGenericData *CCmnThemedFormBoxPropertiesDialogOrTabMixin::DataForRead(const QString &name)
{
    const auto *element = dynamic_cast<const CCmnThemedFormBoxGenericDataElt *>(m_Theme.GetElt(name, m_DefaultTheme));
    if (!element) {
        qWarning() << "No data element" << name << "to edit";
        return nullptr;
    }
    return &element->m_Payload;
}

void CCmnThemedFormBoxPropertiesDialogOrTabMixin::WarnNoElement(const QString &name)
{
    qWarning() << "No element" << name << "to edit";
}

void CCmnThemedFormBoxPropertiesDialogOrTabMixin::StoreThemedCtrls()
{
    for (const std::function<void()> &store : std::as_const(m_StoreSteps))
        store();
}
