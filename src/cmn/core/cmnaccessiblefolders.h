#pragma once

#include <QString>
#include <QStringList>

class CCmnSettingsExchange;

// The folders the user has granted the program access to, for platforms that
// confine a program's file access. Nothing confines it here: the list is kept
// and stored so that such a platform can switch the facility on, but nothing
// consults it. Paths are kept with "/" separators.
void CmnCreateAccessibleFolders();
// Null before creation and after destruction.
QStringList *CmnGetAccessibleFolders();
// The string list "folders", empty by default.
void CmnExchangeAccessibleFolders(const CCmnSettingsExchange &exchange);
void CmnSetAccessibleFolders(const QStringList &folders);
void CmnDestroyAccessibleFolders();

// The warning that a chosen path lies outside the accessible folders; always
// empty on this platform.
QString CmnAccessibleFolderWarning(const QString &path);
// Whether the path lies inside one of the accessible folders; always false on
// this platform, where no path needs the grant.
bool CmnIsInAccessibleFolder(const QString &path);
