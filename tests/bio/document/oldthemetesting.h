#pragma once

#include "cmndatastream.h"
#include "cmntheme.h"
#include "cmnthemedformboxgenericdataelt.h"
#include "cmnthemedformboxgenericlayoutelt.h"

#include <QColor>
#include <QDataStream>

#include "oldthemesetwriter.h"

// Stored themes of earlier releases as tests write them, and look-ups into
// the converted themes.

inline QByteArray OldThemePayloadBytes(const CCmnThemeElt &element)
{
    return CmnStreamBytes([&](QDataStream &out) { element.Write(out); });
}

inline QPair<QString, QByteArray> OldThemeDataEntry(const QString &name, const QString &text)
{
    CCmnThemedFormBoxGenericDataElt element(name);
    element.m_Payload.SetText(text, false);
    return {name, OldThemePayloadBytes(element)};
}

// The header logo as a breeder styled it: a face of their own, the template's
// size kept, and red text.
inline QPair<QString, QByteArray> OldThemeLogoEntry()
{
    CCmnThemedFormBoxGenericLayoutElt element(QStringLiteral("BIO-REGRECORD-LEFTHEADERORNAMENT-LAYOUT"));
    element.m_Payload.m_TextFace = {false, QStringLiteral("Serif;;")};
    element.m_Payload.m_TextSize = {false, QStringLiteral(";24;")};
    element.m_Payload.m_TextColor = {false, QColor(Qt::red)};
    return {element.Name(), OldThemePayloadBytes(element)};
}

// A stored theme with a renamed, restyled element, an edited pedigree title,
// the two trial-mating ornaments earlier releases wrote and an entry nothing knows.
inline CTestOldTheme EditedOldTheme(const QString &pedigreeTitle)
{
    CTestOldTheme theme;
    theme.entries = {
        OldThemeLogoEntry(),
        OldThemeDataEntry(QStringLiteral("BIO-REGRECORDTRIALMATING-RIGHTHEADERORNAMENT-DATA"), QStringLiteral("x")),
        OldThemeDataEntry(QStringLiteral("BIO-REGRECORDANIPED-TITLE-DATA"), pedigreeTitle),
        OldThemeDataEntry(QStringLiteral("NOT-IN-ANY-TEMPLATE"), QStringLiteral("y")),
        OldThemeDataEntry(QStringLiteral("BIO-REGRECORDTRIALMATING-RIGHTHEADERORNAMENT-LAYOUT"), QStringLiteral("z"))};
    return theme;
}

inline const CCmnThemeElt *ThemeElement(const CCmnTheme &theme, const char *name)
{
    return theme.Elements().value(QLatin1String(name)).get();
}

inline QString ThemeDataText(const CCmnTheme &theme, const char *name)
{
    const auto *data = dynamic_cast<const CCmnThemedFormBoxGenericDataElt *>(ThemeElement(theme, name));
    return data ? data->m_Payload.m_Text.m_Text : QStringLiteral("<missing>");
}

inline const CCmnThemedFormBoxGenericLayout *ThemeLayout(const CCmnTheme &theme, const char *name)
{
    const CCmnThemeElt *element = ThemeElement(theme, name);
    return element ? element->GenericLayout() : nullptr;
}
