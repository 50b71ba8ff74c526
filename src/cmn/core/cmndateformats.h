#pragma once

#include <QStringList>

// The date formats offered to the user, in the pattern language of the date text
// functions ("[mm/[dd/]]yyyy"). Each list is built on first use and never changes.

// The 24 patterns, each followed by its forms with ":", "-" and " " in place of every
// "/": 96 formats in all.
const QStringList &CmnGetDateInputFormats();

// Each input format, followed by a copy with capitalised month names ("MMMM" for
// "mmmm", else "MMM" for "mmm") when it names months by word.
const QStringList &CmnGetDateOutputFormats();
