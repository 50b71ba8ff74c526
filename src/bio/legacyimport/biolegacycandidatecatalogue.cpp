#include "biolegacycandidatecatalogue.h"

#include "biolegacyconfigflags.h"

namespace {

enum EContexts { None, G0Titles, G1Details, G1, G0G4Titles };

// Which of the species variants a row is; 0 for every file.
enum EVariant { All, Rabbit, NotRabbit, RabbitOrCavy, Bird, OtherSpecies };

constexpr int T = BioLegacyImportText;
constexpr int B = BioLegacyImportBoolean;
constexpr int I = BioLegacyImportInteger;
constexpr int C = BioLegacyImportCurrency;
constexpr int D = BioLegacyImportDate;
constexpr int R = BioLegacyImportReference;

struct SRow
{
    const char *name;
    int id;
    int kind;
    int group;
    int order;
    bool selected;
    bool main;
    int link;
    quint32 flags;
    int lines;
    const char *list;
    EContexts contexts;
    EVariant variant = All;
};

// The older products' own fields; their ids are part of the file formats.
const SRow kHalvane[] = {
    {"Breeder", 25, R, 1, 1, true, true, 0, 0x1A, 0, "Breeders", G0Titles},
    {"Owner", 24, R, 1, 2, true, true, 0, 0x12, 0, nullptr, G0Titles},
    {"Reg. No.", 40, T, 1, 3, true, true, 0, 0x2, 0, nullptr, G0Titles},
    {"Tattoo/Tag", 50, T, 1, 4, false, false, 0, 0x0, 0, nullptr, G1Details, Rabbit},
    {"Microchip", 50, T, 1, 4, false, false, 0, 0x0, 0, nullptr, G1Details, NotRabbit},
    {"Ear No.", 37, T, 1, 5, false, false, 0, 0x0, 0, nullptr, G1Details, RabbitOrCavy},
    {"Band No.", 37, T, 1, 5, false, false, 0, 0x0, 0, nullptr, G1Details, Bird},
    {"Brand Mark", 37, T, 1, 5, false, false, 0, 0x0, 0, nullptr, G1Details, OtherSpecies},
    {"Additional Titles", 85, T, 1, 6, false, false, 0, 0x1, 3, nullptr, G1},
    {"Notes", 5, T, 1, 7, false, false, 0, 0x101, 10, nullptr, G1},
    {"User Field 1", 2, T, 2, 1, false, false, 0, 0x16, 0, nullptr, G1Details},
    {"User Field 2", 3, T, 2, 2, false, false, 0, 0x16, 0, nullptr, G1Details},
    {"User Field 3", 4, T, 2, 3, false, false, 0, 0x16, 0, nullptr, G1Details},
    {"User Field 4", 376, T, 2, 4, false, false, 0, 0x16, 0, nullptr, G1Details},
    {"User Field 5", 377, T, 2, 5, false, false, 0, 0x16, 0, nullptr, G1Details},
    {"Breed", 66, T, 3, 1, false, true, 0, 0x16, 0, nullptr, G1Details},
    {"Colour", 72, T, 3, 2, true, true, 93, 0x16, 0, nullptr, G0G4Titles},
    {"Variety", 93, T, 3, 3, false, false, 0, 0x14, 0, nullptr, G0G4Titles},
    {"Breed No.", 69, T, 3, 4, true, true, 0, 0x6, 0, nullptr, G0Titles},
    {"EMS Code", 81, T, 3, 5, true, true, 0, 0x6, 0, nullptr, G0Titles},
    {"Pattern", 70, T, 3, 6, false, false, 0, 0x14, 0, nullptr, G1Details},
    {"Group", 88, T, 3, 7, false, false, 0, 0x14, 0, nullptr, G1Details},
    {"Full Breed Description", 64, T, 3, 8, false, false, 65, 0x14, 0, nullptr, G1Details},
    {"Short Breed Description", 65, T, 3, 9, false, false, 0, 0x14, 0, nullptr, G1Details},
    {"TICA Category", 414, T, 3, 10, false, false, 0, 0x14, 0, nullptr, G1Details},
    {"TICA Division", 415, T, 3, 11, false, false, 0, 0x14, 0, nullptr, G1Details},
    {"Eye %1", 74, T, 4, 1, false, false, 0, 0x14, 0, nullptr, G1Details},
    {"Ear Type", 76, T, 4, 2, false, false, 0, 0x14, 0, nullptr, G1Details},
    {"Tail Type", 77, T, 4, 3, false, false, 0, 0x14, 0, nullptr, G1Details},
    {"Fur Type", 86, T, 4, 4, false, false, 0, 0x14, 0, nullptr, G1Details},
    {"Genus", 78, T, 4, 5, false, false, 0, 0x14, 0, nullptr, G1Details},
    {"Species", 79, T, 4, 6, false, false, 0, 0x10, 0, nullptr, G1Details},
    {"Subspecies", 80, T, 4, 7, false, false, 0, 0x10, 0, nullptr, G1Details},
    {"Faults", 49, T, 4, 8, false, false, 0, 0x101, 3, nullptr, G1},
    {"Hip Score", 56, T, 5, 1, false, true, 0, 0x2, 0, nullptr, G0Titles},
    {"Elbow Score", 478, T, 5, 2, false, false, 0, 0x0, 0, nullptr, G1Details},
    {"CERF No.", 58, T, 5, 3, false, false, 0, 0x0, 0, nullptr, G1Details},
    {"OFA No.", 57, T, 5, 4, false, false, 0, 0x0, 0, nullptr, G1Details},
    {"Last Eye Test Date", 59, D, 5, 5, false, false, 0, 0x0, 0, nullptr, G1Details},
    {"Last Eye Test Result", 60, T, 5, 6, false, false, 0, 0x14, 0, nullptr, G1Details},
    {"Cause Of Death", 32, T, 5, 7, false, false, 0, 0x14, 0, nullptr, G1Details},
    {"DNA Profile", 479, T, 5, 8, false, false, 0, 0x0, 0, nullptr, G1Details},
    {"Height", 34, T, 6, 1, false, false, 0, 0x0, 0, nullptr, G1Details},
    {"Length", 35, T, 6, 2, false, false, 0, 0x0, 0, nullptr, G1Details},
    {"Weight", 33, T, 6, 3, false, false, 0, 0x0, 0, nullptr, G1Details},
    {"Temperament", 63, T, 6, 4, false, false, 0, 0x14, 0, nullptr, G1Details},
    {"Health Notes", 62, T, 6, 5, false, false, 0, 0x101, 7, nullptr, G1},
    {"Usual Vet", 26, R, 6, 6, false, false, 0, 0x14, 0, nullptr, None},
    {"Registration Date", 42, D, 7, 1, false, false, 0, 0x0, 0, nullptr, G1Details},
    {"Registering Body", 41, T, 7, 2, false, false, 0, 0x18, 0, "Registering Bodies", G1Details},
    {"Country of Registration", 428, T, 7, 3, false, false, 0, 0x18, 0, "Countries", G1Details},
    {"Reg. No. (Alt)", 43, T, 8, 1, false, false, 0, 0x0, 0, nullptr, G1Details},
    {"Registration Date (Alt)", 45, D, 8, 2, false, false, 0, 0x0, 0, nullptr, G1Details},
    {"Registering Body (Alt)", 44, T, 8, 3, false, false, 0, 0x18, 0, "Registering Bodies", G1Details},
    {"Country of Registration (Alt)", 429, T, 8, 4, false, false, 0, 0x18, 0, "Countries", G1Details},
    {"Bought From", 51, R, 9, 1, false, false, 0, 0x18, 0, "Breeders", None},
    {"Purchase Price", 23, C, 9, 2, false, false, 0, 0x0, 0, nullptr, G1Details},
    {"Bought On", 52, D, 9, 3, false, false, 0, 0x0, 0, nullptr, G1Details},
    {"Country Imported From", 47, T, 9, 4, false, false, 0, 0x18, 0, "Countries", None},
    {"Sold To", 53, R, 10, 1, false, false, 0, 0x10, 0, nullptr, None},
    {"Sale Price", 22, C, 10, 2, false, false, 0, 0x0, 0, nullptr, G1Details},
    {"Sold On", 54, D, 10, 3, false, false, 0, 0x0, 0, nullptr, G1Details},
    {"Country Exported To", 48, T, 10, 4, false, false, 0, 0x18, 0, "Countries", None},
    {"Litter Reg. No.", 430, T, 11, 1, false, false, 0, 0x0, 0, nullptr, G1Details},
    {"BRS No.", 55, T, 11, 2, false, false, 0, 0x0, 0, nullptr, G1Details},
    {"Stud Book No.", 46, T, 11, 3, false, false, 0, 0x0, 0, nullptr, G1Details},
    {"GC#", 417, T, 11, 4, false, false, 0, 0x0, 0, nullptr, G1Details},
    {"Cage", 36, T, 11, 5, false, false, 0, 0x0, 0, nullptr, G1Details},
    {"Legs", 416, T, 12, 1, false, false, 0, 0x0, 0, nullptr, G1Details},
    {"Alternative Name", 427, T, 12, 2, false, false, 0, 0x10, 0, nullptr, None},
    {"Pet Name", 16, T, 12, 3, false, false, 0, 0x10, 0, nullptr, G1Details},
    {"Points", 419, T, 12, 4, false, false, 0, 0x0, 0, nullptr, G1Details},
    {"Wins", 418, T, 12, 5, false, false, 0, 0x101, 3, nullptr, G1},
    {"Sexing Method", 38, T, 12, 6, false, false, 0, 0x4, 0, nullptr, None},
    {"Status", 18, B, 12, 7, false, false, 0, 0x0, 0, nullptr, G1Details},
    {"For Breeding?", 426, B, 12, 8, false, false, 0, 0x0, 0, nullptr, G1Details},
    {"Active?", 420, B, 12, 9, false, false, 0, 0x0, 0, nullptr, G1Details},
    {"User Flag 1", 383, B, 13, 1, false, false, 0, 0x0, 0, nullptr, None},
    {"User Flag 2", 384, B, 13, 2, false, false, 0, 0x0, 0, nullptr, None},
    {"User Flag 3", 385, B, 13, 3, false, false, 0, 0x0, 0, nullptr, None},
    {"User Flag 4", 386, B, 13, 4, false, false, 0, 0x0, 0, nullptr, None},
    {"User Flag 5", 387, B, 13, 5, false, false, 0, 0x0, 0, nullptr, None},
    {"User Currency 1", 388, C, 14, 1, false, false, 0, 0x0, 0, nullptr, None},
    {"User Currency 2", 389, C, 14, 2, false, false, 0, 0x0, 0, nullptr, None},
    {"User Currency 3", 390, C, 14, 3, false, false, 0, 0x0, 0, nullptr, None},
    {"User Currency 4", 391, C, 14, 4, false, false, 0, 0x0, 0, nullptr, None},
    {"User Currency 5", 392, C, 14, 5, false, false, 0, 0x0, 0, nullptr, None},
    {"User Date 1", 378, D, 15, 1, false, false, 0, 0x0, 0, nullptr, None},
    {"User Date 2", 379, D, 15, 2, false, false, 0, 0x0, 0, nullptr, None},
    {"User Date 3", 380, D, 15, 3, false, false, 0, 0x0, 0, nullptr, None},
    {"User Date 4", 381, D, 15, 4, false, false, 0, 0x0, 0, nullptr, None},
    {"User Date 5", 382, D, 15, 5, false, false, 0, 0x0, 0, nullptr, None},
    {"User Count 1", 393, I, 16, 1, false, false, 0, 0x0, 0, nullptr, None},
    {"User Count 2", 394, I, 16, 2, false, false, 0, 0x0, 0, nullptr, None},
    {"User Count 3", 395, I, 16, 3, false, false, 0, 0x0, 0, nullptr, None},
    {"User Count 4", 396, I, 16, 4, false, false, 0, 0x0, 0, nullptr, None},
    {"User Count 5", 397, I, 16, 5, false, false, 0, 0x0, 0, nullptr, None},
};

const SRow kDunmarra[] = {
    {"Breeder", 44, R, 1, 1, true, true, 0, 0x6, 0, nullptr, G0Titles},
    {"Owner", 43, R, 1, 2, true, true, 0, 0x2, 0, nullptr, G0Titles},
    {"Reg. No.", 53, T, 1, 3, true, true, 0, 0x2, 0, nullptr, G0Titles},
    {"Breed", 36, T, 1, 4, false, true, 0, 0x16, 0, nullptr, G1Details},
    {"Colour", 37, T, 1, 5, true, true, 0, 0x16, 0, nullptr, G0Titles},
    {"Breed No.", 38, T, 1, 6, false, true, 0, 0x2, 0, nullptr, G0Titles},
    {"Notes", 32, T, 1, 7, false, false, 0, 0x101, 10, nullptr, G1},
    {"User Field 1", 2, T, 2, 1, false, false, 0, 0x16, 0, nullptr, G1Details},
    {"User Field 2", 3, T, 2, 2, false, false, 0, 0x16, 0, nullptr, G1Details},
    {"User Field 3", 4, T, 2, 3, false, false, 0, 0x16, 0, nullptr, G1Details},
    {"User Field 4", 5, T, 2, 4, false, false, 0, 0x16, 0, nullptr, G1Details},
    {"User Field 5", 6, T, 2, 5, false, false, 0, 0x16, 0, nullptr, G1Details},
    {"Microchip", 48, T, 3, 1, false, false, 0, 0x0, 0, nullptr, G1Details},
    {"CERF No.", 57, T, 3, 2, false, false, 0, 0x0, 0, nullptr, G1Details},
    {"OFA No.", 56, T, 3, 3, false, false, 0, 0x0, 0, nullptr, G1Details},
    {"Brand Mark", 52, T, 3, 4, false, false, 0, 0x0, 0, nullptr, G1Details},
    {"Cage", 62, T, 4, 1, false, false, 0, 0x0, 0, nullptr, G1Details},
    {"GC#", 59, T, 4, 2, false, false, 0, 0x0, 0, nullptr, G1Details},
    {"Legs", 58, T, 4, 3, false, false, 0, 0x0, 0, nullptr, G1Details},
    {"Stud Book No.", 54, T, 4, 4, false, false, 0, 0x0, 0, nullptr, G1Details},
    {"Status", 40, B, 4, 5, false, false, 0, 0x0, 0, nullptr, G1Details},
    {"DNA Profile", 61, T, 5, 1, false, false, 0, 0x0, 0, nullptr, G1Details},
    {"Hip Score", 55, T, 5, 2, false, true, 0, 0x2, 0, nullptr, G0Titles},
    {"Elbow Score", 60, T, 5, 3, false, false, 0, 0x0, 0, nullptr, G1Details},
    {"Height", 50, T, 5, 4, false, false, 0, 0x0, 0, nullptr, G1Details},
    {"Length", 51, T, 5, 5, false, false, 0, 0x0, 0, nullptr, G1Details},
    {"Weight", 49, T, 5, 6, false, false, 0, 0x0, 0, nullptr, G1Details},
    {"User Flag 1", 12, B, 6, 1, false, false, 0, 0x0, 0, nullptr, None},
    {"User Flag 2", 13, B, 6, 2, false, false, 0, 0x0, 0, nullptr, None},
    {"User Flag 3", 14, B, 6, 3, false, false, 0, 0x0, 0, nullptr, None},
    {"User Flag 4", 15, B, 6, 4, false, false, 0, 0x0, 0, nullptr, None},
    {"User Flag 5", 16, B, 6, 5, false, false, 0, 0x0, 0, nullptr, None},
    {"User Currency 1", 17, C, 7, 1, false, false, 0, 0x0, 0, nullptr, None},
    {"User Currency 2", 18, C, 7, 2, false, false, 0, 0x0, 0, nullptr, None},
    {"User Currency 3", 19, C, 7, 3, false, false, 0, 0x0, 0, nullptr, None},
    {"User Currency 4", 20, C, 7, 4, false, false, 0, 0x0, 0, nullptr, None},
    {"User Currency 5", 21, C, 7, 5, false, false, 0, 0x0, 0, nullptr, None},
    {"User Date 1", 7, D, 8, 1, false, false, 0, 0x0, 0, nullptr, None},
    {"User Date 2", 8, D, 8, 2, false, false, 0, 0x0, 0, nullptr, None},
    {"User Date 3", 9, D, 8, 3, false, false, 0, 0x0, 0, nullptr, None},
    {"User Date 4", 10, D, 8, 4, false, false, 0, 0x0, 0, nullptr, None},
    {"User Date 5", 11, D, 8, 5, false, false, 0, 0x0, 0, nullptr, None},
    {"User Count 1", 22, I, 9, 1, false, false, 0, 0x0, 0, nullptr, None},
    {"User Count 2", 23, I, 9, 2, false, false, 0, 0x0, 0, nullptr, None},
    {"User Count 3", 24, I, 9, 3, false, false, 0, 0x0, 0, nullptr, None},
    {"User Count 4", 25, I, 9, 4, false, false, 0, 0x0, 0, nullptr, None},
    {"User Count 5", 26, I, 9, 5, false, false, 0, 0x0, 0, nullptr, None},
};

bool VariantApplies(EVariant variant)
{
    const bool rabbit = BioLegacyConfigFlagIsSet("HAS_RABBIT_SPECIFICS");
    const bool cavy = BioLegacyConfigFlagIsSet("HAS_CAVY_SPECIFICS");
    const bool bird = BioLegacyConfigFlagIsSet("HAS_BIRD_SPECIFICS");
    switch (variant) {
    case All:
        return true;
    case Rabbit:
        return rabbit;
    case NotRabbit:
        return !rabbit;
    case RabbitOrCavy:
        return rabbit || cavy;
    case Bird:
        return !rabbit && !cavy && bird;
    case OtherSpecies:
        return !rabbit && !cavy && !bird;
    }
    return false;
}

CCmnRegFieldContextMask ContextsOf(EContexts contexts, const TBioLegacyGroupMasks &masks)
{
    CCmnRegNewFieldOptions options;
    switch (contexts) {
    case None:
        break;
    case G0Titles:
        options.AddContexts(masks[0]);
        break;
    case G1Details:
    case G1:
        options.AddContexts(masks[1]);
        break;
    case G0G4Titles:
        options.AddContexts(masks[0]);
        options.AddContexts(masks[4]);
        break;
    }
    if (contexts == G0Titles || contexts == G0G4Titles || contexts == G1Details)
        options.m_Contexts.SetContext(1, true);
    if (contexts == G0Titles || contexts == G0G4Titles)
        options.m_Contexts.SetContext(2, true);
    return options.m_Contexts;
}

template<size_t N>
QList<CBioLegacyCandidate> Candidates(const SRow (&rows)[N], const TBioLegacyGroupMasks &masks,
                                      const QLocale &locale)
{
    const QString colour = CmnColourWord(locale);
    QList<CBioLegacyCandidate> candidates;
    for (const SRow &row : rows) {
        if (!VariantApplies(row.variant))
            continue;
        CBioLegacyCandidate candidate;
        candidate.m_Kind = EBioLegacyImportKind(row.kind);
        CBioLegacyImportField &field = candidate.m_Field;
        field.m_Id = row.id;
        const QString name = QString::fromLatin1(row.name);
        if (name == QLatin1String("Colour"))
            field.m_Descriptor.m_Name = colour;
        else
            field.m_Descriptor.m_Name = name.contains(QLatin1String("%1")) ? name.arg(colour) : name;
        field.m_Descriptor.m_Flags = row.flags;
        field.m_Descriptor.m_MultilineLines = row.lines;
        if (row.list)
            field.m_Descriptor.SetSharedListName(QString::fromLatin1(row.list));
        field.m_Descriptor.m_Contexts = ContextsOf(row.contexts, masks);
        field.m_LinkedId = row.link;
        field.m_Group = row.group;
        field.m_Order = row.order;
        field.m_Flags = (row.selected ? CBioLegacyImportField::Import : 0u)
            | (row.main ? CBioLegacyImportField::MainField : 0u);
        candidates.append(candidate);
    }
    return candidates;
}

} // namespace

QList<CBioLegacyCandidate> BioLegacyCandidateCatalogue(bool halvane, const TBioLegacyGroupMasks &masks,
                                                       const QLocale &locale)
{
    return halvane ? Candidates(kHalvane, masks, locale) : Candidates(kDunmarra, masks, locale);
}
