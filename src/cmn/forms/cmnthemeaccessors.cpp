#include "cmnthemeaccessors.h"

#include "cmnformbox.h"
#include "cmntheme.h"
#include "cmnthemedformboxgenericlayoutelt.h"
#include "cmnthemedformboxnames.h"

namespace {

using CLayout = CCmnThemedFormBoxGenericLayout;
template <typename T>
using TMember = TCmnThemeProperty<T> CLayout::*;

constexpr qint32 kTitlePercent = 160;
constexpr qint32 kDetailsPercent = 80;
constexpr qint32 kPictureBoxPercent = 140;

// What every lookup carries along.
struct CLookup
{
    CCmnTheme &m_Theme;
    const CCmnTheme &m_Default;
    const CCmnThemedFormBoxNames &m_Names;
};

// The element's own value, unless it inherits or automatic passes over it;
// else what the fallback gives.
template <typename T, typename TFallback>
T OwnOr(const CLookup &lookup, const QString &name, TMember<T> member, bool automatic, TFallback fallback)
{
    if (!automatic) {
        const CCmnThemeElt *element = lookup.m_Theme.GetElt(name, lookup.m_Default);
        const CLayout *layout = element ? element->GenericLayout() : nullptr;
        if (layout && !(layout->*member).m_Inherit)
            return (layout->*member).m_Value;
    }
    return fallback();
}

template <typename T>
T Plain(const CLookup &lookup, const QString &name, TMember<T> member, bool automatic, const T &builtIn)
{
    return OwnOr(lookup, name, member, automatic, [&] { return builtIn; });
}

template <typename T>
T OrFormDefault(const CLookup &lookup, const QString &name, TMember<T> member, bool automatic, const T &builtIn)
{
    return OwnOr(lookup, name, member, automatic,
                 [&] { return Plain(lookup, kCmnFormDefault, member, false, builtIn); });
}

// The part's element (when the form has that part) then the form defaults.
template <typename T>
T OrPart(const CLookup &lookup, bool hasPart, const QString &part, const QString &name, TMember<T> member,
         bool automatic, const T &builtIn)
{
    return OwnOr(lookup, name, member, automatic,
                 [&] { return OrFormDefault(lookup, hasPart ? part : kCmnFormDefault, member, false, builtIn); });
}

const QColor kBlack(Qt::black);
const QColor kTransparent(Qt::transparent);
const CCmnFormBoxFillStyle kNoFill;
const CCmnFormBoxTextAlign kCentred;
const CCmnFormBoxRectExtents kNoPadding;
const CCmnFormBoxBorderStyle kNoBorder;
const CCmnFormBoxBorderStyle kThinRoundedBorder{CCmnMetric(0, 0.01), 2, Qt::SolidLine};
const CCmnFormBoxPicturePos kBleedPicture{CCmnMetric(), 3, 0, 100};
const CCmnMetric kFormGap(0, 0.15);

} // namespace

const CCmnFormBoxRectExtents &CmnDefaultPadding()
{
    static const CCmnFormBoxRectExtents padding{CCmnMetric(0, 0.1), CCmnMetric(0, 0.1), CCmnMetric(0, 0.1),
                                                CCmnMetric(0, 0.1)};
    return padding;
}

QString CmnDefaultTextSize()
{
    return QStringLiteral(";11;");
}

#define CMN_THEME_ACCESSOR_ARGS                                                                             \
    CCmnTheme &theme, const CCmnTheme &defaultTheme, const QString &name, const CCmnThemedFormBoxNames &names, \
        const CCmnThemedFormAutoParams *, bool automatic
#define CMN_LOOKUP CLookup{theme, defaultTheme, names}

QColor CmnThemeGetBorderColor(CMN_THEME_ACCESSOR_ARGS)
{
    return Plain(CMN_LOOKUP, name, &CLayout::m_BorderColor, automatic, kBlack);
}
QColor CmnThemeGetFillColor(CMN_THEME_ACCESSOR_ARGS)
{
    return Plain(CMN_LOOKUP, name, &CLayout::m_FillColor, automatic, kTransparent);
}
CCmnFormBoxFillStyle CmnThemeGetFillStyle(CMN_THEME_ACCESSOR_ARGS)
{
    return Plain(CMN_LOOKUP, name, &CLayout::m_FillStyle, automatic, kNoFill);
}
CCmnFormBoxRectExtents CmnThemeGetPadding(CMN_THEME_ACCESSOR_ARGS)
{
    return Plain(CMN_LOOKUP, name, &CLayout::m_Padding, automatic, CmnDefaultPadding());
}
CCmnFormBoxRectExtents CmnThemeGetPaddingOrNone(CMN_THEME_ACCESSOR_ARGS)
{
    return Plain(CMN_LOOKUP, name, &CLayout::m_Padding, automatic, kNoPadding);
}
CCmnFormBoxBorderStyle CmnThemeGetBorderStyle(CMN_THEME_ACCESSOR_ARGS)
{
    return Plain(CMN_LOOKUP, name, &CLayout::m_BorderStyle, automatic, kThinRoundedBorder);
}
CCmnFormBoxBorderStyle CmnThemeGetBorderStyleOrNone(CMN_THEME_ACCESSOR_ARGS)
{
    return Plain(CMN_LOOKUP, name, &CLayout::m_BorderStyle, automatic, kNoBorder);
}
CCmnFormBoxTextAlign CmnThemeGetTextAlign(CMN_THEME_ACCESSOR_ARGS)
{
    return Plain(CMN_LOOKUP, name, &CLayout::m_TextAlign, automatic, kCentred);
}
QColor CmnThemeGetTextColor(CMN_THEME_ACCESSOR_ARGS)
{
    return Plain(CMN_LOOKUP, name, &CLayout::m_TextColor, automatic, kBlack);
}
QString CmnThemeGetTextFace(CMN_THEME_ACCESSOR_ARGS)
{
    return Plain(CMN_LOOKUP, name, &CLayout::m_TextFace, automatic, QString());
}
QString CmnThemeGetTextSize(CMN_THEME_ACCESSOR_ARGS)
{
    return Plain(CMN_LOOKUP, name, &CLayout::m_TextSize, automatic, CmnDefaultTextSize());
}
CCmnMetric CmnThemeGetSingleExtent(CMN_THEME_ACCESSOR_ARGS)
{
    return Plain(CMN_LOOKUP, name, &CLayout::m_SingleExtent, automatic, kFormGap);
}
CCmnFormBoxPicturePos CmnThemeGetPicturePos(CMN_THEME_ACCESSOR_ARGS)
{
    return Plain(CMN_LOOKUP, name, &CLayout::m_PicturePos, automatic, kBleedPicture);
}

QColor CmnThemeGetBorderColorOrFormDefault(CMN_THEME_ACCESSOR_ARGS)
{
    return OrFormDefault(CMN_LOOKUP, name, &CLayout::m_BorderColor, automatic, kBlack);
}
QColor CmnThemeGetFillColorOrFormDefault(CMN_THEME_ACCESSOR_ARGS)
{
    return OrFormDefault(CMN_LOOKUP, name, &CLayout::m_FillColor, automatic, kTransparent);
}
CCmnFormBoxFillStyle CmnThemeGetFillStyleOrFormDefault(CMN_THEME_ACCESSOR_ARGS)
{
    return OrFormDefault(CMN_LOOKUP, name, &CLayout::m_FillStyle, automatic, kNoFill);
}
CCmnFormBoxRectExtents CmnThemeGetPaddingOrFormDefault(CMN_THEME_ACCESSOR_ARGS)
{
    return OrFormDefault(CMN_LOOKUP, name, &CLayout::m_Padding, automatic, CmnDefaultPadding());
}
CCmnFormBoxTextAlign CmnThemeGetTextAlignOrFormDefault(CMN_THEME_ACCESSOR_ARGS)
{
    return OrFormDefault(CMN_LOOKUP, name, &CLayout::m_TextAlign, automatic, kCentred);
}
QColor CmnThemeGetTextColorOrFormDefault(CMN_THEME_ACCESSOR_ARGS)
{
    return OrFormDefault(CMN_LOOKUP, name, &CLayout::m_TextColor, automatic, kBlack);
}
QString CmnThemeGetTextFaceOrFormDefault(CMN_THEME_ACCESSOR_ARGS)
{
    return OrFormDefault(CMN_LOOKUP, name, &CLayout::m_TextFace, automatic, QString());
}
QString CmnThemeGetTextSizeOrFormDefault(CMN_THEME_ACCESSOR_ARGS)
{
    return OrFormDefault(CMN_LOOKUP, name, &CLayout::m_TextSize, automatic, CmnDefaultTextSize());
}
QString CmnThemeGetTextSizeOrScaledFormDefault(CMN_THEME_ACCESSOR_ARGS)
{
    const CLookup lookup = CMN_LOOKUP;
    return OwnOr(lookup, name, &CLayout::m_TextSize, automatic, [&] {
        return CmnScaleFontSize(Plain(lookup, kCmnFormDefault, &CLayout::m_TextSize, false, CmnDefaultTextSize()),
                                kTitlePercent);
    });
}

#define CMN_PART_ACCESSORS(Part, HasPart, PartName)                                                         \
    QColor CmnThemeGetBorderColorOr##Part(CMN_THEME_ACCESSOR_ARGS)                                          \
    {                                                                                                       \
        return OrPart(CMN_LOOKUP, names.HasPart, PartName, name, &CLayout::m_BorderColor, automatic, kBlack); \
    }                                                                                                       \
    QColor CmnThemeGetFillColorOr##Part(CMN_THEME_ACCESSOR_ARGS)                                            \
    {                                                                                                       \
        return OrPart(CMN_LOOKUP, names.HasPart, PartName, name, &CLayout::m_FillColor, automatic, kTransparent); \
    }                                                                                                       \
    CCmnFormBoxFillStyle CmnThemeGetFillStyleOr##Part(CMN_THEME_ACCESSOR_ARGS)                              \
    {                                                                                                       \
        return OrPart(CMN_LOOKUP, names.HasPart, PartName, name, &CLayout::m_FillStyle, automatic, kNoFill); \
    }                                                                                                       \
    CCmnFormBoxRectExtents CmnThemeGetPaddingOr##Part(CMN_THEME_ACCESSOR_ARGS)                              \
    {                                                                                                       \
        return OrPart(CMN_LOOKUP, names.HasPart, PartName, name, &CLayout::m_Padding, automatic,           \
                      CmnDefaultPadding());                                                                 \
    }                                                                                                       \
    CCmnFormBoxTextAlign CmnThemeGetTextAlignOr##Part(CMN_THEME_ACCESSOR_ARGS)                              \
    {                                                                                                       \
        return OrPart(CMN_LOOKUP, names.HasPart, PartName, name, &CLayout::m_TextAlign, automatic, kCentred); \
    }                                                                                                       \
    QColor CmnThemeGetTextColorOr##Part(CMN_THEME_ACCESSOR_ARGS)                                            \
    {                                                                                                       \
        return OrPart(CMN_LOOKUP, names.HasPart, PartName, name, &CLayout::m_TextColor, automatic, kBlack); \
    }                                                                                                       \
    QString CmnThemeGetTextFaceOr##Part(CMN_THEME_ACCESSOR_ARGS)                                            \
    {                                                                                                       \
        return OrPart(CMN_LOOKUP, names.HasPart, PartName, name, &CLayout::m_TextFace, automatic, QString()); \
    }                                                                                                       \
    CCmnFormBoxBorderStyle CmnThemeGetBorderStyleOr##Part(CMN_THEME_ACCESSOR_ARGS)                          \
    {                                                                                                       \
        const CLookup lookup = CMN_LOOKUP;                                                                  \
        return OwnOr(lookup, name, &CLayout::m_BorderStyle, automatic, [&] {                                \
            return names.HasPart ? Plain(lookup, PartName, &CLayout::m_BorderStyle, false, kThinRoundedBorder) \
                                 : kThinRoundedBorder;                                                      \
        });                                                                                                 \
    }                                                                                                       \
    static QString Part##ScaledTextSize(CMN_THEME_ACCESSOR_ARGS, qint32 percent)                          \
    {                                                                                                       \
        const CLookup lookup = CMN_LOOKUP;                                                                  \
        return OwnOr(lookup, name, &CLayout::m_TextSize, automatic, [&] {                                   \
            return CmnScaleFontSize(OrFormDefault(lookup, names.HasPart ? PartName : kCmnFormDefault,          \
                                                  &CLayout::m_TextSize, false, CmnDefaultTextSize()),       \
                                    percent);                                                               \
        });                                                                                                 \
    }

CMN_PART_ACCESSORS(Header, m_HasHeader, kCmnHeader)
CMN_PART_ACCESSORS(Footer, m_HasFooter, kCmnFooter)

QString CmnThemeGetPicBoxTextSizeOrHeader(CMN_THEME_ACCESSOR_ARGS)
{
    return HeaderScaledTextSize(theme, defaultTheme, name, names, nullptr, automatic, kPictureBoxPercent);
}

QString CmnThemeGetTitleTextSizeOrHeader(CMN_THEME_ACCESSOR_ARGS)
{
    return HeaderScaledTextSize(theme, defaultTheme, name, names, nullptr, automatic, kTitlePercent);
}

QString CmnThemeGetDetailsTextSizeOrHeader(CMN_THEME_ACCESSOR_ARGS)
{
    return HeaderScaledTextSize(theme, defaultTheme, name, names, nullptr, automatic, kDetailsPercent);
}

QString CmnThemeGetTextSizeOrFooter(CMN_THEME_ACCESSOR_ARGS)
{
    return FooterScaledTextSize(theme, defaultTheme, name, names, nullptr, automatic, kPictureBoxPercent);
}
