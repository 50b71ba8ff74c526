#include "cmnpixmapchoices.h"

namespace {

const char *const kColourWords[] = {"blue", "green", "grey", "orange", "purple", "red"};

// The grey entries of the first two shapes are spelt "Grey", every other one
// "Gray".
struct CShape
{
    const char *m_FileWord;
    const char *m_Size;
    const char *m_Label;
    const char *m_GreyWord;
};

constexpr CShape kShapes[] = {
    {"block", "16x16", "Square", "Grey"}, {"bullet", "9x9", "Bullet", "Grey"},
    {"label", "14x14", "Label", "Gray"},  {"marker", "13x13", "Marker", "Gray"},
    {"plus", "16x16", "Plus", "Gray"},    {"minus", "16x6", "Minus", "Gray"},
    {"star", "14x14", "Star", "Gray"},    {"paw", "15x14", "Paw", "Gray"},
    {"target", "14x14", "Target", "Gray"},
};

struct CArrow
{
    const char *m_FileWord;
    const char *m_Size;
    const char *m_Direction;
};

constexpr CArrow kArrows[] = {
    {"uparrow", "11x6", "Up"},
    {"downarrow", "11x6", "Down"},
    {"leftarrow", "6x11", "Left"},
    {"rightarrow", "6x11", "Right"},
};

struct CImage
{
    const char *m_FileName;
    const char *m_Label;
};

constexpr CImage kOtherImages[] = {
    {"green-tick-12x12.png", "Tick"},
    {"red-cross-12x12.png", "Cross"},
    {"information-10x9.png", "Info"},
    {"rainbow-14x14.png", "Rainbow"},
    {"smiley-12x12.png", "Smiley"},
    {"unhappy-12x12.png", "Unhappy"},
    {"stopsign-16x16.png", "Stop!"},
    {"thumbsdown-14x15.png", "Thumbs Down"},
    {"thumbsup-14x15.png", "Thumbs Up"},
};

QString Capitalised(const QString &word)
{
    return word.left(1).toUpper() + word.mid(1);
}

QString ColourLabel(const QString &colour, const char *greyWord)
{
    return colour == QLatin1String("grey") ? QLatin1String(greyWord) : Capitalised(colour);
}

void AddImage(TCmnItemChoices<QString> &choices, const QString &fileName, const QString &label)
{
    choices.AddNamedChoice(QStringLiteral(":/cmn/pixmaps/") + fileName, label);
}

void FillPixmapChoices(TCmnItemChoices<QString> &choices)
{
    for (const CShape &shape : kShapes) {
        for (const char *colourWord : kColourWords) {
            const QString colour = QLatin1String(colourWord);
            AddImage(choices,
                     QStringLiteral("%1-%2-%3.png")
                         .arg(colour, QLatin1String(shape.m_FileWord), QLatin1String(shape.m_Size)),
                     ColourLabel(colour, shape.m_GreyWord) + QLatin1Char(' ')
                         + QLatin1String(shape.m_Label));
        }
    }
    for (const char *colourWord : kColourWords) {
        const QString colour = QLatin1String(colourWord);
        for (const CArrow &arrow : kArrows) {
            AddImage(choices,
                     QStringLiteral("%1-%2-%3.png")
                         .arg(colour, QLatin1String(arrow.m_FileWord), QLatin1String(arrow.m_Size)),
                     ColourLabel(colour, "Gray") + QStringLiteral(" Arrow ")
                         + QLatin1String(arrow.m_Direction));
        }
    }
    for (const CImage &image : kOtherImages)
        AddImage(choices, QLatin1String(image.m_FileName), QLatin1String(image.m_Label));
}

} // namespace

TCmnItemChoices<QString> *CmnGetPixmapChoices()
{
    static TCmnItemChoices<QString> choices(false, -1, QStringLiteral(":/cmn/pixmaps/blue-bullet-9x9.png"));
    if (choices.NamedChoices().isEmpty()) {
        FillPixmapChoices(choices);
        choices.SetNoCustom(true);
    }
    return &choices;
}
