#pragma once

#include <QList>
#include <QString>
#include <QtGlobal>

// What an input column of a delimited-text import feeds: a field of the animal
// record, a new user field, or nothing.
enum EBioImportField : qint32 {
    BioImportFieldId = 1,
    BioImportFieldSireId = 2,
    BioImportFieldDamId = 3,
    BioImportFieldSex = 4,
    BioImportFieldDateOfBirth = 5,
    BioImportFieldName = 6,
    BioImportFieldSireName = 7,
    BioImportFieldDamName = 8,
    BioImportFieldDateOfDeath = 9,
    // 10 and 11 are known codes without a caption, never offered.
    BioImportFieldUser = 12,
    BioImportFieldIgnore = 13,
    BioImportFieldTitle = 14,
    BioImportFieldSuffix = 15,
};

// How the values of an input column are read.
enum EBioImportType : qint32 {
    BioImportTypeText = 1,
    BioImportTypeDate = 2,
    BioImportTypeInteger = 3,
    BioImportTypeNumber = 4,
};

// One input column: the field it feeds, the kind of value it holds and its label
// (the name of the user field it creates; carried along for other fields).
struct CBioImportCol
{
    qint32 m_Field = BioImportFieldIgnore;
    qint32 m_Type = BioImportTypeText;
    QString m_Label;

    bool operator==(const CBioImportCol &other) const = default;
};

// How the columns of a delimited text file become animal records: one column per
// input column, in input order, and the options of the whole import. It is
// remembered per input file, and may come from a parameter file, as one line of
// text; that text is untrusted and read item by item, skipping what it cannot use.
class CBioImportCols
{
public:
    // No columns; the options at their defaults.
    CBioImportCols();

    // Removes the columns and sets the options to their defaults: no flags, an
    // empty null ID, the sex words of the terminology (with the species' own words
    // and letters for dogs, cattle, rabbits, horses, sheep and pigs) and the
    // application's default date-input format.
    void SetDefaults();

    // "0", then "n:field,type,label" per column and the seven options, joined by
    // ";". Labels lose their commas, and every value loses its ":" and ";".
    QString ToString() const;
    // False, leaving the defaults, when the text does not begin with the version
    // item "0". Items it cannot use are skipped and column texts it cannot read
    // become Ignore columns; at most 255 columns are read.
    bool FromString(const QString &text);

    // The first column at or after the start whose field is the given one; -1 for none.
    qint32 IndexOfField(qint32 field, qint32 start = 0) const;

    bool operator==(const CBioImportCols &other) const = default;

    QList<CBioImportCol> m_Cols;
    // IDs that differ only in letter case are different IDs.
    bool m_CaseSensitiveIds = false;
    // Each row's ID and input line number are also stored in user fields of their own.
    bool m_CreateIdField = false;
    bool m_CreateLineNumberField = false;
    // The ID that stands for no record.
    QString m_NullId;
    // Comma-separated words that mean male, or female, in the sex column.
    QString m_MaleWords;
    QString m_FemaleWords;
    // The date-input format of the file's dates.
    QString m_DateFormat;
};

// The caption of a field code in the terminology's words ("Sire ID", "User Field");
// empty for 10, 11 and codes outside 1 to 15.
QString BioImportFieldCaption(qint32 field);
// "Text", "Date", "Integer", "Number"; empty for any other type.
QString BioImportTypeName(qint32 type);
// The value types a field code allows, in ascending order; none for 10, 11 and
// codes outside 1 to 15.
QList<qint32> BioImportAllowedTypes(qint32 field);

// The check of a column set before it is imported: every ID column present once,
// the parent IDs of the ID's type, names, titles and suffixes as text, dates as
// dates. Empty when the set can be imported, else the first problem found.
QString BioValidateImportCols(const QList<CBioImportCol> &cols);
