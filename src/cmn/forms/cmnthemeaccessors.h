#pragma once

#include "cmnformboxborderstyle.h"
#include "cmnformboxfillstyle.h"
#include "cmnformboxpicturepos.h"
#include "cmnformboxrectextents.h"
#include "cmnformboxtextalign.h"

#include <QColor>
#include <QString>

class CCmnTheme;
class CCmnThemedFormAutoParams;
struct CCmnThemedFormBoxNames;

// The theme's elements that hold the defaults of every box and of a form's
// header and footer.
inline const QString kCmnFormDefault = QStringLiteral("CMN-DEFAULT");
inline const QString kCmnHeader = QStringLiteral("CMN-HEADER");
inline const QString kCmnFooter = QStringLiteral("CMN-FOOTER");

// One property of one theme layout element, with fixed fallbacks. Each accessor
// returns the named element's own value, unless the element inherits the
// property or `automatic` asks for what "automatic" stands for; then:
//   plain accessors            the built-in value;
//   ...OrFormDefault           "CMN-DEFAULT"'s own value, then the built-in value;
//   ...OrHeader / ...OrFooter  with a header (footer) "CMN-HEADER" ("CMN-FOOTER"),
//                              then "CMN-DEFAULT", then the built-in value.
// `automatic` applies to the named element only. The automatic parameters are
// passed on for extensions. Lookups may materialise elements of the theme.
#define CMN_THEME_ACCESSOR(Type, Name)                                                                       \
    Type Name(CCmnTheme &theme, const CCmnTheme &defaultTheme, const QString &name,                        \
              const CCmnThemedFormBoxNames &names, const CCmnThemedFormAutoParams *params, bool automatic)

CMN_THEME_ACCESSOR(QColor, CmnThemeGetBorderColor);
CMN_THEME_ACCESSOR(QColor, CmnThemeGetFillColor);
CMN_THEME_ACCESSOR(CCmnFormBoxFillStyle, CmnThemeGetFillStyle);
CMN_THEME_ACCESSOR(CCmnFormBoxRectExtents, CmnThemeGetPadding);
CMN_THEME_ACCESSOR(CCmnFormBoxRectExtents, CmnThemeGetPaddingOrNone);
CMN_THEME_ACCESSOR(CCmnFormBoxBorderStyle, CmnThemeGetBorderStyle);
CMN_THEME_ACCESSOR(CCmnFormBoxBorderStyle, CmnThemeGetBorderStyleOrNone);
CMN_THEME_ACCESSOR(CCmnFormBoxTextAlign, CmnThemeGetTextAlign);
CMN_THEME_ACCESSOR(QColor, CmnThemeGetTextColor);
CMN_THEME_ACCESSOR(QString, CmnThemeGetTextFace);
CMN_THEME_ACCESSOR(QString, CmnThemeGetTextSize);
CMN_THEME_ACCESSOR(CCmnMetric, CmnThemeGetSingleExtent);
CMN_THEME_ACCESSOR(CCmnFormBoxPicturePos, CmnThemeGetPicturePos);

CMN_THEME_ACCESSOR(QColor, CmnThemeGetBorderColorOrFormDefault);
CMN_THEME_ACCESSOR(QColor, CmnThemeGetFillColorOrFormDefault);
CMN_THEME_ACCESSOR(CCmnFormBoxFillStyle, CmnThemeGetFillStyleOrFormDefault);
CMN_THEME_ACCESSOR(CCmnFormBoxRectExtents, CmnThemeGetPaddingOrFormDefault);
CMN_THEME_ACCESSOR(CCmnFormBoxTextAlign, CmnThemeGetTextAlignOrFormDefault);
CMN_THEME_ACCESSOR(QColor, CmnThemeGetTextColorOrFormDefault);
CMN_THEME_ACCESSOR(QString, CmnThemeGetTextFaceOrFormDefault);
CMN_THEME_ACCESSOR(QString, CmnThemeGetTextSizeOrFormDefault);
// The fallback scaled to 160 percent; the element's own size is never scaled.
CMN_THEME_ACCESSOR(QString, CmnThemeGetTextSizeOrScaledFormDefault);

CMN_THEME_ACCESSOR(QColor, CmnThemeGetBorderColorOrHeader);
CMN_THEME_ACCESSOR(QColor, CmnThemeGetFillColorOrHeader);
CMN_THEME_ACCESSOR(CCmnFormBoxFillStyle, CmnThemeGetFillStyleOrHeader);
CMN_THEME_ACCESSOR(CCmnFormBoxRectExtents, CmnThemeGetPaddingOrHeader);
CMN_THEME_ACCESSOR(CCmnFormBoxTextAlign, CmnThemeGetTextAlignOrHeader);
CMN_THEME_ACCESSOR(QColor, CmnThemeGetTextColorOrHeader);
CMN_THEME_ACCESSOR(QString, CmnThemeGetTextFaceOrHeader);
// The fallback scaled to 140, 160 and 80 percent: picture, title and details
// boxes of the header-bound forms.
CMN_THEME_ACCESSOR(QString, CmnThemeGetPicBoxTextSizeOrHeader);
CMN_THEME_ACCESSOR(QString, CmnThemeGetTitleTextSizeOrHeader);
CMN_THEME_ACCESSOR(QString, CmnThemeGetDetailsTextSizeOrHeader);
// "CMN-HEADER" only, never "CMN-DEFAULT".
CMN_THEME_ACCESSOR(CCmnFormBoxBorderStyle, CmnThemeGetBorderStyleOrHeader);

CMN_THEME_ACCESSOR(QColor, CmnThemeGetBorderColorOrFooter);
CMN_THEME_ACCESSOR(QColor, CmnThemeGetFillColorOrFooter);
CMN_THEME_ACCESSOR(CCmnFormBoxFillStyle, CmnThemeGetFillStyleOrFooter);
CMN_THEME_ACCESSOR(CCmnFormBoxRectExtents, CmnThemeGetPaddingOrFooter);
CMN_THEME_ACCESSOR(CCmnFormBoxTextAlign, CmnThemeGetTextAlignOrFooter);
CMN_THEME_ACCESSOR(QColor, CmnThemeGetTextColorOrFooter);
CMN_THEME_ACCESSOR(QString, CmnThemeGetTextFaceOrFooter);
CMN_THEME_ACCESSOR(QString, CmnThemeGetTextSizeOrFooter);
CMN_THEME_ACCESSOR(CCmnFormBoxBorderStyle, CmnThemeGetBorderStyleOrFooter);

#undef CMN_THEME_ACCESSOR

// An accessor as a value.
template <typename T>
using TCmnThemeAccessorFn = T (*)(CCmnTheme &, const CCmnTheme &, const QString &, const CCmnThemedFormBoxNames &,
                                  const CCmnThemedFormAutoParams *, bool);

// The accessors that style one kind of box, in the order its grab sets them on
// the box. The box's property dialog shows the same accessors, so that
// "Automatic" shows what the box would get. A box without a picture has no
// picture position.
struct CCmnThemedFormBoxLayoutAccessors
{
    TCmnThemeAccessorFn<CCmnFormBoxRectExtents> m_Padding;
    TCmnThemeAccessorFn<QColor> m_BorderColor;
    TCmnThemeAccessorFn<CCmnFormBoxBorderStyle> m_BorderStyle;
    TCmnThemeAccessorFn<QColor> m_FillColor;
    TCmnThemeAccessorFn<CCmnFormBoxFillStyle> m_FillStyle;
    TCmnThemeAccessorFn<QString> m_TextFace;
    TCmnThemeAccessorFn<QString> m_TextSize;
    TCmnThemeAccessorFn<QColor> m_TextColor;
    TCmnThemeAccessorFn<CCmnFormBoxTextAlign> m_TextAlign;
    TCmnThemeAccessorFn<CCmnFormBoxPicturePos> m_PicturePos;
};

// Four lengths of 0.1 inch.
const CCmnFormBoxRectExtents &CmnDefaultPadding();
// ";11;"
QString CmnDefaultTextSize();
