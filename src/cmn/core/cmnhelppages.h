#pragma once

#include <QString>
#include <QStringList>

// The help pages and the user guide, built from the What's This texts: the keys
// "Page.html:Name" name the page and the control. Each page is plain HTML titled
// after its window, with one section per control in the help file's order; a page
// without texts says so in one line. Pages and the guide are written on first use
// in a run into the user's cache folder, so that they always match the program.

// The user's cache folder and "/help/".
QString CmnGeneratedHelpFolder();

// The page names that have texts, in the order the help file first gives them.
QStringList CmnHelpPageNames();

// A title made from the page name when no window gives one:
// "CCmnSystemSettingsTab.html" gives "System Settings Tab".
QString CmnHelpPageTitle(const QString &page);

// The HTML of the page, under the title (plain text, escaped here).
QString CmnHelpPageHtml(const QString &page, const QString &title);

// Writes the page, unless it was written earlier in this run, and gives its path.
// "" on success, else the message. A name holding a folder or ".." is refused.
[[nodiscard]] QString CmnWriteHelpPage(const QString &page, const QString &title, QString *path);

// Writes "userguide.pdf" of every page, unless it was written earlier in this run,
// and gives its path. "" on success, else the message.
[[nodiscard]] QString CmnWriteUserGuide(QString *path);
