#pragma once

#include "cmnformboxpropertiespanel.h"
#include "cmnthemeaccessors.h"
#include "cmntheme.h"
#include "cmnthemedformboxgenericlayout.h"
#include "tcmnthemepayloadelt.h"

#include <QList>
#include <QString>
#include <QStringList>

#include <functional>
#include <optional>

class CCmnTheme;
class CCmnThemedFormAutoParams;
class CCmnThemedFormBoxGenericData;
struct CCmnThemedFormBoxNames;

// How one property travels between a layout element and a properties panel: the
// panel's add operation, its automatic query and edited value, and the element's
// property.
template <typename T>
struct TCmnThemedPropertyCtrl
{
    void (CCmnFormBoxPropertiesPanel::*m_Add)(bool, const T &, const T &, const QString &, const CCmnGridCell &);
    bool (CCmnFormBoxPropertiesPanel::*m_IsAutomatic)() const;
    T CCmnFormBoxPropertiesPanel::*m_Edited;
    TCmnThemeProperty<T> CCmnThemedFormBoxGenericLayout::*m_Property;
};

inline constexpr TCmnThemedPropertyCtrl<QColor> kCmnThemedBorderColor{
    &CCmnFormBoxPropertiesPanel::AddBorderColorCtrl, &CCmnFormBoxPropertiesPanel::IsBorderColorAutomatic, &CCmnFormBoxPropertiesPanel::m_BorderColor, &CCmnThemedFormBoxGenericLayout::m_BorderColor};
inline constexpr TCmnThemedPropertyCtrl<CCmnFormBoxBorderStyle> kCmnThemedBorderStyle{
    &CCmnFormBoxPropertiesPanel::AddBorderStyleCtrl, &CCmnFormBoxPropertiesPanel::IsBorderStyleAutomatic, &CCmnFormBoxPropertiesPanel::m_BorderStyle, &CCmnThemedFormBoxGenericLayout::m_BorderStyle};
inline constexpr TCmnThemedPropertyCtrl<QColor> kCmnThemedFillColor{
    &CCmnFormBoxPropertiesPanel::AddFillColorCtrl, &CCmnFormBoxPropertiesPanel::IsFillColorAutomatic, &CCmnFormBoxPropertiesPanel::m_FillColor, &CCmnThemedFormBoxGenericLayout::m_FillColor};
inline constexpr TCmnThemedPropertyCtrl<CCmnFormBoxFillStyle> kCmnThemedFillStyle{
    &CCmnFormBoxPropertiesPanel::AddFillStyleCtrl, &CCmnFormBoxPropertiesPanel::IsFillStyleAutomatic, &CCmnFormBoxPropertiesPanel::m_FillStyle, &CCmnThemedFormBoxGenericLayout::m_FillStyle};
inline constexpr TCmnThemedPropertyCtrl<CCmnFormBoxRectExtents> kCmnThemedPadding{
    &CCmnFormBoxPropertiesPanel::AddPaddingCtrl, &CCmnFormBoxPropertiesPanel::IsPaddingAutomatic, &CCmnFormBoxPropertiesPanel::m_Padding, &CCmnThemedFormBoxGenericLayout::m_Padding};
inline constexpr TCmnThemedPropertyCtrl<CCmnFormBoxPicturePos> kCmnThemedPicturePos{
    &CCmnFormBoxPropertiesPanel::AddPicturePosCtrl, &CCmnFormBoxPropertiesPanel::IsPicturePosAutomatic, &CCmnFormBoxPropertiesPanel::m_PicturePos, &CCmnThemedFormBoxGenericLayout::m_PicturePos};
inline constexpr TCmnThemedPropertyCtrl<CCmnFormBoxTextAlign> kCmnThemedTextAlign{
    &CCmnFormBoxPropertiesPanel::AddTextAlignCtrl, &CCmnFormBoxPropertiesPanel::IsTextAlignAutomatic, &CCmnFormBoxPropertiesPanel::m_TextAlign, &CCmnThemedFormBoxGenericLayout::m_TextAlign};
inline constexpr TCmnThemedPropertyCtrl<QColor> kCmnThemedTextColor{
    &CCmnFormBoxPropertiesPanel::AddTextColorCtrl, &CCmnFormBoxPropertiesPanel::IsTextColorAutomatic, &CCmnFormBoxPropertiesPanel::m_TextColor, &CCmnThemedFormBoxGenericLayout::m_TextColor};
inline constexpr TCmnThemedPropertyCtrl<QString> kCmnThemedTextFace{
    &CCmnFormBoxPropertiesPanel::AddTextFaceCtrl, &CCmnFormBoxPropertiesPanel::IsTextFaceAutomatic, &CCmnFormBoxPropertiesPanel::m_TextFace, &CCmnThemedFormBoxGenericLayout::m_TextFace};
inline constexpr TCmnThemedPropertyCtrl<QString> kCmnThemedTextSize{
    &CCmnFormBoxPropertiesPanel::AddTextSizeCtrl, &CCmnFormBoxPropertiesPanel::IsTextSizeAutomatic, &CCmnFormBoxPropertiesPanel::m_TextSize, &CCmnThemedFormBoxGenericLayout::m_TextSize};
inline constexpr TCmnThemedPropertyCtrl<CCmnMetric> kCmnThemedSingleExtent{
    &CCmnFormBoxPropertiesPanel::AddSingleExtentCtrl, &CCmnFormBoxPropertiesPanel::IsSingleExtentAutomatic, &CCmnFormBoxPropertiesPanel::m_SingleExtent,
    &CCmnThemedFormBoxGenericLayout::m_SingleExtent};
inline constexpr TCmnThemedPropertyCtrl<double> kCmnThemedTextScale{
    &CCmnFormBoxPropertiesPanel::AddTextScaleCtrl, &CCmnFormBoxPropertiesPanel::IsTextScaleAutomatic, &CCmnFormBoxPropertiesPanel::m_TextScale,
    &CCmnThemedFormBoxGenericLayout::m_TextScale};

// What every themed box property dialog shares: the theme copy it edits, the
// fallback theme, the names of the elements it edits, and the adding of a
// control from an element's property and its accessor, with the storing back of
// the edited value after acceptance ("Automatic" stored as inheriting).
class CCmnThemedFormBoxPropertiesDialogOrTabMixin
{
public:
    CCmnThemedFormBoxPropertiesDialogOrTabMixin(CCmnTheme &theme, const CCmnTheme &defaultTheme,
                                                const QString &layoutEltName, const CCmnThemedFormBoxNames &boxNames,
                                                const CCmnThemedFormAutoParams &autoParams);
    CCmnThemedFormBoxPropertiesDialogOrTabMixin(const CCmnThemedFormBoxPropertiesDialogOrTabMixin &) = delete;
    CCmnThemedFormBoxPropertiesDialogOrTabMixin &operator=(const CCmnThemedFormBoxPropertiesDialogOrTabMixin &) =
        delete;

    // The names of the elements the dialog edits, for the caller to re-apply after
    // acceptance: the layout element, then the data element of a tabbed dialog.
    const QStringList &EltNames() const { return m_EltNames; }
    const QString &LayoutEltName() const { return m_LayoutEltName; }

protected:
    ~CCmnThemedFormBoxPropertiesDialogOrTabMixin();

    // The theme's own copy of the element, taken from the fallback theme when the
    // theme has none yet; null (with a warning) when neither has it.
    CCmnThemedFormBoxGenericLayout *LayoutForWrite();
    CCmnThemedFormBoxGenericData *DataForWrite(const QString &name);
    // The theme's element, else the fallback theme's, without copying anything
    // into the theme; null (with a warning) when neither has it.
    const CCmnThemedFormBoxGenericLayout *LayoutForRead();
    const CCmnThemedFormBoxGenericData *DataForRead(const QString &name);
    // A copy of the payload of an element of another kind (the theme's, else the
    // fallback theme's), for the controls to edit; none (with a warning) when
    // neither theme has such an element.
    template <typename TPayload>
    std::optional<TPayload> PayloadForRead(const QString &name)
    {
        const auto *element = dynamic_cast<const TCmnThemePayloadElt<TPayload> *>(m_Theme.GetElt(name, m_DefaultTheme));
        if (!element) {
            WarnNoElement(name);
            return std::nullopt;
        }
        return element->m_Payload;
    }
    // Replaces the payload of the theme's own copy of the element.
    template <typename TPayload>
    void WritePayload(const QString &name, const TPayload &payload)
    {
        if (auto *element =
                dynamic_cast<TCmnThemePayloadElt<TPayload> *>(m_Theme.GetEltForWrite(name, m_DefaultTheme)))
            element->m_Payload = payload;
        else
            WarnNoElement(name);
    }

    // Adds the property's control to the panel: automatic when the element
    // inherits it, showing the accessor's value and, while automatic, what the box
    // would get without the element's own setting.
    template <typename T>
    void AddThemedCtrl(CCmnFormBoxPropertiesPanel &panel, CCmnThemedFormBoxGenericLayout &layout,
                       const TCmnThemedPropertyCtrl<T> &ctrl, TCmnThemeAccessorFn<T> accessor,
                       const CCmnGridCell &cell = {}, const QString &label = {})
    {
        AddThemedValueCtrl(panel, layout, ctrl,
                           accessor(m_Theme, m_DefaultTheme, m_LayoutEltName, m_BoxNames, &m_AutoParams, false),
                           accessor(m_Theme, m_DefaultTheme, m_LayoutEltName, m_BoxNames, &m_AutoParams, true),
                           cell, label);
    }
    // The same for a level of an element whose look-ups need more than the
    // element's name (a cell of a chart size): the caller gives the current value
    // and the automatic one, from the look-ups that style the box.
    template <typename T>
    void AddThemedValueCtrl(CCmnFormBoxPropertiesPanel &panel, CCmnThemedFormBoxGenericLayout &layout,
                            const TCmnThemedPropertyCtrl<T> &ctrl, const T &current, const T &automatic,
                            const CCmnGridCell &cell = {}, const QString &label = {})
    {
        TCmnThemeProperty<T> &property = layout.*(ctrl.m_Property);
        (panel.*(ctrl.m_Add))(property.m_Inherit, current, automatic, label, cell);
        m_StoreSteps.append([&panel, &property, ctrl] {
            property.m_Inherit = (panel.*(ctrl.m_IsAutomatic))();
            if (!property.m_Inherit)
                property.m_Value = panel.*(ctrl.m_Edited);
        });
    }
    // Stores every added control's value back into its element.
    void StoreThemedCtrls();

    CCmnTheme &m_Theme;
    const CCmnTheme &m_DefaultTheme;
    QString m_LayoutEltName;
    QStringList m_EltNames;
    const CCmnThemedFormBoxNames &m_BoxNames;
    const CCmnThemedFormAutoParams &m_AutoParams;

private:
    static void WarnNoElement(const QString &name);

    QList<std::function<void()>> m_StoreSteps;
};
