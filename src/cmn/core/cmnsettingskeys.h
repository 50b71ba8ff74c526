#pragma once

#include <QString>

// Settings keys for free-form names such as file paths, which cannot serve as keys
// themselves. Each name seen under a prefix gets a number for good; the names are
// kept, in the order first seen, as a string list under the prefix followed by
// "list", and a name's number is its position there.

// The name as that list keeps it: letters, digits and "." stay, every other
// character becomes "_". Names differing only in replaced characters thus share
// one key.
QString CmnSanitiseSettingsName(const QString &name);

// prefix + "/" + the name's number. A name not seen before is appended to the list,
// which is written back at once; numbers are never reused. When the store cannot
// be written the key is still returned.
QString CmnSettingsKeyForName(const QString &prefix, const QString &name);
