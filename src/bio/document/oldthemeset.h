#pragma once

#include "oldtheme.h"

#include <QByteArray>
#include <QMap>
#include <QString>

class CCmnThemeSet;
class QDataStream;

// The themes of a document as earlier releases stored them (the "THEMES"
// settings block), read only to be converted into today's theme set.
class COldThemeSet
{
public:
    COldThemeSet();

    // Tag 5, version 0, the current theme, its name, a text, the named themes
    // (count, then name and theme each) and a second text. False on another
    // tag or version, a damaged theme, or a count the block cannot hold.
    [[nodiscard]] bool Read(QDataStream &in);
    [[nodiscard]] bool FromByteArray(const QByteArray &bytes);

    // Today's set: the converted current theme as base theme, every named theme
    // with a name converted under it, and the current name "Default" whatever
    // the older set named, so a converted document opens with its base theme.
    void ConvertTo(CCmnThemeSet &target) const;

    COldTheme m_CurrentTheme;
    QString m_CurrentThemeName;
    QString m_SecondText;
    QMap<QString, COldTheme> m_NamedThemes;
    QString m_ThirdText;

private:
    void Reset();
};
