#pragma once

#include <QDate>
#include <QString>

// Reads the compact dates of stored settings and update information: exactly
// "yyyymmdd", or "yyyy:mm:dd" / "yyyy/mm/dd" with the same separator at both
// places. Every field is ASCII digits. Any other text, and a date that does not
// exist, gives the invalid date.
QDate CmnParseCompactDate(const QString &text);
