#include "bioterminologysettings.h"

#include "cmnsettingsexchange.h"

#include <QCoreApplication>

namespace {

struct CBuiltInTerm
{
    const char *m_Singular;
    const char *m_Plural;
    const char *m_Long;
};

// The short forms are the stored words; the long forms only label rows.
constexpr CBuiltInTerm kBuiltInTerms[BioTermCount] = {
    {"Animal", "Animals", nullptr},
    {"Offspring", "Offspring", nullptr},
    {"Sex", nullptr, nullptr},
    {"Date of Birth", nullptr, nullptr},
    {"Date of Death", nullptr, nullptr},
    {"Male", "Males", nullptr},
    {"Female", "Females", nullptr},
    {"Parent", "Parents", nullptr},
    {"Grand", nullptr, nullptr},
    {"Sire", "Sires", nullptr},
    {"Dam", "Dams", nullptr},
    {"Litter", "Litters", nullptr},
    {"Family", "Families", nullptr},
    {"Inbreeding", nullptr, "Coefficient of Inbreeding"},
    {"Name", nullptr, nullptr},
    {"Title", nullptr, nullptr},
    {"Suffix", nullptr, "Name Suffix"},
    {"Unknown", "Unknown", "Unknown Sex"},
};

constexpr const char *kSpeciesNames[BioSpeciesCount] = {
    "Birds", "Cats", "Dogs", "Horses", "People", "Rabbits", "Other",
    "Custom", "Rats", "Goats", "Sheep", "Cattle", "Pigs",
};

struct CSpeciesWord
{
    int m_Species;
    int m_Term;
    bool m_Plural;
    const char *m_Word;
};

// Every species word beyond the built-in ones. Whether a word applies is decided
// by the term-use table, not here: Birds' clutch stays "Litter" while litters are
// not in use.
constexpr CSpeciesWord kSpeciesWords[] = {
    {BioSpeciesBirds, BioTermAnimal, false, "Bird"}, {BioSpeciesBirds, BioTermAnimal, true, "Birds"},
    {BioSpeciesBirds, BioTermOffspring, false, "Chick"}, {BioSpeciesBirds, BioTermOffspring, true, "Chicks"},
    {BioSpeciesBirds, BioTermLitter, false, "Clutch"}, {BioSpeciesBirds, BioTermLitter, true, "Clutches"},
    {BioSpeciesBirds, BioTermDateOfBirth, false, "Hatch Date"},
    {BioSpeciesCats, BioTermAnimal, false, "Cat"}, {BioSpeciesCats, BioTermAnimal, true, "Cats"},
    {BioSpeciesCats, BioTermOffspring, false, "Kitten"}, {BioSpeciesCats, BioTermOffspring, true, "Kittens"},
    {BioSpeciesDogs, BioTermAnimal, false, "Dog"}, {BioSpeciesDogs, BioTermAnimal, true, "Dogs"},
    {BioSpeciesDogs, BioTermOffspring, false, "Puppy"}, {BioSpeciesDogs, BioTermOffspring, true, "Puppies"},
    {BioSpeciesHorses, BioTermAnimal, false, "Horse"}, {BioSpeciesHorses, BioTermAnimal, true, "Horses"},
    {BioSpeciesHorses, BioTermOffspring, false, "Foal"}, {BioSpeciesHorses, BioTermOffspring, true, "Foals"},
    {BioSpeciesPeople, BioTermAnimal, false, "Person"}, {BioSpeciesPeople, BioTermAnimal, true, "People"},
    {BioSpeciesPeople, BioTermOffspring, false, "Child"}, {BioSpeciesPeople, BioTermOffspring, true, "Children"},
    {BioSpeciesPeople, BioTermSire, false, "Father"}, {BioSpeciesPeople, BioTermSire, true, "Fathers"},
    {BioSpeciesPeople, BioTermDam, false, "Mother"}, {BioSpeciesPeople, BioTermDam, true, "Mothers"},
    {BioSpeciesPeople, BioTermFamily, false, "Partner"}, {BioSpeciesPeople, BioTermFamily, true, "Partners"},
    {BioSpeciesRabbits, BioTermAnimal, false, "Rabbit"}, {BioSpeciesRabbits, BioTermAnimal, true, "Rabbits"},
    {BioSpeciesRabbits, BioTermOffspring, false, "Kit"}, {BioSpeciesRabbits, BioTermOffspring, true, "Kits"},
    {BioSpeciesRats, BioTermAnimal, false, "Rat"}, {BioSpeciesRats, BioTermAnimal, true, "Rats"},
    {BioSpeciesRats, BioTermOffspring, false, "Kitten"}, {BioSpeciesRats, BioTermOffspring, true, "Kittens"},
    {BioSpeciesGoats, BioTermAnimal, false, "Goat"}, {BioSpeciesGoats, BioTermAnimal, true, "Goats"},
    {BioSpeciesGoats, BioTermOffspring, false, "Kid"}, {BioSpeciesGoats, BioTermOffspring, true, "Kids"},
    {BioSpeciesSheep, BioTermAnimal, false, "Sheep"}, {BioSpeciesSheep, BioTermAnimal, true, "Sheep"},
    {BioSpeciesSheep, BioTermOffspring, false, "Lamb"}, {BioSpeciesSheep, BioTermOffspring, true, "Lambs"},
    {BioSpeciesCattle, BioTermAnimal, false, "Cow"}, {BioSpeciesCattle, BioTermAnimal, true, "Cows"},
    {BioSpeciesCattle, BioTermOffspring, false, "Calf"}, {BioSpeciesCattle, BioTermOffspring, true, "Calves"},
    {BioSpeciesPigs, BioTermAnimal, false, "Pig"}, {BioSpeciesPigs, BioTermAnimal, true, "Pigs"},
    {BioSpeciesPigs, BioTermOffspring, false, "Piglet"}, {BioSpeciesPigs, BioTermOffspring, true, "Piglets"},
};

// The process-wide term-use table the terminology names; [term][plural].
struct CTermUseTable
{
    bool m_Filled = false;
    bool m_InUse[BioTermCount][2] = {};
};

CTermUseTable &TermUseTable()
{
    static CTermUseTable table;
    return table;
}

CTermUseTable &FilledTermUseTable()
{
    CTermUseTable &table = TermUseTable();
    if (!table.m_Filled)
        BioInitTermEditableTable();
    return table;
}

bool IsTerm(int term)
{
    return term >= 0 && term < BioTermCount;
}

QString Translated(const char *text)
{
    return text ? QCoreApplication::translate("CBioTerminologySettings", text) : QString();
}

} // namespace

void BioInitTermEditableTable()
{
    CTermUseTable &table = TermUseTable();
    table = CTermUseTable();
    table.m_Filled = true;
    for (int term : {BioTermAnimal, BioTermOffspring, BioTermMale, BioTermFemale, BioTermParent, BioTermSire,
                     BioTermDam, BioTermUnknownSex})
        table.m_InUse[term][0] = table.m_InUse[term][1] = true;
    for (int term : {BioTermSex, BioTermDateOfBirth, BioTermDateOfDeath, BioTermGrand})
        table.m_InUse[term][0] = true;
}

bool BioIsTermEditable(int term, bool plural)
{
    return IsTerm(term) && FilledTermUseTable().m_InUse[term][plural ? 1 : 0];
}

void BioSetTermEditable(int term, bool editable, bool plural)
{
    if (IsTerm(term))
        FilledTermUseTable().m_InUse[term][plural ? 1 : 0] = editable;
}

QString GetBuiltInTermWord(int term, bool plural, bool longForm)
{
    if (!IsTerm(term))
        return QString();
    const CBuiltInTerm &builtIn = kBuiltInTerms[term];
    if (longForm && builtIn.m_Long)
        return Translated(builtIn.m_Long);
    return Translated(plural ? builtIn.m_Plural : builtIn.m_Singular);
}

QString GetSpeciesName(int species)
{
    if (species < 0 || species >= BioSpeciesCount)
        return QStringLiteral("??");
    return Translated(kSpeciesNames[species]);
}

CBioTerminologySettings::CBioTerminologySettings()
{
    for (int term = 0; term < BioTermCount; ++term)
        m_BuiltInWords[term] = {GetBuiltInTermWord(term, false, false), GetBuiltInTermWord(term, true, false)};
}

bool CBioTerminologySettings::operator==(const CBioTerminologySettings &other) const
{
    if (m_Species != other.m_Species)
        return false;
    return m_Species != BioSpeciesCustom || m_Words == other.m_Words;
}

QString CBioTerminologySettings::GetWord(int term, bool plural, bool builtIn)
{
    if (!IsTerm(term))
        return QString();
    if (builtIn)
        return Form(m_BuiltInWords[term], plural);
    if (m_Refresh)
        ApplySpeciesDefaults(m_Species);
    return Form(m_Words[term], plural);
}

void CBioTerminologySettings::SetWord(int term, bool plural, const QString &word, bool onlyIfInUse)
{
    if (!IsTerm(term) || (onlyIfInUse && !BioIsTermEditable(term, plural)))
        return;
    Form(m_Words[term], plural) = word;
}

void CBioTerminologySettings::ApplySpeciesDefaults(int species)
{
    m_Refresh = false;
    m_Species = species;
    if (species == BioSpeciesCustom)
        return;
    m_Words = m_BuiltInWords;
    for (const CSpeciesWord &word : kSpeciesWords) {
        if (word.m_Species == species)
            SetWord(word.m_Term, word.m_Plural, Translated(word.m_Word), true);
    }
}

void CBioTerminologySettings::Exchange(const CCmnSettingsExchange &exchange,
                                       const CBioTerminologySettings &defaults)
{
    exchange.ExchangeInt(QStringLiteral("which"), m_Species, defaults.m_Species);
    if (m_Species != BioSpeciesCustom) {
        if (!exchange.IsSave())
            m_Refresh = true;
        return;
    }
    for (int term = 0; term < BioTermCount; ++term) {
        for (bool plural : {false, true}) {
            const QString key = QStringLiteral("which_%1_%2").arg(term).arg(plural ? 1 : 0);
            exchange.ExchangeString(key, Form(m_Words[term], plural),
                                    plural ? defaults.m_Words[term].second : defaults.m_Words[term].first);
        }
    }
}
