#include "bioregthemedformboxgrab.h"

#include "bioreg.h"
#include "cmnthemedformheaderornamentboxgrab.h"

namespace {
// The form-text options of the breeding forms: values as lines, mode 1.
constexpr int kSubstitutionForms = CCmnRegSubstitution::FormLines;
constexpr int kSubstitutionMode = 1;
} // namespace

void CBioRegThemedFormBoxGrab::RefreshFieldReferences(const CBioReg &reg)
{
    if (!TakeModified())
        return;
    QList<int> contextFields;
    if (m_UsageContext > 0) {
        // Asking for a context may tidy the settings' field order: ask a copy.
        CCmnRegFieldsSettings settings = reg.GetFieldsSettings();
        contextFields = settings.GetFieldsForContext(m_UsageContext);
    }
    UpdateFieldReferences(reg, contextFields);
}

void CBioRegThemedFormBoxGrab::TakeSubstitutions(const CBioReg &reg, qint32 recordId)
{
    m_SubstitutionLines = CmnRegSubstitutionLines(
        reg.GetSubstitutions(recordId, m_ReferencedFieldIds, kSubstitutionForms, kSubstitutionMode));
}

namespace {
// A box of text alone on the header chain: as a header ornament, with its own
// scaling of the text size and no picture.
constexpr CCmnThemedFormBoxLayoutAccessors HeaderTextLayout(TCmnThemeAccessorFn<QString> textSize)
{
    CCmnThemedFormBoxLayoutAccessors accessors = CCmnThemedFormHeaderOrnamentBoxGrab::kLayoutAccessors;
    accessors.m_TextSize = textSize;
    accessors.m_PicturePos = nullptr;
    return accessors;
}
} // namespace

const CCmnThemedFormBoxLayoutAccessors &CBioRegThemedFormBoxGrab::TitleLayout()
{
    static constexpr CCmnThemedFormBoxLayoutAccessors kTitle = HeaderTextLayout(CmnThemeGetTitleTextSizeOrHeader);
    return kTitle;
}

const CCmnThemedFormBoxLayoutAccessors &CBioRegThemedFormBoxGrab::DetailsLayout()
{
    static constexpr CCmnThemedFormBoxLayoutAccessors kDetails =
        HeaderTextLayout(CmnThemeGetDetailsTextSizeOrHeader);
    return kDetails;
}

const CCmnThemedFormBoxLayoutAccessors &CBioRegThemedFormBoxGrab::PictureLayout()
{
    // Styled, sized and placed as a header ornament is.
    return CCmnThemedFormHeaderOrnamentBoxGrab::kLayoutAccessors;
}

namespace {
constexpr CCmnThemedFormBoxLayoutAccessors CoverLayout(TCmnThemeAccessorFn<QString> textSize)
{
    return {
        CmnThemeGetPaddingOrFormDefault,
        CmnThemeGetBorderColorOrFormDefault,
        CmnThemeGetBorderStyle,
        CmnThemeGetFillColorOrFormDefault,
        CmnThemeGetFillStyleOrFormDefault,
        CmnThemeGetTextFaceOrFormDefault,
        textSize,
        CmnThemeGetTextColorOrFormDefault,
        CmnThemeGetTextAlignOrFormDefault,
        nullptr,
    };
}
} // namespace

const CCmnThemedFormBoxLayoutAccessors &CBioRegThemedFormBoxGrab::CoverTextLayout()
{
    static constexpr CCmnThemedFormBoxLayoutAccessors kText = CoverLayout(CmnThemeGetTextSizeOrFormDefault);
    return kText;
}

const CCmnThemedFormBoxLayoutAccessors &CBioRegThemedFormBoxGrab::CoverTitleLayout()
{
    static constexpr CCmnThemedFormBoxLayoutAccessors kTitle = CoverLayout(CmnThemeGetTextSizeOrScaledFormDefault);
    return kTitle;
}
