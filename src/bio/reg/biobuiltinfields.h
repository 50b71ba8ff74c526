#pragma once

#include <QList>
#include <QString>

class CCmnRegFieldContextMask;
class CCmnRegFieldsSettings;

// The nine built-in fields of the animal register, ids -101 to -109: which group
// each belongs to and which terminology word names it. Labels follow the user's
// words; internal names and "#" names use the built-in words, so they never change.
struct CBioBuiltInField
{
    enum EGroup { Identity, Special, System };

    int m_Id;
    EGroup m_Group;
    int m_Term;
};

// The field of the id when it is one of the nine; null otherwise.
const CBioBuiltInField *BioFindBuiltInField(int fieldId);
// The field of the id when it belongs to the group; null otherwise.
const CBioBuiltInField *BioFindBuiltInField(int fieldId, CBioBuiltInField::EGroup group);
// The user's word of the field's term, or the built-in word.
QString BioBuiltInFieldLabel(const CBioBuiltInField &field, bool builtInWording);
// The built-in word without its blanks ("DateofBirth").
QString BioBuiltInFieldInternalName(const CBioBuiltInField &field);
// The first field of the group, in the group's order, whose word equals the label
// ignoring case; 0 for none.
int BioFindBuiltInFieldByLabel(CBioBuiltInField::EGroup group, const QString &label, bool builtInWording);

// The default field items of new fields settings. m1 to m5 are the context masks
// of the pedigree and cover-sheet titles, the cover sheet's reverse and details,
// the trial-mating title, its sire and dam details, and the ancestor boxes of
// generations 0 to 2.
void BioAppendDefaultSpecialFields(CCmnRegFieldsSettings &settings, const CCmnRegFieldContextMask &m1,
                                   const CCmnRegFieldContextMask &m2, const CCmnRegFieldContextMask &m3,
                                   const CCmnRegFieldContextMask &m4, const CCmnRegFieldContextMask &m5);
void BioAppendDefaultSystemFields(CCmnRegFieldsSettings &settings, const CCmnRegFieldContextMask &m1,
                                  const CCmnRegFieldContextMask &m2, const CCmnRegFieldContextMask &m3,
                                  const CCmnRegFieldContextMask &m4, const CCmnRegFieldContextMask &m5);
void BioSetDefaultUserFieldContexts(CCmnRegFieldsSettings &settings, const CCmnRegFieldContextMask &m1,
                                    const CCmnRegFieldContextMask &m2, const CCmnRegFieldContextMask &m3,
                                    const CCmnRegFieldContextMask &m4, const CCmnRegFieldContextMask &m5);
// Title, suffix, sex, dates of birth and death, sire, dam, inbreeding; not the name.
QList<int> BioDefaultInbuiltFieldOrder();
