#pragma once

#include <QString>

class QWidget;

// Finds the help pages (folder "help") and the user guide ("userguide.pdf") that
// ship beside the program, and opens them with the desktop's handler.

QString CmnApplicationDirPath();
QString CmnHelpFolder();                 // program folder + "/help/"
QString CmnHelpFolderUrl();              // the help folder as a local-file URL
bool CmnHelpPageExists(const QString &page);
// The page is appended to the URL text, not to the path, so it may carry a
// fragment ("importing_csv.html#columndata").
QString CmnHelpPageUrl(const QString &page);
void CmnShowHelpPage(QWidget *parent, const QString &page);
bool CmnUserGuideExists();
void CmnShowUserGuide();
