#include "bioimportcols.h"

#include "bioterminology.h"
#include "bioterminologysettings.h"
#include "cmnframework.h"

#include <QStringList>

namespace {

constexpr qint32 kMaxColumns = 255;

// Individual word (upper case), male word, female word, male letter, female letter.
constexpr const char *kSexWordRows[] = {
    "DOG,DOG,BITCH,D,B",      "COW,BULL,COW,B,C",  "RABBIT,BUCK,DOE,B,D",
    "HORSE,STALLION,MARE,S,M", "SHEEP,RAM,EWE,R,E", "PIG,BOAR,SOW,B,S",
};

const QString kVersionItem = QStringLiteral("0");

QString Flag(bool value)
{
    return value ? QStringLiteral("1") : QStringLiteral("0");
}

// A value of the text form cannot hold the item separator, nor a ":" that a
// reader could take for the end of the key.
QString StrippedValue(QString value)
{
    value.remove(QLatin1Char(':'));
    value.remove(QLatin1Char(';'));
    return value;
}

bool FlagValue(const QString &value)
{
    return value.toLongLong(nullptr, 10) != 0;
}

// "field,type,label" with both numbers in range; otherwise an Ignore column.
CBioImportCol ColumnFromText(const QString &text)
{
    const qsizetype first = text.indexOf(QLatin1Char(','));
    const qsizetype second = first < 0 ? -1 : text.indexOf(QLatin1Char(','), first + 1);
    if (second < 0)
        return CBioImportCol();
    bool fieldOk = false;
    bool typeOk = false;
    const qint32 field = QStringView(text).left(first).trimmed().toInt(&fieldOk, 10);
    const qint32 type = QStringView(text).mid(first + 1, second - first - 1).trimmed().toInt(&typeOk, 10);
    if (!fieldOk || !typeOk || field < BioImportFieldId || field > BioImportFieldSuffix || type < BioImportTypeText
        || type > BioImportTypeNumber)
        return CBioImportCol();
    return CBioImportCol{field, type, text.mid(second + 1)};
}

} // namespace

CBioImportCols::CBioImportCols()
{
    SetDefaults();
}

void CBioImportCols::SetDefaults()
{
    m_Cols.clear();
    m_CaseSensitiveIds = false;
    m_CreateIdField = false;
    m_CreateLineNumberField = false;
    m_NullId.clear();

    QStringList male{GetBioTerm(BioTermMale, BioTermUpperCase | BioTermOneLetter),
                     GetBioTerm(BioTermMale, BioTermUpperCase)};
    QStringList female{GetBioTerm(BioTermFemale, BioTermUpperCase | BioTermOneLetter),
                       GetBioTerm(BioTermFemale, BioTermUpperCase)};
    const QString individual = GetBioTerm(BioTermAnimal, BioTermUpperCase);
    for (const char *row : kSexWordRows) {
        const QStringList items = QString::fromLatin1(row).split(QLatin1Char(','));
        if (items.at(0) != individual)
            continue;
        male.append(items.at(1));
        female.append(items.at(2));
        const QString &maleLetter = items.at(3);
        const QString &femaleLetter = items.at(4);
        const auto taken = [&](const QString &letter) { return male.contains(letter) || female.contains(letter); };
        // A letter that already means something would make the sex column ambiguous.
        if (!maleLetter.isEmpty() && !femaleLetter.isEmpty() && !taken(maleLetter) && !taken(femaleLetter)) {
            male.append(maleLetter);
            female.append(femaleLetter);
        }
        break;
    }
    m_MaleWords = male.join(QLatin1Char(','));
    m_FemaleWords = female.join(QLatin1Char(','));
    m_DateFormat = CmnDefaultDateInputFormat();
}

QString CBioImportCols::ToString() const
{
    QStringList items{kVersionItem};
    for (qsizetype i = 0; i < m_Cols.size(); ++i) {
        const CBioImportCol &col = m_Cols.at(i);
        QString label = col.m_Label;
        label.remove(QLatin1Char(','));
        items.append(QString::number(i + 1) + QLatin1Char(':')
                     + StrippedValue(QStringLiteral("%1,%2,").arg(col.m_Field).arg(col.m_Type) + label));
    }
    const auto option = [&items](const char *key, const QString &value) {
        items.append(QLatin1String(key) + QLatin1Char(':') + StrippedValue(value));
    };
    option("cs", Flag(m_CaseSensitiveIds));
    option("addidfield", Flag(m_CreateIdField));
    option("addlinenumberfield", Flag(m_CreateLineNumberField));
    option("nullid", m_NullId);
    option("male", m_MaleWords);
    option("female", m_FemaleWords);
    option("dateformat", m_DateFormat);
    return items.join(QLatin1Char(';'));
}

bool CBioImportCols::FromString(const QString &text)
{
    SetDefaults();
    const QList<QStringView> items = QStringView(text).split(QLatin1Char(';'));
    if (items.isEmpty() || items.first() != kVersionItem)
        return false;

    QStringList columnTexts;
    for (qsizetype i = 1; i < items.size(); ++i) {
        const QStringView item = items.at(i).trimmed();
        const qsizetype colon = item.indexOf(QLatin1Char(':'));
        if (colon <= 0)
            continue;
        const QString key = item.left(colon).toString().toLower();
        const QString value = item.mid(colon + 1).trimmed().toString();
        if (key == QLatin1String("cs")) {
            m_CaseSensitiveIds = FlagValue(value);
        } else if (key == QLatin1String("addidfield")) {
            m_CreateIdField = FlagValue(value);
        } else if (key == QLatin1String("addlinenumberfield")) {
            m_CreateLineNumberField = FlagValue(value);
        } else if (key == QLatin1String("nullid")) {
            m_NullId = value;
        } else if (key == QLatin1String("male")) {
            m_MaleWords = value;
        } else if (key == QLatin1String("female")) {
            m_FemaleWords = value;
        } else if (key == QLatin1String("dateformat")) {
            m_DateFormat = value;
        } else if (key.at(0).isDigit()) {
            bool ok = false;
            const qint32 index = key.toInt(&ok, 10) - 1;
            if (!ok || index < 0 || index >= kMaxColumns)
                continue;
            while (columnTexts.size() <= index)
                columnTexts.append(QString());
            columnTexts[index] = value;
        }
    }
    for (const QString &columnText : std::as_const(columnTexts))
        m_Cols.append(ColumnFromText(columnText));
    return true;
}

qint32 CBioImportCols::IndexOfField(qint32 field, qint32 start) const
{
    for (qint32 i = qMax(start, 0); i < m_Cols.size(); ++i) {
        if (m_Cols.at(i).m_Field == field)
            return i;
    }
    return -1;
}

QString BioImportFieldCaption(qint32 field)
{
    const QString id = QStringLiteral(" ID");
    switch (field) {
    case BioImportFieldId:
        return GetBioTerm(BioTermAnimal) + id;
    case BioImportFieldSireId:
        return GetBioTerm(BioTermSire) + id;
    case BioImportFieldDamId:
        return GetBioTerm(BioTermDam) + id;
    case BioImportFieldSex:
        return GetBioTerm(BioTermSex);
    case BioImportFieldDateOfBirth:
        return GetBioTerm(BioTermDateOfBirth);
    case BioImportFieldName:
        return GetBioTerm(BioTermName);
    case BioImportFieldSireName:
        return GetBioTerm(BioTermSire) + QLatin1Char(' ') + GetBioTerm(BioTermName);
    case BioImportFieldDamName:
        return GetBioTerm(BioTermDam) + QLatin1Char(' ') + GetBioTerm(BioTermName);
    case BioImportFieldDateOfDeath:
        return GetBioTerm(BioTermDateOfDeath);
    case BioImportFieldUser:
        return QStringLiteral("User Field");
    case BioImportFieldIgnore:
        return QStringLiteral("Ignore");
    case BioImportFieldTitle:
        return GetBioTerm(BioTermTitle);
    case BioImportFieldSuffix:
        return GetBioTerm(BioTermSuffix);
    default:
        return QString();
    }
}

QString BioImportTypeName(qint32 type)
{
    switch (type) {
    case BioImportTypeText:
        return QStringLiteral("Text");
    case BioImportTypeDate:
        return QStringLiteral("Date");
    case BioImportTypeInteger:
        return QStringLiteral("Integer");
    case BioImportTypeNumber:
        return QStringLiteral("Number");
    default:
        return QString();
    }
}

QList<qint32> BioImportAllowedTypes(qint32 field)
{
    switch (field) {
    case BioImportFieldId:
    case BioImportFieldSireId:
    case BioImportFieldDamId:
    case BioImportFieldSex:
        return {BioImportTypeText, BioImportTypeInteger};
    case BioImportFieldDateOfBirth:
    case BioImportFieldDateOfDeath:
        return {BioImportTypeDate};
    case BioImportFieldName:
    case BioImportFieldSireName:
    case BioImportFieldDamName:
    case BioImportFieldTitle:
    case BioImportFieldSuffix:
        return {BioImportTypeText};
    case BioImportFieldUser:
    case BioImportFieldIgnore:
        return {BioImportTypeText, BioImportTypeDate, BioImportTypeInteger, BioImportTypeNumber};
    default:
        return {};
    }
}

QString BioValidateImportCols(const QList<CBioImportCol> &cols)
{
    // The type of the first column with each code; a code missing has none.
    constexpr qint32 kCodes = BioImportFieldSuffix + 1;
    qint32 counts[kCodes] = {};
    qint32 types[kCodes] = {};
    for (const CBioImportCol &col : cols) {
        if (col.m_Field < 1 || col.m_Field >= kCodes)
            continue;
        if (counts[col.m_Field]++ == 0)
            types[col.m_Field] = col.m_Type;
    }
    const auto caption = [](qint32 field) { return BioImportFieldCaption(field); };

    for (const qint32 field : {BioImportFieldId, BioImportFieldSireId, BioImportFieldDamId}) {
        if (counts[field] == 0)
            return QStringLiteral("There is no '%1' ID column. This column is required.").arg(caption(field));
    }
    for (qint32 field = 1; field < kCodes; ++field) {
        if (field != BioImportFieldUser && field != BioImportFieldIgnore && counts[field] > 1)
            return QStringLiteral("The '%1' column appears more than once. You can only have one '%1' column.")
                .arg(caption(field));
    }
    const qint32 idType = types[BioImportFieldId];
    if (idType != BioImportTypeText && idType != BioImportTypeInteger)
        return QStringLiteral("The %1 column data type must be string or integer").arg(caption(BioImportFieldId));
    for (const qint32 parent : {BioImportFieldSireId, BioImportFieldDamId}) {
        if (types[parent] != idType)
            return QStringLiteral("The %1 and %2 columns must both be string or integer")
                .arg(caption(BioImportFieldId), caption(parent));
    }
    const auto mustBe = [&](qint32 field, qint32 type) {
        return counts[field] > 0 && types[field] != type;
    };
    const QString mustBeText = QStringLiteral("The %1 column must be string type");
    const QString needsName = QStringLiteral("If the %1 column is included, the %2 column must also be present");
    if (mustBe(BioImportFieldName, BioImportTypeText))
        return mustBeText.arg(caption(BioImportFieldName));
    for (const qint32 parentName : {BioImportFieldSireName, BioImportFieldDamName}) {
        if (mustBe(parentName, BioImportTypeText))
            return mustBeText.arg(caption(parentName));
        if (counts[parentName] > 0 && counts[BioImportFieldName] == 0)
            return needsName.arg(caption(parentName), caption(BioImportFieldName));
    }
    for (const qint32 date : {BioImportFieldDateOfBirth, BioImportFieldDateOfDeath}) {
        if (mustBe(date, BioImportTypeDate))
            return QStringLiteral("The %1 column must be date type").arg(caption(date));
    }
    for (const qint32 text : {BioImportFieldTitle, BioImportFieldSuffix}) {
        if (mustBe(text, BioImportTypeText))
            return mustBeText.arg(caption(text));
    }
    return QString();
}
