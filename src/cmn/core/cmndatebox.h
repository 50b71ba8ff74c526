#pragma once

#include "cmnexchangeverdict.h"

#include <QString>

class CCmnDate;

// The text a date box shows and what the user's text in it comes to when the window
// saves. Dates are read and written in the Gregorian calendar. An empty format stands
// for the date input format of the system settings, which the user chooses in the
// preferences; refusals then tell the user where to change it.

// The given format, or the system settings' date input format when it is empty (the
// framework's default before the settings exist).
QString CmnDateBoxFormat(const QString &givenFormat);

// The date under the format; empty for the empty date. A year that the format's two
// digits would read back as another is written with four.
QString CmnDateBoxText(const CCmnDate &date, const QString &givenFormat);

// The trimmed text read under the format. A date that was read is stored. When none
// was, an empty optional box (or a lenient reading) leaves the value as it was, and
// anything else is refused with today's date as an example.
CCmnExchangeVerdict CmnReadDateBox(const QString &text, qint32 flags, const QString &givenFormat,
                                   CCmnDate *value);
