#include "bioterminology.h"

#include "bioterminologysettings.h"

#include <QCoreApplication>

#include <memory>

namespace {

// The one process-wide terminology, created at start-up and destroyed at shut-down.
std::unique_ptr<CBioTerminologySettings> &TerminologySettingsInstance()
{
    static std::unique_ptr<CBioTerminologySettings> instance;
    return instance;
}

QString Tr(const char *text)
{
    return QCoreApplication::translate("BioTerminology", text);
}

} // namespace

void BioCreateTerminology()
{
    TerminologySettingsInstance() = std::make_unique<CBioTerminologySettings>();
}

CBioTerminologySettings *GetBioTerminology()
{
    return TerminologySettingsInstance().get();
}

void BioLoadTerminology(const CCmnSettingsExchange &exchange)
{
    TerminologySettingsInstance()->Exchange(exchange, CBioTerminologySettings());
}

void BioSetTerminology(const CBioTerminologySettings &settings)
{
    *TerminologySettingsInstance() = settings;
}

void BioDestroyTerminology()
{
    TerminologySettingsInstance().reset();
}

QString GetBioTerm(int term, int flags)
{
    // Before start-up has made the terminology (or after shut-down) the built-in
    // words answer, so that no early message can crash.
    CBioTerminologySettings *terminology = TerminologySettingsInstance().get();
    QString word = terminology ? terminology->GetWord(term, flags & BioTermPlural, flags & BioTermBuiltIn)
                               : GetBuiltInTermWord(term, flags & BioTermPlural, false);
    if (flags & BioTermUpperCase)
        word = word.toUpper();
    else if (flags & BioTermLowerCase)
        word = word.toLower();
    if (word.isEmpty())
        return QStringLiteral("!");
    // The one-letter marks exist only for the sexes and the parents.
    const bool hasLetter = term == BioTermMale || term == BioTermFemale || term == BioTermSire || term == BioTermDam;
    if ((flags & BioTermOneLetter) && hasLetter)
        word.truncate(1);
    return word;
}

QString GetBioSexText(int sex, int flags)
{
    const bool asParent = flags & BioTermAsParent;
    switch (sex) {
    case 0:
        return (flags & BioTermOneLetter) ? QStringLiteral("?") : GetBioTerm(BioTermUnknownSex, flags);
    case 1:
        return GetBioTerm(asParent ? BioTermSire : BioTermMale, flags);
    case 2:
        return GetBioTerm(asParent ? BioTermDam : BioTermFemale, flags);
    default:
        return QStringLiteral("??");
    }
}

QString GetBioGenerationWord(int generation, int role, int flags)
{
    const int baseTerm = role == 1 ? BioTermSire : role == 2 ? BioTermDam : BioTermParent;
    const QString base = GetBioTerm(baseTerm, flags);
    if (generation < 1)
        return base;
    const QString grand = GetBioTerm(BioTermGrand, flags & ~BioTermPlural);
    if (generation == 1)
        return grand + base.toLower();
    return QString(generation, grand.at(0)) + QLatin1Char('-') + base;
}

QString BioSexFilterText(int filter, int style)
{
    const bool command = style == 1;
    switch (filter) {
    case 0:
        return command ? Tr("Show All") : Tr("Any %1").arg(GetBioTerm(BioTermSex));
    case 1:
        return command ? Tr("Show %1 Only").arg(GetBioTerm(BioTermMale, BioTermPlural))
                       : GetBioTerm(BioTermMale, BioTermPlural);
    case 2:
        return command ? Tr("Show %1 Only").arg(GetBioTerm(BioTermFemale, BioTermPlural))
                       : GetBioTerm(BioTermFemale, BioTermPlural);
    case 3:
        return command ? Tr("Show Unknown %1 Only").arg(GetBioTerm(BioTermSex))
                       : Tr("Unknown %1").arg(GetBioTerm(BioTermSex));
    default:
        return QStringLiteral("??");
    }
}
