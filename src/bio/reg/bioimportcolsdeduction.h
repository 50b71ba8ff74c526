#pragma once

#include <QList>
#include <QString>
#include <QStringList>

class CBioImportCols;

// The automatic guess of what every input column of a delimited text file holds,
// shown on the import's columns page for the user to accept or change.
//
// When a heading names the ID or the name, the columns are named by keywords in
// their headings; otherwise they are classified by their sample values, the first
// column of plain IDs becoming the ID. ID columns of whole numbers become Integer,
// user fields take the type of their values, and a set that is still empty gets
// five default columns. A whole number is never taken for a date (a year alone
// would make every ID column of 10 to 99 or 1000 to 9999 a date column); only values
// the date format reads and that are not whole numbers count as dates.
void BioDeduceImportCols(CBioImportCols *cols, const QStringList &headers, const QList<QStringList> &rows,
                         const QString &dateFormat);

// Keyword matchers over one heading, trimmed and in upper case.
bool BioIsTitleHeader(const QString &header);
bool BioIsNameHeader(const QString &header);
bool BioIsSireIdHeader(const QString &header);
bool BioIsSireNameHeader(const QString &header);
bool BioIsDamIdHeader(const QString &header);
bool BioIsDamNameHeader(const QString &header);
bool BioIsDateOfBirthHeader(const QString &header);
bool BioIsDateOfDeathHeader(const QString &header);
