#pragma once

#include <QString>
#include <QUrl>

#include <functional>

// Opens web pages, help pages and files with the desktop's handler. Everything
// the program hands to the desktop goes through here, so that tests can put a
// recorder in its place and never launch a real viewer.
using TCmnUrlOpener = std::function<bool(const QUrl &)>;

bool CmnOpenUrl(const QUrl &url);

// Replaces the opener and returns the one it replaces; an empty opener restores
// the desktop's own.
TCmnUrlOpener CmnSetUrlOpener(TCmnUrlOpener opener);

// The local-file URL (absolute) of a file the program has just written, for the
// offer to view it; empty when the path is empty or names no file.
QUrl CmnCreatedFileUrl(const QString &path);
