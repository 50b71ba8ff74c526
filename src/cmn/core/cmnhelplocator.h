#pragma once

#include <QString>

class QWidget;

// Finds the help pages and the user guide ("userguide.pdf"), which the program
// writes from its help texts into the user's cache folder, and opens them with the
// desktop's handler.

QString CmnApplicationDirPath();
QString CmnHelpFolder();                 // the generated pages' folder, with "/"
QString CmnHelpFolderUrl();              // the help folder as a local-file URL
// Whether the page (a fragment after "#" aside) has help texts of its own.
bool CmnHelpPageExists(const QString &page);
// The local-file URL of the page, written first when needed; the page may carry a
// fragment ("importing_csv.html#columndata"). Empty when the page is empty or
// cannot be written.
QString CmnHelpPageUrl(const QString &page);
// Writes the page, titled after the parent's window, and opens it. "" on success
// or for an empty page, else the message.
[[nodiscard]] QString CmnShowHelpPage(QWidget *parent, const QString &page);
// Whether there is a user guide to show: there are help texts to write it from.
bool CmnUserGuideExists();
// Writes the user guide when needed and opens it. "" on success, else the message.
[[nodiscard]] QString CmnShowUserGuide();
