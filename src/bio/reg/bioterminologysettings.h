#pragma once

#include <QString>

#include <array>
#include <utility>

class CCmnSettingsExchange;

// The animal words of the program: what a record, a sex, a parent, offspring or a
// built-in field is called.
enum EBioTerm : int {
    BioTermAnimal = 0,
    BioTermOffspring = 1,
    BioTermSex = 2,
    BioTermDateOfBirth = 3,
    BioTermDateOfDeath = 4,
    BioTermMale = 5,
    BioTermFemale = 6,
    BioTermParent = 7,
    BioTermGrand = 8,
    BioTermSire = 9,
    BioTermDam = 10,
    BioTermLitter = 11,
    BioTermFamily = 12,
    BioTermInbreeding = 13,
    BioTermName = 14,
    BioTermTitle = 15,
    BioTermSuffix = 16,
    BioTermUnknownSex = 17,
    BioTermCount = 18,
};

// The species whose words the terminology takes; Custom keeps the user's own.
enum EBioSpecies : int {
    BioSpeciesBirds = 0,
    BioSpeciesCats = 1,
    BioSpeciesDogs = 2,
    BioSpeciesHorses = 3,
    BioSpeciesPeople = 4,
    BioSpeciesRabbits = 5,
    BioSpeciesOther = 6,
    BioSpeciesCustom = 7,
    BioSpeciesRats = 8,
    BioSpeciesGoats = 9,
    BioSpeciesSheep = 10,
    BioSpeciesCattle = 11,
    BioSpeciesPigs = 12,
    BioSpeciesCount = 13,
};

// The species choice and the singular and plural word of every term. Words are
// computed from the species lazily: loading a species only marks them stale, so
// that the term-use table set up after loading decides which words a species
// may change.
class CBioTerminologySettings
{
public:
    CBioTerminologySettings();

    // Equal species; for Custom also equal words. Other species' words follow
    // from the species, so they are not compared.
    bool operator==(const CBioTerminologySettings &other) const;
    bool operator!=(const CBioTerminologySettings &other) const { return !(*this == other); }

    int Species() const { return m_Species; }
    // The species alone; the words stay as they are.
    void SetSpecies(int species) { m_Species = species; }
    // While set, the words are recomputed from the species before the next read.
    bool RefreshFlag() const { return m_Refresh; }
    void SetRefreshFlag(bool refresh) { m_Refresh = refresh; }

    QString GetWord(int term, bool plural, bool builtIn);
    // With onlyIfInUse, a form the term-use table does not mark in use is left alone.
    void SetWord(int term, bool plural, const QString &word, bool onlyIfInUse);
    void ApplySpeciesDefaults(int species);
    // One routine for loading and saving: the species, and for Custom the 36 words.
    void Exchange(const CCmnSettingsExchange &exchange, const CBioTerminologySettings &defaults);

private:
    using CWordPair = std::pair<QString, QString>;
    static QString &Form(CWordPair &pair, bool plural) { return plural ? pair.second : pair.first; }

    int m_Species = BioSpeciesOther;
    bool m_Refresh = true;
    std::array<CWordPair, BioTermCount> m_Words;
    std::array<CWordPair, BioTermCount> m_BuiltInWords;
};

// The process-wide table of which term forms are in use: shown for editing and
// allowed to take a species' word. Filled on first use.
void BioInitTermEditableTable();
bool BioIsTermEditable(int term, bool plural);
void BioSetTermEditable(int term, bool editable, bool plural);

// The built-in word; with longForm the row label of terms 13, 16 and 17. Empty
// outside 0..17.
QString GetBuiltInTermWord(int term, bool plural, bool longForm);
// "??" for a code outside 0..12.
QString GetSpeciesName(int species);
