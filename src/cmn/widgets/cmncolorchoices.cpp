#include "cmncolorchoices.h"

namespace {

struct CNamedColor
{
    const char *m_Name;
    const char *m_Code;
};

// In display order.
constexpr CNamedColor kBasicColors[] = {
    {"Aqua", "#00FFFF"},   {"Black", "#000000"}, {"Blue", "#0000FF"},   {"Fuchsia", "#FF00FF"},
    {"Gray", "#808080"},   {"Green", "#008000"}, {"Lime", "#00FF00"},   {"Maroon", "#800000"},
    {"Navy", "#000080"},   {"Olive", "#808000"}, {"Orange", "#FFA500"}, {"Purple", "#800080"},
    {"Red", "#FF0000"},    {"Silver", "#C0C0C0"}, {"Teal", "#008080"},  {"White", "#FFFFFF"},
    {"Yellow", "#FFFF00"},
};

// Each tint is named by its own code. The table repeats a few codes; it is kept
// as it is, since the popup's layout follows from its length.
constexpr const char *kPaleTints[] = {
    "#FEECEC", "#FEEEFB", "#FEECF5", "#FEEEFD", "#FCF2FF", "#F9ECFF", "#F0ECFF", "#FEECFF",
    "#F3D2F4", "#F8EEFF", "#F4EEFD", "#EEEDFC", "#E9F1FB", "#DAF0F7", "#EDEEFF", "#EBF4FF",
    "#F8FDFF", "#E5FCFF", "#F1FFFE", "#CEFEF0", "#E9FFEF", "#E2FBE9", "#F2F8F4", "#F0FEED",
    "#E6FFDF", "#F1FFEA", "#FEFFE3", "#FBFCE9", "#FAFBE8", "#FEFBDF", "#FEFAEA", "#FEF9EA",
    "#FEF7E6", "#FEF4EA", "#FEF1E6", "#F4F5E2", "#F8F5EC", "#F8F3EC", "#F8EFEC", "#F4E8E2",
    "#F9F2EF", "#F7F1F1", "#FEEAEA", "#F9E7EC", "#FEE3FF", "#F7E9FC", "#EDEEFF", "#EEF9FC",
    "#F1F9F8", "#FEF2F2", "#FEFEFB", "#FEF9FC", "#FEF9FE", "#FEFDFF", "#FCF9FF", "#FAF9FF",
    "#FEF9FF", "#FCF9FD", "#FDFDFF", "#FDFDFF", "#F6F5FE", "#F7FBFE", "#E9F7FB", "#F8F9FF",
    "#F8FCFF", "#FCFEFF", "#F8FEFF", "#FCFFFF", "#F6FFFD", "#F8FFFB", "#F9FEFB", "#FAFDFB",
    "#FCFFFD", "#F4FFF2", "#F9FFF7", "#FEFFFD", "#FCFDF0", "#FDFEFA", "#FEFEF7", "#FEFDF7",
    "#FEFDF9", "#FEFDF9", "#FEFEFD", "#FEF9F4", "#FCFDF9", "#FCFCF9", "#FBF9F5", "#FCFAF9",
    "#FCFAF9", "#FBF7F5", "#FCFBFB", "#FEFDFD", "#FDFAFB", "#FEFDFF", "#FEFFFF", "#FCFDFF",
    "#F9FDFE", "#F6FBFA",
};

void AddBasicColors(TCmnItemChoices<QColor> &choices)
{
    for (const CNamedColor &colour : kBasicColors)
        choices.AddNamedChoice(QColor(QLatin1String(colour.m_Code)), QLatin1String(colour.m_Name));
}

} // namespace

TCmnItemChoices<QColor> *CmnGetBasicColors()
{
    static TCmnItemChoices<QColor> choices(false, -1, QColor(Qt::black));
    if (choices.NamedChoices().isEmpty())
        AddBasicColors(choices);
    return &choices;
}

TCmnItemChoices<QColor> *CmnGetPaleAndBasicColors()
{
    static TCmnItemChoices<QColor> choices(false, -1, QColor(Qt::black));
    if (choices.NamedChoices().isEmpty()) {
        for (const char *code : kPaleTints)
            choices.AddNamedChoice(QColor(QLatin1String(code)), QLatin1String(code));
        AddBasicColors(choices);
    }
    return &choices;
}
