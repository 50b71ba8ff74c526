#include "bioboxkindcatalogue.h"

#include "bioterminology.h"
#include "bioterminologysettings.h"
#include "cmnregfieldcontexts.h"

namespace {

// The context bits of the breeding forms' record-bound boxes.
enum EBioBoxKind {
    PedigreeTitle = 33,
    PedigreePic = 34,
    CoverSheetTitle = 35,
    CoverSheetReverse = 36,
    CoverSheetInsideFlap = 37,
    CoverSheetPic = 38,
    TrialMatingTitle = 39,
    TrialMatingSirePic = 40,
    TrialMatingDamPic = 41,
    // Generation g of the ancestry cells is kind 50 + g.
    AncestorGen0 = 50,
    PedigreeDetails = 60,
    TrialMatingSireDetails = 61,
    TrialMatingDamDetails = 62,
};

constexpr int kAncestorGenerations = 6;

} // namespace

void BioFillBoxKindCatalogue(CCmnRegFieldContexts &catalogue, const CBioBoxKindWords &words)
{
    const int pedigree = catalogue.AddGroup(0, QStringLiteral("Pedigree"));
    const int coverSheet = catalogue.AddGroup(0, QStringLiteral("Cover Sheet"));
    const int trialMating = catalogue.AddGroup(0, QStringLiteral("Trial Mating"));
    const int ancestors = catalogue.AddGroup(1, QStringLiteral("Ancestors"));
    const QString photo = QStringLiteral("Photo");
    const QString details = QStringLiteral("%1 Details");

    catalogue.AddItem(PedigreeTitle, pedigree, 0, 0, 1, QStringLiteral("Title"), QStringLiteral("PedigreeTitle"));
    // The details box shares the title's help.
    catalogue.AddItem(PedigreeDetails, pedigree, 0, 1, 1, QStringLiteral("Details"), QStringLiteral("PedigreeTitle"));
    catalogue.AddItem(PedigreePic, pedigree, 0, 2, 1, photo, QStringLiteral("PedigreePic"));

    catalogue.AddItem(CoverSheetTitle, coverSheet, 0, 0, 1, QStringLiteral("Title"), QStringLiteral("CoverSheetTitle"));
    catalogue.AddItem(CoverSheetReverse, coverSheet, 0, 1, 1, QStringLiteral("Reverse"),
                      QStringLiteral("CoverSheetReverse"));
    catalogue.AddItem(CoverSheetInsideFlap, coverSheet, 0, 2, 1, QStringLiteral("Inside Flap"),
                      QStringLiteral("CoverSheetInsideFlap"));
    catalogue.AddItem(CoverSheetPic, coverSheet, 0, 3, 1, photo, QStringLiteral("CoverSheetPic"));

    catalogue.AddItem(TrialMatingTitle, trialMating, 0, 0, 1, QStringLiteral("Title"),
                      QStringLiteral("TrialMatingTitle"));
    catalogue.AddItem(TrialMatingSirePic, trialMating, 0, 1, 1, QStringLiteral("%1 %2").arg(words.m_Sire, photo),
                      QStringLiteral("TrialMatingSirePic"));
    catalogue.AddItem(TrialMatingDamPic, trialMating, 0, 2, 1, QStringLiteral("%1 %2").arg(words.m_Dam, photo),
                      QStringLiteral("TrialMatingDamPic"));
    catalogue.AddItem(TrialMatingSireDetails, trialMating, 0, 3, 1, details.arg(words.m_Sire),
                      QStringLiteral("TrialMatingSireDetails"));
    catalogue.AddItem(TrialMatingDamDetails, trialMating, 0, 4, 1, details.arg(words.m_Dam),
                      QStringLiteral("TrialMatingDamDetails"));

    // Three rows and two columns: G1 to G3 down the first, G4 to G6 down the second.
    for (int g = 0; g < kAncestorGenerations; ++g) {
        catalogue.AddItem(AncestorGen0 + g, ancestors, g % 3, g / 3, 1,
                          QStringLiteral("G%1 (%2)").arg(QString::number(g + 1), words.m_Generations.value(g)),
                          QStringLiteral("AncestorsGen"));
    }
}

CCmnRegFieldContexts *BoxKindCatalogue()
{
    static CCmnRegFieldContexts catalogue;
    if (catalogue.m_Groups.isEmpty()) {
        CBioBoxKindWords words{GetBioTerm(BioTermSire), GetBioTerm(BioTermDam), {}};
        for (int g = 0; g < kAncestorGenerations; ++g)
            words.m_Generations.append(GetBioGenerationWord(g, 0, BioTermPlural));
        BioFillBoxKindCatalogue(catalogue, words);
    }
    return &catalogue;
}

CCmnRegFieldContextMask BioDefaultFieldContextMask(int group)
{
    QList<int> bits;
    switch (group) {
    case 0: bits = {PedigreeTitle, CoverSheetTitle}; break;
    case 1: bits = {CoverSheetReverse, PedigreeDetails}; break;
    case 2: bits = {TrialMatingTitle}; break;
    case 3: bits = {TrialMatingSireDetails, TrialMatingDamDetails}; break;
    case 4: bits = {AncestorGen0, AncestorGen0 + 1, AncestorGen0 + 2}; break;
    default: break;
    }
    CCmnRegFieldContextMask mask;
    for (const int bit : bits)
        mask.SetContext(bit, true);
    return mask;
}
