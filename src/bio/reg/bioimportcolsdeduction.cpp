#include "bioimportcolsdeduction.h"

#include "bioimportcols.h"
#include "bioterminology.h"
#include "bioterminologysettings.h"
#include "cmncalendars.h"
#include "cmndate.h"
#include "cmndateparser.h"
#include "cmnnumbertext.h"

#include <array>
#include <initializer_list>
#include <optional>

namespace {

// What the sample values of one column were seen to be.
enum EValueFlag : int {
    ValueEmpty = 0x01,
    ValueDate = 0x02,
    ValueDecimal = 0x04,
    ValueInteger = 0x08,
    ValueText = 0x10,
    ValueSexWord = 0x20,
};

QString Term(int term)
{
    return GetBioTerm(term, BioTermUpperCase);
}

bool EqualsAny(const QString &header, std::initializer_list<const char *> words)
{
    for (const char *word : words) {
        if (header == QLatin1String(word))
            return true;
    }
    return false;
}

bool ContainsAny(const QString &header, std::initializer_list<const char *> words)
{
    for (const char *word : words) {
        if (header.contains(QLatin1String(word)))
            return true;
    }
    return false;
}

bool IsIdWord(const QString &header)
{
    return EqualsAny(header, {"ID", "IDSELF", "SELFID", "NO", "NUM", "KEY"});
}

bool IsSexWord(const QString &header)
{
    return EqualsAny(header, {"SEX", "GENDER"}) || header == Term(BioTermSex);
}

bool IsSuffixWord(const QString &header)
{
    return EqualsAny(header, {"SUFFIX", "NAME SUFFIX"}) || header == Term(BioTermSuffix);
}

bool IsIgnoreWord(const QString &header)
{
    return EqualsAny(header, {"UNUSED", "IGNORE", "VOID"});
}

// A heading that is one of the words or the term's word, or that holds one word of
// each of the two groups ("SIRE" and "ID" in "SIRE REG NO").
bool MatchesKeywords(const QString &header, std::initializer_list<const char *> words, int term,
                     std::initializer_list<const char *> subjectWords, std::initializer_list<const char *> kindWords)
{
    return EqualsAny(header, words) || header == Term(term)
           || (ContainsAny(header, kindWords) && ContainsAny(header, subjectWords));
}

class CFoundFields
{
public:
    bool Has(qint32 field) const { return m_Found.at(field); }
    void Set(qint32 field) { m_Found.at(field) = true; }

private:
    std::array<bool, BioImportFieldSuffix + 1> m_Found{};
};

// The field and type the first matching rule gives a heading; false when none does.
bool HeaderRule(const QString &upper, bool secondPass, bool separateName, const CFoundFields &found,
                CBioImportCol *col)
{
    const auto give = [col](qint32 field, qint32 type) {
        col->m_Field = field;
        col->m_Type = type;
        return true;
    };
    if (!found.Has(BioImportFieldTitle) && BioIsTitleHeader(upper))
        return give(BioImportFieldTitle, BioImportTypeText);
    if (!found.Has(BioImportFieldId) && (IsIdWord(upper) || (!separateName && BioIsNameHeader(upper))))
        return give(BioImportFieldId, BioImportTypeText);
    if (separateName && found.Has(BioImportFieldId) && !found.Has(BioImportFieldName) && BioIsNameHeader(upper))
        return give(BioImportFieldName, BioImportTypeText);
    if (!found.Has(BioImportFieldSireId)
        && (BioIsSireIdHeader(upper) || (!separateName && BioIsSireNameHeader(upper))))
        return give(BioImportFieldSireId, BioImportTypeText);
    if (separateName && found.Has(BioImportFieldSireId) && !found.Has(BioImportFieldSireName)
        && BioIsSireNameHeader(upper))
        return give(BioImportFieldSireName, BioImportTypeText);
    if (!found.Has(BioImportFieldDamId) && (BioIsDamIdHeader(upper) || (!separateName && BioIsDamNameHeader(upper))))
        return give(BioImportFieldDamId, BioImportTypeText);
    if (separateName && found.Has(BioImportFieldDamId) && !found.Has(BioImportFieldDamName)
        && BioIsDamNameHeader(upper))
        return give(BioImportFieldDamName, BioImportTypeText);
    if (!found.Has(BioImportFieldSex) && IsSexWord(upper))
        return give(BioImportFieldSex, BioImportTypeText);
    if (!found.Has(BioImportFieldDateOfBirth) && BioIsDateOfBirthHeader(upper))
        return give(BioImportFieldDateOfBirth, BioImportTypeDate);
    if (!found.Has(BioImportFieldDateOfDeath) && BioIsDateOfDeathHeader(upper))
        return give(BioImportFieldDateOfDeath, BioImportTypeDate);
    if (!found.Has(BioImportFieldSuffix) && IsSuffixWord(upper))
        return give(BioImportFieldSuffix, BioImportTypeText);
    if (!secondPass)
        return false;
    return give(IsIgnoreWord(upper) ? BioImportFieldIgnore : BioImportFieldUser, BioImportTypeText);
}

// Named by the headings: two passes, so that a name heading standing before its
// ID heading still becomes the name once the ID is found. With a separate name
// the headings hold both an ID and a name; without one a name serves as the ID.
void DeduceFromHeaders(CBioImportCols *cols, const QStringList &headers, bool separateName)
{
    QList<bool> done(headers.size(), false);
    cols->m_Cols.fill(CBioImportCol(), headers.size());
    CFoundFields found;
    for (const bool secondPass : {false, true}) {
        for (qsizetype i = 0; i < headers.size(); ++i) {
            if (done.at(i))
                continue;
            const QString trimmed = headers.at(i).trimmed();
            CBioImportCol &col = cols->m_Cols[i];
            if (!HeaderRule(trimmed.toUpper(), secondPass, separateName, found, &col))
                continue;
            col.m_Label = trimmed;
            done[i] = true;
            found.Set(col.m_Field);
        }
    }
}

// dates is null when no date format is given.
int ValueFlag(const QString &value, const CCmnDateParser *dates, const QStringList &sexWords)
{
    if (value.isEmpty())
        return ValueEmpty;
    // Whole numbers first: with a date format that allows a year alone, every
    // number of two or four digits would otherwise be a date.
    if (CmnIsIntegerText(value))
        return ValueInteger;
    if (dates && !dates->Parse(value, CmnDateCalendarGregorian).IsEmpty())
        return ValueDate;
    if (CmnIsDecimalNumberText(value))
        return ValueDecimal;
    return sexWords.contains(value.toUpper()) ? ValueText | ValueSexWord : ValueText;
}

// Classified by the sample values: the first column of plain IDs becomes the ID
// column, and the others follow from what their values are.
void DeduceFromValues(CBioImportCols *cols, const QStringList &headers, const QList<QStringList> &rows,
                      const QString &dateFormat)
{
    qsizetype count = 0;
    for (const QStringList &row : rows)
        count = qMax(count, row.size());
    const QStringList sexWords =
        cols->m_MaleWords.toUpper().split(QLatin1Char(',')) + cols->m_FemaleWords.toUpper().split(QLatin1Char(','));
    // The format is read once for all the sample values.
    std::optional<CCmnDateParser> dates;
    if (!dateFormat.isEmpty())
        dates.emplace(dateFormat);
    QList<int> flags(count, 0);
    for (const QStringList &row : rows) {
        for (qsizetype i = 0; i < row.size(); ++i)
            flags[i] |= ValueFlag(row.at(i), dates ? &*dates : nullptr, sexWords);
    }

    qsizetype idColumn = -1;
    for (qsizetype i = 0; i < count && idColumn < 0; ++i) {
        const bool plain = (flags.at(i) & (ValueInteger | ValueText)) != 0;
        if (plain && !(flags.at(i) & (ValueEmpty | ValueDate | ValueDecimal | ValueSexWord)))
            idColumn = i;
    }
    if (idColumn < 0)
        return;
    const bool numericIds = !(flags.at(idColumn) & ValueText);

    CFoundFields found;
    qint32 userCounter = 1;
    const auto userField = [&](qsizetype i, qint32 type) {
        QString label;
        if (i < headers.size()) {
            label = headers.at(i).trimmed();
        } else {
            label = QStringLiteral("User%1").arg(userCounter);
            ++userCounter;
        }
        return CBioImportCol{BioImportFieldUser, type, label};
    };
    const auto field = [&found](qint32 code, qint32 type, const QString &label) {
        found.Set(code);
        return CBioImportCol{code, type, label};
    };
    for (qsizetype i = 0; i < count; ++i) {
        const int f = flags.at(i);
        CBioImportCol col;
        if (i == idColumn) {
            col = field(BioImportFieldId, BioImportTypeText, QStringLiteral("ID"));
        } else if (f & ValueText) {
            if ((f & ValueSexWord) && !found.Has(BioImportFieldSex))
                col = field(BioImportFieldSex, BioImportTypeText, Term(BioTermSex));
            else if ((f & ValueDate) && !found.Has(BioImportFieldDateOfBirth))
                col = field(BioImportFieldDateOfBirth, BioImportTypeDate, Term(BioTermDateOfBirth));
            else if (numericIds && !found.Has(BioImportFieldName))
                col = field(BioImportFieldName, BioImportTypeText, QStringLiteral("NAME"));
            else if (!numericIds && !found.Has(BioImportFieldSireId))
                col = field(BioImportFieldSireId, BioImportTypeText, Term(BioTermSire) + QStringLiteral(" ID"));
            else if (!numericIds && !found.Has(BioImportFieldDamId))
                col = field(BioImportFieldDamId, BioImportTypeText, Term(BioTermDam) + QStringLiteral(" ID"));
            else
                col = userField(i, BioImportTypeText);
        } else {
            // A column that holds dates is no parent ID, even where some of its
            // values are years alone.
            const bool parentIds = (f & ValueInteger) && !(f & (ValueDecimal | ValueDate)) && numericIds;
            if (parentIds && !found.Has(BioImportFieldSireId))
                col = field(BioImportFieldSireId, BioImportTypeInteger, Term(BioTermSire));
            else if (parentIds && !found.Has(BioImportFieldDamId))
                col = field(BioImportFieldDamId, BioImportTypeInteger, Term(BioTermDam));
            else if ((f & ValueDate) && !found.Has(BioImportFieldDateOfBirth))
                col = field(BioImportFieldDateOfBirth, BioImportTypeDate, Term(BioTermDateOfBirth));
            else if ((f & ValueDate) && !(f & ValueDecimal))
                // Read as numbers, every date of the column would be dropped.
                col = userField(i, BioImportTypeDate);
            else
                col = userField(i, (f & ValueDecimal) ? BioImportTypeNumber : BioImportTypeInteger);
        }
        cols->m_Cols.append(col);
    }
}

bool IsIdField(qint32 field)
{
    return field == BioImportFieldId || field == BioImportFieldSireId || field == BioImportFieldDamId;
}

// ID columns become Integer when every value of every one of them is a whole
// number; user fields take the type of their values unless one is text.
void CorrectTypes(CBioImportCols *cols, const QList<QStringList> &rows)
{
    bool allIntegers = true;
    for (qsizetype i = 0; i < cols->m_Cols.size() && allIntegers; ++i) {
        if (!IsIdField(cols->m_Cols.at(i).m_Field))
            continue;
        for (const QStringList &row : rows) {
            const QString value = row.value(i).trimmed();
            if (!value.isEmpty() && !CmnIsIntegerText(value)) {
                allIntegers = false;
                break;
            }
        }
    }
    for (qsizetype i = 0; i < cols->m_Cols.size(); ++i) {
        CBioImportCol &col = cols->m_Cols[i];
        if (allIntegers && IsIdField(col.m_Field))
            col.m_Type = BioImportTypeInteger;
        // A date column keeps its type: read as numbers, its dates would be dropped.
        if (col.m_Field != BioImportFieldUser || col.m_Type == BioImportTypeDate)
            continue;
        bool decimal = false;
        bool text = false;
        for (qsizetype r = 0; r < rows.size() && !text; ++r) {
            const QString value = rows.at(r).value(i).trimmed();
            if (value.isEmpty() || CmnIsIntegerText(value))
                continue;
            if (CmnIsDecimalNumberText(value))
                decimal = true;
            else
                text = true;
        }
        if (!text)
            col.m_Type = decimal ? BioImportTypeNumber : BioImportTypeInteger;
    }
}

} // namespace

void BioDeduceImportCols(CBioImportCols *cols, const QStringList &headers, const QList<QStringList> &rows,
                         const QString &dateFormat)
{
    cols->SetDefaults();
    cols->m_DateFormat = dateFormat;

    bool hasId = false;
    bool hasName = false;
    for (const QString &header : headers) {
        const QString upper = header.trimmed().toUpper();
        hasId = hasId || IsIdWord(upper);
        hasName = hasName || BioIsNameHeader(upper);
    }
    if (hasId || hasName)
        DeduceFromHeaders(cols, headers, hasId && hasName);
    else
        DeduceFromValues(cols, headers, rows, dateFormat);

    if (!cols->m_Cols.isEmpty()) {
        CorrectTypes(cols, rows);
        return;
    }
    cols->m_Cols = {
        {BioImportFieldId, BioImportTypeText, QStringLiteral("ID")},
        {BioImportFieldSireId, BioImportTypeText, Term(BioTermSire)},
        {BioImportFieldDamId, BioImportTypeText, Term(BioTermDam)},
        {BioImportFieldSex, BioImportTypeText, Term(BioTermSex)},
        {BioImportFieldDateOfBirth, BioImportTypeDate, Term(BioTermDateOfBirth)},
    };
}

bool BioIsTitleHeader(const QString &header)
{
    return header == Term(BioTermTitle) || header.contains(QLatin1String("TITLE"));
}

bool BioIsNameHeader(const QString &header)
{
    const QString animal = Term(BioTermAnimal);
    return EqualsAny(header, {"NAME", "SELF"}) || header == animal || header == QStringLiteral("NAME OF ") + animal
           || header == animal + QStringLiteral(" NAME");
}

bool BioIsSireIdHeader(const QString &header)
{
    return MatchesKeywords(header, {"SIRE", "S", "FATHER", "F"}, BioTermSire, {"SIRE", "FATHER"},
                          {"ID", "NO", "NUM", "KEY"});
}

bool BioIsSireNameHeader(const QString &header)
{
    return MatchesKeywords(header, {"SIRE", "S", "FATHER", "F"}, BioTermSire, {"SIRE", "FATHER"}, {"NAME"});
}

bool BioIsDamIdHeader(const QString &header)
{
    return MatchesKeywords(header, {"DAM", "D", "MOTHER", "M"}, BioTermDam, {"DAM", "MOTHER"},
                          {"ID", "NO", "NUM", "KEY"});
}

bool BioIsDamNameHeader(const QString &header)
{
    return MatchesKeywords(header, {"DAM", "D", "MOTHER", "M"}, BioTermDam, {"DAM", "MOTHER"}, {"NAME"});
}

bool BioIsDateOfBirthHeader(const QString &header)
{
    return MatchesKeywords(header, {"DOB", "DATE OF BIRTH", "BORN", "BIRTH", "YEAR"}, BioTermDateOfBirth,
                          {"BIRTH", "BORN"}, {"DATE"});
}

bool BioIsDateOfDeathHeader(const QString &header)
{
    return MatchesKeywords(header, {"DOD", "DATE OF DEATH", "DIED", "DEATH"}, BioTermDateOfDeath, {"DEATH", "DIED"},
                          {"DATE"});
}
