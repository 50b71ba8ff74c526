#pragma once

#include <QString>

class CBioTerminologySettings;
class CCmnSettingsExchange;

// The process-wide terminology every caption asks for its animal words, and the
// small functions that compose sex, parent and generation words from it.

// Flags of GetBioTerm (EBioTermFlags).
enum EBioTermFlag : int {
    BioTermPlural = 0x1,
    BioTermOneLetter = 0x2,
    // Only GetBioSexText reads it: a sex is named as a parent (Sire, Dam).
    BioTermAsParent = 0x4,
    BioTermBuiltIn = 0x10,
    BioTermUpperCase = 0x20,
    BioTermLowerCase = 0x40,
};

// Indices of the terms GetBioTerm names.
inline constexpr int kBioTermAnimal = 0;
inline constexpr int kBioTermSex = 2;
inline constexpr int kBioTermDateOfBirth = 3;
inline constexpr int kBioTermMale = 5;
inline constexpr int kBioTermFemale = 6;
inline constexpr int kBioTermSire = 9;
inline constexpr int kBioTermDam = 10;
inline constexpr int kBioTermName = 14;

void BioCreateTerminology();
CBioTerminologySettings *GetBioTerminology();
// Loads or saves, as the exchange's direction says.
void BioLoadTerminology(const CCmnSettingsExchange &exchange);
void BioSetTerminology(const CBioTerminologySettings &settings);
void BioDestroyTerminology();

// The word of the term, "!" when that word is empty.
QString GetBioTerm(int term, int flags = 0);
// 0 unknown, 1 male, 2 female; "??" for any other sex.
QString GetBioSexText(int sex, int flags = 0);
// The word for an ancestor `generation` generations above a parent; role 1 sire,
// 2 dam, anything else parent: Sire, Granddam, GGG-Parent.
QString GetBioGenerationWord(int generation, int role, int flags = 0);
// Filter 0 any, 1 male, 2 female, 3 unknown; style 1 is the command form.
QString BioSexFilterText(int filter, int style);
