#pragma once

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
