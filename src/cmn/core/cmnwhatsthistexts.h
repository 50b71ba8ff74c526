#pragma once

#include <QHash>
#include <QString>
#include <QStringList>

// The What's This help of the controls: HTML texts keyed by the help page name,
// ":" and the control's help name ("CBioTerminologySettingsTab.html:Sire").
//
// In the help file a record opens with "{begin KEY}" or "{begin KEY,FOOTER}", holds
// any number of lines of HTML and closes with "{end}" or "{end TAIL}"; the footer
// and then the tail are appended to the text. Directive words are matched in any
// letter case, a directive may span lines, and each line end reads as one blank.
// Directives of other kinds are dropped; there are no escapes.

using TCmnWhatsThisTable = QHash<QString, QString>;

// The process-wide table: empty until CmnLoadWhatsThisTexts fills it at start-up.
const TCmnWhatsThisTable &CmnWhatsThisTexts();

// Reads the built-in ":/WhatsThisDefs.txt" into the table. Nothing is reported: a
// missing or unreadable file leaves the table as it was.
void CmnLoadWhatsThisTexts();

// The keys of the table in force in the order the help file first gives them, which
// is the order of the controls in their windows; empty for a table put in force by
// CmnSetWhatsThisTexts.
const QStringList &CmnWhatsThisKeyOrder();

// Puts the given table in force and returns the one it replaces, so that a test can
// give the windows it builds the texts it needs and put the old table back after.
TCmnWhatsThisTable CmnSetWhatsThisTexts(TCmnWhatsThisTable table);

// Parses the lines of a help file into the table, a later record replacing an
// earlier one with the same key; a record without a closing directive is never stored.
// Each key stored for the first time is appended to the order, when one is given.
void CmnParseWhatsThisTexts(const QStringList &lines, TCmnWhatsThisTable &table, QStringList *order = nullptr);
