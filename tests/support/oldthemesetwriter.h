#pragma once

#include <QByteArray>
#include <QList>
#include <QPair>
#include <QString>

// Writes the "THEMES" settings block of earlier releases by hand, so tests of
// its reader never depend on a writer of ours. A theme is a list of entries,
// each an element name with the element's own payload bytes.
struct CTestOldTheme
{
    QList<QPair<QString, QByteArray>> entries;
    bool trailer = true;   // the 133, 0 that closes every stored theme
};

struct CTestOldThemeSet
{
    CTestOldTheme current;
    QString currentName = QStringLiteral("Default");
    QList<QPair<QString, CTestOldTheme>> named;
    // The count written before the named themes; -1 writes their real number.
    qint64 namedCount = -1;
};

QByteArray WriteTestOldTheme(const CTestOldTheme &theme);
QByteArray WriteTestOldThemeSet(const CTestOldThemeSet &set);
