#include "bionewregparams.h"

#include "bioboxkindcatalogue.h"

namespace {

// Where a new field shows by default: D the details boxes, T the titles, TA the
// titles and the first ancestor generations, M the details boxes only.
enum EStdFieldUsage { UsageNone, UsageD, UsageT, UsageTA, UsageM };

constexpr quint32 kStdMultiline = CCmnRegNewFieldOptions::Multiline | CCmnRegNewFieldOptions::FormatParagraphs;
constexpr quint32 kStdKey = CCmnRegNewFieldOptions::KeyField;
constexpr quint32 kStdPrivateList = CCmnRegNewFieldOptions::PrivateList;
constexpr quint32 kStdWrap = CCmnRegNewFieldOptions::WordWrap;
constexpr quint32 kStdDate = CCmnRegNewFieldOptions::Date;

// The colour word of the locale takes the place of %1 in a name.
constexpr const char *kStdFieldColourName = "%1";

struct SStdFieldRow
{
    const char *caption;   // opens a group box
    bool newColumn;
    const char *name;
    int id;
    bool chosen;
    int group;
    int position;
    bool main;
    quint32 request;
    int lines;
    const char *sharedList;
    EStdFieldUsage usage;
};

const SStdFieldRow kStdFieldCatalogue[] = {
    {"General", false, "Pet Name", 10, false, 1, 0, false, kStdWrap, 0, nullptr, UsageD},
    {nullptr, false, "Additional Titles", 56, true, 1, 1, false, kStdMultiline, 3, nullptr, UsageM},
    {nullptr, false, "Breeder", 11, true, 1, 2, true, kStdKey | kStdWrap, 0, "Breeders", UsageT},
    {nullptr, false, "Owner", 12, true, 1, 3, true, kStdKey | kStdWrap, 0, nullptr, UsageT},
    {nullptr, false, "Notes", 55, true, 14, 0, false, kStdMultiline, 10, nullptr, UsageM},
    {nullptr, false, "Genus", 42, false, 3, 6, false, kStdPrivateList | kStdWrap, 0, nullptr, UsageD},
    {nullptr, false, "Species", 43, false, 3, 7, false, kStdWrap, 0, nullptr, UsageD},
    {nullptr, false, "Subspecies", 44, false, 3, 8, false, kStdWrap, 0, nullptr, UsageD},
    {"Identity", false, "Microchip", 14, true, 4, 0, false, 0, 0, nullptr, UsageD},
    {nullptr, false, "Tattoo", 13, false, 4, 1, false, 0, 0, nullptr, UsageD},
    {nullptr, false, "Band No.", 15, false, 4, 2, false, 0, 0, nullptr, UsageD},
    {nullptr, false, "Brand Mark", 16, false, 4, 3, false, 0, 0, nullptr, UsageD},
    {nullptr, false, "Ear No.", 17, false, 4, 4, false, 0, 0, nullptr, UsageD},
    {"Registration", true, "Reg. No.", 18, true, 5, 0, true, kStdKey, 0, nullptr, UsageT},
    {nullptr, false, "Reg. Body", 19, false, 5, 1, false, kStdWrap, 0, "Registering Bodies", UsageD},
    {nullptr, false, "Reg. Country", 20, false, 5, 2, false, kStdWrap, 0, "Countries", UsageD},
    {nullptr, false, "Reg. Date", 21, false, 5, 3, false, kStdDate, 0, nullptr, UsageD},
    {nullptr, false, "Reg. No. #2", 22, false, 6, 4, false, 0, 0, nullptr, UsageD},
    {nullptr, false, "Reg. Body #2", 23, false, 6, 0, false, kStdWrap, 0, "Registering Bodies", UsageD},
    {nullptr, false, "Reg. Country #2", 24, false, 6, 1, false, kStdWrap, 0, "Countries", UsageD},
    {nullptr, false, "Reg. Date #2", 25, false, 6, 2, false, kStdDate, 0, nullptr, UsageD},
    {nullptr, false, "Litter Reg. No.", 26, false, 7, 3, false, 0, 0, nullptr, UsageD},
    {nullptr, false, "BRS No.", 27, false, 7, 0, false, 0, 0, nullptr, UsageD},
    {nullptr, false, "Stud Book No.", 28, false, 7, 1, false, 0, 0, nullptr, UsageD},
    {nullptr, false, "GC No.", 29, false, 7, 2, false, 0, 0, nullptr, UsageD},
    {"Breed", true, "Breed", 30, true, 2, 0, true, kStdKey | kStdPrivateList | kStdWrap, 0, nullptr, UsageD},
    {nullptr, false, kStdFieldColourName, 31, true, 2, 1, true, kStdKey | kStdPrivateList | kStdWrap, 0, nullptr, UsageTA},
    {nullptr, false, "Breed No.", 32, false, 2, 2, true, kStdKey | kStdPrivateList, 0, nullptr, UsageT},
    {nullptr, false, "EMS Code", 33, false, 2, 3, true, kStdKey | kStdPrivateList, 0, nullptr, UsageT},
    {nullptr, false, "Pattern", 37, false, 2, 4, false, kStdPrivateList | kStdWrap, 0, nullptr, UsageD},
    {nullptr, false, "Eye %1", 38, false, 2, 5, false, kStdPrivateList | kStdWrap, 0, nullptr, UsageD},
    {nullptr, false, "Full Breed Description", 46, false, 2, 6, false, kStdPrivateList | kStdWrap, 0, nullptr, UsageD},
    {nullptr, false, "Faults", 45, false, 2, 7, false, kStdMultiline, 3, nullptr, UsageM},
    {nullptr, false, "TICA Category", 34, false, 3, 0, false, kStdPrivateList | kStdWrap, 0, nullptr, UsageD},
    {nullptr, false, "TICA Division", 35, false, 3, 1, false, kStdPrivateList | kStdWrap, 0, nullptr, UsageD},
    {nullptr, false, "Breed Group", 36, false, 3, 2, false, kStdPrivateList | kStdWrap, 0, nullptr, UsageD},
    {nullptr, false, "Ear Type", 39, false, 3, 3, false, kStdPrivateList | kStdWrap, 0, nullptr, UsageD},
    {nullptr, false, "Tail Type", 40, false, 3, 4, false, kStdPrivateList | kStdWrap, 0, nullptr, UsageD},
    {nullptr, false, "Fur Type", 41, false, 3, 5, false, kStdPrivateList | kStdWrap, 0, nullptr, UsageD},
    {"Health", true, "Hip Score", 57, false, 9, 0, true, kStdKey, 0, nullptr, UsageT},
    {nullptr, false, "Elbow Score", 58, false, 9, 1, false, 0, 0, nullptr, UsageD},
    {nullptr, false, "OFA No.", 60, false, 9, 2, false, 0, 0, nullptr, UsageD},
    {nullptr, false, "CERF No.", 59, false, 10, 0, false, 0, 0, nullptr, UsageD},
    {nullptr, false, "Last Eye Test Date", 61, false, 10, 1, false, kStdDate, 0, nullptr, UsageD},
    {nullptr, false, "Last Eye Test Result", 62, false, 10, 2, false, kStdPrivateList | kStdWrap, 0, nullptr, UsageD},
    {nullptr, false, "Cause Of Death", 63, false, 11, 0, false, kStdPrivateList | kStdWrap, 0, nullptr, UsageD},
    {nullptr, false, "DNA Profile", 64, false, 11, 1, false, 0, 0, nullptr, UsageD},
    {nullptr, false, "Temperament", 68, false, 11, 2, false, kStdPrivateList | kStdWrap, 0, nullptr, UsageD},
    {nullptr, false, "Usual Vet", 69, false, 11, 3, false, kStdPrivateList | kStdWrap, 0, nullptr, UsageNone},
    {nullptr, false, "Height", 65, false, 12, 0, false, 0, 0, nullptr, UsageD},
    {nullptr, false, "Length", 66, false, 12, 1, false, 0, 0, nullptr, UsageD},
    {nullptr, false, "Weight", 67, false, 12, 2, false, 0, 0, nullptr, UsageD},
    {nullptr, false, "Health Notes", 70, false, 14, 1, false, kStdMultiline, 7, nullptr, UsageM},
    {nullptr, false, "Vaccination History", 71, false, 14, 2, false, kStdMultiline, 7, nullptr, UsageM},
    {"Purchase", true, "Bought From", 47, false, 8, 0, false, kStdWrap, 0, "Breeders", UsageNone},
    {nullptr, false, "Purchase Price", 48, false, 8, 1, false, 0, 0, nullptr, UsageD},
    {nullptr, false, "Bought On", 49, false, 8, 2, false, kStdDate, 0, nullptr, UsageD},
    {nullptr, false, "Country Imported From", 50, false, 8, 3, false, kStdWrap, 0, "Countries", UsageNone},
    {"Sale", false, "Sold To", 51, false, 8, 4, false, kStdWrap, 0, nullptr, UsageNone},
    {nullptr, false, "Sale Price", 52, false, 8, 5, false, 0, 0, nullptr, UsageD},
    {nullptr, false, "Sold On", 53, false, 8, 6, false, kStdDate, 0, nullptr, UsageD},
    {nullptr, false, "Country Exported To", 54, false, 8, 7, false, kStdWrap, 0, "Countries", UsageNone},
};

// The general contexts that the built-in sex, sire and dam fields carry too.
constexpr int kStdFieldGeneralContext1 = 1;
constexpr int kStdFieldGeneralContext2 = 2;

CCmnRegFieldContextMask StdFieldUsageMask(EStdFieldUsage usage)
{
    CCmnRegNewFieldOptions joined;
    if (usage == UsageNone)
        return joined.m_Contexts;
    if (usage != UsageM)
        joined.m_Contexts.SetContext(kStdFieldGeneralContext1, true);
    if (usage == UsageD || usage == UsageM) {
        joined.AddContexts(BioDefaultFieldContextMask(1));
        return joined.m_Contexts;
    }
    joined.m_Contexts.SetContext(kStdFieldGeneralContext2, true);
    joined.AddContexts(BioDefaultFieldContextMask(0));
    if (usage == UsageTA)
        joined.AddContexts(BioDefaultFieldContextMask(4));
    return joined.m_Contexts;
}

} // namespace

void BioStdFieldCatalogue(CBioNewRegParams &params, const QLocale &locale)
{
    params.m_TerminologyOnLastSave = 6;
    params.m_Entries.clear();
    const QString colour = CmnColourWord(locale);
    for (const SStdFieldRow &row : kStdFieldCatalogue) {
        CBioNewRegStdField entry;
        entry.m_LayoutGroup = row.group;
        entry.m_Position = row.position;
        entry.m_Id = row.id;
        entry.m_Flags = (row.chosen ? CBioNewRegStdField::Chosen : 0)
                        | (row.newColumn ? CBioNewRegStdField::NewColumn : 0)
                        | (row.main ? CBioNewRegStdField::MainField : 0);
        if (row.caption)
            entry.m_GroupCaption = QString::fromLatin1(row.caption);
        CCmnRegNewFieldOptions &description = entry.m_Description;
        description.m_Name = QString::fromLatin1(row.name).replace(QLatin1String("%1"), colour);
        description.m_Flags = row.request;
        description.m_MultilineLines = row.lines;
        if (row.sharedList)
            description.SetSharedListName(QString::fromLatin1(row.sharedList));
        description.m_Contexts = StdFieldUsageMask(row.usage);
        params.m_Entries.append(entry);
    }
}
