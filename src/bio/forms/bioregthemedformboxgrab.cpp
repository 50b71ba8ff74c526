#include "bioregthemedformboxgrab.h"

#include "bioreg.h"
#include "cmnthemeaccessors.h"

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

#define BIO_HEADER_LAYOUT(TextSize, PicturePos)                                                              \
    static const CLayoutAccessors accessors{                                                                 \
        CmnThemeGetPaddingOrHeader,   CmnThemeGetBorderColorOrHeader, CmnThemeGetBorderStyleOrHeader,       \
        CmnThemeGetFillColorOrHeader, CmnThemeGetFillStyleOrHeader,   CmnThemeGetTextFaceOrHeader,          \
        TextSize,                     CmnThemeGetTextColorOrHeader,   CmnThemeGetTextAlignOrHeader,         \
        PicturePos,                                                                                          \
    };                                                                                                       \
    return accessors

const CCmnThemedFormBoxGrab::CLayoutAccessors &CBioRegThemedFormBoxGrab::TitleLayout()
{
    BIO_HEADER_LAYOUT(CmnThemeGetTitleTextSizeOrHeader, nullptr);
}

const CCmnThemedFormBoxGrab::CLayoutAccessors &CBioRegThemedFormBoxGrab::DetailsLayout()
{
    BIO_HEADER_LAYOUT(CmnThemeGetDetailsTextSizeOrHeader, nullptr);
}

const CCmnThemedFormBoxGrab::CLayoutAccessors &CBioRegThemedFormBoxGrab::PictureLayout()
{
    BIO_HEADER_LAYOUT(CmnThemeGetPicBoxTextSizeOrHeader, CmnThemeGetPicturePos);
}
