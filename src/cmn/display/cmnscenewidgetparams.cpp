#include "cmnscenewidgetparams.h"

#include <QCoreApplication>

namespace {

struct CDefaultText
{
    const char *m_Text;
    bool m_LowerCaseName;
};

// In the order of the positions; the icons are base names of tool-button images.
constexpr CDefaultText kDefaults[CCmnSceneWidgetParams::TextCount] = {
    {"", false},
    {"", false},
    {QT_TRANSLATE_NOOP("CCmnSceneWidget", "Export %1"), false},
    {":/cmn/toolbuttons/floppydisk", false},
    {QT_TRANSLATE_NOOP("CCmnSceneWidget", "Export the %1 e.g. as a PDF file"), true},
    {QT_TRANSLATE_NOOP("CCmnSceneWidget", "Export %1 As PDF"), false},
    {":/cmn/toolbuttons/exportpdf", false},
    {QT_TRANSLATE_NOOP("CCmnSceneWidget", "Export the %1 as a PDF file"), true},
    {QT_TRANSLATE_NOOP("CCmnSceneWidget", "Export %1 As Image"), false},
    {":/cmn/toolbuttons/exportjpg", false},
    {QT_TRANSLATE_NOOP("CCmnSceneWidget", "Export the %1 as an image file e.g. JPEG"), true},
    {QT_TRANSLATE_NOOP("CCmnSceneWidget", "Print the %1"), true},
    {QT_TRANSLATE_NOOP("CCmnSceneWidget", "Print %1"), false},
    {":/cmn/toolbuttons/print", false},
    {QT_TRANSLATE_NOOP("CCmnSceneWidget", "Print preview the %1"), true},
    {QT_TRANSLATE_NOOP("CCmnSceneWidget", "Print Preview %1"), false},
    {":/cmn/toolbuttons/printpreview", false},
    {QT_TRANSLATE_NOOP("CCmnSceneWidget", "Print %1"), false},
    {QT_TRANSLATE_NOOP("CCmnSceneWidget", "Landscape"), false},
    {":/cmn/toolbuttons/layout-landscape", false},
    {QT_TRANSLATE_NOOP("CCmnSceneWidget", "Portrait"), false},
    {":/cmn/toolbuttons/layout-portrait", false},
    {QT_TRANSLATE_NOOP("CCmnSceneWidget", "Margins"), false},
    {":/cmn/toolbuttons/margins", false},
    {QT_TRANSLATE_NOOP("CCmnSceneWidget", "Fit Width"), false},
    {":/cmn/toolbuttons/fit-width", false},
    {QT_TRANSLATE_NOOP("CCmnSceneWidget", "Fit Page"), false},
    {":/cmn/toolbuttons/fit-page", false},
    {QT_TRANSLATE_NOOP("CCmnSceneWidget", "Zoom In"), false},
    {":/cmn/toolbuttons/zoom-in", false},
    {QT_TRANSLATE_NOOP("CCmnSceneWidget", "Zoom Out"), false},
    {":/cmn/toolbuttons/zoom-out", false},
};

} // namespace

QString CCmnSceneWidgetParams::Text(int index, const QString &contentName) const
{
    if (index < 0 || index >= TextCount)
        return QString();
    if (!m_Texts.at(index).isEmpty())
        return m_Texts.at(index);
    const CDefaultText &fallback = kDefaults[index];
    const QString text = QCoreApplication::translate("CCmnSceneWidget", fallback.m_Text);
    if (!text.contains(QLatin1String("%1")))
        return text;
    return text.arg(fallback.m_LowerCaseName ? contentName.toLower() : contentName);
}
