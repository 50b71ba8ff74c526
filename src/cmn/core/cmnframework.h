#pragma once

#include <QString>

class CCmnAppDescriptor;

// Prepares the framework once, at the very start of main: copies the descriptor
// into the process-wide one, chooses the default date-input format, gives the
// toolkit the settings-store identity, registers the framework's value types and
// makes the built-in resources (":/WhatsThisDefs.txt") readable.
void CmnInitFramework(const CCmnAppDescriptor &descriptor);

// Registers the framework's value types by their stored names ("CCmnDate",
// "CCmnHighlight"). Value types travel inside variant hashes that the settings
// stores serialise, so they must be known before any store is loaded; a second
// call changes nothing.
void CmnRegisterValueTypes();

// The default date-input format chosen by CmnInitFramework from the date
// provider's locale (the system's, unless a test pins one); empty before it runs.
const QString &CmnDefaultDateInputFormat();

// The date-input format that suits a locale's short date format: month first
// when an "M" comes before any "D", else day first.
QString CmnDateInputFormatForShortDateFormat(const QString &shortDateFormat);
