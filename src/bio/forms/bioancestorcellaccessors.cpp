#include "bioancestorcellaccessors.h"

#include "biothemedformwithancestrypanelscelllayout.h"
#include "cmntheme.h"
#include "cmnthemeaccessors.h"

#include <algorithm>
#include <initializer_list>
#include <optional>

namespace {

using CLayout = CCmnThemedFormBoxGenericLayout;
template <typename T>
using TMember = TCmnThemeProperty<T> CLayout::*;

const CCmnFormBoxPicturePos kNoPicture{CCmnMetric(), 0, 0, 100};
const CCmnMetric kBuiltInGap(0, 0.15);

// The three levels of a chart's cell layout element; each null when absent.
struct CLevels
{
    const CLayout *m_Generation = nullptr;
    const CLayout *m_Size = nullptr;
    const CLayout *m_Default = nullptr;
};

CLevels Levels(CCmnTheme &theme, const CCmnTheme &defaultTheme, const QString &name, qint32 n, qint32 g)
{
    CLevels levels;
    if (const CCmnThemeElt *element = theme.GetElt(name, defaultTheme)) {
        levels.m_Default = element->GenericLayout();
        if (const auto *cells = dynamic_cast<const CBioThemedFormWithAncestryPanelsCellLayoutElt *>(element)) {
            levels.m_Size = cells->m_Payload.SizeLayout(n);
            levels.m_Generation = cells->m_Payload.GenLayout(n, g);
        }
    }
    return levels;
}

template <typename T>
std::optional<T> FirstOwn(std::initializer_list<const CLayout *> levels, TMember<T> member)
{
    for (const CLayout *level : levels) {
        if (level && !(level->*member).m_Inherit)
            return (level->*member).m_Value;
    }
    return std::nullopt;
}

const CLayout *Unless(bool skip, const CLayout *level)
{
    return skip ? nullptr : level;
}

// The padding and gap of the smaller charts shrink with each generation added.
double PaddingFactor(qint32 n)
{
    return (7 - n) * 0.6 / 6;
}
double GapFactor(qint32 n)
{
    return (7 - n) * 0.4 / 6;
}

} // namespace

#define BIO_CELL_SIZE_ARGS                                                                                   \
    CCmnTheme &theme, const CCmnTheme &defaultTheme, const QString &name, const CCmnThemedFormBoxNames &names, \
        const CCmnThemedFormAutoParams *params, qint32 n, bool automatic
#define BIO_CELL_ARGS                                                                                        \
    CCmnTheme &theme, const CCmnTheme &defaultTheme, const QString &name, const CCmnThemedFormBoxNames &names, \
        const CCmnThemedFormAutoParams *params, qint32 n, qint32 g, bool automatic
#define BIO_LEVELS(g) const CLevels levels = Levels(theme, defaultTheme, name, n, g)
#define BIO_FORM_DEFAULT(accessor) accessor(theme, defaultTheme, kCmnFormDefault, names, params, false)

// The size level, else the element's default level through the look-up the
// cell defaults dialog shows, which falls back on "CMN-DEFAULT" where it says so.
#define BIO_SIZE_OR_DEFAULT_LEVEL(member, defaultLevel)                                                      \
    BIO_LEVELS(0);                                                                                           \
    return FirstOwn({Unless(automatic, levels.m_Size)}, &CLayout::member)                                   \
        .value_or(defaultLevel(theme, defaultTheme, name, names, params, false))

QString BioCellSizeLayoutGetTextFace(BIO_CELL_SIZE_ARGS)
{
    BIO_SIZE_OR_DEFAULT_LEVEL(m_TextFace, CmnThemeGetTextFaceOrFormDefault);
}

QString BioCellSizeLayoutGetTextSize(BIO_CELL_SIZE_ARGS)
{
    BIO_SIZE_OR_DEFAULT_LEVEL(m_TextSize, CmnThemeGetTextSizeOrFormDefault);
}

CCmnFormBoxBorderStyle BioCellSizeLayoutGetBorderStyle(BIO_CELL_SIZE_ARGS)
{
    BIO_SIZE_OR_DEFAULT_LEVEL(m_BorderStyle, CmnThemeGetBorderStyle);
}

CCmnFormBoxTextAlign BioCellSizeLayoutGetTextAlign(BIO_CELL_SIZE_ARGS)
{
    BIO_SIZE_OR_DEFAULT_LEVEL(m_TextAlign, CmnThemeGetTextAlign);
}

QColor BioCellSizeLayoutGetBorderColor(BIO_CELL_SIZE_ARGS)
{
    BIO_SIZE_OR_DEFAULT_LEVEL(m_BorderColor, CmnThemeGetBorderColorOrFormDefault);
}

QColor BioCellSizeLayoutGetFillColor(BIO_CELL_SIZE_ARGS)
{
    BIO_SIZE_OR_DEFAULT_LEVEL(m_FillColor, CmnThemeGetFillColorOrFormDefault);
}

CCmnFormBoxFillStyle BioCellSizeLayoutGetFillStyle(BIO_CELL_SIZE_ARGS)
{
    BIO_SIZE_OR_DEFAULT_LEVEL(m_FillStyle, CmnThemeGetFillStyleOrFormDefault);
}

QColor BioCellSizeLayoutGetTextColor(BIO_CELL_SIZE_ARGS)
{
    BIO_SIZE_OR_DEFAULT_LEVEL(m_TextColor, CmnThemeGetTextColorOrFormDefault);
}

CCmnFormBoxPicturePos BioCellSizeLayoutGetPicturePos(BIO_CELL_SIZE_ARGS)
{
    Q_UNUSED(names);
    Q_UNUSED(params);
    BIO_LEVELS(0);
    return FirstOwn({Unless(automatic, levels.m_Size)}, &CLayout::m_PicturePos).value_or(kNoPicture);
}

CCmnMetric BioCellSizeLayoutGetBoxGap(BIO_CELL_SIZE_ARGS)
{
    if (!automatic) {
        BIO_LEVELS(0);
        if (const auto own = FirstOwn({levels.m_Size}, &CLayout::m_SingleExtent))
            return *own;
    }
    const CCmnMetric gap = automatic ? kBuiltInGap : BIO_FORM_DEFAULT(CmnThemeGetSingleExtent);
    return gap.Scaled(GapFactor(std::clamp(n, 1, kBioCellChartSizes)));
}

CCmnFormBoxRectExtents BioCellLayoutGetPadding(BIO_CELL_ARGS)
{
    BIO_LEVELS(g);
    if (const auto own = FirstOwn({Unless(automatic, levels.m_Generation)}, &CLayout::m_Padding))
        return *own;
    const double factor = PaddingFactor(std::clamp(n, 1, kBioCellChartSizes));
    const CCmnFormBoxRectExtents padding = BIO_FORM_DEFAULT(CmnThemeGetPadding);
    return {padding.m_Left.Scaled(factor), padding.m_Top.Scaled(factor), padding.m_Right.Scaled(factor),
            padding.m_Bottom.Scaled(factor)};
}

QColor BioCellLayoutGetBorderColor(BIO_CELL_ARGS)
{
    BIO_LEVELS(g);
    if (const auto own = FirstOwn({Unless(automatic, levels.m_Generation)}, &CLayout::m_BorderColor))
        return *own;
    return BioCellSizeLayoutGetBorderColor(theme, defaultTheme, name, names, params, n, false);
}

CCmnFormBoxBorderStyle BioCellLayoutGetBorderStyle(BIO_CELL_ARGS)
{
    BIO_LEVELS(g);
    if (const auto own = FirstOwn({Unless(automatic, levels.m_Generation)}, &CLayout::m_BorderStyle))
        return *own;
    return BioCellSizeLayoutGetBorderStyle(theme, defaultTheme, name, names, params, n, false);
}

QColor BioCellLayoutGetFillColor(BIO_CELL_ARGS)
{
    BIO_LEVELS(g);
    if (const auto own = FirstOwn({Unless(automatic, levels.m_Generation)}, &CLayout::m_FillColor))
        return *own;
    return BioCellSizeLayoutGetFillColor(theme, defaultTheme, name, names, params, n, false);
}

CCmnFormBoxFillStyle BioCellLayoutGetFillStyle(BIO_CELL_ARGS)
{
    BIO_LEVELS(g);
    if (const auto own = FirstOwn({Unless(automatic, levels.m_Generation)}, &CLayout::m_FillStyle))
        return *own;
    return BioCellSizeLayoutGetFillStyle(theme, defaultTheme, name, names, params, n, false);
}

QColor BioCellLayoutGetTextColor(BIO_CELL_ARGS)
{
    BIO_LEVELS(g);
    if (const auto own = FirstOwn({Unless(automatic, levels.m_Generation)}, &CLayout::m_TextColor))
        return *own;
    return BioCellSizeLayoutGetTextColor(theme, defaultTheme, name, names, params, n, false);
}

CCmnFormBoxTextAlign BioCellLayoutGetTextAlign(BIO_CELL_ARGS)
{
    BIO_LEVELS(g);
    if (const auto own = FirstOwn({Unless(automatic, levels.m_Generation)}, &CLayout::m_TextAlign))
        return *own;
    return BioCellSizeLayoutGetTextAlign(theme, defaultTheme, name, names, params, n, false);
}

CCmnFormBoxPicturePos BioCellLayoutGetPicturePos(BIO_CELL_ARGS)
{
    BIO_LEVELS(g);
    if (const auto own = FirstOwn({Unless(automatic, levels.m_Generation)}, &CLayout::m_PicturePos))
        return *own;
    return BioCellSizeLayoutGetPicturePos(theme, defaultTheme, name, names, params, n, false);
}

double BioCellLayoutGetTextScale(BIO_CELL_ARGS)
{
    Q_UNUSED(names);
    Q_UNUSED(params);
    BIO_LEVELS(g);
    return FirstOwn({Unless(automatic, levels.m_Generation)}, &CLayout::m_TextScale)
        .value_or(BioAncestorCellAutoTextScale(n, g));
}

double BioAncestorCellAutoTextScale(qint32 n, qint32 g)
{
    if (n <= 1)
        return 0.0;
    const double first = 0.22 * std::max(6 - n, 0);
    const double last = 0.5 / std::max(n - 2, 1) - 0.5;
    return last + (n - 1 - g) * (first - last) / (n - 1);
}
