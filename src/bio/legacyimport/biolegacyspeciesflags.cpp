#include "biolegacyspeciesflags.h"

#include "biolegacyconfigflags.h"

#include <QList>

namespace {

const char *const kHalvaneCodes = "bird cat cavy dog generic hamster horse rabbit rat";
const char *const kDunmarraCodes = "dmcat dmdog dmgeneric";

// Flags and the species codes that set them. "*" stands for every code of the product,
// "-code" for every code of the product but that one.
struct SpeciesFlagRow
{
    const char *flags;
    const char *halvane;
    const char *dunmarra;
};

const SpeciesFlagRow kFlagRows[] = {
    {"APP_HV", "*", ""},
    {"APP_DM", "", "*"},
    {"HAS_ANIMALS HAS_ANIMALS_COI HAS_ANIMAL_REGNO", "*", "*"},
    {"HAS_APPTS HAS_AUTOCOMPLETION HAS_TAGGING HAS_MULTITAGGING HAS_HVRECTANCUSERHIGHLIGHT "
     "HAS_ANIMAL_INBREEDINGLOCK",
     "*", ""},
    {"CONFIG_DOG", "dog", ""},
    {"HAS_BIRD_SPECIFICS", "bird", ""},
    {"HAS_CAVY_SPECIFICS", "cavy", ""},
    {"HAS_HAMSTER_SPECIFICS", "hamster", ""},
    {"HAS_HORSE_SPECIFICS", "horse", ""},
    {"HAS_RABBIT_SPECIFICS", "rabbit", ""},
    {"HAS_RAT_SPECIFICS", "rat", ""},
    {"HAS_CAT_SPECIFICS", "cat", "dmcat"},
    {"HAS_DOG_SPECIFICS", "dog", "dmdog"},
    {"HAS_CONTACT_PREFIXES", "-generic", "dmcat dmdog"},
    {"HAS_ANIMAL_DNAPROFILE", "cat dog generic horse", "*"},
    {"HAS_ANIMAL_STATUS", "cat cavy dog generic horse rabbit", "*"},
    {"HAS_ANIMAL_STUDBOOKNO", "cat dog hamster rat", "dmdog dmgeneric"},
    {"HAS_ANIMAL_BREED_NO", "cat dog", "dmcat"},
    {"HAS_ANIMAL_HIPSCORE HAS_ANIMAL_OFANUMBER", "cat dog", "dmdog"},
    {"HAS_ANIMAL_ELBOWSCORE HAS_ANIMAL_CERFNUMBER", "dog", "dmdog"},
    {"HAS_ANIMAL_EYETEST HAS_ANIMAL_BREED_SUPERGROUP", "dog", ""},
    {"HAS_ANIMAL_HEIGHT", "dog generic horse", "dmgeneric"},
    {"HAS_ANIMAL_LENGTH", "generic", "dmgeneric"},
    {"HAS_ANIMAL_CAGE", "bird cavy generic hamster rabbit rat", "dmgeneric"},
    {"HAS_ANIMAL_WEIGHT", "bird cavy generic hamster horse rabbit rat", "dmgeneric"},
    {"HAS_ANIMAL_BRANDMARK", "bird cavy generic horse rabbit", ""},
    {"HAS_ANIMAL_MATE", "bird", ""},
    {"HAS_ANIMAL_SEXINGMETHOD HAS_ANIMAL_SEXPROVEN HAS_ANIMAL_BREED_GENUS HAS_ANIMAL_BREED_SUBSPECIES",
     "bird generic", ""},
    {"HAS_ANIMAL_BREED_SPECIES", "bird generic hamster", ""},
    {"HAS_ANIMAL_EMSCODE", "cat", ""},
    {"HAS_ANIMAL_GCNUMBER HAS_ANIMAL_LEGS", "cavy hamster rabbit rat", ""},
    {"HAS_ANIMAL_STATUSFOLDEDINTOGENDER", "horse", ""},
    {"HAS_ANIMAL_BREED_GROUP", "-rat", ""},
    {"HAS_ANIMAL_BREED_COATCOLOUR HAS_ANIMAL_BREED_COATCOLOURGENOTYPE HAS_ANIMAL_BREED_COATPATTERN "
     "HAS_ANIMAL_BREED_COATPATTERNGENOTYPE",
     "-bird", ""},
    {"HAS_ANIMAL_BREED_EYECOLOUR HAS_ANIMAL_BREED_EYECOLOURGENOTYPE", "cat cavy dog generic hamster rabbit rat", ""},
    {"HAS_ANIMAL_BREED_EARTYPE HAS_ANIMAL_BREED_TAILTYPE", "cat cavy dog generic rabbit rat", ""},
    {"HAS_ANIMAL_BREED_FURTYPE", "bird cavy dog generic hamster rabbit rat", ""},
    {"HAS_MATING_ARTINSEM HAS_MATING_BIRTHINGASSISTANCE", "cat dog generic horse", ""},
    {"HAS_MATING_DATELAID", "bird", ""},
    {"HAS_MATING_LITTERREGNO", "dog hamster rat", ""},
    {"HAS_MATING_NUMDIEDINNESTING HAS_MATING_NUMLIVEBIRTHS HAS_MATING_READYAFTER HAS_MATING_SURVIVALCOUNTS",
     "-horse", ""},
    {"HAS_MATING_NUMSTILLBORN", "bird cat cavy dog generic rabbit", ""},
    {"HAS_MATING_WEIGHTFIELDS", "bird dog generic hamster rat", ""},
    {"HAS_SHOWINGS HAS_SHOWING_BIS HAS_SHOWING_CHAMPION_FIELDS HAS_SHOWING_GRANDCHAMPION_FIELDS "
     "HAS_SHOWING_CLASSSEX HAS_SHOWING_CLASSTYPE",
     "bird cat cavy dog hamster rabbit rat", ""},
    {"HAS_SHOWING_BOB", "bird cat cavy dog rabbit", ""},
    {"HAS_SHOWING_BOS", "bird cat dog hamster rat", ""},
    {"HAS_SHOWING_PREMIER_FIELDS HAS_SHOWING_GRANDPREMIER_FIELDS", "cat dog hamster rat", ""},
    {"HAS_SHOWING_BEST_VETERAN", "dog hamster rat", ""},
    {"HAS_SHOWING_BIS_CHILD", "cat hamster rat", ""},
    {"HAS_SHOWING_BOV HAS_SHOWING_HANDLER HAS_SHOWING_MULTIPLE_BIS HAS_SHOWING_SUPREME_BIS", "cat dog", ""},
    {"HAS_SHOWING_BIS_NEUTER", "cat", ""},
    {"HAS_SHOWING_BOG HAS_SHOWING_REFEREE HAS_SHOWING_WINNERS", "dog", ""},
};

bool CodeListHolds(const char *codes, const QByteArray &code)
{
    const QByteArray list(codes);
    if (list == "*")
        return true;
    if (list.startsWith('-'))
        return list.mid(1) != code;
    return list.split(' ').contains(code);
}

} // namespace

EBioLegacyProduct BioLegacyProductOfSpecies(const QByteArray &speciesCode)
{
    if (speciesCode.isEmpty())
        return EBioLegacyProduct::Unknown;
    if (QByteArray(kHalvaneCodes).split(' ').contains(speciesCode))
        return EBioLegacyProduct::Halvane;
    if (QByteArray(kDunmarraCodes).split(' ').contains(speciesCode))
        return EBioLegacyProduct::Dunmarra;
    return EBioLegacyProduct::Unknown;
}

EBioLegacyProduct BioLegacySetSpeciesFlags(const QByteArray &speciesCode)
{
    BioLegacyConfigFlagsClear();
    const EBioLegacyProduct product = BioLegacyProductOfSpecies(speciesCode);
    if (product == EBioLegacyProduct::Unknown)
        return product;
    for (const SpeciesFlagRow &row : kFlagRows) {
        const char *codes = product == EBioLegacyProduct::Halvane ? row.halvane : row.dunmarra;
        if (!CodeListHolds(codes, speciesCode))
            continue;
        for (const QByteArray &flag : QByteArray(row.flags).split(' '))
            BioLegacyConfigFlagSet(flag.constData(), 1);
    }
    return product;
}
